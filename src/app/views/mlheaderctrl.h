// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The header of the result list. Every column title has two lines ("Generation
// Time" over "(ms)"), which a plain header shows as one; this header is a
// fixed 48 pixels high and paints each section itself as a grey cell with the
// two lines centred one under the other.

#include <QHeaderView>

namespace alacrity {

class CMLHeaderCtrl : public QHeaderView {
  Q_OBJECT

 public:
  static constexpr int HeaderHeight = 48;
  // Cell fill, RGB(200, 200, 200).
  static constexpr int CellGrey = 200;

  explicit CMLHeaderCtrl(QWidget* parent = nullptr);

  // The list places its first row under the height this reports, whatever
  // the font.
  QSize sizeHint() const override;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace alacrity
