// export: many test data files into one analysis-ready table. Nothing is
// written unless every file was accepted, so a batch never ends half done.

#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

#include "cli_support.h"
#include "commands.h"
#include "exit_codes.h"
#include "results/tidy_export.h"

namespace alacrity::cli {
namespace {

struct ExportOptions {
  std::vector<std::string> files;
  std::string output;
};

int RunExport(const ExportOptions& options) {
  if (OutputIsAnInput(options.output, {options.files.begin(), options.files.end()})) {
    return ExitRefused;
  }
  std::string table = TidyCsvHeaderLine();
  for (const std::string& file : options.files) {
    const auto data = LoadTestDataOrReport(file);
    if (!data) return ExitRefused;
    AppendTidyCsvRows(table, file, data->subject, data->runConfiguration, data->results);
  }
  return WriteOutput(options.output, table) ? ExitOk : ExitRefused;
}

}  // namespace

CommandRunner AddExportCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "export", "Write one tidy CSV table (UTF-8, RFC 4180) of every stimulus of the given test data files");
  auto options = std::make_shared<ExportOptions>();
  command->add_option("FILES", options->files, "Test data files (.aly)")->required();
  command->add_option("-o,--output", options->output, "Output file (default: standard output)");
  return [options] { return RunExport(*options); };
}

}  // namespace alacrity::cli
