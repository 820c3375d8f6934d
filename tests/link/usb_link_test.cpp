// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "link/usb_link.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <numeric>

#include "engine/engine.h"
#include "fake_ftdi_driver.h"
#include "hang_guard.h"
#include "test_terminal.h"

namespace alacrity {
namespace {

using ::testing::ElementsAre;
using testing::FakeFtdiDriver;
using testing::ReturnsWithin;

constexpr auto HangLimit = std::chrono::seconds(10);
constexpr int DrainMs = 5000;

class UsbLinkTest : public ::testing::Test {
 protected:
  void TearDown() override {
    link.UsbClose();
    InstallSyncLineHook(nullptr);
    EXPECT_EQ(fake.MisuseCount(), 0) << "a call on a handle that was not open";
  }

  // The box is the second of two converters, as on a desk with another
  // serial adapter plugged in first.
  int AddOtherAndBox() {
    fake.AddDevice("FT232R USB UART");
    return fake.AddDevice(std::string(BoxDescription));
  }
  void AttachCheckRun() {
    state.checkMode = 1;
    AttachEngine(state, *data);
  }
  // One stimulus shown at once after the release; any button answers.
  void AttachTestRun() {
    data->results.generationMs[1] = 0;
    data->results.objectIndex[1] = 0;
    state.stimulusCount = 1;
    state.phase = WaitStart;
    AttachEngine(state, *data);
  }
  std::vector<std::string> CallsAfterFind() {
    auto calls = fake.Calls();
    const auto found = std::find(calls.begin(), calls.end(), "Description(11)");
    return {found == calls.end() ? calls.end() : found + 1, calls.end()};
  }

  FakeFtdiDriver fake;
  UsbLink link{fake};
  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState state;
};

// The engine's sync-line hook, pointed at the link under test.
UsbLink* g_link = nullptr;
void DriveSyncLine(int level) { g_link->SetSyncLine(level); }

TEST_F(UsbLinkTest, FindOpensEachDeviceInTurnAndKeepsOnlyTheBox) {
  AddOtherAndBox();
  EXPECT_EQ(link.UsbFindDevice(BoxDescription), FakeFtdiDriver::HandleOf(1));
  EXPECT_THAT(fake.Calls(), ElementsAre("DeviceCount", "Open(0)->10", "Description(10)",
                                        "Close(10)", "Open(1)->11", "Description(11)"));
  EXPECT_FALSE(fake.IsOpen(0));
  EXPECT_TRUE(fake.IsOpen(1));
  fake.Close(FakeFtdiDriver::HandleOf(1));
}

TEST_F(UsbLinkTest, FindTakesOnlyTheExactDescription) {
  fake.AddDevice("Morva packet ");
  fake.AddDevice("morva packet");
  fake.AddDevice("Morva packe");
  fake.AddDevice(std::string("Morva packet\0", 13));
  fake.AddDevice("");
  EXPECT_EQ(link.UsbFindDevice(BoxDescription), -1);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(fake.IsOpen(i)) << "device " << i << " left open";
}

TEST_F(UsbLinkTest, FindSkipsWhatCannotBeOpenedAndCopesWithNoDevices) {
  EXPECT_EQ(link.UsbFindDevice(BoxDescription), -1);
  EXPECT_THAT(fake.Calls(), ElementsAre("DeviceCount"));
  fake.ClearCalls();

  fake.AddDevice(std::string(BoxDescription), /*openable=*/false);  // held by another program
  fake.AddDevice(std::string(BoxDescription));
  EXPECT_EQ(link.UsbFindDevice(BoxDescription), FakeFtdiDriver::HandleOf(1));
  EXPECT_THAT(fake.Calls(),
              ElementsAre("DeviceCount", "Open(0)->-1", "Open(1)->11", "Description(11)"));
  fake.Close(FakeFtdiDriver::HandleOf(1));
}

TEST_F(UsbLinkTest, ProbeLeavesNothingOpen) {
  EXPECT_EQ(link.UsbProbe(), 0);
  AddOtherAndBox();
  EXPECT_EQ(link.UsbProbe(), 1);
  EXPECT_FALSE(fake.IsOpen(0));
  EXPECT_FALSE(fake.IsOpen(1));
  EXPECT_EQ(fake.Calls().back(), "Close(11)");
  // The probe's handle is not the link's: the link is still closed.
  link.SetSyncLine(0);
  EXPECT_EQ(fake.Calls().back(), "Close(11)");
}

TEST_F(UsbLinkTest, OpenConfiguresTheBoxInOrderAndRefusesASecondOpen) {
  AddOtherAndBox();
  AttachCheckRun();
  ASSERT_EQ(link.UsbOpen(), 1);
  EXPECT_TRUE(fake.SecondLineAsserted(1));
  EXPECT_TRUE(fake.SyncLineAsserted(1));

  const auto before = fake.Calls().size();
  EXPECT_EQ(link.UsbOpen(), 0);
  EXPECT_EQ(fake.Calls().size(), before) << "a refused open touches no device";

  link.UsbClose();
  // The reader purges once more as it starts; the close comes after it.
  EXPECT_THAT(CallsAfterFind(),
              ElementsAre("SetBaudRate(11,14400)", "SetDataCharacteristics(11,5,0,0)", "Purge(11)",
                          "SetLatencyTimer(11,1)", "AssertSecondLine(11)", "AssertSyncLine(11)",
                          "Purge(11)", "Close(11)"));
  EXPECT_FALSE(fake.IsOpen(1));

  fake.ClearCalls();
  link.UsbClose();
  EXPECT_TRUE(fake.Calls().empty()) << "closing a closed link does nothing";
  EXPECT_EQ(link.UsbOpen(), 1) << "the link opens again after a close";
}

TEST_F(UsbLinkTest, OpenWithoutTheBoxFailsAndLeavesNothingToClose) {
  fake.AddDevice("FT232R USB UART");
  EXPECT_EQ(link.UsbOpen(), 0);
  EXPECT_FALSE(fake.IsOpen(0));
  fake.ClearCalls();
  link.UsbClose();
  link.SetSyncLine(0);
  EXPECT_TRUE(fake.Calls().empty());
}

TEST_F(UsbLinkTest, SyncLineLevelZeroAssertsAndAnyOtherReleases) {
  AddOtherAndBox();
  AttachCheckRun();
  ASSERT_EQ(link.UsbOpen(), 1);
  link.SetSyncLine(1);
  EXPECT_FALSE(fake.SyncLineAsserted(1));
  link.SetSyncLine(0);
  EXPECT_TRUE(fake.SyncLineAsserted(1));
  link.SetSyncLine(-7);
  EXPECT_FALSE(fake.SyncLineAsserted(1));
  link.UsbClose();
  fake.ClearCalls();
  link.SetSyncLine(0);
  EXPECT_TRUE(fake.Calls().empty()) << "no line control once closed";
}

TEST_F(UsbLinkTest, ReaderHandsOverEveryByteAcrossReads) {
  const int box = AddOtherAndBox();
  AttachCheckRun();
  ASSERT_EQ(link.UsbOpen(), 1);
  // Longer than one read chunk, so it arrives in several reads.
  std::vector<uint8_t> large(2 * UsbReadChunk + 100);
  std::iota(large.begin(), large.end(), uint8_t{0});
  fake.QueueChunk(box, {0x31});
  fake.QueueChunk(box, large);
  fake.QueueChunk(box, {0x12, 0xF4});
  ASSERT_TRUE(fake.WaitUntilDrained(box, DrainMs));
  EXPECT_EQ(state.totalTicks.load(), static_cast<int32_t>(1 + large.size() + 2));
  EXPECT_EQ(state.lastButtons.load(), 0x4) << "the last byte's button nibble";
}

TEST_F(UsbLinkTest, ReaderRunsATestAndDrivesTheSyncLineFromItsThread) {
  const int box = AddOtherAndBox();
  AttachTestRun();
  g_link = &link;
  InstallSyncLineHook(&DriveSyncLine);
  ASSERT_EQ(link.UsbOpen(), 1);
  // Press to start, release (the stimulus shows at once), 149 bytes of
  // nothing, then button 1 at the 150th byte: 150 × 0.6944 = 104 ms. Split
  // unevenly so that a reordering across reads would change the answer.
  std::vector<uint8_t> stream = {1, 0};
  stream.insert(stream.end(), 149, 0);
  stream.push_back(1);
  fake.QueueChunk(box, {stream.begin(), stream.begin() + 1});
  fake.QueueChunk(box, {stream.begin() + 1, stream.begin() + 70});
  fake.QueueChunk(box, {stream.begin() + 70, stream.end()});
  ASSERT_TRUE(fake.WaitUntilDrained(box, DrainMs));

  EXPECT_EQ(state.done.load(), 1);
  EXPECT_EQ(data->results.responseMs[1], 104);
  EXPECT_EQ(data->results.buttonIndex[1], 1);
  EXPECT_FALSE(fake.SyncLineAsserted(box));
  const auto calls = fake.Calls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "ReleaseSyncLine(11)"), 2)
      << "once for the response, once for the end of the run";
}

