// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The display check's series: full-screen frames on the stimulus screen,
// black and white in turn for two seconds, each handed over and asked about
// as a stimulus is. A frame follows once the one before was reported
// presented (or, from a display that tells nothing, after a few refreshes'
// wait), so the display is never handed frames faster than it shows them.

#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "display/presentationtimes.h"
#include "results/display_check.h"

class QScreen;

namespace alacrity {

inline constexpr int DisplayCheckSeriesMs = 2000;

struct DisplayCheckRun {
  std::vector<CheckedFrame> frames;  // in the order shown
  DisplayFacts facts;
  PresentationSupport support;
  QString server;   // "X11", "Wayland (weston)", "offscreen"
  QString screen;   // as the Stimulus Screen dialog lists it
  bool stopped = false;  // Esc ended it early: nothing to judge
};

// Makes the object that asks the display about each frame: the platform's
// own (MakePresentationTimes), or a stand-in.
using PresentationFactory = std::function<std::unique_ptr<PresentationTimes>(PresentedSink)>;

// Shows the series on `screen` and returns when it is over, at most about
// half a second after DisplayCheckSeriesMs whether or not the display
// reports anything. Meanwhile only its window takes input, and Esc stops it.
DisplayCheckRun RunDisplayCheck(QScreen& screen,
                                const PresentationFactory& make = MakePresentationTimes);

// The same on the stimulus screen chosen in Setup > "Stimulus Screen", else
// on `mainScreen` (the main window's), which the screen's figure then says.
DisplayCheckRun RunDisplayCheckOnStimulusScreen(QScreen& mainScreen);

}  // namespace alacrity
