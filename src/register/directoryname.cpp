// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "directoryname.h"

#include "searchkey.h"

namespace prsrg {

namespace {

bool Kept(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
         u == u'-' || u == u'_';
}

// Separators at either end make names that sort oddly, and a leading '-'
// reads as an option to command-line tools.
QString TrimSeparators(QString text) {
  auto separator = [](QChar c) { return c == QLatin1Char('_') || c == QLatin1Char('-'); };
  qsizetype start = 0;
  while (start < text.size() && separator(text[start])) ++start;
  qsizetype end = text.size();
  while (end > start && separator(text[end - 1])) --end;
  return text.mid(start, end - start);
}

}  // namespace

QString SubjectDirectoryName(const QString& name, qint64 id) {
  QString part;
  bool replaced = false;
  for (const QChar c : FoldToAscii(name)) {
    if (c.isLowSurrogate()) continue;  // the high half already counted
    if (Kept(c)) {
      part += c;
      replaced = false;
    } else if (!replaced) {
      part += QLatin1Char('_');
      replaced = true;
    }
  }
  part = TrimSeparators(TrimSeparators(part).left(MaxNamePartLength));
  if (part.isEmpty()) part = QStringLiteral("Subject");
  return QStringLiteral("%1_%2").arg(part).arg(id, 4, 10, QLatin1Char('0'));
}

}  // namespace prsrg
