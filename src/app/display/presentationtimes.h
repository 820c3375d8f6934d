// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// When each stimulus's frame was really presented. The hand-over time the
// view takes says when the frame left the program; the subject sees it only
// when the screen scans it out, up to a refresh later and more under a
// compositor. The display system itself knows when: X11's Present
// extension and Wayland's presentation-time protocol report it for a
// frame asked about. Each platform's way asks for the stimulus frames,
// reads the answers on a thread of its own and hands each to a sink.

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "data/run_timing.h"

class QWindow;

namespace alacrity {

// Called on the presentation thread (never the window thread) for every
// frame asked about that was presented; a frame the display dropped is
// never reported. Must be safe to call from that thread: the timing
// record's NotePresented is.
using PresentedSink = std::function<void(int32_t frame, const Presentation& presented)>;

// What the platform's way can tell of the display, for the report and the
// display check.
struct PresentationSupport {
  QString method;           // "X Present", "Wayland presentation-time"; empty: none
  bool compositor = false;  // a compositor stands between the window and the screen
  bool simulated = false;   // a virtual display: its clock has no physical meaning
};

class PresentationTimes {
 public:
  virtual ~PresentationTimes() = default;
  PresentationTimes(const PresentationTimes&) = delete;
  PresentationTimes& operator=(const PresentationTimes&) = delete;

  // Window thread, right before the frame numbered `frame` (a stimulus
  // number; any positive number for the display check) is painted and
  // handed over in `window`: Wayland attaches its feedback to the next
  // commit of the window's surface.
  virtual void BeforeHandOver(QWindow& window, int32_t frame) = 0;
  // Window thread, right after the frame was painted and flushed to the
  // display server, before the program waits for the server to take it:
  // X11 asks to be told of the first frame that shows it, a request the
  // server handles right after the frame's image.
  virtual void AfterHandOver(QWindow& window, int32_t frame) = 0;
  // Window thread, while nothing is asked: the full-screen stimulus window
  // asks a compositor to stay out of its way, where the platform can.
  virtual void PrepareStimulusWindow(QWindow& window) { (void)window; }
  virtual PresentationSupport Support() const = 0;

 protected:
  PresentationTimes() = default;
};

// The way of the platform the program runs on; one that reports nothing
// where the platform says nothing (offscreen, or a build without the
// libraries). Frames are reported to `sink` until the object is destroyed,
// which stops its thread within a bounded time.
std::unique_ptr<PresentationTimes> MakePresentationTimes(PresentedSink sink);

}  // namespace alacrity
