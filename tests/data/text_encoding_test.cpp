// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/text_encoding.h"

#include <gtest/gtest.h>

#include <vector>

namespace alacrity {
namespace {

std::string FromUtf16(std::vector<uint8_t> bytes) { return Utf16LeToUtf8(bytes); }

TEST(Utf16LeToUtf8, ConvertsEveryRangeAndReplacesUnpairedSurrogates) {
  EXPECT_EQ(FromUtf16({'a', 0, 0xFF, 0x00, 0xFF, 0x07, 0xFF, 0xFF}),
            "a\xC3\xBF\xDF\xBF\xEF\xBF\xBF");
  EXPECT_EQ(FromUtf16({0xFF, 0xDB, 0xFF, 0xDF}), "\xF4\x8F\xBF\xBF");  // U+10FFFF
  EXPECT_EQ(FromUtf16({0x00, 0xD8, 'x', 0}), "\xEF\xBF\xBDx");         // lone high
  EXPECT_EQ(FromUtf16({0x00, 0xDC, 0x00, 0xD8}), "\xEF\xBF\xBD\xEF\xBF\xBD");  // reversed pair
  EXPECT_EQ(FromUtf16({'a', 0, 'b'}), "a\xEF\xBF\xBD");                // odd byte left over
}

TEST(IsValidUtf8, AcceptsWellFormedAndRejectsTheRest) {
  for (const char* good : {"", "plain", "\xC3\xA9", "\xE2\x82\xAC", "\xF4\x8F\xBF\xBF",
                           "\xED\x9F\xBF", "\xEF\xBF\xBD"}) {
    EXPECT_TRUE(IsValidUtf8(good)) << good;
  }
  for (const char* bad : {"\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF",  // overlong
                          "\xED\xA0\x80", "\xED\xBF\xBF",                            // surrogates
                          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80",                    // too big
                          "\x80", "\xC3", "\xE2\x82", "\xC3\x28", "\xFF"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  }
}

TEST(ToDisplayUtf8, KeepsUtf8AndReadsAnythingElseAsLatin1) {
  EXPECT_EQ(ToDisplayUtf8("M\xC3\xBCller"), "M\xC3\xBCller");
  EXPECT_EQ(ToDisplayUtf8("M\xFCller"), "M\xC3\xBCller");
  EXPECT_EQ(ToDisplayUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace alacrity
