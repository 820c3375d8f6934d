// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Robust summaries of a test for analysis, in double precision: counts, error
// rate and the distribution of the correct response times. Separate from the
// single-precision block statistics of the views, whose printed figures must
// stay as labs have them on record.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "data/records.h"

namespace alacrity {

// The distribution of a sample of times in ms. Fields without a value are
// empty: everything for an empty sample, the deviation for a single time.
struct TimeDistribution {
  int count = 0;
  std::optional<double> mean;
  std::optional<double> sd;  // sample deviation, divided by n - 1
  std::optional<double> median;
  // Quartiles by linear interpolation between order statistics (Hyndman and
  // Fan type 7): R's quantile() default, pandas' and NumPy's default, and
  // Python's statistics.quantiles(method='inclusive').
  std::optional<double> q1;
  std::optional<double> q3;
  // Mean after dropping floor(n / 10) times from each end, as R's
  // mean(x, trim = 0.1) and SciPy's trim_mean(x, 0.1).
  std::optional<double> trimmedMean10;
  std::optional<double> min;
  std::optional<double> max;
};

TimeDistribution DescribeTimes(std::span<const double> times);

// The shape a summary covers: an ObjectKind code, AllShapes for the whole
// test, or OtherShape for answers whose shape is not known (a press of not
// one single button records the object as 4; a damaged file may hold more).
inline constexpr int32_t AllShapes = -1;
inline constexpr int32_t OtherShape = 4;

struct ResponseSummary {
  int32_t object = AllShapes;
  int answered = 0;    // stimuli of the test (every one ended with an answer)
  int correct = 0;     // button answered the shape
  int falseCount = 0;  // any other answer
  std::optional<double> errorRate;  // false / answered
  // Over correct answers that carry a response time (a time of 0 carries
  // none, and a negative one can only come from a damaged file).
  TimeDistribution correctTimes;
  // Mean correct time / proportion correct, in ms; only meaningful beside the
  // time and the error rate, since it trades one for the other.
  std::optional<double> inverseEfficiency;
};

// Stimuli 1..responseCount of the given shape (or of every shape).
ResponseSummary SummarizeResponses(const TestResults& results, int32_t object = AllShapes);

// One summary per shape shown in the test, in ObjectKind order, then one for
// OtherShape when such answers exist.
std::vector<ResponseSummary> SummarizeByObject(const TestResults& results);

}  // namespace alacrity
