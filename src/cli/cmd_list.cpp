// list and csv: the result list of a test data file exactly as Copy All puts
// it on the clipboard and as Export csv writes it, in any of the views.

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli_support.h"
#include "commands.h"
#include "exit_codes.h"
#include "results/copy_text.h"
#include "results/result_rows.h"

namespace alacrity::cli {
namespace {

struct ViewOptions {
  std::string path;
  std::string view = "response";
  int split = 0;  // 0: the response count, as when the view is entered
  std::string object = "all";
};

const std::map<std::string, int32_t> ObjectFilters = {
    {"all", AllObjects}, {"circle", 0}, {"cross", 1}, {"square", 2}, {"triangle", 3},
};

void AddViewOptions(CLI::App& command, ViewOptions& options) {
  command.add_option("FILE", options.path, "Test data file (.aly)")->required();
  command.add_option("--view", options.view, "Which list: response, split or result")
      ->check(CLI::IsMember({"response", "split", "result"}))
      ->capture_default_str();
  command.add_option("--split", options.split,
                     "Responses per block of the split view (default: all responses in one block)")
      ->check(CLI::PositiveNumber);
  command.add_option("--object", options.object,
                     "Response view only: all, circle, cross, square or triangle")
      ->check(CLI::IsMember({"all", "circle", "cross", "square", "triangle"}))
      ->capture_default_str();
}

// The rows the list holds in the chosen view. The result view's hidden list
// holds the split summary of the whole test as one block.
std::vector<ResultRow> RowsOfView(const DocumentData& data, const ViewOptions& options) {
  const TestResults& results = data.results;
  if (options.view == "response") {
    return FillResponseByResponse(results, ObjectFilters.at(options.object));
  }
  int blockSize = options.view == "split" && options.split > 0 ? options.split : results.responseCount;
  if (blockSize < 1) blockSize = 1;  // an empty test has no blocks at all
  return FillSplitSummary(results, data.runConfiguration.falseResponse, blockSize).rows;
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

}  // namespace

CommandRunner AddListCommand(CLI::App& app) {
  CLI::App* command =
      app.add_subcommand("list", "Print the result list exactly as Copy All puts it on the clipboard");
  auto options = std::make_shared<ViewOptions>();
  AddViewOptions(*command, *options);
  return [command, options] {
    if (!CheckViewOptions(*command, *options)) return ExitUsage;
    const auto data = LoadTestDataOrReport(options->path);
    if (!data) return ExitRefused;
    const std::string text = CopyAllText(RowsOfView(*data, *options));
    return WriteOutput({}, text) ? ExitOk : ExitRefused;
  };
}

CommandRunner AddCsvCommand(CLI::App& app) {
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
  return [command, options, separator, output] {
    if (!CheckViewOptions(*command, *options)) return ExitUsage;
    const auto data = LoadTestDataOrReport(options->path);
    if (!data) return ExitRefused;
    const char sep = separator->empty() ? UserListSeparator() : (*separator)[0];
    const std::string text = CsvText(RowsOfView(*data, *options), sep, data->subject.name,
                                     TestDescription(data->runConfiguration), data->results.testTime);
    return WriteOutput(*output, text) ? ExitOk : ExitRefused;
  };
}

}  // namespace alacrity::cli
