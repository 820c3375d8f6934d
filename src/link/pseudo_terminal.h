// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The far end of a serial line without hardware: a pseudo-terminal whose
// device a program opens as the box's port, while the box side writes the
// status bytes into it. Used by the box simulator and the box emulator.

#include <cstdint>
#include <span>
#include <string>

namespace alacrity {

class PseudoTerminal {
 public:
  PseudoTerminal() = default;
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  // Creates the terminal. False (errno set) when none is available or it is
  // already open.
  bool Open();
  // The device to open as the box's serial port ("/dev/pts/N"); "" when
  // closed.
  const std::string& DevicePath() const { return m_devicePath; }

  // Writes the bytes without blocking; what the terminal's full queue
  // (nobody reading) cannot take is dropped, as a real line loses it.
  // Returns how many were taken.
  std::size_t Write(std::span<const uint8_t> bytes);

  // Waits until whoever reads the device has taken every byte written, for
  // at most `timeoutMs`. False on timeout.
  bool WaitUntilRead(int timeoutMs) const;

  // Closes the terminal; the reading side sees a hang-up.
  void Close();

 private:
  int m_master = -1;  // the box side: the bytes are written here
  // Our own handle on the device: keeps the terminal's settings and queue in
  // place while the program under test opens and closes the port, and lets
  // WaitUntilRead see the queue.
  int m_slave = -1;
  std::string m_devicePath;
};

}  // namespace alacrity
