// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The screen under the emulated box's light sensor, as a program under test
// tells it on a named pipe: each '1' lights the sensor, each '0' darkens it,
// from the moment it is read; other bytes are ignored.

#include <optional>
#include <string>

namespace alacrity {

class LightPipe {
 public:
  LightPipe() = default;
  ~LightPipe();
  LightPipe(const LightPipe&) = delete;
  LightPipe& operator=(const LightPipe&) = delete;

  // False (errno set; EINVAL: no named pipe) when it cannot be opened.
  bool Open(const std::string& path);
  // Readable when something was written, for poll; -1 when not open.
  int Descriptor() const { return m_fd; }
  // Whether the sensor is lit after what was written since the last look;
  // nothing when nothing was. Never blocks.
  std::optional<bool> Read();

 private:
  int m_fd = -1;
};

}  // namespace alacrity
