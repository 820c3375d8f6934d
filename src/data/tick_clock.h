// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One received byte is one tick of the test clock; the box sends 1440 bytes a
// second. Every conversion multiplies in double precision and truncates
// toward zero.

#include <cstdint>
#include <limits>

namespace alacrity {

inline constexpr double TicksPerMillisecond = 1.44;
// Exactly this literal, not 1 / 1.44: 1440 ticks are 999 ms.
inline constexpr double MillisecondsPerTick = 0.6944;

// The first 99 ticks after onset never count as a response.
inline constexpr int32_t MinResponseTicks = 100;

// Truncates toward zero; values beyond int32 (from a hand-edited file) saturate
// instead of overflowing.
constexpr int32_t TruncateToInt32(double value) {
  if (!(value == value)) return 0;  // NaN
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

constexpr int32_t MillisecondsToTicks(int32_t ms) {
  return TruncateToInt32(static_cast<double>(ms) * TicksPerMillisecond);
}

constexpr int32_t TicksToMilliseconds(int32_t ticks) {
  return TruncateToInt32(static_cast<double>(ticks) * MillisecondsPerTick);
}

}  // namespace alacrity
