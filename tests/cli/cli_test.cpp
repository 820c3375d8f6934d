// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// alacrity-cli end to end: usage and exit codes, headless runs from byte
// streams and simulated subjects, and the list, csv, dump and export outputs
// checked against the core computed in-process.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

#include <memory>
#include <set>
#include <string>

#include "cli_runner.h"
#include "data/configuration_file.h"
#include "data/protocol_file.h"
#include "data/run_journal.h"
#include "data/test_data_file.h"
#include "results/copy_text.h"
#include "results/result_rows.h"
#include "results/summary_table.h"

namespace alacrity {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;
using testing::ReadAll;
using testing::RunCli;
using testing::TempDir;
using Json = nlohmann::json;

// A configuration with fixed 100 ms foreperiods (144 ticks) and only the given
// objects enabled, so a hand-made byte stream knows every phase.
std::filesystem::path WriteFixedConfiguration(const TempDir& dir, std::array<uint8_t, 4> objects,
                                              int32_t falseResponse = 0) {
  auto data = std::make_unique<DocumentData>();
  ApplyDefaultConfiguration(*data);
  data->customConfiguration.stimulusCount = 3;
  data->customConfiguration.timingMode = 1;
  data->customConfiguration.fixedTimeMs = 100;
  data->customConfiguration.generateObject = objects;
  data->customConfiguration.falseResponse = falseResponse;
  data->customVoice = {0, 40};
  data->portIndex = 2;
  const auto path = dir / "fixed.alycfg";
  EXPECT_TRUE(SaveConfiguration(path, *data));
  return path;
}

// Bytes from the start press to the onset of the next stimulus: the release
// byte starts the 144-tick foreperiod.
void AppendUntilOnset(std::string& stream) {
  stream += '\x00';
  stream.append(144, '\x00');
}

// `heldAfter` bytes of nothing, then the button: answered at tick heldAfter + 1.
void AppendAnswer(std::string& stream, int heldAfter, char nibble) {
  stream.append(static_cast<std::size_t>(heldAfter), '\x00');
  stream += nibble;
}

Json Dump(const std::filesystem::path& path) {
  const auto result = RunCli({"dump", path.string()});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  return Json::parse(result.out);
}

std::unique_ptr<DocumentData> Load(const std::filesystem::path& path) {
  auto data = std::make_unique<DocumentData>();
  EXPECT_TRUE(LoadTestData(path, *data).ok);
  return data;
}

TEST(CliUsage, ExitCodesForHelpVersionAndMistakes) {
  EXPECT_EQ(RunCli({}).exitCode, 2);
  EXPECT_EQ(RunCli({"frobnicate"}).exitCode, 2);
  EXPECT_EQ(RunCli({"--help"}).exitCode, 0);
  EXPECT_THAT(RunCli({"--version"}).out, StartsWith("alacrity-cli "));
  EXPECT_THAT(RunCli({"--version"}).out, HasSubstr("License GPL-3.0-or-later"));
  for (const char* command : {"dump", "list", "csv", "run", "export", "summary"}) {
    const auto help = RunCli({command, "--help"});
    EXPECT_EQ(help.exitCode, 0) << command;
    EXPECT_THAT(help.out, HasSubstr("Usage")) << command;
  }
  EXPECT_EQ(RunCli({"list"}).exitCode, 2);
  EXPECT_EQ(RunCli({"list", "x.aly", "--view", "table"}).exitCode, 2);
  EXPECT_EQ(RunCli({"list", "x.aly", "--split", "0", "--view", "split"}).exitCode, 2);
  EXPECT_EQ(RunCli({"list", "x.aly", "--object", "circle", "--view", "split"}).exitCode, 2);
  EXPECT_EQ(RunCli({"csv", "x.aly", "--separator", ";;"}).exitCode, 2);
  EXPECT_EQ(RunCli({"run", "-o", "x.aly"}).exitCode, 2);  // neither stream nor subject
  EXPECT_EQ(RunCli({"run", "--subject", "300,-1", "-o", "x.aly"}).exitCode, 2);
  EXPECT_EQ(RunCli({"run", "--subject", "300", "--count", "1200", "-o", "x.aly"}).exitCode, 2);
  EXPECT_EQ(RunCli({"run", "--subject", "300", "--stream", "s", "-o", "x.aly"}).exitCode, 2);
}

TEST(CliRefusals, MissingForeignAndDamagedFilesExitOneWithTheMessage) {
  TempDir dir;
  const auto missing = RunCli({"list", (dir / "none.aly").string()});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_THAT(missing.err, HasSubstr("Error opening file"));

  const auto config = WriteFixedConfiguration(dir, {1, 1, 1, 1});
  const auto foreign = RunCli({"list", config.string()});
  EXPECT_EQ(foreign.exitCode, 1);
  EXPECT_THAT(foreign.err, HasSubstr("Incompatible data"));

  testing::WriteAll(dir / "junk.bin", "not a file of ours");
  EXPECT_EQ(RunCli({"dump", (dir / "junk.bin").string()}).exitCode, 1);

  // A data file cut inside its entries is refused whole.
  ASSERT_EQ(RunCli({"run", "--count", "5", "--subject", "300", "--seed", "1", "-o",
                    (dir / "ok.aly").string()})
                .exitCode,
            0);
  const std::string bytes = ReadAll(dir / "ok.aly");
  testing::WriteAll(dir / "cut.aly", bytes.substr(0, bytes.size() - 30));
  const auto cut = RunCli({"csv", (dir / "cut.aly").string()});
  EXPECT_EQ(cut.exitCode, 1);
  EXPECT_THAT(cut.err, HasSubstr("Damaged data file"));
  EXPECT_TRUE(cut.out.empty());
}

TEST(CliRefusals, AFifoIsRefusedAtOnceWhereverAFileIsRead) {
  TempDir dir;
  const std::string fifo = (dir / "f.aly").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string out = (dir / "out.aly").string();
  const std::vector<std::vector<std::string>> commands = {
      {"dump", fifo},
      {"list", fifo},
      {"csv", fifo},
      {"export", fifo},
      {"run", "--stream", fifo, "-o", out},
      {"run", "--config", fifo, "--subject", "300", "-o", out},
      {"run", "--protocol", fifo, "--subject", "300", "-o", out},
  };
  for (const auto& command : commands) {
    const auto result = RunCli(command, {.limit = std::chrono::seconds(30)});
    EXPECT_EQ(result.exitCode, 1) << command[0] << " " << command[1];
    EXPECT_THAT(result.err, HasSubstr("f.aly: Error opening file\n" + fifo +
                                      ": Is not a regular file (a pipe, device or socket)"))
        << command[0];
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST(CliRefusals, AnOutputThatIsAnInputIsRefusedAndTheInputKept) {
  TempDir dir;
  const auto file = dir / "t.aly";
  ASSERT_EQ(RunCli({"run", "--count", "3", "--subject", "300", "--seed", "1", "-o", file.string()})
                .exitCode,
            0);
  const auto second = dir / "second.aly";
  std::filesystem::copy_file(file, second);
  std::filesystem::create_symlink(file, dir / "symlink.aly");
  std::filesystem::create_hard_link(file, dir / "hardlink.aly");
  testing::WriteAll(dir / "stream.bin", std::string(100, '\x01'));
  std::string error;
  auto journal = RunJournal::Create(dir.path(), JournalSetUp{}, error);
  ASSERT_NE(journal, nullptr) << error;
  const std::string j = journal->Path().string();
  journal.reset();
  const std::string original = ReadAll(file);
  const std::string stream = ReadAll(dir / "stream.bin");
  const std::string journalled = ReadAll(j);

  const std::string t = file.string();
  const std::vector<std::vector<std::string>> commands = {
      {"csv", t, "-o", t},
      {"csv", t, "-o", (dir / "symlink.aly").string()},
      {"csv", t, "-o", (dir / "hardlink.aly").string()},
      {"export", second.string(), t, "-o", t},
      {"run", "--stream", (dir / "stream.bin").string(), "-o", (dir / "stream.bin").string()},
      {"summary", t, "-o", t},
      {"recover", j, "-o", j},
  };
  for (const auto& command : commands) {
    const auto result = RunCli(command);
    EXPECT_EQ(result.exitCode, 1) << command.back();
    EXPECT_THAT(result.err, HasSubstr("is the same file as the input")) << command.back();
  }
  EXPECT_EQ(ReadAll(file), original);
  EXPECT_EQ(ReadAll(dir / "stream.bin"), stream);
  EXPECT_EQ(ReadAll(j), journalled);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "symlink.aly"));
}

TEST(CliOutput, EveryCommandSaysWhenStandardOutputCannotBeWritten) {
  TempDir dir;
  const std::string file = (dir / "t.aly").string();
  ASSERT_EQ(RunCli({"run", "--count", "3", "--subject", "300", "--seed", "1", "-o", file}).exitCode,
            0);
  const std::vector<std::vector<std::string>> commands = {
      {"dump", file},
      {"list", file},
      {"csv", file},
      {"export", file},
      {"run", "--count", "3", "--subject", "300", "-o", (dir / "again.aly").string()},
      {"--help"},
  };
  const struct {
    testing::StandardOutput output;
    const char* reason;
  } outputs[] = {
      {testing::StandardOutput::Full, "standard output: No space left on device"},
      {testing::StandardOutput::Closed, "standard output: Bad file descriptor"},
  };
  for (const auto& [output, reason] : outputs) {
    for (const auto& command : commands) {
      const auto result = RunCli(command, {.output = output});
      EXPECT_EQ(result.exitCode, 1) << command[0] << " " << reason;
      EXPECT_THAT(result.err, HasSubstr(reason)) << command[0];
    }
  }
}

TEST(CliRun, ByteStreamGivesExactTickTimesAndNormalisedButtons) {
  TempDir dir;
  const auto config = WriteFixedConfiguration(dir, {1, 0, 0, 0});  // circles only
  std::string stream = "\x01";  // any button starts the test
  AppendUntilOnset(stream);
  AppendAnswer(stream, 432, '\x01');  // 433 ticks: 300.6752 ms -> 300
  AppendUntilOnset(stream);
  stream.append(120, '\x01');  // held from onset: counts at the 100th byte, 69 ms
  AppendUntilOnset(stream);
  AppendAnswer(stream, 1439, '\x03');  // a chord after 1440 ticks: 999 ms, false
  stream.append(500, '\x00');          // bytes after the end change nothing
  testing::WriteAll(dir / "stream.bin", stream);

  const auto out = dir / "run.aly";
  const auto result = RunCli({"run", "--config", config.string(), "--stream", (dir / "stream.bin").string(),
                              "--time", "1173103389", "-o", out.string()});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("3 of 3 stimuli answered"));

