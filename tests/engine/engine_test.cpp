// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>

#include "data/tick_clock.h"

namespace alacrity {
namespace {

int g_syncCalls = 0;
void CountSyncCall(int level) {
  EXPECT_EQ(level, 1);
  ++g_syncCalls;
}

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_syncCalls = 0;
    InstallSyncLineHook(&CountSyncCall);
    voiceDue = 0;
    voiceDeferred = 0;
  }
  void TearDown() override { InstallSyncLineHook(nullptr); }

  // A run of `count` stimuli, all circles shown after `generationMs`.
  void Start(int count, int generationMs, int falseResponse = 0, int voiceLeadMs = 0) {
    for (int i = 1; i <= count && i < ResultCapacity; ++i) {
      data->results.generationMs[static_cast<size_t>(i)] = generationMs;
      data->results.objectIndex[static_cast<size_t>(i)] = 0;
    }
    data->runConfiguration.falseResponse = falseResponse;
    data->runVoice.voiceLeadMs = voiceLeadMs;
    state.stimulusCount = count;
    state.phase = WaitStart;
    AttachEngine(state, *data);
  }
  void Feed(uint8_t byte, int times = 1) {
    for (int i = 0; i < times; ++i) OnDeviceByte(byte);
  }
  // Press to start and let go: the release byte begins the first foreperiod.
  void PressToStart() {
    Feed(1);
    Feed(0);
  }
  // From the release byte: answer with button 1 at the 100th byte.
  void AnswerQuickly() {
    Feed(0, 99);
    Feed(1);
  }
  int32_t Ms(int i) const { return data->results.responseMs[static_cast<size_t>(i)]; }
  int32_t Nibble(int i) const { return data->results.buttonIndex[static_cast<size_t>(i)]; }

  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState state;
};

TEST_F(EngineTest, ConversionsTruncateWithTheShortMillisecondLiteral) {
  EXPECT_EQ(TicksToMilliseconds(100), 69);
  EXPECT_EQ(TicksToMilliseconds(144), 99);
  EXPECT_EQ(TicksToMilliseconds(1440), 999);
  EXPECT_EQ(TicksToMilliseconds(7200), 4999);
  EXPECT_EQ(MillisecondsToTicks(INT_MAX), INT_MAX);  // saturates
  EXPECT_EQ(MillisecondsToTicks(INT_MIN), INT_MIN);
}

TEST_F(EngineTest, ForeperiodEndsAfterTheGenerationTimeInTicks) {
  for (const auto& [generationMs, ticks] : {std::pair{1000, 1440}, std::pair{5000, 7200}}) {
    Start(1, generationMs);
    PressToStart();
    EXPECT_EQ(state.phase, Foreperiod);
    Feed(0, ticks - 1);
    EXPECT_EQ(state.phase, Foreperiod) << generationMs;
    Feed(0);
    EXPECT_EQ(state.phase, WaitResponse) << generationMs;
  }
  Start(1, 0);
  PressToStart();
  EXPECT_EQ(state.phase, WaitResponse);  // the release byte itself
}

TEST_F(EngineTest, FirstNinetyNineBytesOfAStimulusNeverCount) {
  Start(2, 0);
  PressToStart();
  Feed(0, 98);
  Feed(1);  // 99th byte: too early, even with the right button
  EXPECT_EQ(state.current, 1);
  Feed(1);  // still held at the 100th
  EXPECT_EQ(state.current, 2);
  EXPECT_EQ(Ms(1), 69);
  EXPECT_EQ(state.phase, WaitRelease);
  // A press held through the foreperiod (no false-start rule) counts at the
  // 100th byte, and the foreperiod waits for all buttons up.
  Feed(1, 500);
  EXPECT_EQ(state.phase, WaitRelease);
  Feed(0);
  Feed(1, 99);
  EXPECT_EQ(state.current, 2);
  Feed(1);
  EXPECT_EQ(Ms(2), 69);
  EXPECT_EQ(state.current, 3);
}

TEST_F(EngineTest, NotAcceptedWaitsForTheMatchingSingleButton) {
  Start(1, 0, /*falseResponse=*/1);
  PressToStart();
  Feed(0, 200);
  Feed(0x3, 20);   // circle and cross together
  Feed(0x2, 20);   // the wrong single button
  Feed(0x13, 20);  // upper bits are not buttons
  EXPECT_EQ(state.current, 1);
  Feed(0x1);  // button 2 let go, button 1 still down
  EXPECT_EQ(state.current, 2);
  EXPECT_EQ(Nibble(1), 1);
  EXPECT_EQ(Ms(1), TicksToMilliseconds(261));
}

