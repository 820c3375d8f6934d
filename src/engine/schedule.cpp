// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schedule.h"

#include <algorithm>
#include <cstddef>
#include <ctime>

#include "data/enums.h"
#include "random.h"

namespace alacrity {

namespace {

bool IsFixedTime(const TestConfiguration& configuration) {
  return configuration.timingMode == Code(TimingMode::Fixed);
}

bool InRunRange(int32_t count) { return count >= 1 && count <= MaxStimulusCount; }

std::size_t Slot(int32_t index) { return static_cast<std::size_t>(index); }

void ScheduleCustom(const TestConfiguration& configuration, TestResults& results, int32_t count) {
  const bool fixedTime = IsFixedTime(configuration);
  // 64-bit: limits from a hand-edited configuration file may span more than
  // int32 can hold.
  const int64_t lower = configuration.randomLowerMs;
  const int64_t span = int64_t{configuration.randomUpperMs} - lower + 1;
  for (int32_t i = 1; i <= count; ++i) {
    // The generator is drawn in a fixed order (time first, then objects) so a
    // seed always reproduces the same schedule.
    if (fixedTime) {
      results.generationMs[Slot(i)] = configuration.fixedTimeMs;
    } else {
      results.generationMs[Slot(i)] = static_cast<int32_t>(lower + NextRandom() % span);
    }
    results.buttonIndex[Slot(i)] = 0;
    results.responseMs[Slot(i)] = 0;
    // Drawing again past disabled objects keeps the enabled ones equally
    // likely; CheckRunSetup made sure one is enabled.
    int32_t object = 0;
    do {
      object = NextRandom() % 4;
    } while (configuration.generateObject[Slot(object)] == 0);
    results.objectIndex[Slot(i)] = object;
  }
}

void ScheduleProtocol(const Protocol& protocol, TestResults& results, int32_t count) {
  for (int32_t i = 1; i <= count; ++i) {
    const ProtocolItem& item = protocol.items[Slot(i - 1)];
    results.generationMs[Slot(i)] = item.generationMs;
    results.objectIndex[Slot(i)] = item.object;
    results.buttonIndex[Slot(i)] = 0;
    results.responseMs[Slot(i)] = 0;
  }
}

}  // namespace

std::optional<std::string> CheckRunSetup(const DocumentData& data, const PerformChoice& choice) {
  if (choice.mode == PerformMode::Protocol) {
    const int32_t count = data.protocol.header.itemCount;
    if (!InRunRange(count)) return "The protocol must hold between 1 and 1199 stimuli.";
    // A stimulus that is no shape could never be answered where only the
    // matching button counts, and the run would never end.
    for (int32_t i = 0; i < count; ++i) {
      const int32_t object = data.protocol.items[Slot(i)].object;
      if (object < Code(ObjectKind::Circle) || object > Code(ObjectKind::Triangle))
        return "Stimulus " + std::to_string(i + 1) + " of the protocol has no valid object.";
    }
    return std::nullopt;
  }
  const TestConfiguration& configuration = data.customConfiguration;
  if (!InRunRange(choice.stimuliToFollow))
    return "The number of stimuli must be between 1 and 1199.";
  const auto& flags = configuration.generateObject;
  if (std::all_of(flags.begin(), flags.end(), [](uint8_t flag) { return flag == 0; }))
    return "Select at least one object to be generated.";
  if (!IsFixedTime(configuration) && configuration.randomLowerMs > configuration.randomUpperMs)
    return "The lower time limit must not be above the upper time limit.";
  return std::nullopt;
}

std::optional<std::string> SetUpRun(DocumentData& data, RunState& state,
                                    const PerformChoice& choice, int32_t testTime) {
  if (auto refusal = CheckRunSetup(data, choice)) return refusal;

  data.results.testTime = testTime;
  int32_t count = 0;
  if (choice.mode == PerformMode::Custom) {
    // The number chosen at Perform becomes the configuration's, so the next
    // run and the saved configuration offer it again.
    data.customConfiguration.stimulusCount = choice.stimuliToFollow;
    count = choice.stimuliToFollow;
    data.runConfiguration = data.customConfiguration;
  } else {
    const ProtocolHeader& header = data.protocol.header;
    count = header.itemCount;
    data.runProtocolHeader = header;
    // Only what a protocol defines is taken over; the timing fields and
    // object flags stay those of the previous run.
    TestConfiguration& run = data.runConfiguration;
    run.background = header.background;
    run.falseResponse = header.falseResponse;
    run.squareColor = header.squareColor;
    run.circleColor = header.circleColor;
    run.triangleColor = header.triangleColor;
    run.crossColor = header.crossColor;
  }
  // One pair of voice settings serves both kinds of run.
  data.runVoice = data.customVoice;

  if (choice.mode == PerformMode::Custom) {
    ScheduleCustom(data.runConfiguration, data.results, count);
  } else {
    ScheduleProtocol(data.protocol, data.results, count);
  }
  state.stimulusCount.store(count);
  data.resultsPresent = 1;
  data.dataSaved = 0;
  return std::nullopt;
}

int32_t CurrentTestTime() {
  // Data files keep the time as 32 bits; the low half is what they hold.
  const auto seconds = static_cast<int64_t>(std::time(nullptr));
  return static_cast<int32_t>(static_cast<uint32_t>(seconds));
}

}  // namespace alacrity
