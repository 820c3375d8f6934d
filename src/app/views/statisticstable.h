// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Statistics view: the figures of alacrity-cli summary for the test in
// memory, one row for the whole test and one per shape, read-only. The core
// computes and formats every cell; copy and export read the summaries back.

#include <QTableWidget>

#include <string>
#include <vector>

#include "data/records.h"
#include "results/summary_statistics.h"

namespace alacrity {

class StatisticsTable : public QTableWidget {
  Q_OBJECT

 public:
  explicit StatisticsTable(QWidget* parent = nullptr);

  // The whole test, then each shape shown in it.
  void Fill(const TestResults& results);
  const std::vector<ResponseSummary>& Summaries() const { return m_summaries; }
  // Indices of the selected rows, in table order.
  std::vector<int> SelectedRows() const;

 private:
  std::vector<ResponseSummary> m_summaries;
};

}  // namespace alacrity
