// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the result page, the header block and every printed page show, as
// plain drawing instructions: lines, boxes and single-line texts in
// rectangles. Screen, printer, preview and PDF all paint from these, so a
// report looks the same wherever it goes.
//
// Screen layouts are in pixels with y growing downwards; paper layouts are in
// 0.1 mm with y growing upwards from the top of the printable area (so y is
// negative on the page).

#include <string>
#include <string_view>
#include <vector>

#include "results/header_block.h"
#include "results/result_rows.h"

namespace alacrity {

enum class ReportFont {
  Normal12,  // header block on screen
  Bold24,    // result page on screen
  Bold30,    // page title, page number and average line on paper
  Bold25,    // column titles on paper
  Normal30,  // header block and table cells on paper
};

enum class TextAlign { Left, Center, Right };

struct LayoutRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const LayoutRect&) const = default;
};

struct LayoutLine {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  bool operator==(const LayoutLine&) const = default;
};

// One line of text, vertically centred in its rectangle and clipped to it.
struct LayoutText {
  LayoutRect rect;
  std::string text;
  ReportFont font = ReportFont::Normal12;
  TextAlign align = TextAlign::Left;
  bool marked = false;  // drawn in red: a figure that needs the operator's attention
};

struct Layout {
  std::vector<LayoutRect> boxes;  // outlined with the current pen, filled with the current brush
  std::vector<LayoutLine> lines;
  std::vector<LayoutText> texts;
};

// The header block in screen layout (normally at 10, 5, 710, 65).
Layout ScreenHeaderBlock(const HeaderBlockTexts& texts, LayoutRect box);
// The result page on screen (normally at 10, 70, 650, 380).
Layout ScreenResultPage(const std::string& averageText, LayoutRect area);

// Which report the view mode prints. The chart report's page carries the
// frame, title, page number and header block; the charts are painted into
// the rest of the page by the chart library.
enum class ReportKind { ResponseList, SplitSummary, Result, Chart, None };

// The title printed on every page of the report; "ERROR" for a view that has
// no report.
std::string_view ReportTitle(ReportKind kind);

// Printed page `page` (from 1) of a report of the list rows.
Layout PrintedPage(int page, ReportKind kind, const std::vector<ResultRow>& rows,
                   const HeaderBlockTexts& header, const std::string& averageText);

}  // namespace alacrity
