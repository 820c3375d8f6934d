// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Serial devices of a fake /dev and /sys tree, the COM port assignment and
// the latency timer of converters behind ftdi_sio.

#include "link/serial_devices.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "link/serial_link.h"
#include "test_terminal.h"

namespace alacrity {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnv;

class SerialDevicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/alacrity-devices-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    root = pattern;
    fs::permissions(root, fs::perms::all & ~fs::perms::others_write & ~fs::perms::group_write);
    roots = {(root / "dev").string(), (root / "sys").string()};
    fs::create_directories(root / "dev/serial/by-id");
  }
  void TearDown() override {
    fs::remove_all(root);
    for (int index = 0; index < SerialPortCount; ++index) AssignSerialDevice(index, "");
  }

  void Node(const std::string& name) { std::ofstream(root / "dev" / name).put('\0'); }
  void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
  }
  void UartType(const std::string& tty, int type) {
    Write(root / "sys/class/tty" / tty / "type", std::to_string(type) + "\n");
  }
  fs::path TimerFile(const std::string& tty) {
    return root / "sys/bus/usb-serial/devices" / tty / "latency_timer";
  }
  std::string Read(const fs::path& file) {
    std::string text;
    std::getline(std::ifstream(file), text);
    return text;
  }

  fs::path root;
  DeviceRoots roots;
};

TEST_F(SerialDevicesTest, StableNamesFirstThenNodesInNumberOrderAndOnlyRealUarts) {
  for (const char* name : {"ttyS1", "ttyUSB10", "ttyACM0", "ttyS0", "ttyUSB2", "tty0", "null",
                           "ttyUSBx", "ttyS4"}) {
    Node(name);
  }
  UartType("ttyS0", 4);  // a 16550A
  UartType("ttyS1", 0);  // a node without a UART
  fs::create_symlink("../../ttyUSB2", root / "dev/serial/by-id/usb-FTDI_FT232R_USB_UART_B2-if00-port0");
  fs::create_symlink("../../ttyUSB10", root / "dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0");

  const std::vector<std::string> expected = {
      "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0",
      "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_B2-if00-port0",
      "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyS0",
      "/dev/ttyS4",  // no sysfs entry: kept, nothing says there is no port
  };
  EXPECT_EQ(ListSerialDevices(roots), expected);
  EXPECT_EQ(SerialDeviceTarget(expected[0], roots), "/dev/ttyUSB10");
  EXPECT_EQ(SerialDeviceTarget("/dev/ttyS0", roots), "/dev/ttyS0");
  EXPECT_TRUE(ListSerialDevices({(root / "none").string(), roots.sys}).empty());
}

TEST_F(SerialDevicesTest, TheEnvironmentOverridesTheAssignmentWhichOverridesTheStandardPort) {
  AssignSerialDevice(1, "/dev/ttyUSB0");
  AssignSerialDevice(7, "/dev/ttyUSB9");  // no such port: ignored
  EXPECT_EQ(SerialDevicePath(0), "/dev/ttyS0");
  EXPECT_EQ(SerialDevicePath(1), "/dev/ttyUSB0");
  const ScopedEnv com2("ALACRITY_COM2", "/dev/pts/4");
  EXPECT_EQ(SerialDevicePath(1), "/dev/pts/4");
  AssignSerialDevice(1, "");
  EXPECT_EQ(AssignedSerialDevice(1), "");
}

TEST_F(SerialDevicesTest, TheLatencyTimerOfAnFtdiPortIsLoweredOnlyWhereNeeded) {
  for (const char* name : {"ttyUSB0", "ttyUSB1", "ttyACM0"}) Node(name);
  fs::create_symlink("../../ttyUSB0", root / "dev/serial/by-id/usb-FTDI_A1-if00-port0");
  Write(TimerFile("ttyUSB0"), "16\n");
  Write(TimerFile("ttyUSB1"), "1\n");

  LatencyTimerCheck check = LowerLatencyTimer("/dev/serial/by-id/usb-FTDI_A1-if00-port0", roots);
  EXPECT_EQ(check.state, LatencyTimer::MadeFast);
  EXPECT_EQ(check.ms, 16);
  EXPECT_EQ(check.tty, "ttyUSB0");
  EXPECT_EQ(Read(TimerFile("ttyUSB0")), "1");
  EXPECT_EQ(LowerLatencyTimer("/dev/ttyUSB0", roots).state, LatencyTimer::Fast);
  EXPECT_EQ(LowerLatencyTimer("/dev/ttyUSB1", roots).state, LatencyTimer::Fast);
  EXPECT_EQ(LowerLatencyTimer("/dev/ttyACM0", roots).state, LatencyTimer::NotFtdi);
  EXPECT_EQ(LowerLatencyTimer("/dev/ttyUSB7", roots).state, LatencyTimer::NotFtdi) << "absent";
  EXPECT_EQ(LatencyTimerAdvice(check), "");
}

TEST_F(SerialDevicesTest, ATimerThisUserMayNotChangeIsReportedWithItsFix) {
  Node("ttyUSB3");
  Write(TimerFile("ttyUSB3"), "16\n");
  fs::permissions(TimerFile("ttyUSB3"), fs::perms::owner_read | fs::perms::group_read |
                                            fs::perms::others_read);
  // Root may write any file, so the check runs as an unprivileged user.
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(3);
    const LatencyTimerCheck check = LowerLatencyTimer("/dev/ttyUSB3", roots);
    const std::string advice = LatencyTimerAdvice(check);
    const bool ok = check.state == LatencyTimer::Slow && check.ms == 16 &&
                    advice.find("is 16 ms") != std::string::npos &&
                    advice.find("echo 1 | sudo tee /sys/bus/usb-serial/devices/ttyUSB3/"
                                "latency_timer") != std::string::npos;
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_EQ(Read(TimerFile("ttyUSB3")), "16");
}

}  // namespace
}  // namespace alacrity
