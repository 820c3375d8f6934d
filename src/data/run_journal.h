// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The journal of a running test: a file of the program's own that holds the
// run's set-up and every answered stimulus as soon as the run controller sees
// it, so that a crash or a power cut loses no answer that reached the disk.
//
// Layout (little-endian; docs/formats/journal-format.md):
//   "ALYJRNL\n"  uint32 version  uint32 L  L bytes of set-up  uint32 crc32
//   then one record per answer (84 bytes; 48 in version 2, 16 in version 1):
//   int32 stimulus  int32 responseMs  int32 button nibble
//   [version 2 on: int32 onset byte  int64 onset ns  int64 painted ns
//                  int32 response byte  int64 response ns]
//   [version 3 on: int64 presented ns  int64 refresh ns  int64 frame counter
//                  int32 present mode  int32 quality  int32 light byte]
//   uint32 crc32
// From version 3 on, a record may also repeat an earlier answer with host
// times that came after it was written (its frame's presentation, its light
// onset). The header's CRC covers everything before it; a record's CRC
// covers all of the record before it and is seeded with the header's CRC,
// so a record only fits the journal it was written for.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document_data.h"
#include "file_outcome.h"
#include "run_timing.h"
#include "test_data_file.h"

namespace alacrity {

inline constexpr std::string_view JournalMagic = "ALYJRNL\n";
inline constexpr uint32_t JournalFormatVersion = 3;
// What this program writes; earlier journals, still read, hold 48 bytes (no
// presentation or light) in version 2 and 16 (no host times) in version 1.
inline constexpr std::size_t JournalRecordBytes = 84;
inline constexpr std::size_t JournalRecordBytesVersion2 = 48;
inline constexpr std::size_t JournalRecordBytesVersion1 = 16;
// The size of a record in a journal of `version`.
std::size_t JournalRecordBytesOf(uint32_t version);
inline constexpr std::string_view JournalExtension = ".alyjournal";
inline constexpr std::string_view DamagedJournalSuffix = ".damaged";

inline constexpr const char* MessageDamagedJournal = "Damaged journal";
inline constexpr const char* MessageNewerJournal = "Journal of a newer version";
inline constexpr const char* MessageJournalInUse =
    "is still being written by a running test, or held by the program that restored it";

// What the run was set up with: enough to rebuild the document exactly as
// Perform left it.
struct JournalSetUp {
  int32_t performMode = 0;  // 0 custom configuration, 1 protocol
  TestConfiguration runConfiguration;
  VoiceSettings runVoice;
  ProtocolHeader runProtocolHeader;
  int32_t portIndex = 0;
  SubjectInfo subject;
  int32_t testTime = 0;
  ResultEntry slotZero;  // slot 0 of the result arrays, carried as held
  std::vector<ProtocolItem> schedule;  // stimuli 1..n: generation time, object
  StationTiming station;  // version 3 on; none before

  bool operator==(const JournalSetUp&) const = default;
};

struct JournalAnswer {
  int32_t stimulus = 0;  // 1-based
  int32_t responseMs = 0;
  int32_t buttons = 0;  // the raw nibble, as the engine recorded it
  // The stimulus's host times (run_timing.h); zeros when unknown and in a
  // version 1 journal.
  int32_t onsetByte = 0;
  int64_t onsetHostNs = 0;
  int64_t paintedHostNs = 0;
  int32_t responseByte = 0;
  int64_t responseHostNs = 0;
  // Version 3 on; none before.
  Presentation presented{};
  int32_t lightByte = 0;

