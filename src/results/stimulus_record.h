// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One stimulus of a test in machine-readable form, shared by the tidy table
// and the datasets so that every export names things the same way. An empty
// key is a missing value (a code without a name), never a made-up category.

#include <cstdint>
#include <optional>
#include <string_view>

#include "data/records.h"

namespace alacrity {

// Lower case, no padding, "triangle" spelt right.
std::string_view ObjectKey(int32_t object);
std::string_view ColorKey(int32_t color);
std::string_view BackgroundKey(int32_t background);
std::string_view FalseResponseKey(int32_t mode);  // "accepted", "not accepted"

struct StimulusRecord {
  int stimulus = 0;  // 1-based number in the test
  std::string_view object;
  int32_t generationMs = 0;
  int32_t responseMs = 0;  // 0: no response time
  int64_t totalMs = 0;     // cannot overflow, unlike the 32-bit sum
  std::optional<int> button;  // as printed on the box, 1..4; none for 5 or damaged codes
  bool correct = false;
  std::string_view objectColor;
};

StimulusRecord MakeStimulusRecord(const TestResults& results,
                                  const TestConfiguration& runConfiguration, int stimulus);

}  // namespace alacrity