  const Json dump = Dump(out);
  EXPECT_EQ(dump["format"], "testdata");
  EXPECT_EQ(dump["responseCount"], 3);
  EXPECT_EQ(dump["testTime"], 1173103389);
  EXPECT_EQ(dump["runConfiguration"]["stimulusCount"], 3);
  EXPECT_EQ(dump["runConfiguration"]["fixedTimeMs"], 100);
  EXPECT_EQ(dump["runVoice"], (Json{{"voiceSignal", 0}, {"voiceLeadMs", 40}}));
  const Json& entries = dump["entries"];
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[1], (Json{{"responseMs", 300}, {"objectIndex", 0}, {"buttonIndex", 0}, {"generationMs", 100}}));
  EXPECT_EQ(entries[2]["responseMs"], 69);
  EXPECT_EQ(entries[2]["buttonIndex"], 0);
  EXPECT_EQ(entries[3], (Json{{"responseMs", 999}, {"objectIndex", 4}, {"buttonIndex", 5}, {"generationMs", 100}}));
}

TEST(CliRun, StreamEndingEarlyKeepsTheAnsweredStimuliAsStopDoes) {
  TempDir dir;
  const auto config = WriteFixedConfiguration(dir, {0, 0, 1, 0});  // squares only
  std::string stream = "\x04";
  AppendUntilOnset(stream);
  AppendAnswer(stream, 200, '\x04');
  AppendUntilOnset(stream);  // the box goes quiet during stimulus 2
  testing::WriteAll(dir / "stream.bin", stream);

  const auto out = dir / "run.aly";
  const auto result = RunCli({"run", "--config", config.string(), "--count", "7", "--stream",
                              (dir / "stream.bin").string(), "-o", out.string()});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const Json dump = Dump(out);
  EXPECT_EQ(dump["responseCount"], 1);
  EXPECT_EQ(dump["runConfiguration"]["stimulusCount"], 7);  // --count is what Perform stores
  EXPECT_EQ(dump["entries"][1]["responseMs"], 139);          // 201 ticks
  EXPECT_EQ(dump["entries"][1]["objectIndex"], 2);
}

