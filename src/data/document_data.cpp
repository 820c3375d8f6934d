// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document_data.h"

#include "enums.h"

namespace alacrity {

DocumentData& TheDocumentData() {
  static DocumentData data;
  return data;
}

void ResetDocumentData() { TheDocumentData() = DocumentData{}; }

void ApplyDefaultConfiguration(DocumentData& data) {
  TestConfiguration& c = data.customConfiguration;
  c.stimulusCount = 10;
  c.timingMode = Code(TimingMode::Random);
  c.fixedTimeMs = 500;
  c.randomLowerMs = 200;
  c.randomUpperMs = 1000;
  c.squareColor = Code(StimulusColor::Red);
  c.circleColor = Code(StimulusColor::Green);
  c.triangleColor = Code(StimulusColor::Blue);
  c.crossColor = Code(StimulusColor::Yellow);
  c.background = Code(BackgroundColor::White);
  c.falseResponse = Code(FalseResponseMode::Accepted);
  data.portIndex = 0;
}

}  // namespace alacrity
