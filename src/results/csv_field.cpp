// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/csv_field.h"

namespace alacrity {

void AppendCsvField(std::string& out, std::string_view field, char separator) {
  const char special[] = {separator, '"', '\r', '\n'};
  if (field.find_first_of(std::string_view(special, sizeof special)) == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace alacrity
