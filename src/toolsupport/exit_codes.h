// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace alacrity::cli {

inline constexpr int ExitOk = 0;
inline constexpr int ExitRefused = 1;  // a file was refused or could not be written
inline constexpr int ExitUsage = 2;

}  // namespace alacrity::cli
