// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the run controller hands each answer as it sees `current` advance,
// on the window thread's timer path and never on the link's reader thread,
// which must not wait on a disk. A sink that writes to disk does so on a
// thread of its own, so the window thread does not wait either.

#include <cstdint>
#include <optional>
#include <string>

#include "data/document_data.h"
#include "data/run_timing.h"
#include "schedule.h"

namespace alacrity {

class RunJournalSink {
 public:
  virtual ~RunJournalSink() = default;

  // A test was set up in `data` on a station with `station` and its link is
  // about to open: a new journal replaces whatever this sink held. The
  // reason, when none can be written.
  virtual std::optional<std::string> BeginRun(const DocumentData& data, PerformMode mode,
                                              int32_t stimulusCount,
                                              const StationTiming& station) = 0;
  // The host times of the stimulus whose answer is handed over next; called
  // right before its RecordAnswer when they are known.
  virtual void NoteTiming(const StimulusTiming& /*timing*/) {}
  // The host times of a stimulus whose answer was handed over before its
  // frame's presentation or its light onset came: everything noted of it now.
  virtual void AmendTiming(const StimulusTiming& /*timing*/) {}
  // Stimulus `stimulus` was answered (raw nibble); called once per stimulus,
  // in order. False when the journal cannot take it.
  virtual bool RecordAnswer(int32_t stimulus, int32_t responseMs, int32_t buttons) = 0;
  // The run is over: returns once every answer handed over is on disk; false
  // when one is not.
  virtual bool Flush() = 0;
  // The results it covers were replaced: saved, or discarded on purpose.
  virtual void Discard() = 0;
};

}  // namespace alacrity
