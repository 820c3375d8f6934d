// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a program prints must reach its reader, or the program says so and
// fails: a script that reads a version, a help text or a device path from a
// full disk or a closed pipe must not take silence for success.

#include <string_view>

namespace alacrity {

// The exit code of a program that failed because its output was lost.
inline constexpr int ExitOutputLost = 1;

// Called first in main: a standard stream the program was started without
// gets a placeholder that fails every write as a closed one does, so that no
// file or terminal opened later takes its number and receives what was meant
// for it.
void ReserveStandardStreams();

// Writes the text to standard output and flushes it. False, after
// "standard output: <reason>" on standard error, when it could not be written
// (a full disk, a closed stream).
bool WriteStandardOutput(std::string_view text);

// The exit code of a program that wrote to standard output: one that
// succeeded fails after all (ExitOutputLost), with the message above, when
// what it printed could not be written.
int ExitCodeAfterOutput(int code);

}  // namespace alacrity
