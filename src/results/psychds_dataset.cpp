// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/psychds_dataset.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "results/csv_field.h"
#include "results/stimulus_record.h"
#include "results/test_time_text.h"

namespace alacrity {
namespace {

// R and pandas both read "NA" as missing without being told.
constexpr std::string_view Missing = "NA";

struct Column {
  std::string_view name;
  std::string_view description;
  std::string_view unit;  // empty: none
};

constexpr std::array<Column, 13> Columns = {{
    {"subject",
     "Subject keyword: the letters and digits of the subject's name, as in the file name", ""},
    {"session", "Session keyword: the local test time as YYYYMMDDTHHMMSS, as in the file name", ""},
    {"test_time", "Start of the test, ISO 8601 local time with its UTC offset", ""},
    {"stimulus", "Number of the stimulus in the test, from 1", ""},
    {"object",
     "Shape shown: circle, cross, square or triangle; NA when a press of several buttons "
     "replaced it",
     ""},
    {"generation_ms", "Waiting time before the stimulus appeared", "ms"},
    {"response_ms",
     "Response time from the onset of the stimulus to the press, counted in the "
     "response box's ticks (1.44 per ms); 0 when none was recorded",
     "ms"},
    {"total_ms", "generation_ms + response_ms", "ms"},
    {"button",
     "Button pressed, 1 to 4 as printed on the box (1 answers the circle, 2 the cross, "
     "3 the square, 4 the triangle); NA when not one single button",
     ""},
    {"correct", "1 when the button answered the shape shown, else 0", ""},
    {"background", "Background colour of the test: white, blue, green or black", ""},
    {"false_response",
     "Whether a wrong button ended the stimulus (accepted) or was ignored until "
     "the right one (not accepted)",
     ""},
    {"object_color", "Colour of the shape shown: red, green, blue or yellow", ""},
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
      "  \"variableMeasured\": [\n";
  for (std::size_t i = 0; i < Columns.size(); ++i) {
    const Column& c = Columns[i];
    out += "    {\"@type\": \"PropertyValue\", \"name\": " + JsonString(c.name) +
           ", \"description\": " + JsonString(c.description);
    if (!c.unit.empty()) out += ", \"unitText\": " + JsonString(c.unit);
    out += i + 1 < Columns.size() ? "},\n" : "}\n";
  }
  out += "  ]\n}\n";
  return out;
}

std::string DataCsv(const DocumentData& data, std::string_view subject, std::string_view session) {
  std::string out;
  for (std::size_t i = 0; i < Columns.size(); ++i) {
    if (i > 0) out += ',';
    out += Columns[i].name;
  }
  out += "\r\n";
  const std::string testTime =
      std::string(OrMissing(FormatTestTimeLocalIso(data.results.testTime)));
  const std::string_view background = OrMissing(BackgroundKey(data.runConfiguration.background));
  const std::string_view falseResponse =
      OrMissing(FalseResponseKey(data.runConfiguration.falseResponse));
  const int count = std::clamp(data.results.responseCount, 0, MaxStimulusCount);
  for (int j = 1; j <= count; ++j) {
    const StimulusRecord r = MakeStimulusRecord(data.results, data.runConfiguration, j);
    out += subject;
    out += ',';
    out += session;
    out += ',';
    out += testTime;
    out += ',';
    out += std::to_string(r.stimulus);
    out += ',';
    out += OrMissing(r.object);
    out += ',';
    out += std::to_string(r.generationMs);
    out += ',';
    out += std::to_string(r.responseMs);
    out += ',';
    out += std::to_string(r.totalMs);
    out += ',';
    out += r.button ? std::to_string(*r.button) : std::string(Missing);
    out += ',';
    out += r.correct ? '1' : '0';
    out += ',';
    out += background;
    out += ',';
    AppendCsvField(out, falseResponse);
    out += ',';
    out += OrMissing(r.objectColor);
    out += "\r\n";
  }
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
    files.push_back({"data/" + stem + "_data.csv", DataCsv(data, subjects[i], session)});
  }
  return files;
}

}  // namespace alacrity
