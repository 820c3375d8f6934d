#pragma once

namespace alacrity::cli {

inline constexpr int ExitOk = 0;
inline constexpr int ExitRefused = 1;  // a file was refused or could not be written
inline constexpr int ExitUsage = 2;

}  // namespace alacrity::cli
