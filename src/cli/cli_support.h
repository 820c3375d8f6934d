#pragma once

// Small pieces every subcommand needs: loading a test data file into a fresh
// document, writing output, and reporting refusals.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "data/document_data.h"

namespace alacrity::cli {

// A document with the values of a freshly started program, off the stack (the
// result arrays are large).
std::unique_ptr<DocumentData> NewDocument();

// Loads the test data file into a fresh document; on refusal prints
// "PATH: message" to stderr and returns null.
std::unique_ptr<DocumentData> LoadTestDataOrReport(const std::filesystem::path& path);

// Writes the bytes to the file (atomically) or, for an empty path, to
// standard output. False, with a message on stderr, when that failed.
bool WriteOutput(const std::filesystem::path& path, std::string_view bytes);

void ReportRefusal(const std::filesystem::path& path, std::string_view message);

}  // namespace alacrity::cli
