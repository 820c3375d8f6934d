// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The platform half of the serial transport: opening a port with the box's
// line settings, purging it and closing it. On Linux 14400 baud is no standard
// rate and needs termios2 with BOTHER, whose header (<asm/termbits.h>) cannot
// live beside <termios.h>; it is confined to serial_port_posix.cpp, and this
// header speaks in plain integers so that either world can include it.

#include <cstdint>
#include <optional>
#include <string>

namespace alacrity::serial_port {

// The line discipline words of a terminal, as the kernel's termios2 holds
// them.
struct LineFlags {
  uint32_t input = 0;
  uint32_t output = 0;
  uint32_t control = 0;
  uint32_t local = 0;
  uint8_t minBytes = 0;             // VMIN
  uint8_t timeoutDeciseconds = 0;   // VTIME
  uint32_t inputSpeed = 0;
  uint32_t outputSpeed = 0;
};

// The box's settings applied to what the port had: 14400 baud as a custom
// rate, 5 data bits, no parity but parity checking on, one stop bit, receiver
// on, modem status lines ignored, raw input, no flow control of any kind,
// reads that return at once. Bits the box does not care about stay as the
// port had them.
LineFlags BoxLineFlags(const LineFlags& port);

// True when the control word selects a custom rate (BOTHER).
bool UsesCustomRate(uint32_t control);
// Data bits per character selected by the control word: 5..8.
int DataBits(uint32_t control);

// The settings in force on an open terminal; nothing when it is not one.
std::optional<LineFlags> ReadLineFlags(int fd);

// Opens `path` read/write, non-blocking, without making it the controlling
// terminal, claims it exclusively, applies BoxLineFlags, asserts DTR and RTS
// and purges both queues. -1 (errno set) when the device cannot be opened;
// ENOTTY when it is no character device (a regular file, a pipe).
// A device that opens but refuses the settings or the modem lines (a
// pseudo-terminal has no modem lines) is still used, as nothing else could be
// done about it.
int OpenBoxPort(const std::string& path);

// Discards whatever is queued in either direction.
void Purge(int fd);

// Gives up the exclusive claim and closes the descriptor.
void ClosePort(int fd);

}  // namespace alacrity::serial_port
