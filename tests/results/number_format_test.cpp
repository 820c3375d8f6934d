// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/number_format.h"

#include <gtest/gtest.h>

namespace alacrity {
namespace {

TEST(FormatNoDecimals, HalvesRoundAwayFromZero) {
  // The C library would give 300, 0, 2 and -2 here (halves to even).
  EXPECT_EQ(FormatNoDecimals(0, 300.5), "301");
  EXPECT_EQ(FormatNoDecimals(0, 0.5), "1");
  EXPECT_EQ(FormatNoDecimals(0, 2.5), "3");
  EXPECT_EQ(FormatNoDecimals(0, -2.5), "-3");
  EXPECT_EQ(FormatNoDecimals(0, 81.65), "82");
  EXPECT_EQ(FormatNoDecimals(0, 300.49), "300");
}

TEST(FormatNoDecimals, NeverNegativeZero) {
  EXPECT_EQ(FormatNoDecimals(3, -0.4), "  0");
  EXPECT_EQ(FormatNoDecimals(0, -0.0), "0");
}

TEST(FormatNoDecimals, WidthAsPrintf) {
  EXPECT_EQ(FormatNoDecimals(12, 400.0), "         400");
  EXPECT_EQ(FormatNoDecimals(7, 456.0), "    456");
  // Wider values are never cut.
  EXPECT_EQ(FormatNoDecimals(3, 123456.0), "123456");
  EXPECT_EQ(FormatNoDecimals(5, 1e20), "100000000000000000000");
  EXPECT_EQ(FormatNoDecimals(-5, 7.0), "7    ");
}

}  // namespace
}  // namespace alacrity
