// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// An FtdiDriver without hardware: a list of converters with descriptions,
// some of which cannot be opened, each with a script of byte chunks that its
// reads deliver. Every call except Read is logged in order as text, e.g.
// "Open(1)->11", "SetBaudRate(11,14400)". Thread-safe: the link's reader
// reads and drives the sync line while the test thread looks on.
//
// The handle of device i is 10 + i, so that a handle passed where an index
// belongs (or the reverse) shows up. Opening a device that is already open
// fails, as with the real library, which also shows a handle left open.
// Calls on a handle that is not open are counted as misuse.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <deque>
#include <vector>

#include "link/ftdi_driver.h"

namespace alacrity::testing {

class FakeFtdiDriver final : public FtdiDriver {
 public:
  static constexpr int FirstHandle = 10;
  static int HandleOf(int index) { return FirstHandle + index; }

  // Adds a converter; returns its index.
  int AddDevice(std::string description, bool openable = true);
  // Appends a chunk that one Read of device `index` delivers whole (split
  // only when the reader's buffer is smaller).
  void QueueChunk(int index, std::vector<uint8_t> chunk);
  // Once its queued chunks are read, the device reports itself gone (-1)
  // instead of waiting for more.
  void Unplug(int index);

  // Waits until every queued chunk of device `index` has been read and the
  // reader has come back for more (or found the device gone), i.e. all bytes
  // were handed over. False after `timeoutMs`.
  bool WaitUntilDrained(int index, int timeoutMs);

  std::vector<std::string> Calls() const;
  void ClearCalls();
  int ReadCount() const;
  int MisuseCount() const;
  bool IsOpen(int index) const;
  bool SecondLineAsserted(int index) const;
  bool SyncLineAsserted(int index) const;

  // FtdiDriver
  int DeviceCount() override;
  int Open(int index) override;
  std::optional<std::string> Description(int handle) override;
  void Close(int handle) override;
  void SetBaudRate(int handle, int baud) override;
  void SetDataCharacteristics(int handle, int wordLength, int stopBits, int parity) override;
  void Purge(int handle) override;
  void SetLatencyTimer(int handle, int ms) override;
  int Read(int handle, std::span<uint8_t> buffer, int timeoutMs) override;
  void AssertSecondLine(int handle) override;
  void AssertSyncLine(int handle) override;
  void ReleaseSyncLine(int handle) override;

 private:
  struct Device {
    std::string description;
    bool openable = true;
    bool open = false;
    bool unplugged = false;
    bool secondLine = false;
    bool syncLine = false;
    std::vector<std::vector<uint8_t>> chunks;
    std::size_t nextChunk = 0;
    std::size_t nextByte = 0;   // within chunks[nextChunk]
    bool waitingForMore = false;  // a Read found nothing left to deliver
  };

  // The open device behind `handle`, or null (counted as misuse).
  Device* OpenDevice(int handle);
  void Log(std::string call);

  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<Device> m_devices;  // a deque keeps a reader's Device* valid
  std::vector<std::string> m_calls;
  int m_reads = 0;
  int m_misuse = 0;
};

}  // namespace alacrity::testing
