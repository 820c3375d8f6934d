// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Runs a call that must return (a stop, a close) and ends the whole test
// program with a message if it has not returned after a generous limit, so a
// hang fails the test instead of stalling the suite. Not a timing check: the
// limit is far above anything a slow machine needs.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace alacrity::testing {

template <typename Work>
void ReturnsWithin(std::chrono::seconds limit, const char* what, Work work) {
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    if (!finished.wait_for(lock, limit, [&] { return done; })) {
      std::fprintf(stderr, "%s did not return within %lld s\n", what,
                   static_cast<long long>(limit.count()));
      std::_Exit(EXIT_FAILURE);
    }
  });
  work();
  {
    const std::lock_guard lock(mutex);
    done = true;
  }
  finished.notify_all();
  watchdog.join();
}

}  // namespace alacrity::testing
