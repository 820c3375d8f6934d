// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The run in progress, shared between the user-interface thread and the link's
// reader thread. Every word is written whole by one side and polled by the
// other; no lock is taken. The controller fills the record before the link
// creates the reader and reads the results only after the link has joined it.

#include <atomic>
#include <cstdint>

namespace alacrity {

enum RunPhase : int32_t {
  NotStarted = -4,    // only the view uses it, never RunState
  WaitStart = -3,     // waiting for any button before the first stimulus
  WaitRelease = -2,   // waiting until all buttons are up
  Foreperiod = -1,    // counting the generation time
  WaitResponse = 0,   // stimulus on screen, counting the response time
};

struct RunState {
  std::atomic<int32_t> portIndex{0};     // UI: serial port 0..4
  std::atomic<int32_t> serialOnly{0};    // UI: nonzero skips the USB link
  // reader: 1-based stimulus in progress; stored with release after the
  // entry of the stimulus it passes is complete
  std::atomic<int32_t> current{0};
  std::atomic<int32_t> totalTicks{0};    // reader: bytes since the link started
  std::atomic<int32_t> stimulusCount{0}; // UI, before the start
  std::atomic<int32_t> phase{WaitStart}; // reader: a RunPhase
  std::atomic<int32_t> done{0};          // reader: 1 when the run is over
  std::atomic<int32_t> checkMode{0};     // UI: nonzero for a device check
  std::atomic<int32_t> lastButtons{0};   // reader, check mode: latest nibble
  // UI, before the start: nonzero when the box's fifth bit is a light sensor;
  // the link clears it as it starts a box that cannot have one.
  std::atomic<int32_t> lightSensor{0};
  std::atomic<int32_t> lastLight{0};     // reader, check mode with a light sensor: 1 while lit
};

// The process-wide run record.
RunState& TheRunState();

// Engine words shared with the user-interface thread. The engine raises them;
// the controller's timer (voiceDue) or the stimulus drawing (voiceDeferred)
// plays the signal and clears them. A lost update costs or repeats one signal.
extern std::atomic<int32_t> voiceDue;
extern std::atomic<int32_t> voiceDeferred;

}  // namespace alacrity
