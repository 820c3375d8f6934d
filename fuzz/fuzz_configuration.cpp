// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes: the parser must not crash, and whatever it accepts must survive
// being applied, saved and read again.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "data/configuration_file.h"
#include "data/file_kind.h"

using namespace alacrity;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const auto parsed = ParseConfiguration(bytes);
  if (!parsed.image) {
    if (parsed.message.empty()) std::abort();
    return 0;
  }
  if (DetectFileKind(bytes) != FileKind::Configuration) std::abort();

  static DocumentData document;
  document = DocumentData{};
  ApplyConfigurationImage(*parsed.image, document);
  const auto encoded = EncodeConfiguration(document);
  const auto again = ParseConfiguration(encoded);
  if (!again.image) std::abort();

  const ConfigurationImage& a = *parsed.image;
  const ConfigurationImage& b = *again.image;
  // The saved image is complete; every field the input held must come back.
  if (!b.portIndex || !b.customConfiguration || !b.reservedValue || !b.customVoice) std::abort();
  if ((a.portIndex && a.portIndex != b.portIndex) ||
      (a.customConfiguration && a.customConfiguration != b.customConfiguration) ||
      (a.reservedValue && a.reservedValue != b.reservedValue) ||
      (a.customVoice && a.customVoice != b.customVoice)) {
    std::abort();
  }
  // A complete file has one encoding: the first 81 bytes are written back.
  if (a.customVoice && !std::equal(encoded.begin(), encoded.end(), bytes.begin())) std::abort();
  return 0;
}
