// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/alacritylist.h"

#include <QFont>
#include <QPalette>

#include <algorithm>
#include <utility>

#include "report/reporttexts.h"
#include "results/columns.h"
#include "views/mlheaderctrl.h"

namespace alacrity {
namespace {

constexpr int ListFontPixels = 11;

QString CellText(const std::string& cell) {
  // The cells are ASCII; Latin-1 keeps any other byte as the same code.
  // Shown in the interface language; copies are made from the core's rows.
  return LocalizedReportText(QString::fromLatin1(cell.data(), static_cast<qsizetype>(cell.size())));
}

}  // namespace

AlacrityList::AlacrityList(QWidget* parent)
    : QTreeWidget(parent), m_header(new CMLHeaderCtrl(this)) {
  setObjectName(QStringLiteral("resultList"));
  setHeader(m_header);
  // A report-style list: rows without tree decoration, whole rows selected,
  // any number of them, nothing edited, never sorted.
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSortingEnabled(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setAllColumnsShowFocus(true);
  // The cells carry their own padding for right alignment, sized for the
  // list's 11-pixel sans serif and its narrow spaces; Arial at that size
  // fits every cell into its column as laid out, the longest label
  // ("Correct responses:") included. A monospace font would line the padded
  // cells up too, but at twice the width of a space the 18-character total
  // times would overflow their 100-pixel column; the digits of Arial all have
  // one width, so the right-aligned numbers line up anyway. A cell that is
  // still too wide loses leading spaces, never digits: nothing is elided.
  QFont listFont(QStringLiteral("Arial"));
  listFont.setPixelSize(ListFontPixels);
  setFont(listFont);
  setTextElideMode(Qt::ElideNone);
  setFrameShape(QFrame::Box);
  setFrameShadow(QFrame::Plain);
  setLineWidth(1);
  // The selection stays visible while the operator works in the bar (for
  // Copy and Delete the focus is elsewhere).
  QPalette shown = palette();
  for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
    shown.setColor(QPalette::Inactive, role, shown.color(QPalette::Active, role));
  }
  setPalette(shown);
  ResetList();
}

void AlacrityList::ResetList() {
  clear();
  m_rows.clear();
  setColumnCount(0);
}

void AlacrityList::InsertColumns() {
  setColumnCount(static_cast<int>(ResultColumns.size()));
  QTreeWidgetItem* titles = headerItem();
  for (std::size_t i = 0; i < ResultColumns.size(); ++i) {
    const int column = static_cast<int>(i);
    const std::string_view title = ResultColumns[i].title;
    titles->setText(column, LocalizedReportText(QString::fromLatin1(
                                title.data(), static_cast<qsizetype>(title.size()))));
    titles->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    setColumnWidth(column, ResultColumns[i].screenWidth);
  }
}

void AlacrityList::FillResponseByResponse(const TestResults& results, int32_t filter) {
  InsertColumns();
  AddRows(alacrity::FillResponseByResponse(results, filter));
}

std::optional<std::string> AlacrityList::FillSplitSummary(const TestResults& results,
                                                          int32_t falseResponseMode,
                                                          int blockSize) {
  InsertColumns();
  auto summary = alacrity::FillSplitSummary(results, falseResponseMode, blockSize);
  AddRows(std::move(summary.rows));
  return summary.averageText;
}

void AlacrityList::AddRows(std::vector<ResultRow> rows) {
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows.size()));
  for (const ResultRow& row : rows) {
    auto* item = new QTreeWidgetItem;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const int column = static_cast<int>(i);
      item->setText(column, CellText(row[i]));
      item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    items.append(item);
  }
  addTopLevelItems(items);
  m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                std::make_move_iterator(rows.end()));
}

std::vector<int> AlacrityList::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace alacrity
