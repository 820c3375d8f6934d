// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard_box.h"

#include <time.h>

#include <cerrno>
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

}  // namespace

KeyboardBox::~KeyboardBox() { Close(); }

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
  m_thread.join();
}

bool KeyboardBox::IsOpen() const { return m_thread.joinable(); }

// Written by the window layer's key handlers, read by the sender.
void KeyboardBox::SetHeldKeys(uint8_t nibble) { m_heldKeys.store(nibble & 0x0F); }

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
    // Restart the count long before n * 10^9 could overflow (about 70 days).
    if (++sent == int64_t{BoxBytesPerSecond} * 86'400) {
      start = DueTime(start, sent);
      sent = 0;
    }
  }
}

}  // namespace alacrity
