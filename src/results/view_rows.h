// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The list rows of each result view, for the programs that show a view
// without a window: the command-line list, the CSV export and the printed
// report all take their rows from here, so they agree with each other and
// with the window, which fills its list through the same two fills.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/records.h"
#include "results/report_layout.h"
#include "results/result_rows.h"

namespace alacrity {

enum class ResultView { ResponseByResponse, SplitSummary, Result };

struct ViewRows {
  std::vector<ResultRow> rows;
  // The average line of the split summary behind the view; nothing for the
  // response list and for a test without responses.
  std::optional<std::string> averageText;
};

// `filter` applies to the response list only (AllObjects or an ObjectKind);
// `splitSize` to the split summary only, where 0 means one block of the whole
// test, as the view starts. The Result view's hidden list holds the whole test
// as one block.
ViewRows RowsOfView(const TestResults& results, int32_t falseResponseMode, ResultView view,
                    int32_t filter, int splitSize);

// The report a view prints.
ReportKind ReportKindOf(ResultView view);

}  // namespace alacrity
