#include "journal_keeper.h"

#include <utility>

namespace alacrity {

JournalKeeper::JournalKeeper(std::filesystem::path directory) : m_directory(std::move(directory)) {}

// Closing leaves the file: a journal still held at exit belongs to results
// that were neither saved nor discarded.
JournalKeeper::~JournalKeeper() = default;

std::optional<std::string> JournalKeeper::BeginRun(const DocumentData& data, PerformMode mode,
                                                   int32_t stimulusCount) {
  Discard();
  JournalSetUp setUp = JournalSetUpOf(data, static_cast<int32_t>(mode), stimulusCount);
  if (m_subjectSource) m_subjectSource(setUp.subject);
  std::string error;
  m_journal = RunJournal::Create(m_directory, setUp, error);
  if (!m_journal) return error;
  return std::nullopt;
}

bool JournalKeeper::RecordAnswer(int32_t stimulus, int32_t responseMs, int32_t buttons) {
  return m_journal && m_journal->Append({stimulus, responseMs, buttons});
}

void JournalKeeper::Discard() {
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

}  // namespace alacrity
