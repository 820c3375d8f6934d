// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What all four programs of the package share: --version with the legal
// notice, and a failure, not silence, when standard output takes nothing.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"
#include "program/legal_notice.h"

namespace alacrity {
namespace {

using ::testing::HasSubstr;
using testing::RunProgram;
using testing::StandardOutput;

struct Program {
  const char* name;
  const char* path;
};

constexpr Program Programs[] = {
    {"alacrity", ALACRITY_PROGRAM},
    {"alacrity-cli", ALACRITY_CLI},
    {"alacrity-report", ALACRITY_REPORT},
    {"alacrity-boxsim", ALACRITY_BOXSIM},
    {"alacrity-avrbox", ALACRITY_AVRBOX},
};

TEST(Programs, VersionShowsTheLegalNotice) {
  for (const Program& program : Programs) {
    const auto result = RunProgram(program.path, {"--version"});
    EXPECT_EQ(result.exitCode, 0) << program.name << result.err;
    EXPECT_EQ(result.out, VersionText(program.name) + "\n") << program.name;
  }
}

TEST(Programs, HelpAndVersionFailWhenStandardOutputTakesNothing) {
  for (const Program& program : Programs) {
    for (const char* option : {"--help", "--version"}) {
      for (const StandardOutput output : {StandardOutput::Full, StandardOutput::Closed}) {
        const auto result = RunProgram(program.path, {option}, nullptr, {.output = output});
        EXPECT_EQ(result.exitCode, 1) << program.name << " " << option;
        EXPECT_THAT(result.err, HasSubstr("standard output: ")) << program.name << " " << option;
      }
    }
  }
}

// Nobody can read from a box whose device was never printed.
TEST(Programs, BoxSimulatorStopsWhenItCannotPrintItsDevice) {
  for (const StandardOutput output : {StandardOutput::Full, StandardOutput::Closed}) {
    const auto result = RunProgram(ALACRITY_BOXSIM, {}, nullptr,
                                   {.output = output, .limit = std::chrono::seconds(20)});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, HasSubstr("standard output: "));
    const auto emulated = RunProgram(ALACRITY_AVRBOX, {"--firmware", ALACRITY_FIRMWARE_ELF}, nullptr,
                                     {.output = output, .limit = std::chrono::seconds(20)});
    EXPECT_EQ(emulated.exitCode, 1);
    EXPECT_THAT(emulated.err, HasSubstr("standard output: "));
  }
}

}  // namespace
}  // namespace alacrity
