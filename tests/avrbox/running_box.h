// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// alacrity-avrbox running beside a test, on the firmware the build made
// (ALACRITY_AVRBOX, ALACRITY_FIRMWARE_ELF); stopped with SIGTERM, which also
// has it write the rest of its record.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace alacrity::testing {

class RunningBox {
 public:
  explicit RunningBox(std::vector<std::string> arguments) {
    int out[2];
    if (::pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    arguments.insert(arguments.begin(), {ALACRITY_AVRBOX, "--firmware", ALACRITY_FIRMWARE_ELF});
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (posix_spawn(&m_pid, ALACRITY_AVRBOX, &actions, nullptr, argv.data(), environ) != 0) {
      m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    // The device line; the pipe closes with the program should it fail.
    char c = 0;
    while (::read(out[0], &c, 1) == 1 && c != '\n') m_device += c;
    ::close(out[0]);
  }
  ~RunningBox() { Stop(); }
  RunningBox(const RunningBox&) = delete;
  RunningBox& operator=(const RunningBox&) = delete;

  void Stop() {
    if (m_pid <= 0) return;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    m_pid = -1;
  }
  const std::string& Device() const { return m_device; }

 private:
  pid_t m_pid = -1;
  std::string m_device;
};

}  // namespace alacrity::testing
