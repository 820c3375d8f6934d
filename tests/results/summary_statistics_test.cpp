// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/summary_statistics.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "result_builder.h"
#include "results/summary_table.h"

namespace alacrity {
namespace {

using testing::Correct;
using testing::MakeResults;
using testing::Stimulus;
using testing::Wrong;

// Expected values from Python's statistics module: mean, stdev, median,
// quantiles(n=4, method='inclusive'), and the mean of the sorted sample
// without len // 10 values at each end.
struct DistributionCase {
  const char* name;
  std::vector<double> times;
  double mean;
  std::optional<double> sd;
  double median, q1, q3, trimmed, min, max;
};

class DescribeTimesTest : public ::testing::TestWithParam<DistributionCase> {};

TEST_P(DescribeTimesTest, MatchesPythonStatistics) {
  const DistributionCase& c = GetParam();
  const TimeDistribution d = DescribeTimes(c.times);
  EXPECT_EQ(d.count, static_cast<int>(c.times.size()));
  EXPECT_DOUBLE_EQ(*d.mean, c.mean);
  EXPECT_EQ(d.sd.has_value(), c.sd.has_value());
  if (c.sd) {
    EXPECT_NEAR(*d.sd, *c.sd, 1e-9);
  }
  EXPECT_DOUBLE_EQ(*d.median, c.median);
  EXPECT_DOUBLE_EQ(*d.q1, c.q1);
  EXPECT_DOUBLE_EQ(*d.q3, c.q3);
  EXPECT_DOUBLE_EQ(*d.trimmedMean10, c.trimmed);
  EXPECT_EQ(*d.min, c.min);
  EXPECT_EQ(*d.max, c.max);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, DescribeTimesTest,
    ::testing::Values(
        DistributionCase{"Odd", {300, 410, 250, 520, 330}, 362, 105.6882207249228, 330, 300, 410,
                         362, 250, 520},
        DistributionCase{"EvenWithTies", {300, 300, 410, 250, 250, 520}, 338.3333333333333,
                         106.4737839407742, 300, 262.5, 382.5, 338.3333333333333, 250, 520},
        DistributionCase{"Single", {412}, 412, std::nullopt, 412, 412, 412, 412, 412, 412},
        // Twenty times: two dropped at each end by the trimmed mean.
        DistributionCase{"TwoSlowOutliers",
                         {350, 212, 298, 301, 1250, 287, 264, 199, 333, 310, 295, 276, 288, 2040,
                          305, 318, 270, 281, 297, 150},
                         416.2, 441.76793145627704, 296, 274.5, 312, 292.8125, 150, 2040}),
    [](const auto& sample) { return std::string(sample.param.name); });

TEST(DescribeTimes, EmptySampleHasNoFigures) {
  const TimeDistribution d = DescribeTimes({});
  EXPECT_EQ(d.count, 0);
  EXPECT_FALSE(d.mean || d.sd || d.median || d.q1 || d.q3 || d.trimmedMean10 || d.min || d.max);
}

TEST(SummarizeResponses, CountsErrorRateAndInverseEfficiency) {
  // A correct answer without a time counts as correct but adds no time; a
  // press of several buttons (object 4, button 5) is false.
  const TestResults r = MakeResults({
      Correct(300, ObjectKind::Circle),
      Correct(500, ObjectKind::Square),
      Wrong(250, ObjectKind::Circle),
      Correct(0, ObjectKind::Circle),
      Stimulus{ObjectKind::None, 5, 900, 280},
  });
  const ResponseSummary s = SummarizeResponses(r);
  EXPECT_EQ(s.answered, 5);
  EXPECT_EQ(s.correct, 3);
  EXPECT_EQ(s.falseCount, 2);
  EXPECT_DOUBLE_EQ(*s.errorRate, 0.4);
  EXPECT_EQ(s.correctTimes.count, 2);
  EXPECT_DOUBLE_EQ(*s.correctTimes.mean, 400);
  EXPECT_DOUBLE_EQ(*s.inverseEfficiency, 400 / 0.6);

  const std::vector<ResponseSummary> byObject = SummarizeByObject(r);
  ASSERT_EQ(byObject.size(), 3u);
  EXPECT_EQ(SummaryObjectKey(byObject[0].object), "circle");
  EXPECT_EQ(byObject[0].answered, 3);
  EXPECT_DOUBLE_EQ(*byObject[0].correctTimes.mean, 300);
  EXPECT_EQ(SummaryObjectKey(byObject[1].object), "square");
  EXPECT_EQ(SummaryObjectKey(byObject[2].object), "other");
  EXPECT_EQ(byObject[2].falseCount, 1);
}

TEST(SummarizeResponses, NoCorrectAnswersAndNoAnswersLeaveFiguresEmpty) {
  const ResponseSummary allWrong = SummarizeResponses(MakeResults({Wrong(300), Wrong(400)}));
  EXPECT_EQ(allWrong.correct, 0);
  EXPECT_DOUBLE_EQ(*allWrong.errorRate, 1.0);
  EXPECT_FALSE(allWrong.correctTimes.mean);
  EXPECT_FALSE(allWrong.inverseEfficiency);

  const ResponseSummary none = SummarizeResponses(TestResults{});
  EXPECT_EQ(none.answered, 0);
  EXPECT_FALSE(none.errorRate);
  EXPECT_TRUE(SummarizeByObject(TestResults{}).empty());
}

TEST(SummaryCsvText, MissingValuesAreEmptyAndNumbersReadBackExactly) {
  const TestResults results = MakeResults({Correct(300), Wrong(301)});
  TestSummaries test{"a,b.aly", {}, 0, {SummarizeResponses(results)}};
  test.subject.name = "Ann";
  EXPECT_EQ(SummaryCsvText({test}),
            "file,subject,test_time_utc,object,answered,correct,false,error_rate,timed,mean_ms,"
            "sd_ms,median_ms,q1_ms,q3_ms,trimmed_mean_10_ms,min_ms,max_ms,ies_ms\r\n"
            "\"a,b.aly\",Ann,1970-01-01T00:00:00Z,all,2,1,1,0.5,1,300,,300,300,300,300,300,300,"
            "600\r\n");
  EXPECT_EQ(DecimalText(1100.0 / 3.0), "366.6666666666667");
}

}  // namespace
}  // namespace alacrity
