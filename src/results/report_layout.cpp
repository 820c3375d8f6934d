// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/report_layout.h"

#include <cstdio>
#include <string_view>

#include "results/columns.h"
#include "results/report_pages.h"

namespace alacrity {
namespace {

constexpr int TableWidth = 1800;
constexpr int RowHeight = 80;

void Text(Layout& layout, LayoutRect rect, std::string text, ReportFont font, TextAlign align) {
  layout.texts.push_back({rect, std::move(text), font, align});
}

// The six header texts at their places; `down` is +1 on screen and -1 on
// paper, where y grows upwards.
void HeaderTexts(Layout& layout, const HeaderBlockTexts& t, int xL, int xM, int right, int top,
                 const int (&rows)[3][2], ReportFont font) {
  const auto rect = [&](int left, int rowRight, int row) {
    return LayoutRect{left, top + rows[row][0], rowRight, top + rows[row][1]};
  };
  Text(layout, rect(xL, xM, 0), t.name, font, TextAlign::Left);
  Text(layout, rect(xM, right, 0), t.date, font, TextAlign::Left);
  Text(layout, rect(xL, xM, 1), t.total, font, TextAlign::Left);
  Text(layout, rect(xM, right, 1), t.background, font, TextAlign::Left);
  Text(layout, rect(xL, right, 2), t.shapes1, font, TextAlign::Left);
  Text(layout, rect(xM, right, 2), t.shapes2, font, TextAlign::Left);
}

Layout PaperHeaderBlock(const HeaderBlockTexts& texts, LayoutRect box) {
  Layout layout;
  layout.boxes.push_back(box);
  const int xL = box.left + 30;
  const int xM = box.left + (box.right - box.left) / 2 + 30;
  // The block's rows, as offsets from its top edge (downwards is negative).
  const int rows[3][2] = {{-20, -45}, {-65, -95}, {-110, -140}};
  HeaderTexts(layout, texts, xL, xM, box.right, box.top, rows, ReportFont::Normal30);
  return layout;
}

void Append(Layout& into, const Layout& from) {
  into.boxes.insert(into.boxes.end(), from.boxes.begin(), from.boxes.end());
  into.lines.insert(into.lines.end(), from.lines.begin(), from.lines.end());
  into.texts.insert(into.texts.end(), from.texts.begin(), from.texts.end());
}

void Table(Layout& layout, const std::vector<ResultRow>& rows, PageRows range, int y0) {
  const int count = range.last - range.first;
  int x[ResultColumns.size() + 1] = {0};
  for (std::size_t i = 0; i < ResultColumns.size(); ++i) x[i + 1] = x[i] + ResultColumns[i].paperWidth;

  for (int k = 0; k <= count + 1; ++k) {
    layout.lines.push_back({0, y0 - RowHeight * k, TableWidth, y0 - RowHeight * k});
  }
  for (const int xi : x) layout.lines.push_back({xi, y0, xi, y0 - RowHeight * (count + 1)});

  for (std::size_t i = 0; i < ResultColumns.size(); ++i) {
    const auto [first, second] = SplitTitle(ResultColumns[i].title);
    Text(layout, {x[i], y0, x[i + 1] - 10, y0 - RowHeight},
         std::string(first) + " " + std::string(second), ReportFont::Bold25, TextAlign::Center);
  }
  for (int k = 0; k < count; ++k) {
    const ResultRow& row = rows[static_cast<std::size_t>(range.first + k)];
    for (std::size_t i = 0; i < ResultColumns.size(); ++i) {
      Text(layout, {x[i], y0 - RowHeight * (k + 1), x[i + 1] - 30, y0 - RowHeight * (k + 2)}, row[i],
           ReportFont::Normal30, TextAlign::Right);
    }
  }
}

}  // namespace

std::string_view ReportTitle(ReportKind kind) {
  switch (kind) {
    case ReportKind::ResponseList: return "DIGITAL REPORT";
    case ReportKind::SplitSummary: return "SPLIT REPORT";
    case ReportKind::Result: return "Result of Your Alacrity test";
    case ReportKind::Chart: return "CHART REPORT";
    case ReportKind::None: break;
  }
  return "ERROR";
}

Layout ScreenHeaderBlock(const HeaderBlockTexts& texts, LayoutRect box) {
  Layout layout;
  layout.boxes.push_back(box);
  const int xL = box.left + 10;
  const int xM = box.left + (box.right - box.left) / 2 + 10;
  // As the block has always looked: the total's row is 5 pixels shorter
  // than its neighbour's, and the second shape line starts mid-way.
  Text(layout, {xL, box.top + 8, xM, box.top + 23}, texts.name, ReportFont::Normal12, TextAlign::Left);
  Text(layout, {xM, box.top + 8, box.right, box.top + 23}, texts.date, ReportFont::Normal12,
       TextAlign::Left);
  Text(layout, {xL, box.top + 23, xM, box.top + 33}, texts.total, ReportFont::Normal12,
       TextAlign::Left);
  Text(layout, {xM, box.top + 23, box.right, box.top + 38}, texts.background, ReportFont::Normal12,
       TextAlign::Left);
  Text(layout, {xL, box.top + 38, box.right, box.top + 53}, texts.shapes1, ReportFont::Normal12,
       TextAlign::Left);
  Text(layout, {xM, box.top + 38, box.right, box.top + 53}, texts.shapes2, ReportFont::Normal12,
       TextAlign::Left);
  return layout;
}

Layout ScreenResultPage(const std::string& averageText, LayoutRect area) {
  Layout layout;
  Text(layout, {area.left + 10, area.top + 5, area.right, area.top + 35}, "Result of Your Alacrity test",
       ReportFont::Bold24, TextAlign::Center);
  Text(layout, {area.left + 10, area.top + 45, area.right, area.top + 75}, averageText,
       ReportFont::Bold24, TextAlign::Left);
  return layout;
}

Layout PrintedPage(int page, ReportKind kind, const std::vector<ResultRow>& rows,
                   const HeaderBlockTexts& header, const std::string& averageText) {
  Layout layout;
  const int rowCount = static_cast<int>(rows.size());
  const int y0 = page == 1 ? -480 : -160;

  layout.lines.push_back({0, 0, TableWidth, 0});
  layout.lines.push_back({TableWidth, 0, TableWidth, -RowHeight});
  layout.lines.push_back({TableWidth, -RowHeight, 0, -RowHeight});
  layout.lines.push_back({0, -RowHeight, 0, 0});
  Text(layout, {100, 0, 1000, -RowHeight}, std::string(ReportTitle(kind)), ReportFont::Bold30,
       TextAlign::Left);
  char pageText[48];
  std::snprintf(pageText, sizeof pageText, "Page: %d/%d", page, PageCount(rowCount));
  Text(layout, {1000, 0, 1700, -RowHeight}, pageText, ReportFont::Bold30, TextAlign::Right);

  if (page == 1) Append(layout, PaperHeaderBlock(header, {0, -160, TableWidth, -400}));

  if (kind == ReportKind::Result) {
    Text(layout, {10, y0 - 160, 1200, y0 - 240}, averageText, ReportFont::Bold30, TextAlign::Right);
  } else if (kind == ReportKind::ResponseList || kind == ReportKind::SplitSummary) {
    Table(layout, rows, RowsOfPage(page, rowCount), y0);
  }
  return layout;
}

}  // namespace alacrity
