// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/summary_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace alacrity {
namespace {

double Mean(std::span<const double> sorted) {
  double sum = 0.0;
  for (const double t : sorted) sum += t;
  return sum / static_cast<double>(sorted.size());
}

// Type 7: the p-quantile sits at position (n - 1) p of the sorted sample,
// interpolated linearly between its neighbours.
double Quantile(std::span<const double> sorted, double p) {
  const double position = static_cast<double>(sorted.size() - 1) * p;
  const auto below = static_cast<std::size_t>(std::floor(position));
  const double fraction = position - static_cast<double>(below);
  if (below + 1 >= sorted.size()) return sorted[below];
  return sorted[below] + fraction * (sorted[below + 1] - sorted[below]);
}

double Median(std::span<const double> sorted) {
  const std::size_t n = sorted.size();
  return n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
}

int32_t ShapeOf(int32_t objectIndex) {
  return (objectIndex >= 0 && objectIndex < OtherShape) ? objectIndex : OtherShape;
}

}  // namespace

TimeDistribution DescribeTimes(std::span<const double> times) {
  TimeDistribution d;
  d.count = static_cast<int>(times.size());
  if (times.empty()) return d;

  std::vector<double> sorted(times.begin(), times.end());
  std::sort(sorted.begin(), sorted.end());
  const std::size_t n = sorted.size();

  const double mean = Mean(sorted);
  d.mean = mean;
  if (n > 1) {
    // Two passes: the deviations from the mean, not sum of squares minus
    // square of sums, which loses digits to cancellation.
    double squares = 0.0;
    for (const double t : sorted) squares += (t - mean) * (t - mean);
    d.sd = std::sqrt(squares / static_cast<double>(n - 1));
  }
  d.median = Median(sorted);
  d.q1 = Quantile(sorted, 0.25);
  d.q3 = Quantile(sorted, 0.75);
  const std::size_t cut = n / 10;
  d.trimmedMean10 = Mean(std::span<const double>(sorted).subspan(cut, n - 2 * cut));
  d.min = sorted.front();
  d.max = sorted.back();
  return d;
}

ResponseSummary SummarizeResponses(const TestResults& results, int32_t object) {
  ResponseSummary s;
  s.object = object;
  std::vector<double> times;
  const int count = std::clamp(results.responseCount, 0, MaxStimulusCount);
  for (int j = 1; j <= count; ++j) {
    const auto i = static_cast<std::size_t>(j);
    if (object != AllShapes && ShapeOf(results.objectIndex[i]) != object) continue;
    ++s.answered;
    if (!IsCorrect(results, j)) {
      ++s.falseCount;
      continue;
    }
    ++s.correct;
    if (results.responseMs[i] > 0) times.push_back(results.responseMs[i]);
  }
  if (s.answered > 0) {
    s.errorRate = static_cast<double>(s.falseCount) / static_cast<double>(s.answered);
  }
  s.correctTimes = DescribeTimes(times);
  if (s.correctTimes.mean && s.correct > 0) {
    const double proportionCorrect =
        static_cast<double>(s.correct) / static_cast<double>(s.answered);
    s.inverseEfficiency = *s.correctTimes.mean / proportionCorrect;
  }
  return s;
}

std::vector<ResponseSummary> SummarizeByObject(const TestResults& results) {
  std::vector<ResponseSummary> summaries;
  for (int32_t object = 0; object <= OtherShape; ++object) {
    ResponseSummary s = SummarizeResponses(results, object);
    if (s.answered > 0) summaries.push_back(std::move(s));
  }
  return summaries;
}

}  // namespace alacrity
