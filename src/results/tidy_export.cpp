// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/tidy_export.h"

#include "data/text_encoding.h"
#include "results/csv_field.h"
#include "results/stimulus_columns.h"
#include "results/test_time_text.h"

namespace alacrity {
namespace {

// Missing values are empty fields.
constexpr RowFormat TidyRows{};

}  // namespace

std::string TidyCsvHeaderLine() {
  std::string out;
  AppendStimulusHeader(out, TidyRows, "file,subject,test_time_utc,");
  return out;
}

void AppendTidyCsvRows(std::string& out, std::string_view fileLabel, const SubjectInfo& subject,
                       const TestConfiguration& runConfiguration, const TestResults& results,
                       const RunTiming* timing) {
  // Identical for every row of the file; encoded once.
  std::string fileColumns;
  AppendCsvField(fileColumns, ToDisplayUtf8(fileLabel));
  fileColumns += ',';
  AppendCsvField(fileColumns, ToDisplayUtf8(subject.name));
  fileColumns += ',';
  fileColumns += FormatTestTimeIso(results.testTime);
  fileColumns += ',';
  AppendStimulusRows(out, TidyRows, fileColumns, runConfiguration, results, timing);
}

}  // namespace alacrity
