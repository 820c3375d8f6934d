// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_terminal.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <thread>
#include <vector>

namespace alacrity::testing {

TestTerminal::TestTerminal() {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (master < 0) return;
  // The device keeps a new terminal's cooked settings (line editing, echo,
  // CR/LF translation, XON/XOFF): the link under test must undo all of that
  // itself, as it must on a real port.
  std::array<char, 128> name{};
  if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
      ::ptsname_r(master, name.data(), name.size()) != 0) {
    ::close(master);
    return;
  }
  m_master = master;
  m_path = name.data();
}

TestTerminal::~TestTerminal() { HangUp(); }

bool TestTerminal::Write(std::span<const uint8_t> bytes) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!bytes.empty()) {
    const long written = WriteSome(bytes);
    if (written < 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
    if (!bytes.empty()) {
      if (std::chrono::steady_clock::now() > giveUp) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  return true;
}

bool TestTerminal::Write(uint8_t byte, int times) {
  const std::vector<uint8_t> bytes(static_cast<std::size_t>(times), byte);
  return Write(bytes);
}

long TestTerminal::WriteSome(std::span<const uint8_t> bytes) {
  if (m_master == -1) return -1;
  const ssize_t written = ::write(m_master, bytes.data(), bytes.size());
  if (written >= 0) return static_cast<long>(written);
  return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

void TestTerminal::HangUp() {
  if (m_master != -1) ::close(m_master);
  m_master = -1;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto giveUp = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : m_name(name) {
  if (const char* old = std::getenv(name); old != nullptr) {
    m_old = old;
    m_hadOld = true;
  }
  ::setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
  if (m_hadOld) {
    ::setenv(m_name.c_str(), m_old.c_str(), 1);
  } else {
    ::unsetenv(m_name.c_str());
  }
}

}  // namespace alacrity::testing
