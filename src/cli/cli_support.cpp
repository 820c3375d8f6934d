// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli_support.h"

#include <sys/stat.h>

#include <algorithm>
#include <iostream>
#include <span>
#include <system_error>

#include "data/file_io.h"
#include "data/test_data_file.h"
#include "program/standard_streams.h"
#include "results/timing_csv_file.h"
#include "results/timing_report.h"

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

bool SaveTestDataOrReport(const std::filesystem::path& path, DocumentData& data,
                          const RunTiming* timing) {
  const DataFileSave saved = SaveTestDataAndTiming(path, data, timing);
  if (!saved.data.ok) {
    ReportRefusal(path, saved.data.message);
    return false;
  }
  if (!saved.timingFailure.empty()) {
    ReportRefusal(TimingCsvPathFor(path),
                  WithFailure("the timing record could not be written", saved.timingFailure));
    return false;
  }
  return true;
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

std::vector<std::string> EachFileOnce(const std::vector<std::string>& files) {
  struct Taken {
    dev_t device;
    ino_t inode;
    const std::string* name;
  };
  std::vector<Taken> taken;
  std::vector<std::string> distinct;
  for (const std::string& file : files) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) {
      const auto twin = std::find_if(taken.begin(), taken.end(), [&](const Taken& t) {
        return t.device == info.st_dev && t.inode == info.st_ino;
      });
      if (twin != taken.end()) {
        ReportRefusal(file, "is the same file as " + *twin->name + "; taken once");
        continue;
      }
      taken.push_back({info.st_dev, info.st_ino, &file});
    }
    distinct.push_back(file);
  }
  return distinct;
}

void ReportRefusal(const std::filesystem::path& path, std::string_view message) {
  std::cerr << path.string() << ": " << message << '\n';
}

}  // namespace alacrity::cli
