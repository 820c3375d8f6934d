// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The USB box end to end: the link front, the USB transport, the libftdi
// driver, libftdi1 and libusb, unchanged, against an emulated FT232R.

#include <errno.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "emulated_ft232r.h"
#include "engine/engine.h"
#include "link/box_simulator.h"
#include "link/ftdi_driver.h"
#include "link/link.h"
#include "link/usb_link.h"

namespace alacrity {
namespace {

using testing::ControlTransfer;
using testing::EmulatedFt232r;
using Clock = std::chrono::steady_clock;

constexpr auto Limit = std::chrono::seconds(20);

bool WaitFor(const std::function<bool()>& condition) {
  const auto deadline = Clock::now() + Limit;
  while (!condition()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// The transfers after the last reset libftdi sends as it opens the chip.
std::vector<ControlTransfer> SinceOpen(const std::vector<ControlTransfer>& all) {
  auto last = all.end();
  for (auto it = all.begin(); it != all.end(); ++it) {
    if (it->request == testing::FtdiReset && it->value == 0) last = it;
  }
  return {last == all.end() ? all.begin() : last, all.end()};
}

// Every DTR change the chip received, in order: true for asserted.
std::vector<bool> DtrChanges(const std::vector<ControlTransfer>& transfers) {
  std::vector<bool> levels;
  for (const auto& transfer : transfers) {
    if (transfer.request == testing::FtdiModemControl && (transfer.value & 0x0100) != 0) {
      levels.push_back((transfer.value & 1) != 0);
    }
  }
  return levels;
}

// The engine's calls of the sync line during a run, with their time and the
// stimulus in progress, passed on to the link under test.
struct SyncCall {
  int level;
  int32_t current;
  Clock::time_point at;
};
std::mutex g_syncMutex;
std::vector<SyncCall> g_syncCalls;
DeviceLink* g_link = nullptr;
RunState* g_run = nullptr;
void RecordSyncLine(int level) {
  {
    const std::lock_guard lock(g_syncMutex);
    g_syncCalls.push_back({level, g_run->current.load(), Clock::now()});
  }
  g_link->SetSyncLine(level);
}

class UsbBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    other = chip.AddConverter("FT232R USB UART", "A10K1234");
    box = chip.AddConverter(std::string(BoxDescription), "A10K5678");
  }
  void TearDown() override {
    link.Stop();
    InstallSyncLineHook(nullptr);
    g_link = nullptr;
    EXPECT_FALSE(chip.InterfaceClaimed(box)) << "the box was left open";
    EXPECT_FALSE(chip.InterfaceClaimed(other)) << "the other converter was left open";
  }

  // Three stimuli 100 ms after release, only the matching button counts;
  // the script answers them in 99, 199 and 299 ms (see the serial
  // transport's run through the box simulator for the byte counts).
  void ScheduleThreeStimuli() {
    const int32_t objects[] = {0, 1, 2};
    for (std::size_t i = 1; i <= 3; ++i) {
      data->results.generationMs[i] = 100;
      data->results.objectIndex[i] = objects[i - 1];
    }
    data->runConfiguration.falseResponse = 1;
    run.stimulusCount = 3;
    run.phase = WaitStart;
  }
  std::unique_ptr<BoxByteSource> ScriptedSubject(const char* script) {
    std::string error;
    auto steps = ParsePressScript(script, error);
    EXPECT_TRUE(steps.has_value()) << error;
    return std::make_unique<alacrity::ScriptedSubject>(std::move(*steps), false);
  }
  // Starts the run and waits until the reader has purged the chip as it
  // starts, so that the subject's first byte is the run's first tick.
  void StartAndWaitForTheReader() {
    g_link = &link;
    g_run = &run;
    InstallSyncLineHook(&RecordSyncLine);
    ASSERT_EQ(link.Start(&run), 1);
    ASSERT_EQ(link.Active(), ActiveLink::Usb);
    ASSERT_TRUE(WaitFor([&] {
      int purges = 0;
      for (const auto& transfer : SinceOpen(chip.ControlTransfers(box))) {
        purges += transfer.request == testing::FtdiReset && transfer.value == testing::FtdiPurgeToHost;
      }
      return purges == 2;  // at the open, and as the reader starts
    }));
  }

  EmulatedFt232r chip;
  int other = -1;
  int box = -1;
  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState run;
  DeviceLink link{*data, MakeLibFtdiDriver()};
};

TEST_F(UsbBoxTest, TheBoxIsFoundByItsDescriptionAndTheOtherConverterGivenBack) {
  auto driver = MakeLibFtdiDriver();
  EXPECT_EQ(driver->DeviceCount(), 2);
  UsbLink usb(*driver);
  const int handle = usb.UsbFindDevice(BoxDescription);
  ASSERT_NE(handle, -1);
  EXPECT_EQ(driver->Description(handle), std::string(BoxDescription));
  EXPECT_FALSE(chip.InterfaceClaimed(other)) << "opened, found to be another device, closed";
  EXPECT_TRUE(chip.InterfaceClaimed(box));
  driver->Close(handle);
  EXPECT_FALSE(chip.InterfaceClaimed(box));
  EXPECT_EQ(usb.UsbProbe(), 1);
}

TEST_F(UsbBoxTest, OpenSetsTheBoxFramingAndLatencyAndPurges) {
  auto driver = MakeLibFtdiDriver();
  UsbLink usb(*driver);
  ASSERT_EQ(usb.UsbOpen(), 1);
  const auto transfers = SinceOpen(chip.ControlTransfers(box));
  usb.UsbClose();

  const ControlTransfer* baud = nullptr;
  const ControlTransfer* framing = nullptr;
  bool purgedAfterFraming[2] = {false, false};
  for (const auto& transfer : transfers) {
    EXPECT_EQ(transfer.requestType, 0x40) << "vendor request to the device";
    if (transfer.request == testing::FtdiSetBaudRate) baud = &transfer;
    if (transfer.request == testing::FtdiSetData) framing = &transfer;
    if (framing != nullptr && transfer.request == testing::FtdiReset && transfer.value != 0) {
      purgedAfterFraming[transfer.value == testing::FtdiPurgeToHost] = true;
    }
  }
  ASSERT_NE(baud, nullptr);
  // 3 MHz / 14400 = 208 1/3: the FT232R's nearest divisor is 208 3/8
  // (14397 baud, 0.02 % off).
  EXPECT_EQ(testing::Ft232rDivisorEighths(baud->value, baud->index), 1667u);
  ASSERT_NE(framing, nullptr);
  EXPECT_EQ(framing->value, 0x0005) << "5 data bits, no parity, 1 stop bit, no break";
  EXPECT_TRUE(purgedAfterFraming[0] && purgedAfterFraming[1]) << "both directions purged";
  EXPECT_EQ(chip.LatencyTimerMs(box), 1);
  EXPECT_TRUE(chip.Rts(box)) << "the second line, up for the run";
  EXPECT_EQ(DtrChanges(transfers), std::vector<bool>{true}) << "the sync line, asserted at open";
}

TEST_F(UsbBoxTest, AScriptedSubjectRunsAWholeTestWithTheSyncLineFollowingTheEngine) {
  ScheduleThreeStimuli();
  StartAndWaitForTheReader();
  link.SetSyncLine(0);  // as the first stimulus is drawn
  chip.Stream(box, ScriptedSubject("50:1:50  200:1:50  300:2:50  400:3:50"));
  ASSERT_TRUE(WaitFor([&] { return run.done == 1; }));
  link.Stop();

  EXPECT_EQ(run.current, 4);
  const int32_t expectedMs[] = {99, 199, 299};
  const int32_t expectedNibble[] = {1, 2, 4};
  for (std::size_t i = 1; i <= 3; ++i) {
    EXPECT_EQ(data->results.responseMs[i], expectedMs[i - 1]) << "stimulus " << i;
    EXPECT_EQ(data->results.buttonIndex[i], expectedNibble[i - 1]) << "stimulus " << i;
  }

  // The engine released the line on each answer and once more at the end;
  // every release reached the chip as its own transfer, in order, before
  // the engine went on to the next byte.
  const auto transfers = SinceOpen(chip.ControlTransfers(box));
  const std::vector<bool> expected = {true, true, false, false, false, false};
  EXPECT_EQ(DtrChanges(transfers), expected);
  const std::lock_guard lock(g_syncMutex);
  ASSERT_EQ(g_syncCalls.size(), 4u);
  const int32_t answered[] = {1, 2, 3, 4};
  std::size_t release = 0;
  for (const auto& transfer : transfers) {
    if (transfer.request != testing::FtdiModemControl || transfer.value != 0x0100) continue;
    ASSERT_LT(release, g_syncCalls.size());
    EXPECT_EQ(g_syncCalls[release].current, answered[release]);
    EXPECT_GE(transfer.at, g_syncCalls[release].at);
    if (release + 1 < g_syncCalls.size()) {
      EXPECT_LE(transfer.at, g_syncCalls[release + 1].at);
    }
    ++release;
  }
  g_syncCalls.clear();
}

TEST_F(UsbBoxTest, UnpluggingEndsReceptionStopIsPromptAndTheAnswersStay) {
  ScheduleThreeStimuli();
  StartAndWaitForTheReader();
  chip.Stream(box, ScriptedSubject("50:1:50  200:1:50  300:2:50  400:3:50"));
  ASSERT_TRUE(WaitFor([&] { return run.current == 2; }));
  chip.Unplug(box);
  // Reception ends: the count of ticks settles.
  ASSERT_TRUE(WaitFor([&] {
    const int32_t before = run.totalTicks.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return run.totalTicks.load() == before;
  }));

  const auto start = Clock::now();
  link.Stop();
  const auto stopMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  std::printf("Stop after unplugging took %.1f ms\n", stopMs);
  // The reader waits at most 20 ms at a time, so a stop takes a few tens of
  // milliseconds; the margin is for loaded machines and sanitizers.
  EXPECT_LT(stopMs, 1000.0);
  EXPECT_EQ(link.Active(), ActiveLink::None);
  EXPECT_EQ(run.done, 0);
  EXPECT_EQ(run.current, 2);
  EXPECT_EQ(data->results.responseMs[1], 99) << "the answer before the unplugging stays";
  EXPECT_EQ(data->results.buttonIndex[1], 1);
  // The transfer the unplugging cut off looks like a damaged one; the next
  // attempt finds the converter gone.
  EXPECT_LE(link.UsbHealth().recoveredErrors, 1);
  InstallSyncLineHook(nullptr);
  const std::lock_guard lock(g_syncMutex);
  g_syncCalls.clear();
}

TEST_F(UsbBoxTest, AStallOverrunOrDamagedTransferIsRecoveredFromAndCounted) {
  for (const int failure : {-EPIPE, -EOVERFLOW, -EPROTO}) {
    SCOPED_TRACE(failure == -EPIPE ? "stall" : failure == -EOVERFLOW ? "overrun" : "damaged");
    run.checkMode = 1;
    const int64_t deliveredBefore = chip.BytesDelivered(box);
    StartAndWaitForTheReader();
    ASSERT_TRUE(WaitFor([&] { return run.totalTicks > 144; }));
    chip.FailNextBulkIn(box, failure);
    const int64_t lostBefore = chip.BytesLost(box);
    if (failure == -EPIPE) {
      ASSERT_TRUE(WaitFor([&] { return chip.ClearHaltCount(box) == 1; }));
    }
    const int32_t after = run.totalTicks + 144;
    ASSERT_TRUE(WaitFor([&] { return run.totalTicks > after; })) << "reception goes on";
    link.Stop();

    const UsbReceptionHealth health = link.UsbHealth();
    EXPECT_EQ(health.recoveredErrors, 1);
    std::printf("longest gap in reception: %d ms\n", health.longestGapMs);
    // Every byte the chip handed over reached the engine: a stall loses
    // nothing (the chip holds what comes in meanwhile), the others only the
    // bytes of their transfer.
    EXPECT_EQ(int64_t{run.totalTicks}, chip.BytesDelivered(box) - deliveredBefore);
    if (failure == -EPIPE) {
      EXPECT_EQ(chip.BytesLost(box), lostBefore);
    } else {
      EXPECT_GT(chip.BytesLost(box), lostBefore);
    }
  }
}

}  // namespace
}  // namespace alacrity

int main(int argc, char** argv) {
  if (!alacrity::testing::RunUnderUmockdev(argc, argv)) return 1;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
