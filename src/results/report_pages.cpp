// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/report_pages.h"

#include <algorithm>
#include <cstdint>

namespace alacrity {

int PageCount(int rows) {
  if (rows <= FirstPageRows) return 1;
  return 1 + (rows - FirstPageRows + RowsPerPage - 1) / RowsPerPage;
}

PageRows RowsOfPage(int page, int rows) {
  rows = std::max(rows, 0);
  if (page < 1) return {0, 0};
  if (page == 1) return {0, std::min(FirstPageRows, rows)};
  // Page p > 1 starts after the 24 rows of page 1 and p - 2 full pages:
  // 24 + 27 (p - 2) = 27p - 30. In 64 bits so that no page number overflows.
  const int64_t first = int64_t{RowsPerPage} * page - 30;
  const int64_t last = std::min<int64_t>(first + RowsPerPage, rows);
  // Past the end of the list: an empty range rather than first > last.
  if (first >= last) return {rows, rows};
  return {static_cast<int>(first), static_cast<int>(last)};
}

}  // namespace alacrity
