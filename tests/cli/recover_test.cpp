// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// alacrity-cli recover and dump of a journal left behind by a program that
// died during a test.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "cli_runner.h"
#include "data/run_journal.h"
#include "data/test_data_file.h"

namespace alacrity {
namespace {

using ::testing::HasSubstr;
using testing::RunCli;
using testing::TempDir;
using Json = nlohmann::json;

JournalSetUp SampleSetUp() {
  JournalSetUp s;
  s.runConfiguration = {4, 1, 700, 300, 900, 1, 2, 3, 0, {1, 1, 1, 1}, 2, 0};
  s.runVoice = {0, 150};
  s.subject = {"Ann", 0, 170, 60, "c1", "", ""};
  s.testTime = 1800000000;
  s.schedule = {{700, 0}, {700, 3}, {700, 2}, {700, 1}};
  return s;
}

// A journal with three answers (the last a chord) and a torn fourth write.
std::filesystem::path WriteTornJournal(const TempDir& dir) {
  std::string error;
  auto journal = RunJournal::Create(dir / "journal", SampleSetUp(), error);
  EXPECT_NE(journal, nullptr) << error;
  // The second answer carries host times, as a journal of this program does.
  for (const JournalAnswer& a : {JournalAnswer{1, 301, 1},
                                 {2, 402, 8, 2000, 9'000'000'000, 9'000'300'000, 2580, 9'402'000'000},
                                 {3, 503, 3}}) {
    EXPECT_TRUE(journal->Append(a));
  }
  const auto path = journal->Path();
  journal.reset();
  testing::WriteAll(path, testing::ReadAll(path) + std::string(7, '\x42'));
  return path;
}

TEST(CliRecover, JournalBecomesTheDataFileStopWouldHaveSaved) {
  TempDir dir;
  const auto journal = WriteTornJournal(dir);
  const auto out = dir / "out.aly";
  const auto result = RunCli({"recover", journal.string(), "-o", out.string()});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_THAT(result.err,
              HasSubstr(": 1 answer (stimulus 4) was torn or damaged and was not restored"));
  EXPECT_THAT(result.out, HasSubstr("3 of 4 stimuli answered"));

  auto data = std::make_unique<DocumentData>();
  ASSERT_TRUE(LoadTestData(out, *data).ok);
  EXPECT_EQ(data->runConfiguration, SampleSetUp().runConfiguration);
  EXPECT_EQ(data->subject, SampleSetUp().subject);
  EXPECT_EQ(data->runVoice, SampleSetUp().runVoice);
  EXPECT_EQ(data->results.testTime, 1800000000);
  EXPECT_EQ(data->results.responseCount, 3);
  const auto& r = data->results;
  EXPECT_EQ((std::vector<int32_t>{r.responseMs[1], r.responseMs[2], r.responseMs[3]}),
            (std::vector<int32_t>{301, 402, 503}));
  EXPECT_EQ((std::vector<int32_t>{r.buttonIndex[1], r.buttonIndex[2], r.buttonIndex[3]}),
            (std::vector<int32_t>{0, 3, 5}));
  EXPECT_EQ((std::vector<int32_t>{r.objectIndex[1], r.objectIndex[2], r.objectIndex[3]}),
            (std::vector<int32_t>{0, 3, 4}));

  const auto dump = RunCli({"dump", journal.string()});
  ASSERT_EQ(dump.exitCode, 0) << dump.err;
  const Json json = Json::parse(dump.out);
  EXPECT_EQ(json["format"], "journal");
  EXPECT_EQ(json["subject"]["name"], "Ann");
  EXPECT_EQ(json["schedule"].size(), 4u);
  EXPECT_EQ(json["answers"].size(), 3u);
  EXPECT_EQ(json["answers"][2]["buttons"], 3);
  EXPECT_EQ(json["droppedBytes"], 7);
  EXPECT_EQ(json["answers"][1]["paintedHostNs"], 9'000'300'000);

  // The host times go beside the data file, one row for the stimulus that
  // has them, naming the data file by its test time and CRC-32.
  const std::string saved = testing::ReadAll(out);
  const auto identity = IdentityOfDataFile({reinterpret_cast<const uint8_t*>(saved.data()), saved.size()});
  ASSERT_TRUE(identity);
  char crc[9];
  std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(identity->crc32));
  EXPECT_EQ(testing::ReadAll(dir / "out.timing.csv"),
            "stimulus,onset_byte,onset_host_ns,painted_host_ns,display_delay_ms,response_byte,"
            "response_host_ns,data_file_test_time,data_file_crc32,presented_host_ns,refresh_ns,"
            "frame_counter,present_mode,presentation_quality,onset_to_presented_ms,panel_lag_ms,"
            "light_sensor,light_byte,onset_to_light_ms\r\n"
            "2,2000,9000000000,9000300000,0.300,2580,9402000000,1800000000," + std::string(crc) +
                ",,,,unknown,none,,,0,,\r\n");

  // dump shows the record of the data file beside it, and refuses it once
  // that data file has changed.
  const auto record = RunCli({"dump", (dir / "out.timing.csv").string()});
  ASSERT_EQ(record.exitCode, 0) << record.err;
  EXPECT_EQ(Json::parse(record.out)["stimuli"][0]["responseByte"], 2580);
  testing::WriteAll(out, saved + "x");
  const auto foreign = RunCli({"dump", (dir / "out.timing.csv").string()});
  EXPECT_EQ(foreign.exitCode, 1);
  EXPECT_EQ(foreign.err, (dir / "out.timing.csv").string() + ": was written for another save of " +
                             out.string() + "; not used\n");
}

// The refusal comes before anything is written, with the file and the reason
// on a second line: a record whose name would be too long, a write-protected
// data file, a folder in the way.
TEST(CliRecover, AnOutputThatCannotBeSavedIsRefusedWithItsReason) {
  TempDir dir;
  const auto journal = WriteTornJournal(dir);
  const std::string stem(250, 'n');
  testing::WriteAll(dir / "kept.aly", "kept");
  std::filesystem::permissions(dir / "kept.aly", std::filesystem::perms::owner_read);
  std::filesystem::create_directory(dir / "folder.aly");
  const std::pair<std::filesystem::path, std::string> cases[] = {
      {dir / (stem + ".aly"), (dir / (stem + ".timing.csv")).string() + ": File name too long"},
      {dir / "kept.aly", (dir / "kept.aly").string() + ": is write-protected; nothing saved"},
      {dir / "folder.aly", (dir / "folder.aly").string() + ": Is a directory"},
  };
  for (const auto& [out, reason] : cases) {
    const auto result = RunCli({"recover", journal.string(), "-o", out.string()});
    EXPECT_EQ(result.exitCode, 1) << reason;
    EXPECT_EQ(result.err, out.string() + ": File Save Error\n" + reason + "\n");
  }
  EXPECT_FALSE(std::filesystem::exists(dir / (stem + ".aly")));
  EXPECT_EQ(testing::ReadAll(dir / "kept.aly"), "kept");
}

TEST(CliRecover, JournalOfATestStillRunningIsRefusedAndWritesNothing) {
  TempDir dir;
  std::string error;
  auto running = RunJournal::Create(dir / "journal", SampleSetUp(), error);
  ASSERT_NE(running, nullptr) << error;
  ASSERT_TRUE(running->Append({1, 301, 1}));
  const auto out = dir / "out.aly";
  const auto result = RunCli({"recover", running->Path().string(), "-o", out.string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("is still being written by a running test"));
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(CliRecover, DamagedJournalIsRefusedAndWritesNothing) {
  TempDir dir;
  const auto journal = WriteTornJournal(dir);
  std::string bytes = testing::ReadAll(journal);
  bytes[20] = static_cast<char>(bytes[20] ^ 0x40);
  testing::WriteAll(journal, bytes);
  const auto out = dir / "out.aly";
  const auto result = RunCli({"recover", journal.string(), "-o", out.string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("Damaged journal"));
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(RunCli({"dump", journal.string()}).exitCode, 1);
  EXPECT_EQ(RunCli({"recover", journal.string()}).exitCode, 2);  // no -o
}

}  // namespace
}  // namespace alacrity
