// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a light onset must lie in the bytes a box sent, worked out from the
// bytes alone, for comparing with what a program noted.

#include <cstdint>
#include <string>

namespace alacrity::testing {

// The number (from 1) of the first byte after `onsetByte` whose light bit is
// set with a dark byte before it, from the onset byte on; 0 for none.
inline int32_t FirstLightAfter(const std::string& sent, int32_t onsetByte) {
  const auto lit = [&sent](int32_t byte) {
    return (static_cast<unsigned char>(sent[static_cast<std::size_t>(byte) - 1]) & 0x10) != 0;
  };
  if (onsetByte < 1 || static_cast<std::size_t>(onsetByte) > sent.size()) return 0;
  bool dark = !lit(onsetByte);
  for (int32_t byte = onsetByte + 1; static_cast<std::size_t>(byte) <= sent.size(); ++byte) {
    if (!lit(byte)) {
      dark = true;
    } else if (dark) {
      return byte;
    }
  }
  return 0;
}

}  // namespace alacrity::testing
