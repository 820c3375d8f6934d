// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program/legal_notice.h"

namespace alacrity {

std::string_view LegalNotice() {
  // CLI11 and JSON for Modern C++ are header-only: their code is in the
  // command-line programs, so their notices travel with the package.
  return "Copyright (C) 2026 The alacrity authors\n"
         "License " ALACRITY_LICENSE
         ": GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl-3.0.html>\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n"
         "Includes CLI11 (BSD-3-Clause) and JSON for Modern C++ (MIT); their notices\n"
         "are in the package's copyright file (/usr/share/doc/alacrity/copyright).";
}

std::string VersionText(std::string_view program) {
  return std::string(program) + " " ALACRITY_VERSION "\n" + std::string(LegalNotice());
}

}  // namespace alacrity
