// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/psychds_dataset.h"

#include <array>
#include <map>
#include <string>

#include "results/stimulus_columns.h"
#include "results/test_time_text.h"

namespace alacrity {
namespace {

// R and pandas both read "NA" as missing without being told.
constexpr std::string_view Missing = "NA";
constexpr RowFormat PsychDsRows{.missing = Missing};

struct OwnColumn {
  std::string_view name;
  std::string_view description;
};

// Before the stimulus columns.
constexpr std::array<OwnColumn, 3> OwnColumns = {{
    {"subject",
     "Subject keyword: the letters and digits of the subject's name, as in the file name"},
    {"session", "Session keyword: the local test time as YYYYMMDDTHHMMSS, as in the file name"},
    {"test_time", "Start of the test, ISO 8601 local time with its UTC offset"},
}};

std::string_view OrMissing(std::string_view value) { return value.empty() ? Missing : value; }

// The program goes where schema.org names the technique of a measurement;
// its creator is a person or an organisation, which the lab adds.
std::string DescriptionJson(std::string_view programVersion) {
  std::string out =
      "{\n"
      "  \"@context\": \"https://schema.org/\",\n"
      "  \"@type\": \"Dataset\",\n"
      "  \"name\": \"Visual choice reaction times\",\n"
      "  \"description\": \"Visual choice reaction-time tests: circles, crosses, squares and "
      "triangles shown one after another, each answered with its own button of a four-button "
      "response box. One CSV file per test in data/, one row per stimulus; missing values are "
      "NA.\",\n"
      "  \"measurementTechnique\": " +
      JsonString("alacrity " + std::string(programVersion) +
                 ": response times counted in the response box's ticks, 1.44 per ms") +
      ",\n"
      "  \"variableMeasured\": [";
  bool first = true;
  const auto variable = [&](std::string_view name, std::string_view description,
                            std::string_view unit) {
    out += first ? "\n" : ",\n";
    first = false;
    out += "    {\"@type\": \"PropertyValue\", \"name\": " + JsonString(name) +
           ", \"description\": " + JsonString(description);
    if (!unit.empty()) out += ", \"unitText\": " + JsonString(unit);
    out += "}";
  };
  for (const OwnColumn& c : OwnColumns) variable(c.name, c.description, {});
  for (const StimulusColumn& c : StimulusColumns) {
    variable(ColumnName(c, PsychDsRows), c.psychDsDescription, c.unit);
  }
  out += "\n  ]\n}\n";
  return out;
}

std::string DataCsv(const DatasetTest& test, std::string_view subject, std::string_view session) {
  const DocumentData& data = *test.data;
  std::string names;
  for (const OwnColumn& c : OwnColumns) {
    names += c.name;
    names += PsychDsRows.separator;
  }
  std::string out;
  AppendStimulusHeader(out, PsychDsRows, names);
  const std::string testTime = FormatTestTimeLocalIso(data.results.testTime);
  std::string testColumns = std::string(subject) + ',' + std::string(session) + ',';
  testColumns += OrMissing(testTime);
  testColumns += ',';
  AppendStimulusRows(out, PsychDsRows, testColumns, data.runConfiguration, data.results,
                     test.timing);
  return out;
}

}  // namespace

std::vector<DatasetFile> MakePsychDsDataset(const std::vector<DatasetTest>& tests,
                                            std::string_view programVersion) {
  std::vector<DatasetFile> files;
  files.push_back({"dataset_description.json", DescriptionJson(programVersion)});
  const std::vector<std::string> subjects = SubjectKeywords(tests);
  // Two tests of one subject started in the same second would share a name;
  // the later ones get a run keyword rather than overwrite the first.
  std::map<std::string, int> seen;
  for (std::size_t i = 0; i < tests.size(); ++i) {
    const DocumentData& data = *tests[i].data;
    std::string session = FormatTestTimeStamp(data.results.testTime);
    if (session.empty()) session = "unknown";
    std::string stem = "subject-" + subjects[i] + "_session-" + session;
    if (const int n = ++seen[stem]; n > 1) stem += "_run-" + std::to_string(n);
    files.push_back({"data/" + stem + "_data.csv", DataCsv(tests[i], subjects[i], session)});
  }
  return files;
}

}  // namespace alacrity
