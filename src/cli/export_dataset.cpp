// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export_dataset.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include "cli_support.h"
#include "exit_codes.h"
#include "results/bids_dataset.h"
#include "results/psychds_dataset.h"

namespace alacrity::cli {
namespace {

// Whether the path lies inside the folder, decided on canonical paths
// component by component ("out" does not hold "out2/x.aly").
bool IsInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
  std::error_code error;
  const auto file = std::filesystem::weakly_canonical(path, error);
  if (error) return false;
  const auto dir = std::filesystem::weakly_canonical(folder, error);
  if (error) return false;
  auto f = file.begin();
  for (auto d = dir.begin(); d != dir.end(); ++d, ++f) {
    if (d->empty()) continue;  // the trailing "" of "out/"
    if (f == file.end() || *f != *d) return false;
  }
  return true;
}

}  // namespace

int ExportDataset(const std::string& format, const std::vector<std::string>& files,
                  const std::string& folder, bool force) {
  if (folder.empty()) {
    std::cerr << "export --format " << format << " needs the dataset folder: -o DIR\n";
    return ExitUsage;
  }
  // Replacing the folder would delete a test data file kept in it.
  for (const std::string& file : files) {
    if (IsInside(file, folder)) {
      ReportRefusal(file, "A test data file inside the dataset folder would be lost");
      return ExitRefused;
    }
  }
  std::vector<std::unique_ptr<DocumentData>> loaded;
  std::vector<DatasetTest> tests;
  for (const std::string& file : files) {
    loaded.push_back(LoadTestDataOrReport(file));
    if (!loaded.back()) return ExitRefused;
    tests.push_back({file, loaded.back().get()});
  }
  const std::vector<DatasetFile> dataset = format == "bids"
                                               ? MakeBidsDataset(tests, ALACRITY_VERSION)
                                               : MakePsychDsDataset(tests, ALACRITY_VERSION);
  switch (WriteFolderAtomically(folder, dataset, force)) {
    case FolderWrite::Written:
      return ExitOk;
    case FolderWrite::NotEmpty:
      ReportRefusal(folder, "Folder not empty (--force replaces it)");
      return ExitRefused;
    case FolderWrite::NotAFolder:
      ReportRefusal(folder, "Not a folder");
      return ExitRefused;
    case FolderWrite::Failed:
      break;
  }
  ReportRefusal(folder, "File Save Error");
  return ExitRefused;
}

}  // namespace alacrity::cli
