// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A journalled run put back into the document exactly as Stop would have
// left it after the last journalled answer.

#include "data/document_data.h"
#include "data/run_journal.h"
#include "data/run_timing.h"

#include <optional>

namespace alacrity {

// runConfiguration, runVoice, runProtocolHeader, the subject, the test time,
// slot 0 and the schedule of every stimulus; the answers with their nibbles
// normalised as Stop normalises them; responseCount := the answers;
// resultsPresent := 1, dataSaved := 0. The editable configuration, voice
// settings and port stay as they are.
void RestoreJournalledRun(const JournalImage& image, DocumentData& data);

// The host times the journal kept of its answers (version 2 on), one per
// answered stimulus whose onset was noted, with the station's light sensor
// and panel lag (version 3 on); nothing when it kept none. The arrival
// figures and the display are not journalled.
std::optional<RunTiming> JournalledTiming(const JournalImage& image);

}  // namespace alacrity