TEST_F(EngineTest, AcceptedRecordsAnyPressAsItWas) {
  Start(2, 0, /*falseResponse=*/0);
  PressToStart();
  Feed(0, 143);
  Feed(0x3);  // a chord is a response too
  EXPECT_EQ(Nibble(1), 3);
  EXPECT_EQ(Ms(1), 99);  // 144 ticks
  Feed(0);
  Feed(0, 99);
  Feed(0x8);  // wrong button: recorded, no repeat of the stimulus
  EXPECT_EQ(Nibble(2), 8);
  EXPECT_EQ(state.done, 1);
}

TEST_F(EngineTest, VoiceFallsDueItsLeadTimeAheadOfTheStimulus) {
  Start(1, 2000, 0, /*voiceLeadMs=*/500);
  voiceDeferred = 1;  // left from an earlier run; the start press clears it
  PressToStart();
  Feed(0, 2160);
  EXPECT_EQ(voiceDue, 0);
  Feed(0);
  EXPECT_EQ(voiceDue, 1);
  voiceDue = 0;  // the controller plays it once
  Feed(0, 2880 - 2161 - 1);
  EXPECT_EQ(state.phase, Foreperiod);
  Feed(0);
  EXPECT_EQ(state.phase, WaitResponse);
  EXPECT_EQ(voiceDue, 0);
  EXPECT_EQ(voiceDeferred, 0);
}

TEST_F(EngineTest, ShortOrMissingLeadDefersTheVoiceToTheStimulus) {
  struct Case { int generationMs, leadMs; };
  for (const Case c : {Case{510, 500}, Case{2000, 0}, Case{1000, 1500}}) {
    voiceDue = 0;
    voiceDeferred = 0;
    Start(1, c.generationMs, 0, c.leadMs);
    PressToStart();
    EXPECT_EQ(voiceDeferred, 1) << c.generationMs << "/" << c.leadMs;
    Feed(0, MillisecondsToTicks(c.generationMs));
    EXPECT_EQ(state.phase, WaitResponse);
    EXPECT_EQ(voiceDue, 0);
  }
}

TEST_F(EngineTest, VoiceWordsLeftFromTheLastRunAreClearedAtTheStart) {
  voiceDue = 1;  // a run with the signal off ends with it due, or deferred
  voiceDeferred = 1;
  Start(1, 1000);
  EXPECT_EQ(voiceDue, 0);
  EXPECT_EQ(voiceDeferred, 0);
}

TEST_F(EngineTest, RunEndsAtTheLastAnswerAndLaterBytesOnlyTick) {
  Start(2, 0);
  PressToStart();
  AnswerQuickly();
  EXPECT_EQ(g_syncCalls, 1);
  Feed(0);
  AnswerQuickly();
  EXPECT_EQ(g_syncCalls, 3);  // the last answer releases the line twice
  EXPECT_EQ(state.done, 1);
  EXPECT_EQ(state.phase, WaitRelease);
  const TestResults before = data->results;
  const int32_t ticks = state.totalTicks;
  Feed(0, 300);
  Feed(1, 300);
  EXPECT_EQ(state.totalTicks, ticks + 600);
  EXPECT_EQ(state.current, 3);
  EXPECT_EQ(state.phase, WaitRelease);
  EXPECT_EQ(data->results, before);
  EXPECT_EQ(g_syncCalls, 3);
}

TEST_F(EngineTest, CheckRunOnlyFollowsTheButtons) {
  state.checkMode = 1;
  state.current = 7;
  Start(3, 0);
  EXPECT_EQ(state.current, 7);  // a check does not number stimuli
  const TestResults before = data->results;
  Feed(0x1C, 5000);
  EXPECT_EQ(state.lastButtons, 0xC);
  Feed(0);
  EXPECT_EQ(state.lastButtons, 0);
  EXPECT_EQ(state.totalTicks, 5001);
  EXPECT_EQ(state.done, 0);
  EXPECT_EQ(data->results, before);
}

