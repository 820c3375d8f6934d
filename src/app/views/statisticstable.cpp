// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/statisticstable.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "report/displaynumbers.h"
#include "results/summary_table.h"

namespace alacrity {
namespace {

// The window's headings and object names follow the interface language; the
// copies and CSV files keep the English ones (summary_table).
[[maybe_unused]] constexpr const char* Headings[] = {
    QT_TRANSLATE_NOOP("StatisticsTable", "Answered"),   QT_TRANSLATE_NOOP("StatisticsTable", "Correct"),
    QT_TRANSLATE_NOOP("StatisticsTable", "False"),      QT_TRANSLATE_NOOP("StatisticsTable", "Error rate"),
    QT_TRANSLATE_NOOP("StatisticsTable", "Timed"),      QT_TRANSLATE_NOOP("StatisticsTable", "Mean"),
    QT_TRANSLATE_NOOP("StatisticsTable", "SD"),         QT_TRANSLATE_NOOP("StatisticsTable", "Median"),
    QT_TRANSLATE_NOOP("StatisticsTable", "Q1"),         QT_TRANSLATE_NOOP("StatisticsTable", "Q3"),
    QT_TRANSLATE_NOOP("StatisticsTable", "Trim. mean"), QT_TRANSLATE_NOOP("StatisticsTable", "Min"),
    QT_TRANSLATE_NOOP("StatisticsTable", "Max"),        QT_TRANSLATE_NOOP("StatisticsTable", "IES"),
    QT_TRANSLATE_NOOP("StatisticsTable", "all"),        QT_TRANSLATE_NOOP("StatisticsTable", "circle"),
    QT_TRANSLATE_NOOP("StatisticsTable", "cross"),      QT_TRANSLATE_NOOP("StatisticsTable", "square"),
    QT_TRANSLATE_NOOP("StatisticsTable", "triangle"),   QT_TRANSLATE_NOOP("StatisticsTable", "other"),
};

QString Localized(std::string_view english) {
  const std::string source(english);
  return QCoreApplication::translate("StatisticsTable", source.c_str());
}

QTableWidgetItem* ReadOnlyItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

}  // namespace

StatisticsTable::StatisticsTable(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("statisticsTable"));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setColumnCount(static_cast<int>(SummaryColumns.size()) + 1);
  QStringList headings{tr("Object")};
  for (const SummaryColumn& column : SummaryColumns) headings.append(Localized(column.caption));
  setHorizontalHeaderLabels(headings);
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void StatisticsTable::Fill(const TestResults& results) {
  m_summaries.clear();
  m_summaries.push_back(SummarizeResponses(results));
  for (ResponseSummary& s : SummarizeByObject(results)) m_summaries.push_back(std::move(s));

  clearContents();
  setRowCount(static_cast<int>(m_summaries.size()));
  for (int row = 0; row < rowCount(); ++row) {
    const ResponseSummary& s = m_summaries[static_cast<std::size_t>(row)];
    const std::string_view key = SummaryObjectKey(s.object);
    setItem(row, 0, ReadOnlyItem(Localized(key)));
    const auto figures = SummaryFigures(s);
    for (std::size_t c = 0; c < SummaryColumns.size(); ++c) {
      // The operator's decimal sign here; copies keep the core's '.'.
      QTableWidgetItem* item = ReadOnlyItem(
          DisplayFigure(QString::fromStdString(SummaryCellText(SummaryColumns[c], figures[c]))));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      setItem(row, static_cast<int>(c) + 1, item);
    }
  }
}

std::vector<int> StatisticsTable::SelectedRows() const {
  std::set<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.insert(index.row());
  return {rows.begin(), rows.end()};
}

}  // namespace alacrity
