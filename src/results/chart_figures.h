// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the charts of a test show, worked out from its results and the
// configuration it ran with: the answers in stimulus order with a running
// median of the correct times, the box-plot figures of the correct times of
// each shape, and the colour each shape was shown in. The window, the
// printed chart page and alacrity-cli plot all draw these, so a chart reads
// the same wherever it is made and its figures can be checked without Qt.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "data/records.h"

namespace alacrity {

// One answered stimulus with a response time.
struct ChartPoint {
  int32_t stimulus = 0;  // 1-based, as the response list numbers it
  int32_t shape = 0;     // ObjectKind 0..3, or OtherShape
  double timeMs = 0;
  bool correct = false;
};

// Stimuli 1..responseCount that carry a response time (a time of 0 carries
// none), in stimulus order.
std::vector<ChartPoint> ResponsePoints(const TestResults& results);

struct MedianPoint {
  int32_t stimulus = 0;
  double medianMs = 0;
};

// Correct answers in a window this long (centred on each one) make one point
// of the running median: long enough to ride over a single slow answer, short
// enough to follow slowing over a test of a few dozen stimuli.
inline constexpr int RunningMedianWindow = 9;

// For each correct point in order, the median of the correct times from
// `window` / 2 answers before it to as many after it, fewer at the ends of
// the test (pandas' rolling(window, center=True, min_periods=1).median()
// for an odd window).
std::vector<MedianPoint> RunningMedian(std::span<const ChartPoint> points,
                                       int window = RunningMedianWindow);

// A box of a box plot: quartiles as the summaries compute them (type 7),
// whiskers at the most extreme times within 1.5 interquartile ranges of the
// box (Tukey), and every time beyond them as an outlier.
struct ShapeBox {
  int32_t shape = 0;
  int count = 0;
  double lowerWhisker = 0;
  double q1 = 0;
  double median = 0;
  double q3 = 0;
  double upperWhisker = 0;
  std::vector<double> outliers;  // ascending
};

ShapeBox BoxOf(int32_t shape, std::span<const double> times);

// One box per shape with at least one timed correct answer, in ObjectKind
// order (OtherShape never has one: such an answer is always false).
std::vector<ShapeBox> ShapeBoxes(std::span<const ChartPoint> points);

// The top of a time axis that holds `maxMs` with 5 % room: the next round
// value (1, 1.5, 2, 2.5, 3, 4, 5, 6 or 8 times a power of ten) at or above
// it; 1000 for no times.
double TimeAxisTop(double maxMs);

struct ChartFigures {
  int32_t stimulusCount = 0;  // responseCount, the x axis runs 0..count + 1
  std::vector<ChartPoint> points;
  std::vector<MedianPoint> runningMedian;
  std::vector<ShapeBox> boxes;
  double timeAxisTopMs = 1000;  // both charts share it, so they compare
  // The StimulusColor of each shape by ObjectKind: the colour the subject saw,
  // which the header block above the charts names. Codes as stored, so one
  // from a damaged file may name no colour.
  std::array<int32_t, 4> shapeColors{};
};

// `runConfiguration` is the one the results were recorded with (a protocol
// Perform and an opened file put their colours there).
ChartFigures BuildChartFigures(const TestResults& results,
                               const TestConfiguration& runConfiguration);

}  // namespace alacrity
