// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_ftdi_driver.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace alacrity::testing {

namespace {

std::string Args(int a) { return "(" + std::to_string(a) + ")"; }
std::string Args(int a, int b) { return "(" + std::to_string(a) + "," + std::to_string(b) + ")"; }

}  // namespace

int FakeFtdiDriver::AddDevice(std::string description, bool openable) {
  const std::lock_guard lock(m_mutex);
  Device& device = m_devices.emplace_back();
  device.description = std::move(description);
  device.openable = openable;
  return static_cast<int>(m_devices.size()) - 1;
}

void FakeFtdiDriver::QueueChunk(int index, std::vector<uint8_t> chunk) {
  {
    const std::lock_guard lock(m_mutex);
    Device& device = m_devices.at(static_cast<std::size_t>(index));
    device.chunks.push_back(std::move(chunk));
    device.waitingForMore = false;
  }
  m_changed.notify_all();
}

void FakeFtdiDriver::Unplug(int index) {
  {
    const std::lock_guard lock(m_mutex);
    m_devices.at(static_cast<std::size_t>(index)).unplugged = true;
  }
  m_changed.notify_all();
}

bool FakeFtdiDriver::WaitUntilDrained(int index, int timeoutMs) {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
    const Device& device = m_devices.at(static_cast<std::size_t>(index));
    return device.nextChunk == device.chunks.size() && device.waitingForMore;
  });
}

std::vector<std::string> FakeFtdiDriver::Calls() const {
  const std::lock_guard lock(m_mutex);
  return m_calls;
}

void FakeFtdiDriver::ClearCalls() {
  const std::lock_guard lock(m_mutex);
  m_calls.clear();
}

int FakeFtdiDriver::ReadCount() const {
  const std::lock_guard lock(m_mutex);
  return m_reads;
}

int FakeFtdiDriver::MisuseCount() const {
  const std::lock_guard lock(m_mutex);
  return m_misuse;
}

bool FakeFtdiDriver::IsOpen(int index) const {
  const std::lock_guard lock(m_mutex);
  return m_devices.at(static_cast<std::size_t>(index)).open;
}

bool FakeFtdiDriver::SecondLineAsserted(int index) const {
  const std::lock_guard lock(m_mutex);
  return m_devices.at(static_cast<std::size_t>(index)).secondLine;
}

bool FakeFtdiDriver::SyncLineAsserted(int index) const {
  const std::lock_guard lock(m_mutex);
  return m_devices.at(static_cast<std::size_t>(index)).syncLine;
}

int FakeFtdiDriver::DeviceCount() {
  const std::lock_guard lock(m_mutex);
  Log("DeviceCount");
  return static_cast<int>(m_devices.size());
}

int FakeFtdiDriver::Open(int index) {
  const std::lock_guard lock(m_mutex);
  int handle = -1;
  if (index >= 0 && index < static_cast<int>(m_devices.size())) {
    Device& device = m_devices[static_cast<std::size_t>(index)];
    if (device.openable && !device.open) {
      device.open = true;
      handle = HandleOf(index);
    }
  }
  Log("Open" + Args(index) + "->" + std::to_string(handle));
  return handle;
}

std::optional<std::string> FakeFtdiDriver::Description(int handle) {
  const std::lock_guard lock(m_mutex);
  Log("Description" + Args(handle));
  const Device* device = OpenDevice(handle);
  if (device == nullptr) return std::nullopt;
  return device->description;
}

void FakeFtdiDriver::Close(int handle) {
  {
    const std::lock_guard lock(m_mutex);
    Log("Close" + Args(handle));
    if (Device* device = OpenDevice(handle)) {
      device->open = false;
      device->secondLine = false;
      device->syncLine = false;
    }
  }
  m_changed.notify_all();
}

void FakeFtdiDriver::SetBaudRate(int handle, int baud) {
  const std::lock_guard lock(m_mutex);
  Log("SetBaudRate" + Args(handle, baud));
  OpenDevice(handle);
}

void FakeFtdiDriver::SetDataCharacteristics(int handle, int wordLength, int stopBits,
                                            int parity) {
  const std::lock_guard lock(m_mutex);
  Log("SetDataCharacteristics(" + std::to_string(handle) + "," + std::to_string(wordLength) +
      "," + std::to_string(stopBits) + "," + std::to_string(parity) + ")");
  OpenDevice(handle);
}

void FakeFtdiDriver::Purge(int handle) {
  const std::lock_guard lock(m_mutex);
  Log("Purge" + Args(handle));
  OpenDevice(handle);
}

void FakeFtdiDriver::SetLatencyTimer(int handle, int ms) {
  const std::lock_guard lock(m_mutex);
  Log("SetLatencyTimer" + Args(handle, ms));
  OpenDevice(handle);
}

int FakeFtdiDriver::Read(int handle, std::span<uint8_t> buffer, int timeoutMs) {
  std::unique_lock lock(m_mutex);
  ++m_reads;
  Device* device = OpenDevice(handle);
  if (device == nullptr) return -1;
  const auto hasChunk = [device] { return device->nextChunk < device->chunks.size(); };
  if (!hasChunk() && !device->unplugged) {
    device->waitingForMore = true;
    m_changed.notify_all();
    m_changed.wait_for(lock, std::chrono::milliseconds(std::max(timeoutMs, 0)),
                       [&] { return hasChunk() || device->unplugged || !device->open; });
  }
  if (!device->open) return -1;
  if (!hasChunk()) {
    if (!device->unplugged) return 0;
    device->waitingForMore = true;  // the reader learns that the device is gone
    m_changed.notify_all();
    return -1;
  }
  const std::vector<uint8_t>& chunk = device->chunks[device->nextChunk];
  const std::size_t count = std::min(buffer.size(), chunk.size() - device->nextByte);
  std::copy_n(chunk.begin() + static_cast<std::ptrdiff_t>(device->nextByte), count,
              buffer.begin());
  device->nextByte += count;
  if (device->nextByte == chunk.size()) {
    ++device->nextChunk;
    device->nextByte = 0;
  }
  return static_cast<int>(count);
}

void FakeFtdiDriver::AssertSecondLine(int handle) {
  const std::lock_guard lock(m_mutex);
  Log("AssertSecondLine" + Args(handle));
  if (Device* device = OpenDevice(handle)) device->secondLine = true;
}

void FakeFtdiDriver::AssertSyncLine(int handle) {
  const std::lock_guard lock(m_mutex);
  Log("AssertSyncLine" + Args(handle));
  if (Device* device = OpenDevice(handle)) device->syncLine = true;
}

void FakeFtdiDriver::ReleaseSyncLine(int handle) {
  const std::lock_guard lock(m_mutex);
  Log("ReleaseSyncLine" + Args(handle));
  if (Device* device = OpenDevice(handle)) device->syncLine = false;
}

FakeFtdiDriver::Device* FakeFtdiDriver::OpenDevice(int handle) {
  const int index = handle - FirstHandle;
  if (index >= 0 && index < static_cast<int>(m_devices.size()) &&
      m_devices[static_cast<std::size_t>(index)].open) {
    return &m_devices[static_cast<std::size_t>(index)];
  }
  ++m_misuse;
  return nullptr;
}

void FakeFtdiDriver::Log(std::string call) { m_calls.push_back(std::move(call)); }

}  // namespace alacrity::testing
