// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opened_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace alacrity {

OpenedWatch::~OpenedWatch() {
  if (m_fd != -1) ::close(m_fd);
}

bool OpenedWatch::Watch(const std::string& path) {
  if (m_fd == -1) m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (m_fd == -1) return false;
  return ::inotify_add_watch(m_fd, path.c_str(), IN_OPEN) != -1;
}

bool OpenedWatch::Opened() {
  bool opened = false;
  alignas(inotify_event) std::array<char, 4096> buffer{};
  while (m_fd != -1) {
    const ssize_t length = ::read(m_fd, buffer.data(), buffer.size());
    if (length <= 0) break;  // EAGAIN: nothing more queued
    for (ssize_t at = 0; at < length;) {
      inotify_event event{};
      std::memcpy(&event, buffer.data() + at, sizeof event);
      if ((event.mask & IN_OPEN) != 0) opened = true;
      at += static_cast<ssize_t>(sizeof event + event.len);
    }
  }
  return opened;
}

}  // namespace alacrity
