// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What Stop does to the data once the link has joined its reader.

#include "data/document_data.h"
#include "run_state.h"

namespace alacrity {

// Marks the run done. After a test (not a check): dataSaved := 0; every
// answered stimulus 1..current-1 gets its raw nibble turned into a button
// number (1, 2, 4, 8 -> 0..3; anything else -> 5 with objectIndex 4, so it
// never counts as correct); responseCount := the number answered.
void FinishRun(RunState& state, DocumentData& data);

// The test half of that: turns the raw nibbles of stimuli 1..answered into
// button numbers and sets responseCount := answered.
void NormaliseAnswers(TestResults& results, int32_t answered);

}  // namespace alacrity
