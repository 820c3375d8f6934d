// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The stimulus columns of the tidy table, the Psych-DS and the BIDS files:
// one table that names and describes them, one walker that writes their
// rows, so that a column is added in one place. The formats differ only in
// what separates fields and ends lines, what stands for a missing value and
// how correctness reads; the columns a format puts first (file, subject,
// session) it hands in ready written.

#include <array>
#include <string>
#include <string_view>

#include "data/records.h"
#include "data/run_timing.h"

namespace alacrity {

enum class StimulusField {
  Stimulus,
  Object,
  GenerationMs,
  ResponseMs,
  TotalMs,
  Button,
  Correct,
  Background,
  FalseResponse,
  ObjectColor,
  ResponseFromPresentedMs,
  ResponseFromLightMs,
};

struct ColumnLevel {
  std::string_view value;
  std::string_view meaning;
};

struct StimulusColumn {
  StimulusField field;
  std::string_view name;
  std::string_view unit;  // empty: none
  // Psych-DS has no place for the values a column takes, so its description
  // names them; BIDS lists them as levels beside a shorter one. Each says
  // "missing" as its files write it.
  std::string_view psychDsDescription;
  std::string_view bidsDescription;  // empty: the Psych-DS one
  std::array<ColumnLevel, 4> bidsLevels{};
};

// In the order of the rows.
extern const std::array<StimulusColumn, 12> StimulusColumns;

struct RowFormat {
  char separator = ',';
  std::string_view lineEnd = "\r\n";
  std::string_view missing;  // for a code without a name and for no single button
  // BIDS writes correctness as "quality", "correct" or "false"; the others
  // as "correct", 1 or 0.
  bool correctAsQuality = false;
};

std::string_view ColumnName(const StimulusColumn& column, const RowFormat& format);

// `prefix` (the names of the format's own first columns, each followed by
// the separator) and the stimulus columns' names, as one line.
void AppendStimulusHeader(std::string& out, const RowFormat& format, std::string_view prefix);

// One line per stimulus 1..responseCount: `prefix` (the format's own first
// columns for this test, each followed by the separator) and the stimulus
// columns. The response times from the presented frame and from the light
// come from `timing`, the test's timing record; they are missing without
// one, and where it does not describe these results stimulus by stimulus
// (lines were deleted since).
void AppendStimulusRows(std::string& out, const RowFormat& format, std::string_view prefix,
                        const TestConfiguration& runConfiguration, const TestResults& results,
                        const RunTiming* timing);

}  // namespace alacrity
