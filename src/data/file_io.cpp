// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

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

}  // namespace

int OpenRetrying(const char* path, int flags, mode_t mode) {
  int fd = -1;
  do {
    fd = ::open(path, flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

std::optional<FileBytes> ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
  // Opening a FIFO for reading waits for a writer, and a device may wait for
  // a carrier: open without waiting, then refuse whatever is not a regular
  // file (a directory cannot be read, a pipe may never end).
  FileDescriptor fd(OpenRetrying(path.c_str(), O_RDONLY | O_NONBLOCK));
  if (!fd.Valid()) return std::nullopt;
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  // Blocking reads from here on: a file under a mandatory lock or on some
  // network file systems would otherwise fail a read with EAGAIN.
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return std::nullopt;

  // Sized by what is read, not by what the file claims, so a huge or growing
  // file costs at most maxBytes.
  FileBytes result;
  const auto expected = static_cast<std::size_t>(info.st_size);
  result.bytes.resize(expected < maxBytes ? expected : maxBytes);
  ssize_t n = ReadFully(fd.Get(), result.bytes.data(), result.bytes.size());
  if (n < 0) return std::nullopt;
  result.bytes.resize(static_cast<std::size_t>(n));

  // The file may have grown since fstat: keep reading up to the cap.
  uint8_t chunk[4096];
  while (result.bytes.size() <= maxBytes) {
    n = ReadFully(fd.Get(), chunk, sizeof chunk);
    if (n < 0) return std::nullopt;
    if (n == 0) return result;
    result.bytes.insert(result.bytes.end(), chunk, chunk + n);
  }
  result.bytes.resize(maxBytes);
  result.truncated = true;
  return result;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  const std::filesystem::path target = ResolveLinks(path);
  std::filesystem::path directory = target.parent_path();
  if (directory.empty()) directory = ".";

  // Renaming over a device, pipe or directory would replace it rather than
  // write to it; only regular files (or a new name) are saved to.
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) return false;

  RemoveStaleTemporaries(directory);

  constexpr int MaxNameAttempts = 100;
  std::filesystem::path temporary;
  int rawFd = -1;
  // 0666 lets the umask decide, as for any newly created file.
  for (int attempt = 0; attempt < MaxNameAttempts && rawFd < 0; ++attempt) {
    temporary = TemporaryIn(directory);
    rawFd = OpenRetrying(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (rawFd < 0 && errno != EEXIST) return false;
  }
  FileDescriptor fd(rawFd);
  if (!fd.Valid()) return false;

  auto fail = [&temporary]() {
    ::unlink(temporary.c_str());
    return false;
  };

  // Replacing a file keeps its permissions; failing to copy them is no reason
  // to refuse the save.
  if (exists) (void)::fchmod(fd.Get(), existing.st_mode & 07777);

  if (!WriteFully(fd.Get(), bytes) || ::fsync(fd.Get()) != 0 || !fd.Close()) return fail();
  if (::rename(temporary.c_str(), target.c_str()) != 0) return fail();

  // Makes the rename itself durable. The new file is already in place, and
  // some file systems cannot sync a directory, so this cannot fail the save.
  FileDescriptor dirFd(OpenRetrying(directory.c_str(), O_RDONLY | O_DIRECTORY));
  if (dirFd.Valid()) (void)::fsync(dirFd.Get());
  return true;
}

}  // namespace alacrity
