// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers for the serial link tests: a pseudo-terminal whose far end the test
// writes as the response box would, a bounded wait for a condition, and an
// environment variable set for one test.

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace alacrity::testing {

class TestTerminal {
 public:
  TestTerminal();
  ~TestTerminal();
  TestTerminal(const TestTerminal&) = delete;
  TestTerminal& operator=(const TestTerminal&) = delete;

  bool Ok() const { return m_master != -1; }
  // The controlling side; terminal ioctls on it act on the device.
  int Master() const { return m_master; }
  // The device the serial link opens.
  const std::string& Path() const { return m_path; }
  // Writes every byte, waiting while the terminal's queue is full; false
  // when that lasts seconds or the terminal is gone.
  bool Write(std::span<const uint8_t> bytes);
  bool Write(uint8_t byte, int times);
  // One write call as the box's line would make it; what did not fit is
  // dropped. The count written, or -1.
  long WriteSome(std::span<const uint8_t> bytes);
  // Closes the controlling side: the device's reader sees a hang-up.
  void HangUp();

 private:
  int m_master = -1;
  std::string m_path;
};

// Polls `condition` every millisecond until it holds or `limit` has passed: a
// hang guard, never a performance bound.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds limit = std::chrono::seconds(5));

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string m_name;
  std::string m_old;
  bool m_hadOld = false;
};

}  // namespace alacrity::testing
