// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace alacrity {

// RFC 4180: a field holding the separator, a quote or a line break is quoted,
// with its quotes doubled.
void AppendCsvField(std::string& out, std::string_view field, char separator = ',');

}  // namespace alacrity
