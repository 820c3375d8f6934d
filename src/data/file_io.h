// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <sys/types.h>

namespace alacrity {

// No file of ours comes near this; larger files are refused before they are
// read into memory.
inline constexpr std::size_t MaxReadableFileBytes = 64u << 20;

// At most maxBytes bytes of the file (all of it when shorter); nothing when it
// cannot be opened or read or is no regular file. A FIFO or device is refused
// at once, without waiting for a writer. `truncated` tells whether more bytes
// followed. Every reader of user files goes through here.
struct FileBytes {
  std::vector<uint8_t> bytes;
  bool truncated = false;
};
// Used as the optional it is; when empty, `failure` says which file failed
// and why, as "<path>: <reason>", for the second line of a refusal.
struct FileRead : std::optional<FileBytes> {
  std::string failure;
};
FileRead ReadFileBytes(const std::filesystem::path& path,
                       std::size_t maxBytes = MaxReadableFileBytes);

// A refusal's fixed text and, on a second line, the file and the reason
// ("Error opening file\n/data/t.aly: No such file or directory").
std::string WithFailure(std::string_view text, const std::string& failure);

// Why `directory` could not be made or used as a folder (a dangling link, a
// file in the way), in words; `error` is what creating it reported.
std::string NoFolderReason(const std::filesystem::path& directory, std::error_code error);

// open() with close-on-exec, retried when a signal interrupts it; -1 on
// failure with errno set.
int OpenRetrying(const char* path, int flags, mode_t mode = 0);

// Said of an existing file that nobody may write (no write permission, for
// this user or at all): a lab protects archived data that way, and a save by
// renaming would replace it all the same.
inline constexpr const char* ReasonWriteProtected = "is write-protected; nothing saved";

struct [[nodiscard]] WriteResult {
  bool ok = false;
  std::string failure;  // "<path>: <reason>" when not ok
  explicit operator bool() const { return ok; }
};

// Writes a temporary file beside the target, flushes it to disk and renames it
// over the target, so that a failed or interrupted save leaves the earlier
// file as it was. When anything failed the temporary is removed and the
// failure names the file (or folder) and the reason. A write-protected target
// is refused. The temporary has a short name of its own (".alacrity-" and six
// characters), so any valid target name can be saved; such temporaries left
// in the directory by an interrupted save over a minute ago are removed.
WriteResult WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// A file saved together with the companion that describes it, which must not
// outlive it: the companion is written from `companionBytes`, or removed when
// there are none. Both names are checked and both temporaries written and
// flushed before anything is replaced, so that only the two renames remain,
// the file's first; a crash between them leaves the earlier companion, which
// its reader must be able to tell from the new one. When `file` failed,
// nothing at all was changed (its failure may name the companion: a name too
// long, a write-protected file); a failed companion leaves the file saved.
struct [[nodiscard]] PairWrite {
  WriteResult file;
  WriteResult companion;  // looked at only when the file was saved
};
PairWrite WriteFileWithCompanion(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                                 const std::filesystem::path& companionPath,
                                 std::optional<std::span<const uint8_t>> companionBytes);

}  // namespace alacrity
