// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/x11frameclock.h"

#include <limits>

namespace alacrity {
namespace {

// The blank is stamped by the server, the request and the read by this
// program; a millisecond covers the two clocks' readings rounding apart
// (the UST counts whole microseconds) with room to spare, and is still far
// below what a foreign clock would be off by.
constexpr int64_t ClockSlackNs = 1'000'000;

}  // namespace

PresentClass ClassifyCopiedFrame(const X11Display& display) {
  const PresentMode mode = display.compositor ? PresentMode::Composited : PresentMode::Copy;
  // A made-up clock says nothing of a screen, whatever composes it.
  if (display.simulated) return {mode, PresentQuality::SimulatedClock};
  // The compositor shows the window's contents in a frame of its own, at
  // this blank at the earliest.
  if (display.compositor) return {mode, PresentQuality::LowerBound};
  // Copied into the scanned-out buffer while the screen scans: the frame
  // starting at this blank shows all of it, the one before may have shown
  // its lower part already. Within one refresh, never a flip's exact time.
  return {mode, PresentQuality::FrameBounded};
}

std::optional<int64_t> UstToHostNs(uint64_t ustUs, int64_t askedNs, int64_t readNs) {
  if (ustUs > static_cast<uint64_t>(std::numeric_limits<int64_t>::max() / 1000)) return std::nullopt;
  const int64_t hostNs = static_cast<int64_t>(ustUs) * 1000;
  if (hostNs < askedNs - ClockSlackNs || hostNs > readNs + ClockSlackNs) return std::nullopt;
  return hostNs;
}

int64_t RefreshBetween(const FrameClockAnswer& earlier, const FrameClockAnswer& later) {
  if (later.msc <= earlier.msc || later.ustUs <= earlier.ustUs) return 0;
  const uint64_t frames = later.msc - earlier.msc;
  return static_cast<int64_t>((later.ustUs - earlier.ustUs) * 1000 / frames);
}

std::optional<Presentation> PresentationOfAnswer(const FrameClockAnswer& answer,
                                                 const std::optional<FrameClockAnswer>& reference,
                                                 const X11Display& display, int64_t askedNs,
                                                 int64_t readNs) {
  const std::optional<int64_t> hostNs = UstToHostNs(answer.ustUs, askedNs, readNs);
  if (!hostNs) return std::nullopt;
  const PresentClass kind = ClassifyCopiedFrame(display);
  Presentation presented;
  presented.hostNs = *hostNs;
  presented.refreshNs = reference ? RefreshBetween(*reference, answer) : 0;
  presented.frameCounter = static_cast<int64_t>(answer.msc);
  presented.mode = kind.mode;
  presented.quality = kind.quality;
  return presented;
}

}  // namespace alacrity
