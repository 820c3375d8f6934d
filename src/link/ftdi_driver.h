// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The operations the USB link needs of an FTDI converter library, so that the
// link can run against libftdi1 or against a fake in tests. Handles are small
// integers; -1 is no device.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace alacrity {

inline constexpr int FtdiReadRecovered = -2;

class FtdiDriver {
 public:
  virtual ~FtdiDriver() = default;

  virtual int DeviceCount() = 0;
  // The handle of the opened device, or -1 when it cannot be opened (in use,
  // no permission).
  virtual int Open(int index) = 0;
  // The device's description string as the converter reports it.
  virtual std::optional<std::string> Description(int handle) = 0;
  virtual void Close(int handle) = 0;

  virtual void SetBaudRate(int handle, int baud) = 0;
  virtual void SetDataCharacteristics(int handle, int wordLength, int stopBits, int parity) = 0;
  // Empties the receive and transmit buffers.
  virtual void Purge(int handle) = 0;
  // Sets how long the converter holds received bytes back before sending a
  // short packet.
  virtual void SetLatencyTimer(int handle, int ms) = 0;
  // The latency timer the converter reports, in ms; nothing when it cannot
  // be read (or the driver cannot tell).
  virtual std::optional<int> LatencyTimer(int /*handle*/) { return std::nullopt; }
  // Reads what is waiting into `buffer`, waiting at most `timeoutMs` for the
  // first byte. The count read; 0 on timeout; -1 when the device is gone;
  // FtdiReadRecovered when a transfer failed but the converter is usable
  // again (a stall cleared, an overrun dropped): the bytes of that transfer
  // are lost and reading goes on.
  virtual int Read(int handle, std::span<uint8_t> buffer, int timeoutMs) = 0;

  // Line control A: asserts the second modem line at open.
  virtual void AssertSecondLine(int handle) = 0;
  // Line controls B and C: assert and release the sync line.
  virtual void AssertSyncLine(int handle) = 0;
  virtual void ReleaseSyncLine(int handle) = 0;
};

// libftdi1 over libusb.
std::unique_ptr<FtdiDriver> MakeLibFtdiDriver();

}  // namespace alacrity
