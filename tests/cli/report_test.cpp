// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// alacrity-cli report end to end: the PDF that alacrity-report paints, read
// back with poppler's pdftotext and pdfinfo, for the page arithmetic, the
// texts of each page and each kind of report, and the ways it can fail.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "data/test_data_file.h"
#include "results/report_pages.h"
#include "results/timing_csv_file.h"
#include "results/view_rows.h"

namespace alacrity {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::RunCli;
using testing::RunProgram;
using testing::TempDir;

bool HavePoppler() {
  return RunProgram("pdfinfo", {"-v"}).exitCode == 0 &&
         RunProgram("pdftotext", {"-v"}).exitCode == 0;
}

// Stimulus j shows object (j - 1) % 4 and is answered with its own button.
std::unique_ptr<DocumentData> TestOf(int count) {
  auto data = std::make_unique<DocumentData>();
  ApplyDefaultConfiguration(*data);
  data->subject.name = "Ada Tester";
  data->results.responseCount = count;
  data->results.testTime = 1173103389;
  for (int j = 1; j <= count; ++j) {
    const auto i = static_cast<std::size_t>(j);
    data->results.objectIndex[i] = (j - 1) % 4;
    data->results.buttonIndex[i] = (j - 1) % 4;
    data->results.generationMs[i] = 1000 + 10 * j;
    data->results.responseMs[i] = 300 + j;
  }
  return data;
}

int Pages(const std::filesystem::path& pdf) {
  const auto info = RunProgram("pdfinfo", {pdf.string()});
  std::istringstream lines(info.out);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  }
  return -1;
}

std::string PageText(const std::filesystem::path& pdf, int page) {
  const std::string number = std::to_string(page);
  return RunProgram("pdftotext", {"-layout", "-f", number, "-l", number, pdf.string(), "-"}).out;
}

// The stimulus numbers that begin the table rows of a page.
std::vector<int> StimulusNumbers(const std::string& text) {
  static const std::regex row(R"(^\s*(\d+)\s+(Circle|Cross|Square|Triangel)\s)");
  std::vector<int> numbers;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_search(line, match, row)) numbers.push_back(std::stoi(match[1]));
  }
  return numbers;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> numbers;
  for (int i = first; i <= last; ++i) numbers.push_back(i);
  return numbers;
}

