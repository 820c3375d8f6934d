// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The rows of each view as the command line, the CSV export and the printed
// report take them: the same fills the window uses, with the view's defaults.

#include "results/view_rows.h"

#include <gtest/gtest.h>

#include "result_builder.h"

namespace alacrity {
namespace {

using testing::Correct;
using testing::MakeResults;
using testing::Wrong;

constexpr int32_t Accepted = 0;

TestResults Five() {
  return MakeResults({Correct(300), Wrong(400, ObjectKind::Square),
                      Correct(500, ObjectKind::Square), Correct(320, ObjectKind::Cross),
                      Correct(310)});
}

TEST(RowsOfView, ResponseListKeepsTheFilterAndHasNoAverage) {
  const TestResults r = Five();
  const ViewRows all = RowsOfView(r, Accepted, ResultView::ResponseByResponse, AllObjects, 3);
  EXPECT_EQ(all.rows, FillResponseByResponse(r, AllObjects));
  EXPECT_FALSE(all.averageText.has_value());
  const ViewRows squares = RowsOfView(r, Accepted, ResultView::ResponseByResponse, 2, 0);
  ASSERT_EQ(squares.rows.size(), 2u);
  EXPECT_EQ(squares.rows[0][0], "    2");
  EXPECT_EQ(squares.rows[1][0], "    3");
}

TEST(RowsOfView, SplitSummaryStartsAsOneBlockAndTakesAGivenSize) {
  const TestResults r = Five();
  const ViewRows whole = RowsOfView(r, Accepted, ResultView::SplitSummary, 2, 0);
  const SplitSummary oneBlock = FillSplitSummary(r, Accepted, 5);
  EXPECT_EQ(whole.rows, oneBlock.rows);
  EXPECT_EQ(whole.averageText, oneBlock.averageText);
  const ViewRows pairs = RowsOfView(r, Accepted, ResultView::SplitSummary, AllObjects, 2);
  EXPECT_EQ(pairs.rows, FillSplitSummary(r, Accepted, 2).rows);
  // The last block is stimulus 5 alone.
  EXPECT_EQ(pairs.averageText, FillSplitSummary(r, Accepted, 2).averageText);
  EXPECT_NE(pairs.averageText, whole.averageText);
}

TEST(RowsOfView, ResultIsTheWholeTestAsOneBlockWhateverTheSplitSize) {
  const TestResults r = Five();
  const ViewRows result = RowsOfView(r, Accepted, ResultView::Result, AllObjects, 2);
  EXPECT_EQ(result.rows, FillSplitSummary(r, Accepted, 5).rows);
  ASSERT_TRUE(result.averageText.has_value());
  EXPECT_EQ(*result.averageText, std::string(18, ' ') + "Alacrity time average:     366 ms ");
}

TEST(RowsOfView, AnEmptyTestHasNoRowsInAnyView) {
  const TestResults empty;
  for (const ResultView view :
       {ResultView::ResponseByResponse, ResultView::SplitSummary, ResultView::Result}) {
    const ViewRows rows = RowsOfView(empty, Accepted, view, AllObjects, 0);
    EXPECT_TRUE(rows.rows.empty());
    EXPECT_FALSE(rows.averageText.has_value());
  }
}

TEST(RowsOfView, ReportKinds) {
  EXPECT_EQ(ReportKindOf(ResultView::ResponseByResponse), ReportKind::ResponseList);
  EXPECT_EQ(ReportKindOf(ResultView::SplitSummary), ReportKind::SplitSummary);
  EXPECT_EQ(ReportKindOf(ResultView::Result), ReportKind::Result);
}

}  // namespace
}  // namespace alacrity
