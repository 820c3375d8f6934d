// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/report_pages.h"

#include <gtest/gtest.h>

#include <climits>

#include "results/columns.h"

namespace alacrity {
namespace {

TEST(ReportPages, PageCount) {
  EXPECT_EQ(PageCount(0), 1);
  EXPECT_EQ(PageCount(24), 1);
  EXPECT_EQ(PageCount(25), 2);
  EXPECT_EQ(PageCount(51), 2);
  EXPECT_EQ(PageCount(52), 3);
  EXPECT_EQ(PageCount(78), 3);
  EXPECT_EQ(PageCount(79), 4);
}

TEST(ReportPages, RowsOfPage) {
  EXPECT_EQ(RowsOfPage(1, 60), (PageRows{0, 24}));
  EXPECT_EQ(RowsOfPage(2, 60), (PageRows{24, 51}));
  EXPECT_EQ(RowsOfPage(3, 60), (PageRows{51, 60}));
  EXPECT_EQ(RowsOfPage(1, 0), (PageRows{0, 0}));
  // Beyond the end, or no page at all: empty, never first > last.
  EXPECT_EQ(RowsOfPage(4, 60), (PageRows{60, 60}));
  EXPECT_EQ(RowsOfPage(0, 60), (PageRows{0, 0}));
  EXPECT_EQ(RowsOfPage(INT_MAX, 60), (PageRows{60, 60}));
}

TEST(ReportPages, PagesCoverEveryRowOnce) {
  for (int rows = 0; rows <= 200; ++rows) {
    int next = 0;
    for (int page = 1; page <= PageCount(rows); ++page) {
      const PageRows range = RowsOfPage(page, rows);
      EXPECT_EQ(range.first, next) << rows << " rows, page " << page;
      EXPECT_LE(range.last - range.first, page == 1 ? FirstPageRows : RowsPerPage);
      if (rows > 0) {
        EXPECT_GT(range.last, range.first) << rows << " rows, page " << page;
      }
      next = range.last;
    }
    EXPECT_EQ(next, rows);
  }
}

TEST(Columns, TitlesSplitAtTheLineBreak) {
  using Parts = std::pair<std::string_view, std::string_view>;
  EXPECT_EQ(SplitTitle("Generation Time\n(ms)"), Parts("Generation Time", "(ms)"));
  EXPECT_EQ(SplitTitle("Object\n "), Parts("Object", " "));
  EXPECT_EQ(SplitTitle("Plain"), Parts("Plain", ""));
  int paper = 0;
  for (const ResultColumn& column : ResultColumns) paper += column.paperWidth;
  EXPECT_EQ(paper, 1800);
}

}  // namespace
}  // namespace alacrity
