// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The journal of the results in memory: the one being written while a test
// runs, or one left behind by a program that died and restored at start-up.
// It lives until those results are saved or discarded.
//
// Answers are flushed to disk by a writer thread of the keeper's own: a
// flush can take many milliseconds on a slow disk, and the window thread
// that hands the answers over must draw the next stimulus on time.

#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "data/run_journal.h"
#include "run_journal_sink.h"

namespace alacrity {

class JournalKeeper : public RunJournalSink {
 public:
  explicit JournalKeeper(std::filesystem::path directory);
  // Writes what was handed over, then closes the journal and leaves it on
  // disk: results neither saved nor discarded are offered at the next start.
  ~JournalKeeper() override;
  JournalKeeper(const JournalKeeper&) = delete;
  JournalKeeper& operator=(const JournalKeeper&) = delete;

  std::optional<std::string> BeginRun(const DocumentData& data, PerformMode mode,
                                      int32_t stimulusCount,
                                      const StationTiming& station) override;
  // Queues the answer for the writer and returns at once; false once an
  // earlier answer failed to reach the disk.
  void NoteTiming(const StimulusTiming& timing) override;
  bool RecordAnswer(int32_t stimulus, int32_t responseMs, int32_t buttons) override;
  // Queues a repeat of the answer with these times; it is written after
  // everything queued before it.
  void AmendTiming(const StimulusTiming& timing) override;
  // Waits until the writer has written everything queued; false when any
  // answer did not reach the disk.
  bool Flush() override;
  void Discard() override;

  // Keeps a restored journal (locked, so no other program offers it too)
  // until its results are saved or discarded. False when it could not be
  // taken: another program holds it or it is gone.
  bool Hold(const std::filesystem::path& path);

  // Where the subject of a test comes from when that is not the record in
  // memory (a subject register keeps its own current subject): it may
  // overwrite the journal's copy of the subject at Start.
  using SubjectSource = std::function<void(SubjectInfo& subject)>;
  void SetSubjectSource(SubjectSource source) { m_subjectSource = std::move(source); }

  const std::filesystem::path& Directory() const { return m_directory; }
  // The journal held, or empty.
  std::filesystem::path Current() const;

 private:
  struct Slot;
  static void ClearTiming(Slot& slot);
  static void StoreTiming(Slot& slot, const StimulusTiming& timing);
  static JournalAnswer AnswerIn(const Slot& slot, int32_t stimulus);
  void StartWriter();
  // Lets the writer finish what is queued and joins it.
  void StopWriter();
  void WriterLoop();

  std::filesystem::path m_directory;
  std::unique_ptr<RunJournal> m_journal;  // used by the writer while it runs
  SubjectSource m_subjectSource;

  // The queue from the window thread (the only producer) to the writer: the
  // stimulus of each record to write, an answer when it is the next one, a
  // repeat otherwise. An answer's slots are filled before `m_queued` counts
  // its record. A slot's times only ever go from none to known, so a
  // repeat read while a later one is being filled in is still whole.
  struct Slot {
    std::atomic<int32_t> responseMs{0};
    std::atomic<int32_t> buttons{0};
    std::atomic<int32_t> onsetByte{0};
    std::atomic<int64_t> onsetHostNs{0};
    std::atomic<int64_t> paintedHostNs{0};
    std::atomic<int32_t> responseByte{0};
    std::atomic<int64_t> responseHostNs{0};
    std::atomic<int64_t> presentedHostNs{0};
    std::atomic<int64_t> refreshNs{0};
    std::atomic<int64_t> frameCounter{-1};
    std::atomic<int32_t> presentMode{0};
    std::atomic<int32_t> presentQuality{0};
    std::atomic<int32_t> lightByte{0};
  };
  std::array<Slot, ResultCapacity> m_slots;  // by stimulus number
  // An answer and at most a repeat for its presentation and one for its
  // light each.
  static constexpr std::size_t RecordCapacity = 3 * ResultCapacity;
  std::array<std::atomic<int32_t>, RecordCapacity> m_records{};  // stimulus of each record
  std::atomic<int32_t> m_answers{0};    // window thread: answers handed over
  std::atomic<std::size_t> m_queued{0}; // window thread: records handed over
  std::atomic<std::size_t> m_written{0};  // writer: records on disk
  std::atomic<bool> m_failed{false};    // writer: a record did not reach the disk
  std::atomic<bool> m_stop{false};      // window thread: finish and end
  std::atomic<uint32_t> m_wake{0};      // window thread: bumped for every change
  std::thread m_writer;
};

}  // namespace alacrity
