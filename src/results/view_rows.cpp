// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/view_rows.h"

#include <algorithm>
#include <utility>

namespace alacrity {

ViewRows RowsOfView(const TestResults& results, int32_t falseResponseMode, ResultView view,
                    int32_t filter, int splitSize) {
  if (view == ResultView::ResponseByResponse) return {FillResponseByResponse(results, filter), {}};
  int blockSize =
      view == ResultView::SplitSummary && splitSize > 0 ? splitSize : results.responseCount;
  // An empty test has no blocks at all; any size gives the same empty list.
  blockSize = std::max(blockSize, 1);
  SplitSummary summary = FillSplitSummary(results, falseResponseMode, blockSize);
  return {std::move(summary.rows), std::move(summary.averageText)};
}

ReportKind ReportKindOf(ResultView view) {
  switch (view) {
    case ResultView::ResponseByResponse: return ReportKind::ResponseList;
    case ResultView::SplitSummary: return ReportKind::SplitSummary;
    case ResultView::Result: return ReportKind::Result;
  }
  return ReportKind::None;
}

}  // namespace alacrity
