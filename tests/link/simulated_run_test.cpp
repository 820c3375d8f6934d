// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole tests through the box simulator and the real serial transport. The
// engine counts received bytes, never time, so whatever the machine's load,
// the response times must come out exactly as the byte stream dictates.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "engine/engine.h"
#include "data/tick_clock.h"
#include "engine/simulated_subject.h"
#include "engine/timing_record.h"
#include "link/box_simulator.h"
#include "link/serial_link.h"
#include "results/timing_report.h"
#include "test_terminal.h"

namespace alacrity {
namespace {

using testing::ScopedEnv;
using testing::WaitFor;

constexpr auto RunLimit = std::chrono::seconds(20);

struct Stimulus {
  int32_t generationMs;
  int32_t object;
};

class SimulatedRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(simulator.Open());
    com1 = std::make_unique<ScopedEnv>("ALACRITY_COM1", simulator.DevicePath());
  }

  static void Schedule(DocumentData& document, RunState& state,
                       const std::vector<Stimulus>& stimuli, int32_t falseResponse) {
    for (std::size_t i = 0; i < stimuli.size(); ++i) {
      document.results.generationMs[i + 1] = stimuli[i].generationMs;
      document.results.objectIndex[i + 1] = stimuli[i].object;
    }
    document.runConfiguration.falseResponse = falseResponse;
    state.stimulusCount = static_cast<int32_t>(stimuli.size());
    state.phase = WaitStart;
  }

  // Opens the port before the box starts sending, as a person switches the
  // box on after the run waits for it, so every byte sent is a tick.
  void RunThroughTheSerialLink(std::unique_ptr<BoxByteSource> source,
                                BoxSimulatorOptions options = {}) {
    AttachEngine(run, *data);
    SerialLink link;
    ASSERT_EQ(link.SerialOpen(0), 1);
    ASSERT_TRUE(simulator.Start(std::move(source), options));
    EXPECT_TRUE(WaitFor([&] { return run.done == 1; }, RunLimit));
    link.SerialClose();
    simulator.Stop();
  }

  BoxSimulator simulator;
  std::unique_ptr<ScopedEnv> com1;
  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState run;
};

TEST_F(SimulatedRunTest, ScriptedPressesGiveTheResponseTimesOfTheirByteCounts) {
  // Three stimuli 100 ms (144 bytes) after release, only the matching
  // button counts. The first press starts the run; its release byte (byte
  // 144 of the stream) opens the first foreperiod, which ends at byte 288.
  // Each later step waits from the previous release: 200 ms = 288 bytes puts
  // the press 144 bytes into the response count, 300 ms 288 bytes, 400 ms
  // 432 bytes: 99, 199 and 299 ms after the 0.6944 ms/tick truncation.
  Schedule(*data, run, {{100, 0}, {100, 1}, {100, 2}}, 1);
  std::string error;
  auto steps = ParsePressScript("50:1:50  200:1:50  300:2:50  400:3:50", error);
  ASSERT_TRUE(steps.has_value()) << error;
  RunThroughTheSerialLink(std::make_unique<ScriptedSubject>(std::move(*steps), false));

  EXPECT_EQ(run.current, 4);
  const std::array<int32_t, 3> expectedMs = {99, 199, 299};
  const std::array<int32_t, 3> expectedNibble = {1, 2, 4};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(data->results.responseMs[i + 1], expectedMs[i]) << "stimulus " << i + 1;
    EXPECT_EQ(data->results.buttonIndex[i + 1], expectedNibble[i]) << "stimulus " << i + 1;
  }
}

