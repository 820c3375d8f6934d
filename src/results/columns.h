// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The six columns of the result list, shared by the list, copy, export and
// printing. Every title holds exactly one "\n" between its two lines.

#include <array>
#include <string_view>
#include <utility>

namespace alacrity {

struct ResultColumn {
  std::string_view title;
  int screenWidth;  // pixels
  int paperWidth;   // 0.1 mm; the six add up to 1800
};

inline constexpr std::array<ResultColumn, 6> ResultColumns = {{
    {"No\n(#)", 100, 180},
    {"Object\n ", 100, 260},
    {"Generation Time\n(ms)", 150, 410},
    {"Alacrity Time\n(ms)", 100, 360},
    {"Total Time\n(ms)", 100, 310},
    {"Quality\n ", 100, 280},
}};

// The two lines of a title, split at its first "\n" (the second is empty when
// there is none).
std::pair<std::string_view, std::string_view> SplitTitle(std::string_view title);

}  // namespace alacrity
