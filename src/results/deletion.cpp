// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/deletion.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace alacrity {

void DeleteStimuli(TestResults& results, std::span<const int> stimuli) {
  const int count = std::clamp(results.responseCount, 0, MaxStimulusCount);
  std::vector<bool> removed(static_cast<std::size_t>(count) + 1, false);
  for (const int stimulus : stimuli) {
    if (stimulus >= 1 && stimulus <= count) removed[static_cast<std::size_t>(stimulus)] = true;
  }

  // One compacting pass: the same result as removing from the highest
  // stimulus down, without moving the tail once per removed entry.
  std::size_t kept = 1;
  for (std::size_t j = 1; j <= static_cast<std::size_t>(count); ++j) {
    if (removed[j]) continue;
    if (kept != j) {
      results.responseMs[kept] = results.responseMs[j];
      results.objectIndex[kept] = results.objectIndex[j];
      results.buttonIndex[kept] = results.buttonIndex[j];
      results.generationMs[kept] = results.generationMs[j];
    }
    ++kept;
  }
  const int remaining = static_cast<int>(kept) - 1;
  if (remaining == count) return;

  // Clear the vacated slots: nothing past responseCount should look like a
  // response (the last entry would otherwise appear twice in the arrays).
  for (std::size_t j = kept; j <= static_cast<std::size_t>(count); ++j) {
    results.responseMs[j] = 0;
    results.objectIndex[j] = 0;
    results.buttonIndex[j] = 0;
    results.generationMs[j] = 0;
  }
  results.responseCount = remaining;
}

}  // namespace alacrity
