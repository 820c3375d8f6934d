// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journal_keeper.h"

#include <utility>

namespace alacrity {

JournalKeeper::JournalKeeper(std::filesystem::path directory) : m_directory(std::move(directory)) {}

JournalKeeper::~JournalKeeper() { StopWriter(); }

std::optional<std::string> JournalKeeper::BeginRun(const DocumentData& data, PerformMode mode,
                                                   int32_t stimulusCount,
                                                   const StationTiming& station) {
  Discard();
  JournalSetUp setUp = JournalSetUpOf(data, static_cast<int32_t>(mode), stimulusCount, station);
  if (m_subjectSource) m_subjectSource(setUp.subject);
  std::string error;
  m_journal = RunJournal::Create(m_directory, setUp, error);
  if (!m_journal) return error;
  StartWriter();
  return std::nullopt;
}

void JournalKeeper::NoteTiming(const StimulusTiming& timing) {
  // Only the next answer's slot: the writer may be reading earlier ones.
  if (timing.stimulus != m_answers.load() + 1 || timing.stimulus > MaxStimulusCount) return;
  StoreTiming(m_slots[static_cast<std::size_t>(timing.stimulus)], timing);
}

bool JournalKeeper::RecordAnswer(int32_t stimulus, int32_t responseMs, int32_t buttons) {
  const int32_t answers = m_answers.load();
  const std::size_t queued = m_queued.load();
  if (!m_writer.joinable() || m_failed.load() || stimulus != answers + 1 ||
      stimulus > MaxStimulusCount || queued == RecordCapacity) {
    return false;
  }
  Slot& slot = m_slots[static_cast<std::size_t>(stimulus)];
  slot.responseMs.store(responseMs);
  slot.buttons.store(buttons);
  m_records[queued].store(stimulus);
  m_answers.store(stimulus);
  m_queued.store(queued + 1);
  // The next stimulus's slot starts without times of an earlier run.
  if (stimulus < MaxStimulusCount) ClearTiming(m_slots[static_cast<std::size_t>(stimulus) + 1]);
  m_wake.fetch_add(1);
  m_wake.notify_one();
  return true;
}

void JournalKeeper::AmendTiming(const StimulusTiming& timing) {
  const std::size_t queued = m_queued.load();
  if (!m_writer.joinable() || m_failed.load() || timing.stimulus < 1 ||
      timing.stimulus > m_answers.load() || queued == RecordCapacity) {
    return;
  }
  StoreTiming(m_slots[static_cast<std::size_t>(timing.stimulus)], timing);
  m_records[queued].store(timing.stimulus);
  m_queued.store(queued + 1);
  m_wake.fetch_add(1);
  m_wake.notify_one();
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

void JournalKeeper::ClearTiming(Slot& slot) { StoreTiming(slot, {}); }

void JournalKeeper::StoreTiming(Slot& slot, const StimulusTiming& timing) {
  slot.onsetByte.store(timing.onsetByte);
  slot.onsetHostNs.store(timing.onsetHostNs);
  slot.paintedHostNs.store(timing.paintedHostNs);
  slot.responseByte.store(timing.responseByte);
  slot.responseHostNs.store(timing.responseHostNs);
  slot.refreshNs.store(timing.presented.refreshNs);
  slot.frameCounter.store(timing.presented.frameCounter);
  slot.presentMode.store(static_cast<int32_t>(timing.presented.mode));
  slot.presentQuality.store(static_cast<int32_t>(timing.presented.quality));
  // Last: the writer takes the rest of the presentation only with its time.
  slot.presentedHostNs.store(timing.presented.hostNs);
  slot.lightByte.store(timing.lightByte);
}

JournalAnswer JournalKeeper::AnswerIn(const Slot& slot, int32_t stimulus) {
  JournalAnswer answer;
  answer.stimulus = stimulus;
  answer.responseMs = slot.responseMs.load();
  answer.buttons = slot.buttons.load();
  answer.onsetByte = slot.onsetByte.load();
  answer.onsetHostNs = slot.onsetHostNs.load();
  answer.paintedHostNs = slot.paintedHostNs.load();
  answer.responseByte = slot.responseByte.load();
  answer.responseHostNs = slot.responseHostNs.load();
  if (const int64_t presentedNs = slot.presentedHostNs.load(); presentedNs != 0) {
    answer.presented = {presentedNs, slot.refreshNs.load(), slot.frameCounter.load(),
                        static_cast<PresentMode>(slot.presentMode.load()),
                        static_cast<PresentQuality>(slot.presentQuality.load())};
  }
  answer.lightByte = slot.lightByte.load();
  return answer;
}

void JournalKeeper::StartWriter() {
  ClearTiming(m_slots[1]);
  m_answers.store(0);
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
      const std::size_t record = m_written.load();
      const int32_t stimulus = m_records[record].load();
      const JournalAnswer answer = AnswerIn(m_slots[static_cast<std::size_t>(stimulus)], stimulus);
      const bool written = stimulus == m_journal->Answers() + 1 ? m_journal->Append(answer)
                                                                : m_journal->Amend(answer);
      if (!written) {
        m_failed.store(true);
        break;
      }
      m_written.store(record + 1);
    }
    // Stopping comes after the queue is written: every answer handed over
    // reaches the disk unless the disk refuses it.
    if (m_stop.load()) return;
    m_wake.wait(seen);
  }
}

}  // namespace alacrity
