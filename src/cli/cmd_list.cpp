// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// list and csv: the result list of a test data file exactly as Copy All puts
// it on the clipboard and as Export csv writes it, in any of the views.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli_support.h"
#include "commands.h"
#include "exit_codes.h"
#include "results/copy_text.h"
#include "view_options.h"

namespace alacrity::cli {

Command AddListCommand(CLI::App& app) {
  CLI::App* command =
      app.add_subcommand("list", "Print the result list exactly as Copy All puts it on the clipboard");
  auto options = std::make_shared<ViewOptions>();
  AddViewOptions(*command, *options);
  const auto run = [command, options] {
    if (!CheckViewOptions(*command, *options)) return ExitUsage;
    const auto data = LoadTestDataOrReport(options->path);
    if (!data) return ExitRefused;
    const std::string text = CopyAllText(RowsOfView(*data, *options).rows);
    return WriteOutput({}, text) ? ExitOk : ExitRefused;
  };
  return {PrintsOnly, run};
}

Command AddCsvCommand(CLI::App& app) {
  CLI::App* command =
      app.add_subcommand("csv", "Write the result list exactly as Export csv writes it");
  auto options = std::make_shared<ViewOptions>();
  AddViewOptions(*command, *options);
  auto separator = std::make_shared<std::string>();
  auto output = std::make_shared<std::string>();
  command->add_option("--separator", *separator,
                      "Field separator (default: ';' where the decimal separator is ',', else ',')")
      ->check([](const std::string& value) {
        return value.size() == 1 ? std::string() : std::string("the separator is one character");
      });
  command->add_option("-o,--output", *output, "Output file (default: standard output)");
  const auto files = [options, output] { return CommandFiles{{options->path}, {*output}}; };
  const auto run = [command, options, separator, output] {
    if (!CheckViewOptions(*command, *options)) return ExitUsage;
    const auto data = LoadTestDataOrReport(options->path);
    if (!data) return ExitRefused;
    const char sep = separator->empty() ? UserListSeparator() : (*separator)[0];
    const std::string text = CsvText(RowsOfView(*data, *options).rows, sep, data->subject.name,
                                     TestDescription(data->results), data->results.testTime);
    return WriteOutput(*output, text) ? ExitOk : ExitRefused;
  };
  return {files, run};
}

}  // namespace alacrity::cli
