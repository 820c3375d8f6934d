// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The texts that Copy, Copy All and Export csv hand to other programs: 8-bit
// text, lines ended by "\r\n", cells exactly as the list shows them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "result_rows.h"

namespace alacrity {

// Line 1: each title's first part followed by the separator; line 2 the same
// with the second parts.
std::pair<std::string, std::string> BuildTitleLines(std::string_view separator);

// The two title lines (separator "  ") and the given rows, cells joined with
// nothing between them. rowIndices are in list order.
std::string CopyText(const std::vector<ResultRow>& rows, std::span<const int> rowIndices);
std::string CopyAllText(const std::vector<ResultRow>& rows);

// "Name: ", "Test: Custom  " + testDescription, "Date: ...", an empty line,
// the title lines and every row, each cell followed by the separator. No
// quoting: a cell containing the separator is written unchanged.
std::string CsvText(const std::vector<ResultRow>& rows, char separator, std::string_view subjectName,
                    std::string_view testDescription, int32_t testTime);

// What follows "Custom  " on the "Test:" line: the generation times of the
// stimuli kept, "Fixed Time (500 ms)" when all are equal, else their range
// as "Times 212 - 987 ms"; empty without stimuli. Taken from the results, not
// from the timing settings, which a protocol run never used and a data file
// does not say whether it did.
std::string TestDescription(const TestResults& results);

// This platform has no list-separator setting: ";" where the decimal
// separator is ",", else ",".
char ListSeparatorForDecimalPoint(char decimalPoint);
// From the user's numeric locale (LC_ALL, LC_NUMERIC, LANG).
char UserListSeparator();

}  // namespace alacrity
