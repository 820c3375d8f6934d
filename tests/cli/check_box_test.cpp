// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// alacrity-cli check-box against the box simulator: a sound box, one whose
// clock is slow, one whose bytes stall, one that falls silent, one that
// sends garbage, one that sends nothing, and a file that is no box.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "cli_runner.h"
#include "link/box_simulator.h"

namespace alacrity {
namespace {

using testing::CliResult;
using testing::RunCli;

// Three seconds of a box sending `stream` (over and over when `loop`; then
// no button held, unless the options end streaming with it).
CliResult CheckBox(const BoxSimulatorOptions& options, std::vector<uint8_t> stream = {},
                   bool loop = false) {
  BoxSimulator box;
  EXPECT_TRUE(box.Open());
  EXPECT_TRUE(box.Start(std::make_unique<RecordedStream>(std::move(stream), loop), options));
  return RunCli({"check-box", "--device", box.DevicePath(), "--seconds", "3"});
}

TEST(CheckBoxTest, ASoundBoxPasses) {
  // A machine busy with other work can hold the reader back for 20 ms
  // itself, which the check rightly reports as a gap; the rate stays right
  // whatever the load. A sound box passes on one of three tries.
  CliResult sound;
  for (int attempt = 0; attempt < 3 && sound.exitCode != 0; ++attempt) {
    sound = CheckBox({});
    ASSERT_EQ(sound.out.find("! Box rate"), std::string::npos) << sound.out;
  }
  if (sound.exitCode != 0 && sound.out.find("! Longest gap") != std::string::npos) {
    GTEST_SKIP() << "this machine held the reader back three times: " << sound.out;
  }
  EXPECT_EQ(sound.exitCode, 0) << sound.out << sound.err;
  EXPECT_NE(sound.out.find("The box is sound."), std::string::npos) << sound.out;
}

TEST(CheckBoxTest, EachFaultFailsWithItsMarkedLine) {
  const CliResult slow = CheckBox({.bytesPerSecond = 1300});
  EXPECT_EQ(slow.exitCode, 1) << slow.out;
  constexpr std::string_view RateLine = "! Box rate: ";
  const std::size_t rateAt = slow.out.find(RateLine);
  ASSERT_NE(rateAt, std::string::npos) << slow.out;
  EXPECT_NEAR(std::stod(slow.out.substr(rateAt + RateLine.size())), 1300.0, 5.0) << slow.out;
  EXPECT_NE(slow.out.find("The box is not sound."), std::string::npos) << slow.out;

  const CliResult stalled = CheckBox({.stallAfterBytes = 1440, .stallMs = 100});
  EXPECT_EQ(stalled.exitCode, 1) << stalled.out;
  constexpr std::string_view GapLine = "! Longest gap between bytes: ";
  const std::size_t gapAt = stalled.out.find(GapLine);
  ASSERT_NE(gapAt, std::string::npos) << stalled.out;
  EXPECT_GE(std::stod(stalled.out.substr(gapAt + GapLine.size())), 100.0) << stalled.out;
  EXPECT_NE(stalled.out.find("Bytes arrived in bursts"), std::string::npos) << stalled.out;

  // Two seconds of bytes, then nothing for the last second of the check.
  const CliResult fellSilent = CheckBox({.idleAfterEnd = false}, std::vector<uint8_t>(2880, 0));
  EXPECT_EQ(fellSilent.exitCode, 1) << fellSilent.out;
  EXPECT_NE(fellSilent.out.find("! No bytes for the last "), std::string::npos) << fellSilent.out;

  std::vector<uint8_t> garbage(4096);
  std::mt19937 random(11);
  for (uint8_t& byte : garbage) byte = static_cast<uint8_t>(random());
  const CliResult noise = CheckBox({}, std::move(garbage), true);
  EXPECT_EQ(noise.exitCode, 1) << noise.out;
  EXPECT_NE(noise.out.find("! Button changes: "), std::string::npos) << noise.out;
}

TEST(CheckBoxTest, AFileThatIsNoCharacterDeviceIsRefused) {
  testing::TempDir directory;
  const std::string file = (directory / "box.bin").string();
  testing::WriteAll(file, std::string(100'000, '\x01'));
  const CliResult result = RunCli({"check-box", "--device", file});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "Cannot open the response box's port: " + file +
                            ": not a character device, so no serial port\n");
}

// After the restart a box may make as its port opens, and a second more.
TEST(CheckBoxTest, APortWithNoBoxBehindItSaysSo) {
  BoxSimulator silent;
  ASSERT_TRUE(silent.Open());
  const CliResult result = RunCli({"check-box", "--device", silent.DevicePath()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "No bytes from the response box on " + silent.DevicePath() + ".\n");
}

TEST(CheckBoxTest, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"check-box", "--port", "6"},
        {"check-box", "--seconds", "0.5"},
        {"check-box", "--port", "1", "--usb"},
        {"check-box", "--device", "/dev/null", "--port", "2"}}) {
    EXPECT_EQ(RunCli(arguments).exitCode, 2) << arguments[1];
  }
}

}  // namespace
}  // namespace alacrity
