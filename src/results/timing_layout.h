// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The timing report as a block of the result page: one text per line of the
// report, a marked line and the sentence that explains it in red.

#include <vector>

#include "results/report_layout.h"
#include "results/timing_report.h"

namespace alacrity {

// On screen, pixels, from the top of `area` downwards.
Layout ScreenTimingBlock(const std::vector<TimingLine>& lines, LayoutRect area);
// On paper, 0.1 mm, from y `top` downwards across the table's width.
Layout PaperTimingBlock(const std::vector<TimingLine>& lines, int top);

}  // namespace alacrity
