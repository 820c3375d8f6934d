// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/folder_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <span>
#include <system_error>

#include "data/file_io.h"

namespace alacrity {
namespace {

bool IsSafeRelative(const std::string& path) {
  const std::filesystem::path p(path);
  if (path.empty() || p.is_absolute()) return false;
  for (const auto& part : p) {
    if (part == ".." || part == ".") return false;
  }
  return true;
}

// A new, empty folder beside the target; empty path when none could be made.
// Its name does not grow with the target's, which may already be as long as
// a name can be. 0777 lets the umask decide, as for any new folder.
std::filesystem::path MakeFolderBeside(const std::filesystem::path& target, const char* kind) {
  static std::atomic<unsigned> counter{0};
  constexpr int MaxNameAttempts = 100;
  for (int attempt = 0; attempt < MaxNameAttempts; ++attempt) {
    const std::filesystem::path candidate =
        target.parent_path() / (std::string(".alacrity-") + kind + "-" +
                                std::to_string(::getpid()) + "-" + std::to_string(counter++));
    if (::mkdir(candidate.c_str(), 0777) == 0) return candidate;
    if (errno != EEXIST) return {};
  }
  return {};
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

bool IsEmptyFolder(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_empty(folder, error) && !error;
}

}  // namespace

FolderWrite WriteFolderAtomically(const std::filesystem::path& requested,
                                  const std::vector<FolderFile>& files, bool replace) {
  // "out/" names the folder "out": without this its file name would be empty.
  std::filesystem::path target = requested.lexically_normal();
  if (!target.has_filename()) target = target.parent_path();
  // "." and ".." cannot be renamed, and the folders beside them would land
  // inside the very folder to be replaced.
  if (target.filename() == "." || target.filename() == ".." || !target.has_filename()) {
    return FolderWrite::NoName;
  }
  if (target.parent_path().empty()) target = std::filesystem::path(".") / target;

  struct stat existing {};
  const bool exists = ::lstat(target.c_str(), &existing) == 0;
  if (exists && !S_ISDIR(existing.st_mode)) return FolderWrite::NotAFolder;
  const bool empty = exists && IsEmptyFolder(target);
  if (exists && !empty && !replace) return FolderWrite::NotEmpty;

  for (const FolderFile& file : files) {
    if (!IsSafeRelative(file.path)) return FolderWrite::Failed;
  }

  const std::filesystem::path staging = MakeFolderBeside(target, "tmp");
  if (staging.empty()) return FolderWrite::Failed;
  std::error_code error;
  auto fail = [&] {
    std::filesystem::remove_all(staging, error);
    return FolderWrite::Failed;
  };

  for (const FolderFile& file : files) {
    const std::filesystem::path path = staging / file.path;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) return fail();
    const auto* data = reinterpret_cast<const uint8_t*>(file.bytes.data());
    if (!WriteFileAtomically(path, std::span<const uint8_t>(data, file.bytes.size()))) {
      return fail();
    }
  }
  SyncFolder(staging);

  if (!exists || empty) {
    // rename() replaces an empty folder in one step.
    if (::rename(staging.c_str(), target.c_str()) != 0) return fail();
  } else {
    // The old folder steps aside first (over the empty folder just made) and is removed only once
    // the new one is in place; were the second rename to fail, it is put back.
    const std::filesystem::path old = MakeFolderBeside(target, "old");
    if (old.empty()) return fail();
    if (::rename(target.c_str(), old.c_str()) != 0) {
      std::filesystem::remove(old, error);
      return fail();
    }
    if (::rename(staging.c_str(), target.c_str()) != 0) {
      (void)::rename(old.c_str(), target.c_str());
      return fail();
    }
    std::filesystem::remove_all(old, error);
  }
  SyncFolder(target.parent_path());
  return FolderWrite::Written;
}

}  // namespace alacrity
