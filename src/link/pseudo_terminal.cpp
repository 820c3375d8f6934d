// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pseudo_terminal.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>

namespace alacrity {

PseudoTerminal::~PseudoTerminal() { Close(); }

bool PseudoTerminal::Open() {
  if (m_master != -1) {
    errno = EBUSY;
    return false;
  }
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0) return false;
  std::array<char, 128> name{};
  termios raw{};
  // Non-blocking writes: a full queue (nobody reading) drops bytes instead of
  // stalling the box's clock.
  const int flags = ::fcntl(master, F_GETFL);
  if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
      ::ptsname_r(master, name.data(), name.size()) != 0 || flags < 0 ||
      ::fcntl(master, F_SETFL, flags | O_NONBLOCK) != 0 || ::tcgetattr(master, &raw) != 0) {
    const int saved = errno;
    ::close(master);
    errno = saved;
    return false;
  }
  // Raw, so that the bytes arrive exactly as written: no echo filling the
  // master's queue, no CR/LF translation, no ^C/^S handling of status bytes
  // before the program has set the port up itself.
  ::cfmakeraw(&raw);
  const int slave = ::open(name.data(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (::tcsetattr(master, TCSANOW, &raw) != 0 || slave < 0) {
    const int saved = errno;
    if (slave >= 0) ::close(slave);
    ::close(master);
    errno = saved;
    return false;
  }
  m_master = master;
  m_slave = slave;
  m_devicePath = name.data();
  return true;
}

std::size_t PseudoTerminal::Write(std::span<const uint8_t> bytes) {
  std::size_t written = 0;
  while (m_master != -1 && written < bytes.size()) {
    const ssize_t result = ::write(m_master, bytes.data() + written, bytes.size() - written);
    if (result > 0) {
      written += static_cast<std::size_t>(result);
    } else if (result < 0 && errno == EINTR) {
      continue;
    } else {
      break;  // the queue is full: nobody has read for seconds
    }
  }
  return written;
}

bool PseudoTerminal::WaitUntilRead(int timeoutMs) const {
  if (m_slave == -1) return false;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    int queued = 0;
    if (::ioctl(m_slave, FIONREAD, &queued) != 0) return false;
    if (queued == 0) return true;
    if (std::chrono::steady_clock::now() >= giveUp) return false;
    ::usleep(1000);
  }
}

void PseudoTerminal::Close() {
  if (m_slave != -1) ::close(m_slave);
  if (m_master != -1) ::close(m_master);
  m_slave = -1;
  m_master = -1;
  m_devicePath.clear();
}

}  // namespace alacrity
