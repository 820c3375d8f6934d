// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <span>
#include <system_error>

#include "data/file_io.h"
#include "data/test_data_file.h"
#include "exit_codes.h"
#include "results/timing_csv_file.h"
#include "results/timing_report.h"

namespace alacrity::cli {
namespace {

constexpr const char* StandardOutput = "standard output";

// The reason of the last failed call, or a plain word when it left none.
std::string ReasonOfFailure(int error) {
  return error != 0 ? std::strerror(error) : "write error";
}

}  // namespace

std::unique_ptr<DocumentData> NewDocument() {
  return std::make_unique<DocumentData>();
}

std::unique_ptr<DocumentData> LoadTestDataOrReport(const std::filesystem::path& path) {
  auto document = NewDocument();
  const FileOutcome outcome = LoadTestData(path, *document);
  if (!outcome.ok) {
    ReportRefusal(path, outcome.message);
    return nullptr;
  }
  return document;
}

bool SaveTestDataOrReport(const std::filesystem::path& path, DocumentData& data,
                          const RunTiming* timing) {
  const DataFileSave saved = SaveTestDataAndTiming(path, data, timing);
  if (!saved.data.ok) {
    ReportRefusal(path, saved.data.message);
    return false;
  }
  if (!saved.timingFailure.empty()) {
    ReportRefusal(TimingCsvPathFor(path),
                  WithFailure("the timing record could not be written", saved.timingFailure));
    return false;
  }
  return true;
}

bool WriteOutput(const std::filesystem::path& path, std::string_view bytes) {
  if (path.empty()) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
      ReportRefusal(StandardOutput, ReasonOfFailure(errno));
      return false;
    }
    return true;
  }
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const WriteResult written =
      WriteFileAtomically(path, std::span<const uint8_t>(data, bytes.size()));
  if (!written) {
    ReportRefusal(path, WithFailure(MessageFileSaveError, written.failure));
    return false;
  }
  return true;
}

bool OutputIsAnInput(const std::filesystem::path& output,
                     const std::vector<std::filesystem::path>& inputs) {
  if (output.empty()) return false;
  for (const std::filesystem::path& input : inputs) {
    std::error_code error;  // a missing file is nobody's twin
    if (!input.empty() && std::filesystem::equivalent(output, input, error)) {
      ReportRefusal(output, "is the same file as the input " + input.string() + "; nothing written");
      return true;
    }
  }
  return false;
}

void ReserveStandardStreams() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    // Opened for reading only: a write fails with EBADF, as on a closed stream.
    const int placeholder = ::open("/dev/null", O_RDONLY);
    if (placeholder >= 0 && placeholder != fd) {
      ::dup2(placeholder, fd);
      ::close(placeholder);
    }
  }
}

int ExitCodeAfterOutput(int code) {
  // The stream writes through stdio; whichever flush fails first leaves its
  // reason in errno.
  errno = 0;
  std::cout.flush();
  const bool written = std::fflush(stdout) == 0 && std::ferror(stdout) == 0 && std::cout.good();
  if (written || code != ExitOk) return code;
  ReportRefusal(StandardOutput, ReasonOfFailure(errno));
  return ExitRefused;
}

void ReportRefusal(const std::filesystem::path& path, std::string_view message) {
  std::cerr << path.string() << ": " << message << '\n';
}

}  // namespace alacrity::cli
