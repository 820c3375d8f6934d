#pragma once

// Where the run controller hands each answer as it sees `current` advance,
// on the window thread's timer path and never on the link's reader thread,
// which must not wait on a disk.

#include <cstdint>
#include <optional>
#include <string>

#include "data/document_data.h"
#include "schedule.h"

namespace alacrity {

class RunJournalSink {
 public:
  virtual ~RunJournalSink() = default;

  // A test was set up in `data` and its link is about to open: a new journal
  // replaces whatever this sink held. The reason, when none can be written.
  virtual std::optional<std::string> BeginRun(const DocumentData& data, PerformMode mode,
                                              int32_t stimulusCount) = 0;
  // Stimulus `stimulus` was answered (raw nibble); called once per stimulus,
  // in order. False when it did not reach the disk.
  virtual bool RecordAnswer(int32_t stimulus, int32_t responseMs, int32_t buttons) = 0;
  // The results it covers were replaced: saved, or discarded on purpose.
  virtual void Discard() = 0;
};

}  // namespace alacrity
