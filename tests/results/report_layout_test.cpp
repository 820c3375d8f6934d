// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The places of everything on the printed pages and on the result screen, in
// the units the reports have always used.

#include "results/report_layout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace alacrity {
namespace {

using ::testing::ElementsAre;

HeaderBlockTexts Header() {
  return {"Name: Jo", "Date: 05.03.2007  at  14:03:09", "Total:   5", "Background:  White ",
          "square:  Red                   circle:  Green ", "triangle:  Blue                 cross:  Yellow "};
}

std::vector<ResultRow> Rows(int count) {
  std::vector<ResultRow> rows;
  for (int i = 0; i < count; ++i) rows.push_back({std::to_string(i), "o", "g", "a", "t", "q"});
  return rows;
}

const LayoutText* Find(const Layout& layout, const std::string& text) {
  const auto found = std::find_if(layout.texts.begin(), layout.texts.end(),
                                  [&](const LayoutText& t) { return t.text == text; });
  return found == layout.texts.end() ? nullptr : &*found;
}

long Horizontal(const Layout& layout) {
  return std::count_if(layout.lines.begin(), layout.lines.end(),
                       [](const LayoutLine& l) { return l.y1 == l.y2; });
}

TEST(ScreenLayout, HeaderBlockAndResultPagePlaces) {
  const Layout header = ScreenHeaderBlock(Header(), {10, 5, 710, 65});
  EXPECT_THAT(header.boxes, ElementsAre(LayoutRect{10, 5, 710, 65}));
  ASSERT_EQ(header.texts.size(), 6u);
  std::vector<LayoutRect> rects;
  for (const LayoutText& t : header.texts) {
    rects.push_back(t.rect);
    EXPECT_EQ(t.font, ReportFont::Normal12);
    EXPECT_EQ(t.align, TextAlign::Left);
  }
  EXPECT_THAT(rects, ElementsAre(LayoutRect{20, 13, 370, 28}, LayoutRect{370, 13, 710, 28},
                                 LayoutRect{20, 28, 370, 38}, LayoutRect{370, 28, 710, 43},
                                 LayoutRect{20, 43, 710, 58}, LayoutRect{370, 43, 710, 58}));
  EXPECT_EQ(header.texts[0].text, "Name: Jo");
  EXPECT_EQ(header.texts[5].text, Header().shapes2);

  const Layout page = ScreenResultPage("   average", {10, 70, 650, 380});
  ASSERT_EQ(page.texts.size(), 2u);
  EXPECT_EQ(page.texts[0].text, "Result of Your Alacrity test");
  EXPECT_EQ(page.texts[0].rect, (LayoutRect{20, 75, 650, 105}));
  EXPECT_EQ(page.texts[0].align, TextAlign::Center);
  EXPECT_EQ(page.texts[1].rect, (LayoutRect{20, 115, 650, 145}));
  EXPECT_EQ(page.texts[1].font, ReportFont::Bold24);
}

TEST(PrintedLayout, FirstPageOfAnEmptyListIsTheTitleBandOnly) {
  const Layout page = PrintedPage(1, ReportKind::ResponseList, {}, Header(), "");
  // Frame (4 lines), two rules across the table, seven column rules 80 high.
  EXPECT_EQ(page.lines.size(), 4u + 2u + 7u);
  EXPECT_EQ(Horizontal(page), 2 + 2);
  EXPECT_EQ(page.lines[4], (LayoutLine{0, -480, 1800, -480}));
  EXPECT_EQ(page.lines[5], (LayoutLine{0, -560, 1800, -560}));
  EXPECT_EQ(page.lines.back(), (LayoutLine{1800, -480, 1800, -560}));

  ASSERT_NE(Find(page, "DIGITAL REPORT"), nullptr);
  EXPECT_EQ(Find(page, "DIGITAL REPORT")->rect, (LayoutRect{100, 0, 1000, -80}));
  ASSERT_NE(Find(page, "Page: 1/1"), nullptr);
  EXPECT_EQ(Find(page, "Page: 1/1")->align, TextAlign::Right);
  EXPECT_EQ(Find(page, "Page: 1/1")->rect, (LayoutRect{1000, 0, 1700, -80}));

  // The header block sits under the frame on the first page.
  EXPECT_THAT(page.boxes, ElementsAre(LayoutRect{0, -160, 1800, -400}));
  ASSERT_NE(Find(page, "Name: Jo"), nullptr);
  EXPECT_EQ(Find(page, "Name: Jo")->rect, (LayoutRect{30, -180, 930, -205}));
  EXPECT_EQ(Find(page, "Total:   5")->rect, (LayoutRect{30, -225, 930, -255}));
  EXPECT_EQ(Find(page, Header().shapes2)->rect, (LayoutRect{930, -270, 1800, -300}));
  EXPECT_EQ(Find(page, "Name: Jo")->font, ReportFont::Normal30);

  const LayoutText* title = Find(page, "Generation Time (ms)");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->rect, (LayoutRect{440, -480, 840, -560}));
  EXPECT_EQ(title->font, ReportFont::Bold25);
  EXPECT_EQ(title->align, TextAlign::Center);
  EXPECT_NE(Find(page, "Object  "), nullptr);  // "Object" over a blank second line
}

