// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The serial transport: one of the ports COM1..COM5 at 14400 baud, 5 data
// bits, no parity, one stop bit, receive only, with a reader thread that hands
// every received byte to the engine.
//
// SerialOpen and SerialClose belong to one thread (the user-interface
// thread); the reader thread exists only between them and owns the port while
// it runs.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <thread>

#include "engine/engine.h"

namespace alacrity {

inline constexpr int SerialPortCount = 5;
inline constexpr int SerialBaudRate = 14400;
inline constexpr std::size_t SerialReadChunk = 512;

// "COM1".."COM5" for index 0..4, "" otherwise.
std::string SerialPortName(int index);
// The device behind a port: $ALACRITY_COMn when set, else the device
// assigned to it in the settings (AssignSerialDevice), else /dev/ttyS<n-1>.
std::string SerialDevicePath(int index);

// Where the reader hands each received byte, in arrival order: the engine,
// unless a test or a benchmark watches the stream itself.
using ByteSink = void (*)(uint8_t byte);

class SerialLink {
 public:
  SerialLink() = default;
  explicit SerialLink(ByteSink sink) : m_sink(sink) {}
  ~SerialLink();
  SerialLink(const SerialLink&) = delete;
  SerialLink& operator=(const SerialLink&) = delete;

  // 1 when the port is open and its reader runs; 0 when it is already open,
  // missing, in use, or the reader could not start. OpenFailure then says
  // which device and why.
  int SerialOpen(int index);
  // The same for a device named by its path (a port not among COM1..COM5).
  int SerialOpenDevice(const std::string& path);
  // For the operator, after a failed SerialOpen: "/dev/ttyS0: Permission
  // denied". Empty after a successful one.
  const std::string& OpenFailure() const { return m_openFailure; }
  // True once the reader has ended by itself (the device hung up or failed)
  // rather than by SerialClose; no byte arrives any more. Any thread.
  bool ReaderEnded() const { return m_readerEnded.load(); }
  // Stops the reader at once, whether bytes arrive or not, purges and
  // closes. Nothing happens when the port is closed.
  void SerialClose();
  bool IsOpen() const;
  // The device last opened (or tried); "" before the first open.
  const std::string& DevicePath() const { return m_path; }

 private:
  void SerialReader(int port, int wake);
  // The reader's loop: true when it ended for a stop, false when the line
  // failed.
  bool ReadUntilStopOrFailure(int port, int wake);

  ByteSink m_sink = &OnDeviceByte;  // fixed for the life of the link
  std::string m_path;  // user-interface thread only
  int m_fd = -1;      // the port; the reader gets its own copy
  int m_wakeFd = -1;  // eventfd: SerialClose writes it to end the reader's wait
  std::atomic<bool> m_stop{false};          // written by SerialClose
  std::atomic<bool> m_readerReady{false};   // written by the reader once it purged
  std::atomic<bool> m_readerEnded{false};   // written by the reader as it gives up the line
  std::string m_openFailure;                // user-interface thread only
  std::thread m_reader;
};

}  // namespace alacrity
