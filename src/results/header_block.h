// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The texts of the boxed header block above the results on screen and on the
// first printed page.

#include <cstdint>
#include <string>

#include "data/records.h"

namespace alacrity {

// The background and shape colours of the test. The run configuration holds
// them after either kind of Perform and after a data file was opened.
struct HeaderColors {
  int32_t background = 0;
  int32_t square = 0;
  int32_t circle = 0;
  int32_t triangle = 0;
  int32_t cross = 0;
};
HeaderColors HeaderColorsOf(const TestConfiguration& runConfiguration);
HeaderColors HeaderColorsOf(const ProtocolHeader& runProtocolHeader);

struct HeaderBlockTexts {
  std::string name;        // N: "Name: " + name
  std::string date;        // D: "Date: " + FormatTestDate
  std::string total;       // T: "%s%3d" of "Total: " and responseCount
  std::string background;  // B: "Background: " + name
  std::string shapes1;     // S1: "%s%s%25s%s" square / circle
  std::string shapes2;     // S2: "%s%s%25s%s" triangle / cross
};

HeaderBlockTexts BuildHeaderBlockTexts(const SubjectInfo& subject, const TestResults& results,
                                       const HeaderColors& colors);

}  // namespace alacrity
