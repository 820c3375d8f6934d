// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolsupport/view_options.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>

namespace alacrity::cli {
namespace {

const std::map<std::string, int32_t> ObjectFilters = {
    {"all", AllObjects}, {"circle", 0}, {"cross", 1}, {"square", 2}, {"triangle", 3},
};

}  // namespace

void AddViewOptions(CLI::App& command, ViewOptions& options, bool withChart) {
  command.add_option("FILE", options.path, "Test data file (.aly)")->required();
  if (withChart) {
    command.add_option("--view", options.view, "Which report: response, split, result or chart")
        ->check(CLI::IsMember({"response", "split", "result", "chart"}))
        ->capture_default_str();
  } else {
    command.add_option("--view", options.view, "Which list: response, split or result")
        ->check(CLI::IsMember({"response", "split", "result"}))
        ->capture_default_str();
  }
  command
      .add_option("--split", options.split,
                  "Responses per block of the split view (default: all responses in one block)")
      ->check(CLI::PositiveNumber);
  command
      .add_option("--object", options.object,
                  "Response view only: all, circle, cross, square or triangle")
      ->check(CLI::IsMember({"all", "circle", "cross", "square", "triangle"}))
      ->capture_default_str();
}

bool CheckViewOptions(const CLI::App& command, const ViewOptions& options) {
  if (options.view != "response" && command.count("--object") > 0) {
    std::cerr << "--object applies to the response view only\n";
    return false;
  }
  if (options.view != "split" && command.count("--split") > 0) {
    std::cerr << "--split applies to the split view only\n";
    return false;
  }
  return true;
}

bool IsChartView(const ViewOptions& options) { return options.view == "chart"; }

ResultView ViewOf(const ViewOptions& options) {
  if (options.view == "split") return ResultView::SplitSummary;
  if (options.view == "result") return ResultView::Result;
  return ResultView::ResponseByResponse;
}

int32_t ObjectFilterOf(const ViewOptions& options) {
  const auto found = ObjectFilters.find(options.object);
  return found != ObjectFilters.end() ? found->second : AllObjects;
}

ViewRows RowsOfView(const DocumentData& data, const ViewOptions& options) {
  return alacrity::RowsOfView(data.results, data.runConfiguration.falseResponse, ViewOf(options),
                              ObjectFilterOf(options), options.split);
}

}  // namespace alacrity::cli
