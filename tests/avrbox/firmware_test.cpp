// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The response box's firmware on a simulated ATmega328P run faster than real
// time, from the .elf and from the very .hex flashed onto a board: its tick,
// its line, and where each input lands in the status byte.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "avrbox/emulated_chip.h"
#include "avrbox/press_timeline.h"

namespace alacrity {
namespace {

struct SentByte {
  uint8_t byte;
  uint64_t cycle;
};

class FirmwareTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    std::string error;
    chip = EmulatedChip::Load(GetParam(), error);
    ASSERT_TRUE(chip) << error;
    chip->SetByteSink([this](uint8_t byte, uint64_t cycle) { sent.push_back({byte, cycle}); });
  }

  // Runs until `count` more bytes have been sent (or twice their time has
  // passed without them) and returns the last.
  uint8_t RunBytes(std::size_t count) {
    const std::size_t wanted = sent.size() + count;
    const uint64_t limit = chip->Cycle() + 2 * 11111 * (count + 1);
    while (sent.size() < wanted && chip->Cycle() < limit) {
      if (!chip->RunUntil(chip->Cycle() + 1000)) break;
    }
    EXPECT_EQ(sent.size(), wanted);
    return sent.empty() ? 0xFF : sent.back().byte;
  }

  std::unique_ptr<EmulatedChip> chip;
  std::vector<SentByte> sent;
};

TEST_P(FirmwareTest, SendsOneByteEveryTickWithoutACycleOfDrift) {
  RunBytes(1);
  // 16 MHz / 11111 = 1440.0144 bytes a second.
  ASSERT_EQ(chip->TickCycles(), 11111);
  EXPECT_TRUE(chip->WatchdogOn());
  constexpr std::size_t Periods = 100'000;
  sent.reserve(Periods + 1);
  RunBytes(Periods);
  ASSERT_EQ(sent.size(), Periods + 1);
  // Byte n is due n ticks after the first. The simulator wakes a sleeping
  // chip one cycle after a timer falls due, now and then in the same cycle,
  // so a single byte may be a cycle early; the compare match itself never
  // moves, so nothing adds up.
  std::size_t offBeat = 0;
  for (std::size_t n = 0; n < sent.size(); ++n) {
    const auto due = static_cast<int64_t>(sent.front().cycle + n * 11111);
    const int64_t off = static_cast<int64_t>(sent[n].cycle) - due;
    if (off < -1 || off > 1) ++offBeat;
  }
  EXPECT_EQ(offBeat, 0u);
  EXPECT_EQ(sent.back().cycle - sent.front().cycle, Periods * 11111);
}

TEST_P(FirmwareTest, TheLineIsFiveDataBitsNoParityOneStopNear14400Baud) {
  RunBytes(1);
  const LineSettings line = chip->Line();
  EXPECT_TRUE(line.transmitting);
  EXPECT_EQ(line.dataBits, 5);
  EXPECT_FALSE(line.parity);
  EXPECT_EQ(line.stopBits, 1);
  EXPECT_EQ(line.divisor, 68);
  EXPECT_FALSE(line.doubleSpeed);
  EXPECT_NEAR(line.baud / 14400.0, 1.0, 0.01);
  // A frame starts only on a bit of the baud clock: ten whole bits must fit
  // a tick, or some frames would follow the one before after nine bits and a
  // converter reading 7 or 8 data bits would take the next start bit for a
  // missing stop bit.
  const int bitCycles = (line.doubleSpeed ? 8 : 16) * (line.divisor + 1);
  EXPECT_LE(10 * bitCycles, chip->TickCycles());
}

TEST_P(FirmwareTest, EachButtonAndTheLightSensorLandOnTheirBit) {
  EXPECT_EQ(RunBytes(3), 0) << "idle inputs read as held: no pull-ups?";
  for (const int inputs : {0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}) {
    chip->SetInputs(static_cast<uint8_t>(inputs));
    EXPECT_EQ(RunBytes(2), inputs);
    chip->SetInputs(0);
    EXPECT_EQ(RunBytes(2), 0) << inputs;
  }
}

TEST_P(FirmwareTest, AScriptedPressShowsFromTheFirstTickAfterItToTheFirstAfterItsRelease) {
  std::string error;
  const auto steps = ParsePressScript("10:2+L:5", error);
  ASSERT_TRUE(steps) << error;
  PressTimeline timeline(*steps, false, chip->Cycle());
  chip->SetInputSource([&timeline] { return timeline.Next(); });
  const uint64_t press = MillisecondsToCycles(10);
  const uint64_t release = MillisecondsToCycles(15);
  ASSERT_TRUE(chip->RunUntil(*timeline.EndCycle() + 3 * 11111));
  std::size_t held = 0;
  for (const SentByte& byte : sent) {
    // The pins are read a few cycles after each compare match, before the
    // byte goes to the UART.
    const bool down = byte.cycle > press && byte.cycle <= release;
    EXPECT_EQ(byte.byte, down ? 0x12 : 0) << byte.cycle;
    held += down ? 1 : 0;
  }
  EXPECT_EQ(held, 7u);  // 5 ms of 1440 ticks a second
}

INSTANTIATE_TEST_SUITE_P(CompiledAndFlashed, FirmwareTest,
                         ::testing::Values(ALACRITY_FIRMWARE_ELF, ALACRITY_FIRMWARE_HEX));

TEST(EmulatedChipLoad, AFileWithoutAProgramIsRefusedWithTheReason) {
  std::string error;
  EXPECT_EQ(EmulatedChip::Load("/nonexistent/box.hex", error), nullptr);
  EXPECT_EQ(error, "/nonexistent/box.hex: No such file or directory");
  EXPECT_EQ(EmulatedChip::Load(ALACRITY_TEST_DATA_DIR "/small.aly", error), nullptr);
  EXPECT_EQ(error, ALACRITY_TEST_DATA_DIR
            "/small.aly: no AVR program in it (an .elf or .hex built for the ATmega328P is needed)");
}

}  // namespace
}  // namespace alacrity
