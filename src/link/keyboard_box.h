// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A response box made of the keyboard, for trying the program without one: a
// thread that sends exactly 1440 status bytes a second, paced against the
// monotonic clock with absolute sleeps, whose low nibble is the set of held
// keys 1..4. Its timing is only as good as the keyboard's.

#include <atomic>
#include <cstdint>
#include <thread>

namespace alacrity {

inline constexpr int BoxBytesPerSecond = 1440;

class KeyboardBox {
 public:
  KeyboardBox() = default;
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

  std::atomic<uint8_t> m_heldKeys{0};
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

}  // namespace alacrity