TEST(CliRun, SimulatedSubjectIsDeterministicForASeedAndAnswersEveryStimulus) {
  TempDir dir;
  const auto first = dir / "a.aly";
  const auto second = dir / "b.aly";
  for (const auto& out : {first, second}) {
    const auto result = RunCli({"run", "--count", "40", "--subject", "320,40,0.2", "--seed", "77",
                                "--time", "1000000000", "-o", out.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
  }
  EXPECT_EQ(ReadAll(first), ReadAll(second));

  const auto data = Load(first);
  ASSERT_EQ(data->results.responseCount, 40);
  int correct = 0;
  for (int i = 1; i <= 40; ++i) {
    const auto index = static_cast<std::size_t>(i);
    EXPECT_GE(data->results.responseMs[index], 69);
    EXPECT_GE(data->results.generationMs[index], 200);  // built-in limits 200..1000 ms
    EXPECT_LE(data->results.generationMs[index], 1000);
    correct += IsCorrect(data->results, i) ? 1 : 0;
  }
  EXPECT_GT(correct, 20);  // an error rate of 0.2 leaves most answers right
  EXPECT_LT(correct, 40);
}

// A run has no host times: the record of the file it replaces must not stay
// beside it as if it were the run's.
TEST(CliRun, TheTimingRecordOfAReplacedFileGoesWithIt) {
  TempDir dir;
  testing::WriteAll(dir / "t.timing.csv",
                    "stimulus,onset_byte,onset_host_ns,painted_host_ns,display_delay_ms,"
                    "response_byte,response_host_ns\r\n1,433,5000000000,,,733,5208000000\r\n");
  const auto result = RunCli({"run", "--count", "3", "--subject", "300", "--seed", "1", "-o",
                              (dir / "t.aly").string()});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "t.timing.csv"));
}

