// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one set of test data of the process. Commands, dialogs, views, file
// operations and the engine read and write its members directly; the engine's
// reader thread writes only the response entry of the current stimulus, and
// the main thread changes nothing the engine reads while a run is active.

#include <cstdint>

#include "records.h"

namespace alacrity {

struct DocumentData {
  TestConfiguration customConfiguration{.generateObject = {1, 1, 1, 1}};
  TestConfiguration runConfiguration{.generateObject = {1, 1, 1, 1}};
  VoiceSettings customVoice{.voiceSignal = 1, .voiceLeadMs = 0};
  VoiceSettings runVoice{.voiceSignal = 1, .voiceLeadMs = 0};
  int32_t portIndex = 0;  // 0..4: COM1..COM5
  int32_t reservedValue = 5;
  Protocol protocol;
  ProtocolHeader runProtocolHeader;
  SubjectInfo subject;
  TestResults results;
  int32_t dataSaved = 1;       // 0: unsaved results exist
  int32_t idle = 1;            // 0 while a test or check runs
  int32_t protocolLoaded = 0;  // 1 once a protocol was opened or saved
  int32_t resultsPresent = 0;  // 1 once a run was performed or a data file opened
};

// The process-wide instance.
DocumentData& TheDocumentData();

// Puts the process-wide instance back to its values at process start.
void ResetDocumentData();

// The built-in configuration used when no configuration file can be read.
// Leaves generateObject, reservedValue and customVoice as they are.
void ApplyDefaultConfiguration(DocumentData& data);

}  // namespace alacrity
