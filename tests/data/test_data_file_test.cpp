// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/test_data_file.h"

#include <gtest/gtest.h>

#include "data/protocol_file.h"
#include "test_files.h"

namespace alacrity {
namespace {

using testing::Golden;
using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;
using Bytes = std::vector<uint8_t>;

DocumentData WithResults(int32_t count) {
  DocumentData d;
  d.runConfiguration = {20, 1, 700, 300, 900, 1, 2, 3, 0, {1, 1, 0, 0}, 2, 1};
  d.subject = {"", 1, 180, 75, "", "", ""};
  d.results.responseCount = count;
  d.results.testTime = -123456;
  for (std::size_t i = 0; i <= static_cast<std::size_t>(count); ++i) {
    const auto v = static_cast<int32_t>(i);
    d.results.responseMs[i] = 300 + v;
    d.results.objectIndex[i] = v % 5;
    d.results.buttonIndex[i] = v % 6;
    d.results.generationMs[i] = 1000 + v;
  }
  d.results.responseMs[0] = 77;  // slot 0 is carried as held
  d.runVoice = {0, 150};
  return d;
}

Bytes Cut(const Bytes& bytes, std::size_t size) {
  return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
}

TEST(TestDataFile, HandWrittenFileLoads) {
  DocumentData d;
  d.dataSaved = 0;
  const FileOutcome outcome = LoadTestData(Golden("small.aly"), d);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(d.runConfiguration, (TestConfiguration{2, 1, 800, 150, 2500, 3, 2, 1, 0, {1, 0, 1, 1}, 3, 1}));
  EXPECT_EQ(d.subject, (SubjectInfo{"Ann", 1, 170, 60, "c1", "", ""}));
  EXPECT_EQ(d.results.responseCount, 2);
  EXPECT_EQ(d.results.responseMs[0], 7);
  EXPECT_EQ(d.results.generationMs[0], 7);
  EXPECT_EQ(d.results.responseMs[1], 412);
  EXPECT_EQ(d.results.buttonIndex[2], 5);
  EXPECT_EQ(d.results.objectIndex[2], 4);
  EXPECT_EQ(d.results.testTime, 1700000000);
  EXPECT_EQ(d.runVoice, (VoiceSettings{0, 300}));
  EXPECT_EQ(d.resultsPresent, 1);
  EXPECT_EQ(d.dataSaved, 1);
}

TEST(TestDataFile, RoundTripsEverythingIncludingSlotZero) {
  TempDir dir;
  for (int32_t count : {0, 5, MaxStimulusCount}) {
    DocumentData saved = WithResults(count);
    saved.subject.name = std::string(300, 'n');
    saved.subject.comment2 = "\xFC\x01";  // raw bytes, not checked as text
    saved.dataSaved = 0;
    ASSERT_TRUE(SaveTestData(dir / "t.aly", saved).ok);
    EXPECT_EQ(saved.dataSaved, 1);
    const Bytes file = ReadAll(dir / "t.aly");
    EXPECT_EQ(file.size(), 110u + 16u * static_cast<std::size_t>(count) + 302u + 2u);  // a 300-byte name takes 302 more
    EXPECT_EQ(Bytes(file.begin() + 62, file.begin() + 65), (Bytes{0xFF, 0x2C, 0x01}));

    DocumentData loaded;
    ASSERT_TRUE(LoadTestData(dir / "t.aly", loaded).ok);
    EXPECT_EQ(loaded.runConfiguration, saved.runConfiguration);
    EXPECT_EQ(loaded.subject, saved.subject);
    EXPECT_EQ(loaded.results, saved.results) << count;
    EXPECT_EQ(loaded.runVoice, saved.runVoice);
  }
}

TEST(TestDataFile, SlotsAboveTheCountKeepTheirValues) {
  DocumentData d;
  d.results.responseMs[2] = 55;
  ApplyTestDataImage(*ParseTestData(EncodeTestData(WithResults(1))).image, d);
  EXPECT_EQ(d.results.responseMs[1], 301);
  EXPECT_EQ(d.results.responseMs[2], 55);
}

TEST(TestDataFile, VoiceRecordIsOptionalAndWhatFollowsIsIgnored) {
  const Bytes full = EncodeTestData(WithResults(2));
  ASSERT_EQ(full.size(), 110u + 32u);
  for (std::size_t size = full.size() - 8; size < full.size(); ++size) {
    auto parsed = ParseTestData(Cut(full, size));
    ASSERT_TRUE(parsed.image) << size;
    EXPECT_FALSE(parsed.image->runVoice) << size;
    DocumentData d;
    ApplyTestDataImage(*parsed.image, d);
    EXPECT_EQ(d.runVoice, DocumentData{}.runVoice);
  }
  Bytes longer = full;
  longer.insert(longer.end(), {1, 2, 3});
  auto parsed = ParseTestData(longer);
  ASSERT_TRUE(parsed.image && parsed.image->runVoice);
  EXPECT_EQ(*parsed.image->runVoice, (VoiceSettings{0, 150}));
}

TEST(TestDataFile, EveryTruncationBeforeTheVoiceIsRefusedAndChangesNothing) {
  DocumentData source = WithResults(2);
  source.subject = {"Ann", 0, 1, 2, "a", "bb", "ccc"};
  const Bytes full = EncodeTestData(source);
  TempDir dir;
  for (std::size_t size = 0; size < full.size() - 8; ++size) {
    WriteAll(dir / "t.aly", Cut(full, size));
    DocumentData d;
    d.dataSaved = 0;
    const FileOutcome outcome = LoadTestData(dir / "t.aly", d);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, size < 14 ? "Incompatible data" : "Damaged data file") << size;
    EXPECT_EQ(d.runConfiguration, DocumentData{}.runConfiguration);
    EXPECT_EQ(d.subject, SubjectInfo{});
    EXPECT_EQ(d.results, TestResults{});
    EXPECT_EQ(d.dataSaved, 0);
    EXPECT_EQ(d.resultsPresent, 0);
  }
}

TEST(TestDataFile, CountsOutsideTheArraysAreRefused) {
  for (int32_t count : {-1, MaxStimulusCount + 1, INT32_MIN}) {
    Bytes bytes = EncodeTestData(WithResults(0));
    const std::size_t countOffset = 14 + 48 + 1 + 12 + 3;
    for (std::size_t i = 0; i < 4; ++i) {
      bytes[countOffset + i] = static_cast<uint8_t>(static_cast<uint32_t>(count) >> (8 * i));
    }
    bytes.resize(bytes.size() + 16 * 1300, 0);
    EXPECT_EQ(ParseTestData(bytes).message, "Damaged data file") << count;
  }
}

TEST(TestDataFile, HugeTextLengthIsRefusedNotAllocated) {
  Bytes bytes = Cut(EncodeTestData(WithResults(0)), 14 + 48);
  bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 'x'});
  EXPECT_EQ(ParseTestData(bytes).message, "Damaged data file");
}

