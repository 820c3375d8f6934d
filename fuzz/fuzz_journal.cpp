// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a journal left behind: the reader must not crash; whatever it
// accepts must read back the same once written again, and must restore into
// results that a data file holds and reads back.

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "data/run_journal.h"
#include "data/test_data_file.h"
#include "engine/run_recovery.h"

using namespace alacrity;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const auto parsed = ParseRunJournal(bytes);
  if (!parsed.image) {
    if (parsed.message.empty()) std::abort();
    return 0;
  }
  const JournalImage& image = *parsed.image;
  if (!IsRunJournal(bytes) || image.droppedBytes > size) std::abort();
  if (image.answers.size() > image.setUp.schedule.size()) std::abort();

  const EncodedJournalHeader header = EncodeJournalHeader(image.setUp);
  std::vector<uint8_t> again = header.bytes;
  for (const JournalAnswer& answer : image.answers) {
    const auto record = EncodeJournalRecord(answer, header.crc);
    again.insert(again.end(), record.begin(), record.end());
  }
  const auto reread = ParseRunJournal(again);
  if (!reread.image || reread.image->setUp != image.setUp ||
      reread.image->answers != image.answers || reread.image->droppedBytes != 0) {
    std::abort();
  }

  static DocumentData document;
  document = DocumentData{};
  RestoreJournalledRun(image, document);
  if (document.results.responseCount != static_cast<int32_t>(image.answers.size())) std::abort();
  if (!ParseTestData(EncodeTestData(document)).image) std::abort();
  return 0;
}
