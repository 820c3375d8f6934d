// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The front of the device link: which transport a start chooses, when a start
// is refused, and what Stop and SetSyncLine reach. USB runs against the fake
// FTDI driver, the serial port against a pseudo-terminal.

#include "link/link.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fake_ftdi_driver.h"
#include "hang_guard.h"
#include "link/keyboard_box.h"
#include "test_terminal.h"

namespace alacrity {
namespace {

using testing::FakeFtdiDriver;
using testing::ScopedEnv;
using testing::TestTerminal;
using testing::WaitFor;

constexpr const char* MissingPort = "/nonexistent/alacrity-port";

class LinkFrontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(terminal.Ok());
    run.checkMode = 1;
  }

  // Builds the front over the fake; the converters must be added first.
  DeviceLink& Front() {
    if (!link) link = std::make_unique<DeviceLink>(*data, std::move(ownedDriver));
    return *link;
  }
  int SyncCalls() const {
    int count = 0;
    for (const std::string& call : driver->Calls()) {
      if (call.starts_with("AssertSyncLine") || call.starts_with("ReleaseSyncLine")) ++count;
    }
    return count;
  }

  TestTerminal terminal;
  ScopedEnv com1{"ALACRITY_COM1", terminal.Path()};
  std::unique_ptr<FakeFtdiDriver> ownedDriver = std::make_unique<FakeFtdiDriver>();
  FakeFtdiDriver* driver = ownedDriver.get();
  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState run;
  std::unique_ptr<DeviceLink> link;
};

TEST_F(LinkFrontTest, WithBothLinksAbsentAStartFailsAndFurtherStartsWaitForStop) {
  const ScopedEnv noPort("ALACRITY_COM1", MissingPort);
  DeviceLink& front = Front();
  run.checkMode = 0;
  run.stimulusCount = 3;
  run.totalTicks = 40;
  run.done = 1;

  EXPECT_EQ(front.Start(&run), 0);
  EXPECT_EQ(front.StartFailure(),
            std::string("no USB box found; ") + MissingPort + ": No such file or directory");
  EXPECT_EQ(front.Active(), ActiveLink::Serial) << "the fallback stays chosen after it failed";
  // The engine was pointed at the run before the open was tried.
  EXPECT_EQ(run.totalTicks, 0);
  EXPECT_EQ(run.done, 0);
  EXPECT_EQ(run.current, 1);

  driver->ClearCalls();
  EXPECT_EQ(front.Start(&run), 0);
  EXPECT_TRUE(driver->Calls().empty()) << "refused before anything was tried";
  EXPECT_EQ(front.StartFailure(), "the link is still taken: press Stop first");

  front.Stop();
  EXPECT_EQ(front.Active(), ActiveLink::None);
  const ScopedEnv port("ALACRITY_COM1", terminal.Path());
  EXPECT_EQ(front.Start(&run), 1);
  EXPECT_EQ(front.Active(), ActiveLink::Serial);
  EXPECT_EQ(front.StartFailure(), "");
  EXPECT_FALSE(front.StoppedSending());
  terminal.HangUp();
  EXPECT_TRUE(WaitFor([&] { return front.StoppedSending(); }));
  front.Stop();
  EXPECT_FALSE(front.StoppedSending());
}

TEST_F(LinkFrontTest, StopWithNoActiveLinkDoesNothing) {
  DeviceLink& front = Front();
  front.Stop();
  EXPECT_EQ(front.Active(), ActiveLink::None);
  EXPECT_TRUE(driver->Calls().empty());
  EXPECT_EQ(front.Start(nullptr), 0);  // no run to attach: nothing starts
  EXPECT_EQ(front.Active(), ActiveLink::None);
}

TEST_F(LinkFrontTest, TheUsbBoxIsTakenFirstAndTheSerialPortNeverOpened) {
  driver->AddDevice("Another converter");
  const int box = driver->AddDevice("Morva packet");
  DeviceLink& front = Front();
  ASSERT_EQ(front.Start(&run), 1);
  EXPECT_EQ(front.Active(), ActiveLink::Usb);
  EXPECT_TRUE(driver->IsOpen(box));

  // Bytes on the serial line go nowhere; the box's reach the engine.
  ASSERT_TRUE(terminal.Write(1, 50));
  driver->QueueChunk(box, std::vector<uint8_t>(30, 2));
  EXPECT_TRUE(driver->WaitUntilDrained(box, 5000));
  EXPECT_TRUE(WaitFor([&] { return run.totalTicks == 30; }));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(run.totalTicks, 30);
  EXPECT_EQ(run.lastButtons, 2);

  EXPECT_EQ(front.Start(&run), 0);
  front.Stop();
  EXPECT_EQ(front.Active(), ActiveLink::None);
  EXPECT_FALSE(driver->IsOpen(box));
}

TEST_F(LinkFrontTest, ABoxInUseByAnotherProgramIsSkippedForTheSerialPort) {
  const int box = driver->AddDevice("Morva packet");
  DeviceLink& front = Front();
  const int elsewhere = driver->Open(box);  // another program holds it
  ASSERT_NE(elsewhere, -1);
  ASSERT_EQ(front.Start(&run), 1);
  EXPECT_EQ(front.Active(), ActiveLink::Serial);
  front.Stop();
  driver->Close(elsewhere);
}

TEST_F(LinkFrontTest, SerialOnlySkipsTheUsbBoxAndTheSyncLineStaysAlone) {
  driver->AddDevice("Morva packet");
  DeviceLink& front = Front();
  run.serialOnly = 1;
  ASSERT_EQ(front.Start(&run), 1);
  EXPECT_EQ(front.Active(), ActiveLink::Serial);
  EXPECT_TRUE(driver->Calls().empty()) << "the USB converters were not even listed";

  ASSERT_TRUE(terminal.Write(4, 25));
  EXPECT_TRUE(WaitFor([&] { return run.totalTicks == 25; }));
  EXPECT_EQ(run.lastButtons, 4);

  front.SetSyncLine(0);
  front.SetSyncLine(1);
  EXPECT_TRUE(driver->Calls().empty());
  front.Stop();
}

