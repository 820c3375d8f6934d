// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard_box.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <system_error>

#include "engine/engine.h"

namespace alacrity {

namespace {

constexpr int64_t NanosPerSecond = 1'000'000'000;

// When the sender falls further behind than this (the machine was suspended
// or starved for a long time), the missed bytes are dropped instead of being
// sent in one burst, as a converter whose buffer overflowed would drop them.
// Shorter lags are caught up at once so that the count stays exact.
constexpr int64_t MaxCatchUpNanos = NanosPerSecond;

// The longest the sender pauses while nothing timed can come.
constexpr int64_t LongestPauseNanos = 200'000'000;

int64_t Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t{now.tv_sec} * NanosPerSecond + now.tv_nsec;
}

void SleepUntil(int64_t deadline) {
  const timespec when{.tv_sec = static_cast<time_t>(deadline / NanosPerSecond),
                      .tv_nsec = static_cast<long>(deadline % NanosPerSecond)};
  // An absolute deadline: a signal that cuts the sleep short costs nothing.
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &when, nullptr) == EINTR) {
  }
}

// Byte `n` falls due n / 1440 s after the start, computed from the start each
// time rather than by adding a rounded period, so the pacing never drifts.
int64_t DueTime(int64_t start, int64_t n) { return start + n * NanosPerSecond / BoxBytesPerSecond; }

void Wake(int fd) {
  const uint64_t one = 1;
  if (fd >= 0) (void)::write(fd, &one, sizeof one);
}

}  // namespace

KeyboardBox::KeyboardBox() : m_wakeFd(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

KeyboardBox::~KeyboardBox() {
  Close();
  if (m_wakeFd >= 0) ::close(m_wakeFd);
}

int KeyboardBox::Open() {
  // Open, Close and IsOpen run on the user-interface thread only.
  if (m_thread.joinable()) return 0;
  m_stop.store(false);
  try {
    m_thread = std::thread(&KeyboardBox::Run, this);
  } catch (const std::system_error&) {
    return 0;
  }
  return 1;
}

void KeyboardBox::Close() {
  if (!m_thread.joinable()) return;
  // Written here, read by the sender before every byte; it sleeps at most
  // one byte period, so the join ends within about 0.7 ms.
  m_stop.store(true);
  Wake(m_wakeFd);
  m_thread.join();
}

bool KeyboardBox::IsOpen() const { return m_thread.joinable(); }

// Written by the window layer's key handlers, read by the sender.
void KeyboardBox::SetHeldKeys(uint8_t nibble) {
  // A change ends a pause of the sender at once.
  if (m_heldKeys.exchange(nibble & 0x0F) != (nibble & 0x0F)) Wake(m_wakeFd);
}

uint8_t KeyboardBox::HeldKeys() const { return m_heldKeys.load(); }

void KeyboardBox::Run() {
  int64_t start = Now();
  int64_t sent = 0;
  while (!m_stop.load()) {
    const int64_t due = DueTime(start, sent);
    if (Now() - due > MaxCatchUpNanos) {
      start = Now();
      sent = 0;
      continue;
    }
    SleepUntil(due);
    // Sampled at the moment the byte goes out, as the box samples its
    // buttons for each byte.
    OnBytesReceived(Now(), 1);
    OnDeviceByte(m_heldKeys.load());
    ++sent;
    // While nothing timed can come, the bytes are sent in one go after a
    // pause, each with the keys as they were when it fell due: a key
    // pressed or let go ends the pause at once.
    if (const int64_t pause = m_wakeFd >= 0 ? ReadPauseNs(LongestPauseNanos) : 0; pause > 0) {
      const uint8_t keys = m_heldKeys.load();
      PauseUntil(Now() + pause);
      const int64_t now = Now();
      OnReadPauseEnded(now);
      const int64_t dueBytes = (now - start) * BoxBytesPerSecond / NanosPerSecond + 1 - sent;
      if (dueBytes > 0 && !m_stop.load()) {
        OnBytesReceived(now, static_cast<std::size_t>(dueBytes));
        for (int64_t i = 0; i < dueBytes; ++i) OnDeviceByte(keys);
        sent += dueBytes;
      }
    }
    // Restart the count long before n * 10^9 could overflow (about 70 days).
    if (sent >= int64_t{BoxBytesPerSecond} * 86'400) {
      start = DueTime(start, sent);
      sent = 0;
    }
  }
}

void KeyboardBox::PauseUntil(int64_t deadline) {
  pollfd wake{m_wakeFd, POLLIN, 0};
  const int64_t left = std::max<int64_t>(deadline - Now(), 0);
  const timespec timeout{.tv_sec = static_cast<time_t>(left / NanosPerSecond),
                         .tv_nsec = static_cast<long>(left % NanosPerSecond)};
  if (::ppoll(&wake, 1, &timeout, nullptr) > 0) {
    uint64_t count = 0;
    (void)::read(m_wakeFd, &count, sizeof count);
  }
}

}  // namespace alacrity
