// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/timing_layout.h"

namespace alacrity {
namespace {

// `down` is +1 on screen and -1 on paper, where y grows upwards.
Layout Block(const std::vector<TimingLine>& lines, int left, int right, int top, int lineHeight,
             int indent, int down, ReportFont font) {
  Layout layout;
  int y = top;
  const auto add = [&](int x, const std::string& text, bool marked) {
    layout.texts.push_back({{x, y, right, y + down * lineHeight}, text, font, TextAlign::Left, marked});
    y += down * lineHeight;
  };
  for (const TimingLine& line : lines) {
    add(left, line.text, line.marked);
    if (line.marked) add(left + indent, line.meaning, true);
  }
  return layout;
}

}  // namespace

Layout ScreenTimingBlock(const std::vector<TimingLine>& lines, LayoutRect area) {
  return Block(lines, area.left, area.right, area.top, 16, 12, 1, ReportFont::Normal12);
}

Layout PaperTimingBlock(const std::vector<TimingLine>& lines, int top) {
  return Block(lines, 10, 1800, top, 50, 40, -1, ReportFont::Normal30);
}

}  // namespace alacrity
