// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the windows get from the application object: the process-wide data
// and run record, the device link, the program's paths and the sound. Tests
// hand in their own data, link and sound instead.

#include <functional>

#include "application/programpaths.h"
#include "data/document_data.h"
#include "engine/journal_keeper.h"
#include "engine/run_controller.h"
#include "engine/run_state.h"

namespace alacrity {

struct AppContext {
  DocumentData& data;
  RunState& runState;
  RunLink& link;
  ProgramPaths paths;
  // PlaySignal of the application: 0 plays, nonzero is silent; the result
  // is 1 when a sound was started. Empty: no sound at all.
  std::function<int(int)> playSignal;
  // The keyboard stands in for the response box: the status bar says so.
  bool keyboardBox = false;
  // The journal of the results in memory; none: tests run unjournalled.
  JournalKeeper* journal = nullptr;
};

}  // namespace alacrity
