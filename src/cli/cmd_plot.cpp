// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// plot: the charts of a test (response time by stimulus, the correct times
// of each shape) as a PNG, SVG or PDF picture. alacrity-report draws them,
// as it paints the printed reports, so that alacrity-cli needs no window
// system.

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <memory>
#include <string>

#include "commands.h"
#include "exit_codes.h"

namespace alacrity::cli {
namespace {

struct PlotOptions {
  std::string path;
  std::string output;
};

bool HasPictureExtension(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == "png" || extension == "svg" || extension == "pdf";
}

}  // namespace

Command AddPlotCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "plot",
      "Draw the charts of a test as PNG, SVG or PDF, chosen by the output's extension (runs "
      "alacrity-report, no display needed)");
  auto options = std::make_shared<PlotOptions>();
  command->add_option("FILE", options->path, "Test data file (.aly)")->required();
  command->add_option("-o,--output", options->output, "Output file: .png, .svg or .pdf")
      ->required();
  const auto files = [options] { return CommandFiles{{options->path}, {options->output}}; };
  const auto run = [options] {
    // Checked here too, so that a mistyped name is a usage error before
    // another program starts.
    if (!HasPictureExtension(options->output)) {
      std::cerr << "--output must end in .png, .svg or .pdf\n";
      return ExitUsage;
    }
    return RunReportProgram({"--plot", "--output=" + options->output, "--", options->path});
  };
  return {files, run};
}

}  // namespace alacrity::cli
