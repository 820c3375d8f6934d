// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/copy_text.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "result_builder.h"

namespace alacrity {
namespace {

using testing::Correct;
using testing::MakeResults;

constexpr int32_t March5th2007At140309 = 1173103389;  // UTC, and the tests run with TZ=UTC

const std::string CopyTitles =
    "No  Object  Generation Time  Alacrity Time  Total Time  Quality  \r\n"
    "(#)     (ms)  (ms)  (ms)     \r\n";

std::string Joined(const ResultRow& row) {
  std::string text;
  for (const auto& cell : row) text += cell;
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text does not end with a line end";
  return lines;
}

std::vector<ResultRow> EightRows() {
  TestResults r;
  for (int32_t t = 300; t < 380; t += 10) testing::Append(r, Correct(t));
  return FillResponseByResponse(r, AllObjects);
}

TEST(TitleLines, FirstAndSecondParts) {
  const auto [line1, line2] = BuildTitleLines(";");
  EXPECT_EQ(line1, "No;Object;Generation Time;Alacrity Time;Total Time;Quality;");
  EXPECT_EQ(line2, "(#); ;(ms);(ms);(ms); ;");
}

TEST(CopyText, SelectedRowsInListOrder) {
  const auto rows = EightRows();
  const std::vector<int> selected{3, 7};
  EXPECT_EQ(CopyText(rows, selected),
            CopyTitles + Joined(rows[3]) + "\r\n" + Joined(rows[7]) + "\r\n");
  // The response row reads as aligned columns of 5, 19, 13, 13, 18 characters.
  EXPECT_EQ(Joined(rows[3]).size(), 5u + 19u + 13u + 13u + 18u + 8u);
  // Indices that name no row are left out rather than read past the list.
  EXPECT_EQ(CopyText(rows, std::vector<int>{-1, 8}), CopyTitles);
}

TEST(CopyText, AllRowsOfTheSplitSummary) {
  const TestResults r = MakeResults({Correct(300), Correct(400)});
  const auto rows = FillSplitSummary(r, 0, 2).rows;
  const std::string text = CopyAllText(rows);
  EXPECT_EQ(text, CopyTitles + Joined(rows[0]) + "\r\n" + Joined(rows[1]) + "\r\n" +
                      Joined(rows[2]) + "\r\n" + " \r\n");
  EXPECT_EQ(CopyAllText({}), CopyTitles);
}

TEST(CsvText, HeaderTitlesAndRowsEachCellSeparated) {
  const auto rows = EightRows();
  const std::string text =
      CsvText(rows, ',', "Anna Smith", "Random Time (200 - 1000 ms)", March5th2007At140309);
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 6u + rows.size());
  EXPECT_EQ(lines[0], "Name: Anna Smith");
  EXPECT_EQ(lines[1], "Test: Custom  Random Time (200 - 1000 ms)");
  EXPECT_EQ(lines[2], "Date: 05.03.2007  at  14:03:09");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "No,Object,Generation Time,Alacrity Time,Total Time,Quality,");
  EXPECT_EQ(lines[5], "(#), ,(ms),(ms),(ms), ,");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ResultRow& row = rows[i];
    EXPECT_EQ(lines[6 + i], row[0] + "," + row[1] + "," + row[2] + "," + row[3] + "," + row[4] +
                                "," + row[5] + ",");
  }
}

TEST(CsvText, EmptyListAndUnquotedSeparators) {
  const std::string empty = CsvText({}, ';', "A;B", "Fixed Time (500 ms)", March5th2007At140309);
  EXPECT_EQ(empty,
            "Name: A;B\r\nTest: Custom  Fixed Time (500 ms)\r\nDate: 05.03.2007  at  14:03:09\r\n\r\n"
            "No;Object;Generation Time;Alacrity Time;Total Time;Quality;\r\n"
            "(#); ;(ms);(ms);(ms); ;\r\n");
  const ResultRow row{"a;b", "", "", "", "", ""};
  EXPECT_EQ(Lines(CsvText({row}, ';', "", "", 0)).back(), "a;b;;;;;;");
}

TEST(TestDescription, GenerationTimesOfTheStimuliKept) {
  struct Case {
    std::vector<int32_t> times;
    std::string description;
  };
  const std::vector<Case> cases = {
      {{500, 500, 500}, "Fixed Time (500 ms)"},
      {{0}, "Fixed Time (0 ms)"},
      {{987, 212, 500}, "Times 212 - 987 ms"},
      {{}, ""},
  };
  for (const Case& c : cases) {
    TestResults results;
    results.responseCount = static_cast<int32_t>(c.times.size());
    for (std::size_t i = 0; i < c.times.size(); ++i) results.generationMs[i + 1] = c.times[i];
    results.generationMs[c.times.size() + 1] = 4000;  // past the kept stimuli: no part of it
    EXPECT_EQ(TestDescription(results), c.description) << c.description;
  }
}

TEST(ListSeparator, AvoidsTheDecimalComma) {
  EXPECT_EQ(ListSeparatorForDecimalPoint(','), ';');
  EXPECT_EQ(ListSeparatorForDecimalPoint('.'), ',');
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (m_old) {
      setenv(m_name, m_old->c_str(), 1);
    } else {
      unsetenv(m_name);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

TEST(ListSeparator, FromTheUserLocale) {
  {
    ScopedEnv env("LC_ALL", "C");
    EXPECT_EQ(UserListSeparator(), ',');
  }
  {
    // An unknown locale name is no reason to fail an export.
    ScopedEnv env("LC_ALL", "xx_NOWHERE.nonsense");
    EXPECT_EQ(UserListSeparator(), ',');
  }
}

TEST(ListSeparator, FromALocaleWithDecimalComma) {
  {
    ScopedEnv env("LC_ALL", "de_DE.UTF-8");
    const locale_t german = newlocale(LC_NUMERIC_MASK, "", locale_t{});
    if (german == locale_t{}) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    freelocale(german);
    EXPECT_EQ(UserListSeparator(), ';');
  }
}

}  // namespace
}  // namespace alacrity
