// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_journal.h"

#include "file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <system_error>
#include <utility>

#include "byte_stream.h"
#include "file_io.h"
#include "record_codec.h"

namespace alacrity {

namespace {

// Magic, version and payload length come before the payload; its CRC after.
constexpr std::size_t HeaderLeadBytes = 16;
constexpr std::size_t CrcBytes = 4;
// The set-up of the longest run with long subject texts stays far below this;
// it only keeps a damaged length from sizing anything.
constexpr uint32_t MaxSetUpBytes = 1u << 20;
// A journal's header is written under "." + its name + this, then renamed.
constexpr std::string_view TemporarySuffix = ".tmp";

uint32_t Crc(uint32_t seed, const uint8_t* data, std::size_t size) {
  return static_cast<uint32_t>(::crc32(seed, data, static_cast<uInt>(size)));
}

uint32_t Crc(const uint8_t* data, std::size_t size) {
  return Crc(static_cast<uint32_t>(::crc32(0L, Z_NULL, 0)), data, size);
}

void PutUint32(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetUint32(const uint8_t* in) {
  return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 |
         static_cast<uint32_t>(in[2]) << 16 | static_cast<uint32_t>(in[3]) << 24;
}

void PutUint64(uint8_t* out, uint64_t value) {
  PutUint32(out, static_cast<uint32_t>(value));
  PutUint32(out + 4, static_cast<uint32_t>(value >> 32));
}

uint64_t GetUint64(const uint8_t* in) {
  return uint64_t{GetUint32(in)} | uint64_t{GetUint32(in + 4)} << 32;
}

// A record's CRC comes last and covers everything before it.
constexpr std::size_t RecordCrcAt = JournalRecordBytes - CrcBytes;
// The panel lag of a station that has not measured it.
constexpr int32_t LagNotMeasured = -1;
// Beyond any panel; keeps a damaged lag from passing for one.
constexpr int32_t MaxPanelLagUs = 1'000'000;

ParseResult<JournalImage> Damaged() { return {std::nullopt, MessageDamagedJournal}; }

bool ReadStation(ByteReader& reader, StationTiming& station) {
  int32_t lightSensor = 0;
  int32_t lagUs = 0;
  if (!reader.Int32(lightSensor) || !reader.Int32(lagUs)) return false;
  if (lightSensor < 0 || lightSensor > 1 || lagUs < LagNotMeasured || lagUs > MaxPanelLagUs) {
    return false;
  }
  station.lightSensor = lightSensor == 1;
  if (lagUs != LagNotMeasured) station.panelLagUs = lagUs;
  return true;
}

bool ReadSetUp(ByteReader& reader, uint32_t version, JournalSetUp& s) {
  int32_t count = 0;
  if (!reader.Int32(s.performMode) || !ReadRecord(reader, s.runConfiguration) ||
      !ReadRecord(reader, s.runVoice) || !ReadRecord(reader, s.runProtocolHeader) ||
      !reader.Int32(s.portIndex) || !reader.Text(s.subject.name) || !reader.Int32(s.subject.sex) ||
      !reader.Int32(s.subject.height) || !reader.Int32(s.subject.weight) ||
      !reader.Text(s.subject.comment1) || !reader.Text(s.subject.comment2) ||
      !reader.Text(s.subject.comment3) || !reader.Int32(s.testTime) ||
      !reader.Int32(s.slotZero.responseMs) || !reader.Int32(s.slotZero.objectIndex) ||
      !reader.Int32(s.slotZero.buttonIndex) || !reader.Int32(s.slotZero.generationMs) ||
      !reader.Int32(count)) {
    return false;
  }
  if (s.performMode < 0 || s.performMode > 1 || count < 0 || count > MaxStimulusCount) return false;
  if (reader.Remaining() / 8 < static_cast<std::size_t>(count)) return false;
  s.schedule.resize(static_cast<std::size_t>(count));
  for (ProtocolItem& item : s.schedule) {
    if (!ReadRecord(reader, item)) return false;
    // The schedule's objects are drawn and indexed by shape.
    if (item.object < 0 || item.object > 3) return false;
  }
  return version < 3 || ReadStation(reader, s.station);
}

// A repeat carries the answer it repeats unchanged; only times may differ.
bool SameAnswer(const JournalAnswer& a, const JournalAnswer& b) {
  return a.stimulus == b.stimulus && a.responseMs == b.responseMs && a.buttons == b.buttons &&
         a.onsetByte == b.onsetByte && a.responseByte == b.responseByte;
}

JournalAnswer DecodeRecord(const uint8_t* record, uint32_t version) {
  JournalAnswer answer;
  answer.stimulus = static_cast<int32_t>(GetUint32(record));
  answer.responseMs = static_cast<int32_t>(GetUint32(record + 4));
  answer.buttons = static_cast<int32_t>(GetUint32(record + 8));
  if (version >= 2) {
    answer.onsetByte = static_cast<int32_t>(GetUint32(record + 12));
    answer.onsetHostNs = static_cast<int64_t>(GetUint64(record + 16));
    answer.paintedHostNs = static_cast<int64_t>(GetUint64(record + 24));
    answer.responseByte = static_cast<int32_t>(GetUint32(record + 32));
    answer.responseHostNs = static_cast<int64_t>(GetUint64(record + 36));
  }
  if (version >= 3) {
    Presentation& presented = answer.presented;
    presented.hostNs = static_cast<int64_t>(GetUint64(record + 44));
    presented.refreshNs = static_cast<int64_t>(GetUint64(record + 52));
    presented.frameCounter = static_cast<int64_t>(GetUint64(record + 60));
    // Kinds this program does not know read as unknown, and none with them.
    const auto mode = static_cast<int32_t>(GetUint32(record + 68));
    const auto quality = static_cast<int32_t>(GetUint32(record + 72));
    presented.mode = mode >= 0 && mode <= static_cast<int32_t>(PresentMode::Composited)
                         ? static_cast<PresentMode>(mode)
                         : PresentMode::Unknown;
    presented.quality =
        quality >= 0 && quality <= static_cast<int32_t>(PresentQuality::SimulatedClock)
            ? static_cast<PresentQuality>(quality)
            : PresentQuality::None;
    answer.lightByte = static_cast<int32_t>(GetUint32(record + 76));
  }
  return answer;
}

bool WriteAllAt(int fd, const uint8_t* data, std::size_t size, off_t offset) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd, data + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool SyncData(int fd) {
  int result = 0;
  do {
    result = ::fdatasync(fd);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

// Makes a create, rename or unlink in the directory durable; some file
// systems cannot sync a directory, which is no reason to fail.
void SyncDirectory(const std::filesystem::path& directory) {
  const int fd = OpenRetrying(directory.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

// Renames without replacing an existing file; false with errno set. File
// systems without an atomic no-replace rename get a look first instead.
bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  struct stat existing {};
  if (::lstat(to.c_str(), &existing) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

std::string ErrnoText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// Sorts by the test's time, and names from one second apart by the time the
// program started the run: "20261208-065812-4711-0".
std::string JournalName(int32_t testTime) {
  static std::atomic<unsigned> counter{0};
  const std::time_t calendar = static_cast<std::time_t>(static_cast<uint32_t>(testTime));
  std::tm utc{};
  char stamp[32] = "00000000-000000";
  if (gmtime_r(&calendar, &utc) != nullptr) std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
  return std::string(stamp) + "-" + std::to_string(::getpid()) + "-" +
         std::to_string(counter++) + std::string(JournalExtension);
}

bool PrepareDirectory(const std::filesystem::path& directory, std::string& error) {
  std::error_code code;
  std::filesystem::create_directories(directory, code);
  struct stat info {};
  if (::stat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    error = directory.string() + ": " + NoFolderReason(directory, code);
    return false;
  }
  // Subjects' names are personal data: other users lose their access. The
  // owner's own bits are the owner's choice (a folder made read-only keeps
  // journals out, and the warning at Start says so) and stay. A folder of
  // another owner cannot be changed and is used as it is.
  if ((info.st_mode & 077) != 0) (void)::chmod(directory.c_str(), info.st_mode & 0700);
  return true;
}

}  // namespace

std::size_t JournalRecordBytesOf(uint32_t version) {
  if (version == 1) return JournalRecordBytesVersion1;
  return version == 2 ? JournalRecordBytesVersion2 : JournalRecordBytes;
}

JournalSetUp JournalSetUpOf(const DocumentData& data, int32_t performMode, int32_t stimulusCount,
                            const StationTiming& station) {
  const TestResults& results = data.results;
  JournalSetUp setUp;
  setUp.performMode = performMode;
  setUp.station = station;
  // A lag beyond what a file may hold is no measurement.
  if (station.panelLagUs && (*station.panelLagUs < 0 || *station.panelLagUs > MaxPanelLagUs)) {
    setUp.station.panelLagUs.reset();
  }
  setUp.runConfiguration = data.runConfiguration;
  setUp.runVoice = data.runVoice;
  setUp.runProtocolHeader = data.runProtocolHeader;
  setUp.portIndex = data.portIndex;
  setUp.subject = data.subject;
  setUp.testTime = results.testTime;
  setUp.slotZero = {results.responseMs[0], results.objectIndex[0], results.buttonIndex[0],
                    results.generationMs[0]};
  const int32_t count = std::clamp(stimulusCount, 0, MaxStimulusCount);
  for (int32_t i = 1; i <= count; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    setUp.schedule.push_back({results.generationMs[slot], results.objectIndex[slot]});
  }
  return setUp;
}

EncodedJournalHeader EncodeJournalHeader(const JournalSetUp& s) {
  ByteWriter payload;
  payload.Int32(s.performMode);
  WriteRecord(payload, s.runConfiguration);
  WriteRecord(payload, s.runVoice);
  WriteRecord(payload, s.runProtocolHeader);
  payload.Int32(s.portIndex);
  payload.Text(s.subject.name);
  payload.Int32(s.subject.sex);
  payload.Int32(s.subject.height);
  payload.Int32(s.subject.weight);
  payload.Text(s.subject.comment1);
  payload.Text(s.subject.comment2);
  payload.Text(s.subject.comment3);
  payload.Int32(s.testTime);
  for (int32_t v : {s.slotZero.responseMs, s.slotZero.objectIndex, s.slotZero.buttonIndex,
                    s.slotZero.generationMs}) {
    payload.Int32(v);
  }
  payload.Int32(static_cast<int32_t>(s.schedule.size()));
  for (const ProtocolItem& item : s.schedule) WriteRecord(payload, item);
  payload.Int32(s.station.lightSensor ? 1 : 0);
  payload.Int32(s.station.panelLagUs.value_or(LagNotMeasured));

  EncodedJournalHeader header;
  const std::vector<uint8_t>& body = payload.Data();
  header.bytes.resize(HeaderLeadBytes + body.size() + CrcBytes);
  uint8_t* out = header.bytes.data();
  std::memcpy(out, JournalMagic.data(), JournalMagic.size());
  PutUint32(out + 8, JournalFormatVersion);
  PutUint32(out + 12, static_cast<uint32_t>(body.size()));
  std::copy(body.begin(), body.end(), out + HeaderLeadBytes);
  header.crc = Crc(out, HeaderLeadBytes + body.size());
  PutUint32(out + HeaderLeadBytes + body.size(), header.crc);
  return header;
}

std::array<uint8_t, JournalRecordBytes> EncodeJournalRecord(const JournalAnswer& answer,
                                                            uint32_t headerCrc) {
  std::array<uint8_t, JournalRecordBytes> record{};
  uint8_t* out = record.data();
  PutUint32(out, static_cast<uint32_t>(answer.stimulus));
  PutUint32(out + 4, static_cast<uint32_t>(answer.responseMs));
  PutUint32(out + 8, static_cast<uint32_t>(answer.buttons));
  PutUint32(out + 12, static_cast<uint32_t>(answer.onsetByte));
  PutUint64(out + 16, static_cast<uint64_t>(answer.onsetHostNs));
  PutUint64(out + 24, static_cast<uint64_t>(answer.paintedHostNs));
  PutUint32(out + 32, static_cast<uint32_t>(answer.responseByte));
  PutUint64(out + 36, static_cast<uint64_t>(answer.responseHostNs));
  PutUint64(out + 44, static_cast<uint64_t>(answer.presented.hostNs));
  PutUint64(out + 52, static_cast<uint64_t>(answer.presented.refreshNs));
  PutUint64(out + 60, static_cast<uint64_t>(answer.presented.frameCounter));
  PutUint32(out + 68, static_cast<uint32_t>(answer.presented.mode));
  PutUint32(out + 72, static_cast<uint32_t>(answer.presented.quality));
  PutUint32(out + 76, static_cast<uint32_t>(answer.lightByte));
  PutUint32(out + RecordCrcAt, Crc(headerCrc, out, RecordCrcAt));
  return record;
}

std::size_t DroppedAnswers(const JournalImage& image) {
  const std::size_t recordBytes = JournalRecordBytesOf(image.version);
  const std::size_t records = (image.droppedBytes + recordBytes - 1) / recordBytes;
  const std::size_t open = image.setUp.schedule.size() - std::min(image.setUp.schedule.size(),
                                                                   image.answers.size());
  return std::min(records, open);
}

bool IsRunJournal(std::span<const uint8_t> bytes) {
  return bytes.size() >= JournalMagic.size() &&
         std::equal(JournalMagic.begin(), JournalMagic.end(), bytes.begin(),
                    [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

ParseResult<JournalImage> ParseRunJournal(std::span<const uint8_t> bytes) {
  if (bytes.size() < HeaderLeadBytes + CrcBytes || !IsRunJournal(bytes)) return Damaged();
  // The lead and the header's CRC keep their places in every version, so a
  // damaged version number is told from a newer one.
  const uint32_t length = GetUint32(bytes.data() + 12);
  if (length > MaxSetUpBytes || bytes.size() - HeaderLeadBytes - CrcBytes < length) {
    return Damaged();
  }
  const std::size_t crcAt = HeaderLeadBytes + length;
  const uint32_t headerCrc = GetUint32(bytes.data() + crcAt);
  if (Crc(bytes.data(), crcAt) != headerCrc) return Damaged();
  const uint32_t version = GetUint32(bytes.data() + 8);
  if (version == 0) return Damaged();
  // Only a newer program knows what its journal holds; it is not damaged.
  if (version > JournalFormatVersion) return {std::nullopt, MessageNewerJournal};

  JournalImage image;
  image.version = version;
  ByteReader reader(bytes.subspan(HeaderLeadBytes, length));
  if (!ReadSetUp(reader, version, image.setUp) || reader.Remaining() != 0) return Damaged();

  // A record counts only when it is whole, sound, and the next answer of the
  // schedule or a repeat of an earlier one; the first that is not ends what
  // can be trusted.
  std::size_t offset = crcAt + CrcBytes;
  const std::size_t scheduled = image.setUp.schedule.size();
  const std::size_t recordBytes = JournalRecordBytesOf(version);
  const std::size_t crcOffset = recordBytes - CrcBytes;
  while (bytes.size() - offset >= recordBytes) {
    const uint8_t* record = bytes.data() + offset;
    if (Crc(headerCrc, record, crcOffset) != GetUint32(record + crcOffset)) break;
    const JournalAnswer answer = DecodeRecord(record, version);
    const std::size_t answered = image.answers.size();
    if (answer.stimulus == static_cast<int32_t>(answered) + 1 && answered < scheduled) {
      image.answers.push_back(answer);
    } else if (version >= 3 && answer.stimulus >= 1 &&
               answer.stimulus <= static_cast<int32_t>(answered) &&
               SameAnswer(image.answers[static_cast<std::size_t>(answer.stimulus) - 1], answer)) {
      image.answers[static_cast<std::size_t>(answer.stimulus) - 1] = answer;
    } else {
      break;
    }
    offset += recordBytes;
  }
  image.droppedBytes = bytes.size() - offset;
  return {std::move(image), {}};
}

RunJournal::RunJournal(int fd, std::filesystem::path path, uint32_t headerCrc,
                       std::size_t headerBytes, int32_t answers)
    : m_fd(fd),
      m_path(std::move(path)),
      m_headerCrc(headerCrc),
      m_headerBytes(headerBytes),
      m_answers(answers) {}

RunJournal::~RunJournal() {
  if (m_fd >= 0) ::close(m_fd);
}

std::unique_ptr<RunJournal> RunJournal::Create(const std::filesystem::path& directory,
                                               const JournalSetUp& setUp, std::string& error) {
  if (!PrepareDirectory(directory, error)) return nullptr;
  const EncodedJournalHeader header = EncodeJournalHeader(setUp);
  const std::filesystem::path temporary =
      directory / ("." + JournalName(setUp.testTime) + std::string(TemporarySuffix));

  const int fd = OpenRetrying(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
  if (fd < 0) {
    error = ErrnoText(temporary.c_str());
    return nullptr;
  }
  auto fail = [&](const char* what) -> std::unique_ptr<RunJournal> {
    error = ErrnoText(what);
    ::close(fd);
    ::unlink(temporary.c_str());
    return nullptr;
  };
  // Held from the first byte on, so no other program ever takes it for a
  // journal left behind.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return fail("lock");
  if (!WriteAllAt(fd, header.bytes.data(), header.bytes.size(), 0)) return fail("write");
  if (!SyncData(fd)) return fail("flush");
  // Never over another journal, however unlikely a second one of the same
  // second, process id and number is (a process id reused after a crash).
  constexpr int MaxNameAttempts = 100;
  std::filesystem::path path = directory / JournalName(setUp.testTime);
  int attempt = 0;
  while (!RenameNoReplace(temporary, path)) {
    if (errno != EEXIST || ++attempt == MaxNameAttempts) return fail("rename");
    path = directory / JournalName(setUp.testTime);
  }
  SyncDirectory(directory);
  return std::unique_ptr<RunJournal>(
      new RunJournal(fd, path, header.crc, header.bytes.size(), 0));
}

std::unique_ptr<RunJournal> RunJournal::Hold(const std::filesystem::path& path) {
  const int fd = OpenRetrying(path.c_str(), O_RDONLY);
  if (fd < 0) return nullptr;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return nullptr;
  }
  auto journal = std::unique_ptr<RunJournal>(new RunJournal(fd, path, 0, 0, 0));
  // A held journal is a record of the past: it takes no answers.
  journal->m_failed = true;
  return journal;
}

bool RunJournal::Append(const JournalAnswer& answer) {
  if (answer.stimulus != m_answers + 1 || !Write(answer)) return false;
  ++m_answers;
  return true;
}

bool RunJournal::Amend(const JournalAnswer& answer) {
  return answer.stimulus >= 1 && answer.stimulus <= m_answers && Write(answer);
}

bool RunJournal::Write(const JournalAnswer& answer) {
  if (m_failed || m_fd < 0) return false;
  const auto record = EncodeJournalRecord(answer, m_headerCrc);
  const auto offset = static_cast<off_t>(m_headerBytes + m_records * JournalRecordBytes);
  if (!WriteAllAt(m_fd, record.data(), record.size(), offset) || !SyncData(m_fd)) {
    m_failed = true;
    return false;
  }
  ++m_records;
  return true;
}

bool RunJournal::Remove() {
  if (m_fd < 0) return true;
  const bool removed = ::unlink(m_path.c_str()) == 0 || errno == ENOENT;
  ::close(m_fd);
  m_fd = -1;
  SyncDirectory(m_path.parent_path());
  return removed;
}

std::vector<FoundJournal> FindJournals(const std::filesystem::path& directory) {
  std::vector<FoundJournal> found;
  std::error_code code;
  for (const auto& entry : std::filesystem::directory_iterator(directory, code)) {
    const std::filesystem::path& path = entry.path();
    const std::string name = path.filename().string();
    if (name.size() <= JournalExtension.size() || name.front() == '.' ||
        !name.ends_with(JournalExtension) || !entry.is_regular_file(code)) {
      continue;
    }
    const int fd = OpenRetrying(path.c_str(), O_RDONLY);
    if (fd < 0) continue;
    // Another program is still writing or holding it.
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
      ::close(fd);
      continue;
    }
    const std::optional<FileBytes> file = ReadFileBytes(path);
    ::close(fd);
    if (!file) continue;
    FoundJournal journal{path, file->truncated ? Damaged() : ParseRunJournal(file->bytes)};
    found.push_back(std::move(journal));
  }
  // Oldest test first: a name starts with the test's time.
  std::sort(found.begin(), found.end(), [](const FoundJournal& a, const FoundJournal& b) {
    return a.path.filename() < b.path.filename();
  });
  return found;
}

std::filesystem::path SetAsideDamagedJournal(const std::filesystem::path& path) {
  constexpr int MaxAttempts = 100;
  for (int attempt = 0; attempt < MaxAttempts; ++attempt) {
    std::filesystem::path target = path;
    target += DamagedJournalSuffix;
    if (attempt > 0) target += "." + std::to_string(attempt);
    // Never over an earlier damaged journal: both may matter to someone.
    if (RenameNoReplace(path, target)) {
      SyncDirectory(path.parent_path());
      return target;
    }
    if (errno != EEXIST) break;
  }
  return {};
}

bool RemoveJournalFile(const std::filesystem::path& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) return false;
  SyncDirectory(path.parent_path());
  return true;
}

void RemoveStaleJournalTemporaries(const std::filesystem::path& directory) {
  // The lock settles a program still writing its header; the minute covers
  // the moment between its creating the file and locking it.
  constexpr auto StaleAfter = std::chrono::minutes(1);
  const std::string suffix = std::string(JournalExtension) + std::string(TemporarySuffix);
  std::error_code code;
  for (const auto& entry : std::filesystem::directory_iterator(directory, code)) {
    const std::string name = entry.path().filename().string();
    if (name.front() != '.' || name.size() <= suffix.size() + 1 || !name.ends_with(suffix) ||
        !entry.is_regular_file(code)) {
      continue;
    }
    const auto modified = std::filesystem::last_write_time(entry.path(), code);
    if (code || std::filesystem::file_time_type::clock::now() - modified < StaleAfter) continue;
    const int fd = OpenRetrying(entry.path().c_str(), O_RDONLY);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) (void)::unlink(entry.path().c_str());
    ::close(fd);
  }
  SyncDirectory(directory);
}

bool JournalIsHeld(const std::filesystem::path& path) {
  const int fd = OpenRetrying(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return held;
}

}  // namespace alacrity