  bool operator==(const JournalAnswer&) const = default;
};

struct JournalImage {
  uint32_t version = JournalFormatVersion;  // of the file read
  JournalSetUp setUp;
  std::vector<JournalAnswer> answers;  // stimuli 1..answers.size(), in order
  // Bytes after the last sound record: a torn last write, or records that
  // failed their check and everything after them. They are not restored.
  std::size_t droppedBytes = 0;
};

// The set-up of the run that Perform has just prepared in `data`.
JournalSetUp JournalSetUpOf(const DocumentData& data, int32_t performMode, int32_t stimulusCount,
                            const StationTiming& station = {});

// The header (magic to header CRC), and the CRC that seeds every record's.
struct EncodedJournalHeader {
  std::vector<uint8_t> bytes;
  uint32_t crc = 0;
};
EncodedJournalHeader EncodeJournalHeader(const JournalSetUp& setUp);
std::array<uint8_t, JournalRecordBytes> EncodeJournalRecord(const JournalAnswer& answer,
                                                            uint32_t headerCrc);

// The answers the dropped bytes stood for: a torn or damaged record and the
// records after it, never more than the schedule has left unanswered.
std::size_t DroppedAnswers(const JournalImage& image);

// True when the bytes begin with the journal's magic.
bool IsRunJournal(std::span<const uint8_t> bytes);

// "Journal of a newer version" for a version above ours; "Damaged journal"
// for anything wrong in the header. Records are read up to the first one that
// is short, fails its CRC, or is neither the next stimulus of the schedule
// nor a repeat of an earlier answer (the same answer, later times), which
// replaces that answer's host times.
ParseResult<JournalImage> ParseRunJournal(std::span<const uint8_t> bytes);

// The data file a restored journal becomes is built by the engine (it
// normalises the answers as Stop does); this is only the journal file.
//
// One journal file while it is written or held. The file is created 0600 and
// locked (flock) for as long as this object lives, so a second program
// looking for journals left behind passes over it. Destroying the object
// closes the file and leaves it on disk: only Remove deletes it.
class RunJournal {
 public:
  ~RunJournal();
  RunJournal(const RunJournal&) = delete;
  RunJournal& operator=(const RunJournal&) = delete;

  // Writes the header under a temporary name, flushes it and renames it into
  // place, so a journal on disk always has a whole header. The directory is
  // created 0700 when missing. Null with a reason when anything failed.
  static std::unique_ptr<RunJournal> Create(const std::filesystem::path& directory,
                                            const JournalSetUp& setUp, std::string& error);

  // Takes over a journal left behind (after it was restored): locks it and
  // appends nothing. Null when it is gone or another program holds it.
  static std::unique_ptr<RunJournal> Hold(const std::filesystem::path& path);

  // Writes the record of the next answer and waits until it is on the disk
  // (fdatasync). False when it was not written; the journal then takes no
  // more answers, since after a failed flush the kernel may already have
  // dropped the pages it could not write.
  [[nodiscard]] bool Append(const JournalAnswer& answer);
  // Writes an answer already appended again, with the host times known now,
  // in the same way. An answer's record is never written over: a torn write
  // could cost it.
  [[nodiscard]] bool Amend(const JournalAnswer& answer);

  // Deletes the file. False when it could not be deleted.
  bool Remove();

  const std::filesystem::path& Path() const { return m_path; }
  int32_t Answers() const { return m_answers; }
  bool Failed() const { return m_failed; }

 private:
  RunJournal(int fd, std::filesystem::path path, uint32_t headerCrc, std::size_t headerBytes,
             int32_t answers);

  bool Write(const JournalAnswer& answer);

  int m_fd = -1;
  std::filesystem::path m_path;
  uint32_t m_headerCrc = 0;
  std::size_t m_headerBytes = 0;
  int32_t m_answers = 0;
  std::size_t m_records = 0;  // answers and repeats
  bool m_failed = false;
};

// The journals in a directory, oldest test first, as start-up meets them.
struct FoundJournal {
  std::filesystem::path path;
  ParseResult<JournalImage> parsed;
};
// Journals that another running program holds are passed over; so is
// everything that does not end in JournalExtension.
std::vector<FoundJournal> FindJournals(const std::filesystem::path& directory);

// Renames a damaged journal to "<name>.damaged" (or "<name>.damaged.N" when
// that exists). The new path, or empty when it could not be renamed.
std::filesystem::path SetAsideDamagedJournal(const std::filesystem::path& path);

// Deletes a journal nobody holds. False when it could not be deleted.
bool RemoveJournalFile(const std::filesystem::path& path);

// A program killed between writing a journal's header and renaming it into
// place leaves ".<name>.alyjournal.tmp": a header without answers (they
// come only after the rename), yet with the subject's record. Those no
// program holds and untouched for a minute are removed.
void RemoveStaleJournalTemporaries(const std::filesystem::path& directory);

// True while a running program writes or holds the journal: what it holds
// is not yet what is left behind.
bool JournalIsHeld(const std::filesystem::path& path);

}  // namespace alacrity
