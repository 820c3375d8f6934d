// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/number_format.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace alacrity {

std::string FormatNoDecimals(int width, double value) {
  // glibc rounds exact halves to even ("%.0f" of 300.5 gives "300"), but the
  // figures labs compare against were always rounded away from zero. Rounding
  // first leaves printf a whole number, so its own rounding never applies.
  double rounded = std::round(value);
  // -0.4 rounds to -0.0, which printf shows as "-0".
  if (rounded == 0.0) rounded = 0.0;

  char small[64];
  const int length = std::snprintf(small, sizeof small, "%*.0f", width, rounded);
  if (length < 0) return {};
  if (static_cast<std::size_t>(length) < sizeof small) return std::string(small, static_cast<std::size_t>(length));
  // Very large values or widths: printf never cuts a number, neither do we.
  std::vector<char> large(static_cast<std::size_t>(length) + 1);
  std::snprintf(large.data(), large.size(), "%*.0f", width, rounded);
  return std::string(large.data(), static_cast<std::size_t>(length));
}

}  // namespace alacrity
