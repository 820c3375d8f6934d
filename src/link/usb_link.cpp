// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usb_link.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <system_error>
#include <thread>

#include "engine/engine.h"
#include "engine/host_clock.h"

namespace alacrity {

namespace {

// The box frames 5 data bits, one stop bit (code 0), no parity (code 0).
constexpr int BoxWordLength = 5;
constexpr int OneStopBit = 0;
constexpr int NoParity = 0;

// The converter's default latency timer of 16 ms holds received bytes back
// until it runs out; each new phase would reach the screen up to 16 ms late,
// and every measured response time would grow by that. 1 ms is its minimum.
constexpr int LatencyTimerMs = 1;

// How long one read may wait for the first byte. The box's stream wakes the
// reader about every millisecond; this bound only matters when the stream
// stops (box unplugged from the converter), and it is how soon a stop is
// noticed then.
constexpr int ReaderWaitMs = 20;

// The longest the reader leaves bytes in the converter on purpose: its
// receive buffer holds 256 bytes, 177 ms of the box.
constexpr int64_t LongestReadPauseNs = 100'000'000;

}  // namespace

UsbLink::~UsbLink() { UsbClose(); }

int UsbLink::UsbFindDevice(std::string_view description) {
  const int count = m_driver.DeviceCount();
  for (int index = 0; index < count; ++index) {
    const int handle = m_driver.Open(index);
    if (handle == -1) continue;  // in use by another program, or no permission
    // Byte for byte and in full: a trailing blank or another letter case is
    // another device.
    const std::optional<std::string> found = m_driver.Description(handle);
    if (found && *found == description) return handle;
    m_driver.Close(handle);
  }
  return -1;
}

int UsbLink::UsbProbe() {
  const int handle = UsbFindDevice(BoxDescription);
  if (handle == -1) return 0;
  m_driver.Close(handle);
  return 1;
}

int UsbLink::UsbOpen() {
  // m_handle and m_reader are written by the user-interface thread only; the
  // reader reads m_handle, which is set before it starts.
  if (m_handle.load() != -1) {
    m_openFailure = "USB box: already open";
    return 0;
  }
  m_stop.store(false);
  m_readerEnded.store(false);
  m_recoveredErrors.store(0);
  m_longestGapMs.store(0);
  const int handle = UsbFindDevice(BoxDescription);
  if (handle == -1) {
    m_openFailure = "no USB box found";
    return 0;
  }

  // Results are not checked: a converter that refuses a setting still
  // delivers what it receives, and the open is what decides.
  m_driver.SetBaudRate(handle, UsbBaudRate);
  m_driver.SetDataCharacteristics(handle, BoxWordLength, OneStopBit, NoParity);
  m_driver.Purge(handle);
  m_driver.SetLatencyTimer(handle, LatencyTimerMs);
  m_driver.AssertSecondLine(handle);
  m_driver.AssertSyncLine(handle);

  m_handle.store(handle);
  try {
    m_reader = std::thread(&UsbLink::UsbReader, this);
  } catch (const std::system_error&) {
    // Without a reader nothing would ever close the device again, and every
    // later open would be refused: give it back and report the failure.
    m_handle.store(-1);
    m_driver.Close(handle);
    m_openFailure = "USB box: the reader thread could not start";
    return 0;
  }
  m_openFailure.clear();
  return 1;
}

void UsbLink::UsbClose() {
  if (!m_reader.joinable()) return;
  // Written by the user-interface thread, read by the reader between reads;
  // each read waits at most ReaderWaitMs, so the join below is bounded even
  // when the box has gone silent or the converter was unplugged.
  m_stop.store(true);
  m_reader.join();
  m_driver.Close(m_handle.exchange(-1));
}

void UsbLink::SetSyncLine(int level) {
  // The reader calls this (through the engine) while the device is open;
  // the user-interface thread calls it only between open and close, which
  // run on that same thread.
  const int handle = m_handle.load();
  if (handle == -1) return;
  if (level == 0) {
    m_driver.AssertSyncLine(handle);
  } else {
    m_driver.ReleaseSyncLine(handle);
  }
}

std::optional<int> UsbLink::LatencyTimer() {
  const int handle = m_handle.load();
  if (handle == -1) return std::nullopt;
  return m_driver.LatencyTimer(handle);
}

UsbReceptionHealth UsbLink::Health() const {
  return {m_recoveredErrors.load(), m_longestGapMs.load()};
}

void UsbLink::UsbReader() {
  using Clock = std::chrono::steady_clock;
  const int handle = m_handle.load();
  // Whatever queued up between the open and now belongs to no run.
  m_driver.Purge(handle);
  std::array<uint8_t, UsbReadChunk> buffer{};
  auto lastBytesAt = Clock::now();
  bool recovering = false;
  int failuresInARow = 0;
  int64_t pauseNs = 0;
  while (!m_stop.load()) {
    if (pauseNs > 0) {
      // In steps no longer than one read's wait, so a stop is as prompt.
      const auto end = Clock::now() + std::chrono::nanoseconds(pauseNs);
      for (auto now = Clock::now(); now < end && !m_stop.load(); now = Clock::now()) {
        std::this_thread::sleep_for(std::min<Clock::duration>(end - now, std::chrono::milliseconds(ReaderWaitMs)));
      }
      OnReadPauseEnded(MonotonicNowNs());
      lastBytesAt = Clock::now();
      pauseNs = 0;
      continue;
    }
    const int got = m_driver.Read(handle, buffer, ReaderWaitMs);
    if (got == FtdiReadRecovered) {
      // A stall or an overrun: the converter is still there, so reception
      // goes on; the run merely misses the bytes of that transfer. One that
      // keeps failing is retried once a millisecond rather than spun on.
      m_recoveredErrors.fetch_add(1);
      recovering = true;
      if (++failuresInARow > 1) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      continue;
    }
    // The device is gone: deliver nothing more. The link stays open until
    // the user stops it; the window polls the end to say so.
    if (got < 0) {
      m_readerEnded.store(true);
      break;
    }
    failuresInARow = 0;
    if (got > 0) {
      const auto now = Clock::now();
      if (recovering) {
        const auto gapMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(now - lastBytesAt).count();
        if (gapMs > m_longestGapMs.load()) m_longestGapMs.store(static_cast<int32_t>(gapMs));
        recovering = false;
      }
      lastBytesAt = now;
    }
    const auto count = std::min(static_cast<std::size_t>(got), buffer.size());
    if (count > 0 && m_sink == &OnDeviceByte) OnBytesReceived(MonotonicNowNs(), count);
    for (std::size_t i = 0; i < count; ++i) m_sink(buffer[i]);
    // A full buffer may have left more in the converter: read on at once then.
    if (count > 0 && count < buffer.size() && m_sink == &OnDeviceByte) {
      pauseNs = ReadPauseNs(LongestReadPauseNs);
    }
  }
}

}  // namespace alacrity
