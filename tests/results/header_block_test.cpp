// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/header_block.h"

#include <gtest/gtest.h>

#include <string>

#include "results/test_time_text.h"

namespace alacrity {
namespace {

constexpr int32_t March5th2007At140309 = 1173103389;  // UTC, and the tests run with TZ=UTC

TEST(TestTimeText, LocalDateAndUtcIso) {
  EXPECT_EQ(FormatTestDate(March5th2007At140309), "05.03.2007  at  14:03:09");
  EXPECT_EQ(FormatTestTimeIso(March5th2007At140309), "2007-03-05T14:03:09Z");
  EXPECT_EQ(FormatTestDate(0), "01.01.1970  at  00:00:00");
  // The stored 32 bits are unsigned: after January 2038, not before 1970.
  EXPECT_EQ(FormatTestDate(INT32_MIN), "19.01.2038  at  03:14:08");
  EXPECT_EQ(FormatTestTimeIso(-1), "2106-02-07T06:28:15Z");
}

std::string Spaces(std::size_t n) { return std::string(n, ' '); }

TEST(HeaderBlock, Texts) {
  SubjectInfo subject;
  subject.name = "Anna Smith";
  TestResults results;
  results.responseCount = 7;
  results.testTime = March5th2007At140309;
  TestConfiguration c;
  c.background = 3;
  c.squareColor = 0;
  c.circleColor = 1;
  c.triangleColor = 2;
  c.crossColor = 3;

  const HeaderBlockTexts t = BuildHeaderBlockTexts(subject, results, HeaderColorsOf(c));
  EXPECT_EQ(t.name, "Name: Anna Smith");
  EXPECT_EQ(t.date, "Date: 05.03.2007  at  14:03:09");
  EXPECT_EQ(t.total, "Total:   7");
  EXPECT_EQ(t.background, "Background:  Black ");
  EXPECT_EQ(t.shapes1, "square:  Red " + Spaces(17) + "circle: " + " Green ");
  EXPECT_EQ(t.shapes2, "triangle:  Blue " + Spaces(18) + "cross: " + " Yellow ");

  results.responseCount = 1199;
  EXPECT_EQ(BuildHeaderBlockTexts(subject, results, HeaderColorsOf(c)).total, "Total: 1199");
}

TEST(HeaderBlock, DamagedColourCodes) {
  const HeaderColors colors{.background = 4, .square = -1, .circle = 0, .triangle = 9, .cross = 0};
  const HeaderBlockTexts t = BuildHeaderBlockTexts(SubjectInfo{}, TestResults{}, colors);
  EXPECT_EQ(t.background, "Background:  Invalid ");
  EXPECT_EQ(t.shapes1, "square:  Invalid " + Spaces(17) + "circle: " + " Red ");
  EXPECT_EQ(t.shapes2, "triangle:  Invalid " + Spaces(18) + "cross: " + " Red ");
}

TEST(HeaderBlock, ColoursTakenByName) {
  // The two records keep the colours in different places.
  TestConfiguration c;
  c.background = 10;
  c.squareColor = 11;
  c.circleColor = 12;
  c.triangleColor = 13;
  c.crossColor = 14;
  ProtocolHeader p;
  p.itemCount = 99;
  p.falseResponse = 98;
  p.background = 10;
  p.squareColor = 11;
  p.circleColor = 12;
  p.triangleColor = 13;
  p.crossColor = 14;
  for (const HeaderColors& h : {HeaderColorsOf(c), HeaderColorsOf(p)}) {
    EXPECT_EQ(h.background, 10);
    EXPECT_EQ(h.square, 11);
    EXPECT_EQ(h.circle, 12);
    EXPECT_EQ(h.triangle, 13);
    EXPECT_EQ(h.cross, 14);
  }
}

}  // namespace
}  // namespace alacrity
