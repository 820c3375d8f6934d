// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The subcommands of alacrity-cli. Each registers its options on the parser
// and returns what it reads and writes and how to run it, both known once the
// command line has been parsed.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace alacrity::cli {

// The files a command reads and the files it writes. main refuses a command
// one of whose outputs is one of its inputs before it runs, so a command that
// writes cannot forget that check: it only has to name its files.
struct CommandFiles {
  std::vector<std::filesystem::path> inputs;
  std::vector<std::filesystem::path> outputs;  // none: standard output only
};

using CommandRunner = std::function<int()>;

struct Command {
  std::function<CommandFiles()> files;
  CommandRunner run;
};

// The files of a command that only prints.
inline CommandFiles PrintsOnly() { return {}; }

Command AddDumpCommand(CLI::App& app);
Command AddListCommand(CLI::App& app);
Command AddCsvCommand(CLI::App& app);
Command AddRunCommand(CLI::App& app);
Command AddExportCommand(CLI::App& app);
Command AddReportCommand(CLI::App& app);
Command AddCheckBoxCommand(CLI::App& app);
Command AddSummaryCommand(CLI::App& app);
Command AddRecoverCommand(CLI::App& app);
Command AddPlotCommand(CLI::App& app);

// Runs alacrity-report (beside this program, else on PATH) with the
// arguments and returns its exit status; a usage error when it cannot run.
int RunReportProgram(const std::vector<std::string>& arguments);

}  // namespace alacrity::cli
