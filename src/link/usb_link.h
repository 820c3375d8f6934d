// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The USB transport: finds the response box among the attached FTDI
// converters by its description and runs a reader thread that hands every
// received byte to the engine.

#include <atomic>
#include <optional>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>

#include "ftdi_driver.h"
#include "serial_link.h"  // ByteSink

namespace alacrity {

inline constexpr std::string_view BoxDescription = "Morva packet";
inline constexpr int UsbBaudRate = 14400;
inline constexpr std::size_t UsbReadChunk = 1024;

// How reception went since the box was last opened: transfers that failed
// and were recovered from (stalls, overruns), and the longest stretch of
// host time without bytes that such a failure caused. The bytes lost in it
// are ticks the engine never counted.
struct UsbReceptionHealth {
  int32_t recoveredErrors = 0;
  int32_t longestGapMs = 0;
};

class UsbLink {
 public:
  explicit UsbLink(FtdiDriver& driver) : m_driver(driver) {}
  UsbLink(FtdiDriver& driver, ByteSink sink) : m_driver(driver), m_sink(sink) {}
  ~UsbLink();
  UsbLink(const UsbLink&) = delete;
  UsbLink& operator=(const UsbLink&) = delete;

  // Opens every attached device in turn and returns the open handle of the
  // first whose description equals `description` byte for byte, or -1.
  int UsbFindDevice(std::string_view description);
  // 1 when the box is attached (it is closed again), else 0.
  int UsbProbe();
  // 1 when the box is open, configured and its reader runs; 0 when it is
  // already open or not found. OpenFailure then says why.
  int UsbOpen();
  // For the operator, after a failed UsbOpen; empty after a successful one.
  const std::string& OpenFailure() const { return m_openFailure; }
  // True once the reader has ended because the device is gone, rather than
  // by UsbClose; no byte arrives any more. Any thread.
  bool ReaderEnded() const { return m_readerEnded.load(); }
  // Stops the reader (bounded time, even with the box unplugged) and closes.
  void UsbClose();
  // Level 0 asserts the sync line, anything else releases it; nothing when
  // closed. Called from the UI thread and, through the engine, the reader.
  void SetSyncLine(int level);
  // The converter's latency timer in ms while open; nothing otherwise.
  std::optional<int> LatencyTimer();
  // Any thread; figures of the current or the last run.
  UsbReceptionHealth Health() const;

 private:
  void UsbReader();

  FtdiDriver& m_driver;
  ByteSink m_sink = &OnDeviceByte;  // fixed for the life of the link
  std::atomic<int> m_handle{-1};
  std::atomic<bool> m_stop{false};
  std::atomic<bool> m_readerEnded{false};  // written by the reader when the device goes
  std::string m_openFailure;               // user-interface thread only
  // Written by the reader, read by anyone; reset by UsbOpen before the
  // reader starts.
  std::atomic<int32_t> m_recoveredErrors{0};
  std::atomic<int32_t> m_longestGapMs{0};
  std::thread m_reader;
};

}  // namespace alacrity
