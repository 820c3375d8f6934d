// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/subjecttexts.h"

#include <QCoreApplication>
#include <QSettings>

namespace alacrity {
namespace {

QString& Language() {
  static QString code = QStringLiteral("en");
  return code;
}

QString PromptKey(const QString& language) {
  return QStringLiteral("subject/startPrompt/") + language;
}

QSettings ProgramSettings() {
  return QSettings(QStringLiteral("alacrity"), QStringLiteral("alacrity"));
}

}  // namespace

QString InterfaceLanguage() { return Language(); }

void SetInterfaceLanguage(const QString& code) { Language() = code; }

QString StoredStartPrompt(const QString& language) {
  return ProgramSettings().value(PromptKey(language)).toString();
}

void StoreStartPrompt(const QString& language, const QString& text) {
  QSettings settings = ProgramSettings();
  // One line, as it is painted; a prompt of blanks would show the subject
  // nothing at all.
  const QString line = text.simplified();
  if (line.isEmpty()) {
    settings.remove(PromptKey(language));
  } else {
    settings.setValue(PromptKey(language), line);
  }
}

QString DefaultStartPrompt() {
  return QCoreApplication::translate("Subject", "Press any button to start");
}

QString SubjectStartPrompt() {
  const QString stored = StoredStartPrompt(InterfaceLanguage());
  return stored.isEmpty() ? DefaultStartPrompt() : stored;
}

}  // namespace alacrity
