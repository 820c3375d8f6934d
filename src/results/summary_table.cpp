// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/summary_table.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

#include "data/text_encoding.h"
#include "results/csv_field.h"
#include "results/stimulus_record.h"
#include "results/test_time_text.h"

namespace alacrity {
namespace {

std::optional<double> Count(int n) { return static_cast<double>(n); }

// to_chars rather than printf: the text must not follow a locale's comma.
std::string FixedText(double value, int decimals) {
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
  return std::string(buffer, end);
}

std::string PadLeft(std::string_view text, std::size_t width) {
  std::string out(width > text.size() ? width - text.size() : 0, ' ');
  out += text;
  return out;
}

std::string PadRight(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

constexpr std::size_t ObjectWidth = 8;
constexpr std::size_t MinColumnWidth = 7;

std::size_t ColumnWidth(const SummaryColumn& column) {
  return std::max(column.caption.size(), MinColumnWidth);
}

constexpr std::string_view Notes =
    "Times in ms, over correct answers with a response time (\"Timed\").\n"
    "SD: sample standard deviation (n - 1). Q1, Q3: quartiles by linear interpolation\n"
    "(R's type 7, Python's statistics.quantiles(method='inclusive')). Trim. mean: the\n"
    "mean without the 10 % fastest and the 10 % slowest times.\n"
    "IES: inverse efficiency score, mean correct time / proportion correct. It folds\n"
    "errors into time, so read it beside the time and the error rate, never alone.\n";

}  // namespace

std::array<std::optional<double>, SummaryColumns.size()> SummaryFigures(const ResponseSummary& s) {
  const TimeDistribution& t = s.correctTimes;
  return {Count(s.answered), Count(s.correct), Count(s.falseCount), s.errorRate,
          Count(t.count),    t.mean,           t.sd,                t.median,
          t.q1,              t.q3,             t.trimmedMean10,     t.min,
          t.max,             s.inverseEfficiency};
}

std::string_view SummaryObjectKey(int32_t object) {
  if (object == AllShapes) return "all";
  const std::string_view key = ObjectKey(object);
  return key.empty() ? "other" : key;
}

std::string SummaryCellText(const SummaryColumn& column, const std::optional<double>& value) {
  if (!value) return "-";
  if (column.integer) return FixedText(*value, 0);
  if (column.key == "error_rate") return FixedText(*value * 100.0, 1) + " %";
  return FixedText(*value, 1);
}

std::string DecimalText(double value) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

std::string SummaryTabText(const std::vector<ResponseSummary>& summaries,
                           std::span<const int> rowIndices) {
  std::string out = "Object";
  for (const SummaryColumn& column : SummaryColumns) {
    out += '\t';
    out += column.caption;
  }
  out += "\r\n";
  for (const int row : rowIndices) {
    if (row < 0 || static_cast<std::size_t>(row) >= summaries.size()) continue;
    const ResponseSummary& s = summaries[static_cast<std::size_t>(row)];
    out += SummaryObjectKey(s.object);
    const auto figures = SummaryFigures(s);
    for (std::size_t c = 0; c < SummaryColumns.size(); ++c) {
      out += '\t';
      out += SummaryCellText(SummaryColumns[c], figures[c]);
    }
    out += "\r\n";
  }
  return out;
}

std::string SummaryTabText(const std::vector<ResponseSummary>& summaries) {
  std::vector<int> all(summaries.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  return SummaryTabText(summaries, all);
}

std::string SummaryCsvText(const std::vector<TestSummaries>& tests) {
  std::string out = "file,subject,test_time_utc,object";
  for (const SummaryColumn& column : SummaryColumns) {
    out += ',';
    out += column.key;
  }
  out += "\r\n";
  for (const TestSummaries& test : tests) {
    const std::string file = ToDisplayUtf8(test.fileLabel);
    const std::string name = ToDisplayUtf8(test.subject.name);
    const std::string time = FormatTestTimeIso(test.testTime);
    for (const ResponseSummary& s : test.summaries) {
      AppendCsvField(out, file);
      out += ',';
      AppendCsvField(out, name);
      out += ',';
      out += time;
      out += ',';
      out += SummaryObjectKey(s.object);
      for (const std::optional<double>& value : SummaryFigures(s)) {
        out += ',';
        if (value) out += DecimalText(*value);
      }
      out += "\r\n";
    }
  }
  return out;
}

std::string SummaryPlainText(const std::vector<TestSummaries>& tests) {
  std::string heading = PadRight("Object", ObjectWidth);
  for (const SummaryColumn& column : SummaryColumns) {
    heading += "  " + PadLeft(column.caption, ColumnWidth(column));
  }

  std::string out;
  for (const TestSummaries& test : tests) {
    out += ToDisplayUtf8(test.fileLabel) + "\n";
    out += "Subject: " + ToDisplayUtf8(test.subject.name) + "\n";
    out += "Test time: " + FormatTestTimeIso(test.testTime) + "\n";
    out += heading + "\n";
    for (const ResponseSummary& s : test.summaries) {
      std::string line = PadRight(SummaryObjectKey(s.object), ObjectWidth);
      const auto figures = SummaryFigures(s);
      for (std::size_t c = 0; c < SummaryColumns.size(); ++c) {
        const SummaryColumn& column = SummaryColumns[c];
        line += "  " + PadLeft(SummaryCellText(column, figures[c]), ColumnWidth(column));
      }
      out += line + "\n";
    }
    out += "\n";
  }
  out += Notes;
  return out;
}

}  // namespace alacrity