TEST_F(SimulatedRunTest, TheTimingRecordHoldsTheEngineBytesAndAStallShowsAsAMarkedGap) {
  // The script of the test above; its onset bytes follow from the same
  // counts: the first release is byte 145, so the first onset is byte 289
  // and its response byte 433, and so on. The stream is held back for
  // 150 ms after 800 bytes, while the second stimulus is on screen: then the
  // reader waits for every byte (in a foreperiod it may pause on purpose,
  // and only the wait beyond its pause is a gap).
  Schedule(*data, run, {{100, 0}, {100, 1}, {100, 2}}, 1);
  std::string error;
  auto steps = ParsePressScript("50:1:50  200:1:50  300:2:50  400:3:50", error);
  ASSERT_TRUE(steps.has_value()) << error;
  auto record = std::make_unique<TimingRecord>();
  UseTimingRecord(record.get());
  RunThroughTheSerialLink(std::make_unique<ScriptedSubject>(std::move(*steps), false),
                          {.stallAfterBytes = 800, .stallMs = 150});
  UseTimingRecord(nullptr);

  const RunTiming timing = record->Snapshot(run.stimulusCount);
  ASSERT_EQ(timing.stimuli.size(), 3u);
  const std::array<std::array<int32_t, 2>, 3> bytes = {{{289, 433}, {649, 937}, {1153, 1585}}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(timing.stimuli[i].onsetByte, bytes[i][0]) << "stimulus " << i + 1;
    EXPECT_EQ(timing.stimuli[i].responseByte, bytes[i][1]) << "stimulus " << i + 1;
    EXPECT_EQ(TicksToMilliseconds(bytes[i][1] - bytes[i][0]), data->results.responseMs[i + 1]);
  }
  // The second answer (byte 937) was held back by the stall: it carries
  // the time it arrived, after the simulator sent it, not the time it was
  // due. (How much later depends on the machine's load; this does not.)
  ASSERT_GT(simulator.StallEndedNs(), 0);
  EXPECT_GE(timing.stimuli[1].responseHostNs, simulator.StallEndedNs());
  const std::string csv = TimingCsv(timing, {});
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);
  EXPECT_NE(csv.find("\r\n2,649,"), std::string::npos);

  EXPECT_GE(timing.arrival.longestGapNs, 140'000'000);
  const auto lines = TimingReportLines(ComputeTimingFigures(timing));
  EXPECT_TRUE(lines[2].marked) << lines[2].text;
}

TEST_F(SimulatedRunTest, ARecordedStreamGivesExactlyTheResultsOfFeedingItDirectly) {
  // Record what a simulated person sends during a test fed straight into the
  // engine, then play the recording through the pseudo-terminal and the
  // serial transport: every result must be identical.
  const std::vector<Stimulus> stimuli = {{150, 3}, {300, 0}, {0, 2}, {250, 1}, {120, 0}};
  auto direct = std::make_unique<DocumentData>();
  RunState directRun;
  Schedule(*direct, directRun, stimuli, 0);
  AttachEngine(directRun, *direct);
  SimulatedSubject person({.meanMs = 200, .sdMs = 40, .errorRate = 0.3}, 7);
  std::vector<uint8_t> recording;
  while (directRun.done == 0 && recording.size() < 100'000) {
    recording.push_back(person.NextByte(directRun, *direct));
    OnDeviceByte(recording.back());
  }
  ASSERT_EQ(directRun.done, 1);

  Schedule(*data, run, stimuli, 0);
  RunThroughTheSerialLink(std::make_unique<RecordedStream>(recording, false));
  EXPECT_EQ(run.current, directRun.current);
  for (std::size_t i = 1; i <= stimuli.size(); ++i) {
    EXPECT_EQ(data->results.responseMs[i], direct->results.responseMs[i]) << "stimulus " << i;
    EXPECT_EQ(data->results.buttonIndex[i], direct->results.buttonIndex[i]) << "stimulus " << i;
  }
}

TEST_F(SimulatedRunTest, ADeviceCheckCountsExactlyTheBytesTheBoxSent) {
  run.checkMode = 1;
  AttachEngine(run, *data);
  SerialLink link;
  ASSERT_EQ(link.SerialOpen(0), 1);
  std::vector<uint8_t> recording(500, 0);
  recording.back() = 9;
  ASSERT_TRUE(simulator.Start(std::make_unique<RecordedStream>(recording, false),
                              {.idleAfterEnd = false}));
  EXPECT_TRUE(WaitFor([&] { return simulator.Finished(); }, RunLimit));
  EXPECT_TRUE(simulator.WaitUntilRead(5000));
  EXPECT_TRUE(WaitFor([&] { return run.totalTicks == 500; }));
  link.SerialClose();
  EXPECT_EQ(run.totalTicks, 500);
  EXPECT_EQ(run.lastButtons, 9);
  EXPECT_EQ(simulator.BytesSent(), 500);
  EXPECT_EQ(simulator.BytesDropped(), 0);
}

}  // namespace
}  // namespace alacrity
