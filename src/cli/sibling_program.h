// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Running a helper program that is installed beside this one. alacrity-cli
// stays free of any window-system library by leaving the work that needs one
// (the printed report) to a separate program.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace alacrity::cli {

// `name` in the directory of the running executable, else the first
// executable `name` on PATH; nothing when neither exists.
std::optional<std::filesystem::path> FindSiblingProgram(const std::string& name);

// Runs the program with the arguments (no shell involved), with this
// process's standard streams, and returns its exit status; a program killed
// by a signal gives 128 + the signal number, and one that could not be
// started gives -1.
int RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments);

}  // namespace alacrity::cli
