// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The verdict of a display check: a short series of full-screen frames, each
// handed to the display and asked about, judged for how far the presented
// times of a test's stimuli on this display can be trusted, and what to
// change where they cannot. The window's check screen and its command-line
// form judge with this, so both say the same.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "data/run_timing.h"

namespace alacrity {

// One frame of the series, in the order shown.
struct CheckedFrame {
  int64_t handedOverNs = 0;  // CLOCK_MONOTONIC, when the window handed it to the display
  Presentation presented;    // hostNs 0: the display never reported it
};

// What the platform and the station's settings say beside the frames.
struct DisplayFacts {
  bool asksFrames = false;           // the platform has a way to ask about frames at all
  bool compositor = false;           // a compositor stands between the window and the screen
  bool simulated = false;            // a virtual display (Xvfb, headless Weston, Xwayland)
  double screenHz = 0.0;             // the refresh rate the screen claims; 0: unknown
  std::optional<double> panelLagMs;  // measured with a light sensor; none: not measured
};

enum class DisplayTrust : int32_t {
  Trusted = 0,    // presented times are exact
  Usable = 1,     // usable with a stated error (DisplayCheckVerdict::errorMs)
  Untrusted = 2,  // not to be trusted for timing
};

// What to change, most important first.
enum class DisplayAdvice : int32_t {
  ReportsNothing,     // the display tells nothing of its frames
  VirtualDisplay,     // a virtual display has no physical clock: check on the real screen
  Compositor,         // turn off the compositor or use a full-screen session
  CopiedFrames,       // frames are copied, not flipped: a full-screen window without a compositor
  UnsteadyRefresh,    // fix the refresh rate (variable refresh, power saving)
  RefreshNotClaimed,  // the screen runs at another rate than it claims: set its mode
  LateFrames,         // frames reached the screen a refresh late or not at all
  PanelLag,           // the panel's own lag needs a light sensor
};

// A frame presented later than this after its hand-over, beyond one
// refresh, missed the refresh it was meant for.
inline constexpr double LateToleranceMs = 1.0;
// Refresh intervals spread wider than this (p1 to p99) are not steady.
inline constexpr double SteadySpreadMs = 0.5;
// A measured refresh this far (as a share) from the screen's claim is not
// the mode the screen was set to.
inline constexpr double ClaimedRefreshTolerance = 0.02;
// Shares of frames late or lost beyond which the display is only usable,
// and beyond which it is not to be trusted.
inline constexpr double LateShareUsable = 0.01;
inline constexpr double LateShareUntrusted = 0.10;

struct DisplayCheckVerdict {
  int frames = 0;    // handed over
  int reported = 0;  // of them, reported presented
  int late = 0;      // reported, but more than a refresh after their hand-over
  int lost = 0;      // never reported, by a display that reports frames
  // The refresh interval: the median of the presented times' steps per
  // frame counter step; else what the display or the screen claims.
  std::optional<double> refreshMs;
  bool refreshMeasured = false;
  double refreshSpreadMs = 0.0;  // p1 to p99 of the measured steps
  // From hand-over to presented, over the reported frames.
  double presentedMedianMs = 0.0;
  double presentedP99Ms = 0.0;
  double presentedMaxMs = 0.0;
  PresentMode mode = PresentMode::Unknown;        // the commonest of the reported frames
  PresentQuality quality = PresentQuality::None;  // the worst of the reported frames
  DisplayTrust trust = DisplayTrust::Untrusted;
  double errorMs = 0.0;  // Usable: how far a presented time may be off
  std::vector<DisplayAdvice> advice;
};

DisplayCheckVerdict JudgeDisplayCheck(std::span<const CheckedFrame> frames,
                                      const DisplayFacts& facts);

}  // namespace alacrity
