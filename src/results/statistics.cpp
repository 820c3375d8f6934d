// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/statistics.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace alacrity {
namespace {

// One group of responses (all, correct or false). Every sum is a float and
// every step is rounded to float, so the printed figures match the ones labs
// have on record; computing in double would change some of them by 1 ms.
struct FloatAccumulator {
  int count = 0;
  float sum = 0.0f;
  float squareSum = 0.0f;

  void Add(float t) {
    ++count;
    sum = sum + t;
  }
  float Mean() const { return count > 0 ? sum / static_cast<float>(count) : 0.0f; }
  void AddSquare(float t, float mean) {
    const float deviation = t - mean;
    squareSum = squareSum + deviation * deviation;
  }
  // Population deviation: divided by n, not n - 1.
  float Sd() const { return count > 0 ? std::sqrt(squareSum / static_cast<float>(count)) : 0.0f; }
};

}  // namespace

BlockStatistics ComputeStatistics(const TestResults& results, int first, int last) {
  // A damaged file may claim more responses than the arrays hold; slot 0 is
  // never a stimulus.
  const int responseCount = std::clamp(results.responseCount, 0, MaxStimulusCount);
  first = std::max(first, 1);
  last = std::min(last, responseCount);

  FloatAccumulator all;
  FloatAccumulator correct;
  FloatAccumulator wrong;
  const auto timeOf = [&](int j) { return results.responseMs[static_cast<std::size_t>(j)]; };

  for (int j = first; j <= last; ++j) {
    const int32_t t = timeOf(j);
    // A correct response counts even without a time (it then pulls the
    // correct mean down); a false one only with a time.
    const float ms = static_cast<float>(t);
    if (IsCorrect(results, j)) {
      correct.Add(ms);
    } else if (t != 0) {
      wrong.Add(ms);
    }
    if (t != 0) all.Add(ms);
  }

  const float allMean = all.Mean();
  const float correctMean = correct.Mean();
  const float falseMean = wrong.Mean();

  // The second pass skips responses without a time, also the correct ones the
  // first pass counted.
  for (int j = first; j <= last; ++j) {
    const int32_t t = timeOf(j);
    if (t == 0) continue;
    const float ms = static_cast<float>(t);
    if (IsCorrect(results, j)) {
      correct.AddSquare(ms, correctMean);
    } else {
      wrong.AddSquare(ms, falseMean);
    }
    all.AddSquare(ms, allMean);
  }

  BlockStatistics s;
  s.allCount = all.count;
  s.allMean = allMean;
  s.allSd = all.Sd();
  s.correctCount = correct.count;
  s.correctMean = correctMean;
  s.correctSd = correct.Sd();
  s.falseCount = wrong.count;
  s.falseMean = falseMean;
  s.falseSd = wrong.Sd();
  return s;
}

}  // namespace alacrity
