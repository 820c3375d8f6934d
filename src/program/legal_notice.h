// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The legal notice of the package, the one text that every program shows with
// its version: copyright, licence and where to read it, no warranty, and the
// libraries of others compiled into the programs.

#include <string>
#include <string_view>

namespace alacrity {

// Lines joined by '\n', without one after the last.
std::string_view LegalNotice();

// What --version prints: "<program> <version>" and the legal notice, as
// lines joined by '\n' (the line end after the last is the printer's).
std::string VersionText(std::string_view program);

}  // namespace alacrity
