// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "link/keyboard_box.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#include "engine/engine.h"
#include "hang_guard.h"

namespace alacrity {
namespace {

using Clock = std::chrono::steady_clock;
using testing::ReturnsWithin;

constexpr auto HangLimit = std::chrono::seconds(10);

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class KeyboardBoxTest : public ::testing::Test {
 protected:
  void TearDown() override { box.Close(); }

  void AttachCheckRun() {
    state.checkMode = 1;
    AttachEngine(state, *data);
  }
  // Polls an engine word until it holds `value`; false after 5 s.
  static bool WaitFor(const std::atomic<int32_t>& word, int32_t value) {
    const auto give_up = Clock::now() + std::chrono::seconds(5);
    while (word.load() != value) {
      if (Clock::now() > give_up) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  }

  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState state;
  KeyboardBox box;
};

// Counts over about three seconds. The tolerance (2 %) is far above what the
// pacing itself loses, and no busy machine stretches the sleeps that much on
// average, as the sender catches up by itself. Each count is bracketed by two
// clock readings so that the test thread being held up between them cannot
// make a correct box look wrong.
TEST_F(KeyboardBoxTest, SendsFourteenHundredFortyBytesASecondWithoutDrift) {
  struct Sample {
    double before, after;
    int32_t count;
  };
  AttachCheckRun();
  const auto opened = Clock::now();
  const auto sample = [&] {
    Sample s{};
    s.before = SecondsSince(opened);
    s.count = state.totalTicks.load();
    s.after = SecondsSince(opened);
    return s;
  };
  ASSERT_EQ(box.Open(), 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const Sample first = sample();
  std::this_thread::sleep_for(std::chrono::seconds(3));
  const Sample last = sample();

  const double rate = (last.count - first.count) / ((last.before + last.after) / 2 -
                                                    (first.before + first.after) / 2);
  EXPECT_NEAR(rate, BoxBytesPerSecond, 0.02 * BoxBytesPerSecond);
  // Against the start: the count keeps up with the clock (no drift) and is
  // never ahead of it beyond the byte in flight.
  EXPECT_GE(last.count, 0.98 * BoxBytesPerSecond * last.before);
  EXPECT_LE(last.count, BoxBytesPerSecond * last.after + 2);
  std::printf("keyboard box: %d bytes after %.3f s, %.1f bytes/s over the last %.3f s\n",
              last.count, last.after, rate, last.after - first.after);
}

TEST_F(KeyboardBoxTest, OpensOnceAndClosesPromptly) {
  AttachCheckRun();
  EXPECT_FALSE(box.IsOpen());
  box.Close();  // nothing to close
  ASSERT_EQ(box.Open(), 1);
  EXPECT_TRUE(box.IsOpen());
  EXPECT_EQ(box.Open(), 0) << "already running";
  ReturnsWithin(HangLimit, "KeyboardBox::Close", [&] { box.Close(); });
  EXPECT_FALSE(box.IsOpen());
  const int32_t after = state.totalTicks.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(state.totalTicks.load(), after) << "no byte after Close";
  EXPECT_EQ(box.Open(), 1) << "opens again";
}

TEST_F(KeyboardBoxTest, HeldKeysAreTheLowNibbleOfEveryByte) {
  box.SetHeldKeys(0x1F);
  EXPECT_EQ(box.HeldKeys(), 0x0F) << "only keys 1 to 4 exist";
  box.SetHeldKeys(0);
  AttachCheckRun();
  ASSERT_EQ(box.Open(), 1);
  box.SetHeldKeys(0b0101);  // keys 1 and 3
  EXPECT_TRUE(WaitFor(state.lastButtons, 0b0101));
  box.SetHeldKeys(0b1000);
  EXPECT_TRUE(WaitFor(state.lastButtons, 0b1000));
  box.SetHeldKeys(0);
  EXPECT_TRUE(WaitFor(state.lastButtons, 0));
}

TEST_F(KeyboardBoxTest, KeysAnswerAStimulusInATestRun) {
  data->results.generationMs[1] = 0;  // the stimulus shows with the release
  data->results.objectIndex[1] = 0;
  state.stimulusCount = 1;
  state.phase = WaitStart;
  AttachEngine(state, *data);
  ASSERT_EQ(box.Open(), 1);
  box.SetHeldKeys(1);
  ASSERT_TRUE(WaitFor(state.phase, WaitRelease));
  box.SetHeldKeys(0);
  ASSERT_TRUE(WaitFor(state.phase, WaitResponse));
  box.SetHeldKeys(1);
  ASSERT_TRUE(WaitFor(state.done, 1));
  box.Close();  // the results belong to the reader until it has stopped
  EXPECT_GE(data->results.responseMs[1], 69);
  EXPECT_EQ(data->results.buttonIndex[1], 1);
}

TEST_F(KeyboardBoxTest, AKeyTappedWhileTheSenderPausesStillCounts) {
  // A long foreperiod lets the sender pause while the test waits for its
  // start; a tap far shorter than the pause must still start the run.
  data->results.generationMs[1] = 5000;
  state.stimulusCount = 1;
  state.phase = WaitStart;
  AttachEngine(state, *data);
  ASSERT_EQ(box.Open(), 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  box.SetHeldKeys(1);
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  box.SetHeldKeys(0);
  EXPECT_TRUE(WaitFor(state.phase, Foreperiod));
}

}  // namespace
}  // namespace alacrity
