// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The texts of the report layouts come from the core in English (copies,
// CSV files and PDFs made without a window stay English). Painted for the
// operator, they follow the interface language: each text is looked up in
// the "Report" catalogue here, as a whole, without its padding, or label by
// label where it joins labels with values. The subject's name is never
// looked up, and without a translator every text comes back unchanged but
// for the decimal sign of the timing lines' figures (displaynumbers.h).

#include <QString>

namespace alacrity {

QString LocalizedReportText(const QString& text);

}  // namespace alacrity
