// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Paging of printed reports: 24 list rows on page 1, 27 on every further page.

namespace alacrity {

inline constexpr int FirstPageRows = 24;
inline constexpr int RowsPerPage = 27;

// 1 when rows <= 24, else 1 + ceil((rows - 24) / 27).
int PageCount(int rows);

// The list rows first .. last - 1 (from 0) printed on page p (from 1).
struct PageRows {
  int first = 0;
  int last = 0;
  bool operator==(const PageRows&) const = default;
};
PageRows RowsOfPage(int page, int rows);

}  // namespace alacrity
