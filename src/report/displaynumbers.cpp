// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/displaynumbers.h"

#include <QRegularExpression>

namespace alacrity {
namespace {

QLocale& Current() {
  static QLocale locale = QLocale::c();
  return locale;
}

}  // namespace

void SetDisplayNumberLocale(const QLocale& locale) { Current() = locale; }

QString DisplayDecimal(double value, int decimals) {
  // Written by the C locale first and only its decimal sign changed, so that
  // digits and signs read as in every other figure of the program.
  return DisplayFigure(QString::number(value, 'f', decimals));
}

QString DisplayFigure(const QString& figure) {
  // A measured figure with its uncertainty, "1439.994 ± 0.003": each side.
  const QString plusMinus = QStringLiteral(" \u00b1 ");
  if (const qsizetype at = figure.indexOf(plusMinus); at > 0) {
    return DisplayFigure(figure.left(at)) + plusMinus +
           DisplayFigure(figure.mid(at + plusMinus.size()));
  }
  static const QRegularExpression number(QStringLiteral("^([+-]?\\d+)\\.(\\d+)( %)?$"));
  const QRegularExpressionMatch match = number.match(figure);
  if (!match.hasMatch()) return figure;
  return match.captured(1) + Current().decimalPoint() + match.captured(2) + match.captured(3);
}

}  // namespace alacrity
