// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's announcements and the host times it notes per stimulus.

#include "engine/timing_record.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "data/box_rate.h"
#include "engine/engine.h"
#include "engine/simulated_subject.h"
#include "data/tick_clock.h"

namespace alacrity {
namespace {

int g_announcements = 0;
void CountAnnouncement() { ++g_announcements; }

class TimingRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_announcements = 0;
    InstallAnnounceHook(&CountAnnouncement);
    UseTimingRecord(record.get());
  }
  void TearDown() override {
    InstallAnnounceHook(nullptr);
    UseTimingRecord(nullptr);
  }

  void Start(const std::vector<std::pair<int32_t, int32_t>>& stimuli, int32_t checkMode = 0) {
    for (std::size_t i = 0; i < stimuli.size(); ++i) {
      data->results.generationMs[i + 1] = stimuli[i].first;
      data->results.objectIndex[i + 1] = stimuli[i].second;
    }
    state.stimulusCount = static_cast<int32_t>(stimuli.size());
    state.checkMode = checkMode;
    state.phase = WaitStart;
    AttachEngine(state, *data);
  }

  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  std::unique_ptr<TimingRecord> record = std::make_unique<TimingRecord>();
  RunState state;
};

TEST_F(TimingRecordTest, EveryChangeOfPhaseOrStimulusIsAnnouncedOnceAndNothingElse) {
  // A simulated person answering stimuli with generation times of 0 too: a
  // release straight into WaitResponse changes the phase, a response changes
  // both, each byte announces at most once. The warning signal, 100 ms
  // ahead, falls due in the two long foreperiods and is announced too.
  Start({{150, 3}, {0, 0}, {0, 2}, {300, 1}, {0, 0}});
  data->runVoice.voiceLeadMs = 100;
  voiceDue = 0;
  voiceDeferred = 0;
  SimulatedSubject person({.meanMs = 150, .sdMs = 30, .errorRate = 0.2}, 5);
  int changes = 0;
  int signals = 0;
  while (state.done == 0) {
    const std::pair before{state.phase.load(), state.current.load()};
    const int announcedBefore = g_announcements;
    OnDeviceByte(person.NextByte(state, *data));
    const bool signal = voiceDue.exchange(0) != 0;  // sounded, as the window does
    if (state.phase == WaitResponse) voiceDeferred = 0;
    const bool changed = before != std::pair{state.phase.load(), state.current.load()} || signal;
    changes += changed ? 1 : 0;
    signals += signal ? 1 : 0;
    ASSERT_EQ(g_announcements - announcedBefore, changed ? 1 : 0) << "byte " << state.totalTicks;
  }
  EXPECT_GT(changes, 10);
  EXPECT_EQ(signals, 2);
  data->runVoice.voiceLeadMs = 0;

  // A device check announces a change of the held buttons only.
  Start({}, 1);
  g_announcements = 0;
  for (const int byte : {0, 0, 1, 1, 1, 3, 0, 0}) OnDeviceByte(static_cast<uint8_t>(byte));
  EXPECT_EQ(g_announcements, 3);
}

