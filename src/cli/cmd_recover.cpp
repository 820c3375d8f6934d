// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// recover: the data file of a test whose program died, from the journal it
// left behind, holding the results exactly as Stop would have left them
// after the last answer the journal kept.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "cli_support.h"
#include "commands.h"
#include "data/file_io.h"
#include "data/run_journal.h"
#include "engine/run_recovery.h"
#include "exit_codes.h"
#include "results/timing_report.h"

namespace alacrity::cli {
namespace {

int RunRecover(const std::filesystem::path& journal, const std::filesystem::path& output) {
  // Its test may still be answering: what it holds now is not its result.
  if (JournalIsHeld(journal)) {
    ReportRefusal(journal, MessageJournalInUse);
    return ExitRefused;
  }
  const FileRead file = ReadFileBytes(journal);
  if (!file) {
    ReportRefusal(journal, WithFailure(MessageErrorOpeningFile, file.failure));
    return ExitRefused;
  }
  const ParseResult<JournalImage> parsed =
      file->truncated ? ParseResult<JournalImage>{std::nullopt, MessageDamagedJournal}
                      : ParseRunJournal(file->bytes);
  if (!parsed.image) {
    ReportRefusal(journal, parsed.message);
    return ExitRefused;
  }
  auto document = NewDocument();
  RestoreJournalledRun(*parsed.image, *document);
  const JournalImage& image = *parsed.image;
  // The host times go beside the data file, as Save puts them.
  const std::optional<RunTiming> timing = JournalledTiming(image);
  if (!SaveTestDataOrReport(output, *document, timing ? &*timing : nullptr)) return ExitRefused;
  // A torn last write is expected after a power cut; say which answers it
  // cost.
  if (const std::size_t lost = DroppedAnswers(image); lost > 0) {
    const std::size_t first = image.answers.size() + 1;
    std::cerr << journal.string() << ": ";
    if (lost == 1) {
      std::cerr << "1 answer (stimulus " << first << ") was torn or damaged and was not restored\n";
    } else {
      std::cerr << lost << " answers (stimuli " << first << " to " << first + lost - 1
                << ") were torn or damaged and were not restored\n";
    }
  }
  std::cout << document->results.responseCount << " of " << image.setUp.schedule.size()
            << " stimuli answered, saved to " << output.string() << '\n';
  return ExitOk;
}

}  // namespace

Command AddRecoverCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "recover", "Write the data file of a test from the journal its program left behind");
  auto journal = std::make_shared<std::string>();
  auto output = std::make_shared<std::string>();
  command->add_option("JOURNAL", *journal, "The journal (.alyjournal)")->required();
  command->add_option("-o,--output", *output, "Test data file to write (.aly)")->required();
  const auto files = [journal, output] {
    return CommandFiles{{*journal}, {*output, TimingCsvPathFor(*output)}};
  };
  return {files, [journal, output] { return RunRecover(*journal, *output); }};
}

}  // namespace alacrity::cli
