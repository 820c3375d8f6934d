// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The subcommands of alacrity-cli. Each registers its options on the parser
// and returns a function that runs it once the command line has been parsed.

#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace alacrity::cli {

using CommandRunner = std::function<int()>;

CommandRunner AddDumpCommand(CLI::App& app);
CommandRunner AddListCommand(CLI::App& app);
CommandRunner AddCsvCommand(CLI::App& app);
CommandRunner AddRunCommand(CLI::App& app);
CommandRunner AddExportCommand(CLI::App& app);
CommandRunner AddReportCommand(CLI::App& app);
CommandRunner AddCheckBoxCommand(CLI::App& app);
CommandRunner AddSummaryCommand(CLI::App& app);
CommandRunner AddRecoverCommand(CLI::App& app);
CommandRunner AddPlotCommand(CLI::App& app);

// Runs alacrity-report (beside this program, else on PATH) with the
// arguments and returns its exit status; a usage error when it cannot run.
int RunReportProgram(const std::vector<std::string>& arguments);

}  // namespace alacrity::cli
