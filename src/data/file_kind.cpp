// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_kind.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "byte_stream.h"
#include "configuration_file.h"
#include "protocol_file.h"
#include "test_data_file.h"

namespace alacrity {

FileKind DetectFileKind(std::span<const uint8_t> bytes) {
  const std::string_view raw = ConfigurationHeaderText;
  if (bytes.size() >= raw.size() &&
      std::equal(raw.begin(), raw.end(), bytes.begin(),
                 [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; })) {
    return FileKind::Configuration;
  }
  // Read as the loaders read it, so a header in the wide text form counts too.
  ByteReader reader(bytes);
  std::string header;
  if (!reader.Text(header)) return FileKind::Unknown;
  if (header == ProtocolHeaderText) return FileKind::Protocol;
  if (header == TestDataHeaderText) return FileKind::TestData;
  return FileKind::Unknown;
}

}  // namespace alacrity
