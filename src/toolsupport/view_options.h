// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The options that choose a result view (--view, --split, --object), shared by
// the list, csv and report subcommands and by alacrity-report, so that one
// command line names the same rows in all of them.

#include <string>

#include "data/document_data.h"
#include "results/view_rows.h"

namespace CLI {
class App;
}

namespace alacrity::cli {

struct ViewOptions {
  std::string path;
  std::string view = "response";
  int split = 0;  // 0: the response count, as when the view is entered
  std::string object = "all";
};

// FILE, --view, --split and --object. The printed report also knows the
// chart page (--view chart), which has no list rows.
void AddViewOptions(CLI::App& command, ViewOptions& options, bool withChart = false);

// --view chart.
bool IsChartView(const ViewOptions& options);

// --object belongs to the response view and --split to the split view; a
// mistake is reported on stderr and gives false.
bool CheckViewOptions(const CLI::App& command, const ViewOptions& options);

ResultView ViewOf(const ViewOptions& options);
int32_t ObjectFilterOf(const ViewOptions& options);

// The rows the list holds in the chosen view.
ViewRows RowsOfView(const DocumentData& data, const ViewOptions& options);

}  // namespace alacrity::cli
