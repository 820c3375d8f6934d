// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli_support.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <span>
#include <system_error>

#include "data/file_io.h"
#include "data/test_data_file.h"
#include "exit_codes.h"

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
  if (!WriteFileAtomically(path, std::span<const uint8_t>(data, bytes.size()))) {
    ReportRefusal(path, "File Save Error");
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

std::vector<std::string> EachFileOnce(const std::vector<std::string>& files) {
  struct Taken {
    dev_t device;
    ino_t inode;
    const std::string* name;
  };
  std::vector<Taken> taken;
  std::vector<std::string> distinct;
  for (const std::string& file : files) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) {
      const auto twin = std::find_if(taken.begin(), taken.end(), [&](const Taken& t) {
        return t.device == info.st_dev && t.inode == info.st_ino;
      });
      if (twin != taken.end()) {
        ReportRefusal(file, "is the same file as " + *twin->name + "; taken once");
        continue;
      }
      taken.push_back({info.st_dev, info.st_ino, &file});
    }
    distinct.push_back(file);
  }
  return distinct;
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