TEST(CliRun, ProtocolRunPresentsTheItemsInOrder) {
  TempDir dir;
  auto data = std::make_unique<DocumentData>();
  data->protocol.name = "three";
  data->protocol.header = {.itemCount = 3, .background = 3, .falseResponse = 1,
                           .squareColor = 3, .circleColor = 2, .triangleColor = 1, .crossColor = 0};
  data->protocol.items[0] = {1500, 3};
  data->protocol.items[1] = {0, 1};
  data->protocol.items[2] = {700, 2};
  const auto protocol = dir / "p.alyprt";
  ASSERT_TRUE(SaveProtocol(protocol, *data).ok);

  const auto out = dir / "run.aly";
  const auto result = RunCli({"run", "--protocol", protocol.string(), "--subject", "300,30",
                              "--seed", "5", "-o", out.string()});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const Json dump = Dump(out);
  EXPECT_EQ(dump["responseCount"], 3);
  EXPECT_EQ(dump["entries"][1]["generationMs"], 1500);
  EXPECT_EQ(dump["entries"][1]["objectIndex"], 3);
  EXPECT_EQ(dump["entries"][2]["generationMs"], 0);
  EXPECT_EQ(dump["entries"][3]["objectIndex"], 2);
  // The protocol's colours and rules; the timing fields stay as a fresh program holds them.
  EXPECT_EQ(dump["runConfiguration"]["background"], 3);
  EXPECT_EQ(dump["runConfiguration"]["falseResponse"], 1);
  EXPECT_EQ(dump["runConfiguration"]["squareColor"], 3);
  EXPECT_EQ(dump["runConfiguration"]["randomUpperMs"], 0);

  EXPECT_EQ(RunCli({"run", "--protocol", protocol.string(), "--count", "4", "--subject", "300",
                    "-o", out.string()})
                .exitCode,
            2);
}

