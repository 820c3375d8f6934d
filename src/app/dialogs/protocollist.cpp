// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/protocollist.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <algorithm>

#include "data/enums.h"

namespace alacrity {

namespace {

enum Column { NumberColumn = 0, TimeColumn = 1, ObjectColumn = 2 };

// The object names of the list besides those of the dialogs' buttons.
[[maybe_unused]] constexpr const char* ListOnlyNames[] = {QT_TRANSLATE_NOOP("Dialog", "Invalid")};

}  // namespace

QString ProtocolRowNumberText(int row) { return QString::asprintf("%3d", row + 1); }

QString ProtocolTimeText(int32_t generationMs) { return QString::asprintf("%5d", generationMs); }

QString ProtocolObjectText(int32_t object) {
  const std::string_view name = ObjectName(object);
  // The name in the interface language, with the English name's padding.
  const QString english = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  const QString word = english.trimmed();
  const QByteArray source = word.toLatin1();
  return QString(english).replace(word, QCoreApplication::translate("Dialog", source.constData()));
}

CProtocolItemList::CProtocolItemList(QWidget* parent) : QTableWidget(0, 3, parent) {
  setHorizontalHeaderLabels({tr("No."), tr("Time (ms)"), tr("Object")});
  horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->hide();
  // Rows of one fixed height: measuring each row as it comes makes a long
  // protocol slow to open.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QSize CProtocolItemList::sizeHint() const {
  const int textWidth =
      fontMetrics().horizontalAdvance(QStringLiteral("  %1  ").arg(tr("Time (ms)")));
  return {textWidth * 3, fontMetrics().height() * 18};
}

void CProtocolItemList::SetCell(int row, int column, const QString& text) {
  auto* cell = new QTableWidgetItem(text);
  cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setItem(row, column, cell);
}

void CProtocolItemList::AppendRow() {
  const int row = rowCount();
  insertRow(row);
  SetCell(row, NumberColumn, ProtocolRowNumberText(row));
  SetCell(row, TimeColumn, QString());
  SetCell(row, ObjectColumn, QString());
}

void CProtocolItemList::RemoveLastRow() {
  const int last = rowCount() - 1;
  if (last < 0) return;
  // A removed row takes its selection along; the view must not pass it on to
  // a neighbour, or a second Delete would remove an item nobody chose.
  const bool wasSelected = SelectedRow() == last;
  removeRow(last);
  if (wasSelected) clearSelection();
}

void CProtocolItemList::ShowItem(int row, const ProtocolItem& item) {
  SetCell(row, TimeColumn, ProtocolTimeText(item.generationMs));
  SetCell(row, ObjectColumn, ProtocolObjectText(item.object));
}

int CProtocolItemList::SelectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  if (rows.isEmpty()) return -1;
  int first = rows.constFirst().row();
  for (const QModelIndex& index : rows) first = std::min(first, index.row());
  return first;
}

void CProtocolItemList::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  FitColumns();
}

void CProtocolItemList::FitColumns() {
  // The two value columns take three eighths of the width each; the number
  // keeps the rest less room for the vertical scroll bar, so that the columns
  // still fit once the list is long enough to need one.
  const int width = contentsRect().width();
  const int share = (3 * width) / 8;
  setColumnWidth(NumberColumn, std::max(0, width - 2 * share - 16));
  setColumnWidth(TimeColumn, share);
  setColumnWidth(ObjectColumn, share);
}

}  // namespace alacrity
