// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The figures behind the charts, against values worked out by hand (and with
// Python's statistics.median for the running median).

#include <gtest/gtest.h>

#include <vector>

#include "result_builder.h"
#include "results/chart_figures.h"
#include "results/summary_statistics.h"

namespace alacrity {
namespace {

using testing::Correct;
using testing::MakeResults;
using testing::Stimulus;
using testing::Wrong;

TEST(ChartFigures, PointsKeepStimulusNumbersAndSkipAnswersWithoutTime) {
  // A press of several buttons records object 4 and button 5.
  const TestResults results = MakeResults({Correct(300, ObjectKind::Square), Correct(0),
                                           Wrong(450, ObjectKind::Cross),
                                           Stimulus{ObjectKind::Circle, 5, 1000, 500}});
  TestResults several = results;
  several.objectIndex[4] = 4;
  const std::vector<ChartPoint> points = ResponsePoints(several);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0].stimulus, 1);
  EXPECT_EQ(points[0].shape, 2);
  EXPECT_TRUE(points[0].correct);
  EXPECT_EQ(points[1].stimulus, 3);
  EXPECT_FALSE(points[1].correct);
  EXPECT_EQ(points[2].stimulus, 4);
  EXPECT_EQ(points[2].shape, OtherShape);
  EXPECT_FALSE(points[2].correct);
}

TEST(ChartFigures, RunningMedianFollowsCorrectAnswersOnly) {
  // Correct times 300, 900, 310, 320, 330 at stimuli 1, 2, 3, 4, 6.
  const TestResults results = MakeResults(
      {Correct(300), Correct(900), Correct(310), Correct(320), Wrong(1000), Correct(330)});
  const auto points = ResponsePoints(results);
  struct Case {
    int window;
    std::vector<double> medians;
  } cases[] = {
      {3, {600, 310, 320, 320, 325}},
      {9, {320, 320, 320, 320, 320}},  // every window holds the whole test
      {1, {300, 900, 310, 320, 330}},
  };
  for (const Case& c : cases) {
    const auto line = RunningMedian(points, c.window);
    ASSERT_EQ(line.size(), c.medians.size()) << c.window;
    const int stimuli[] = {1, 2, 3, 4, 6};
    for (std::size_t i = 0; i < line.size(); ++i) {
      EXPECT_EQ(line[i].stimulus, stimuli[i]) << c.window;
      EXPECT_DOUBLE_EQ(line[i].medianMs, c.medians[i]) << c.window << " at " << i;
    }
  }
  EXPECT_TRUE(RunningMedian(ResponsePoints(MakeResults({Wrong(400)}))).empty());
}

TEST(ChartFigures, BoxesUseTypeSevenQuartilesAndTukeyWhiskers) {
  const std::vector<double> times = {340, 300, 900, 320, 310, 330};
  const ShapeBox box = BoxOf(1, times);
  EXPECT_EQ(box.count, 6);
  EXPECT_DOUBLE_EQ(box.q1, 312.5);
  EXPECT_DOUBLE_EQ(box.median, 325);
  EXPECT_DOUBLE_EQ(box.q3, 337.5);
  EXPECT_DOUBLE_EQ(box.lowerWhisker, 300);
  EXPECT_DOUBLE_EQ(box.upperWhisker, 340);
  EXPECT_EQ(box.outliers, std::vector<double>{900});

  const std::vector<double> single = {400};
  const ShapeBox one = BoxOf(0, single);
  EXPECT_DOUBLE_EQ(one.lowerWhisker, 400);
  EXPECT_DOUBLE_EQ(one.upperWhisker, 400);
  EXPECT_TRUE(one.outliers.empty());
}

TEST(ChartFigures, BoxesPerShapeOverCorrectTimes) {
  const TestResults results =
      MakeResults({Correct(300, ObjectKind::Triangle), Wrong(200, ObjectKind::Circle),
                   Correct(500, ObjectKind::Cross), Correct(700, ObjectKind::Cross)});
  const auto boxes = ShapeBoxes(ResponsePoints(results));
  ASSERT_EQ(boxes.size(), 2u);  // the circle has no correct answer
  EXPECT_EQ(boxes[0].shape, 1);
  EXPECT_DOUBLE_EQ(boxes[0].median, 600);
  EXPECT_EQ(boxes[1].shape, 3);
  EXPECT_EQ(boxes[1].count, 1);
}

TEST(ChartFigures, TimeAxisTopIsRoundAndAboveEveryPoint) {
  const struct {
    double max;
    double top;
  } cases[] = {{0, 1000}, {-5, 1000}, {301, 400}, {480, 600}, {1999, 2500}, {95, 100}, {9600, 15000}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(TimeAxisTop(c.max), c.top) << c.max;

  const ChartFigures empty = BuildChartFigures(TestResults{}, TestConfiguration{});
  EXPECT_EQ(empty.stimulusCount, 0);
  EXPECT_TRUE(empty.points.empty());
  EXPECT_DOUBLE_EQ(empty.timeAxisTopMs, 1000);
}

}  // namespace
}  // namespace alacrity
