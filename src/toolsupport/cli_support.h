// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small pieces both command-line programs need: loading a test data file and
// its timing record, writing output, and reporting refusals.

#include <filesystem>
#include <memory>
#include <optional>
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

// The timing record beside a test data file, where it may be used as the
// window uses it (it names that data file, or is of the first version, which
// names none). One that may not is told on stderr and left out; none at all
// says nothing.
std::optional<RunTiming> TimingRecordOrNote(const std::filesystem::path& dataFile);

// Writes the bytes to the file (atomically) or, for an empty path, to
// standard output. False, with a message on stderr, when that failed.
bool WriteOutput(const std::filesystem::path& path, std::string_view bytes);

// True, with a message on stderr, when the output names the same file as one
// of the inputs (by device and inode, so through links too): writing it would
// replace that input. An empty output is standard output and never an input.
bool OutputIsAnInput(const std::filesystem::path& output,
                     const std::vector<std::filesystem::path>& inputs);

void ReportRefusal(const std::filesystem::path& path, std::string_view message);

}  // namespace alacrity::cli
