#include "statisticstable.h"

#include <QHeaderView>

#include <algorithm>
#include <set>

#include "results/summary_table.h"

namespace alacrity {
namespace {

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
  QStringList headings{QStringLiteral("Object")};
  for (const SummaryColumn& column : SummaryColumns) {
    headings.append(QString::fromLatin1(column.caption.data(),
                                        static_cast<qsizetype>(column.caption.size())));
  }
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
    setItem(row, 0,
            ReadOnlyItem(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()))));
    const auto figures = SummaryFigures(s);
    for (std::size_t c = 0; c < SummaryColumns.size(); ++c) {
      QTableWidgetItem* item =
          ReadOnlyItem(QString::fromStdString(SummaryCellText(SummaryColumns[c], figures[c])));
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
