// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// alacrity-cli: reads, lists, exports, prints and records reaction-time tests
// without a window. Exit codes: 0 success, 1 a file was refused, 2 a usage error.

#include <CLI/CLI.hpp>

#include <map>
#include <string>

#include "cli_support.h"
#include "commands.h"
#include "exit_codes.h"
#include "program/legal_notice.h"
#include "program/standard_streams.h"

using namespace alacrity;
using namespace alacrity::cli;

namespace {

// Every command passes here: none writes over one of its own inputs.
int RunCommand(const Command& command) {
  const CommandFiles files = command.files();
  for (const auto& output : files.outputs) {
    if (OutputIsAnInput(output, files.inputs)) return ExitRefused;
  }
  return command.run();
}

}  // namespace

int main(int argc, char** argv) {
  ReserveStandardStreams();
  CLI::App app{"alacrity-cli: reaction-time test files from the command line"};
  app.set_version_flag("--version", VersionText("alacrity-cli"));
  app.require_subcommand(1);

  std::map<std::string, Command> commands = {
      {"dump", AddDumpCommand(app)}, {"list", AddListCommand(app)},
      {"csv", AddCsvCommand(app)},   {"run", AddRunCommand(app)},
      {"export", AddExportCommand(app)}, {"report", AddReportCommand(app)},
      {"check-box", AddCheckBoxCommand(app)},
      {"summary", AddSummaryCommand(app)},
      {"recover", AddRecoverCommand(app)},
      {"plot", AddPlotCommand(app)},
  };

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // Help and --version end here with 0; everything else is a usage error.
    return ExitCodeAfterOutput(app.exit(error) == 0 ? ExitOk : ExitUsage);
  }

  for (const CLI::App* command : app.get_subcommands()) {
    if (auto found = commands.find(command->get_name()); found != commands.end()) {
      return ExitCodeAfterOutput(RunCommand(found->second));
    }
  }
  return ExitUsage;
}
