// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The keeper's writer thread: every answer handed over reaches the file in
// order, the window thread never waits for it, and the file's life follows
// the results it covers.

#include "engine/journal_keeper.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <memory>
#include <string>

#include "data/file_io.h"

namespace alacrity {
namespace {

class JournalKeeperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "alacrity-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root = pattern;
    data->subject.name = "Ann";
    for (std::size_t i = 1; i <= 30; ++i) data->results.generationMs[i] = 500;
  }
  void TearDown() override { std::filesystem::remove_all(root); }

  JournalImage Read(const std::filesystem::path& path) {
    const auto bytes = ReadFileBytes(path);
    EXPECT_TRUE(bytes);
    auto parsed = ParseRunJournal(bytes ? bytes->bytes : std::vector<uint8_t>{});
    EXPECT_TRUE(parsed.image) << parsed.message;
    return parsed.image ? *parsed.image : JournalImage{};
  }

  std::filesystem::path root;
  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
};

TEST_F(JournalKeeperTest, HandedOverAnswersReachTheFileAndItsLifeFollowsTheResults) {
  std::filesystem::path path;
  {
    JournalKeeper keeper(root / "journal");
    keeper.SetSubjectSource([](SubjectInfo& subject) { subject.comment1 = "from the register"; });
    ASSERT_FALSE(keeper.BeginRun(*data, PerformMode::Custom, 30, {}));
    path = keeper.Current();
    for (int32_t i = 1; i <= 30; ++i) ASSERT_TRUE(keeper.RecordAnswer(i, 200 + i, 1 << (i % 4)));
    EXPECT_FALSE(keeper.RecordAnswer(30, 1, 1));  // twice
    EXPECT_TRUE(keeper.Flush());
    EXPECT_FALSE(keeper.RecordAnswer(31, 1, 1));  // after the run
  }  // the program ends with the results unsaved: the file stays
  const JournalImage image = Read(path);
  ASSERT_EQ(image.answers.size(), 30u);
  EXPECT_EQ(image.answers[29], (JournalAnswer{30, 230, 1 << 2}));
  EXPECT_EQ(image.setUp.subject.name, "Ann");
  EXPECT_EQ(image.setUp.subject.comment1, "from the register");

  JournalKeeper next(root / "journal");
  ASSERT_TRUE(next.Hold(path));
  EXPECT_EQ(next.Current(), path);
  // A new test replaces the restored results and their journal.
  ASSERT_FALSE(next.BeginRun(*data, PerformMode::Custom, 3, {}));
  EXPECT_FALSE(std::filesystem::exists(path));
  const auto second = next.Current();
  next.Discard();  // saved, or given up on purpose
  EXPECT_FALSE(std::filesystem::exists(second));
  EXPECT_TRUE(next.Current().empty());
}

TEST_F(JournalKeeperTest, UnwritableDirectoryIsReportedAndTakesNoAnswers) {
  std::filesystem::create_directories(root / "file");
  std::ofstream(root / "file" / "journal") << "not a directory";
  JournalKeeper keeper(root / "file" / "journal");
  const auto error = keeper.BeginRun(*data, PerformMode::Custom, 3, {});
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("journal"), std::string::npos);
  EXPECT_FALSE(keeper.RecordAnswer(1, 200, 1));
  EXPECT_FALSE(keeper.Flush());
}

// A frame's presentation or light onset that came after its answer was
// handed over follows it into the file; the station goes into the header.
TEST_F(JournalKeeperTest, TimesThatComeAfterTheirAnswerFollowItIntoTheFile) {
  JournalKeeper keeper(root / "journal");
  const StationTiming station{.lightSensor = true, .panelLagUs = 5000};
  ASSERT_FALSE(keeper.BeginRun(*data, PerformMode::Custom, 3, station));
  StimulusTiming first;
  first.stimulus = 1;
  first.onsetByte = 100;
  first.responseByte = 300;
  StimulusTiming second = first;
  second.stimulus = 2;
  for (const StimulusTiming& timing : {first, second}) {
    keeper.NoteTiming(timing);
    ASSERT_TRUE(keeper.RecordAnswer(timing.stimulus, 138, 1));
  }
  first.presented = {9'000'000, 16'666'667, 3, PresentMode::Flip, PresentQuality::Exact};
  first.lightByte = 125;
  keeper.AmendTiming(first);
  StimulusTiming third = second;
  third.stimulus = 3;
  keeper.AmendTiming(third);  // not answered: nothing to repeat
  ASSERT_TRUE(keeper.Flush());
  const JournalImage image = Read(keeper.Current());
  EXPECT_EQ(image.setUp.station, station);
  ASSERT_EQ(image.answers.size(), 2u);
  EXPECT_EQ(image.answers[0].presented, first.presented);
  EXPECT_EQ(image.answers[0].lightByte, 125);
  EXPECT_EQ(image.answers[1].presented, Presentation{});
  keeper.Discard();
}

}  // namespace
}  // namespace alacrity
