// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The station's self-test (`--self-test`): names the display server and the
// stimulus screen, runs a device check until a second's worth of bytes has
// come from the response box, then a test of a few stimuli, and prints each
// step on standard output. Used to try a new station and, with the box
// simulator, in CI under a Wayland compositor; scripts run it unattended, so
// it must end on its own, leave the station as it found it and never wait
// for a click.

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "programpaths.h"

class QTemporaryDir;

namespace alacrity {

class CMainFrame;
struct AppContext;

inline constexpr int SelfTestStimuli = 3;
// Whatever holds it up (a box that never answers, a device that blocks), the
// program ends with a verdict by then: the check and the test give up well
// before on their own.
inline constexpr int SelfTestDeadlineSeconds = 90;
// The subject of its test, a name no register holds.
inline constexpr const char* SelfTestSubjectName = "alacrity self-test";

// One self-test, from the program's start to its end. While it lives every
// message box is printed instead of shown (a question is answered No), and
// the deadline runs. The program writes into a throwaway home of its own
// (journal, data directory, register root and configuration), removed when
// the session ends, and reads only the station's set-up: its configuration,
// ports and stimulus screen.
class SelfTestSession {
 public:
  SelfTestSession();
  ~SelfTestSession();
  SelfTestSession(const SelfTestSession&) = delete;
  SelfTestSession& operator=(const SelfTestSession&) = delete;

  // False, with the verdict printed, when no throwaway home could be made.
  bool Ready() const;
  // The paths the program works in meanwhile.
  ProgramPaths Paths() const;

  // Runs the check and the test; `finished` gets the exit status: 0 when the
  // check saw the box, the test ran to its end with every stimulus answered
  // and no message box was needed, else 1.
  void Run(CMainFrame& frame, AppContext& context, const std::function<void(int)>& finished);

 private:
  void Watch();

  std::unique_ptr<QTemporaryDir> m_home;
  std::filesystem::path m_homePath;  // for the watchdog, set before it starts
  bool m_failed = false;  // a message (not a question) was shown
  std::mutex m_mutex;
  std::condition_variable m_ended;
  bool m_done = false;  // under m_mutex
  // The exit status once the verdict is out, -1 before; written by the
  // window thread, read by the watchdog.
  std::atomic<int> m_status{-1};
  std::thread m_watchdog;
};

}  // namespace alacrity
