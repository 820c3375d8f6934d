// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/waylandfeedback.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

namespace alacrity {
namespace {

constexpr int64_t NsPerSecond = 1'000'000'000;
constexpr int64_t Largest = std::numeric_limits<int64_t>::max();

int64_t ReadNs(clockid_t clock) {
  timespec now{};
  if (::clock_gettime(clock, &now) != 0) return 0;
  return int64_t{now.tv_sec} * NsPerSecond + now.tv_nsec;
}

bool ContainsWord(std::string_view text, std::string_view word) {
  return std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         }) != text.end();
}

bool Equals(std::string_view text, std::string_view word) {
  return text.size() == word.size() && ContainsWord(text, word);
}

// What compositors call an output with no screen behind it, in lower case.
// Any of these within the make or the model: Weston's and wlroots' headless
// outputs ("weston"/"headless", "headless"/"headless"), Mutter's and KWin's
// virtual monitors ("MetaProducts Inc.", "Virtual").
constexpr std::array VirtualWords = {std::string_view("headless"), std::string_view("virtual"),
                                     std::string_view("metaproducts")};
// These as the whole make or model: a remote desktop (Weston's rdp and vnc
// backends) or a compositor in another's window (Weston's and wlroots'
// x11 and wayland backends, "weston-X11"), whose clock is the outer one's
// guess.
constexpr std::array VirtualNames = {std::string_view("rdp"), std::string_view("vnc"),
                                     std::string_view("x11"), std::string_view("wayland"),
                                     std::string_view("weston-x11")};

}  // namespace

ClockPair ReadClockPair(clockid_t clock) {
  // The narrowest of a few tries: a thread preempted between two readings
  // would widen the pair's error to the length of the preemption.
  ClockPair best;
  int64_t narrowest = Largest;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int64_t before = ReadNs(clock);
    const int64_t monotonic = ReadNs(CLOCK_MONOTONIC);
    const int64_t after = ReadNs(clock);
    if (before == 0 || after == 0 || monotonic == 0) return {};
    if (after - before < narrowest) {
      narrowest = after - before;
      best = {before + (after - before) / 2, monotonic};
    }
  }
  return best;
}

int64_t ToMonotonicNs(int64_t clockNs, const ClockPair& pair) {
  return clockNs - pair.clockNs + pair.monotonicNs;
}

bool IsVirtualOutput(std::string_view make, std::string_view model) {
  for (const std::string_view word : VirtualWords) {
    if (ContainsWord(make, word) || ContainsWord(model, word)) return true;
  }
  for (const std::string_view name : VirtualNames) {
    if (Equals(make, name) || Equals(model, name)) return true;
  }
  return false;
}

Presentation PresentationOf(const WaylandPresented& presented, const ClockPair& clock,
                            bool virtualOutput) {
  constexpr uint64_t MaxSeconds = Largest / NsPerSecond - 1;
  if (presented.nanoseconds >= NsPerSecond || presented.seconds > MaxSeconds ||
      clock.monotonicNs == 0) {
    return {};
  }
  const int64_t clockNs = static_cast<int64_t>(presented.seconds) * NsPerSecond +
                          static_cast<int64_t>(presented.nanoseconds);
  Presentation result;
  result.hostNs = ToMonotonicNs(clockNs, clock);
  if (result.hostNs <= 0) return {};
  result.refreshNs = presented.refreshNs;
  // A counter of 0 is the protocol's "this output counts no retraces".
  result.frameCounter = presented.sequence == 0
                            ? -1
                            : static_cast<int64_t>(std::min<uint64_t>(presented.sequence, Largest));
  const uint32_t flags = presented.flags;
  result.mode =
      (flags & WaylandPresentedZeroCopy) != 0 ? PresentMode::Flip : PresentMode::Composited;
  constexpr uint32_t Hardware =
      WaylandPresentedVsync | WaylandPresentedHwClock | WaylandPresentedHwCompletion;
  if (virtualOutput) {
    result.quality = PresentQuality::SimulatedClock;
  } else if ((flags & Hardware) == Hardware) {
    // The hardware said when it switched to the frame at a retrace and
    // stamped that time itself: the time the light came, composed or not.
    result.quality = PresentQuality::Exact;
  } else if ((flags & WaylandPresentedVsync) != 0) {
    // Shown at a retrace, whole, but the time is the compositor's reading
    // or guess of it: within the frame.
    result.quality = PresentQuality::FrameBounded;
  } else {
    // Not tied to a retrace: the compositor's own estimate of when it
    // handed the frame on, which the screen may show later or torn.
    result.quality = PresentQuality::LowerBound;
  }
  return result;
}

}  // namespace alacrity
