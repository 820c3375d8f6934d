// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The protocol dialog's item list: one row per item with "No.", "Time (ms)"
// and "Object", right-aligned, a single full row selected at a time. The list
// only shows texts; the items themselves live in the protocol.

#include <QTableWidget>

#include "data/records.h"

namespace alacrity {

class CProtocolItemList : public QTableWidget {
  Q_OBJECT

 public:
  explicit CProtocolItemList(QWidget* parent = nullptr);

  // A new last row numbered after the rows already there, time and object
  // still blank.
  void AppendRow();
  void RemoveLastRow();
  // Shows the item's time and object name in row `row`.
  void ShowItem(int row, const ProtocolItem& item);
  // The first selected row, -1 when none is.
  int SelectedRow() const;

  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SetCell(int row, int column, const QString& text);
  void FitColumns();
};

// The row texts: "%3d" of the 1-based number, "%5d" of the time, the
// object's display name.
QString ProtocolRowNumberText(int row);
QString ProtocolTimeText(int32_t generationMs);
QString ProtocolObjectText(int32_t object);

}  // namespace alacrity
