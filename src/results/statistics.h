// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Counts, means and population standard deviations of the response times of a
// block of stimuli, in single-precision floats step by step as the printed
// results have always been computed.

#include "data/records.h"

namespace alacrity {

struct BlockStatistics {
  int allCount = 0;  // responses with a response time
  float allMean = 0;
  float allSd = 0;
  int correctCount = 0;  // correct responses, with or without a time
  float correctMean = 0;
  float correctSd = 0;
  int falseCount = 0;  // false responses with a response time
  float falseMean = 0;
  float falseSd = 0;
};

// Stimuli first..last, both included; last is lowered to responseCount.
BlockStatistics ComputeStatistics(const TestResults& results, int first, int last);

}  // namespace alacrity
