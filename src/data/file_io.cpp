// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <chrono>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace alacrity {

namespace {

// Closes on every path out of a function.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return m_fd; }
  bool Valid() const { return m_fd >= 0; }
  // Close reports write-back errors on some file systems, so a save checks it.
  bool Close() {
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0;
  }

 private:
  int m_fd;
};

// Bytes read into out, or -1 on error; short only at the end of the file.
ssize_t ReadFully(int fd, uint8_t* out, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::read(fd, out + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

bool WriteFully(int fd, std::span<const uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Saving through a link must replace the file it points to, not the link.
// Gives up on a cycle rather than loop forever.
std::filesystem::path ResolveLinks(std::filesystem::path path) {
  constexpr int MaxLinkDepth = 40;
  for (int depth = 0; depth < MaxLinkDepth; ++depth) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) return path;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

// Temporaries are ".alacrity-" and six letters or digits, as mkstemp names
// them: short enough that any valid target name can be saved, and one pattern
// for the whole directory, so leftovers of an interrupted save are ours to
// recognise.
constexpr std::string_view TemporaryPrefix = ".alacrity-";
constexpr std::size_t TemporarySuffixLength = 6;
constexpr std::string_view TemporaryAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool IsTemporaryName(std::string_view name) {
  if (name.size() != TemporaryPrefix.size() + TemporarySuffixLength ||
      name.substr(0, TemporaryPrefix.size()) != TemporaryPrefix) {
    return false;
  }
  return name.substr(TemporaryPrefix.size()).find_first_not_of(TemporaryAlphabet) ==
         std::string_view::npos;
}

// Unpredictable enough to avoid collisions between processes; O_EXCL settles
// the rest. (mkstemp itself would create the file 0600, ignoring the umask.)
std::filesystem::path TemporaryIn(const std::filesystem::path& directory) {
  static std::atomic<uint64_t> counter{0};
  uint64_t bits = static_cast<uint64_t>(
                      std::chrono::steady_clock::now().time_since_epoch().count()) ^
                  (static_cast<uint64_t>(::getpid()) << 40) ^
                  (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
  // splitmix64 finaliser: spreads every input bit over the name.
  bits = (bits ^ (bits >> 30)) * 0xBF58476D1CE4E5B9ull;
  bits = (bits ^ (bits >> 27)) * 0x94D049BB133111EBull;
  bits ^= bits >> 31;
  std::string name(TemporaryPrefix);
  for (std::size_t i = 0; i < TemporarySuffixLength; ++i) {
    name += TemporaryAlphabet[bits % TemporaryAlphabet.size()];
    bits /= TemporaryAlphabet.size();
  }
  return directory / name;
}

// A save that was interrupted (power loss, a killed program) leaves its
// temporary behind. One untouched for a minute belongs to no save still
// running, so the next save into the directory removes it. Only regular
// files of this user with exactly our pattern are considered.
void RemoveStaleTemporaries(const std::filesystem::path& directory) {
  constexpr auto StaleAfter = std::chrono::minutes(1);
  DIR* dir = ::opendir(directory.c_str());
  if (dir == nullptr) return;
  const auto now = std::chrono::system_clock::now();
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTemporaryName(entry->d_name)) continue;
    struct stat info {};
    if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) continue;
    const auto modified = std::chrono::system_clock::from_time_t(info.st_mtim.tv_sec);
    if (now - modified > StaleAfter) (void)::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

std::string Failure(const std::filesystem::path& path, std::string_view reason) {
  return path.string() + ": " + std::string(reason);
}

std::string ErrnoFailure(const std::filesystem::path& path, int error) {
  // A failed write() that returned 0 leaves no errno.
  return Failure(path, error != 0 ? std::strerror(error) : "could not be written");
}

// What an existing name is when it is no file to read or replace.
std::string KindReason(mode_t mode) {
  if (S_ISDIR(mode)) return std::strerror(EISDIR);
  return "Is not a regular file (a pipe, device or socket)";
}

// The file system refuses longer names with ENAMETOOLONG, but only at the
// rename, after the temporary (whose name is short) was written: checked
// first, so that a save of two files can refuse before changing either.
bool NameFits(const std::filesystem::path& target, const std::filesystem::path& directory) {
  long nameMax = ::pathconf(directory.c_str(), _PC_NAME_MAX);
  if (nameMax <= 0) nameMax = NAME_MAX;
  return target.filename().native().size() <= static_cast<std::size_t>(nameMax) &&
         target.native().size() < PATH_MAX;
}

// A file nobody may write counts as protected even for root, who could.
bool IsWriteProtected(const std::filesystem::path& target, const struct stat& info) {
  if ((info.st_mode & 0222) == 0) return true;
  return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

// A target that passed every check before anything is written.
struct Target {
  std::filesystem::path path;       // links resolved
  std::filesystem::path directory;  // where its temporary goes
  std::optional<mode_t> mode;       // of the file it replaces
};

std::optional<Target> CheckTarget(const std::filesystem::path& requested, std::string& failure) {
  Target target;
  target.path = ResolveLinks(requested);
  target.directory = target.path.parent_path();
  if (target.directory.empty()) target.directory = ".";
  if (!NameFits(target.path, target.directory)) {
    failure = ErrnoFailure(target.path, ENAMETOOLONG);
    return std::nullopt;
  }
  struct stat existing {};
  if (::stat(target.path.c_str(), &existing) == 0) {
    // Renaming over a device, pipe or directory would replace it rather than
    // write to it; only regular files (or a new name) are saved to.
    if (!S_ISREG(existing.st_mode)) {
      failure = Failure(target.path, KindReason(existing.st_mode));
      return std::nullopt;
    }
    if (IsWriteProtected(target.path, existing)) {
      failure = Failure(target.path, ReasonWriteProtected);
      return std::nullopt;
    }
    target.mode = existing.st_mode & 07777;
  } else if (errno != ENOENT) {
    // A loop of links, a component that is a file: nothing can be saved there.
    failure = ErrnoFailure(target.path, errno);
    return std::nullopt;
  }
  return target;
}

// The bytes written and flushed to a temporary beside the target; Commit
// renames it over the target, and a Staged that was not committed removes it.
class Staged {
 public:
  Staged() = default;
  Staged(const Staged&) = delete;
  Staged& operator=(const Staged&) = delete;
  ~Staged() {
    if (!m_temporary.empty()) ::unlink(m_temporary.c_str());
  }

  bool Write(const Target& target, std::span<const uint8_t> bytes, std::string& failure) {
    m_target = target;
    RemoveStaleTemporaries(target.directory);
    constexpr int MaxNameAttempts = 100;
    int rawFd = -1;
    // 0666 lets the umask decide, as for any newly created file.
    for (int attempt = 0; attempt < MaxNameAttempts && rawFd < 0; ++attempt) {
      const std::filesystem::path temporary = TemporaryIn(target.directory);
      rawFd = OpenRetrying(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
      if (rawFd >= 0) m_temporary = temporary;
      if (rawFd < 0 && errno != EEXIST) break;
    }
    FileDescriptor fd(rawFd);
    if (!fd.Valid()) {
      // The folder is what refused (read-only, missing, full): name it.
      failure = ErrnoFailure(target.directory, errno);
      return false;
    }
    // Replacing a file keeps its permissions; failing to copy them is no
    // reason to refuse the save.
    if (target.mode) (void)::fchmod(fd.Get(), *target.mode);
    errno = 0;
    if (!WriteFully(fd.Get(), bytes) || ::fsync(fd.Get()) != 0 || !fd.Close()) {
      failure = ErrnoFailure(target.path, errno);
      return false;
    }
    return true;
  }

  bool Commit(std::string& failure) {
    if (::rename(m_temporary.c_str(), m_target.path.c_str()) != 0) {
      failure = ErrnoFailure(m_target.path, errno);
      return false;
    }
    m_temporary.clear();
    return true;
  }

 private:
  Target m_target;
  std::filesystem::path m_temporary;
};

// Makes the renames themselves durable. The new files are already in place,
// and some file systems cannot sync a directory, so this cannot fail a save.
void SyncDirectory(const std::filesystem::path& directory) {
  FileDescriptor dirFd(OpenRetrying(directory.c_str(), O_RDONLY | O_DIRECTORY));
  if (dirFd.Valid()) (void)::fsync(dirFd.Get());
}

}  // namespace

int OpenRetrying(const char* path, int flags, mode_t mode) {
  int fd = -1;
  do {
    fd = ::open(path, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

FileRead ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
  FileRead read;
  auto fail = [&read, &path](std::string reason) {
    read.failure = Failure(path, reason);
    return std::move(read);
  };
  // Opening a FIFO for reading waits for a writer, and a device may wait for
  // a carrier: open without waiting, then refuse whatever is not a regular
  // file (a directory cannot be read, a pipe may never end).
  FileDescriptor fd(OpenRetrying(path.c_str(), O_RDONLY | O_NONBLOCK));
  if (!fd.Valid()) return fail(std::strerror(errno));
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) return fail(std::strerror(errno));
  if (!S_ISREG(info.st_mode)) return fail(KindReason(info.st_mode));
  // Blocking reads from here on: a file under a mandatory lock or on some
  // network file systems would otherwise fail a read with EAGAIN.
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
    return fail(std::strerror(errno));
  }

  // Sized by what is read, not by what the file claims, so a huge or growing
  // file costs at most maxBytes.
  FileBytes result;
  const auto expected = static_cast<std::size_t>(info.st_size);
  result.bytes.resize(expected < maxBytes ? expected : maxBytes);
  ssize_t n = ReadFully(fd.Get(), result.bytes.data(), result.bytes.size());
  if (n < 0) return fail(std::strerror(errno));
  result.bytes.resize(static_cast<std::size_t>(n));

  // The file may have grown since fstat: keep reading up to the cap.
  uint8_t chunk[4096];
  while (result.bytes.size() <= maxBytes) {
    n = ReadFully(fd.Get(), chunk, sizeof chunk);
    if (n < 0) return fail(std::strerror(errno));
    if (n == 0) {
      read.emplace(std::move(result));
      return read;
    }
    result.bytes.insert(result.bytes.end(), chunk, chunk + n);
  }
  result.bytes.resize(maxBytes);
  result.truncated = true;
  read.emplace(std::move(result));
  return read;
}

std::string WithFailure(std::string_view text, const std::string& failure) {
  std::string message(text);
  if (!failure.empty()) message += "\n" + failure;
  return message;
}

std::string NoFolderReason(const std::filesystem::path& directory, std::error_code error) {
  struct stat info {};
  if (::lstat(directory.c_str(), &info) == 0) {
    if (S_ISLNK(info.st_mode) && ::stat(directory.c_str(), &info) != 0) {
      // create_directories calls this "File exists"; the link is what is wrong.
      if (errno != ENOENT) return std::strerror(errno);
      std::error_code ignored;
      return "Is a link to " + std::filesystem::read_symlink(directory, ignored).string() +
             ", which does not exist";
    }
    if (!S_ISDIR(info.st_mode)) return std::strerror(ENOTDIR);
  }
  return error ? error.message() : std::strerror(ENOTDIR);
}

WriteResult WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  WriteResult result;
  const std::optional<Target> target = CheckTarget(path, result.failure);
  if (!target) return result;
  Staged staged;
  if (!staged.Write(*target, bytes, result.failure) || !staged.Commit(result.failure)) {
    return result;
  }
  SyncDirectory(target->directory);
  result.ok = true;
  return result;
}

PairWrite WriteFileWithCompanion(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                                 const std::filesystem::path& companionPath,
                                 std::optional<std::span<const uint8_t>> companionBytes) {
  PairWrite result;
  const std::optional<Target> target = CheckTarget(path, result.file.failure);
  if (!target) return result;
  std::optional<Target> companion;
  bool removeCompanion = false;
  if (companionBytes) {
    companion = CheckTarget(companionPath, result.file.failure);
    if (!companion) return result;
  } else {
    // Only a file (or a link) goes; whatever else bears the name is no
    // companion of ours. A name too long for the file system names nothing.
    struct stat existing {};
    if (::lstat(companionPath.c_str(), &existing) == 0 &&
        (S_ISREG(existing.st_mode) || S_ISLNK(existing.st_mode))) {
      if (S_ISREG(existing.st_mode) && IsWriteProtected(companionPath, existing)) {
        result.file.failure = Failure(companionPath, ReasonWriteProtected);
        return result;
      }
      removeCompanion = true;
    }
  }

  Staged file;
  Staged companionFile;
  if (!file.Write(*target, bytes, result.file.failure)) return result;
  if (companion && !companionFile.Write(*companion, *companionBytes, result.file.failure)) {
    return result;
  }
  if (!file.Commit(result.file.failure)) return result;
  result.file.ok = true;

  if (companion) {
    result.companion.ok = companionFile.Commit(result.companion.failure);
  } else if (removeCompanion && ::unlink(companionPath.c_str()) != 0 && errno != ENOENT) {
    result.companion.failure = ErrnoFailure(companionPath, errno);
  } else {
    result.companion.ok = true;
  }
  SyncDirectory(target->directory);
  if (companion && companion->directory != target->directory) SyncDirectory(companion->directory);
  return result;
}

}  // namespace alacrity
