// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// export: many test data files into one analysis-ready table. Nothing is
// written unless every file was accepted, so a batch never ends half done.

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "data_files.h"
#include "export_dataset.h"
#include "results/tidy_export.h"
#include "toolsupport/cli_support.h"
#include "toolsupport/exit_codes.h"

namespace alacrity::cli {
namespace {

struct ExportOptions {
  std::vector<std::string> files;
  std::string output;
  std::string format = "tidy";
  bool force = false;
};

int RunExport(const ExportOptions& options) {
  const std::vector<std::string> files = EachFileOnce(options.files);
  if (options.format != "tidy") {
    return ExportDataset(options.format, files, options.output, options.force);
  }
  std::string table = TidyCsvHeaderLine();
  for (const std::string& file : files) {
    const auto data = LoadTestDataOrReport(file);
    if (!data) return ExitRefused;
    const std::optional<RunTiming> timing = TimingRecordOrNote(file);
    AppendTidyCsvRows(table, file, data->subject, data->runConfiguration, data->results,
                      timing ? &*timing : nullptr);
  }
  return WriteOutput(options.output, table) ? ExitOk : ExitRefused;
}

}  // namespace

Command AddExportCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "export", "Write one tidy CSV table (UTF-8, RFC 4180) of every stimulus of the given test data files");
  auto options = std::make_shared<ExportOptions>();
  command->add_option("FILES", options->files, "Test data files (.aly)")->required();
  command->add_option("-o,--output", options->output, "Output file (default: standard output)");
  command->add_option("--format", options->format,
                      "tidy: one CSV table; psych-ds or bids: a dataset folder, named by -o")
      ->check(CLI::IsMember({"tidy", "psych-ds", "bids"}))
      ->default_str("tidy");
  command->add_flag("--force", options->force, "Replace an earlier dataset folder of alacrity");
  const auto files = [options] {
    return CommandFiles{{options->files.begin(), options->files.end()}, {options->output}};
  };
  return {files, [options] { return RunExport(*options); }};
}

}  // namespace alacrity::cli
