// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Texts are byte strings kept exactly as read; this platform's 8-bit code
// page is UTF-8.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace alacrity {

// UTF-16LE code units to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(std::span<const uint8_t> bytes);

bool IsValidUtf8(std::string_view text);

// The text as UTF-8 for display and export: unchanged when it is valid UTF-8,
// else read as Latin-1 (what older files from 8-bit code pages hold).
std::string ToDisplayUtf8(std::string_view text);

}  // namespace alacrity
