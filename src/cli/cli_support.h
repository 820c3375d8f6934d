// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small pieces every subcommand needs: loading a test data file into a fresh
// document, writing output, and reporting refusals.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/document_data.h"
#include "data/run_timing.h"

namespace alacrity::cli {

// A document with the values of a freshly started program, off the stack (the
// result arrays are large).
std::unique_ptr<DocumentData> NewDocument();

// Loads the test data file into a fresh document; on refusal prints
// "PATH: message" to stderr and returns null.
std::unique_ptr<DocumentData> LoadTestDataOrReport(const std::filesystem::path& path);

// Saves the data file and replaces or removes its timing record in the same
// step (written from `timing` when given). False, with a message on stderr,
// when the data file was refused (nothing was written) or its record failed.
bool SaveTestDataOrReport(const std::filesystem::path& path, DocumentData& data,
                          const RunTiming* timing);

// Writes the bytes to the file (atomically) or, for an empty path, to
// standard output. False, with a message on stderr, when that failed.
bool WriteOutput(const std::filesystem::path& path, std::string_view bytes);

// True, with a message on stderr, when the output names the same file as one
// of the inputs (by device and inode, so through links too): writing it would
// replace that input. An empty output is standard output and never an input.
bool OutputIsAnInput(const std::filesystem::path& output,
                     const std::vector<std::filesystem::path>& inputs);

// The files in the order given, each once: a later name of a file already
// given (the same device and inode, so through links, "./" or overlapping
// globs) is left out with a note on stderr, so that no test is counted
// twice. Names that cannot be looked up are kept for the loader to report.
std::vector<std::string> EachFileOnce(const std::vector<std::string>& files);

void ReportRefusal(const std::filesystem::path& path, std::string_view message);

}  // namespace alacrity::cli
