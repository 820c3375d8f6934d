// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The libftdi driver without hardware (no converter needs to be attached),
// and the packet layout its reads undo.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <vector>

#include "hang_guard.h"
#include "link/ftdi_driver.h"
#include "link/ftdi_packets.h"

namespace alacrity {
namespace {

using testing::ReturnsWithin;

TEST(LibFtdiDriverTest, UnknownDevicesAndHandlesAreHarmless) {
  const auto driver = MakeLibFtdiDriver();
  ASSERT_NE(driver, nullptr);
  int count = -1;
  const auto start = std::chrono::steady_clock::now();
  // No USB at all (a container without usbfs) must be "no device", quickly.
  ReturnsWithin(std::chrono::seconds(30), "DeviceCount", [&] { count = driver->DeviceCount(); });
  std::printf("DeviceCount() = %d in %.1f ms\n", count,
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count());
  EXPECT_GE(count, 0);
  EXPECT_EQ(driver->Open(-1), -1);
  EXPECT_EQ(driver->Open(count), -1) << "one past the last device";

  constexpr int NotAHandle = 12345;
  std::array<uint8_t, 16> buffer{};
  EXPECT_EQ(driver->Description(NotAHandle), std::nullopt);
  EXPECT_EQ(driver->Read(NotAHandle, buffer, 10), -1);
  driver->SetBaudRate(NotAHandle, 14400);
  driver->SetDataCharacteristics(NotAHandle, 5, 0, 0);
  driver->Purge(NotAHandle);
  driver->SetLatencyTimer(NotAHandle, 1);
  driver->AssertSecondLine(NotAHandle);
  driver->AssertSyncLine(NotAHandle);
  driver->ReleaseSyncLine(NotAHandle);
  driver->Close(NotAHandle);
}

// Packets as a full-speed converter sends them: two status bytes (0x31 0x60
// here), then the characters.
std::vector<uint8_t> Packet(std::vector<uint8_t> characters) {
  characters.insert(characters.begin(), {0x31, 0x60});
  return characters;
}

TEST(FtdiPacketsTest, StatusBytesOfEveryPacketAreDropped) {
  std::vector<uint8_t> raw = Packet({});
  EXPECT_EQ(CompactFtdiPayload(raw, 64), 0u) << "status only: nothing received";

  raw = Packet({7, 8, 9});
  ASSERT_EQ(CompactFtdiPayload(raw, 64), 3u);
  EXPECT_EQ(std::vector<uint8_t>(raw.begin(), raw.begin() + 3), (std::vector<uint8_t>{7, 8, 9}));

  // Two full packets and a short one, then the characters in order.
  std::vector<uint8_t> characters(62 * 2 + 5);
  std::iota(characters.begin(), characters.end(), uint8_t{1});
  raw.clear();
  for (std::size_t at = 0; at < characters.size(); at += 62) {
    const auto end = std::min(at + 62, characters.size());
    const auto packet = Packet({characters.begin() + static_cast<std::ptrdiff_t>(at),
                                characters.begin() + static_cast<std::ptrdiff_t>(end)});
    raw.insert(raw.end(), packet.begin(), packet.end());
  }
  ASSERT_EQ(CompactFtdiPayload(raw, 64), characters.size());
  EXPECT_EQ(std::vector<uint8_t>(raw.begin(), raw.begin() + static_cast<std::ptrdiff_t>(
                                                               characters.size())),
            characters);
}

TEST(FtdiPacketsTest, OddSizesGiveNothingOrWhatIsThere) {
  std::vector<uint8_t> raw = {0x31};  // a cut-off status
  EXPECT_EQ(CompactFtdiPayload(raw, 64), 0u);
  raw = Packet({5, 6});
  EXPECT_EQ(CompactFtdiPayload(raw, 2), 0u) << "a packet size without room for characters";
  EXPECT_EQ(CompactFtdiPayload({}, 64), 0u);
  // A full packet followed by a status-only one: the characters stay.
  std::vector<uint8_t> full(62, 0xAA);
  raw = Packet(full);
  const auto empty = Packet({});
  raw.insert(raw.end(), empty.begin(), empty.end());
  EXPECT_EQ(CompactFtdiPayload(raw, 64), 62u);
}

}  // namespace
}  // namespace alacrity
