// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Setting up a run at Perform: the test time, the run's copies of the
// configuration and voice settings, and per stimulus its generation time and
// object.

#include <cstdint>
#include <optional>
#include <string>

#include "data/document_data.h"
#include "run_state.h"

namespace alacrity {

enum class PerformMode : int32_t { Custom = 0, Protocol = 1 };

// What the Perform dialog confirmed.
struct PerformChoice {
  PerformMode mode = PerformMode::Custom;
  int32_t stimuliToFollow = 0;  // custom mode only
};

// Why no schedule can be built from these choices, or nothing when one can:
// no object enabled, random limits with lower above upper, or a stimulus count
// outside 1..1199. Perform calls this before it replaces anything.
std::optional<std::string> CheckRunSetup(const DocumentData& data, const PerformChoice& choice);

// Perform's set-up, in order: test time; custom mode: stimulusCount := the
// number to follow, runConfiguration := customConfiguration; protocol mode:
// runProtocolHeader := the protocol's header and its background, false
// response rule and colours into runConfiguration; runVoice := customVoice;
// the schedule into results 1..n and state.stimulusCount = n; resultsPresent
// := 1, dataSaved := 0. Draws from the process-wide generator. Refuses (with
// CheckRunSetup's message) and changes nothing when the set-up is invalid.
[[nodiscard]] std::optional<std::string> SetUpRun(DocumentData& data, RunState& state,
                                                  const PerformChoice& choice, int32_t testTime);

// The current calendar time in seconds, low 32 bits.
int32_t CurrentTestTime();

}  // namespace alacrity
