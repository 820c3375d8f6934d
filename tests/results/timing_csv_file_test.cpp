// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/timing_csv_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../data/test_files.h"
#include "data/test_data_file.h"
#include "results/timing_report.h"
#include "timed_stimulus.h"

namespace alacrity {
namespace {

using test::Timed;

namespace fs = std::filesystem;
using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;

std::vector<uint8_t> Text(const std::string& text) { return {text.begin(), text.end()}; }

std::unique_ptr<DocumentData> Results(int32_t answers, int32_t testTime) {
  auto data = std::make_unique<DocumentData>();
  data->results.responseCount = answers;
  data->results.testTime = testTime;
  for (int32_t i = 1; i <= answers; ++i) data->results.responseMs[static_cast<std::size_t>(i)] = 300 + i;
  return data;
}

RunTiming Timing(int32_t stimuli) {
  RunTiming timing;
  for (int32_t i = 1; i <= stimuli; ++i) {
    timing.stimuli.push_back(Timed(i, 1000 * i, 5'000'000'000LL * i, 0, 1000 * i + 500, 6'000'000'000LL * i));
  }
  return timing;
}

// A file saved again, with or without host times, never keeps the record of
// its earlier save: the one of 7 rows is replaced or removed.
TEST(TimingCsvFile, ASaveReplacesOrRemovesTheRecordOfTheEarlierFile) {
  TempDir dir;
  const fs::path file = dir / "t.aly";
  for (const int32_t rows : {3, 0}) {
    const RunTiming seven = Timing(7);
    ASSERT_TRUE(SaveTestDataAndTiming(file, *Results(7, 100), &seven).data.ok);
    ASSERT_EQ(ReadTimingRecordOf(file).timing->stimuli.size(), 7u);

    const RunTiming timing = Timing(rows);
    const DataFileSave saved = SaveTestDataAndTiming(file, *Results(5, 200), &timing);
    ASSERT_TRUE(saved.data.ok) << saved.data.message;
    EXPECT_TRUE(saved.timingFailure.empty());
    const TimingRecordRead read = ReadTimingRecordOf(file);
    if (rows == 0) {
      EXPECT_EQ(read.state, TimingRecordState::Absent);
      EXPECT_FALSE(fs::exists(dir / "t.timing.csv"));
    } else {
      EXPECT_EQ(read.state, TimingRecordState::Belongs);
      EXPECT_EQ(read.timing->stimuli.size(), 3u);
      EXPECT_EQ(read.timing->stimuli[2].responseHostNs, 18'000'000'000);
    }
  }
}

// A record beside a data file that is not the one it was written for (a kill
// between the two renames, a file copied over) is told and not used; one of
// the first version, which names no data file, is taken as it is.
TEST(TimingCsvFile, ARecordIsUsedOnlyWhenItBelongsToTheDataFile) {
  TempDir dir;
  const fs::path file = dir / "t.aly";
  const fs::path record = dir / "t.timing.csv";
  const RunTiming timing = Timing(2);
  const std::string v1 =
      "stimulus,onset_byte,onset_host_ns,painted_host_ns,display_delay_ms,response_byte,"
      "response_host_ns\r\n1,433,5000000000,5000412345,0.412,733,5208000000\r\n";
  struct Case {
    const char* what;
    std::function<void()> arrange;
    TimingRecordState state;
    std::string failure;
  };
  const Case cases[] = {
      {"as saved", [] {}, TimingRecordState::Belongs, ""},
      {"the data file renamed in, the record not",
       [&] { ASSERT_TRUE(SaveTestData(file, *Results(4, 100)).ok); }, TimingRecordState::Foreign,
       "was written for another save of " + file.string()},
      {"another test's data file",
       [&] { ASSERT_TRUE(SaveTestData(file, *Results(5, 999)).ok); }, TimingRecordState::Foreign,
       "is of another test than " + file.string()},
      {"first version", [&] { WriteAll(record, Text(v1)); }, TimingRecordState::Unchecked, ""},
      {"a row cut short", [&] { WriteAll(record, Text(v1.substr(0, v1.size() - 20))); },
       TimingRecordState::Unreadable, "is damaged at line 2"},
      {"no record of ours", [&] { WriteAll(record, Text("a,b\r\n1,2\r\n")); },
       TimingRecordState::Unreadable, "is no timing record this program wrote"},
      {"none", [&] { fs::remove(record); }, TimingRecordState::Absent, ""},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(SaveTestDataAndTiming(file, *Results(5, 100), &timing).data.ok);
    c.arrange();
    const TimingRecordRead read = ReadTimingRecordOf(file);
    EXPECT_EQ(read.state, c.state) << c.what;
    EXPECT_EQ(read.failure, c.failure.empty() ? "" : record.string() + ": " + c.failure) << c.what;
    const bool used = c.state == TimingRecordState::Belongs || c.state == TimingRecordState::Unchecked;
    EXPECT_EQ(read.timing.has_value(), used) << c.what;
  }
}

// What keeps the record from being written keeps the data file from being
// written too, and the refusal says which name: nothing is half saved.
TEST(TimingCsvFile, ARecordThatCannotBeWrittenRefusesTheWholeSave) {
  TempDir dir;
  const std::string stem(250, 'n');  // "<stem>.aly" fits, "<stem>.timing.csv" does not
  WriteAll(dir / "p.aly", Text("old"));
  fs::permissions(dir / "p.aly", fs::perms::owner_read);
  struct Case {
    fs::path file;
    std::string failure;
  };
  const Case cases[] = {
      {dir / (stem + ".aly"), (dir / (stem + ".timing.csv")).string() + ": File name too long"},
      {dir / "p.aly", (dir / "p.aly").string() + ": is write-protected; nothing saved"},
  };
  const RunTiming timing = Timing(1);
  for (const Case& c : cases) {
    auto data = Results(1, 100);
    data->dataSaved = 0;
    const DataFileSave saved = SaveTestDataAndTiming(c.file, *data, &timing);
    EXPECT_FALSE(saved.data.ok);
    EXPECT_EQ(saved.data.message, "File Save Error\n" + c.failure);
    EXPECT_EQ(data->dataSaved, 0);
  }
  EXPECT_FALSE(fs::exists(dir / (stem + ".aly")));
  EXPECT_EQ(ReadAll(dir / "p.aly"), Text("old"));
  // Without host times there is no record to name, and the file is saved.
  EXPECT_TRUE(SaveTestDataAndTiming(dir / (stem + ".aly"), *Results(1, 100), nullptr).data.ok);
}

// Each class and way of presenting, the light onsets and the station read
// back as they were written; a class this program does not know is damage.
TEST(TimingCsvFile, PresentedFramesAndLightOnsetsReadBackAsWritten) {
  TempDir dir;
  const fs::path file = dir / "t.aly";
  using Q = PresentQuality;
  using M = PresentMode;
  const Presentation presented[] = {
      {7'000'000'000, 16'666'667, 12, M::Flip, Q::Exact},
      {8'000'000'000, 16'666'667, 13, M::Copy, Q::FrameBounded},
      {9'000'000'000, 0, -1, M::Composited, Q::LowerBound},
      {10'000'000'000, 16'666'667, 99, M::Unknown, Q::SimulatedClock},
      {},
  };
  RunTiming timing = Timing(5);
  for (std::size_t i = 0; i < timing.stimuli.size(); ++i) {
    timing.stimuli[i].presented = presented[i];
    timing.stimuli[i].lightByte = i % 2 == 0 ? timing.stimuli[i].onsetByte + 30 : 0;
  }
  for (const StationTiming station : {StationTiming{true, 8123}, StationTiming{false, std::nullopt}}) {
    timing.station = station;
    ASSERT_TRUE(SaveTestDataAndTiming(file, *Results(5, 100), &timing).data.ok);
    const TimingRecordRead read = ReadTimingRecordOf(file);
    ASSERT_EQ(read.state, TimingRecordState::Belongs) << read.failure;
    EXPECT_EQ(read.timing->station, station);
    ASSERT_EQ(read.timing->stimuli.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(read.timing->stimuli[i].presented, presented[i]) << i;
      EXPECT_EQ(read.timing->stimuli[i].lightByte, timing.stimuli[i].lightByte) << i;
    }
  }
  const fs::path record = dir / "t.timing.csv";
  const auto bytes = ReadAll(record);
  std::string text(bytes.begin(), bytes.end());
  text.replace(text.find(",exact,"), 7, ",exactly,");
  WriteAll(record, Text(text));
  const TimingRecordRead damaged = ReadTimingRecordOf(file);
  EXPECT_EQ(damaged.state, TimingRecordState::Unreadable);
  EXPECT_EQ(damaged.failure, record.string() + ": is damaged at line 2");
}

}  // namespace
}  // namespace alacrity
