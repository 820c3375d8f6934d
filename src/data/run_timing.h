// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the host saw of one run, as plain values: when each stimulus's bytes
// reached the reader and when its picture was handed to the display, and how
// the box's bytes arrived against the host's monotonic clock. Response times
// never depend on any of it (they are counted in bytes); these figures show
// what the screen and the host added around them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace alacrity {

// How a stimulus's frame reached the screen, as the display system said.
enum class PresentMode : int32_t {
  Unknown = 0,
  Flip = 1,        // the frame's buffer became the scanned-out one
  Copy = 2,        // copied into the scanned-out buffer
  Composited = 3,  // a compositor composed it into a frame of its own
};

// How far a presented time can be trusted, from best to worst.
enum class PresentQuality : int32_t {
  None = 0,            // no presented time
  Exact = 1,           // a page flip with the hardware's own timestamp
  FrameBounded = 2,    // a copy, or between two frame counters: within one refresh
  LowerBound = 3,      // a compositor in the way: shown at this time at the earliest
  SimulatedClock = 4,  // a virtual display (Xvfb, headless Weston, Xwayland): no physical meaning
};

// When the display system presented a frame.
struct Presentation {
  int64_t hostNs = 0;          // CLOCK_MONOTONIC nanoseconds; 0: none
  int64_t refreshNs = 0;       // the display's refresh interval; 0: unknown or variable
  int64_t frameCounter = -1;   // the display's frame counter (X MSC, Wayland sequence); -1: none
  PresentMode mode = PresentMode::Unknown;
  PresentQuality quality = PresentQuality::None;

  bool operator==(const Presentation&) const = default;
};

// Times are CLOCK_MONOTONIC nanoseconds; byte numbers count the bytes
// received since the link started, from 1 (the engine's totalTicks).
struct StimulusTiming {
  int32_t stimulus = 0;        // 1-based stimulus number of the run
  int32_t onsetByte = 0;       // the byte that started the response count
  int64_t onsetHostNs = 0;     // when the reader received it
  int64_t paintedHostNs = 0;   // when the window handed the stimulus to the display; 0: never
  int32_t responseByte = 0;    // the byte accepted as the response; 0: none
  int64_t responseHostNs = 0;  // when the reader received it
  Presentation presented{};    // when the display presented its frame
  int32_t lightByte = 0;       // the first byte after the onset whose light bit was set; 0: none
};

// A point on the box's own time line: `bytes` bytes had been received when
// the chunk stamped `hostNs` was read.
struct RateAnchor {
  int64_t bytes = 0;
  int64_t hostNs = 0;  // 0: none
};

// The least-squares fit of host time against byte number over every rate
// anchor of a run, kept as running means and sums of squared deviations
// about them (exact over hours, where plain sums of squares would round
// away the residuals). Times count from the first anchor, in seconds.
struct RateSums {
  int64_t anchors = 0;
  RateAnchor origin;             // the first anchor
  double meanBytes = 0.0;        // of bytes since the origin
  double meanSeconds = 0.0;      // of seconds since the origin
  double bytesSquares = 0.0;     // sum of squared deviations of the bytes
  double crossProducts = 0.0;    // of the bytes' times the seconds' deviations
  double secondsSquares = 0.0;   // sum of squared deviations of the seconds
};

// What the box's button bits did over the bytes received.
struct ButtonActivity {
  int64_t changes = 0;         // bytes whose button nibble differs from the byte before
  int64_t bounces = 0;         // changes that came soon after the change before
  int64_t busiestSecond = 0;   // most changes within one second of bytes
  int32_t heldThroughout = 0;  // the nibble of the buttons held in every byte; 0 before any
};

// How the box's bytes arrived. The reader stamps every chunk it reads. A
// byte can reach the host late but never early, so the rate comes from
// anchors of least delay: in each half second of bytes, the chunk that came
// soonest after its bytes were due, leaving out chunks the reader collected
// after pausing on purpose (they wait by design).
struct ByteArrival {
  int64_t bytes = 0;         // bytes received
  int64_t firstNs = 0;       // stamp of the first chunk; 0: no byte yet
  int64_t lastNs = 0;        // stamp of the latest chunk
  int64_t longestGapNs = 0;  // longest time between two chunks
  RateSums rate;             // over the anchors of every completed half second
  ButtonActivity buttons;
};

// The display the stimuli were shown on; an empty server when unknown.
struct DisplayInfo {
  std::string server;      // "X11", "Wayland", or the platform's own name
  double refreshHz = 0.0;  // 0: unknown
};

// What the station adds to its runs' timing, from the operator's settings.
struct StationTiming {
  // The box's fifth bit is a light sensor on the stimulus marker. Off unless
  // set: other boxes may send anything above the four button bits.
  bool lightSensor = false;
  // The panel's own lag (light after the presented frame), measured with a
  // light sensor, in microseconds; none: not measured.
  std::optional<int32_t> panelLagUs;

  bool operator==(const StationTiming&) const = default;
};

struct RunTiming {
  std::vector<StimulusTiming> stimuli;  // one per stimulus whose response count started
  ByteArrival arrival;
  DisplayInfo display;
  StationTiming station;
};

}  // namespace alacrity
