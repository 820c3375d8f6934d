// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/columns.h"

namespace alacrity {

std::pair<std::string_view, std::string_view> SplitTitle(std::string_view title) {
  const std::size_t newline = title.find('\n');
  if (newline == std::string_view::npos) return {title, {}};
  return {title.substr(0, newline), title.substr(newline + 1)};
}

}  // namespace alacrity