TEST_F(LinkFrontTest, TheSyncLineFollowsTheLevelOnlyWhileUsbRuns) {
  const int box = driver->AddDevice("Morva packet");
  DeviceLink& front = Front();
  front.SetSyncLine(0);  // no link
  EXPECT_TRUE(driver->Calls().empty());

  ASSERT_EQ(front.Start(&run), 1);
  ASSERT_EQ(front.Active(), ActiveLink::Usb);
  front.SetSyncLine(0);
  EXPECT_TRUE(driver->SyncLineAsserted(box));
  front.SetSyncLine(1);
  EXPECT_FALSE(driver->SyncLineAsserted(box));
  front.SetSyncLine(0);
  front.SetSyncLine(7);  // any level but 0 releases
  EXPECT_FALSE(driver->SyncLineAsserted(box));
  front.Stop();

  const int callsAfterStop = SyncCalls();
  front.SetSyncLine(0);
  EXPECT_EQ(SyncCalls(), callsAfterStop);
}

TEST_F(LinkFrontTest, WithoutADriverTheSerialPortIsUsed) {
  DeviceLink front(*data, nullptr);
  ASSERT_EQ(front.Start(&run), 1);
  EXPECT_EQ(front.Active(), ActiveLink::Serial);
  front.Stop();
}

TEST_F(LinkFrontTest, TheKeyboardBoxRunsOnlyWhenChosen) {
  driver->AddDevice("Morva packet");
  DeviceLink& front = Front();
  EXPECT_FALSE(front.UsesKeyboardBox());
  front.UseKeyboardBox(true);
  EXPECT_TRUE(front.UsesKeyboardBox());
  ASSERT_EQ(front.Start(&run), 1);
  EXPECT_EQ(front.Active(), ActiveLink::Keyboard);
  EXPECT_TRUE(driver->Calls().empty());
  front.Keyboard().SetHeldKeys(8);
  EXPECT_TRUE(WaitFor([&] { return run.lastButtons == 8; }));
  front.Stop();
  EXPECT_EQ(front.Active(), ActiveLink::None);
  EXPECT_FALSE(front.Keyboard().IsOpen());

  front.UseKeyboardBox(false);
  ASSERT_EQ(front.Start(&run), 1);
  EXPECT_EQ(front.Active(), ActiveLink::Usb);
  front.Stop();
}

// A light sensor belongs to the box on the serial port; the USB box and the
// keyboard box never have their fifth bit read as one.
TEST_F(LinkFrontTest, OnlyTheSerialPortsBoxKeepsItsLightSensor) {
  const int box = driver->AddDevice("Morva packet");
  const struct {
    const char* name;
    bool keyboard;
    bool serialOnly;
    ActiveLink active;
    int32_t lightSensor;
  } cases[] = {
      {"USB", false, false, ActiveLink::Usb, 0},
      {"keyboard", true, false, ActiveLink::Keyboard, 0},
      {"serial", false, true, ActiveLink::Serial, 1},
  };
  DeviceLink& front = Front();
  for (const auto& c : cases) {
    front.UseKeyboardBox(c.keyboard);
    run.serialOnly = c.serialOnly ? 1 : 0;
    run.lightSensor = 1;
    ASSERT_EQ(front.Start(&run), 1) << c.name;
    EXPECT_EQ(front.Active(), c.active) << c.name;
    EXPECT_EQ(run.lightSensor, c.lightSensor) << c.name;
    if (c.active == ActiveLink::Usb) {
      // Its upper bits light nothing.
      driver->QueueChunk(box, std::vector<uint8_t>(30, 0x11));
      EXPECT_TRUE(WaitFor([&] { return run.lastButtons == 1; }));
      EXPECT_EQ(run.lastLight, 0);
    }
    front.Stop();
  }
}

TEST_F(LinkFrontTest, DestroyingTheFrontStopsTheRunningLink) {
  ASSERT_EQ(Front().Start(&run), 1);
  ASSERT_TRUE(terminal.Write(1, 10));
  ASSERT_TRUE(WaitFor([&] { return run.totalTicks == 10; }));
  testing::ReturnsWithin(std::chrono::seconds(5), "destroying a running front", [&] { link.reset(); });
  ASSERT_TRUE(terminal.Write(1, 10));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(run.totalTicks, 10);
}

TEST(ProcessLink, TheFreeFunctionsDriveTheProcessWideFront) {
  TestTerminal terminal;
  ASSERT_TRUE(terminal.Ok());
  const ScopedEnv com1("ALACRITY_COM1", terminal.Path());
  LinkStop();  // nothing running: nothing happens
  SetSyncLine(0);

  RunState& run = TheRunState();
  run.serialOnly = 1;
  run.portIndex = 0;
  run.checkMode = 1;
  ASSERT_EQ(LinkStart(&run), 1);
  EXPECT_EQ(TheDeviceLink().Active(), ActiveLink::Serial);
  EXPECT_EQ(LinkStart(&run), 0);
  ASSERT_TRUE(terminal.Write(3, 10));
  EXPECT_TRUE(WaitFor([&] { return run.totalTicks == 10; }));
  SetSyncLine(0);  // serial: no line to drive
  LinkStop();
  EXPECT_EQ(TheDeviceLink().Active(), ActiveLink::None);
}

}  // namespace
}  // namespace alacrity