TEST(PrintedLayout, LaterPagesCarryTheirTwentySevenRowsUnderATitleBand) {
  const auto rows = Rows(60);
  const Layout page = PrintedPage(2, ReportKind::ResponseList, rows, Header(), "");
  EXPECT_EQ(Find(page, "Name: Jo"), nullptr);  // the header block is on page 1 only
  EXPECT_TRUE(page.boxes.empty());
  ASSERT_NE(Find(page, "Page: 2/3"), nullptr);
  EXPECT_EQ(Find(page, "No (#)")->rect, (LayoutRect{0, -160, 170, -240}));
  EXPECT_EQ(Horizontal(page), 2 + 27 + 2);

  // List rows 24..50, the first in the band below the titles.
  const LayoutText* first = Find(page, "24");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->rect, (LayoutRect{0, -240, 150, -320}));
  EXPECT_EQ(first->align, TextAlign::Right);
  EXPECT_EQ(first->font, ReportFont::Normal30);
  EXPECT_NE(Find(page, "50"), nullptr);
  EXPECT_EQ(Find(page, "23"), nullptr);
  EXPECT_EQ(Find(page, "51"), nullptr);
  const auto q = std::find_if(page.texts.begin(), page.texts.end(),
                              [](const LayoutText& t) { return t.text == "q"; });
  EXPECT_EQ(q->rect, (LayoutRect{1520, -240, 1770, -320}));

  const Layout last = PrintedPage(3, ReportKind::SplitSummary, rows, Header(), "");
  EXPECT_NE(Find(last, "SPLIT REPORT"), nullptr);
  EXPECT_NE(Find(last, "59"), nullptr);
  EXPECT_EQ(Horizontal(last), 2 + 9 + 2);
}

TEST(PrintedLayout, ResultReportIsTheAverageLineAndOtherModesPrintError) {
  const Layout result = PrintedPage(1, ReportKind::Result, Rows(9), Header(), "  average 301 ms ");
  EXPECT_EQ(result.lines.size(), 4u);  // the frame, no table
  EXPECT_NE(Find(result, "Result of Your Alacrity test"), nullptr);
  EXPECT_NE(Find(result, "Page: 1/1"), nullptr);
  const LayoutText* average = Find(result, "  average 301 ms ");
  ASSERT_NE(average, nullptr);
  EXPECT_EQ(average->rect, (LayoutRect{10, -640, 1200, -720}));
  EXPECT_EQ(average->align, TextAlign::Right);
  EXPECT_EQ(average->font, ReportFont::Bold30);

  const Layout secondResultPage = PrintedPage(2, ReportKind::Result, Rows(30), Header(), "avg");
  EXPECT_EQ(Find(secondResultPage, "avg")->rect, (LayoutRect{10, -320, 1200, -400}));

  const Layout error = PrintedPage(1, ReportKind::None, Rows(3), Header(), "avg");
  EXPECT_NE(Find(error, "ERROR"), nullptr);
  EXPECT_NE(Find(error, "Name: Jo"), nullptr);
  EXPECT_EQ(Find(error, "avg"), nullptr);
  EXPECT_EQ(error.lines.size(), 4u);

  // The chart page leaves everything under the header block to the charts.
  const Layout chart = PrintedPage(1, ReportKind::Chart, {}, Header(), "avg");
  EXPECT_NE(Find(chart, "CHART REPORT"), nullptr);
  EXPECT_NE(Find(chart, "Page: 1/1"), nullptr);
  EXPECT_NE(Find(chart, "Name: Jo"), nullptr);
  EXPECT_EQ(Find(chart, "avg"), nullptr);
  EXPECT_EQ(chart.lines.size(), 4u);
}

}  // namespace
}  // namespace alacrity
