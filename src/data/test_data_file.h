// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Test data files (.aly): the header text "Alacrity_V1.0", the run
// configuration, the subject, N, N + 1 entry records (index 0 first), the test
// time and, optionally, the run's voice settings. With empty texts a file of
// N responses has 110 + 16 N bytes.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "document_data.h"
#include "file_outcome.h"

namespace alacrity {

inline constexpr std::string_view TestDataHeaderText = "Alacrity_V1.0";

struct ResultEntry {
  int32_t responseMs = 0;
  int32_t objectIndex = 0;
  int32_t buttonIndex = 0;
  int32_t generationMs = 0;

  bool operator==(const ResultEntry&) const = default;
};

struct TestDataImage {
  TestConfiguration runConfiguration;
  SubjectInfo subject;
  int32_t responseCount = 0;
  std::vector<ResultEntry> entries;  // responseCount + 1, index 0 first
  int32_t testTime = 0;
  std::optional<VoiceSettings> runVoice;  // absent in older files
};

// All or nothing: a wrong header gives "Incompatible data"; a file that ends
// inside any field before the voice settings, a malformed text or a count
// outside 0..1199 gives "Damaged data file". A partial voice record is ignored.
ParseResult<TestDataImage> ParseTestData(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeTestData(const DocumentData& data);

// The image of the current run configuration, subject and results.
TestDataImage TestDataImageOf(const DocumentData& data);

// Replaces runConfiguration, subject, the response count, entries 0..N, the
// test time and (when present) runVoice; sets resultsPresent and dataSaved.
void ApplyTestDataImage(const TestDataImage& image, DocumentData& data);

// Changes nothing unless the whole file was accepted.
FileOutcome LoadTestData(const std::filesystem::path& path, DocumentData& data);

// The bytes a save writes; nothing when no load would accept them (a count
// outside 0..1199, a file larger than a load reads).
std::optional<std::vector<uint8_t>> EncodeTestDataToSave(const DocumentData& data);

// The data file alone. Sets dataSaved when the file was written. Refuses a
// responseCount outside 0..1199 with "File Save Error": no load would accept
// that file. Results are saved with SaveTestDataAndTiming
// (results/timing_csv_file.h), which keeps the timing record in step.
FileOutcome SaveTestData(const std::filesystem::path& path, DocumentData& data);

// What a file kept beside a data file (its timing record) names of it, so a
// reader can tell whether the two belong together: the test time and the
// CRC-32 (as zlib and gzip compute it) of all the data file's bytes.
struct DataFileIdentity {
  int32_t testTime = 0;
  uint32_t crc32 = 0;

  bool operator==(const DataFileIdentity&) const = default;
};
// Nothing when the bytes are no data file a load accepts.
std::optional<DataFileIdentity> IdentityOfDataFile(std::span<const uint8_t> bytes);

}  // namespace alacrity
