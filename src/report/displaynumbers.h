// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Figures in the texts the window writes for the operator beyond the classic
// views (the timing lines, the statistics table, the device check) carry the
// decimal sign of the operator's locale. The classic views, copies, exports,
// files and the programs without a window keep the '.': until the window
// chooses a locale, figures are shown as the core writes them.

#include <QLocale>
#include <QString>

namespace alacrity {

// Set once the interface language is known.
void SetDisplayNumberLocale(const QLocale& locale);

// `value` with `decimals` decimals and no grouping: "1440,00" in German.
QString DisplayDecimal(double value, int decimals);

// A figure as the core writes it ("301.5", "16.7 %", "+120", "-0.25") with
// the display locale's decimal sign, each side of a "1439.994 ± 0.003"
// alike; any other text (a device name, a version) comes back unchanged.
QString DisplayFigure(const QString& figure);

}  // namespace alacrity
