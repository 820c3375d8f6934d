// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/configuration_file.h"

#include <gtest/gtest.h>

#include "data/protocol_file.h"
#include "test_files.h"

namespace alacrity {
namespace {

using testing::Golden;
using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;
using Kind = ConfigurationLoad::Kind;

// A document whose every configuration field differs from the defaults.
DocumentData Edited() {
  DocumentData d;
  d.portIndex = 4;
  d.customConfiguration = {250, 1, 900, 100, 5000, 3, 2, 1, 0, {1, 0, 0, 1}, 3, 1};
  d.reservedValue = -7;
  d.customVoice = {0, 1250};
  return d;
}

void ExpectSameConfiguration(const DocumentData& a, const DocumentData& b) {
  EXPECT_EQ(a.portIndex, b.portIndex);
  EXPECT_EQ(a.customConfiguration, b.customConfiguration);
  EXPECT_EQ(a.reservedValue, b.reservedValue);
  EXPECT_EQ(a.customVoice, b.customVoice);
}

TEST(ConfigurationFile, BuiltInDefaultsSaveToTheKnownImage) {
  // What a first start without a configuration file writes at exit.
  TempDir dir;
  DocumentData d;
  EXPECT_EQ(LoadConfiguration(dir / "missing.alycfg", d).kind, Kind::DefaultsApplied);
  ASSERT_TRUE(SaveConfiguration(dir / "default.alycfg", d));
  EXPECT_EQ(ReadAll(dir / "default.alycfg"), ReadAll(Golden("default.alycfg")));
}

TEST(ConfigurationFile, RoundTripsAndNeverTouchesTheResults) {
  TempDir dir;
  ASSERT_TRUE(SaveConfiguration(dir / "c.alycfg", Edited()));
  EXPECT_EQ(ReadAll(dir / "c.alycfg").size(), ConfigurationFileBytes);
  DocumentData loaded;
  loaded.results.responseCount = 42;
  const ConfigurationLoad outcome = LoadConfiguration(dir / "c.alycfg", loaded);
  EXPECT_EQ(outcome.kind, Kind::Loaded);
  EXPECT_TRUE(outcome.message.empty());
  ExpectSameConfiguration(loaded, Edited());
  EXPECT_EQ(loaded.results.responseCount, 42);
}

TEST(ConfigurationFile, ShortFilesApplyTheWholeFieldsBeforeTheEnd) {
  const std::vector<uint8_t> full = EncodeConfiguration(Edited());
  const DocumentData before;
  for (std::size_t size = 17; size <= full.size(); ++size) {
    DocumentData d;
    auto parsed = ParseConfiguration(std::span(full).first(size));
    ASSERT_TRUE(parsed.image) << size;
    ApplyConfigurationImage(*parsed.image, d);
    EXPECT_EQ(d.portIndex, size >= 21 ? 4 : before.portIndex) << size;
    EXPECT_EQ(d.customConfiguration,
              size >= 69 ? Edited().customConfiguration : before.customConfiguration)
        << size;
    EXPECT_EQ(d.reservedValue, size >= 73 ? -7 : before.reservedValue) << size;
    EXPECT_EQ(d.customVoice, size >= 81 ? Edited().customVoice : before.customVoice) << size;
  }
}

TEST(ConfigurationFile, BytesAfterTheImageAreIgnored) {
  TempDir dir;
  std::vector<uint8_t> bytes = EncodeConfiguration(Edited());
  bytes.resize(200, 0xAB);
  WriteAll(dir / "c.alycfg", bytes);
  DocumentData d;
  EXPECT_EQ(LoadConfiguration(dir / "c.alycfg", d).kind, Kind::Loaded);
  ExpectSameConfiguration(d, Edited());
}

TEST(ConfigurationFile, ForeignOrShortHeadersChangeNothing) {
  TempDir dir;
  std::vector<uint8_t> lastCharDiffers = EncodeConfiguration(Edited());
  lastCharDiffers[16] = '1';
  std::vector<uint8_t> shortHeader(lastCharDiffers.begin(), lastCharDiffers.begin() + 16);
  const std::vector<uint8_t> protocol = EncodeProtocol(Protocol{}, VoiceSettings{});

  for (const auto& bytes : {lastCharDiffers, shortHeader, protocol, std::vector<uint8_t>{}}) {
    WriteAll(dir / "c.alycfg", bytes);
    DocumentData d = Edited();
    const ConfigurationLoad outcome = LoadConfiguration(dir / "c.alycfg", d);
    EXPECT_EQ(outcome.kind, Kind::Refused);
    EXPECT_EQ(outcome.message, "Incompatible data");
    ExpectSameConfiguration(d, Edited());
  }
}

TEST(ConfigurationFile, OutOfRangeValuesLoadAsStored) {
  DocumentData d = Edited();
  d.customConfiguration.stimulusCount = 0;
  d.customConfiguration.squareColor = 7;
  auto parsed = ParseConfiguration(EncodeConfiguration(d));
  ASSERT_TRUE(parsed.image && parsed.image->customConfiguration);
  EXPECT_EQ(*parsed.image->customConfiguration, d.customConfiguration);
}

TEST(ConfigurationFile, SaveFailureKeepsTheOldFile) {
  TempDir dir;
  std::filesystem::create_directory(dir / "c.alycfg");
  EXPECT_FALSE(SaveConfiguration(dir / "c.alycfg", Edited()));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "c.alycfg"));
}

}  // namespace
}  // namespace alacrity
