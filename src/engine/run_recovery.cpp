// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_recovery.h"

#include <algorithm>
#include <cstddef>

#include "run_finish.h"

namespace alacrity {

void RestoreJournalledRun(const JournalImage& image, DocumentData& data) {
  const JournalSetUp& setUp = image.setUp;
  TestResults& results = data.results;
  data.runConfiguration = setUp.runConfiguration;
  data.runVoice = setUp.runVoice;
  data.runProtocolHeader = setUp.runProtocolHeader;
  data.subject = setUp.subject;
  results.testTime = setUp.testTime;
  results.responseMs[0] = setUp.slotZero.responseMs;
  results.objectIndex[0] = setUp.slotZero.objectIndex;
  results.buttonIndex[0] = setUp.slotZero.buttonIndex;
  results.generationMs[0] = setUp.slotZero.generationMs;

  // As Perform fills the schedule: every stimulus, answered or not.
  const std::size_t count =
      std::min(setUp.schedule.size(), static_cast<std::size_t>(MaxStimulusCount));
  for (std::size_t i = 1; i <= count; ++i) {
    results.generationMs[i] = setUp.schedule[i - 1].generationMs;
    results.objectIndex[i] = setUp.schedule[i - 1].object;
    results.responseMs[i] = 0;
    results.buttonIndex[i] = 0;
  }
  int32_t answered = 0;
  for (const JournalAnswer& answer : image.answers) {
    if (answer.stimulus != answered + 1 || static_cast<std::size_t>(answer.stimulus) > count) break;
    const auto slot = static_cast<std::size_t>(answer.stimulus);
    results.responseMs[slot] = answer.responseMs;
    results.buttonIndex[slot] = answer.buttons;
    answered = answer.stimulus;
  }
  NormaliseAnswers(results, answered);
  data.resultsPresent = 1;
  data.dataSaved = 0;
}

std::optional<RunTiming> JournalledTiming(const JournalImage& image) {
  RunTiming timing;
  for (const JournalAnswer& answer : image.answers) {
    if (answer.onsetByte == 0) continue;
    StimulusTiming stimulus;
    stimulus.stimulus = answer.stimulus;
    stimulus.onsetByte = answer.onsetByte;
    stimulus.onsetHostNs = answer.onsetHostNs;
    stimulus.paintedHostNs = answer.paintedHostNs;
    stimulus.responseByte = answer.responseByte;
    stimulus.responseHostNs = answer.responseHostNs;
    stimulus.presented = answer.presented;
    stimulus.lightByte = answer.lightByte;
    timing.stimuli.push_back(stimulus);
  }
  if (timing.stimuli.empty()) return std::nullopt;
  timing.station = image.setUp.station;
  return timing;
}

}  // namespace alacrity
