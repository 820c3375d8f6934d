// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Names of the subjects' directories: readable, safe on every file system
// the register root may live on, and unique because the subject's id ends
// every name ("Doe_Jane_0042").

#include <QString>

namespace prsrg {

// Longest part taken from the subject's name, in characters (all ASCII).
inline constexpr int MaxNamePartLength = 48;

// Letters and digits of ASCII, '-' and '_' are kept; accented Latin letters
// lose their accents; every other run of characters becomes one '_'. A name
// with nothing left is called "Subject".
QString SubjectDirectoryName(const QString& name, qint64 id);

}  // namespace prsrg
