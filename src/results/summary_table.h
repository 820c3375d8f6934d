// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The figures of response summaries as a table: one column list shared by the
// command line's CSV, JSON and text and by any window table, so that each
// shows the same figures under the same names.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/records.h"
#include "results/summary_statistics.h"

namespace alacrity {

struct SummaryColumn {
  std::string_view key;      // CSV header and JSON key
  std::string_view caption;  // heading of a text or window table
  bool integer;              // a count; else a figure with decimals
};

inline constexpr std::array<SummaryColumn, 14> SummaryColumns = {{
    {"answered", "Answered", true},
    {"correct", "Correct", true},
    {"false", "False", true},
    {"error_rate", "Error rate", false},
    {"timed", "Timed", true},
    {"mean_ms", "Mean", false},
    {"sd_ms", "SD", false},
    {"median_ms", "Median", false},
    {"q1_ms", "Q1", false},
    {"q3_ms", "Q3", false},
    {"trimmed_mean_10_ms", "Trim. mean", false},
    {"min_ms", "Min", false},
    {"max_ms", "Max", false},
    {"ies_ms", "IES", false},
}};

// The figures of a summary in the order of SummaryColumns; empty where there
// is no value.
std::array<std::optional<double>, SummaryColumns.size()> SummaryFigures(const ResponseSummary& s);

// A figure as a table shows it: counts whole, times with one decimal, the
// error rate in percent, "-" for no value.
std::string SummaryCellText(const SummaryColumn& column, const std::optional<double>& value);

// "all", the shape's key, or "other".
std::string_view SummaryObjectKey(int32_t object);

// The shortest text that reads back as the same double, "." as decimal point
// whatever the locale: "301", "0.25", "366.6666666666667".
std::string DecimalText(double value);

// The summaries as a table that pastes into a spreadsheet: a heading line of
// "Object" and the captions, then one line per summary (those at
// `rowIndices`, or all), cells as the window's table shows them, separated
// by tabs, lines ended by "\r\n".
std::string SummaryTabText(const std::vector<ResponseSummary>& summaries,
                           std::span<const int> rowIndices);
std::string SummaryTabText(const std::vector<ResponseSummary>& summaries);

// One test's summaries as the command line prints them.
struct TestSummaries {
  std::string fileLabel;
  SubjectInfo subject;
  int32_t testTime = 0;
  std::vector<ResponseSummary> summaries;
};

// RFC 4180, "\r\n" line ends, empty fields for missing values:
// file, subject, test_time_utc, object, then SummaryColumns.
std::string SummaryCsvText(const std::vector<TestSummaries>& tests);

// Aligned columns for reading, a block per test, with notes on how the
// figures were computed and how the inverse efficiency score is read.
std::string SummaryPlainText(const std::vector<TestSummaries>& tests);

}  // namespace alacrity
