// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/protocol_file.h"

#include <gtest/gtest.h>

#include "data/test_data_file.h"
#include "test_files.h"

namespace alacrity {
namespace {

using testing::Golden;
using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;
using Bytes = std::vector<uint8_t>;

DocumentData WithProtocol(int32_t itemCount, std::string name = "P1") {
  DocumentData d;
  d.protocol.name = std::move(name);
  d.protocol.header = {itemCount, 3, 1, 0, 1, 2, 3};
  for (int32_t i = 0; i < itemCount; ++i) {
    d.protocol.items[static_cast<std::size_t>(i)] = {100 + 10 * i, i % 4};
  }
  d.customVoice = {0, 250};
  return d;
}

Bytes Encoded(const DocumentData& d) { return EncodeProtocol(d.protocol, d.customVoice); }

TEST(ProtocolFile, HandWrittenFileLoads) {
  DocumentData d;
  const FileOutcome outcome = LoadProtocol(Golden("small.alyprt"), d);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(d.protocol.name, "P1");
  EXPECT_EQ(d.protocol.header, (ProtocolHeader{2, 3, 1, 0, 1, 2, 3}));
  EXPECT_EQ(d.protocol.items[0], (ProtocolItem{1500, 2}));
  EXPECT_EQ(d.protocol.items[1], (ProtocolItem{700, 0}));
  EXPECT_EQ(d.customVoice, (VoiceSettings{0, 250}));
  EXPECT_EQ(d.protocolLoaded, 1);
}

TEST(ProtocolFile, RoundTripsWithOneRecordMoreThanItems) {
  TempDir dir;
  for (int32_t count : {0, 3, MaxProtocolItems}) {
    DocumentData saved = WithProtocol(count, "");
    saved.protocol.items[static_cast<std::size_t>(count)] = {5, 5};  // the slot after the last item
    ASSERT_TRUE(SaveProtocol(dir / "p.alyprt", saved).ok);
    EXPECT_EQ(ReadAll(dir / "p.alyprt").size(), 63u + 8u * static_cast<std::size_t>(count));

    DocumentData loaded;
    loaded.protocol.items.back() = {9, 9};
    ASSERT_TRUE(LoadProtocol(dir / "p.alyprt", loaded).ok);
    Protocol expected = saved.protocol;
    if (count < MaxProtocolItems) expected.items.back() = {9, 9};  // beyond the file: kept
    EXPECT_EQ(loaded.protocol, expected) << count;
    EXPECT_EQ(loaded.customVoice, saved.customVoice);
  }
}

TEST(ProtocolFile, EveryTruncationIsRefusedAndChangesNothing) {
  const Bytes full = Encoded(WithProtocol(3));
  TempDir dir;
  for (std::size_t size = 0; size < full.size(); ++size) {
    WriteAll(dir / "p.alyprt", Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size)));
    DocumentData d;
    const FileOutcome outcome = LoadProtocol(dir / "p.alyprt", d);
    EXPECT_FALSE(outcome.ok);
    // Cut inside the header text it is not recognisably a protocol.
    EXPECT_EQ(outcome.message, size < 18 ? "Incompatible protocol" : "Damaged protocol file") << size;
    EXPECT_EQ(d.protocol, Protocol{});
    EXPECT_EQ(d.customVoice, DocumentData{}.customVoice);
    EXPECT_EQ(d.protocolLoaded, 0);
  }
}

TEST(ProtocolFile, CountsOutsideTheTableAreRefused) {
  for (int32_t count : {-1, MaxProtocolItems + 1, INT32_MAX}) {
    Bytes bytes = Encoded(WithProtocol(0));
    const std::size_t countOffset = 18 + 3;  // header text, then the name "P1"
    for (std::size_t i = 0; i < 4; ++i) {
      bytes[countOffset + i] = static_cast<uint8_t>(static_cast<uint32_t>(count) >> (8 * i));
    }
    bytes.resize(bytes.size() + 8 * 1300, 0);  // plenty of records: the count alone is wrong
    EXPECT_EQ(ParseProtocol(bytes).message, "Damaged protocol file") << count;
  }
}

TEST(ProtocolFile, ForeignFilesAreIncompatible) {
  TempDir dir;
  DocumentData data;
  ASSERT_TRUE(SaveTestData(dir / "t.aly", data).ok);
  DocumentData d;
  EXPECT_EQ(LoadProtocol(dir / "t.aly", d).message, "Incompatible protocol");
  EXPECT_EQ(LoadProtocol(Golden("default.alycfg"), d).message, "Incompatible protocol");
  EXPECT_EQ(LoadProtocol(dir / "missing.alyprt", d).message,
            "Error opening file\n" + (dir / "missing.alyprt").string() + ": No such file or directory");
  EXPECT_EQ(d.protocolLoaded, 0);
}

TEST(ProtocolFile, WideHeaderAndNameAreAccepted) {
  Bytes bytes = {0xFF, 0xFE, 0xFF, 17};
  for (char c : ProtocolHeaderText) bytes.insert(bytes.end(), {static_cast<uint8_t>(c), 0});
  const Bytes rest = Encoded(WithProtocol(1, ""));
  bytes.insert(bytes.end(), rest.begin() + 18, rest.end());
  auto parsed = ParseProtocol(bytes);
  ASSERT_TRUE(parsed.image) << parsed.message;
  EXPECT_EQ(parsed.image->items.size(), 2u);
}

TEST(ProtocolFile, RefusedSavesKeepTheOldFile) {
  TempDir dir;
  WriteAll(dir / "p.alyprt", {1, 2, 3});
  DocumentData tooMany = WithProtocol(1);
  tooMany.protocol.header.itemCount = MaxProtocolItems + 1;
  EXPECT_EQ(SaveProtocol(dir / "p.alyprt", tooMany).message, "File Save Error");
  EXPECT_EQ(ReadAll(dir / "p.alyprt"), (Bytes{1, 2, 3}));

  std::filesystem::create_directory(dir / "d.alyprt");
  EXPECT_EQ(SaveProtocol(dir / "d.alyprt", WithProtocol(1)).message,
            "File Save Error\n" + (dir / "d.alyprt").string() + ": Is a directory");
}

TEST(ProtocolFile, NegativeCountWritesNoItems) {
  EXPECT_EQ(Encoded(WithProtocol(-1, "")).size(), 63u - 8u);
}

}  // namespace
}  // namespace alacrity
