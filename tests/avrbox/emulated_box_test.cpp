// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// alacrity-avrbox, the firmware on a simulated chip in real time, read by
// alacrity-cli as any serial box is read: a whole test comes out exactly as
// the bytes the firmware sent dictate (its light onsets too, with a light
// sensor), and check-box calls the box sound,
// its restart on the port's opening included; a pipe tells it what the
// light sensor sees; and the window's self-test passes on it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "../cli/cli_runner.h"
#include "light_reference.h"
#include "running_box.h"

namespace alacrity {
namespace {

using ::testing::HasSubstr;
using testing::CliResult;
using testing::RunningBox;
using testing::RunCli;
using testing::TempDir;

TEST(EmulatedBox, AWholeTestGivesExactlyTheTimesOfTheBytesTheFirmwareSent) {
  TempDir dir;
  const std::string sent = (dir / "sent.bin").string();
  const std::vector<std::string> run = {"run", "--count", "3", "--seed", "5", "--time", "1173103389"};
  {
    RunningBox box(
        {"--script", "300:1:100 400:2:80 500:3:120 600:4:90 700:1+L:100", "--record", sent});
    ASSERT_FALSE(box.Device().empty());
    std::vector<std::string> fromBox = run;
    fromBox.insert(fromBox.end(), {"--device", box.Device(), "-o", (dir / "box.aly").string()});
    const CliResult live = RunCli(fromBox, {.limit = std::chrono::seconds(60)});
    ASSERT_EQ(live.exitCode, 0) << live.err;
    EXPECT_THAT(live.out, HasSubstr("3 of 3 stimuli answered"));
  }

  // The same set-up fed the bytes the firmware sent since its restart.
  std::vector<std::string> fromBytes = run;
  fromBytes.insert(fromBytes.end(), {"--stream", sent, "-o", (dir / "bytes.aly").string()});
  ASSERT_EQ(RunCli(fromBytes).exitCode, 0);
  EXPECT_EQ(testing::ReadAll(dir / "box.aly"), testing::ReadAll(dir / "bytes.aly"));
}

// The record of `run` (a header row, then one row per stimulus): the
// column named `name` of every row, as numbers; empty fields as 0.
std::vector<int64_t> Column(const std::string& csv, const std::string& name) {
  std::vector<std::vector<std::string>> rows;
  std::string line;
  for (std::istringstream lines(csv); std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string>& fields = rows.emplace_back();
    std::string field;
    for (std::istringstream cells(line); std::getline(cells, field, ',');) fields.push_back(field);
  }
  std::vector<int64_t> values;
  if (rows.empty()) return values;
  const auto at = std::find(rows[0].begin(), rows[0].end(), name) - rows[0].begin();
  for (std::size_t row = 1; row < rows.size(); ++row) {
    const std::string& field = rows[row].at(static_cast<std::size_t>(at));
    values.push_back(field.empty() ? 0 : std::stoll(field));
  }
  return values;
}

// `run --light-sensor`: the record notes each stimulus's light onset exactly
// where the bytes the firmware sent put it.
TEST(EmulatedBox, ARunWithTheLightSensorNotesEachLightOnsetWhereTheBytesPutIt) {
  TempDir dir;
  const std::string sent = (dir / "sent.bin").string();
  // The sensor sees light for 40 ms in every 80; a button every 1.2 s.
  std::string script;
  for (int step = 0; step < 14; ++step) script += "40:L:40 ";
  script += "40:1+L:40";
  {
    RunningBox box({"--script", script, "--loop", "--record", sent});
    ASSERT_FALSE(box.Device().empty());
    const CliResult live =
        RunCli({"run", "--count", "3", "--seed", "5", "--device", box.Device(), "--light-sensor",
                "-o", (dir / "box.aly").string()},
               {.limit = std::chrono::seconds(60)});
    ASSERT_EQ(live.exitCode, 0) << live.err;
  }
  const std::string record = testing::ReadAll(dir / "box.timing.csv");
  const std::vector<int64_t> onsets = Column(record, "onset_byte");
  const std::vector<int64_t> lights = Column(record, "light_byte");
  ASSERT_EQ(onsets.size(), 3u) << record;
  EXPECT_THAT(Column(record, "light_sensor"), ::testing::Each(1));
  const std::string bytes = testing::ReadAll(sent);
  for (std::size_t i = 0; i < onsets.size(); ++i) {
    EXPECT_NE(lights[i], 0) << "stimulus " << i + 1;
    EXPECT_EQ(lights[i], testing::FirstLightAfter(bytes, static_cast<int32_t>(onsets[i])))
        << "stimulus " << i + 1;
  }
}

TEST(EmulatedBox, CheckBoxCallsItSoundThoughItRestartsWhenItsPortOpens) {
  // The older Nano bootloader waits longer than Optiboot's second.
  CliResult check;
  for (int attempt = 0; attempt < 3 && check.exitCode != 0; ++attempt) {
    RunningBox box({"--boot-ms", "1800"});
    ASSERT_FALSE(box.Device().empty());
    check = RunCli({"check-box", "--device", box.Device(), "--seconds", "2"});
    ASSERT_THAT(check.out, HasSubstr("Response box on")) << check.out;
    ASSERT_EQ(check.out.find("! Box rate"), std::string::npos) << check.out;
  }
  // A machine busy with other work can hold the reader (or the chip) back
  // for 20 ms itself, which the check rightly reports as a gap.
  if (check.exitCode != 0 && check.out.find("! Longest gap") != std::string::npos) {
    GTEST_SKIP() << "this machine held the reader back three times: " << check.out;
  }
  EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
  EXPECT_THAT(check.out, HasSubstr("The box is sound."));
}

// Reads bytes from the box until one satisfies `wanted`; false after 2880
// bytes (two seconds) or two seconds without any.
template <typename Wanted>
bool ReadUntil(int device, Wanted wanted) {
  for (int read = 0; read < 2880;) {
    pollfd ready{device, POLLIN, 0};
    if (::poll(&ready, 1, 2000) != 1) return false;
    uint8_t byte = 0;
    if (::read(device, &byte, 1) != 1) return false;
    if (wanted(byte)) return true;
    ++read;
  }
  return false;
}

// A program under test tells what its screen shows under the light sensor.
TEST(EmulatedBox, WhatAPipeSaysOfTheScreenLightsTheSensorsBit) {
  TempDir dir;
  const std::string pipe = (dir / "light").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  RunningBox box({"--no-reset", "--light-from", pipe});
  ASSERT_FALSE(box.Device().empty());
  const int device = ::open(box.Device().c_str(), O_RDONLY | O_NOCTTY);
  const int screen = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
  ASSERT_GE(device, 0);
  ASSERT_GE(screen, 0);
  EXPECT_TRUE(ReadUntil(device, [](uint8_t byte) { return byte == 0; }));
  ASSERT_EQ(::write(screen, "1", 1), 1);
  EXPECT_TRUE(ReadUntil(device, [](uint8_t byte) { return byte == 0x10; }));
  ASSERT_EQ(::write(screen, "0", 1), 1);
  EXPECT_TRUE(ReadUntil(device, [](uint8_t byte) { return byte == 0; }));
  ::close(screen);
  ::close(device);
}

// The window's own check of the station: the device check, then a test of
// three stimuli, each opening of the port restarting the box.
TEST(EmulatedBox, TheWindowsSelfTestPassesOnIt) {
  RunningBox box({"--script", "300:1+2+3+4:150", "--loop"});
  ASSERT_FALSE(box.Device().empty());
  TempDir home;
  const std::vector<std::string> environment = {
      "ALACRITY_COM1=" + box.Device(), "QT_QPA_PLATFORM=offscreen", "HOME=" + home.path().string(),
      "XDG_CONFIG_HOME=" + (home / "config").string(), "XDG_RUNTIME_DIR=" + home.path().string(),
      "TZ=UTC", "LC_ALL=C"};
  const CliResult result = testing::RunProgram(ALACRITY_PROGRAM, {"--self-test"}, &environment,
                                               {.limit = std::chrono::seconds(120)});
  EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
  EXPECT_THAT(result.out, HasSubstr("test: 3 of 3 stimuli answered"));
  EXPECT_THAT(result.out, HasSubstr("self-test passed"));
}

}  // namespace
}  // namespace alacrity
