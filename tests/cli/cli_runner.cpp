// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace alacrity::testing {

CliResult RunCli(const std::vector<std::string>& arguments, const RunSettings& settings) {
  return RunProgram(ALACRITY_CLI, arguments, nullptr, settings);
}

CliResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const std::vector<std::string>* environment, const RunSettings& settings) {
  TempDir capture;
  const std::string outPath = (capture / "out").string();
  const std::string errPath = (capture / "err").string();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  switch (settings.output) {
    case StandardOutput::Captured:
      posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                       O_WRONLY | O_CREAT | O_TRUNC, 0644);
      break;
    case StandardOutput::Full:
      posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
      break;
    case StandardOutput::Closed:
      posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
      break;
  }
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (!settings.directory.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, settings.directory.c_str());
  }

  std::vector<std::string> argvStrings = {program};
  argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& s : argvStrings) argv.push_back(s.data());
  argv.push_back(nullptr);

  std::vector<std::string> envStrings = environment != nullptr ? *environment : std::vector<std::string>{};
  std::vector<char*> envp;
  for (std::string& s : envStrings) envp.push_back(s.data());
  envp.push_back(nullptr);

  pid_t pid = 0;
  CliResult result;
  if (posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(),
                   environment != nullptr ? envp.data() : environ) == 0) {
    const auto deadline = std::chrono::steady_clock::now() + settings.limit;
    int status = 0;
    bool killed = false;
    while (true) {
      const pid_t done = waitpid(pid, &status, WNOHANG);
      if (done == pid || (done < 0 && errno != EINTR)) break;
      if (!killed && std::chrono::steady_clock::now() > deadline) {
        kill(pid, SIGKILL);
        killed = true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.exitCode = killed                ? -1
                      : WIFEXITED(status) ? WEXITSTATUS(status)
                                          : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  result.out = ReadAll(outPath);
  result.err = ReadAll(errPath);
  return result;
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "alacrity-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  m_path = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace alacrity::testing
