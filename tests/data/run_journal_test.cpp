// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/run_journal.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>

#include "test_files.h"

namespace alacrity {
namespace {

using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;
using Bytes = std::vector<uint8_t>;

JournalSetUp SampleSetUp() {
  JournalSetUp s;
  s.performMode = 1;
  s.runConfiguration = {4, 1, 700, 300, 900, 1, 2, 3, 0, {1, 1, 0, 1}, 2, 1};
  s.runVoice = {0, 150};
  s.runProtocolHeader = {4, 2, 1, 0, 1, 2, 3};
  s.portIndex = 3;
  s.subject = {"Ján Novák", 1, 180, 75, "left-handed", "", "c3"};
  s.testTime = 1800000000;
  s.slotZero = {7, 1, 2, 3};
  s.schedule = {{500, 0}, {1200, 3}, {800, 2}, {650, 1}};
  s.station = {.lightSensor = true, .panelLagUs = 8500};
  return s;
}

const std::vector<JournalAnswer> SampleAnswers = {{1, 312, 1}, {2, 455, 8}, {3, 290, 3}};

// A journal of the sample run with the sample answers, as its bytes.
Bytes WrittenJournal(const TempDir& dir) {
  std::string error;
  auto journal = RunJournal::Create(dir.Path() / "journal", SampleSetUp(), error);
  EXPECT_NE(journal, nullptr) << error;
  if (!journal) return {};
  for (const JournalAnswer& answer : SampleAnswers) EXPECT_TRUE(journal->Append(answer));
  return ReadAll(journal->Path());
}

TEST(RunJournal, WrittenJournalReadsBackPrivately) {
  TempDir dir;
  std::string error;
  auto journal = RunJournal::Create(dir.Path() / "journal", SampleSetUp(), error);
  ASSERT_NE(journal, nullptr) << error;
  for (const JournalAnswer& answer : SampleAnswers) ASSERT_TRUE(journal->Append(answer));
  // Out of order, or a stimulus twice: refused, nothing written.
  EXPECT_FALSE(journal->Append({2, 100, 1}));
  EXPECT_FALSE(journal->Append({5, 100, 1}));

  const auto parsed = ParseRunJournal(ReadAll(journal->Path()));
  ASSERT_TRUE(parsed.image) << parsed.message;
  EXPECT_EQ(parsed.image->setUp, SampleSetUp());
  EXPECT_EQ(parsed.image->answers, SampleAnswers);
  EXPECT_EQ(parsed.image->droppedBytes, 0u);

  struct stat info {};
  ASSERT_EQ(::stat(journal->Path().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  ASSERT_EQ(::stat((dir.Path() / "journal").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(RunJournal, FolderLosesOtherUsersAccessButKeepsTheOwnersChoice) {
  struct Case {
    mode_t before;
    mode_t after;
  };
  for (const Case c : {Case{0755, 0700}, Case{0500, 0500}, Case{0570, 0500}}) {
    TempDir dir;
    const auto folder = dir.Path() / "journal";
    std::filesystem::create_directory(folder);
    ASSERT_EQ(::chmod(folder.c_str(), c.before), 0);
    std::string error;
    (void)RunJournal::Create(folder, SampleSetUp(), error);
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, c.after) << std::oct << c.before;
    ::chmod(folder.c_str(), 0700);
  }
}

TEST(RunJournal, HeaderLeftUnderItsTemporaryNameGoesOnceNobodyWritesIt) {
  struct Case {
    const char* name;
    bool old;
    bool locked;
    bool removed;
  };
  for (const Case c : {Case{".20261208-065812-4711-0.alyjournal.tmp", true, false, true},
                       Case{".20261208-065812-4711-1.alyjournal.tmp", false, false, false},
                       Case{".20261208-065812-4711-2.alyjournal.tmp", true, true, false},
                       Case{".notes.tmp", true, false, false}}) {
    TempDir dir;
    const auto path = dir.Path() / c.name;
    WriteAll(path, EncodeJournalHeader(SampleSetUp()).bytes);
    if (c.old) {
      std::filesystem::last_write_time(
          path, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2));
    }
    const int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    if (c.locked) {
      ASSERT_EQ(::flock(fd, LOCK_EX), 0);  // a program writing it
    }
    RemoveStaleJournalTemporaries(dir.Path());
    ::close(fd);
    EXPECT_EQ(std::filesystem::exists(path), !c.removed) << c.name;
  }
}

TEST(RunJournal, TornLastRecordIsDroppedAtEveryOffset) {
  TempDir dir;
  const Bytes whole = WrittenJournal(dir);
  const std::size_t lastRecord = whole.size() - JournalRecordBytes;
  for (std::size_t cut = 0; cut < JournalRecordBytes; ++cut) {
    const Bytes torn(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(lastRecord + cut));
    const auto parsed = ParseRunJournal(torn);
    ASSERT_TRUE(parsed.image) << "cut " << cut;
    EXPECT_EQ(parsed.image->answers.size(), 2u) << "cut " << cut;
    EXPECT_EQ(parsed.image->droppedBytes, cut);
    EXPECT_EQ(DroppedAnswers(*parsed.image), cut == 0 ? 0u : 1u);
  }
}

TEST(RunJournal, FlippedRecordByteEndsTheTrustedAnswers) {
  TempDir dir;
  const Bytes whole = WrittenJournal(dir);
  const std::size_t secondRecord = whole.size() - 2 * JournalRecordBytes;
  for (std::size_t i = 0; i < JournalRecordBytes; ++i) {
    Bytes flipped = whole;
    flipped[secondRecord + i] ^= 0x10;
    const auto parsed = ParseRunJournal(flipped);
    ASSERT_TRUE(parsed.image);
    EXPECT_EQ(parsed.image->answers.size(), 1u) << "byte " << i;
    EXPECT_EQ(parsed.image->droppedBytes, 2 * JournalRecordBytes);
  }
  // A sound record of another journal does not fit this one.
  JournalSetUp other = SampleSetUp();
  other.testTime += 1;
  const auto foreign = EncodeJournalRecord(SampleAnswers[2], EncodeJournalHeader(other).crc);
  Bytes spliced(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(JournalRecordBytes));
  spliced.insert(spliced.end(), foreign.begin(), foreign.end());
  EXPECT_EQ(ParseRunJournal(spliced).image->answers.size(), 2u);
}

TEST(RunJournal, DamagedHeaderIsRefused) {
  TempDir dir;
  const Bytes whole = WrittenJournal(dir);
  const std::size_t headerBytes = EncodeJournalHeader(SampleSetUp()).bytes.size();
  for (std::size_t i = 0; i < headerBytes; ++i) {
    Bytes flipped = whole;
    flipped[i] ^= 0x01;
    const auto parsed = ParseRunJournal(flipped);
    EXPECT_FALSE(parsed.image) << "byte " << i;
    EXPECT_EQ(parsed.message, MessageDamagedJournal) << "byte " << i;
  }
  for (std::size_t size : {std::size_t{0}, std::size_t{8}, headerBytes - 1}) {
    EXPECT_EQ(ParseRunJournal(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)))
                  .message,
              MessageDamagedJournal);
  }
  // A newer version is not damaged: it is left for the program that wrote it.
  Bytes newer(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(headerBytes));
  newer[8] = static_cast<uint8_t>(JournalFormatVersion + 1);
  const uLong crc = ::crc32(0L, newer.data(), static_cast<uInt>(headerBytes - 4));
  for (std::size_t i = 0; i < 4; ++i) newer[headerBytes - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
  EXPECT_EQ(ParseRunJournal(newer).message, MessageNewerJournal);
}

void Put(Bytes& bytes, std::size_t at, uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// The sample journal as an earlier program wrote it: a header without the
// station, records of that version's size (the first of today's fields).
Bytes EarlierJournal(uint32_t version, const std::vector<JournalAnswer>& answers) {
  constexpr std::size_t StationBytes = 8;
  Bytes old = EncodeJournalHeader(SampleSetUp()).bytes;
  old.erase(old.end() - 4 - StationBytes, old.end());
  old[8] = static_cast<uint8_t>(version);
  Put(old, 12, static_cast<uint32_t>(old.size() - 16));
  const auto headerCrc = static_cast<uint32_t>(::crc32(0L, old.data(), static_cast<uInt>(old.size())));
  old.resize(old.size() + 4);
  Put(old, old.size() - 4, headerCrc);
  const std::size_t recordBytes = JournalRecordBytesOf(version);
  for (const JournalAnswer& answer : answers) {
    const auto today = EncodeJournalRecord(answer, headerCrc);
    const std::size_t at = old.size();
    old.insert(old.end(), today.begin(), today.begin() + static_cast<std::ptrdiff_t>(recordBytes));
    Put(old, old.size() - 4,
        static_cast<uint32_t>(::crc32(headerCrc, old.data() + at, static_cast<uInt>(recordBytes - 4))));
  }
  return old;
}

TEST(RunJournal, AnswersCarryTheirHostTimesAndEarlierVersionsStillRead) {
  TempDir dir;
  std::string error;
  auto journal = RunJournal::Create(dir.Path() / "journal", SampleSetUp(), error);
  ASSERT_NE(journal, nullptr) << error;
  const JournalAnswer timed{1,           312,         1,
                            433,         5'000'000'123, 5'000'412'345,
                            883,         -9'000'000'000,
                            {5'016'000'000, 16'666'667, 4711, PresentMode::Flip, PresentQuality::Exact},
                            457};
  ASSERT_TRUE(journal->Append(timed));
  const auto parsed = ParseRunJournal(ReadAll(journal->Path()));
  ASSERT_TRUE(parsed.image) << parsed.message;
  EXPECT_EQ(parsed.image->version, 3u);
  EXPECT_EQ(parsed.image->setUp, SampleSetUp());
  ASSERT_EQ(parsed.image->answers.size(), 1u);
  EXPECT_EQ(parsed.image->answers[0], timed);

  // Version 2 kept no presentation, no light and no station; version 1 no
  // host times at all.
  for (const uint32_t version : {1u, 2u}) {
    const auto earlier = ParseRunJournal(EarlierJournal(version, {timed, SampleAnswers[1]}));
    ASSERT_TRUE(earlier.image) << version << ": " << earlier.message;
    EXPECT_EQ(earlier.image->version, version);
    EXPECT_EQ(earlier.image->setUp.station, StationTiming{});
    EXPECT_EQ(earlier.image->droppedBytes, 0u);
    ASSERT_EQ(earlier.image->answers.size(), 2u);
    JournalAnswer kept{timed.stimulus, timed.responseMs, timed.buttons};
    if (version == 2) {
      kept = timed;
      kept.presented = {};
      kept.lightByte = 0;
    }
    EXPECT_EQ(earlier.image->answers[0], kept) << version;
  }
}

// A frame's presentation or its light may come after its answer was
// written: a repeat of the answer carries it and replaces its times. A
// repeat that is torn costs only itself; one that names no answer written,
// or changes the answer, ends what is read.
TEST(RunJournal, ARepeatGivesAnAnswerItsLaterTimes) {
  TempDir dir;
  std::string error;
  auto journal = RunJournal::Create(dir.Path() / "journal", SampleSetUp(), error);
  ASSERT_NE(journal, nullptr) << error;
  for (const JournalAnswer& answer : SampleAnswers) ASSERT_TRUE(journal->Append(answer));
  JournalAnswer later = SampleAnswers[1];
  later.presented = {7'000'000'000, 16'666'667, 99, PresentMode::Copy, PresentQuality::FrameBounded};
  later.lightByte = 1234;
  EXPECT_FALSE(journal->Amend({4, 100, 1}));
  ASSERT_TRUE(journal->Amend(later));
  const Bytes whole = ReadAll(journal->Path());
  std::vector<JournalAnswer> expected = SampleAnswers;
  expected[1] = later;
  const auto parsed = ParseRunJournal(whole);
  ASSERT_TRUE(parsed.image) << parsed.message;
  EXPECT_EQ(parsed.image->answers, expected);
  EXPECT_EQ(parsed.image->droppedBytes, 0u);

  const uint32_t headerCrc = EncodeJournalHeader(SampleSetUp()).crc;
  JournalAnswer changed = later;
  changed.responseMs += 1;
  const auto changedRecord = EncodeJournalRecord(changed, headerCrc);
  struct Case {
    const char* what;
    Bytes bytes;
    std::vector<JournalAnswer> answers;
  };
  const Bytes withoutRepeat(whole.begin(), whole.end() - static_cast<std::ptrdiff_t>(JournalRecordBytes));
  Bytes torn(whole.begin(), whole.end() - 1);
  Bytes withChanged = withoutRepeat;
  withChanged.insert(withChanged.end(), changedRecord.begin(), changedRecord.end());
  const Case cases[] = {
      {"torn repeat", torn, SampleAnswers},
      {"repeat changing the answer", withChanged, SampleAnswers},
  };
  for (const Case& c : cases) {
    const auto read = ParseRunJournal(c.bytes);
    ASSERT_TRUE(read.image) << c.what;
    EXPECT_EQ(read.image->answers, c.answers) << c.what;
    EXPECT_GT(read.image->droppedBytes, 0u) << c.what;
  }
}

TEST(RunJournal, FindingPassesOverHeldJournalsAndSetsDamagedAside) {
  TempDir dir;
  const auto directory = dir.Path() / "journal";
  std::string error;
  auto held = RunJournal::Create(directory, SampleSetUp(), error);
  ASSERT_NE(held, nullptr) << error;
  EXPECT_TRUE(FindJournals(directory).empty());
  EXPECT_EQ(RunJournal::Hold(held->Path()), nullptr);

  const auto path = held->Path();
  held.reset();  // the program ended: the file stays
  auto found = FindJournals(directory);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].path, path);
  ASSERT_TRUE(found[0].parsed.image);
  EXPECT_TRUE(found[0].parsed.image->answers.empty());

  WriteAll(directory / "b.alyjournal", Bytes{1, 2, 3});
  WriteAll(directory / "b.alyjournal.damaged", Bytes{9});
  found = FindJournals(directory);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[1].parsed.message, MessageDamagedJournal);
  const auto aside = SetAsideDamagedJournal(found[1].path);
  EXPECT_EQ(aside.filename(), "b.alyjournal.damaged.1");
  EXPECT_EQ(ReadAll(aside), (Bytes{1, 2, 3}));
  EXPECT_EQ(ReadAll(directory / "b.alyjournal.damaged"), Bytes{9});
  EXPECT_EQ(FindJournals(directory).size(), 1u);

  auto restored = RunJournal::Hold(path);
  ASSERT_NE(restored, nullptr);
  EXPECT_TRUE(FindJournals(directory).empty());
  EXPECT_TRUE(restored->Remove());
  EXPECT_FALSE(std::filesystem::exists(path));
}

// A folder that cannot be made says what stands in its way.
TEST(RunJournal, AFolderThatCannotBeMadeSaysWhy) {
  TempDir dir;
  std::filesystem::create_symlink(dir.Path() / "gone", dir.Path() / "dangling");
  WriteAll(dir.Path() / "file", Bytes{1});
  const std::pair<std::filesystem::path, std::string> cases[] = {
      {dir.Path() / "dangling",
       ": Is a link to " + (dir.Path() / "gone").string() + ", which does not exist"},
      {dir.Path() / "file", ": Not a directory"},
  };
  for (const auto& [directory, reason] : cases) {
    std::string error;
    EXPECT_EQ(RunJournal::Create(directory, SampleSetUp(), error), nullptr);
    EXPECT_EQ(error, directory.string() + reason);
  }
}

}  // namespace
}  // namespace alacrity
