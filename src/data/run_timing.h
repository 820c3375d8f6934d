// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the host saw of one run, as plain values: when each stimulus's bytes
// reached the reader and when its picture was handed to the display, and how
// the box's bytes arrived against the host's monotonic clock. Response times
// never depend on any of it (they are counted in bytes); these figures show
// what the screen and the host added around them.

#include <cstdint>
#include <string>
#include <vector>

namespace alacrity {

// Times are CLOCK_MONOTONIC nanoseconds; byte numbers count the bytes
// received since the link started, from 1 (the engine's totalTicks).
struct StimulusTiming {
  int32_t stimulus = 0;        // 1-based stimulus number of the run
  int32_t onsetByte = 0;       // the byte that started the response count
  int64_t onsetHostNs = 0;     // when the reader received it
  int64_t paintedHostNs = 0;   // when the window handed the stimulus to the display; 0: never
  int32_t responseByte = 0;    // the byte accepted as the response; 0: none
  int64_t responseHostNs = 0;  // when the reader received it
};

// A point on the box's own time line: `bytes` bytes had been received when
// the chunk stamped `hostNs` was read.
struct RateAnchor {
  int64_t bytes = 0;
  int64_t hostNs = 0;  // 0: none
};

// How the box's bytes arrived. The reader stamps every chunk it reads. A
// byte can reach the host late but never early, so the rate is taken between
// anchors of least delay: in each half second of bytes, the chunk that came
// soonest after its bytes were due.
struct ByteArrival {
  int64_t bytes = 0;         // bytes received
  int64_t firstNs = 0;       // stamp of the first chunk; 0: no byte yet
  int64_t lastNs = 0;        // stamp of the latest chunk
  int64_t longestGapNs = 0;  // longest time between two chunks
  RateAnchor firstAnchor;    // of the first half second of bytes
  RateAnchor lastAnchor;     // of the latest completed half second
};

// The display the stimuli were shown on; an empty server when unknown.
struct DisplayInfo {
  std::string server;      // "X11", "Wayland", or the platform's own name
  double refreshHz = 0.0;  // 0: unknown
};

struct RunTiming {
  std::vector<StimulusTiming> stimuli;  // one per stimulus whose response count started
  ByteArrival arrival;
  DisplayInfo display;
};

}  // namespace alacrity
