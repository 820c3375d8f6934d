// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "searchkey.h"

namespace prsrg {

namespace {

// Letters that carry no decomposition but have a usual ASCII spelling.
QString Spelled(QChar c) {
  switch (c.unicode()) {
    case 0x00DF:
      return QStringLiteral("ss");  // ß
    case 0x1E9E:
      return QStringLiteral("SS");  // ẞ
    case 0x00C6:
      return QStringLiteral("AE");  // Æ
    case 0x00E6:
      return QStringLiteral("ae");  // æ
    case 0x00D8:
      return QStringLiteral("O");  // Ø
    case 0x00F8:
      return QStringLiteral("o");  // ø
    case 0x0152:
      return QStringLiteral("OE");  // Œ
    case 0x0153:
      return QStringLiteral("oe");  // œ
    case 0x0141:
      return QStringLiteral("L");  // Ł
    case 0x0142:
      return QStringLiteral("l");  // ł
    case 0x0110:
      return QStringLiteral("D");  // Đ
    case 0x0111:
      return QStringLiteral("d");  // đ
    case 0x00D0:
      return QStringLiteral("D");  // Ð
    case 0x00F0:
      return QStringLiteral("d");  // ð
    case 0x00DE:
      return QStringLiteral("Th");  // Þ
    case 0x00FE:
      return QStringLiteral("th");  // þ
    case 0x0131:
      return QStringLiteral("i");  // ı
    default:
      return {};
  }
}

bool IsMark(QChar c) {
  const QChar::Category category = c.category();
  return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
         category == QChar::Mark_Enclosing;
}

}  // namespace

QString FoldToAscii(const QString& text) {
  const QString decomposed = text.normalized(QString::NormalizationForm_KD);
  QString folded;
  folded.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (IsMark(c)) continue;
    const QString spelled = Spelled(c);
    if (!spelled.isEmpty()) {
      folded += spelled;
    } else {
      folded += c;
    }
  }
  return folded;
}

QString SearchKey(const QString& text) { return FoldToAscii(text).toCaseFolded().simplified(); }

QStringList SearchWords(const QString& text) {
  return SearchKey(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

}  // namespace prsrg
