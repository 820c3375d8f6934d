// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/mlheaderctrl.h"

#include <QPainter>

namespace alacrity {

CMLHeaderCtrl::CMLHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setObjectName(QStringLiteral("resultListHeader"));
  // The list is never sorted: a click on a title does nothing.
  setSectionsClickable(false);
  setSortIndicatorShown(false);
  setHighlightSections(false);
  // The columns keep their own widths; the space after the last one stays empty.
  setStretchLastSection(false);
  setFixedHeight(HeaderHeight);
}

QSize CMLHeaderCtrl::sizeHint() const { return {QHeaderView::sizeHint().width(), HeaderHeight}; }

void CMLHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (!rect.isValid() || model() == nullptr) return;
  const QString title =
      model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
  // A title without "\n" is all first line.
  const qsizetype newline = title.indexOf(QLatin1Char('\n'));
  const QString line1 = newline < 0 ? title : title.left(newline);
  const QString line2 = newline < 0 ? QString() : title.mid(newline + 1);

  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setPen(QPen(Qt::black, 1));
  painter->setBrush(QColor(CellGrey, CellGrey, CellGrey));
  // The outline runs on the section's own first and last pixels.
  painter->drawRect(rect.adjusted(0, 0, -1, -1));
  painter->setFont(font());
  constexpr int flags = Qt::AlignCenter | Qt::TextSingleLine;
  painter->drawText(QRect(rect.left(), rect.top() + 2, rect.width(), 20), flags, line1);
  painter->drawText(QRect(rect.left(), rect.top() + 22, rect.width(), 20), flags, line2);
  painter->restore();
}

}  // namespace alacrity
