// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a few valid files of each format into <dir>/configuration,
// <dir>/protocol, <dir>/test_data and <dir>/journal, as starting points for
// the fuzzers.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "data/configuration_file.h"
#include "data/protocol_file.h"
#include "data/run_journal.h"
#include "data/test_data_file.h"

using namespace alacrity;
namespace fs = std::filesystem;

namespace {

bool Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

// The same file with its first text (the header) rewritten in the wide form.
std::vector<uint8_t> WideHeader(const std::vector<uint8_t>& bytes) {
  const std::size_t length = bytes[0];
  std::vector<uint8_t> out = {0xFF, 0xFE, 0xFF, static_cast<uint8_t>(length)};
  for (std::size_t i = 1; i <= length; ++i) out.insert(out.end(), {bytes[i], 0});
  out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(length) + 1, bytes.end());
  return out;
}

DocumentData Sample(int32_t count) {
  DocumentData d;
  ApplyDefaultConfiguration(d);
  d.runConfiguration = d.customConfiguration;
  d.customVoice = {0, 300};
  d.runVoice = {0, 300};
  d.subject = {"Subject", 1, 180, 80, "first", "", "third"};
  d.protocol.name = "Sample protocol";
  d.protocol.header = {count, 1, 0, 0, 1, 2, 3};
  d.results.responseCount = count;
  for (int32_t i = 0; i <= count; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    d.protocol.items[slot] = {500 + i, i % 4};
    d.results.responseMs[slot] = 250 + i;
    d.results.objectIndex[slot] = i % 4;
    d.results.buttonIndex[slot] = (i * 3) % 6;
    d.results.generationMs[slot] = 500 + i;
  }
  return d;
}

// The journal of `d`'s schedule with its first `answers` answers.
std::vector<uint8_t> Journal(const DocumentData& d, int32_t answers) {
  const EncodedJournalHeader header =
      EncodeJournalHeader(JournalSetUpOf(d, 0, d.results.responseCount));
  std::vector<uint8_t> bytes = header.bytes;
  for (int32_t i = 1; i <= answers; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    const auto record = EncodeJournalRecord(
        {i, d.results.responseMs[slot], 1 << (i % 4)}, header.crc);
    bytes.insert(bytes.end(), record.begin(), record.end());
  }
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
    return 2;
  }
  const fs::path root = argv[1];
  std::error_code error;
  for (const char* sub : {"configuration", "protocol", "test_data", "journal"}) {
    fs::create_directories(root / sub, error);
    if (error) {
      std::fprintf(stderr, "cannot create %s\n", (root / sub).c_str());
      return 1;
    }
  }

  const DocumentData empty;
  const DocumentData small = Sample(3);
  DocumentData longName = Sample(1);
  longName.subject.name.assign(300, 'n');
  longName.protocol.name.assign(300, 'p');

  const std::vector<uint8_t> smallData = EncodeTestData(small);
  const std::vector<std::pair<fs::path, std::vector<uint8_t>>> seeds = {
      {"configuration/default", EncodeConfiguration(empty)},
      {"configuration/edited", EncodeConfiguration(small)},
      {"configuration/short", Cut(EncodeConfiguration(small), 69)},
      {"protocol/empty", EncodeProtocol(empty.protocol, empty.customVoice)},
      {"protocol/small", EncodeProtocol(small.protocol, small.customVoice)},
      {"protocol/long_name", EncodeProtocol(longName.protocol, longName.customVoice)},
      {"protocol/wide_header", WideHeader(EncodeProtocol(small.protocol, small.customVoice))},
      {"test_data/empty", EncodeTestData(empty)},
      {"test_data/small", smallData},
      {"test_data/no_voice", Cut(smallData, smallData.size() - 8)},
      {"test_data/long_name", EncodeTestData(longName)},
      {"test_data/wide_header", WideHeader(smallData)},
      {"journal/no_answers", Journal(small, 0)},
      {"journal/answered", Journal(small, 3)},
      {"journal/torn", Cut(Journal(small, 3), Journal(small, 3).size() - 5)},
      {"journal/long_name", Journal(longName, 1)},
  };
  for (const auto& [name, bytes] : seeds) {
    if (!Write(root / name, bytes)) {
      std::fprintf(stderr, "cannot write %s\n", (root / name).c_str());
      return 1;
    }
  }
  return 0;
}