class CliReport : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HavePoppler()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are needed";
  }

  std::filesystem::path Write(int count) {
    const auto path = m_dir / ("t" + std::to_string(count) + ".aly");
    auto data = TestOf(count);
    EXPECT_TRUE(SaveTestData(path, *data).ok);
    return path;
  }

  std::filesystem::path Report(const std::filesystem::path& file,
                               std::vector<std::string> options) {
    const auto pdf = m_dir / (file.stem().string() + "-" + std::to_string(++m_reports) + ".pdf");
    std::vector<std::string> arguments = {"report", file.string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.insert(arguments.end(), {"-o", pdf.string()});
    const auto result = RunCli(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return pdf;
  }

  TempDir m_dir;
  int m_reports = 0;
};

TEST_F(CliReport, PageCountsFollowTheRowsOfTheList) {
  for (const auto& [rows, pages] : {std::pair{24, 1}, {25, 2}, {51, 2}, {52, 3}}) {
    const auto pdf = Report(Write(rows), {});
    EXPECT_EQ(Pages(pdf), pages) << rows;
    EXPECT_EQ(PageCount(rows), pages);
    EXPECT_THAT(PageText(pdf, pages),
                HasSubstr("Page: " + std::to_string(pages) + "/" + std::to_string(pages)));
  }
}

TEST_F(CliReport, EachPageHasItsTitleNumberAndRowsAndOnlyTheFirstTheHeaderBlock) {
  const auto pdf = Report(Write(52), {"--view", "response"});
  const std::string first = PageText(pdf, 1);
  EXPECT_THAT(first, HasSubstr("DIGITAL REPORT"));
  EXPECT_THAT(first, HasSubstr("Page: 1/3"));
  EXPECT_THAT(first, HasSubstr("Name: Ada Tester"));
  EXPECT_THAT(first, HasSubstr("Total: 52"));
  EXPECT_THAT(first, HasSubstr("Generation Time (ms)"));
  EXPECT_EQ(StimulusNumbers(first), Range(1, 24));

  // Page 2 shows the list rows 24 to 50 (stimuli 25 to 51) under the titles.
  const std::string second = PageText(pdf, 2);
  EXPECT_THAT(second, HasSubstr("DIGITAL REPORT"));
  EXPECT_THAT(second, HasSubstr("Page: 2/3"));
  EXPECT_THAT(second, Not(HasSubstr("Name:")));
  EXPECT_THAT(second, Not(HasSubstr("Background:")));
  EXPECT_THAT(second, HasSubstr("Alacrity Time (ms)"));
  EXPECT_EQ(StimulusNumbers(second), Range(25, 51));
  EXPECT_THAT(second, HasSubstr("1260"));  // generation time of stimulus 26
  EXPECT_EQ(StimulusNumbers(PageText(pdf, 3)), Range(52, 52));
}

TEST_F(CliReport, EveryViewPrintsItsOwnReport) {
  const auto file = Write(30);
  auto data = TestOf(30);

  const auto split = Report(file, {"--view", "split", "--split", "5"});
  const auto splitRows = RowsOfView(data->results, data->runConfiguration.falseResponse,
                                    ResultView::SplitSummary, AllObjects, 5);
  EXPECT_EQ(Pages(split), PageCount(static_cast<int>(splitRows.rows.size())));
  EXPECT_THAT(PageText(split, 1), HasSubstr("SPLIT REPORT"));
  EXPECT_THAT(PageText(split, 1), HasSubstr("Mean alacrity time(ms):"));

  // The result report pages through the whole test as one block.
  const auto result = Report(file, {"--view", "result"});
  const auto oneBlock = RowsOfView(data->results, data->runConfiguration.falseResponse,
                                   ResultView::Result, AllObjects, 0);
  EXPECT_EQ(Pages(result), PageCount(static_cast<int>(oneBlock.rows.size())));
  const std::string page = PageText(result, 1);
  EXPECT_THAT(page, HasSubstr("Result of Your Alacrity test"));
  EXPECT_THAT(page, HasSubstr("Alacrity time average:"));
  EXPECT_THAT(page, HasSubstr("316 ms"));  // (301 + ... + 330) / 30 = 315.5
  EXPECT_THAT(page, Not(HasSubstr("Generation Time")));

  const auto squares = Report(file, {"--object", "square"});
  EXPECT_EQ(StimulusNumbers(PageText(squares, 1)), (std::vector<int>{3, 7, 11, 15, 19, 23, 27}));
}

// The leftmost edge (in points) of the word `word` on page 1, from
// The result page carries the timing report of the record saved beside the
// data file, as the window prints it; a record that no longer belongs to
// the file is told and left out.
TEST_F(CliReport, TheResultPageShowsTheTimingRecordThatBelongsToTheFile) {
  const auto file = m_dir / "timed.aly";
  auto data = TestOf(3);
  RunTiming timing;
  for (int32_t i = 1; i <= 3; ++i) {
    StimulusTiming stimulus;
    stimulus.stimulus = i;
    stimulus.onsetByte = 1000 * i;
    stimulus.onsetHostNs = i * 1'000'000'000LL;
    stimulus.responseByte = stimulus.onsetByte + 300 + i;
    stimulus.presented = {stimulus.onsetHostNs + 9'000'000, 16'666'667, i, PresentMode::Copy,
                          PresentQuality::FrameBounded};
    timing.stimuli.push_back(stimulus);
  }
  ASSERT_TRUE(SaveTestDataAndTiming(file, *data, &timing).data.ok);
  const std::string page = PageText(Report(file, {"--view", "result"}), 1);
  EXPECT_THAT(page, HasSubstr("Onset to presented: median 9.00 ms"));
  EXPECT_THAT(page, HasSubstr("Presentation times: frame-bounded (known to within one refresh)"));

  data->subject.comment1 = "changed";
  ASSERT_TRUE(SaveTestData(file, *data).ok);  // saved again without its record
  const auto pdf = m_dir / "foreign.pdf";
  const auto result = RunCli({"report", file.string(), "--view", "result", "-o", pdf.string()});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_THAT(result.err, HasSubstr("timed.timing.csv: was written for another save of"));
  EXPECT_THAT(PageText(pdf, 1), Not(HasSubstr("Onset to presented")));
}

// pdftotext's word boxes; negative when it is not there.
double WordLeft(const std::filesystem::path& pdf, const std::string& word) {
  const auto result = RunProgram("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf.string(), "-"});
  const std::regex box("<word xMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
  double left = -1;
  for (auto it = std::sregex_iterator(result.out.begin(), result.out.end(), box);
       it != std::sregex_iterator(); ++it) {
    const double x = std::stod((*it)[1].str());
    if (left < 0 || x < left) left = x;
  }
  return left;
}

TEST_F(CliReport, StatisticsLabelsAreSetSmallerRatherThanCutOff) {
  auto data = TestOf(30);
  data->results.buttonIndex[2] = 5;  // one answer with two buttons: a false response
  data->results.objectIndex[2] = 4;
  const auto file = m_dir / "false.aly";
  ASSERT_TRUE(SaveTestData(file, *data).ok);
  const auto pdf = Report(file, {"--view", "split", "--split", "10"});
  // The title stands 10 mm right of the table's left edge.
  const double titleLeft = WordLeft(pdf, "SPLIT");
  ASSERT_GT(titleLeft, 0);
  const double tableLeft = titleLeft - 10.0 / 25.4 * 72.0;
  // Right-aligned in the 18 mm first column, the label used to start left of
  // the table, clipped away: "Total responses:" read "responses:".
  for (const char* label : {"Total", "Correct", "False"}) {
    const double labelLeft = WordLeft(pdf, label);
    ASSERT_GT(labelLeft, 0) << label;
    EXPECT_GE(labelLeft, tableLeft - 1.0) << label;
  }
}

TEST_F(CliReport, MistakesAndRefusals) {
  const auto file = Write(3);
  EXPECT_EQ(RunCli({"report", file.string()}).exitCode, 2);  // no -o
  EXPECT_EQ(RunCli({"report", file.string(), "--view", "split", "--object", "cross", "-o",
                    (m_dir / "x.pdf").string()})
                .exitCode,
            2);
  const auto help = RunCli({"report", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_THAT(help.out, HasSubstr("--output"));

  testing::WriteAll(m_dir / "bad.aly", "not a test");
  const auto refused =
      RunCli({"report", (m_dir / "bad.aly").string(), "-o", (m_dir / "bad.pdf").string()});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_THAT(refused.err, HasSubstr("bad.aly"));
  EXPECT_FALSE(std::filesystem::exists(m_dir / "bad.pdf"));

  const auto unwritable = RunCli({"report", file.string(), "-o", "/nonexistent/dir/x.pdf"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_THAT(unwritable.err, HasSubstr("x.pdf"));
}

TEST_F(CliReport, ChartPageAndPlotPictures) {
  const auto file = Write(30);
  const auto page = Report(file, {"--view", "chart"});
  EXPECT_EQ(Pages(page), 1);
  const std::string text = PageText(page, 1);
  for (const char* expected : {"CHART REPORT", "Page: 1/1", "Name: Ada Tester", "Total: 30",
                               "Response time by stimulus", "Correct response times per shape"}) {
    EXPECT_THAT(text, HasSubstr(expected));
  }

  // The picture's format follows the output's extension, in any case.
  const struct {
    const char* name;
    std::string start;
  } pictures[] = {{"p.png", "\x89PNG"}, {"p.SVG", "<?xml"}, {"p.pdf", "%PDF-"}};
  for (const auto& picture : pictures) {
    const auto out = m_dir / picture.name;
    const auto result = RunCli({"plot", file.string(), "-o", out.string()});
    EXPECT_EQ(result.exitCode, 0) << picture.name << result.err;
    EXPECT_EQ(testing::ReadAll(out).rfind(picture.start, 0), 0u) << picture.name;
  }
  EXPECT_THAT(PageText(m_dir / "p.pdf", 1), HasSubstr("Name: Ada Tester"));

  const auto jpeg = RunCli({"plot", file.string(), "-o", (m_dir / "p.jpg").string()});
  EXPECT_EQ(jpeg.exitCode, 2);
  EXPECT_THAT(jpeg.err, HasSubstr(".png, .svg or .pdf"));
  EXPECT_FALSE(std::filesystem::exists(m_dir / "p.jpg"));
  // The chart page has no list: no object filter, no split.
  EXPECT_EQ(RunCli({"report", file.string(), "--view", "chart", "--object", "cross", "-o",
                    (m_dir / "c.pdf").string()})
                .exitCode,
            2);
  EXPECT_EQ(RunCli({"list", file.string(), "--view", "chart"}).exitCode, 2);
  testing::WriteAll(m_dir / "bad.aly", "not a test");
  const auto refused =
      RunCli({"plot", (m_dir / "bad.aly").string(), "-o", (m_dir / "bad.png").string()});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(m_dir / "bad.png"));
}

TEST(CliReportFiles, NamesAfterDashesAreFilesAndNoInputIsReplaced) {
  TempDir dir;
  const auto file = dir / "t.aly";
  ASSERT_TRUE(SaveTestData(file, *TestOf(3)).ok);
  const std::string original = testing::ReadAll(file);
  const auto fifo = dir / "fifo.aly";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto pdf = (dir / "o.pdf").string();

  const struct {
    std::vector<std::string> arguments;
    const char* message;
  } cases[] = {
      {{"report", "-o", pdf, "--", "--help"}, "--help: Error opening file"},
      {{"report", fifo.string(), "-o", pdf}, "fifo.aly: Error opening file"},
      {{"report", file.string(), "-o", file.string()}, "is the same file as the input"},
  };
  for (const auto& c : cases) {
    const auto result = RunCli(c.arguments, {.limit = std::chrono::seconds(30)});
    EXPECT_EQ(result.exitCode, 1) << c.arguments[1] << result.out;
    EXPECT_THAT(result.err, HasSubstr(c.message));
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(testing::ReadAll(file), original);
  }
}

TEST_F(CliReport, AlacrityReportIsFoundBesideTheProgramOrOnPath) {
  // A copy of alacrity-cli alone in a directory.
  TempDir alone;
  const auto cli = alone / "alacrity-cli";
  std::filesystem::copy_file(ALACRITY_CLI, cli);
  const auto file = Write(3);
  const auto pdf = m_dir / "path.pdf";
  const std::vector<std::string> arguments = {"report", file.string(), "-o", pdf.string()};

  const std::vector<std::string> nowhere = {"PATH=/nonexistent"};
  const auto missing = RunProgram(cli.string(), arguments, &nowhere);
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_THAT(missing.err, HasSubstr("alacrity-report not found"));
  EXPECT_FALSE(std::filesystem::exists(pdf));

  // On PATH, with nothing else of the environment (no display, no session).
  const std::vector<std::string> onPath = {
      "PATH=/nonexistent:" + std::filesystem::path(ALACRITY_REPORT).parent_path().string()};
  const auto found = RunProgram(cli.string(), arguments, &onPath);
  EXPECT_EQ(found.exitCode, 0) << found.err;
  EXPECT_TRUE(found.err.empty()) << found.err;
  EXPECT_EQ(Pages(pdf), 1);
}

}  // namespace
}  // namespace alacrity
