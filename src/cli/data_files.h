// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Steps with data files that only alacrity-cli's commands take: saving a
// recorded or recovered test, and reading many files at once.

#include <filesystem>
#include <string>
#include <vector>

#include "data/document_data.h"
#include "data/run_timing.h"

namespace alacrity::cli {

// Saves the data file and replaces or removes its timing record in the same
// step (written from `timing` when given). False, with a message on stderr,
// when the data file was refused (nothing was written) or its record failed.
bool SaveTestDataOrReport(const std::filesystem::path& path, DocumentData& data,
                          const RunTiming* timing);

// The files in the order given, each once: a later name of a file already
// given (the same device and inode, so through links, "./" or overlapping
// globs) is left out with a note on stderr, so that no test is counted
// twice. Names that cannot be looked up are kept for the loader to report.
std::vector<std::string> EachFileOnce(const std::vector<std::string>& files);

}  // namespace alacrity::cli
