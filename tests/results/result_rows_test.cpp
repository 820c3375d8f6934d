// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/result_rows.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "result_builder.h"

namespace alacrity {
namespace {

using testing::Correct;
using testing::MakeResults;
using testing::Stimulus;
using testing::Wrong;

const ResultRow Separator{" ", "", "", "", "", ""};

std::string Spaces(std::size_t n) { return std::string(n, ' '); }

TEST(ResponseRow, CellsKeepTheirExactWidths) {
  const TestResults r = MakeResults({Stimulus{ObjectKind::Circle, 0, 1500, 350}});
  const ResultRow row = ResponseRow(r, 1);
  EXPECT_EQ(row[0], "    1");
  EXPECT_EQ(row[1], Spaces(6) + " Circle " + Spaces(5));
  EXPECT_EQ(row[2], Spaces(9) + "1500");
  EXPECT_EQ(row[3], Spaces(10) + "350");
  EXPECT_EQ(row[4], Spaces(14) + "1850");
  EXPECT_EQ(row[5], " correct");
}

TEST(ResponseRow, ObjectCells) {
  const TestResults r = MakeResults({
      Correct(300, ObjectKind::Cross),
      Wrong(300, ObjectKind::Triangle),
      Stimulus{ObjectKind::None, 5, 800, 250},
  });
  EXPECT_EQ(ResponseRow(r, 1)[1], Spaces(7) + " Cross " + Spaces(5));
  EXPECT_EQ(ResponseRow(r, 2)[1], Spaces(4) + "  Triangel" + Spaces(5));
  EXPECT_EQ(ResponseRow(r, 2)[5], " false");
  // No single button: a named placeholder of the same cell width, always false.
  const ResultRow invalid = ResponseRow(r, 3);
  EXPECT_EQ(invalid[1], Spaces(5) + " Invalid " + Spaces(5));
  EXPECT_EQ(invalid[1].size(), 19u);
  EXPECT_EQ(invalid[5], " false");
}

TEST(ResponseRow, DamagedValuesDoNotOverflow) {
  TestResults r = MakeResults({Stimulus{ObjectKind::Square, 2, INT32_MAX, INT32_MAX}});
  r.objectIndex[1] = -3;
  const ResultRow row = ResponseRow(r, 1);
  EXPECT_EQ(row[4], Spaces(8) + "4294967294");
  EXPECT_EQ(row[1].size(), 19u);
  EXPECT_EQ(ResponseRow(r, ResultCapacity), ResultRow{});
  EXPECT_EQ(ResponseRow(r, -1), ResultRow{});
}

TEST(StatisticsRow, Cells) {
  const ResultRow row = StatisticsRow("Total responses:", 3, 400.0f, 81.65f);
  EXPECT_EQ(row[0], "Total responses:");
  EXPECT_EQ(row[1], "      3");
  EXPECT_EQ(row[2], "Mean alacrity time(ms):");
  EXPECT_EQ(row[3], Spaces(9) + "400");
  EXPECT_EQ(row[4], Spaces(13) + "SD:");
  EXPECT_EQ(row[5], Spaces(10) + "82");
  EXPECT_EQ(StatisticsRow("x", 2, 300.5f, 0.5f)[3], Spaces(9) + "301");
  EXPECT_EQ(StatisticsRow("x", 2, 300.5f, 0.5f)[5], Spaces(11) + "1");
}

TEST(FillResponseByResponse, AllOrOneObjectKeepingNumbers) {
  const TestResults r = MakeResults({
      Correct(300, ObjectKind::Square),
      Correct(310, ObjectKind::Circle),
      Correct(320, ObjectKind::Square),
      Correct(330, ObjectKind::Cross),
      Wrong(340, ObjectKind::Square),
  });
  EXPECT_EQ(FillResponseByResponse(r, AllObjects).size(), 5u);

  const auto squares = FillResponseByResponse(r, Code(ObjectKind::Square));
  ASSERT_EQ(squares.size(), 3u);
  EXPECT_EQ(squares[0][0], "    1");
  EXPECT_EQ(squares[1][0], "    3");
  EXPECT_EQ(squares[2][0], "    5");
  EXPECT_EQ(squares[2], ResponseRow(r, 5));
  EXPECT_TRUE(FillResponseByResponse(r, Code(ObjectKind::Triangle)).empty());
}

TEST(FillResponseByResponse, DamagedCountStaysInsideTheArrays) {
  TestResults r;
  r.responseCount = 5000;
  EXPECT_EQ(FillResponseByResponse(r, AllObjects).size(), static_cast<std::size_t>(MaxStimulusCount));
  r.responseCount = -1;
  EXPECT_TRUE(FillResponseByResponse(r, AllObjects).empty());
}

TestResults SevenStimuli() {
  return MakeResults({Correct(300), Correct(310), Wrong(320), Correct(330), Correct(340),
                      Correct(350), Correct(456)});
}

TEST(FillSplitSummary, BlocksOfThreeWithFalseResponsesAccepted) {
  const TestResults r = SevenStimuli();
  const SplitSummary s = FillSplitSummary(r, Code(FalseResponseMode::Accepted), 3);
  // Block 1..3 has a false response, so it gets the correct and false rows.
  ASSERT_EQ(s.rows.size(), 3u + 4u + 3u + 2u + 1u + 2u);
  EXPECT_EQ(s.rows[2], ResponseRow(r, 3));
  EXPECT_EQ(s.rows[3][0], "Total responses:");
  EXPECT_EQ(s.rows[3][1], "      3");
  EXPECT_EQ(s.rows[3][3], Spaces(9) + "310");
  EXPECT_EQ(s.rows[3][5], Spaces(11) + "8");  // sqrt(200 / 3)
  EXPECT_EQ(s.rows[4][0], "Correct responses:");
  EXPECT_EQ(s.rows[4][1], "      2");
  EXPECT_EQ(s.rows[5], StatisticsRow("False responses:", 1, 320.0f, 0.0f));
  EXPECT_EQ(s.rows[6], Separator);
  EXPECT_EQ(s.rows[7], ResponseRow(r, 4));
  EXPECT_EQ(s.rows[10][0], "Total responses:");
  EXPECT_EQ(s.rows[11], Separator);
  EXPECT_EQ(s.rows[12], ResponseRow(r, 7));
  EXPECT_EQ(s.rows[13], StatisticsRow("Total responses:", 1, 456.0f, 0.0f));
  EXPECT_EQ(s.rows[14], Separator);
  // The average line is the last block's: stimulus 7 alone.
  EXPECT_EQ(s.averageText, Spaces(18) + "Alacrity time average:" + " " + "    456" + " ms ");
}

TEST(FillSplitSummary, NotAcceptedShowsOnlyTotals) {
  const SplitSummary s = FillSplitSummary(SevenStimuli(), Code(FalseResponseMode::NotAccepted), 7);
  ASSERT_EQ(s.rows.size(), 7u + 2u);
  EXPECT_EQ(s.rows[7][0], "Total responses:");
  EXPECT_EQ(s.rows[8], Separator);
}

TEST(FillSplitSummary, OneBlockOfTheWholeTest) {
  const TestResults r = MakeResults({Correct(300), Correct(400), Correct(500)});
  const SplitSummary s = FillSplitSummary(r, Code(FalseResponseMode::Accepted), r.responseCount);
  ASSERT_EQ(s.rows.size(), 5u);
  EXPECT_EQ(s.rows[3][3], Spaces(9) + "400");
  EXPECT_EQ(s.rows[3][5], Spaces(10) + "82");
  EXPECT_EQ(s.averageText, Spaces(18) + "Alacrity time average:     400 ms ");
}

TEST(FillSplitSummary, UnusualBlockSizes) {
  const TestResults r = SevenStimuli();
  const auto whole = FillSplitSummary(r, 1, r.responseCount);
  EXPECT_EQ(FillSplitSummary(r, 1, INT_MAX).rows, whole.rows);
  // A size below 1 would never advance: it is taken as 1.
  EXPECT_EQ(FillSplitSummary(r, 1, 0).rows, FillSplitSummary(r, 1, 1).rows);
  EXPECT_EQ(FillSplitSummary(r, 1, -4).rows.size(), 7u * 3u);
}

TEST(FillSplitSummary, NoResponsesNoAverage) {
  const SplitSummary s = FillSplitSummary(TestResults{}, 0, 0);
  EXPECT_TRUE(s.rows.empty());
  EXPECT_FALSE(s.averageText.has_value());
}

}  // namespace
}  // namespace alacrity
