// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace alacrity {

// What a file operation tells its caller: whether it worked and, when there
// is something the operator must read, the message to show.
struct [[nodiscard]] FileOutcome {
  bool ok = false;
  std::string message;  // empty: nothing to show
};

// Bytes parsed into an image of a file, or the message why they were refused.
template <typename Image>
struct [[nodiscard]] ParseResult {
  std::optional<Image> image;
  std::string message;  // set when image is empty
};

// Message texts the operator sees.
inline constexpr const char* MessageErrorOpeningFile = "Error opening file";
inline constexpr const char* MessageFileSaveError = "File Save Error";
inline constexpr const char* MessageIncompatibleData = "Incompatible data";
inline constexpr const char* MessageIncompatibleProtocol = "Incompatible protocol";
inline constexpr const char* MessageDamagedDataFile = "Damaged data file";
inline constexpr const char* MessageDamagedProtocolFile = "Damaged protocol file";

}  // namespace alacrity
