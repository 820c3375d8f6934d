// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// report: the printed report of a test data file as a PDF. The pages are
// painted by alacrity-report, the same painting the window prints with; this
// program checks the command line and runs it, so that alacrity-cli itself
// never needs a window system.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "exit_codes.h"
#include "sibling_program.h"
#include "view_options.h"

namespace alacrity::cli {
namespace {

constexpr const char* ReportProgram = "alacrity-report";

struct ReportOptions {
  ViewOptions view;
  std::string output;
};

// The command line again, as alacrity-report reads it: only what was given,
// so that it applies the same defaults. The output is joined to its option
// and the file follows "--", so that names starting with "-" stay names.
std::vector<std::string> ReportArguments(const CLI::App& command, const ReportOptions& options) {
  std::vector<std::string> arguments = {"--view", options.view.view};
  if (command.count("--split") > 0) {
    arguments.insert(arguments.end(), {"--split", std::to_string(options.view.split)});
  }
  if (command.count("--object") > 0) {
    arguments.insert(arguments.end(), {"--object", options.view.object});
  }
  arguments.insert(arguments.end(), {"--output=" + options.output, "--", options.view.path});
  return arguments;
}

}  // namespace

int RunReportProgram(const std::vector<std::string>& arguments) {
  const auto program = FindSiblingProgram(ReportProgram);
  if (!program) {
    std::cerr << ReportProgram << " not found beside alacrity-cli or on PATH; it paints the "
              << "report and is built and installed with the window program\n";
    return ExitUsage;
  }
  const int status = RunProgram(*program, arguments);
  if (status < 0) {
    std::cerr << program->string() << ": could not be started\n";
    return ExitUsage;
  }
  return status;
}

Command AddReportCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "report",
      "Write the printed report of a view as a PDF (runs alacrity-report, no display needed)");
  auto options = std::make_shared<ReportOptions>();
  AddViewOptions(*command, options->view, /*withChart=*/true);
  command->add_option("-o,--output", options->output, "Output PDF file")->required();
  const auto files = [options] { return CommandFiles{{options->view.path}, {options->output}}; };
  const auto run = [command, options] {
    if (!CheckViewOptions(*command, options->view)) return ExitUsage;
    return RunReportProgram(ReportArguments(*command, *options));
  };
  return {files, run};
}

}  // namespace alacrity::cli
