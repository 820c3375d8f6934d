// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A response box made of the keyboard, for trying the program without one: a
// thread that sends exactly 1440 status bytes a second, paced against the
// monotonic clock with absolute sleeps, whose low nibble is the set of held
// keys 1..4. Its timing is only as good as the keyboard's. While nothing
// timed can come it pauses like a reader and then sends what fell due.

#include <atomic>
#include <cstdint>
#include <thread>

namespace alacrity {

inline constexpr int BoxBytesPerSecond = 1440;

class KeyboardBox {
 public:
  KeyboardBox();
  ~KeyboardBox();
  KeyboardBox(const KeyboardBox&) = delete;
  KeyboardBox& operator=(const KeyboardBox&) = delete;

  // Starts the sending thread; 0 when it already runs.
  int Open();
  // Stops it within one byte period.
  void Close();
  bool IsOpen() const;

  // Set by the window layer: bit k while key k + 1 is held.
  void SetHeldKeys(uint8_t nibble);
  uint8_t HeldKeys() const;

 private:
  void Run();

  // Sleeps until `deadline` or until a key or the stop wakes it.
  void PauseUntil(int64_t deadline);

  std::atomic<uint8_t> m_heldKeys{0};
  std::atomic<bool> m_stop{false};
  // eventfd: a key changing or the stop ends the sender's pause at once; -1
  // when none could be made, and the sender then never pauses.
  int m_wakeFd = -1;
  std::thread m_thread;
};

}  // namespace alacrity
