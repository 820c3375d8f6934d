// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Tells when a program opens a device: how the emulated box sees its port
// being opened, where a real board sees DTR rise and resets (a pseudo-terminal
// has no modem lines to watch).

#include <string>

namespace alacrity {

class OpenedWatch {
 public:
  OpenedWatch() = default;
  ~OpenedWatch();
  OpenedWatch(const OpenedWatch&) = delete;
  OpenedWatch& operator=(const OpenedWatch&) = delete;

  // Watches `path` from now on; false (errno set) when it cannot.
  bool Watch(const std::string& path);
  // A descriptor that becomes readable when the device was opened, for poll.
  int Descriptor() const { return m_fd; }
  // True when the device was opened since the last look. Never blocks.
  bool Opened();

 private:
  int m_fd = -1;
};

}  // namespace alacrity
