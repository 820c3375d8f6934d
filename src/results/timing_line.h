// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace alacrity {

// One line of the timing report. A marked line comes with one sentence that
// says what it means.
struct TimingLine {
  std::string text;
  bool marked = false;
  std::string meaning;  // empty unless marked
};

}  // namespace alacrity
