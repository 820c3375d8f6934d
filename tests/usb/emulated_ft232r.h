// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// An FT232R USB serial converter emulated at the usbdevfs level, so that
// libusb, libftdi1 and the project's libftdi driver run unchanged against
// it. umockdev provides the sysfs tree and the device nodes; this class
// answers every ioctl libusb sends to a node: descriptors and strings,
// claiming the interface, the converter's vendor requests (reset, purge,
// baud-rate divisor, line properties, modem control, latency timer) and
// bulk-in transfers, which return packets of two modem-status bytes followed
// by the status bytes the box sent, at 1440 bytes a second, as the chip
// forms them: a full packet as soon as 62 bytes wait, a short one when its
// latency timer runs out.
//
// The process must run with umockdev's preload library (libumockdev-preload)
// loaded; RunUnderUmockdev re-executes the program with it when it is not.
//
// Threads: umockdev answers the ioctls on a worker thread of its own; a
// chip thread of this class fills the receive buffer and completes bulk-in
// transfers once a millisecond. Everything they share is under m_mutex, and
// the test thread reads it through the accessors below.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/box_simulator.h"

namespace alacrity::testing {

// Makes sure umockdev's preload library is loaded: when it is not, execs
// this program again with it in LD_PRELOAD and does not return (unless that
// fails, which is reported and returns false). True when already loaded.
bool RunUnderUmockdev(int argc, char** argv);

// One control transfer as the chip received it.
struct ControlTransfer {
  uint8_t requestType = 0;
  uint8_t request = 0;
  uint16_t value = 0;
  uint16_t index = 0;
  std::chrono::steady_clock::time_point at;
};

// FTDI's vendor requests (bRequest of requestType 0x40 / 0xC0).
inline constexpr uint8_t FtdiReset = 0x00;
inline constexpr uint8_t FtdiModemControl = 0x01;
inline constexpr uint8_t FtdiSetBaudRate = 0x03;
inline constexpr uint8_t FtdiSetData = 0x04;
inline constexpr uint8_t FtdiSetLatencyTimer = 0x09;
// wValue of a reset: 2 empties what waits for the host (libftdi's
// "tciflush"), 1 what waits for the serial line.
inline constexpr uint16_t FtdiPurgeToHost = 2;
inline constexpr uint16_t FtdiPurgeToLine = 1;

// The FT232R's baud-rate divisor in eighths of its 3 MHz base clock, from a
// SET_BAUD_RATE request's value and index; 0 for the special codes.
uint32_t Ft232rDivisorEighths(uint16_t value, uint16_t index);

class EmulatedFt232r {
 public:
  static constexpr int64_t BytesPerSecond = 1440;
  static constexpr std::size_t PacketSize = 64;
  static constexpr std::size_t ReceiveBufferSize = 256;  // the FT232R's receive FIFO

  EmulatedFt232r();
  ~EmulatedFt232r();
  EmulatedFt232r(const EmulatedFt232r&) = delete;
  EmulatedFt232r& operator=(const EmulatedFt232r&) = delete;

  // Adds a converter with this product string (its "description") on the
  // next free port; returns its number, 0 for the first. Call before the
  // program under test lists the bus.
  int AddConverter(const std::string& product, const std::string& serial);

  // From now on converter `n` receives `source`'s bytes at 1440 a second,
  // then zeros (a box left switched on), until unplugged. Without a source
  // it receives zeros from the start.
  void Stream(int n, std::unique_ptr<BoxByteSource> source);

  // The next bulk-in transfer of converter `n` ends with this status
  // (-EPIPE: the endpoint stalls and stays halted until CLEAR_HALT; any
  // other, e.g. -EOVERFLOW or -EPROTO: that transfer's data is lost).
  void FailNextBulkIn(int n, int negativeErrno);
  // The converter is pulled out: transfers in flight end with -EPROTO,
  // every later ioctl fails with ENODEV.
  void Unplug(int n);

  std::vector<ControlTransfer> ControlTransfers(int n) const;
  int ClearHaltCount(int n) const;
  // libftdi claims the interface as it opens the converter and releases it
  // as it closes it.
  bool InterfaceClaimed(int n) const;
  uint8_t LatencyTimerMs(int n) const;  // 16 after power-up
  bool Rts(int n) const;
  int64_t BytesDelivered(int n) const;  // to the host
  int64_t BytesLost(int n) const;       // receive buffer overrun, purges and failed transfers

  // Called (on the chip thread) with each byte as it leaves the chip for the
  // host, in order, with the time it had arrived from the box; for
  // measuring delivery delays.
  using DeliveryHook =
      std::function<void(uint8_t byte, std::chrono::steady_clock::time_point arrivedAt)>;
  void OnDelivery(int n, DeliveryHook hook);

  struct Converter;  // public for the ioctl callbacks only
  struct Shared;

 private:
  std::unique_ptr<Shared> m_shared;
};

}  // namespace alacrity::testing
