// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the subject reads: the start prompt, in the interface language unless
// the lab has written its own for that language. Kept in the program's
// settings (QSettings "alacrity", key "subject/startPrompt/<language>"), as
// the stimulus screen is: it belongs to the station, not to a test set-up.

#include <QString>

namespace alacrity {

// The interface language's code ("en", "de" ...), set once at start.
QString InterfaceLanguage();
void SetInterfaceLanguage(const QString& code);

// The prompt as written for `language`, empty when none was.
QString StoredStartPrompt(const QString& language);
// Stores the prompt for `language`; an empty or blank text removes it.
void StoreStartPrompt(const QString& language, const QString& text);

// The built-in prompt in the interface language.
QString DefaultStartPrompt();
// What the subject sees before a test: the stored prompt for the interface
// language, else the built-in one.
QString SubjectStartPrompt();

}  // namespace alacrity
