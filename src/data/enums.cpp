// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "enums.h"

#include <cstddef>

namespace alacrity {

namespace {

// Codes come straight from files, so any int32 may arrive here.
template <typename Table, typename Value>
Value Lookup(const Table& table, int32_t code, Value fallback) {
  if (code < 0 || static_cast<std::size_t>(code) >= table.size()) {
    return fallback;
  }
  return table[static_cast<std::size_t>(code)];
}

constexpr std::array<Rgb, 4> StimulusColorTable = {{
    {255, 0, 0},    // red
    {0, 255, 0},    // green
    {0, 0, 255},    // blue
    {255, 255, 0},  // yellow
}};

constexpr std::array<Rgb, 4> BackgroundColorTable = {{
    {255, 255, 255},  // white
    {0, 0, 255},      // blue
    {0, 255, 0},      // green
    {0, 0, 0},        // black
}};

}  // namespace

std::string_view ObjectName(int32_t code) { return Lookup(ObjectNames, code, InvalidCodeName); }

std::string_view StimulusColorName(int32_t code) {
  return Lookup(StimulusColorNames, code, InvalidCodeName);
}

std::string_view BackgroundColorName(int32_t code) {
  return Lookup(BackgroundColorNames, code, InvalidCodeName);
}

Rgb StimulusColorRgb(int32_t code) { return Lookup(StimulusColorTable, code, Rgb{}); }

Rgb BackgroundColorRgb(int32_t code) { return Lookup(BackgroundColorTable, code, Rgb{}); }

}  // namespace alacrity
