#pragma once

// The journal of the results in memory: the one being written while a test
// runs, or one left behind by a program that died and restored at start-up.
// It lives until those results are saved or discarded.

#include <filesystem>
#include <functional>
#include <memory>

#include "data/run_journal.h"
#include "run_journal_sink.h"

namespace alacrity {

class JournalKeeper : public RunJournalSink {
 public:
  explicit JournalKeeper(std::filesystem::path directory);
  ~JournalKeeper() override;

  std::optional<std::string> BeginRun(const DocumentData& data, PerformMode mode,
                                      int32_t stimulusCount) override;
  bool RecordAnswer(int32_t stimulus, int32_t responseMs, int32_t buttons) override;
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
  std::filesystem::path m_directory;
  std::unique_ptr<RunJournal> m_journal;
  SubjectSource m_subjectSource;
};

}  // namespace alacrity
