// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/copy_text.h"

#include <algorithm>
#include <cstdio>
#include <langinfo.h>
#include <locale.h>

#include "results/columns.h"
#include "results/test_time_text.h"

namespace alacrity {
namespace {

constexpr std::string_view LineEnd = "\r\n";

void AppendTitleLines(std::string& text, std::string_view separator) {
  const auto [line1, line2] = BuildTitleLines(separator);
  text += line1;
  text += LineEnd;
  text += line2;
  text += LineEnd;
}

// The cells carry their own alignment spaces, so a copied row needs nothing
// between them.
void AppendCopiedRow(std::string& text, const ResultRow& row) {
  for (const std::string& cell : row) text += cell;
  text += LineEnd;
}

}  // namespace

std::pair<std::string, std::string> BuildTitleLines(std::string_view separator) {
  std::pair<std::string, std::string> lines;
  for (const ResultColumn& column : ResultColumns) {
    const auto [first, second] = SplitTitle(column.title);
    lines.first += first;
    lines.first += separator;
    lines.second += second;
    lines.second += separator;
  }
  return lines;
}

std::string CopyText(const std::vector<ResultRow>& rows, std::span<const int> rowIndices) {
  std::string text;
  AppendTitleLines(text, "  ");
  for (const int index : rowIndices) {
    if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) continue;
    AppendCopiedRow(text, rows[static_cast<std::size_t>(index)]);
  }
  return text;
}

std::string CopyAllText(const std::vector<ResultRow>& rows) {
  std::string text;
  AppendTitleLines(text, "  ");
  for (const ResultRow& row : rows) AppendCopiedRow(text, row);
  return text;
}

std::string CsvText(const std::vector<ResultRow>& rows, char separator, std::string_view subjectName,
                    std::string_view testDescription, int32_t testTime) {
  std::string text;
  text += "Name: ";
  text += subjectName;
  text += LineEnd;
  text += "Test: Custom  ";
  text += testDescription;
  text += LineEnd;
  text += "Date: " + FormatTestDate(testTime);
  text += LineEnd;
  text += LineEnd;
  const std::string_view sep(&separator, 1);
  AppendTitleLines(text, sep);
  // Every cell, the last one included, is followed by the separator; nothing
  // is quoted, so the cells stay exactly as the list shows them.
  for (const ResultRow& row : rows) {
    for (const std::string& cell : row) {
      text += cell;
      text += separator;
    }
    text += LineEnd;
  }
  return text;
}

std::string TestDescription(const TestResults& results) {
  const int count = std::clamp(results.responseCount, 0, MaxStimulusCount);
  if (count == 0) return "";
  const auto first = results.generationMs.begin() + 1;
  const auto [lowest, highest] = std::minmax_element(first, first + count);
  char buffer[64];
  if (*lowest == *highest) {
    std::snprintf(buffer, sizeof buffer, "Fixed Time (%d ms)", static_cast<int>(*lowest));
  } else {
    std::snprintf(buffer, sizeof buffer, "Times %d - %d ms", static_cast<int>(*lowest),
                  static_cast<int>(*highest));
  }
  return buffer;
}

char ListSeparatorForDecimalPoint(char decimalPoint) {
  // A spreadsheet reading "1,5;2" needs a separator other than the decimal
  // comma.
  return decimalPoint == ',' ? ';' : ',';
}

char UserListSeparator() {
  // newlocale reports an unknown locale name by returning null instead of
  // throwing, and leaves the process's own locale alone.
  const locale_t user = newlocale(LC_NUMERIC_MASK, "", locale_t{});
  if (user == locale_t{}) return ListSeparatorForDecimalPoint('.');
  const char* radix = nl_langinfo_l(RADIXCHAR, user);
  const char decimalPoint = (radix != nullptr && radix[0] != '\0') ? radix[0] : '.';
  freelocale(user);
  return ListSeparatorForDecimalPoint(decimalPoint);
}

}  // namespace alacrity
