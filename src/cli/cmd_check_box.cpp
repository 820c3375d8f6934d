// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// check-box: opens the response box without a window, lets it send for a
// while and says whether its bytes arrive as a sound box sends them: at 1440
// a second against the host clock, without long gaps, to the end, with no
// button stuck and the buttons changing no faster than fingers can.
// Nothing is recorded.

#include <CLI/CLI.hpp>

#include <chrono>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "commands.h"
#include "data/document_data.h"
#include "engine/box_silence.h"
#include "engine/engine.h"
#include "engine/host_clock.h"
#include "engine/timing_record.h"
#include "link/ftdi_driver.h"
#include "link/serial_link.h"
#include "link/usb_link.h"
#include "results/box_check.h"
#include "results/timing_report.h"
#include "toolsupport/exit_codes.h"

namespace alacrity::cli {
namespace {

constexpr auto PollStep = std::chrono::milliseconds(20);

struct CheckOptions {
  std::optional<int> port;
  std::string device;
  bool usb = false;
  double seconds = 5.0;
};

// Whichever transport the options name, opened for a device check.
class OpenBox {
 public:
  // Opens the box; false (reason printed) when it cannot be opened.
  bool Open(const CheckOptions& options) {
    if (options.device.empty() && !options.port) {
      // The program's own order: a USB box when one is attached, else COM1.
      m_ftdi = MakeLibFtdiDriver();
      m_usb = std::make_unique<UsbLink>(*m_ftdi);
      if (!options.usb && m_usb->UsbProbe() == 0) return OpenSerial(SerialDevicePath(0));
      m_name = "USB";
      if (m_usb->UsbOpen() == 1) return true;
      std::cerr << "No response box on USB: no converter with the description \""
                << BoxDescription << "\" could be opened.\n";
      return false;
    }
    return OpenSerial(options.device.empty() ? SerialDevicePath(*options.port - 1) : options.device);
  }

  void Close() {
    if (m_usb) m_usb->UsbClose();
    m_serial.SerialClose();
  }

  const std::string& Name() const { return m_name; }
  std::optional<int> LatencyTimer() { return m_usb ? m_usb->LatencyTimer() : std::nullopt; }

 private:
  bool OpenSerial(const std::string& path) {
    m_usb.reset();
    m_name = path;
    if (m_serial.SerialOpenDevice(path) == 1) return true;
    std::cerr << "Cannot open the response box's port: " << m_serial.OpenFailure() << "\n";
    return false;
  }

  std::unique_ptr<FtdiDriver> m_ftdi;
  std::unique_ptr<UsbLink> m_usb;
  SerialLink m_serial;
  std::string m_name;
};

int CheckBox(const CheckOptions& options) {
  auto document = std::make_unique<DocumentData>();
  auto record = std::make_unique<TimingRecord>();
  RunState run;
  run.checkMode = 1;
  UseTimingRecord(record.get());
  AttachEngine(run, *document);

  OpenBox box;
  if (!box.Open(options)) {
    UseTimingRecord(nullptr);
    return ExitRefused;
  }
  const int64_t openedNs = MonotonicNowNs();
  // The check lasts as asked from the box's first byte: one that restarts
  // as its port opens is silent for a while before it.
  const auto measuring = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::duration<double>(options.seconds))
                             .count();
  bool silent = false;
  while (true) {
    std::this_thread::sleep_for(PollStep);
    const ByteArrival arrival = record->Arrival();
    if (arrival.bytes == 0 && BoxIsSilent(arrival, openedNs, MonotonicNowNs())) {
      silent = true;
      break;
    }
    if (arrival.bytes > 0 && MonotonicNowNs() - arrival.firstNs >= measuring) break;
  }
  // Bytes stop coming with the close; the silence before it counts.
  const int64_t endNs = MonotonicNowNs();
  const std::optional<int> latency = box.LatencyTimer();
  box.Close();
  const ByteArrival arrival = record->Arrival();
  UseTimingRecord(nullptr);

  if (silent || arrival.bytes == 0) {
    std::cout << "No bytes from the response box on " << box.Name() << ".\n";
    return ExitRefused;
  }
  std::cout << "Response box on " << box.Name() << "\n";
  std::cout << "Bytes: " << arrival.bytes << " in "
            << FormatFixed(static_cast<double>(arrival.lastNs - arrival.firstNs) / 1e9, 2)
            << " s\n";
  const BoxCheckVerdict verdict = JudgeBoxCheck(arrival, endNs);
  for (const TimingLine& line : verdict.lines) {
    std::cout << (line.marked ? "! " : "") << line.text << "\n";
    if (line.marked) std::cout << "  " << line.meaning << "\n";
  }
  if (latency) std::cout << "Converter latency timer: " << *latency << " ms\n";
  std::cout << (verdict.sound ? "The box is sound.\n" : "The box is not sound.\n");
  return verdict.sound ? ExitOk : ExitRefused;
}

}  // namespace

Command AddCheckBoxCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "check-box",
      "Open the response box, measure its byte rate against the host clock, the longest gap "
      "between its bytes and how its buttons change, and say whether it is sound (exit 0) or not "
      "(exit 1)");
  auto options = std::make_shared<CheckOptions>();
  auto* port = command->add_option("--port", options->port, "Serial port COM1..COM5 by number")
                   ->check(CLI::Range(1, 5));
  auto* device = command->add_option("--device", options->device, "Serial device, e.g. /dev/ttyUSB0");
  auto* usb = command->add_flag("--usb", options->usb, "The USB response box only");
  port->excludes(device, usb);
  device->excludes(port, usb);
  usb->excludes(port, device);
  command->add_option("--seconds", options->seconds, "How long to measure (default 5)")
      ->check(CLI::Range(2.0, 3600.0));
  return {PrintsOnly, [options] { return CheckBox(*options); }};
}

}  // namespace alacrity::cli
