// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Writing a whole folder of files (a dataset) so that it appears complete or
// not at all: everything goes into a fresh folder beside the target, which is
// renamed into place at the end.

#include <filesystem>
#include <string>
#include <vector>

namespace alacrity {

// A file of the folder: its path inside the folder ("/" between folders, no
// "..", not absolute) and its bytes.
struct FolderFile {
  std::string path;
  std::string bytes;
};

enum class FolderWrite {
  Written,
  NotEmpty,    // the target holds files and replacing was not asked for
  NotAFolder,  // the target exists and is no folder: never replaced
  NoName,      // "." or "..": a folder is renamed into place under a name of its own
  Failed,      // could not write; the target is as it was
};

// Writes the files into a new folder beside the target and renames it to the
// target. The folders made beside it have short names of their own, so any
// valid target name can be written. An existing empty folder is replaced; a non-empty one only when
// `replace` is set, and then it is swapped out in one step and removed
// afterwards, so a failure at any point leaves it as it was.
[[nodiscard]] FolderWrite WriteFolderAtomically(const std::filesystem::path& target,
                                                const std::vector<FolderFile>& files, bool replace);

}  // namespace alacrity
