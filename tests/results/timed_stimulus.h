// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "data/run_timing.h"

namespace alacrity::test {

// A stimulus's host times, in the order of the timing record's first columns.
inline StimulusTiming Timed(int32_t stimulus, int32_t onsetByte, int64_t onsetHostNs,
                            int64_t paintedHostNs, int32_t responseByte, int64_t responseHostNs) {
  StimulusTiming timed;
  timed.stimulus = stimulus;
  timed.onsetByte = onsetByte;
  timed.onsetHostNs = onsetHostNs;
  timed.paintedHostNs = paintedHostNs;
  timed.responseByte = responseByte;
  timed.responseHostNs = responseHostNs;
  return timed;
}

}  // namespace alacrity::test
