// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace alacrity {
namespace {

// The reason of the last failed call, or a plain word when it left none.
std::string ReasonOfFailure(int error) {
  return error != 0 ? std::strerror(error) : "write error";
}

void ReportLostOutput(int error) {
  std::cerr << "standard output: " << ReasonOfFailure(error) << '\n';
}

}  // namespace

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

bool WriteStandardOutput(std::string_view text) {
  errno = 0;
  std::cout.flush();  // what went before through the C++ stream comes first
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
      std::fflush(stdout) != 0 || !std::cout.good()) {
    ReportLostOutput(errno);
    return false;
  }
  return true;
}

int ExitCodeAfterOutput(int code) {
  // The stream writes through stdio; whichever flush fails first leaves its
  // reason in errno.
  errno = 0;
  std::cout.flush();
  const bool written = std::fflush(stdout) == 0 && std::ferror(stdout) == 0 && std::cout.good();
  if (written || code != 0) return code;
  ReportLostOutput(errno);
  return ExitOutputLost;
}

}  // namespace alacrity
