// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export_dataset.h"

#include <unistd.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "data/file_io.h"
#include "results/bids_dataset.h"
#include "results/psychds_dataset.h"
#include "toolsupport/cli_support.h"
#include "toolsupport/exit_codes.h"

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

// Whether the folder's description names this program as its maker: the BIDS
// description under GeneratedBy, the Psych-DS one in its measurementTechnique
// ("alacrity <version>: ...").
bool IsDatasetOfOurs(const std::filesystem::path& folder) {
  const std::optional<FileBytes> file = ReadFileBytes(folder / "dataset_description.json");
  if (!file || file->truncated) return false;
  const auto description = nlohmann::json::parse(file->bytes, nullptr, /*allow_exceptions=*/false);
  if (!description.is_object()) return false;
  if (const auto makers = description.find("GeneratedBy");
      makers != description.end() && makers->is_array()) {
    for (const auto& maker : *makers) {
      if (maker.is_object() && maker.value("Name", std::string()) == "alacrity") return true;
    }
  }
  const auto technique = description.find("measurementTechnique");
  return technique != description.end() && technique->is_string() &&
         std::string_view(technique->get_ref<const std::string&>()).starts_with("alacrity ");
}

// A folder that holds files may be replaced only when it is an earlier
// dataset of ours: anything else may hold a lab's own files, which --force
// must not delete.
bool HoldsFilesNotOurs(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(std::filesystem::symlink_status(folder, error))) return false;
  if (std::filesystem::is_empty(folder, error) && !error) return false;
  return !IsDatasetOfOurs(folder);
}

// The longest file name the file system of the folder (or of where it is to
// be made) takes; 255, the common limit, when it cannot say.
std::size_t NameLimit(const std::filesystem::path& folder) {
  const std::filesystem::path parent = folder.parent_path().empty() ? "." : folder.parent_path();
  for (const std::filesystem::path& place : {folder, parent}) {
    const long limit = ::pathconf(place.c_str(), _PC_NAME_MAX);
    if (limit > 0) return static_cast<std::size_t>(limit);
  }
  return 255;
}

// A name of the dataset that the file system would refuse halfway (a long
// subject name makes long file names), found before anything is written.
std::optional<std::string> NameTooLong(const std::filesystem::path& folder,
                                       const std::vector<DatasetFile>& dataset,
                                       std::size_t limit) {
  std::filesystem::path target = folder.lexically_normal();
  if (!target.has_filename()) target = target.parent_path();
  if (target.filename().string().size() > limit) return target.filename().string();
  for (const DatasetFile& file : dataset) {
    for (const std::filesystem::path& part : std::filesystem::path(file.path)) {
      if (part.string().size() > limit) return part.string();
    }
  }
  return std::nullopt;
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
  if (HoldsFilesNotOurs(folder)) {
    ReportRefusal(folder,
                  "Folder holds files and no dataset_description.json of alacrity: it is no "
                  "earlier dataset of ours and is not replaced, not even with --force");
    return ExitRefused;
  }
  std::vector<std::unique_ptr<DocumentData>> loaded;
  std::vector<std::unique_ptr<RunTiming>> timings;
  std::vector<DatasetTest> tests;
  for (const std::string& file : files) {
    loaded.push_back(LoadTestDataOrReport(file));
    if (!loaded.back()) return ExitRefused;
    std::optional<RunTiming> timing = TimingRecordOrNote(file);
    timings.push_back(timing ? std::make_unique<RunTiming>(std::move(*timing)) : nullptr);
    tests.push_back({file, loaded.back().get(), timings.back().get()});
  }
  const std::vector<DatasetFile> dataset = format == "bids"
                                               ? MakeBidsDataset(tests, ALACRITY_VERSION)
                                               : MakePsychDsDataset(tests, ALACRITY_VERSION);
  const std::size_t limit = NameLimit(folder);
  if (const auto name = NameTooLong(folder, dataset, limit)) {
    ReportRefusal(folder, "The name " + *name + " is too long for the file system (" +
                              std::to_string(name->size()) + " bytes, at most " +
                              std::to_string(limit) + "); nothing written");
    return ExitRefused;
  }
  switch (WriteFolderAtomically(folder, dataset, force)) {
    case FolderWrite::Written:
      return ExitOk;
    case FolderWrite::NotEmpty:
      ReportRefusal(folder, "Folder not empty (--force replaces it)");
      return ExitRefused;
    case FolderWrite::NotAFolder:
      ReportRefusal(folder, "Not a folder");
      return ExitRefused;
    case FolderWrite::NoName:
      ReportRefusal(folder, "Name the dataset folder itself, not . or ..: it is replaced whole");
      return ExitRefused;
    case FolderWrite::Failed:
      break;
  }
  ReportRefusal(folder, "File Save Error");
  return ExitRefused;
}

}  // namespace alacrity::cli
