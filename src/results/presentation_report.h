// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The timing report's lines on when the stimuli's frames were presented and
// when the box's light sensor saw them, and what that means for the
// response times.

#include <optional>
#include <vector>

#include "data/run_timing.h"
#include "results/timing_line.h"

namespace alacrity {

struct PresentationFigures {
  int stimuli = 0;    // stimuli whose response count started
  int presented = 0;  // of them, with a presented time
  // Onset to presented, the panel's lag included where measured.
  double medianMs = 0.0;
  double p99Ms = 0.0;
  double maxMs = 0.0;
  // Presented more than a refresh after the hand-over, or, where the display
  // reported any, never.
  int missedFrame = 0;
  PresentQuality quality = PresentQuality::None;  // the worst of the presented ones
  double refreshMs = 0.0;  // the run's refresh interval; 0: unknown
  StationTiming station;
  int lightSeen = 0;  // stimuli whose light onset the sensor saw
  double lightMedianMs = 0.0;
  double lightP99Ms = 0.0;
  double lightMaxMs = 0.0;
  // Light onset less onset-to-presented, over the stimuli with both.
  int compared = 0;
  double lightAfterMedianMs = 0.0;
  double lightAfterMinMs = 0.0;
  double lightAfterMaxMs = 0.0;
};

PresentationFigures ComputePresentationFigures(const RunTiming& timing);

// Onset to presented, the presentation times' class (marked, with what it
// means, unless exact), the panel's lag, and with a light sensor onset to
// light (marked when it missed a stimulus) and how light and presented agree.
std::vector<TimingLine> PresentationLines(const PresentationFigures& figures);

}  // namespace alacrity
