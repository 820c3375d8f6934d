// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "light_pipe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace alacrity {

LightPipe::~LightPipe() {
  if (m_fd != -1) ::close(m_fd);
}

bool LightPipe::Open(const std::string& path) {
  struct stat status{};
  if (::stat(path.c_str(), &status) != 0) return false;
  if (!S_ISFIFO(status.st_mode)) {
    errno = EINVAL;
    return false;
  }
  // Read and write, so that a writer closing its end leaves no end of file
  // behind to poll on forever.
  m_fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
  return m_fd != -1;
}

std::optional<bool> LightPipe::Read() {
  std::optional<bool> lit;
  std::array<char, 256> buffer{};
  ssize_t length = 0;
  while (m_fd != -1 && (length = ::read(m_fd, buffer.data(), buffer.size())) > 0) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(length); ++i) {
      if (buffer[i] == '1') lit = true;
      if (buffer[i] == '0') lit = false;
    }
  }
  return lit;
}

}  // namespace alacrity
