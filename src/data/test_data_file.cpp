// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_data_file.h"

#include <zlib.h>

#include <algorithm>
#include <utility>

#include "byte_stream.h"
#include "file_io.h"
#include "record_codec.h"

namespace alacrity {

namespace {

inline constexpr std::size_t EntryBytes = 16;

ParseResult<TestDataImage> Damaged() { return {std::nullopt, MessageDamagedDataFile}; }

bool ReadSubject(ByteReader& reader, SubjectInfo& s) {
  return reader.Text(s.name) && reader.Int32(s.sex) && reader.Int32(s.height) &&
         reader.Int32(s.weight) && reader.Text(s.comment1) && reader.Text(s.comment2) &&
         reader.Text(s.comment3);
}

bool ReadEntry(ByteReader& reader, ResultEntry& e) {
  return reader.Int32(e.responseMs) && reader.Int32(e.objectIndex) &&
         reader.Int32(e.buttonIndex) && reader.Int32(e.generationMs);
}

}  // namespace

ParseResult<TestDataImage> ParseTestData(std::span<const uint8_t> bytes) {
  ByteReader reader(bytes);
  std::string header;
  if (!reader.Text(header) || header != TestDataHeaderText) {
    return {std::nullopt, MessageIncompatibleData};
  }

  TestDataImage image;
  if (!ReadRecord(reader, image.runConfiguration) || !ReadSubject(reader, image.subject) ||
      !reader.Int32(image.responseCount)) {
    return Damaged();
  }
  // The count must fit the result arrays before it sizes anything.
  const int32_t count = image.responseCount;
  if (count < 0 || count > MaxStimulusCount) return Damaged();

  const auto records = static_cast<std::size_t>(count) + 1;
  if (reader.Remaining() / EntryBytes < records) return Damaged();
  image.entries.resize(records);
  for (ResultEntry& entry : image.entries) {
    if (!ReadEntry(reader, entry)) return Damaged();
  }
  if (!reader.Int32(image.testTime)) return Damaged();

  // Older files end after the test time; a cut-off voice record is treated
  // the same way, and whatever follows a whole one is not ours.
  VoiceSettings voice;
  if (ReadRecord(reader, voice)) image.runVoice = voice;
  return {std::move(image), {}};
}

TestDataImage TestDataImageOf(const DocumentData& data) {
  const TestResults& results = data.results;
  TestDataImage image;
  image.runConfiguration = data.runConfiguration;
  image.subject = data.subject;
  image.responseCount = results.responseCount;
  // Entries 0..N, never beyond the arrays (none when N is negative).
  const int32_t last = std::min(results.responseCount, MaxStimulusCount);
  for (int32_t index = 0; index <= last; ++index) {
    const auto i = static_cast<std::size_t>(index);
    image.entries.push_back({results.responseMs[i], results.objectIndex[i], results.buttonIndex[i],
                             results.generationMs[i]});
  }
  image.testTime = results.testTime;
  image.runVoice = data.runVoice;
  return image;
}

std::vector<uint8_t> EncodeTestData(const DocumentData& data) {
  const TestDataImage image = TestDataImageOf(data);
  ByteWriter writer;
  writer.Text(TestDataHeaderText);
  WriteRecord(writer, image.runConfiguration);
  const SubjectInfo& s = image.subject;
  writer.Text(s.name);
  writer.Int32(s.sex);
  writer.Int32(s.height);
  writer.Int32(s.weight);
  writer.Text(s.comment1);
  writer.Text(s.comment2);
  writer.Text(s.comment3);
  writer.Int32(image.responseCount);
  for (const ResultEntry& e : image.entries) {
    for (int32_t value : {e.responseMs, e.objectIndex, e.buttonIndex, e.generationMs}) {
      writer.Int32(value);
    }
  }
  writer.Int32(image.testTime);
  if (image.runVoice) WriteRecord(writer, *image.runVoice);
  return writer.Data();
}

void ApplyTestDataImage(const TestDataImage& image, DocumentData& data) {
  TestResults& results = data.results;
  data.runConfiguration = image.runConfiguration;
  data.subject = image.subject;
  results.responseCount = image.responseCount;
  // Slots past the file's entries keep what they held.
  const std::size_t count = std::min(image.entries.size(), results.responseMs.size());
  for (std::size_t i = 0; i < count; ++i) {
    const ResultEntry& e = image.entries[i];
    results.responseMs[i] = e.responseMs;
    results.objectIndex[i] = e.objectIndex;
    results.buttonIndex[i] = e.buttonIndex;
    results.generationMs[i] = e.generationMs;
  }
  results.testTime = image.testTime;
  if (image.runVoice) data.runVoice = *image.runVoice;
  data.resultsPresent = 1;
  data.dataSaved = 1;
}

FileOutcome LoadTestData(const std::filesystem::path& path, DocumentData& data) {
  const auto file = ReadFileBytes(path);
  if (!file) return {false, WithFailure(MessageErrorOpeningFile, file.failure)};
  auto parsed = ParseTestData(file->bytes);
  if (!parsed.image) return {false, parsed.message};
  ApplyTestDataImage(*parsed.image, data);
  return {true, {}};
}

std::optional<std::vector<uint8_t>> EncodeTestDataToSave(const DocumentData& data) {
  // A count outside the arrays would store a file no load accepts.
  const int32_t count = data.results.responseCount;
  if (count < 0 || count > MaxStimulusCount) return std::nullopt;
  auto bytes = EncodeTestData(data);
  // Nor may the file outgrow what a load reads.
  if (bytes.size() > MaxReadableFileBytes) return std::nullopt;
  return bytes;
}

FileOutcome SaveTestData(const std::filesystem::path& path, DocumentData& data) {
  const auto bytes = EncodeTestDataToSave(data);
  if (!bytes) return {false, MessageFileSaveError};
  if (const WriteResult written = WriteFileAtomically(path, *bytes); !written) {
    return {false, WithFailure(MessageFileSaveError, written.failure)};
  }
  data.dataSaved = 1;
  return {true, {}};
}

std::optional<DataFileIdentity> IdentityOfDataFile(std::span<const uint8_t> bytes) {
  const ParseResult<TestDataImage> parsed = ParseTestData(bytes);
  if (!parsed.image) return std::nullopt;
  // zlib takes at most 4 GiB a call; a data file is far smaller.
  const auto crc = ::crc32(::crc32(0L, Z_NULL, 0), bytes.data(), static_cast<uInt>(bytes.size()));
  return DataFileIdentity{parsed.image->testTime, static_cast<uint32_t>(crc)};
}

}  // namespace alacrity
