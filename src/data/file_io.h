// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
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
std::optional<FileBytes> ReadFileBytes(const std::filesystem::path& path,
                                       std::size_t maxBytes = MaxReadableFileBytes);

// open() with close-on-exec, retried when a signal interrupts it; -1 on
// failure with errno set.
int OpenRetrying(const char* path, int flags, mode_t mode = 0);

// Writes a temporary file beside the target, flushes it to disk and renames it
// over the target, so that a failed or interrupted save leaves the earlier
// file as it was. False when anything failed; the temporary is then removed.
// The temporary has a short name of its own (".alacrity-" and six
// characters), so any valid target name can be saved; such temporaries left
// in the directory by an interrupted save over a minute ago are removed.
[[nodiscard]] bool WriteFileAtomically(const std::filesystem::path& path,
                                       std::span<const uint8_t> bytes);

}  // namespace alacrity
