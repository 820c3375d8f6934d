// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The serial devices of this machine as an operator chooses among them, the
// device each COM port stands for, and the latency timer of FTDI converters
// driven by the kernel (ftdi_sio, /dev/ttyUSBn). The roots of the device and
// sysfs trees are parameters so that tests can use a fake tree.

#include <string>
#include <vector>

namespace alacrity {

struct DeviceRoots {
  std::string dev = "/dev";
  std::string sys = "/sys";
};

// The serial devices present: the stable names in /dev/serial/by-id first,
// by name, then the ttyUSB, ttyACM and ttyS nodes in number order. Paths are
// as the program opens them ("/dev/ttyUSB0"), whatever the roots. A ttyS
// node counts only with a port behind it: the kernel makes its nodes
// whether or not the machine has the UART, and tells them apart by the
// port type in sysfs (0 for none).
std::vector<std::string> ListSerialDevices(const DeviceRoots& roots = {});

// The device a by-id name leads to ("/dev/ttyUSB0"); the path itself for
// anything else.
std::string SerialDeviceTarget(const std::string& path, const DeviceRoots& roots = {});

// The device assigned to COM(index + 1) in the program's settings; "" for
// none, which leaves the port at its standard device. Set by the window
// layer from the user's settings; read when a port opens. Any thread.
void AssignSerialDevice(int index, const std::string& path);
std::string AssignedSerialDevice(int index);

enum class LatencyTimer {
  NotFtdi,   // not a converter driven by ftdi_sio: nothing to do
  Fast,      // already 1 ms
  MadeFast,  // was slower, now 1 ms
  Slow,      // slower and cannot be changed by this user
};

struct LatencyTimerCheck {
  LatencyTimer state = LatencyTimer::NotFtdi;
  int ms = 0;               // the timer as found
  std::string tty;          // "ttyUSB0"
  std::string timerFile;    // "/sys/bus/usb-serial/devices/ttyUSB0/latency_timer"
};

// For a device that is (or leads to) an FTDI converter's ttyUSB node, sets
// its latency timer to 1 ms when it is slower and the file is writable.
LatencyTimerCheck LowerLatencyTimer(const std::string& device, const DeviceRoots& roots = {});

// What the operator is told about a Slow timer: its value, what it costs
// and how to fix it. "" for any other state.
std::string LatencyTimerAdvice(const LatencyTimerCheck& check);

}  // namespace alacrity
