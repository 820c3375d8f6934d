// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The serial transport end to end over a pseudo-terminal: the test writes the
// box's bytes on the controlling side, the real SerialLink reads the device.

#include "link/serial_link.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "engine/engine.h"
#include "hang_guard.h"
#include "link/serial_port.h"
#include "test_terminal.h"

namespace alacrity {
namespace {

using testing::ReturnsWithin;
using testing::ScopedEnv;
using testing::TestTerminal;
using testing::WaitFor;

constexpr auto HangLimit = std::chrono::seconds(5);

// What the recording sink saw. The vector is written by the reader and read
// by the test only after SerialClose has joined it; the count is polled.
std::vector<uint8_t> g_received;
std::atomic<int> g_receivedCount{0};

void Record(uint8_t byte) {
  g_received.push_back(byte);
  g_receivedCount.fetch_add(1);
}

std::chrono::microseconds ProcessCpuTime() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto total = [](const timeval& t) {
    return std::chrono::seconds(t.tv_sec) + std::chrono::microseconds(t.tv_usec);
  };
  return total(usage.ru_utime) + total(usage.ru_stime);
}

TEST(SerialPortNaming, NamesAndDevicesOfTheFivePorts) {
  EXPECT_EQ(SerialPortName(0), "COM1");
  EXPECT_EQ(SerialPortName(4), "COM5");
  EXPECT_EQ(SerialPortName(5), "");
  EXPECT_EQ(SerialPortName(-1), "");

  const ScopedEnv noOverride("ALACRITY_COM2", "");
  EXPECT_EQ(SerialDevicePath(1), "/dev/ttyS1");
  const ScopedEnv adapter("ALACRITY_COM5", "/dev/ttyUSB0");
  EXPECT_EQ(SerialDevicePath(4), "/dev/ttyUSB0");
  EXPECT_EQ(SerialDevicePath(5), "");
  EXPECT_EQ(SerialDevicePath(-1), "");
}

// What the box needs, worked out from a terminal in its usual cooked state.
TEST(SerialLineSettings, BoxFramingRawInputAndNoFlowControl) {
  serial_port::LineFlags cooked;
  cooked.input = ICRNL | IXON | IXOFF | IGNPAR | PARMRK | ISTRIP | BRKINT | IGNBRK;
  cooked.output = OPOST | ONLCR;
  cooked.control = B9600 | CS7 | PARENB | PARODD | CSTOPB | CRTSCTS | HUPCL;
  cooked.local = ICANON | ECHO | ECHOE | ISIG | IEXTEN;
  cooked.minBytes = 1;
  cooked.timeoutDeciseconds = 5;
  cooked.inputSpeed = cooked.outputSpeed = 9600;

  const serial_port::LineFlags box = serial_port::BoxLineFlags(cooked);
  EXPECT_TRUE(serial_port::UsesCustomRate(box.control));
  EXPECT_EQ(box.outputSpeed, 14400u);
  EXPECT_EQ(box.inputSpeed, 14400u);
  EXPECT_EQ(serial_port::DataBits(box.control), 5);
  EXPECT_EQ(box.control & CSIZE, static_cast<tcflag_t>(CS5));
  EXPECT_EQ(box.control & (PARENB | PARODD | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(box.control & (CREAD | CLOCAL), static_cast<tcflag_t>(CREAD | CLOCAL));
  EXPECT_NE(box.control & HUPCL, 0u) << "what the box does not care about stays";

  EXPECT_NE(box.input & INPCK, 0u) << "parity checking on, with no parity bit";
  EXPECT_EQ(box.input & (ICRNL | IXON | IXOFF | IGNPAR | PARMRK | ISTRIP | BRKINT | IGNBRK), 0u);
  EXPECT_EQ(box.output & OPOST, 0u);
  EXPECT_EQ(box.local & (ICANON | ECHO | ECHOE | ISIG | IEXTEN), 0u);
  EXPECT_EQ(box.minBytes, 0);
  EXPECT_EQ(box.timeoutDeciseconds, 0);
}

class SerialLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(terminal.Ok());
    g_received.clear();
    g_receivedCount = 0;
  }

  // A device check: every byte only counts and shows its buttons.
  void AttachCheckRun() {
    run.checkMode = 1;
    AttachEngine(run, *data);
  }

  TestTerminal terminal;
  ScopedEnv com1{"ALACRITY_COM1", terminal.Path()};
  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState run;
};

TEST_F(SerialLinkTest, OpenAppliesTheBoxSettingsToTheDevice) {
  SerialLink link(&Record);
  ASSERT_EQ(link.SerialOpen(0), 1);
  const auto settings = serial_port::ReadLineFlags(terminal.Master());
  ASSERT_TRUE(settings.has_value());
  EXPECT_TRUE(serial_port::UsesCustomRate(settings->control));
  EXPECT_EQ(settings->outputSpeed, 14400u);
  EXPECT_EQ(settings->inputSpeed, 14400u);
  // A pseudo-terminal takes the rate but keeps 8 data bits whatever is
  // asked; a real port has 5 here.
  EXPECT_TRUE(serial_port::DataBits(settings->control) == 5 ||
              serial_port::DataBits(settings->control) == 8);
  EXPECT_EQ(settings->control & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(settings->control & (CREAD | CLOCAL), static_cast<tcflag_t>(CREAD | CLOCAL));
  EXPECT_NE(settings->input & INPCK, 0u);
  EXPECT_EQ(settings->input & (IXON | IXOFF | ICRNL | PARMRK | ISTRIP), 0u);
  EXPECT_EQ(settings->local & (ICANON | ECHO | ISIG), 0u);
  link.SerialClose();
}

TEST_F(SerialLinkTest, SecondOpenIsRefusedAndCloseWhenClosedDoesNothing) {
  SerialLink link(&Record);
  link.SerialClose();  // closed: nothing happens
  EXPECT_FALSE(link.IsOpen());

  ASSERT_EQ(link.SerialOpen(0), 1);
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(link.SerialOpen(0), 0);
  EXPECT_EQ(link.SerialOpen(1), 0);
  // The refused opens left the running link alone.
  ASSERT_TRUE(terminal.Write(7, 10));
  EXPECT_TRUE(WaitFor([] { return g_receivedCount == 10; }));

  link.SerialClose();
  EXPECT_FALSE(link.IsOpen());
  link.SerialClose();
  EXPECT_FALSE(link.IsOpen());
  // Closed means closed for good: it opens again like new.
  EXPECT_EQ(link.SerialOpen(0), 1);
  link.SerialClose();
}

TEST_F(SerialLinkTest, MissingPortsAndIndexesOutOfRangeFailAndChangeNothing) {
  SerialLink link(&Record);
  EXPECT_EQ(link.SerialOpen(-1), 0);
  EXPECT_EQ(link.SerialOpen(5), 0);
  EXPECT_EQ(link.OpenFailure(), "no serial port number 6");
  const ScopedEnv missing("ALACRITY_COM2", "/nonexistent/alacrity-port");
  EXPECT_EQ(link.SerialOpen(1), 0);
  EXPECT_EQ(link.OpenFailure(), "/nonexistent/alacrity-port: No such file or directory");
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(link.SerialOpen(0), 1);
  EXPECT_EQ(link.OpenFailure(), "");
  EXPECT_EQ(link.SerialOpen(0), 0);
  EXPECT_EQ(link.OpenFailure(), terminal.Path() + ": already open");
  link.SerialClose();
  EXPECT_FALSE(link.ReaderEnded()) << "a stop is no failure of the line";
}

TEST_F(SerialLinkTest, PortIndexTwoOpensTheDeviceOfCom3) {
  const ScopedEnv com1Missing("ALACRITY_COM1", "/nonexistent/alacrity-port");
  const ScopedEnv com3("ALACRITY_COM3", terminal.Path());
  SerialLink link(&Record);
  ASSERT_EQ(link.SerialOpen(2), 1);
  ASSERT_TRUE(terminal.Write(1, 5));
  EXPECT_TRUE(WaitFor([] { return g_receivedCount == 5; }));
  link.SerialClose();
}

TEST_F(SerialLinkTest, AnotherProgramCannotOpenTheClaimedPort) {
  if (::geteuid() == 0) GTEST_SKIP() << "the exclusive claim does not bind root";
  SerialLink link(&Record);
  ASSERT_EQ(link.SerialOpen(0), 1);
  SerialLink other(&Record);
  EXPECT_EQ(other.SerialOpen(0), 0);
  link.SerialClose();
}

TEST_F(SerialLinkTest, EveryByteArrivesOnceAndInOrder) {
  // Every byte value, including those a cooked terminal would swallow or
  // translate (^C, XON, XOFF, CR, LF), in writes smaller and larger than the
  // reader's chunk.
  std::vector<uint8_t> sent(3000);
  for (std::size_t i = 0; i < sent.size(); ++i) sent[i] = static_cast<uint8_t>(i * 37 + 11);
  SerialLink link(&Record);
  ASSERT_EQ(link.SerialOpen(0), 1);
  std::size_t at = 0;
  for (const std::size_t size : {1u, 7u, 513u, 1024u, 60u, 1395u}) {
    ASSERT_TRUE(terminal.Write(std::span(sent).subspan(at, size)));
    at += size;
  }
  ASSERT_EQ(at, sent.size());
  EXPECT_TRUE(WaitFor([&] { return g_receivedCount == static_cast<int>(sent.size()); }));
  link.SerialClose();
  EXPECT_EQ(g_received, sent);
}

TEST_F(SerialLinkTest, TheEngineCountsEveryByteAndSeesTheLatestButtons) {
  AttachCheckRun();
  SerialLink link;
  ASSERT_EQ(link.SerialOpen(0), 1);
  ASSERT_TRUE(terminal.Write(0, 1000));
  ASSERT_TRUE(terminal.Write(0xF5, 1));  // the upper bits are no buttons
  EXPECT_TRUE(WaitFor([&] { return run.totalTicks == 1001; }));
  EXPECT_EQ(run.lastButtons, 5);
  link.SerialClose();
  EXPECT_EQ(run.totalTicks, 1001);
}

TEST_F(SerialLinkTest, StopWhileNoByteArrivesReturns) {
  SerialLink link(&Record);
  ASSERT_EQ(link.SerialOpen(0), 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));  // the reader waits in poll()
  ReturnsWithin(HangLimit, "SerialClose on a silent port", [&] { link.SerialClose(); });
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(g_receivedCount, 0);
}

TEST_F(SerialLinkTest, HangUpMidRunKeepsTheAnswersAndStopStillEnds) {
  // Two circles shown at once; the first is answered with button 1 at the
  // 100th byte (69 ms), then the line goes dead.
  for (const std::size_t i : {1u, 2u}) {
    data->results.generationMs[i] = 0;
    data->results.objectIndex[i] = 0;
  }
  run.stimulusCount = 2;
  run.phase = WaitStart;
  AttachEngine(run, *data);
  SerialLink link;
  ASSERT_EQ(link.SerialOpen(0), 1);
  ASSERT_TRUE(terminal.Write(1, 1));   // any button starts
  ASSERT_TRUE(terminal.Write(0, 100)); // released, then 99 bytes that never count
  ASSERT_TRUE(terminal.Write(1, 1));   // the 100th byte of the response count
  ASSERT_TRUE(terminal.Write(0, 20));
  ASSERT_TRUE(WaitFor([&] { return run.totalTicks == 122; }));
  EXPECT_EQ(run.current, 2);
  EXPECT_FALSE(link.ReaderEnded());

  terminal.HangUp();
  EXPECT_TRUE(WaitFor([&] { return link.ReaderEnded(); })) << "the window must learn of it";
  // The reader ends instead of spinning on the hang-up. A reader that spun
  // would use the whole interval; this bound only catches that.
  const auto cpuBefore = ProcessCpuTime();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_LT(ProcessCpuTime() - cpuBefore, std::chrono::milliseconds(150));

  EXPECT_TRUE(link.IsOpen()) << "the link stays open until it is stopped";
  ReturnsWithin(HangLimit, "SerialClose after a hang-up", [&] { link.SerialClose(); });
  EXPECT_EQ(data->results.responseMs[1], 69);
  EXPECT_EQ(data->results.buttonIndex[1], 1);
  EXPECT_EQ(run.current, 2);
  EXPECT_EQ(run.done, 0);
  EXPECT_EQ(run.totalTicks, 122);
}

TEST_F(SerialLinkTest, NoByteIsDeliveredAfterCloseReturns) {
  AttachCheckRun();
  SerialLink link;
  ASSERT_EQ(link.SerialOpen(0), 1);
  std::atomic<bool> stopWriting{false};
  std::thread box([&] {
    const std::vector<uint8_t> burst(64, 3);
    while (!stopWriting.load()) {
      if (terminal.WriteSome(burst) < 0) return;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });
  EXPECT_TRUE(WaitFor([&] { return run.totalTicks > 2000; }));
  ReturnsWithin(HangLimit, "SerialClose while bytes stream in", [&] { link.SerialClose(); });
  const int32_t atClose = run.totalTicks;
  std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the box keeps sending
  EXPECT_EQ(run.totalTicks, atClose);
  stopWriting = true;
  box.join();
}

}  // namespace
}  // namespace alacrity
