// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

#include "result_builder.h"
#include "results/number_format.h"

namespace alacrity {
namespace {

using testing::Correct;
using testing::MakeResults;
using testing::Stimulus;
using testing::Wrong;

TEST(ComputeStatistics, MeanAndPopulationDeviation) {
  const TestResults r = MakeResults({Correct(300), Correct(400), Correct(500)});
  const BlockStatistics s = ComputeStatistics(r, 1, 3);
  EXPECT_EQ(s.allCount, 3);
  EXPECT_EQ(s.correctCount, 3);
  EXPECT_EQ(s.falseCount, 0);
  EXPECT_FLOAT_EQ(s.allMean, 400.0f);
  // sqrt(20000 / 3) = 81.65, divided by n and not n - 1 (which gives 100).
  EXPECT_EQ(FormatNoDecimals(0, s.allSd), "82");
  EXPECT_EQ(s.correctSd, s.allSd);
  EXPECT_EQ(s.falseMean, 0.0f);
  EXPECT_EQ(s.falseSd, 0.0f);
}

TEST(ComputeStatistics, HalfMillisecondsShowRoundedUp) {
  const BlockStatistics s = ComputeStatistics(MakeResults({Correct(300), Correct(301)}), 1, 2);
  EXPECT_EQ(s.allMean, 300.5f);
  EXPECT_EQ(s.allSd, 0.5f);
  EXPECT_EQ(FormatNoDecimals(12, s.allMean), "         301");
  EXPECT_EQ(FormatNoDecimals(12, s.allSd), "           1");
}

TEST(ComputeStatistics, SingleFalseResponseHasNoDeviation) {
  const BlockStatistics s =
      ComputeStatistics(MakeResults({Correct(300), Wrong(420), Correct(500)}), 1, 3);
  EXPECT_EQ(s.falseCount, 1);
  EXPECT_EQ(s.falseMean, 420.0f);
  EXPECT_EQ(s.falseSd, 0.0f);
  EXPECT_EQ(s.correctCount, 2);
  EXPECT_EQ(s.correctMean, 400.0f);
  EXPECT_EQ(s.allCount, 3);
}

TEST(ComputeStatistics, ResponsesWithoutTime) {
  // A correct response without a time counts and pulls the correct mean down,
  // but the deviation pass skips it: (400 - 200)^2 / 2 = 20000.
  // A false response without a time counts nowhere.
  const BlockStatistics s =
      ComputeStatistics(MakeResults({Correct(0), Correct(400), Wrong(0)}), 1, 3);
  EXPECT_EQ(s.correctCount, 2);
  EXPECT_EQ(s.correctMean, 200.0f);
  EXPECT_EQ(s.correctSd, std::sqrt(20000.0f));
  EXPECT_EQ(s.allCount, 1);
  EXPECT_EQ(s.allMean, 400.0f);
  EXPECT_EQ(s.allSd, 0.0f);
  EXPECT_EQ(s.falseCount, 0);
}

TEST(ComputeStatistics, AnswerWithoutSingleButtonIsFalse) {
  TestResults r = MakeResults({Correct(300), Stimulus{ObjectKind::None, 5, 1000, 350}});
  const BlockStatistics s = ComputeStatistics(r, 1, 2);
  EXPECT_EQ(s.falseCount, 1);
  EXPECT_EQ(s.falseMean, 350.0f);
  EXPECT_EQ(s.allCount, 2);
  EXPECT_EQ(s.correctCount, 1);
}

TEST(ComputeStatistics, EmptyRangesGiveZeros) {
  const TestResults r = MakeResults({Correct(300)});
  for (const auto& [first, last] : {std::pair{2, 5}, std::pair{1, 0}, std::pair{3, 1}}) {
    const BlockStatistics s = ComputeStatistics(r, first, last);
    EXPECT_EQ(s.allCount, 0);
    EXPECT_EQ(s.allMean, 0.0f);
    EXPECT_EQ(s.allSd, 0.0f);
    EXPECT_EQ(s.correctCount, 0);
    EXPECT_EQ(s.correctSd, 0.0f);
  }
  EXPECT_EQ(ComputeStatistics(TestResults{}, 1, 1).allCount, 0);
}

TEST(ComputeStatistics, RangeStaysInsideTheArrays) {
  TestResults r = MakeResults({Correct(300), Correct(500)});
  r.responseMs[0] = 999;  // slot 0 is never a stimulus
  r.responseMs[3] = 999;  // beyond responseCount
  EXPECT_EQ(ComputeStatistics(r, -10, 100).allCount, 2);
  EXPECT_EQ(ComputeStatistics(r, -10, 100).allMean, 400.0f);

  // A damaged count larger than the arrays covers slots 1..1199 only.
  r.responseCount = 1'000'000;
  EXPECT_EQ(ComputeStatistics(r, 1, 1'000'000).allCount, 3);
  r.responseCount = -7;
  EXPECT_EQ(ComputeStatistics(r, 1, 10).allCount, 0);
}

// Printed statistics must be the single-precision figures step by step. Times
// spread over 1199 responses are large enough that float and double differ in
// both printed mean and deviation.
TEST(ComputeStatistics, SinglePrecisionStepByStep) {
  TestResults r;
  for (int j = 1; j <= MaxStimulusCount; ++j) {
    testing::Append(r, Correct(22666 + (985 * j) % 17905));
  }

  float fSum = 0.0f;
  double dSum = 0.0;
  for (int j = 1; j <= MaxStimulusCount; ++j) {
    const int32_t t = r.responseMs[static_cast<std::size_t>(j)];
    fSum = fSum + static_cast<float>(t);
    dSum += t;
  }
  const float fMean = fSum / static_cast<float>(MaxStimulusCount);
  const double dMean = dSum / MaxStimulusCount;
  float fSquares = 0.0f;
  double dSquares = 0.0;
  for (int j = 1; j <= MaxStimulusCount; ++j) {
    const int32_t t = r.responseMs[static_cast<std::size_t>(j)];
    const float fd = static_cast<float>(t) - fMean;
    fSquares = fSquares + fd * fd;
    dSquares += (t - dMean) * (t - dMean);
  }
  const float fSd = std::sqrt(fSquares / static_cast<float>(MaxStimulusCount));
  const double dSd = std::sqrt(dSquares / MaxStimulusCount);

  const BlockStatistics s = ComputeStatistics(r, 1, MaxStimulusCount);
  EXPECT_EQ(s.allMean, fMean);
  EXPECT_EQ(s.allSd, fSd);
  EXPECT_EQ(FormatNoDecimals(0, s.allMean), "31626");
  EXPECT_EQ(FormatNoDecimals(0, s.allSd), "5166");
  // The data set is only useful while double would print otherwise.
  EXPECT_EQ(FormatNoDecimals(0, dMean), "31627");
  EXPECT_EQ(FormatNoDecimals(0, dSd), "5165");
}

}  // namespace
}  // namespace alacrity
