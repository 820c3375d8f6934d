// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "data/document_data.h"
#include "data/enums.h"

namespace alacrity {
namespace {

TEST(DisplayNames, KeepTheirSpacesAndFallBackOutsideTheTable) {
  EXPECT_EQ(ObjectName(Code(ObjectKind::Triangle)), "  Triangel");
  EXPECT_EQ(StimulusColorName(Code(StimulusColor::Yellow)), " Yellow ");
  EXPECT_EQ(BackgroundColorName(Code(BackgroundColor::Black)), " Black ");
  for (int32_t bad : {-1, 4, 7, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(ObjectName(bad), InvalidCodeName);
    EXPECT_EQ(StimulusColorName(bad), InvalidCodeName);
    EXPECT_EQ(BackgroundColorName(bad), InvalidCodeName);
  }
}

TEST(ScreenColours, FollowTheCodesAndGiveBlackOutsideThem) {
  EXPECT_EQ(StimulusColorRgb(Code(StimulusColor::Yellow)), (Rgb{255, 255, 0}));
  EXPECT_EQ(StimulusColorRgb(Code(StimulusColor::Blue)), (Rgb{0, 0, 255}));
  EXPECT_EQ(BackgroundColorRgb(Code(BackgroundColor::White)), (Rgb{255, 255, 255}));
  EXPECT_EQ(BackgroundColorRgb(Code(BackgroundColor::Green)), (Rgb{0, 255, 0}));
  EXPECT_EQ(StimulusColorRgb(-1), Rgb{});
  EXPECT_EQ(BackgroundColorRgb(4), Rgb{});
}

TEST(ShapeColor, MapsEachObjectToItsFieldByName) {
  // Distinct values show a mix-up of the stored order (square, circle,
  // triangle, cross) with the object order.
  TestConfiguration c;
  c.squareColor = 10;
  c.circleColor = 11;
  c.triangleColor = 12;
  c.crossColor = 13;
  EXPECT_EQ(ShapeColor(c, Code(ObjectKind::Circle)), 11);
  EXPECT_EQ(ShapeColor(c, Code(ObjectKind::Cross)), 13);
  EXPECT_EQ(ShapeColor(c, Code(ObjectKind::Square)), 10);
  EXPECT_EQ(ShapeColor(c, Code(ObjectKind::Triangle)), 12);
  EXPECT_EQ(ShapeColor(c, Code(ObjectKind::None)), -1);

  ProtocolHeader h{.squareColor = 20, .circleColor = 21, .triangleColor = 22, .crossColor = 23};
  EXPECT_EQ(ShapeColor(h, Code(ObjectKind::Cross)), 23);
  EXPECT_EQ(ShapeColor(h, -5), -1);
}

TEST(DocumentData, StartsWithAllObjectsVoiceOffAndNothingToSave) {
  ResetDocumentData();
  const DocumentData& d = TheDocumentData();
  EXPECT_EQ(d.customConfiguration.generateObject, (std::array<uint8_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(d.customConfiguration.stimulusCount, 0);
  EXPECT_EQ(d.runConfiguration, d.customConfiguration);
  EXPECT_EQ(d.customVoice, (VoiceSettings{1, 0}));
  EXPECT_EQ(d.runVoice, (VoiceSettings{1, 0}));
  EXPECT_EQ(d.reservedValue, 5);
  EXPECT_EQ(d.portIndex, 0);
  EXPECT_EQ(d.dataSaved, 1);
  EXPECT_EQ(d.idle, 1);
  EXPECT_EQ(d.protocolLoaded, 0);
  EXPECT_EQ(d.resultsPresent, 0);
  EXPECT_EQ(d.results, TestResults{});
}

TEST(DocumentData, ResetUndoesChanges) {
  TheDocumentData().results.responseMs[3] = 9;
  TheDocumentData().protocol.name = "x";
  ResetDocumentData();
  EXPECT_EQ(TheDocumentData().results.responseMs[3], 0);
  EXPECT_TRUE(TheDocumentData().protocol.name.empty());
}

TEST(DefaultConfiguration, SetsTheBuiltInValuesAndLeavesTheRest) {
  DocumentData d;
  d.customConfiguration.generateObject = {0, 1, 0, 1};
  d.customVoice = {0, 400};
  d.reservedValue = 77;
  d.portIndex = 3;
  ApplyDefaultConfiguration(d);
  const TestConfiguration& c = d.customConfiguration;
  EXPECT_EQ(c, (TestConfiguration{10, 0, 500, 200, 1000, 0, 1, 2, 3, {0, 1, 0, 1}, 0, 0}));
  EXPECT_EQ(d.portIndex, 0);
  EXPECT_EQ(d.reservedValue, 77);
  EXPECT_EQ(d.customVoice, (VoiceSettings{0, 400}));
  EXPECT_EQ(d.runConfiguration, DocumentData{}.runConfiguration);
}

}  // namespace
}  // namespace alacrity