TEST(CliRun, ImpossibleSetUpIsRefusedAndWritesNothing) {
  TempDir dir;
  const auto config = WriteFixedConfiguration(dir, {0, 0, 0, 0});
  const auto out = dir / "run.aly";
  const auto result =
      RunCli({"run", "--config", config.string(), "--subject", "300", "-o", out.string()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_FALSE(result.err.empty());
  EXPECT_FALSE(std::filesystem::exists(out));
}

class CliListings : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto result = RunCli({"run", "--count", "23", "--subject", "300,80,0.25", "--seed", "9",
                                "--time", "1173103389", "-o", m_file.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    m_data = Load(m_file);
  }

  TempDir m_dir;
  std::filesystem::path m_file = m_dir / "t.aly";
  std::unique_ptr<DocumentData> m_data;
};

TEST_F(CliListings, ListPrintsExactlyTheCopyAllTextOfEachView) {
  const TestResults& results = m_data->results;
  const int32_t mode = m_data->runConfiguration.falseResponse;
  EXPECT_EQ(RunCli({"list", m_file.string()}).out,
            CopyAllText(FillResponseByResponse(results, AllObjects)));
  EXPECT_EQ(RunCli({"list", m_file.string(), "--object", "square"}).out,
            CopyAllText(FillResponseByResponse(results, 2)));
  EXPECT_EQ(RunCli({"list", m_file.string(), "--view", "split", "--split", "5"}).out,
            CopyAllText(FillSplitSummary(results, mode, 5).rows));
  const std::string oneBlock = CopyAllText(FillSplitSummary(results, mode, 23).rows);
  EXPECT_EQ(RunCli({"list", m_file.string(), "--view", "split"}).out, oneBlock);
  EXPECT_EQ(RunCli({"list", m_file.string(), "--view", "result"}).out, oneBlock);
  EXPECT_THAT(oneBlock, HasSubstr("Total responses:"));
  EXPECT_THAT(oneBlock, StartsWith("No  Object  Generation Time  Alacrity Time  Total Time  Quality  \r\n"));
}

TEST_F(CliListings, CsvWritesTheExportTextToAFileOrStandardOutput) {
  const auto rows = FillResponseByResponse(m_data->results, AllObjects);
  const std::string expected =
      CsvText(rows, ';', "", TestDescription(m_data->results), 1173103389);
  const auto toStdout = RunCli({"csv", m_file.string(), "--separator", ";"});
  ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err;
  EXPECT_EQ(toStdout.out, expected);
  EXPECT_THAT(expected, StartsWith("Name: \r\nTest: Custom  Times "));
  EXPECT_THAT(expected, HasSubstr(" ms\r\nDate: 05.03.2007  at  14:03:09\r\n\r\nNo;Object;"));

  const auto out = m_dir / "t.csv";
  ASSERT_EQ(RunCli({"csv", m_file.string(), "--separator", ";", "-o", out.string()}).exitCode, 0);
  EXPECT_EQ(ReadAll(out), expected);

  // LC_ALL=C has "." as decimal point, so the default separator is ",".
  EXPECT_THAT(RunCli({"csv", m_file.string()}).out, HasSubstr("\r\nNo,Object,Generation Time,"));
}

TEST_F(CliListings, ExportMakesOneTidyTableOfManyFiles) {
  m_data->subject.name = "Doe, \"Jo\"";
  const auto second = m_dir / "second.aly";
  ASSERT_TRUE(SaveTestData(second, *m_data).ok);

  const auto result = RunCli({"export", m_file.string(), second.string()});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = result.out.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(result.out.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 1u + 23u + 23u);
  EXPECT_THAT(lines[0], StartsWith("file,subject,test_time_utc,stimulus,object,"));
  EXPECT_THAT(lines[1], StartsWith(m_file.string() + ",,2007-03-05T14:03:09Z,1,"));
  EXPECT_THAT(lines[24], StartsWith(second.string() + ",\"Doe, \"\"Jo\"\"\",2007-03-05T14:03:09Z,1,"));

  // One refused file and nothing is written.
  const auto out = m_dir / "all.csv";
  EXPECT_EQ(RunCli({"export", m_file.string(), (m_dir / "missing.aly").string(), "-o", out.string()})
                .exitCode,
            1);
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliListings, SummaryPrintsTheFiguresOfTheCoreInEachFormat) {
  TestSummaries test{m_file.string(), m_data->subject, m_data->results.testTime,
                     SummarizeByObject(m_data->results)};
  const auto csv = RunCli({"summary", "--by", "object", "--format", "csv", m_file.string()});
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  EXPECT_EQ(csv.out, SummaryCsvText({test}));

  const auto copy = m_dir / "copy.aly";
  std::filesystem::copy_file(m_file, copy);
  const auto json = RunCli({"summary", "--format", "json", m_file.string(), copy.string()});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  const Json rows = Json::parse(json.out);
  ASSERT_EQ(rows.size(), 2u);
  const ResponseSummary whole = SummarizeResponses(m_data->results);
  EXPECT_EQ(rows[0]["object"], "all");
  EXPECT_EQ(rows[0]["false"], whole.falseCount);
  EXPECT_EQ(rows[0]["median_ms"].get<double>(), *whole.correctTimes.median);

  EXPECT_THAT(RunCli({"summary", m_file.string()}).out,
              HasSubstr("read it beside the time and the error rate"));
  EXPECT_EQ(RunCli({"summary", "--format", "xml", m_file.string()}).exitCode, 2);
}

TEST_F(CliListings, AFileNamedTwiceIsTakenOnce) {
  std::filesystem::create_hard_link(m_file, m_dir / "link.aly");
  const std::vector<std::string> names = {m_file.string(), (m_dir / "." / "t.aly").string(),
                                          (m_dir / "link.aly").string()};
  const auto with = [&](std::vector<std::string> command) {
    command.insert(command.end(), names.begin(), names.end());
    const auto result = RunCli(command);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(result.err, HasSubstr("is the same file as " + m_file.string() + "; taken once"));
    return result;
  };
  EXPECT_EQ(Json::parse(with({"summary", "--format", "json"}).out).size(), 1u);
  const std::string table = with({"export"}).out;
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 1 + 23);
  const auto folder = m_dir / "bids";
  with({"export", "--format", "bids", "-o", folder.string()});
  const auto runs = folder / "sub-unnamed" / "beh";
  EXPECT_TRUE(std::filesystem::exists(runs / "sub-unnamed_task-choicert_run-1_beh.tsv"));
  EXPECT_FALSE(std::filesystem::exists(runs / "sub-unnamed_task-choicert_run-2_beh.tsv"));
}

TEST_F(CliListings, DatasetFolderIsReplacedOnlyWithForceAndNeverHoldingAnInput) {
  const auto folder = m_dir / "dataset";
  const auto earlier = m_dir / "earlier";
  ASSERT_EQ(RunCli({"export", "--format", "bids", "-o", earlier.string(), m_file.string()}).exitCode,
            0);
  for (const char* format : {"psych-ds", "bids"}) {
    const auto command = [&](const std::filesystem::path& target, bool force) {
      std::vector<std::string> arguments = {"export", "--format", format, "-o", target.string(),
                                            m_file.string()};
      if (force) arguments.push_back("--force");
      return RunCli(arguments);
    };
    // A folder of the lab's own is never replaced.
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    testing::WriteAll(folder / "notes.txt", "mine");
    for (const bool force : {false, true}) {
      const auto refused = command(folder, force);
      EXPECT_EQ(refused.exitCode, 1) << format;
      EXPECT_THAT(refused.err, HasSubstr("no earlier dataset of ours")) << format;
      EXPECT_EQ(ReadAll(folder / "notes.txt"), "mine") << format;
    }
    // An earlier dataset of ours is, with --force: the BIDS one by the Psych-DS
    // export, and that one by the BIDS export.
    EXPECT_THAT(command(earlier, false).err, HasSubstr("--force replaces it")) << format;
    EXPECT_EQ(command(earlier, true).exitCode, 0) << format;
    EXPECT_TRUE(std::filesystem::exists(earlier / "dataset_description.json")) << format;
  }

  // "." names no folder that could be swapped out; nothing is left behind in it.
  const auto entries = [&] {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(earlier)) {
      names.insert(entry.path().lexically_relative(earlier).string());
    }
    return names;
  };
  const auto before = entries();
  const auto dot = RunCli({"export", "--format", "bids", "-o", ".", "--force", m_file.string()},
                          {.directory = earlier});
  EXPECT_EQ(dot.exitCode, 1);
  EXPECT_THAT(dot.err, HasSubstr("not . or .."));
  EXPECT_EQ(entries(), before);

  // A long subject name makes a file name longer than the file system takes:
  // refused before anything is written, naming it.
  m_data->subject.name = std::string(300, 'a');
  ASSERT_TRUE(SaveTestData(m_dir / "long.aly", *m_data).ok);
  const auto fresh = m_dir / "fresh";
  const auto tooLong =
      RunCli({"export", "--format", "bids", "-o", fresh.string(), (m_dir / "long.aly").string()});
  EXPECT_EQ(tooLong.exitCode, 1);
  EXPECT_THAT(tooLong.err, HasSubstr("sub-" + std::string(300, 'a') + " is too long"));
  EXPECT_FALSE(std::filesystem::exists(fresh));

  // Replacing the folder would delete the test data file kept in it.
  const auto inside = folder / "kept.aly";
  std::filesystem::copy_file(m_file, inside);
  const auto kept =
      RunCli({"export", "--format", "bids", "-o", folder.string(), "--force", inside.string()});
  EXPECT_EQ(kept.exitCode, 1);
  EXPECT_TRUE(std::filesystem::exists(inside));
  EXPECT_EQ(RunCli({"export", "--format", "bids", m_file.string()}).exitCode, 2);
}

