// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_finish.h"

#include <algorithm>
#include <cstddef>

#include "data/enums.h"

namespace alacrity {

namespace {

// A button number for one single held button; anything else (no button, a
// chord) is marked so that it can never equal an object.
constexpr int32_t NotOneButton = 5;

int32_t ButtonNumber(int32_t nibble) {
  switch (nibble) {
    case 1: return 0;
    case 2: return 1;
    case 4: return 2;
    case 8: return 3;
    default: return NotOneButton;
  }
}

}  // namespace

void NormaliseAnswers(TestResults& results, int32_t answered) {
  answered = std::clamp(answered, 0, MaxStimulusCount);
  for (int32_t i = 1; i <= answered; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    results.buttonIndex[slot] = ButtonNumber(results.buttonIndex[slot]);
    if (results.buttonIndex[slot] == NotOneButton) results.objectIndex[slot] = Code(ObjectKind::None);
  }
  results.responseCount = answered;
}

void FinishRun(RunState& state, DocumentData& data) {
  const bool test = state.checkMode.load() == 0;
  // A check records nothing, so its results stay as they were.
  int32_t answered = 0;
  if (test) {
    data.dataSaved = 0;
    answered = std::clamp(state.current.load() - 1, 0, MaxStimulusCount);
  }
  state.done.store(1);
  if (!test) return;

  NormaliseAnswers(data.results, answered);
}

}  // namespace alacrity
