// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace alacrity::testing {

struct CliResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Where the program's standard output goes: to the result, to a device that
// refuses every write, or nowhere (closed).
enum class StandardOutput { Captured, Full, Closed };

// A program still running after `limit` is killed and gives exit code -1, so
// a hang fails its test instead of stalling the suite.
struct RunSettings {
  StandardOutput output = StandardOutput::Captured;
  std::chrono::seconds limit{300};
  std::filesystem::path directory = {};  // the working directory; empty: this process's
};

// Runs alacrity-cli with the arguments (no shell involved) and collects what it
// printed.
CliResult RunCli(const std::vector<std::string>& arguments, const RunSettings& settings = {});

// Runs any program the same way; a name without "/" is looked up on PATH.
// `environment` ("NAME=value" entries) replaces this process's environment
// when given.
CliResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const std::vector<std::string>* environment = nullptr,
                     const RunSettings& settings = {});

// A fresh directory for one test, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
  const std::filesystem::path& path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

std::string ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::string& bytes);

}  // namespace alacrity::testing
