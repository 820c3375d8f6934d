// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Folding of names for searching and for directory names: "Ján Novák" and
// "jan novak" look the same to a search, and a directory name made from it
// needs no characters beyond ASCII.

#include <QString>
#include <QStringList>

namespace prsrg {

// Latin letters lose their accents ("á" to "a") and ligatures are spelled
// out ("ß" to "ss", "Æ" to "AE"); everything else is kept as it is.
QString FoldToAscii(const QString& text);

// The form a name is stored and searched in: folded, case folded, runs of
// white space made one space, trimmed.
QString SearchKey(const QString& text);

// The words of a search, each to be found somewhere in the name.
QStringList SearchWords(const QString& text);

}  // namespace prsrg
