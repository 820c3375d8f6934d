// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/box_check.h"

#include <algorithm>
#include <string_view>

namespace alacrity {
namespace {

constexpr std::string_view MeaningSilent =
    "The box stopped sending: it was switched off or unplugged, or its line broke.";
constexpr std::string_view MeaningHeld =
    "A button held for the whole check is stuck or wired wrongly: a test waits for all buttons up "
    "before every stimulus.";

TimingLine SilenceLine(double silentMs) {
  return {"No bytes for the last " + FormatFixed(silentMs, 0) + " ms of the check", true,
          std::string(MeaningSilent)};
}

TimingLine HeldLine(int32_t heldThroughout) {
  if (heldThroughout == 0) return {"Buttons held throughout: none", false, ""};
  return {"Buttons held throughout: " + ButtonNames(heldThroughout), true,
          std::string(MeaningHeld)};
}

}  // namespace

std::string ButtonNames(int32_t nibble) {
  std::string names;
  for (int bit = 0; bit < 4; ++bit) {
    if ((nibble & (1 << bit)) == 0) continue;
    if (!names.empty()) names += '+';
    names += static_cast<char>('1' + bit);
  }
  return names;
}

BoxCheckVerdict JudgeBoxCheck(const ByteArrival& arrival, int64_t endNs) {
  BoxCheckVerdict verdict;
  const std::optional<BoxRate> rate = MeasuredBoxRate(arrival);
  verdict.lines.push_back(BoxRateLine(rate));
  verdict.lines.push_back(LongestGapLine(static_cast<double>(arrival.longestGapNs) / 1e6));
  // The time since the last chunk is a gap that has not ended yet.
  if (arrival.bytes > 0) {
    if (const double silentMs = static_cast<double>(endNs - arrival.lastNs) / 1e6;
        silentMs > GapLimitMs) {
      verdict.lines.push_back(SilenceLine(silentMs));
    }
  }
  verdict.lines.push_back(HeldLine(arrival.buttons.heldThroughout));
  verdict.lines.push_back(ButtonChangesLine(arrival.buttons));
  verdict.sound = arrival.bytes > 0 && rate.has_value() &&
                  std::none_of(verdict.lines.begin(), verdict.lines.end(),
                               [](const TimingLine& line) { return line.marked; });
  return verdict;
}

}  // namespace alacrity
