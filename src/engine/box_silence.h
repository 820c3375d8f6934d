// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// When a quiet box counts as silent: not there, switched off or unplugged.

#include <algorithm>
#include <cstdint>

#include "data/run_timing.h"

namespace alacrity {

// A box streams all the time: this long without a byte, it is not there or
// has stopped.
inline constexpr int64_t SilentBoxNs = 1'000'000'000;

// Most Arduino-class boxes restart when their port is opened (DTR pulses
// their reset line) and stay silent while the bootloader waits for a
// programmer, a second with Optiboot, longer with older bootloaders; a few
// bytes sent before the restart may still come first. Silence within this
// long of the opening is that restart.
inline constexpr int64_t BoxRestartNs = 2'000'000'000;

// Whether the box, its port opened at `openedNs`, has been silent for
// SilentBoxNs at `nowNs` (the host's monotonic clock). Silence during the
// restart does not count: a box that never sends is silent from
// BoxRestartNs + SilentBoxNs after the opening on.
inline bool BoxIsSilent(const ByteArrival& arrival, int64_t openedNs, int64_t nowNs) {
  const int64_t lastHeard = arrival.bytes > 0 ? std::max(arrival.lastNs, openedNs) : openedNs;
  return nowNs - std::max(lastHeard, openedNs + BoxRestartNs) >= SilentBoxNs;
}

}  // namespace alacrity
