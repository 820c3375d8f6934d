// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ftdi_packets.h"

#include <algorithm>

namespace alacrity {

std::size_t CompactFtdiPayload(std::span<uint8_t> raw, std::size_t packetSize) {
  if (packetSize <= FtdiStatusBytes) return 0;
  std::size_t written = 0;
  for (std::size_t packet = 0; packet < raw.size(); packet += packetSize) {
    const std::size_t end = std::min(packet + packetSize, raw.size());
    const std::size_t first = packet + FtdiStatusBytes;
    if (first >= end) continue;  // status only: nothing was received
    // Moves only ever go to lower addresses, so copying forward is safe.
    std::copy(raw.begin() + static_cast<std::ptrdiff_t>(first),
              raw.begin() + static_cast<std::ptrdiff_t>(end),
              raw.begin() + static_cast<std::ptrdiff_t>(written));
    written += end - first;
  }
  return written;
}

}  // namespace alacrity
