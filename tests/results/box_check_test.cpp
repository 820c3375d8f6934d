// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/box_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace alacrity {
namespace {

constexpr int64_t Ms = 1'000'000;

// Five seconds of a sound box, its last chunk at 6 s.
ByteArrival SoundBox() {
  ByteArrival arrival;
  arrival.bytes = 7200;
  arrival.firstNs = 1000 * Ms;
  arrival.lastNs = 6000 * Ms;
  arrival.longestGapNs = 6 * Ms;
  for (int half = 0; half < 10; ++half) {
    AddRateAnchor(arrival.rate, {720 * (half + 1), (1500 + half * 500) * Ms});
  }
  arrival.buttons = {.changes = 6, .bounces = 0, .busiestSecond = 2, .heldThroughout = 0};
  return arrival;
}

TEST(BoxCheckTest, EachFaultFailsTheBoxWithItsMarkedLineAndABounceDoesNot) {
  struct Case {
    const char* what;
    ByteArrival arrival;
    int64_t endNs;
    bool sound;
    std::string markedLine;  // empty: none
  };
  ByteArrival silent = SoundBox();
  ByteArrival held = SoundBox();
  held.buttons.heldThroughout = 1 | 4;
  ByteArrival garbage = SoundBox();
  garbage.buttons = {.changes = 4000, .bounces = 3900, .busiestSecond = 850};
  ByteArrival bouncing = SoundBox();
  bouncing.buttons = {.changes = 30, .bounces = 12, .busiestSecond = 14};
  ByteArrival brief = SoundBox();
  brief.rate = {};
  AddRateAnchor(brief.rate, {720, 1500 * Ms});
  AddRateAnchor(brief.rate, {1440, 2000 * Ms});
  const std::vector<Case> cases = {
      {"sound", SoundBox(), 6005 * Ms, true, ""},
      {"silent for the last 3 s", silent, 9000 * Ms, false, "No bytes for the last 3000 ms of the check"},
      {"buttons 1 and 3 held", held, 6005 * Ms, false, "Buttons held throughout: 1+3"},
      {"garbage", garbage, 6005 * Ms, false,
       "Button changes: 4000, at most 850 in one second; bounces (within 10 ms): 3900"},
      {"a bounce at each press", bouncing, 6005 * Ms, true, ""},
      {"too short for a rate", brief, 6005 * Ms, false, ""},
  };
  for (const Case& test : cases) {
    const BoxCheckVerdict verdict = JudgeBoxCheck(test.arrival, test.endNs);
    EXPECT_EQ(verdict.sound, test.sound) << test.what;
    std::string marked;
    for (const TimingLine& line : verdict.lines) {
      if (line.marked) marked += line.text;
      EXPECT_EQ(line.meaning.empty(), !line.marked) << test.what;
    }
    EXPECT_EQ(marked, test.markedLine) << test.what;
  }
  const BoxCheckVerdict sound = JudgeBoxCheck(SoundBox(), 6005 * Ms);
  ASSERT_EQ(sound.lines.size(), 4u);
  EXPECT_EQ(sound.lines[2].text, "Buttons held throughout: none");
}

}  // namespace
}  // namespace alacrity