TEST_F(EngineTest, MisconfiguredCountsCannotLeaveTheArrays) {
  for (int count : {0, -5}) {
    Start(count, 0);
    Feed(1);
    EXPECT_EQ(state.done, 1) << count;
  }
  // More stimuli than slots: the run stops after the last slot.
  Start(5000, 0);
  EXPECT_EQ(state.stimulusCount, MaxStimulusCount);
  // Slot 0 of the next arrays is what a write past the end would hit.
  data->results.objectIndex[0] = 77;
  data->results.generationMs[0] = 77;
  Feed(1);
  for (int i = 0; i < 1300; ++i) {
    Feed(0);
    AnswerQuickly();
  }
  EXPECT_EQ(state.done, 1);
  EXPECT_EQ(state.current, MaxStimulusCount + 1);
  EXPECT_EQ(data->results.objectIndex[0], 77);
  EXPECT_EQ(data->results.generationMs[0], 77);
}

TEST_F(EngineTest, AbsurdTimesFromFilesNeitherOverflowNorHang) {
  Start(2, INT_MAX, 0, INT_MIN);  // lead overflows int32
  PressToStart();
  EXPECT_EQ(state.phase, Foreperiod);
  Feed(0, 1000);
  EXPECT_EQ(voiceDue, 0);
  Start(1, -100);  // negative: shown at once
  PressToStart();
  EXPECT_EQ(state.phase, WaitResponse);
}

// A reader that takes a pause at some byte receives, by the time it reads
// again, every byte a box up to 2 % fast sends meanwhile, and one more that
// was arriving as it decided. None of them may be one that starts a count,
// raises the warning signal or answers: the screen, the sound and the sync
// line would all follow it late.
TEST_F(EngineTest, AReadPauseNeverSpansAByteThatStartsSomethingTimed) {
  struct Case {
    int generationMs;  // -1: a different one for each stimulus, 0..1000
    int voiceLeadMs;
    bool pauses;       // whether the waits are long enough to pause at all
  };
  const Case cases[] = {{500, 0, true}, {500, 300, true}, {0, 0, false},
                        {-1, 100, true}, {5, 0, false}, {1000, 990, true}};
  constexpr int64_t ByteNs = 694'444;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "generation " << c.generationMs << " ms, lead " << c.voiceLeadMs);
    Start(20, c.generationMs, 0, c.voiceLeadMs);
    uint32_t seed = 12345;
    auto next = [&seed](int limit) {
      seed = seed * 1103515245u + 12345u;
      return static_cast<int>((seed >> 16) % static_cast<uint32_t>(limit));
    };
    if (c.generationMs < 0) {
      for (int i = 1; i <= 20; ++i) data->results.generationMs[static_cast<size_t>(i)] = next(1001);
    }
    int64_t byte = 0;
    int64_t quietUntil = 0;  // the last byte a pause taken so far covers
    int pausesTaken = 0;
    int holdLeft = 0;
    int answerIn = 60;  // the start press comes after 60 bytes
    while (state.done == 0 && byte < 200'000) {
      const int32_t phase = state.phase;
      const int32_t current = state.current;
      uint8_t nibble = 0;
      if (holdLeft > 0) {
        --holdLeft;
        nibble = 1;
      } else if ((phase == WaitStart || phase == WaitResponse) && --answerIn <= 0) {
        holdLeft = 10 + next(100);
        answerIn = 100 + next(300);
        nibble = 1;
      }
      OnDeviceByte(nibble);
      ++byte;
      const bool onset = phase != WaitResponse && state.phase == WaitResponse;
      const bool signal = voiceDue.exchange(0) != 0;
      if (onset || signal || state.current != current) {
        ASSERT_GT(byte, quietUntil) << "a pause spans byte " << byte;
      }
      if (onset) voiceDeferred = 0;  // the window sounds a deferred signal with the stimulus
      if (const int64_t pauseNs = ReadPauseNs(INT64_MAX); pauseNs > 0) {
        ++pausesTaken;
        quietUntil = std::max(quietUntil, byte + 1 + pauseNs * 102 / 100 / ByteNs);
      }
    }
    EXPECT_EQ(state.done, 1);
    EXPECT_EQ(pausesTaken > 0, c.pauses);
  }
  // Nothing is paused in a device check: the buttons show as they move.
  state.checkMode = 1;
  AttachEngine(state, *data);
  Feed(0, 1000);
  EXPECT_EQ(ReadPauseNs(INT64_MAX), 0);
  state.checkMode = 0;
}

}  // namespace
}  // namespace alacrity