TEST(TestDataFile, ForeignFilesAreIncompatible) {
  TempDir dir;
  DocumentData data;
  data.protocol.header.itemCount = 2;
  ASSERT_TRUE(SaveProtocol(dir / "p.alyprt", data).ok);
  DocumentData d;
  EXPECT_EQ(LoadTestData(dir / "p.alyprt", d).message, "Incompatible data");
  WriteAll(dir / "empty.aly", {});
  EXPECT_EQ(LoadTestData(dir / "empty.aly", d).message, "Incompatible data");
  EXPECT_EQ(LoadTestData(dir / "missing.aly", d).message,
            "Error opening file\n" + (dir / "missing.aly").string() + ": No such file or directory");
  EXPECT_EQ(d.resultsPresent, 0);
}

TEST(TestDataFile, FailedSavesKeepTheOldFileAndStayUnsaved) {
  TempDir dir;
  std::filesystem::create_directory(dir / "d.aly");
  DocumentData d = WithResults(3);
  d.dataSaved = 0;
  EXPECT_EQ(SaveTestData(dir / "d.aly", d).message,
            "File Save Error\n" + (dir / "d.aly").string() + ": Is a directory");
  EXPECT_EQ(d.dataSaved, 0);

  WriteAll(dir / "t.aly", {1, 2});
  for (int32_t count : {-1, MaxStimulusCount + 1}) {
    d.results.responseCount = count;
    EXPECT_EQ(SaveTestData(dir / "t.aly", d).message, "File Save Error");
  }
  EXPECT_EQ(ReadAll(dir / "t.aly"), (Bytes{1, 2}));
  EXPECT_EQ(d.dataSaved, 0);
}

}  // namespace
}  // namespace alacrity