TEST_F(TimingRecordTest, OnsetAndResponseBytesAreTheEngineCountsWithTheirChunkTimes) {
  Start({{100, 0}, {0, 1}, {250, 2}});
  SimulatedSubject person({.meanMs = 200, .sdMs = 40, .errorRate = 0.0}, 3);
  int64_t hostNs = 1'000'000;
  while (state.done == 0) {
    // Chunks of 8 bytes, as the serial reader gets them.
    OnBytesReceived(hostNs, 8);
    for (int i = 0; i < 8 && state.done == 0; ++i) OnDeviceByte(person.NextByte(state, *data));
    hostNs += 5'555'555;
  }
  const RunTiming timing = record->Snapshot(state.stimulusCount);
  ASSERT_EQ(timing.stimuli.size(), 3u);
  for (const StimulusTiming& row : timing.stimuli) {
    const auto slot = static_cast<std::size_t>(row.stimulus);
    // The response count is exactly the bytes after the onset byte up to
    // and including the response byte.
    EXPECT_EQ(TicksToMilliseconds(row.responseByte - row.onsetByte), data->results.responseMs[slot]);
    EXPECT_EQ((row.onsetHostNs - 1'000'000) % 5'555'555, 0);
    EXPECT_GE(row.responseHostNs, row.onsetHostNs);
    EXPECT_EQ(row.paintedHostNs, 0);
  }
  // The second stimulus has no generation time: the release byte is its
  // onset, the byte after the first response's release.
  EXPECT_GT(timing.stimuli[1].onsetByte, timing.stimuli[0].responseByte);

  // A paint counts once, and only for a stimulus whose count has started.
  EXPECT_TRUE(record->NotePainted(2, 42));
  EXPECT_FALSE(record->NotePainted(2, 43));
  EXPECT_FALSE(record->NotePainted(4, 44));
  EXPECT_EQ(record->Snapshot(3).stimuli[1].paintedHostNs, 42);

  // Attaching the engine for the next run forgets this one.
  Start({{100, 0}});
  EXPECT_TRUE(record->Snapshot(1).stimuli.empty());
  EXPECT_EQ(record->Arrival().bytes, 0);
}

