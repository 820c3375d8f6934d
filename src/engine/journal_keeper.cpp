// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal_keeper.h"

#include <utility>

namespace alacrity {

JournalKeeper::JournalKeeper(std::filesystem::path directory) : m_directory(std::move(directory)) {}

JournalKeeper::~JournalKeeper() { StopWriter(); }

std::optional<std::string> JournalKeeper::BeginRun(const DocumentData& data, PerformMode mode,
                                                   int32_t stimulusCount) {
  Discard();
  JournalSetUp setUp = JournalSetUpOf(data, static_cast<int32_t>(mode), stimulusCount);
  if (m_subjectSource) m_subjectSource(setUp.subject);
  std::string error;
  m_journal = RunJournal::Create(m_directory, setUp, error);
  if (!m_journal) return error;
  StartWriter();
  return std::nullopt;
}

void JournalKeeper::NoteTiming(const StimulusTiming& timing) {
  // Only the next answer's slot: the writer may be reading earlier ones.
  if (timing.stimulus != m_queued.load() + 1 || timing.stimulus > MaxStimulusCount) return;
  Slot& slot = m_slots[static_cast<std::size_t>(timing.stimulus)];
  slot.onsetByte.store(timing.onsetByte);
  slot.onsetHostNs.store(timing.onsetHostNs);
  slot.paintedHostNs.store(timing.paintedHostNs);
  slot.responseByte.store(timing.responseByte);
  slot.responseHostNs.store(timing.responseHostNs);
}

bool JournalKeeper::RecordAnswer(int32_t stimulus, int32_t responseMs, int32_t buttons) {
  const int32_t queued = m_queued.load();
  if (!m_writer.joinable() || m_failed.load() || stimulus != queued + 1 ||
      stimulus > MaxStimulusCount) {
    return false;
  }
  Slot& slot = m_slots[static_cast<std::size_t>(stimulus)];
  slot.responseMs.store(responseMs);
  slot.buttons.store(buttons);
  m_queued.store(stimulus);
  // The next stimulus's slot starts without times of an earlier run.
  if (stimulus < MaxStimulusCount) ClearTiming(m_slots[static_cast<std::size_t>(stimulus) + 1]);
  m_wake.fetch_add(1);
  m_wake.notify_one();
  return true;
}

bool JournalKeeper::Flush() {
  if (!m_journal) return false;
  // Ends the writer: a test's answers are all handed over once it stopped.
  StopWriter();
  return !m_failed.load() && m_written.load() == m_queued.load();
}

void JournalKeeper::Discard() {
  StopWriter();
  if (m_journal) (void)m_journal->Remove();
  m_journal.reset();
}

bool JournalKeeper::Hold(const std::filesystem::path& path) {
  auto held = RunJournal::Hold(path);
  if (!held) return false;
  Discard();
  m_journal = std::move(held);
  return true;
}

std::filesystem::path JournalKeeper::Current() const {
  return m_journal ? m_journal->Path() : std::filesystem::path();
}

void JournalKeeper::ClearTiming(Slot& slot) {
  slot.onsetByte.store(0);
  slot.onsetHostNs.store(0);
  slot.paintedHostNs.store(0);
  slot.responseByte.store(0);
  slot.responseHostNs.store(0);
}

void JournalKeeper::StartWriter() {
  ClearTiming(m_slots[1]);
  m_queued.store(0);
  m_written.store(0);
  m_failed.store(false);
  m_stop.store(false);
  m_writer = std::thread([this] { WriterLoop(); });
}

void JournalKeeper::StopWriter() {
  if (!m_writer.joinable()) return;
  m_stop.store(true);
  m_wake.fetch_add(1);
  m_wake.notify_one();
  m_writer.join();
}

void JournalKeeper::WriterLoop() {
  for (;;) {
    // Read before looking for work, so a change made after the look wakes
    // the wait below at once.
    const uint32_t seen = m_wake.load();
    while (!m_failed.load() && m_written.load() < m_queued.load()) {
      const int32_t stimulus = m_written.load() + 1;
      const Slot& slot = m_slots[static_cast<std::size_t>(stimulus)];
      if (!m_journal->Append({stimulus, slot.responseMs.load(), slot.buttons.load(),
                              slot.onsetByte.load(), slot.onsetHostNs.load(),
                              slot.paintedHostNs.load(), slot.responseByte.load(),
                              slot.responseHostNs.load()})) {
        m_failed.store(true);
        break;
      }
      m_written.store(stimulus);
    }
    // Stopping comes after the queue is written: every answer handed over
    // reaches the disk unless the disk refuses it.
    if (m_stop.load()) return;
    m_wake.wait(seen);
  }
}

}  // namespace alacrity
