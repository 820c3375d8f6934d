// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the X server's frame clock says of a stimulus frame. Asked, right
// after the frame's image, to be told of the next frame, the server answers
// at the vertical blank that starts scanning out the first frame to hold
// the whole image: its frame counter (MSC) and the time of that blank (UST,
// microseconds of the server's CLOCK_MONOTONIC, which is the host's own
// clock when the server runs on this machine). Plain arithmetic, kept apart
// from the X connection so that it can be tested without one.

#include <cstdint>
#include <optional>

#include "data/run_timing.h"

namespace alacrity {

// One answer of the frame clock.
struct FrameClockAnswer {
  uint64_t msc = 0;
  uint64_t ustUs = 0;
};

// What the program knows of the X display when it asks about a frame.
struct X11Display {
  // The server makes its frame clock up: Xvfb and any server whose driver
  // cannot tell Present its blanks count 60 Hz by a timer; Xwayland counts
  // its compositor's frame callbacks. Either way no screen is behind it.
  bool simulated = false;
  // A compositor owns the screen's _NET_WM_CM_Sn selection: it composes
  // the window's contents into a frame of its own, later.
  bool compositor = false;
};

// How a frame the backing store copied into the window reaches the screen
// and how far the time of the blank after it can be trusted.
struct PresentClass {
  PresentMode mode = PresentMode::Unknown;
  PresentQuality quality = PresentQuality::None;
};
PresentClass ClassifyCopiedFrame(const X11Display& display);

// The host time of an answer's UST, or none when it cannot be a time of
// this host's clock: the blank came after the request was sent (`askedNs`)
// and before its answer was read (`readNs`). A server on another machine
// counts on a clock of its own and fails this.
std::optional<int64_t> UstToHostNs(uint64_t ustUs, int64_t askedNs, int64_t readNs);

// The refresh interval between two answers of one window's frame clock
// (over many frames: the average); 0 unless `later` is later in both.
int64_t RefreshBetween(const FrameClockAnswer& earlier, const FrameClockAnswer& later);

// The presentation an answer gives, or none when its time is not this
// host's. `reference` is an earlier answer of the same window's clock.
std::optional<Presentation> PresentationOfAnswer(const FrameClockAnswer& answer,
                                                 const std::optional<FrameClockAnswer>& reference,
                                                 const X11Display& display, int64_t askedNs,
                                                 int64_t readNs);

}  // namespace alacrity
