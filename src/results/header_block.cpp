// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/header_block.h"

#include <algorithm>
#include <cstdio>

#include "data/enums.h"
#include "results/test_time_text.h"

namespace alacrity {
namespace {

// "%s%s%25s%s": the second label stands right-aligned in 25 characters after
// the first colour name.
std::string ShapePair(const char* firstLabel, int32_t firstColor, const char* secondLabel,
                      int32_t secondColor) {
  const std::string firstName(StimulusColorName(firstColor));
  const std::string secondName(StimulusColorName(secondColor));
  char buffer[128];
  const int length = std::snprintf(buffer, sizeof buffer, "%s%s%25s%s", firstLabel, firstName.c_str(),
                                   secondLabel, secondName.c_str());
  if (length < 0) return {};
  return std::string(buffer, std::min(static_cast<std::size_t>(length), sizeof buffer - 1));
}

}  // namespace

HeaderColors HeaderColorsOf(const TestConfiguration& runConfiguration) {
  return {runConfiguration.background, runConfiguration.squareColor, runConfiguration.circleColor,
          runConfiguration.triangleColor, runConfiguration.crossColor};
}

HeaderColors HeaderColorsOf(const ProtocolHeader& runProtocolHeader) {
  return {runProtocolHeader.background, runProtocolHeader.squareColor, runProtocolHeader.circleColor,
          runProtocolHeader.triangleColor, runProtocolHeader.crossColor};
}

HeaderBlockTexts BuildHeaderBlockTexts(const SubjectInfo& subject, const TestResults& results,
                                       const HeaderColors& colors) {
  HeaderBlockTexts texts;
  // Concatenated, not printed with %s: a name is kept whole whatever it holds.
  texts.name = "Name: " + subject.name;
  texts.date = "Date: " + FormatTestDate(results.testTime);
  char total[32];
  std::snprintf(total, sizeof total, "%s%3d", "Total: ", static_cast<int>(results.responseCount));
  texts.total = total;
  texts.background = "Background: " + std::string(BackgroundColorName(colors.background));
  texts.shapes1 = ShapePair("square: ", colors.square, "circle: ", colors.circle);
  texts.shapes2 = ShapePair("triangle: ", colors.triangle, "cross: ", colors.cross);
  return texts;
}

}  // namespace alacrity
