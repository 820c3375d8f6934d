// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// English texts with values in them ("Box rate: %1 bytes/s, ..."), found in
// a text and filled into their translation. A placeholder may stand more
// than once; each value is taken over as it stands or as the caller shows
// it. Header only: the message boxes use it as well as the report painter.

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace alacrity {

struct TextTemplate {
  QRegularExpression pattern;
  std::map<int, int> groups;  // placeholder number -> capture group
};

inline TextTemplate CompileTemplate(const char* english) {
  static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
  const QString source = QString::fromUtf8(english);
  TextTemplate compiled;
  QString pattern = QStringLiteral("^");
  qsizetype at = 0;
  for (auto match = placeholder.globalMatch(source); match.hasNext();) {
    const QRegularExpressionMatch found = match.next();
    pattern += QRegularExpression::escape(source.mid(at, found.capturedStart() - at));
    const int number = found.captured(1).toInt();
    if (const auto known = compiled.groups.find(number); known != compiled.groups.end()) {
      pattern += QStringLiteral("\\%1").arg(known->second);
    } else {
      const int group = static_cast<int>(compiled.groups.size()) + 1;
      compiled.groups.emplace(number, group);
      pattern += QStringLiteral("(.+?)");
    }
    at = found.capturedEnd();
  }
  pattern += QRegularExpression::escape(source.mid(at)) + QStringLiteral("$");
  compiled.pattern.setPattern(pattern);
  return compiled;
}

// The translation with the values of `text` filled in, or nothing when
// `text` is not of this template's form. `shown`, when given, rewrites each
// value on its way (figures into the operator's decimal sign).
inline std::optional<QString> FillTemplate(const TextTemplate& compiled, const QString& text,
                                           QString translation,
                                           QString (*shown)(const QString&) = nullptr) {
  const QRegularExpressionMatch match = compiled.pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  // In the order of the placeholders' numbers, as arg() fills them.
  for (const auto& [number, group] : compiled.groups) {
    const QString value = match.captured(group);
    translation = translation.arg(shown != nullptr ? shown(value) : value);
  }
  return translation;
}

}  // namespace alacrity