TEST_F(TimingRecordTest, RateAnchorsIgnoreLateChunksAndGapsAreTheLongestPause) {
  // A box at `rate` read in chunks of 8 bytes, each reaching the reader up
  // to 4 ms late at random, one of them 120 ms late (bytes held back).
  for (const double rate : {1440.0, 1300.0, 1447.2}) {
    Start({}, 1);
    std::mt19937 random(7);
    std::uniform_int_distribution<int64_t> delayNs(0, 4'000'000);
    int64_t previousNs = 0;
    for (int64_t sent = 8; sent <= 5 * 1440; sent += 8) {
      int64_t arrivedNs = 1'000'000'000 + static_cast<int64_t>(1e9 * static_cast<double>(sent) / rate) +
                          (sent == 2000 ? 120'000'000 : delayNs(random));
      arrivedNs = std::max(arrivedNs, previousNs);  // a read never comes before the one before it
      record->NoteChunk(arrivedNs, 8);
      previousNs = arrivedNs;
    }
    const ByteArrival arrival = record->Arrival();
    EXPECT_EQ(arrival.bytes, 5 * 1440);
    const std::optional<BoxRate> measured = FitBoxRate(arrival.rate);
    ASSERT_TRUE(measured.has_value()) << rate;
    EXPECT_NEAR(measured->bytesPerSecond / rate, 1.0, 200e-6) << rate;
    EXPECT_GT(arrival.longestGapNs, 120'000'000);
    EXPECT_LT(arrival.longestGapNs, 130'000'000);
    // The fit knows how well it knows the rate.
    EXPECT_NEAR(measured->bytesPerSecond, rate, 3 * measured->uncertainty) << rate;
  }
  // A wait the reader chose (bytes left queued while nothing was due) is
  // no gap; what it then waited beyond it is.
  Start({}, 1);
  record->NoteChunk(1'000'000'000, 8);
  record->NotePauseEnded(1'190'000'000);
  record->NoteChunk(1'200'000'000, 280);
  EXPECT_EQ(record->Arrival().longestGapNs, 10'000'000);
  record->NoteChunk(1'230'000'000, 8);
  EXPECT_EQ(record->Arrival().longestGapNs, 30'000'000);
}

TEST_F(TimingRecordTest, ChunksCollectedAfterAPauseDoNotSkewTheRate) {
  // A test's reader: at rest (waiting for the start, in long foreperiods)
  // it pauses 200 ms and then collects what queued meanwhile, the latest
  // write of 8 bytes having come 4 ms or more before; while a stimulus is on
  // screen it reads each write 0.1 ms after it came. Ten seconds at rest,
  // then a second of each in turn, ending on a stimulus.
  for (const double rate : {1440.0, 1447.2}) {
    Start({}, 1);
    constexpr int64_t OriginNs = 1'000'000'000;
    const auto dueNs = [&](int64_t bytes) {
      return OriginNs + static_cast<int64_t>(1e9 * static_cast<double>(bytes) / rate);
    };
    int64_t sent = 0;
    for (int64_t second = 0; second < 20; ++second) {
      if (second < 10 || second % 2 == 0) {
        for (int64_t read = 1; read <= 5; ++read) {
          const int64_t readNs = OriginNs + second * 1'000'000'000 + read * 200'000'000;
          const auto queued = static_cast<int64_t>(static_cast<double>(readNs - 4'000'000 - OriginNs) *
                                                   rate / 1e9) / 8 * 8;
          record->NotePauseEnded(readNs - 50'000);
          record->NoteChunk(readNs, static_cast<std::size_t>(queued - sent));
          sent = queued;
        }
      } else {
        while (dueNs(sent + 8) < OriginNs + (second + 1) * 1'000'000'000) {
          sent += 8;
          record->NoteChunk(dueNs(sent) + 100'000, 8);
        }
      }
    }
    const std::optional<BoxRate> measured = FitBoxRate(record->Arrival().rate);
    ASSERT_TRUE(measured.has_value()) << rate;
    EXPECT_NEAR(measured->bytesPerSecond / rate, 1.0, 5e-6) << rate;
    EXPECT_LT(measured->uncertainty / rate, 5e-6) << rate;
  }
}

TEST_F(TimingRecordTest, ButtonChangesBouncesAndHeldButtonsCountInEveryMode) {
  struct Case {
    const char* what;
    int32_t checkMode;
    std::vector<std::pair<uint8_t, int>> runs;  // a nibble, how many bytes of it
    ButtonActivity expected;
  };
  const std::vector<Case> cases = {
      {"a press that bounces", 1, {{0, 100}, {1, 1}, {0, 1}, {1, 200}, {0, 100}},
       {.changes = 4, .bounces = 2, .busiestSecond = 4, .heldThroughout = 0}},
      {"button 1 held throughout, 3 pressed on top", 1, {{1, 1000}, {5, 100}, {1, 1000}},
       {.changes = 2, .bounces = 0, .busiestSecond = 2, .heldThroughout = 1}},
      {"presses a second apart", 1, {{0, 1300}, {2, 200}, {0, 1240}, {2, 200}, {0, 100}},
       {.changes = 4, .bounces = 0, .busiestSecond = 2, .heldThroughout = 0}},
  };
  for (const Case& test : cases) {
    Start({}, test.checkMode);
    for (const auto& [nibble, count] : test.runs) {
      for (int i = 0; i < count; ++i) OnDeviceByte(nibble);
    }
    const ButtonActivity buttons = record->Arrival().buttons;
    EXPECT_EQ(buttons.changes, test.expected.changes) << test.what;
    EXPECT_EQ(buttons.bounces, test.expected.bounces) << test.what;
    EXPECT_EQ(buttons.busiestSecond, test.expected.busiestSecond) << test.what;
    EXPECT_EQ(buttons.heldThroughout, test.expected.heldThroughout) << test.what;
  }
  // Garbage during a test: the upper bits are no buttons and change nothing.
  Start({{100, 0}, {100, 1}});
  std::mt19937 random(3);
  for (int i = 0; i < 2 * 1440; ++i) OnDeviceByte(static_cast<uint8_t>(random()));
  EXPECT_GT(record->Arrival().buttons.busiestSecond, 1000);
  Start({}, 1);
  for (const int byte : {0x10, 0x20, 0x30, 0x41}) OnDeviceByte(static_cast<uint8_t>(byte));
  EXPECT_EQ(record->Arrival().buttons.changes, 1);
}

// The box's fifth bit as a light sensor on the stimulus marker: each
// stimulus's light onset is the first rising edge after its onset byte
// (light left on from the stimulus before is not its own), and no count of
// the run changes with the sensor or its bit.
TEST_F(TimingRecordTest, TheLightSensorTimesEachStimulusAndChangesNoCount) {
  struct Outcome {
    TestResults results;
    RunTiming timing;
  };
  // The screen lights up `delay` bytes after each onset until the answer;
  // between stimuli it goes dark, or stays lit once it was.
  const auto run = [this](bool lightSensor, int32_t delay, bool darkBetween) {
    state.lightSensor = lightSensor ? 1 : 0;
    Start({{100, 0}, {0, 1}, {250, 2}});
    SimulatedSubject person({.meanMs = 200, .sdMs = 40, .errorRate = 0.0}, 3);
    bool shown = false;
    bool lit = false;
    int32_t onset = 0;
    while (state.done == 0) {
      const uint8_t nibble = person.NextByte(state, *data);
      if (shown) lit = lit || state.totalTicks + 1 - onset >= delay;
      if (!shown && darkBetween) lit = false;
      OnDeviceByte(static_cast<uint8_t>(nibble | (lit ? 0x10 : 0)));
      const bool showing = state.phase == WaitResponse;
      if (showing && !shown) onset = state.totalTicks;
      shown = showing;
    }
    auto outcome = std::make_unique<Outcome>();
    outcome->results = data->results;
    outcome->timing = record->Snapshot(state.stimulusCount);
    return outcome;
  };
  const auto reference = run(false, 20, true);
  ASSERT_EQ(reference->timing.stimuli.size(), 3u);
  struct Case {
    const char* what;
    bool lightSensor;
    bool darkBetween;
    std::vector<bool> seen;  // per stimulus: 20 bytes after its onset
  };
  const Case cases[] = {
      {"dark between stimuli", true, true, {true, true, true}},
      {"lit from the first on", true, false, {true, false, false}},
      {"no light sensor", false, true, {false, false, false}},
  };
  for (const Case& c : cases) {
    const auto outcome = run(c.lightSensor, 20, c.darkBetween);
    EXPECT_EQ(outcome->results, reference->results) << c.what;
    ASSERT_EQ(outcome->timing.stimuli.size(), 3u) << c.what;
    for (std::size_t i = 0; i < 3; ++i) {
      const StimulusTiming& row = outcome->timing.stimuli[i];
      EXPECT_EQ(row.onsetByte, reference->timing.stimuli[i].onsetByte) << c.what;
      EXPECT_EQ(row.responseByte, reference->timing.stimuli[i].responseByte) << c.what;
      EXPECT_EQ(row.lightByte, c.seen[i] ? row.onsetByte + 20 : 0) << c.what << " " << i;
    }
  }
  state.lightSensor = 0;
}

TEST_F(TimingRecordTest, ACheckShowsTheLightSensorOnlyOfABoxThatHasOne) {
  for (const bool lightSensor : {true, false}) {
    state.lightSensor = lightSensor ? 1 : 0;
    Start({}, 1);
    g_announcements = 0;
    std::vector<int32_t> shown;
    for (const int byte : {0x00, 0x10, 0x10, 0x11, 0x01, 0x00}) {
      OnDeviceByte(static_cast<uint8_t>(byte));
      shown.push_back(state.lastLight);
    }
    const std::vector<int32_t> expected =
        lightSensor ? std::vector<int32_t>{0, 1, 1, 1, 0, 0} : std::vector<int32_t>(6, 0);
    EXPECT_EQ(shown, expected) << lightSensor;
    EXPECT_EQ(g_announcements, lightSensor ? 4 : 2) << lightSensor;
  }
  state.lightSensor = 0;
}

}  // namespace
}  // namespace alacrity
