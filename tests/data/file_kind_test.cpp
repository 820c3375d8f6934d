// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/file_kind.h"

#include <gtest/gtest.h>

#include "data/configuration_file.h"
#include "data/protocol_file.h"
#include "data/test_data_file.h"

namespace alacrity {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes WideText(std::string_view text) {
  Bytes bytes = {0xFF, 0xFE, 0xFF, static_cast<uint8_t>(text.size())};
  for (char c : text) bytes.insert(bytes.end(), {static_cast<uint8_t>(c), 0});
  return bytes;
}

TEST(DetectFileKind, RecognisesEachFormatByItsHeader) {
  const DocumentData d;
  EXPECT_EQ(DetectFileKind(EncodeConfiguration(d)), FileKind::Configuration);
  EXPECT_EQ(DetectFileKind(EncodeProtocol(d.protocol, d.customVoice)), FileKind::Protocol);
  EXPECT_EQ(DetectFileKind(EncodeTestData(d)), FileKind::TestData);
  EXPECT_EQ(DetectFileKind(WideText(ProtocolHeaderText)), FileKind::Protocol);
  EXPECT_EQ(DetectFileKind(WideText(TestDataHeaderText)), FileKind::TestData);
}

TEST(DetectFileKind, AnythingElseIsUnknown) {
  EXPECT_EQ(DetectFileKind({}), FileKind::Unknown);
  EXPECT_EQ(DetectFileKind(Bytes{'A', 'l', 'a'}), FileKind::Unknown);
  EXPECT_EQ(DetectFileKind(Bytes{13, 'A', 'l', 'a'}), FileKind::Unknown);
  EXPECT_EQ(DetectFileKind(WideText("Alacrity_V1.1")), FileKind::Unknown);
}

}  // namespace
}  // namespace alacrity
