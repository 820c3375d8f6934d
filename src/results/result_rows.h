// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rows of the result list as cell texts, exactly as the list shows,
// copies, exports and prints them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/records.h"

namespace alacrity {

using ResultRow = std::array<std::string, 6>;

// An ObjectKind 0..3, or every object.
inline constexpr int32_t AllObjects = 8;

// "%5d", "%14s%5s" of the object name and "   ", "%13d", "%13d", "%18d" and
// " correct" or " false".
ResultRow ResponseRow(const TestResults& results, int stimulus);

// The label, "%7d", "Mean alacrity time(ms):", "%12.0f", "SD:" right-aligned in
// 16, "%12.0f".
ResultRow StatisticsRow(std::string_view label, int count, float mean, float sd);

// One row per stimulus, or per stimulus of one object, keeping the test's
// stimulus numbers.
std::vector<ResultRow> FillResponseByResponse(const TestResults& results, int32_t filter);

struct SplitSummary {
  std::vector<ResultRow> rows;
  // "%40s %7.0f ms " of "Alacrity time average:" and the last block's mean;
  // nothing when there were no blocks (the previous text then stays).
  std::optional<std::string> averageText;
};

// Blocks 1..k, k+1..2k, ..., each followed by its "Total responses:" row, the
// "Correct responses:" and "False responses:" rows when false responses are
// accepted and the block has some, and a " " separator row. k >= 1.
// (Spelt "struct": the view's modes have an enumerator SplitSummary too.)
struct SplitSummary FillSplitSummary(const TestResults& results, int32_t falseResponseMode, int blockSize);

}  // namespace alacrity
