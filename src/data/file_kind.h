// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

namespace alacrity {

enum class FileKind { Unknown, Configuration, Protocol, TestData };

// Recognises a file by its header text, never by its name.
FileKind DetectFileKind(std::span<const uint8_t> bytes);

}  // namespace alacrity
