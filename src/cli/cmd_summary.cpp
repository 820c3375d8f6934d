// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// summary: robust figures of each test (and of each shape) for analysis, as
// text to read, or as CSV or JSON for other programs. Nothing is printed
// unless every file was accepted.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

#include "cli_support.h"
#include "commands.h"
#include "data/text_encoding.h"
#include "exit_codes.h"
#include "results/summary_table.h"
#include "results/test_time_text.h"

namespace alacrity::cli {
namespace {

struct SummaryOptions {
  std::vector<std::string> files;
  std::string by = "test";
  std::string format = "text";
  std::string output;
};

// Rows with the CSV's keys; null where the CSV has an empty field.
std::string SummaryJsonText(const std::vector<TestSummaries>& tests) {
  using Json = nlohmann::ordered_json;
  Json rows = Json::array();
  for (const TestSummaries& test : tests) {
    for (const ResponseSummary& s : test.summaries) {
      Json row = {{"file", ToDisplayUtf8(test.fileLabel)},
                  {"subject", ToDisplayUtf8(test.subject.name)},
                  {"test_time_utc", FormatTestTimeIso(test.testTime)},
                  {"object", SummaryObjectKey(s.object)}};
      const auto figures = SummaryFigures(s);
      for (std::size_t c = 0; c < SummaryColumns.size(); ++c) {
        const SummaryColumn& column = SummaryColumns[c];
        const auto& value = figures[c];
        if (!value) {
          row[std::string(column.key)] = nullptr;
        } else if (column.integer) {
          row[std::string(column.key)] = static_cast<int>(*value);
        } else {
          row[std::string(column.key)] = *value;
        }
      }
      rows.push_back(std::move(row));
    }
  }
  return rows.dump(2) + "\n";
}

int RunSummary(const SummaryOptions& options) {
  std::vector<TestSummaries> tests;
  for (const std::string& file : EachFileOnce(options.files)) {
    const auto data = LoadTestDataOrReport(file);
    if (!data) return ExitRefused;
    TestSummaries test{file, data->subject, data->results.testTime, {}};
    if (options.by == "object") {
      test.summaries = SummarizeByObject(data->results);
    } else {
      test.summaries.push_back(SummarizeResponses(data->results));
    }
    tests.push_back(std::move(test));
  }
  std::string text;
  if (options.format == "csv") {
    text = SummaryCsvText(tests);
  } else if (options.format == "json") {
    text = SummaryJsonText(tests);
  } else {
    text = SummaryPlainText(tests);
  }
  return WriteOutput(options.output, text) ? ExitOk : ExitRefused;
}

}  // namespace

Command AddSummaryCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "summary",
      "Summarise each test data file: counts, error rate and robust statistics of the correct "
      "response times");
  auto options = std::make_shared<SummaryOptions>();
  command->add_option("FILES", options->files, "Test data files (.aly)")->required();
  command->add_option("--by", options->by, "One row per test, or per shape of each test")
      ->check(CLI::IsMember({"test", "object"}))
      ->default_str("test");
  command->add_option("--format", options->format, "text to read, csv or json for other programs")
      ->check(CLI::IsMember({"text", "csv", "json"}))
      ->default_str("text");
  command->add_option("-o,--output", options->output, "Output file (default: standard output)");
  const auto files = [options] {
    return CommandFiles{{options->files.begin(), options->files.end()}, {options->output}};
  };
  return {files, [options] { return RunSummary(*options); }};
}

}  // namespace alacrity::cli
