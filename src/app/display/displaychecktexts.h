// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The display check's verdict in the operator's words: one sentence that
// says whether the display can be trusted for timing, the figures behind
// it, and what to change. The check's screen and `--check-display` show the
// same texts.

#include <QString>

#include "dialogs/displaycheckdlg.h"
#include "display/displaycheck.h"
#include "results/display_check.h"

namespace alacrity {

// A stopped check has only its headline.
DisplayCheckTexts DescribeDisplayCheck(const DisplayCheckRun& run,
                                       const DisplayCheckVerdict& verdict);

// The texts as lines for a console: the headline, "label: value" lines and
// the advice, each line ending in '\n'.
QString DisplayCheckPlainText(const DisplayCheckTexts& texts);

}  // namespace alacrity
