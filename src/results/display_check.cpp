// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/display_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace alacrity {
namespace {

constexpr double NsPerMs = 1e6;

bool Reported(const CheckedFrame& frame) { return frame.presented.hostNs != 0; }

// Nearest rank of a sorted, non-empty list.
double Percentile(const std::vector<double>& sorted, double share) {
  const auto rank = static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
  return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

// The time per frame counter step between reported frames. A series paced
// slower than the refresh steps the counter by two or more; the time per
// step is the refresh all the same.
std::vector<double> RefreshSteps(std::span<const CheckedFrame> frames) {
  std::vector<double> steps;
  const Presentation* previous = nullptr;
  for (const CheckedFrame& frame : frames) {
    const Presentation& presented = frame.presented;
    if (!Reported(frame) || presented.frameCounter < 0) continue;
    if (previous != nullptr) {
      const int64_t counted = presented.frameCounter - previous->frameCounter;
      if (counted >= 1 && presented.hostNs > previous->hostNs) {
        steps.push_back(static_cast<double>(presented.hostNs - previous->hostNs) / NsPerMs /
                        static_cast<double>(counted));
      }
    }
    previous = &presented;
  }
  std::sort(steps.begin(), steps.end());
  return steps;
}

// What the display system says of its refresh (the median of its reports),
// else what the screen claims.
std::optional<double> StatedRefreshMs(std::span<const CheckedFrame> frames,
                                      const DisplayFacts& facts) {
  std::vector<double> stated;
  for (const CheckedFrame& frame : frames) {
    if (Reported(frame) && frame.presented.refreshNs > 0) {
      stated.push_back(static_cast<double>(frame.presented.refreshNs) / NsPerMs);
    }
  }
  if (!stated.empty()) {
    std::sort(stated.begin(), stated.end());
    return Percentile(stated, 0.5);
  }
  if (facts.screenHz > 0.0) return 1000.0 / facts.screenHz;
  return std::nullopt;
}

PresentMode CommonestMode(std::span<const CheckedFrame> frames) {
  std::array<int, 4> counts{};
  for (const CheckedFrame& frame : frames) {
    const auto mode = static_cast<std::size_t>(frame.presented.mode);
    if (Reported(frame) && mode < counts.size()) ++counts[mode];
  }
  return static_cast<PresentMode>(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

DisplayTrust TrustOf(PresentQuality quality) {
  switch (quality) {
    case PresentQuality::Exact:
      return DisplayTrust::Trusted;
    case PresentQuality::FrameBounded:
      return DisplayTrust::Usable;
    case PresentQuality::None:
    case PresentQuality::LowerBound:
    case PresentQuality::SimulatedClock:
      break;
  }
  return DisplayTrust::Untrusted;
}

}  // namespace

DisplayCheckVerdict JudgeDisplayCheck(std::span<const CheckedFrame> frames,
                                      const DisplayFacts& facts) {
  DisplayCheckVerdict verdict;
  verdict.frames = static_cast<int>(frames.size());
  const auto cap = [&verdict](DisplayTrust at) { verdict.trust = std::max(verdict.trust, at); };
  const auto advise = [&verdict](DisplayAdvice advice) {
    if (std::find(verdict.advice.begin(), verdict.advice.end(), advice) == verdict.advice.end()) {
      verdict.advice.push_back(advice);
    }
  };

  for (const CheckedFrame& frame : frames) {
    if (!Reported(frame)) continue;
    ++verdict.reported;
    verdict.quality = std::max(verdict.quality, frame.presented.quality);
  }
  // The platform knows a virtual display even where a frame says otherwise.
  if (facts.simulated && verdict.reported > 0) verdict.quality = PresentQuality::SimulatedClock;
  verdict.mode = CommonestMode(frames);
  if (facts.asksFrames) verdict.lost = verdict.frames - verdict.reported;

  const std::vector<double> steps = RefreshSteps(frames);
  verdict.refreshMeasured = !steps.empty();
  if (verdict.refreshMeasured) {
    verdict.refreshMs = Percentile(steps, 0.5);
    verdict.refreshSpreadMs = Percentile(steps, 0.99) - Percentile(steps, 0.01);
  } else {
    verdict.refreshMs = StatedRefreshMs(frames, facts);
  }

  std::vector<double> delays;
  for (const CheckedFrame& frame : frames) {
    if (!Reported(frame) || frame.handedOverNs == 0) continue;
    const double delayMs =
        static_cast<double>(frame.presented.hostNs - frame.handedOverNs) / NsPerMs;
    delays.push_back(delayMs);
    if (verdict.refreshMs && delayMs > *verdict.refreshMs + LateToleranceMs) ++verdict.late;
  }
  if (!delays.empty()) {
    std::sort(delays.begin(), delays.end());
    verdict.presentedMedianMs = Percentile(delays, 0.5);
    verdict.presentedP99Ms = Percentile(delays, 0.99);
    verdict.presentedMaxMs = delays.back();
  }

  if (verdict.reported == 0) {
    cap(DisplayTrust::Untrusted);
    advise(DisplayAdvice::ReportsNothing);
  } else {
    verdict.trust = TrustOf(verdict.quality);
  }
  if (facts.simulated || verdict.quality == PresentQuality::SimulatedClock) {
    // Nothing about a virtual display's frames holds for a real screen.
    advise(DisplayAdvice::VirtualDisplay);
    return verdict;
  }
  if (verdict.reported > 0) {
    if (verdict.quality == PresentQuality::LowerBound || verdict.mode == PresentMode::Composited ||
        (facts.compositor && verdict.quality != PresentQuality::Exact)) {
      advise(DisplayAdvice::Compositor);
    } else if (verdict.mode == PresentMode::Copy) {
      advise(DisplayAdvice::CopiedFrames);
    }
    // The screen's claim is the mode the desktop was set to; an unsteady
    // refresh has no one rate to compare with it.
    if (verdict.refreshMeasured && verdict.refreshSpreadMs > SteadySpreadMs) {
      cap(DisplayTrust::Usable);
      advise(DisplayAdvice::UnsteadyRefresh);
    } else if (verdict.refreshMeasured && facts.screenHz > 0.0 &&
               std::abs(*verdict.refreshMs * facts.screenHz / 1000.0 - 1.0) >
                   ClaimedRefreshTolerance) {
      advise(DisplayAdvice::RefreshNotClaimed);
    }
    const double missedShare =
        static_cast<double>(verdict.late + verdict.lost) / static_cast<double>(verdict.frames);
    if (missedShare > LateShareUsable) {
      cap(missedShare > LateShareUntrusted ? DisplayTrust::Untrusted : DisplayTrust::Usable);
      advise(DisplayAdvice::LateFrames);
    }
  }
  if (!facts.panelLagMs) advise(DisplayAdvice::PanelLag);
  if (verdict.trust == DisplayTrust::Usable) verdict.errorMs = verdict.refreshMs.value_or(0.0);
  return verdict;
}

}  // namespace alacrity
