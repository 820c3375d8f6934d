// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The interface language: English (the program's own texts) or one of the
// translations built into the program, chosen by the system locale or by
// --language. Files, copied text and exports never follow it; the window,
// its dialogs, the printed reports and the subject's start prompt do.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace alacrity {

// "en" and the codes of the built-in translations, sorted.
QStringList AvailableLanguages();

// The value of --language CODE or --language=CODE among the arguments, empty
// without one. Read before any parser exists, so --help can answer in it.
QString LanguageArgument(const QStringList& arguments);

// The language for `requested` ("de", "de_AT" and "de-AT" all name German),
// else the first of the system's preferred languages that is available,
// else English. Empty when `requested` names no available language.
QString ResolveLanguage(const QString& requested, const QStringList& systemLanguages);

// The locale whose decimal sign the window's own figures take in interface
// language `code`: the system's where it speaks that language or the
// language is English (a Swiss lab writes 1.5, an Austrian 1,5, and English
// texts are read everywhere), else the language's usual one (German chosen
// on an English system writes 1,5).
QLocale NumberLocaleFor(const QString& code, const QLocale& system);

// Loads the program's and Qt's own translations for `code` into `app`
// (English needs none), remembers `code` as the interface language and
// sets the locale of the window's figures.
void InstallLanguage(QCoreApplication& app, const QString& code);

// The interface language installed last; "en" before any.
QString CurrentLanguage();

// The message for a --language that names nothing available.
QString UnknownLanguageMessage(const QString& requested);

}  // namespace alacrity
