// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The result list: the rows of the Response by Response and Split Summary
// views in six right-aligned columns under a two-line header. It only shows
// rows; the core builds every cell text, and every fill starts again from the
// results. Copy, export and printing read the rows back exactly as shown.

#include <QTreeWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/records.h"
#include "results/result_rows.h"

namespace alacrity {

class CMLHeaderCtrl;

class AlacrityList : public QTreeWidget {
  Q_OBJECT

 public:
  explicit AlacrityList(QWidget* parent = nullptr);

  // Removes every row, then every column.
  void ResetList();
  // The six columns: two-line titles, right-aligned, their screen widths.
  void InsertColumns();
  // InsertColumns, then one row per stimulus (or per stimulus of one object).
  void FillResponseByResponse(const TestResults& results, int32_t filter);
  // InsertColumns, then the blocks of `blockSize` responses with their
  // statistics rows. Returns the average line of the last block, nothing
  // when there was no block.
  std::optional<std::string> FillSplitSummary(const TestResults& results, int32_t falseResponseMode,
                                              int blockSize);

  // The cell texts of every row, in list order.
  const std::vector<ResultRow>& Rows() const { return m_rows; }
  // The selected rows' indices, in list order.
  std::vector<int> SelectedRows() const;

  CMLHeaderCtrl& Header() const { return *m_header; }

 private:
  void AddRows(std::vector<ResultRow> rows);

  CMLHeaderCtrl* m_header = nullptr;
  // What the items show, byte for byte: copy, export and printing need the
  // cells' 8-bit texts, not their QString forms.
  std::vector<ResultRow> m_rows;
};

}  // namespace alacrity
