// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What Wayland's presentation-time protocol says of a presented frame, read
// as the timing record's Presentation: its clock turned into the record's
// CLOCK_MONOTONIC, its flags into how the frame was shown and how far the
// time can be trusted. Plain values, so this builds and is tested without
// the Wayland libraries.

#include <time.h>

#include <cstdint>
#include <string_view>

#include "data/run_timing.h"

namespace alacrity {

// The presentation-time protocol's flags of a presented frame.
inline constexpr uint32_t WaylandPresentedVsync = 0x1;         // tied to a vertical retrace
inline constexpr uint32_t WaylandPresentedHwClock = 0x2;       // the hardware stamped the time
inline constexpr uint32_t WaylandPresentedHwCompletion = 0x4;  // the hardware said it switched
inline constexpr uint32_t WaylandPresentedZeroCopy = 0x8;      // the client's buffer scanned out

// The arguments of a `presented` event, the 32-bit halves joined.
struct WaylandPresented {
  uint64_t seconds = 0;
  uint32_t nanoseconds = 0;  // [0, 999999999] when valid
  uint32_t refreshNs = 0;    // to the next refresh; 0: variable or unknown
  uint64_t sequence = 0;     // the output's retrace counter; 0: it has none
  uint32_t flags = 0;
};

// One clock and CLOCK_MONOTONIC read back to back, to carry a time from one
// to the other. Both zero when the clock cannot be read.
struct ClockPair {
  int64_t clockNs = 0;
  int64_t monotonicNs = 0;
};

// Reads `clock` and CLOCK_MONOTONIC: the monotonic reading is taken between
// two of the other clock and paired with their mean, so the pair's error is
// half the time between them (well under a microsecond).
ClockPair ReadClockPair(clockid_t clock);

// A time of the clock the pair was read from, as CLOCK_MONOTONIC. Clocks
// such as CLOCK_MONOTONIC_RAW (headless Weston's) run at a slightly
// different rate, which only matters over what lies between the reading and
// the time: a pair read when the event arrives, a few milliseconds after
// the frame, leaves less than a microsecond of error.
int64_t ToMonotonicNs(int64_t clockNs, const ClockPair& pair);

// Whether an output's make and model (wl_output's geometry) name a display
// with no screen behind it: a headless, remote-desktop or virtual output,
// or a compositor running inside another's window. Its clock has no
// physical meaning.
bool IsVirtualOutput(std::string_view make, std::string_view model);

// The frame as the record keeps it. `virtualOutput`: the frame was timed by
// such an output. A time the protocol does not allow (nanoseconds past a
// second) or a clock that cannot be read gives no presented time.
Presentation PresentationOf(const WaylandPresented& presented, const ClockPair& clock,
                            bool virtualOutput);

}  // namespace alacrity
