// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes: the parser must not crash, and whatever it accepts must survive
// being applied, saved and read again. A file without voice settings comes
// back with the ones in force, which a save always writes.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "data/file_kind.h"
#include "data/test_data_file.h"

using namespace alacrity;

namespace {

bool SameImage(const TestDataImage& a, const TestDataImage& b) {
  return a.runConfiguration == b.runConfiguration && a.subject == b.subject &&
         a.responseCount == b.responseCount && a.entries == b.entries &&
         a.testTime == b.testTime && a.runVoice == b.runVoice;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const auto parsed = ParseTestData(bytes);
  if (!parsed.image) {
    if (parsed.message.empty()) std::abort();
    return 0;
  }
  TestDataImage image = *parsed.image;
  if (DetectFileKind(bytes) != FileKind::TestData) std::abort();
  if (image.entries.size() != static_cast<size_t>(image.responseCount) + 1) std::abort();

  static DocumentData document;
  document = DocumentData{};
  ApplyTestDataImage(image, document);
  if (document.resultsPresent != 1 || document.dataSaved != 1) std::abort();
  const auto again = ParseTestData(EncodeTestData(document));
  if (!image.runVoice) image.runVoice = DocumentData{}.runVoice;
  if (!again.image || !SameImage(image, *again.image)) std::abort();
  return 0;
}
