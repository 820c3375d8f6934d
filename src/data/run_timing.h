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

// How the box's bytes arrived. The reader stamps every chunk it reads; the
// bytes of the first chunk arrived at or before its stamp, so the rate is
// taken over the bytes after it.
struct ByteArrival {
  int64_t bytes = 0;            // bytes received
  int64_t firstChunkBytes = 0;  // bytes in the first chunk read
  int64_t firstNs = 0;          // stamp of the first chunk; 0: no byte yet
  int64_t lastNs = 0;           // stamp of the latest chunk
  int64_t longestGapNs = 0;     // longest time between two chunks
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
