// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The verdict of a check of the box itself: what check-box prints and the
// device check screen says, from the same figures, so the two agree.

#include <cstdint>
#include <string>
#include <vector>

#include "data/run_timing.h"
#include "results/timing_report.h"

namespace alacrity {

struct BoxCheckVerdict {
  // Box rate, longest gap, silence at the end (only when there was one),
  // buttons held throughout and button changes, in that order; a line that
  // fails the box is marked.
  std::vector<TimingLine> lines;
  // Bytes came at a measured rate and no line is marked.
  bool sound = false;
};

// The check's bytes as they arrived, judged at `endNs` (the host's
// monotonic clock): a box that fell silent before then has a gap up to it.
BoxCheckVerdict JudgeBoxCheck(const ByteArrival& arrival, int64_t endNs);

// "1", "2+4": the buttons of a nibble, as the press scripts write them.
std::string ButtonNames(int32_t nibble);

}  // namespace alacrity