TEST(CliDump, ConfigurationAndProtocolFilesShowTheirMembers) {
  TempDir dir;
  const auto config = WriteFixedConfiguration(dir, {1, 0, 1, 0});
  Json dump = Dump(config);
  EXPECT_EQ(dump["format"], "configuration");
  EXPECT_EQ(dump["portIndex"], 2);
  EXPECT_EQ(dump["customConfiguration"]["generateObject"], Json::array({1, 0, 1, 0}));
  EXPECT_EQ(dump["reservedValue"], 5);
  EXPECT_EQ(dump["customVoice"]["voiceLeadMs"], 40);

  // A file ending after the configuration record reaches no further.
  testing::WriteAll(dir / "short.alycfg", ReadAll(config).substr(0, 69));
  dump = Dump(dir / "short.alycfg");
  EXPECT_EQ(dump["customConfiguration"]["fixedTimeMs"], 100);
  EXPECT_TRUE(dump["reservedValue"].is_null());
  EXPECT_TRUE(dump["customVoice"].is_null());

  auto data = std::make_unique<DocumentData>();
  data->protocol.name = "Ca\xe7";  // Latin-1 from an older 8-bit file
  data->protocol.header.itemCount = 1;
  data->protocol.items[0] = {900, 1};
  ASSERT_TRUE(SaveProtocol(dir / "p.alyprt", *data).ok);
  dump = Dump(dir / "p.alyprt");
  EXPECT_EQ(dump["format"], "protocol");
  EXPECT_EQ(dump["name"], "Ca\xc3\xa7");
  EXPECT_EQ(dump["header"]["itemCount"], 1);
  ASSERT_EQ(dump["items"].size(), 2u);
  EXPECT_EQ(dump["items"][0], (Json{{"generationMs", 900}, {"object", 1}}));
}

}  // namespace
}  // namespace alacrity
