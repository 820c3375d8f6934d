// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolsupport/cli_support.h"

#include <iostream>
#include <span>
#include <system_error>
#include <utility>

#include "data/file_io.h"
#include "data/test_data_file.h"
#include "results/timing_csv_file.h"
#include "program/standard_streams.h"

namespace alacrity::cli {

std::unique_ptr<DocumentData> NewDocument() {
  return std::make_unique<DocumentData>();
}

std::unique_ptr<DocumentData> LoadTestDataOrReport(const std::filesystem::path& path) {
  auto document = NewDocument();
  const FileOutcome outcome = LoadTestData(path, *document);
  if (!outcome.ok) {
    ReportRefusal(path, outcome.message);
    return nullptr;
  }
  return document;
}

bool WriteOutput(const std::filesystem::path& path, std::string_view bytes) {
  if (path.empty()) return WriteStandardOutput(bytes);
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const WriteResult written =
      WriteFileAtomically(path, std::span<const uint8_t>(data, bytes.size()));
  if (!written) {
    ReportRefusal(path, WithFailure(MessageFileSaveError, written.failure));
    return false;
  }
  return true;
}

bool OutputIsAnInput(const std::filesystem::path& output,
                     const std::vector<std::filesystem::path>& inputs) {
  if (output.empty()) return false;
  for (const std::filesystem::path& input : inputs) {
    std::error_code error;  // a missing file is nobody's twin
    if (!input.empty() && std::filesystem::equivalent(output, input, error)) {
      ReportRefusal(output, "is the same file as the input " + input.string() + "; nothing written");
      return true;
    }
  }
  return false;
}

std::optional<RunTiming> TimingRecordOrNote(const std::filesystem::path& dataFile) {
  TimingRecordRead read = ReadTimingRecordOf(dataFile);
  if (!read.timing && read.state != TimingRecordState::Absent) {
    std::cerr << read.failure << "; not used\n";
  }
  return std::move(read.timing);
}

void ReportRefusal(const std::filesystem::path& path, std::string_view message) {
  std::cerr << path.string() << ": " << message << '\n';
}

}  // namespace alacrity::cli
