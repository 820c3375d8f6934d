// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/result_rows.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

#include "data/enums.h"
#include "results/number_format.h"
#include "results/statistics.h"

namespace alacrity {
namespace {

// Every cell format here yields well under this many characters.
constexpr std::size_t CellBuffer = 64;

template <typename... Args>
std::string Printf(const char* format, Args... args) {
  char buffer[CellBuffer];
  const int length = std::snprintf(buffer, sizeof buffer, format, args...);
  if (length < 0) return {};
  return std::string(buffer, std::min(static_cast<std::size_t>(length), sizeof buffer - 1));
}

// A damaged file may claim more entries than the arrays hold.
int HeldResponses(const TestResults& results) {
  return std::clamp(results.responseCount, 0, MaxStimulusCount);
}

}  // namespace

ResultRow ResponseRow(const TestResults& results, int stimulus) {
  if (stimulus < 0 || stimulus >= ResultCapacity) return {};
  const auto j = static_cast<std::size_t>(stimulus);
  const int32_t generation = results.generationMs[j];
  const int32_t response = results.responseMs[j];
  // ObjectName gives " Invalid " for 4 (no single button) and damaged codes,
  // which keeps the cell 19 characters wide like the real names.
  const std::string object(ObjectName(results.objectIndex[j]));
  return {
      Printf("%5d", stimulus),
      Printf("%14s%5s", object.c_str(), "   "),
      Printf("%13d", generation),
      Printf("%13d", response),
      // Summed in 64 bits: damaged values must not overflow.
      Printf("%18lld", static_cast<long long>(generation) + static_cast<long long>(response)),
      IsCorrect(results, stimulus) ? " correct" : " false",
  };
}

ResultRow StatisticsRow(std::string_view label, int count, float mean, float sd) {
  return {
      std::string(label),
      Printf("%7d", count),
      Printf("%20s", "Mean alacrity time(ms):"),
      FormatNoDecimals(12, static_cast<double>(mean)),
      Printf("%16s", "SD:"),
      FormatNoDecimals(12, static_cast<double>(sd)),
  };
}

std::vector<ResultRow> FillResponseByResponse(const TestResults& results, int32_t filter) {
  std::vector<ResultRow> rows;
  const int count = HeldResponses(results);
  rows.reserve(static_cast<std::size_t>(count));
  for (int j = 1; j <= count; ++j) {
    if (filter != AllObjects && results.objectIndex[static_cast<std::size_t>(j)] != filter) continue;
    rows.push_back(ResponseRow(results, j));
  }
  return rows;
}

SplitSummary FillSplitSummary(const TestResults& results, int32_t falseResponseMode, int blockSize) {
  SplitSummary summary;
  const int count = HeldResponses(results);
  // A block size below 1 would never advance; the smallest real size is 1.
  const int k = std::max(blockSize, 1);

  for (int start = 1; start <= count;) {
    // Written so that a huge k cannot overflow.
    const int end = (k > count - start) ? count : start + k - 1;
    for (int j = start; j <= end; ++j) summary.rows.push_back(ResponseRow(results, j));

    const BlockStatistics s = ComputeStatistics(results, start, end);
    summary.rows.push_back(StatisticsRow("Total responses:", s.allCount, s.allMean, s.allSd));
    summary.averageText = Printf("%40s ", "Alacrity time average:") +
                          FormatNoDecimals(7, static_cast<double>(s.allMean)) + " ms ";
    // Correct and false rows only say something new when false responses
    // could end a stimulus and some did.
    if (falseResponseMode == Code(FalseResponseMode::Accepted) && s.allCount != s.correctCount) {
      summary.rows.push_back(
          StatisticsRow("Correct responses:", s.correctCount, s.correctMean, s.correctSd));
      summary.rows.push_back(StatisticsRow("False responses:", s.falseCount, s.falseMean, s.falseSd));
    }
    summary.rows.push_back(ResultRow{" ", "", "", "", "", ""});

    if (end >= count) break;
    start = end + 1;
  }
  return summary;
}

}  // namespace alacrity
