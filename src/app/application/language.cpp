// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "dialogs/subjecttexts.h"
#include "report/displaynumbers.h"

namespace alacrity {
namespace {

constexpr const char* TranslationDirectory = ":/i18n";

QString& Current() {
  static QString code = QStringLiteral("en");
  return code;
}

// Only the language part decides: a lab in Austria or Switzerland reads the
// German interface, one in Mexico the Spanish.
QString LanguagePart(const QString& name) {
  QString code = name.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
  return code.toLower();
}

}  // namespace

QStringList AvailableLanguages() {
  QStringList codes{QStringLiteral("en")};
  const QStringList files = QDir(QString::fromLatin1(TranslationDirectory))
                                .entryList({QStringLiteral("alacrity_*.qm")}, QDir::Files);
  for (const QString& file : files) {
    codes.append(file.mid(9, file.size() - 9 - 3));  // between "alacrity_" and ".qm"
  }
  codes.sort();
  return codes;
}

QString LanguageArgument(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--")) break;
    if (argument == QLatin1String("--language")) {
      return i + 1 < arguments.size() ? arguments[i + 1] : QString();
    }
    const QLatin1String prefix("--language=");
    if (argument.startsWith(prefix)) return argument.mid(prefix.size());
  }
  return {};
}

QString ResolveLanguage(const QString& requested, const QStringList& systemLanguages) {
  const QStringList available = AvailableLanguages();
  if (!requested.isEmpty()) {
    const QString code = LanguagePart(requested);
    return available.contains(code) ? code : QString();
  }
  for (const QString& preferred : systemLanguages) {
    const QString code = LanguagePart(preferred);
    if (available.contains(code)) return code;
  }
  return QStringLiteral("en");
}

QLocale NumberLocaleFor(const QString& code, const QLocale& system) {
  const QLocale language(code);
  if (code == QLatin1String("en") || language.language() == system.language()) return system;
  return language;
}

void InstallLanguage(QCoreApplication& app, const QString& code) {
  // Owned by the application: a translator must outlive every text looked up.
  for (QTranslator* old : app.findChildren<QTranslator*>(QStringLiteral("alacrityTranslator"),
                                                         Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  Current() = code;
  SetInterfaceLanguage(code);
  SetDisplayNumberLocale(NumberLocaleFor(code, QLocale::system()));
  if (code == QLatin1String("en")) return;
  const QLocale locale(code);
  // Qt's own texts (the file and print dialogs) where the system has them.
  const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const auto& [name, directory] :
       {std::pair{QStringLiteral("qtbase"), qtDirectory},
        std::pair{QStringLiteral("alacrity"), QString::fromLatin1(TranslationDirectory)}}) {
    auto* translator = new QTranslator(&app);
    translator->setObjectName(QStringLiteral("alacrityTranslator"));
    if (translator->load(locale, name, QStringLiteral("_"), directory)) {
      QCoreApplication::installTranslator(translator);
    } else {
      delete translator;
    }
  }
}

QString CurrentLanguage() { return Current(); }

QString UnknownLanguageMessage(const QString& requested) {
  return QCoreApplication::translate("CommandLine", "Unknown language \"%1\"; available: %2.")
      .arg(requested, AvailableLanguages().join(QStringLiteral(", ")));
}

}  // namespace alacrity
