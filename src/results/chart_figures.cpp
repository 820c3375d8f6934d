// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/chart_figures.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "results/summary_statistics.h"

namespace alacrity {
namespace {

double MedianOfSorted(const std::vector<double>& sorted) {
  const std::size_t n = sorted.size();
  return n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
}

}  // namespace

std::vector<ChartPoint> ResponsePoints(const TestResults& results) {
  std::vector<ChartPoint> points;
  const int count = std::clamp(results.responseCount, 0, MaxStimulusCount);
  for (int j = 1; j <= count; ++j) {
    const auto i = static_cast<std::size_t>(j);
    if (results.responseMs[i] <= 0) continue;
    const int32_t object = results.objectIndex[i];
    const int32_t shape = (object >= 0 && object < OtherShape) ? object : OtherShape;
    points.push_back({j, shape, static_cast<double>(results.responseMs[i]), IsCorrect(results, j)});
  }
  return points;
}

std::vector<MedianPoint> RunningMedian(std::span<const ChartPoint> points, int window) {
  std::vector<const ChartPoint*> correct;
  for (const ChartPoint& point : points) {
    if (point.correct) correct.push_back(&point);
  }
  const auto n = static_cast<std::ptrdiff_t>(correct.size());
  // An even window reaches one answer further back than forward.
  const std::ptrdiff_t before = std::max(window, 1) / 2;
  const std::ptrdiff_t after = std::max(window, 1) - 1 - before;
  std::vector<MedianPoint> line;
  line.reserve(correct.size());
  std::vector<double> times;
  for (std::ptrdiff_t i = 0; i < n; ++i) {
    times.clear();
    for (std::ptrdiff_t k = std::max<std::ptrdiff_t>(0, i - before);
         k <= std::min(n - 1, i + after); ++k) {
      times.push_back(correct[static_cast<std::size_t>(k)]->timeMs);
    }
    std::sort(times.begin(), times.end());
    line.push_back({correct[static_cast<std::size_t>(i)]->stimulus, MedianOfSorted(times)});
  }
  return line;
}

ShapeBox BoxOf(int32_t shape, std::span<const double> times) {
  ShapeBox box;
  box.shape = shape;
  box.count = static_cast<int>(times.size());
  if (times.empty()) return box;
  const TimeDistribution d = DescribeTimes(times);
  box.q1 = *d.q1;
  box.median = *d.median;
  box.q3 = *d.q3;
  const double reach = 1.5 * (box.q3 - box.q1);
  const double lowFence = box.q1 - reach;
  const double highFence = box.q3 + reach;
  std::vector<double> sorted(times.begin(), times.end());
  std::sort(sorted.begin(), sorted.end());
  box.lowerWhisker = box.q1;
  box.upperWhisker = box.q3;
  for (const double t : sorted) {
    if (t < lowFence || t > highFence) {
      box.outliers.push_back(t);
      continue;
    }
    box.lowerWhisker = std::min(box.lowerWhisker, t);
    box.upperWhisker = std::max(box.upperWhisker, t);
  }
  return box;
}

std::vector<ShapeBox> ShapeBoxes(std::span<const ChartPoint> points) {
  std::vector<ShapeBox> boxes;
  std::vector<double> times;
  for (int32_t shape = 0; shape < OtherShape; ++shape) {
    times.clear();
    for (const ChartPoint& point : points) {
      if (point.correct && point.shape == shape) times.push_back(point.timeMs);
    }
    if (!times.empty()) boxes.push_back(BoxOf(shape, times));
  }
  return boxes;
}

double TimeAxisTop(double maxMs) {
  if (!(maxMs > 0) || !std::isfinite(maxMs)) return 1000;
  // Some room above the highest point, so that it never sits on the frame.
  const double wanted = maxMs * 1.05;
  const double power = std::pow(10.0, std::floor(std::log10(wanted)));
  for (const double step : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0}) {
    if (step * power >= wanted) return step * power;
  }
  return 10 * power;
}

ChartFigures BuildChartFigures(const TestResults& results,
                               const TestConfiguration& runConfiguration) {
  ChartFigures figures;
  for (int32_t shape = 0; shape < static_cast<int32_t>(figures.shapeColors.size()); ++shape) {
    figures.shapeColors[static_cast<std::size_t>(shape)] = ShapeColor(runConfiguration, shape);
  }
  figures.stimulusCount = std::clamp(results.responseCount, 0, MaxStimulusCount);
  figures.points = ResponsePoints(results);
  figures.runningMedian = RunningMedian(figures.points);
  figures.boxes = ShapeBoxes(figures.points);
  double maxMs = 0;
  for (const ChartPoint& point : figures.points) maxMs = std::max(maxMs, point.timeMs);
  figures.timeAxisTopMs = TimeAxisTop(maxMs);
  return figures;
}

}  // namespace alacrity
