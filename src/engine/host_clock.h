// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The host's monotonic clock in nanoseconds: the one clock every host time
// stamp of a run is taken from (the reader's chunks, the window's paints), so
// they can be subtracted from one another. It never enters a response time.

#include <time.h>

#include <cstdint>

namespace alacrity {

inline int64_t MonotonicNowNs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

}  // namespace alacrity