TEST_F(UsbLinkTest, StopReturnsWhetherTheBoxIsSilentOrGone) {
  const int box = AddOtherAndBox();
  AttachCheckRun();
  ASSERT_EQ(link.UsbOpen(), 1);
  ReturnsWithin(HangLimit, "UsbClose with a silent box", [&] { link.UsbClose(); });
  EXPECT_FALSE(link.ReaderEnded()) << "a stop is no loss of the box";

  ASSERT_EQ(link.UsbOpen(), 1);
  fake.QueueChunk(box, {0x01, 0x02, 0x03});
  fake.Unplug(box);
  ASSERT_TRUE(fake.WaitUntilDrained(box, DrainMs));
  EXPECT_TRUE(alacrity::testing::WaitFor([&] { return link.ReaderEnded(); }))
      << "the window must learn of it";
  EXPECT_EQ(state.totalTicks.load(), 3) << "what came before the unplug is kept";
  const int reads = fake.ReadCount();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(fake.ReadCount(), reads) << "the reader stopped reading a device that is gone";
  EXPECT_TRUE(fake.IsOpen(box)) << "the link stays open until it is stopped";
  EXPECT_EQ(link.UsbOpen(), 0);
  ReturnsWithin(HangLimit, "UsbClose after an unplug", [&] { link.UsbClose(); });
  EXPECT_FALSE(fake.IsOpen(box));
}

TEST_F(UsbLinkTest, DestroyingAnOpenLinkClosesTheDevice) {
  AddOtherAndBox();
  AttachCheckRun();
  {
    UsbLink other(fake);
    ASSERT_EQ(other.UsbOpen(), 1);
  }
  EXPECT_FALSE(fake.IsOpen(1));
}

}  // namespace
}  // namespace alacrity
