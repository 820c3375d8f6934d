// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace alacrity {

// printf's "%<width>.0f", except that a value exactly halfway between two
// whole numbers rounds away from zero (300.5 -> 301), whatever the C
// library's own rounding; never prints "-0".
std::string FormatNoDecimals(int width, double value);

}  // namespace alacrity
