// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/display_check.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace alacrity {
namespace {

constexpr int64_t Us = 1'000;
constexpr int64_t Refresh60 = 16'667 * Us;

using Advice = std::vector<DisplayAdvice>;

// 120 frames, one a refresh, each handed over 5 ms before the refresh that
// presents it.
std::vector<CheckedFrame> Series(PresentMode mode, PresentQuality quality,
                                 int64_t refreshNs = Refresh60) {
  std::vector<CheckedFrame> frames;
  for (int64_t i = 0; i < 120; ++i) {
    const int64_t presentedNs = 1'000'000'000 + i * refreshNs;
    frames.push_back({presentedNs - 5'000 * Us, {presentedNs, refreshNs, 500 + i, mode, quality}});
  }
  return frames;
}

std::vector<CheckedFrame> Flips() { return Series(PresentMode::Flip, PresentQuality::Exact); }

std::vector<CheckedFrame> Changed(std::vector<CheckedFrame> frames,
                                  const std::function<void(int, CheckedFrame&)>& change) {
  for (std::size_t i = 0; i < frames.size(); ++i) change(static_cast<int>(i), frames[i]);
  return frames;
}

TEST(DisplayCheckTest, EachKindOfDisplayGetsItsGradeAndWhatToChange) {
  struct Case {
    const char* what;
    std::vector<CheckedFrame> frames;
    DisplayFacts facts;
    DisplayTrust trust;
    Advice advice;
    int lateOrLost;
  };
  const DisplayFacts measured{.asksFrames = true, .screenHz = 60.0, .panelLagMs = 12.5};
  DisplayFacts unmeasured = measured;
  unmeasured.panelLagMs.reset();
  DisplayFacts composited = unmeasured;
  composited.compositor = true;
  DisplayFacts virtualScreen = unmeasured;
  virtualScreen.simulated = true;
  DisplayFacts offscreen;
  offscreen.screenHz = 60.0;

  const std::vector<CheckedFrame> unreported =
      Changed(Flips(), [](int, CheckedFrame& frame) { frame.presented = {}; });
  // Variable refresh: steps of 14 and 19 ms in turn.
  const std::vector<CheckedFrame> variable = Changed(Flips(), [](int i, CheckedFrame& frame) {
    frame.presented.hostNs = 1'000'000'000 + (i / 2) * 33'000 * Us + (i % 2) * 14'000 * Us;
    frame.handedOverNs = frame.presented.hostNs - 5'000 * Us;
  });
  const auto lateEvery = [](int period) {
    return Changed(Flips(), [period](int i, CheckedFrame& frame) {
      if (i % period == 0) frame.handedOverNs -= Refresh60;
    });
  };
  const std::vector<CheckedFrame> threeDropped = Changed(Flips(), [](int i, CheckedFrame& frame) {
    if (i == 10 || i == 50 || i == 90) frame.presented = {};
  });

  const std::vector<Case> cases = {
      {"page flips, panel measured", Flips(), measured, DisplayTrust::Trusted, {}, 0},
      {"page flips", Flips(), unmeasured, DisplayTrust::Trusted, {DisplayAdvice::PanelLag}, 0},
      {"copies", Series(PresentMode::Copy, PresentQuality::FrameBounded), unmeasured,
       DisplayTrust::Usable, {DisplayAdvice::CopiedFrames, DisplayAdvice::PanelLag}, 0},
      {"copies under a compositor", Series(PresentMode::Copy, PresentQuality::FrameBounded),
       composited, DisplayTrust::Usable, {DisplayAdvice::Compositor, DisplayAdvice::PanelLag}, 0},
      {"composed", Series(PresentMode::Composited, PresentQuality::LowerBound), composited,
       DisplayTrust::Untrusted, {DisplayAdvice::Compositor, DisplayAdvice::PanelLag}, 0},
      {"virtual display", Series(PresentMode::Copy, PresentQuality::SimulatedClock), virtualScreen,
       DisplayTrust::Untrusted, {DisplayAdvice::VirtualDisplay}, 0},
      {"a platform that asks nothing", unreported, offscreen, DisplayTrust::Untrusted,
       {DisplayAdvice::ReportsNothing, DisplayAdvice::PanelLag}, 0},
      {"asked, never answered", unreported, unmeasured, DisplayTrust::Untrusted,
       {DisplayAdvice::ReportsNothing, DisplayAdvice::PanelLag}, 120},
      {"variable refresh", variable, measured, DisplayTrust::Usable,
       {DisplayAdvice::UnsteadyRefresh}, 0},
      {"a 50 Hz mode on a screen that claims 60",
       Series(PresentMode::Flip, PresentQuality::Exact, 20'000 * Us), measured,
       DisplayTrust::Trusted, {DisplayAdvice::RefreshNotClaimed}, 0},
      {"one frame in 20 late", lateEvery(20), measured, DisplayTrust::Usable,
       {DisplayAdvice::LateFrames}, 6},
      {"one frame in 5 late", lateEvery(5), measured, DisplayTrust::Untrusted,
       {DisplayAdvice::LateFrames}, 24},
      {"three frames dropped", threeDropped, measured, DisplayTrust::Usable,
       {DisplayAdvice::LateFrames}, 3},
  };
  for (const Case& test : cases) {
    const DisplayCheckVerdict verdict = JudgeDisplayCheck(test.frames, test.facts);
    EXPECT_EQ(verdict.trust, test.trust) << test.what;
    EXPECT_EQ(verdict.advice, test.advice) << test.what;
    EXPECT_EQ(verdict.late + verdict.lost, test.lateOrLost) << test.what;
    EXPECT_EQ(verdict.frames, 120) << test.what;
  }
}

TEST(DisplayCheckTest, FiguresComeFromTheFrameClock) {
  // Paced slower than the display: every other refresh, and one frame
  // shown twice on the same count.
  std::vector<CheckedFrame> frames = Flips();
  for (CheckedFrame& frame : frames) {
    frame.presented.frameCounter = 1000 + 2 * (frame.presented.frameCounter - 500);
    frame.presented.hostNs = 1'000'000'000 + (frame.presented.frameCounter - 1000) * Refresh60;
    frame.presented.refreshNs = 0;
    frame.handedOverNs = frame.presented.hostNs - 3'000 * Us;
  }
  frames[7].presented = frames[6].presented;
  frames[7].handedOverNs = frames[6].handedOverNs;
  DisplayFacts facts;
  facts.asksFrames = true;
  const DisplayCheckVerdict verdict = JudgeDisplayCheck(frames, facts);
  EXPECT_TRUE(verdict.refreshMeasured);
  EXPECT_NEAR(*verdict.refreshMs, 16.667, 0.001);
  EXPECT_NEAR(verdict.refreshSpreadMs, 0.0, 0.001);
  EXPECT_NEAR(verdict.presentedMedianMs, 3.0, 1e-9);
  EXPECT_EQ(verdict.mode, PresentMode::Flip);
  EXPECT_EQ(verdict.quality, PresentQuality::Exact);
  EXPECT_EQ(verdict.errorMs, 0.0);

  // A usable display states its error: one refresh, as the display claims
  // it when its frames give no steps.
  std::vector<CheckedFrame> copies = Series(PresentMode::Copy, PresentQuality::FrameBounded);
  for (CheckedFrame& frame : copies) frame.presented.frameCounter = -1;
  facts.panelLagMs = 9.0;
  const DisplayCheckVerdict usable = JudgeDisplayCheck(copies, facts);
  EXPECT_FALSE(usable.refreshMeasured);
  EXPECT_NEAR(usable.errorMs, 16.667, 0.001);
}

}  // namespace
}  // namespace alacrity
