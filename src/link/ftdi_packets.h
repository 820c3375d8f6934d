// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The layout of what an FTDI converter sends on its bulk-in endpoint: every
// USB packet starts with two modem-status bytes, followed by up to
// packet size - 2 received characters. A packet of only the two status bytes
// means "nothing received"; the converter sends one whenever its latency
// timer runs out.

#include <cstddef>
#include <cstdint>
#include <span>

namespace alacrity {

inline constexpr std::size_t FtdiStatusBytes = 2;

// Removes the status bytes of every packet in `raw` (as received, packets of
// `packetSize` bytes, the last one possibly short) and moves the received
// characters to the front, in order. Returns their count. A packet size of
// two or less carries no characters, so the result is 0.
std::size_t CompactFtdiPayload(std::span<uint8_t> raw, std::size_t packetSize);

}  // namespace alacrity
