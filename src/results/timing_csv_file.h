// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The timing record beside a data file (`<name>.timing.csv`, see
// docs/formats/timing-csv.md): saved with the data file in one step, and read
// back only when it belongs to the data file beside it.

#include <filesystem>
#include <optional>
#include <string>

#include "data/document_data.h"
#include "data/file_outcome.h"
#include "data/run_timing.h"

namespace alacrity {

struct [[nodiscard]] DataFileSave {
  FileOutcome data;           // refused: nothing at all was changed
  std::string timingFailure;  // the data file saved, its record not: "<path>: <reason>"
};

// Saves the data file and, in the same step, its timing record: written from
// `timing` when a stimulus of it started, removed otherwise, so that no record
// of an earlier save stays beside the new file. A record that cannot be
// written at all (its name too long, write-protected) refuses the whole save
// before anything is written. Sets dataSaved when the data file was written.
DataFileSave SaveTestDataAndTiming(const std::filesystem::path& path, DocumentData& data,
                                   const RunTiming* timing);

enum class TimingRecordState {
  Absent,      // no record beside the data file
  Belongs,     // names this data file as it is
  Unchecked,   // a record of the first version, which names no data file
  Foreign,     // names another test, or another save of this one: not used
  Unreadable,  // cannot be read, or is no record this program wrote: not used
};

struct TimingRecordRead {
  TimingRecordState state = TimingRecordState::Absent;
  std::optional<RunTiming> timing;  // its rows, when Belongs or Unchecked
  std::string failure;              // "<record>: <why it is not used>", when not used
};

// The record at `record`, checked against the data file at `dataFile`.
TimingRecordRead ReadTimingRecord(const std::filesystem::path& record,
                                  const std::filesystem::path& dataFile);
// The record beside the data file.
TimingRecordRead ReadTimingRecordOf(const std::filesystem::path& dataFile);

// "<dir>/<name>.aly" for "<dir>/<name>.timing.csv"; empty for any other name.
std::filesystem::path DataFilePathForTimingCsv(const std::filesystem::path& record);

}  // namespace alacrity
