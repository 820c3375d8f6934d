// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/bids_dataset.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>

#include "data/enums.h"
#include "results/stimulus_columns.h"
#include "results/test_time_text.h"

namespace alacrity {
namespace {

constexpr std::string_view Missing = "n/a";
constexpr std::string_view TaskLabel = "choicert";
constexpr RowFormat BidsRows{
    .separator = '\t', .lineEnd = "\n", .missing = Missing, .correctAsQuality = true};

std::string_view OrMissing(std::string_view value) { return value.empty() ? Missing : value; }

std::string DescriptionJson(std::string_view programVersion) {
  return "{\n"
         "  \"Name\": \"Visual choice reaction times\",\n"
         "  \"BIDSVersion\": \"1.9.0\",\n"
         "  \"DatasetType\": \"raw\",\n"
         "  \"GeneratedBy\": [{\"Name\": \"alacrity\", \"Version\": " +
         JsonString(programVersion) + "}]\n}\n";
}

constexpr std::string_view Readme =
    "Visual choice reaction times\n"
    "\n"
    "Circles, crosses, squares and triangles were shown one after another; the subject\n"
    "answered each with its own button of a four-button response box (1 circle, 2 cross,\n"
    "3 square, 4 triangle). Response times are counted in the box's status bytes, 1.44\n"
    "per millisecond, not by the computer's clock.\n"
    "\n"
    "Each sub-<label>/beh/*_beh.tsv holds one test, one row per stimulus; its JSON\n"
    "sidecar describes the columns. sub-<label>_scans.tsv gives the start of each test.\n";

constexpr std::string_view ParticipantsJson =
    "{\n"
    "  \"sex\": {\"Description\": \"Sex as entered; n/a unless male, as the test data file holds "
    "female also for a subject whose sex was never entered\", \"Levels\": {\"M\": \"male\"}},\n"
    "  \"height\": {\"Description\": \"Height as entered (the unit is not recorded); n/a when "
    "not entered\"},\n"
    "  \"weight\": {\"Description\": \"Weight as entered (the unit is not recorded); n/a when "
    "not entered\"}\n"
    "}\n";

std::string SidecarJson() {
  std::string out =
      "{\n"
      "  \"TaskName\": \"" + std::string(TaskLabel) + "\",\n"
      "  \"TaskDescription\": \"Visual four-choice reaction time: each shape is answered with its "
      "own button\",\n";
  for (std::size_t i = 0; i < StimulusColumns.size(); ++i) {
    const StimulusColumn& c = StimulusColumns[i];
    const std::string_view description =
        c.bidsDescription.empty() ? c.psychDsDescription : c.bidsDescription;
    out += "  " + JsonString(ColumnName(c, BidsRows)) + ": {\"Description\": " +
           JsonString(description);
    if (!c.unit.empty()) out += ", \"Units\": " + JsonString(c.unit);
    if (!c.bidsLevels[0].value.empty()) {
      out += ", \"Levels\": {";
      bool first = true;
      for (const ColumnLevel& level : c.bidsLevels) {
        if (level.value.empty()) continue;
        if (!first) out += ", ";
        first = false;
        out += JsonString(level.value) + ": " + JsonString(level.meaning);
      }
      out += "}";
    }
    out += i + 1 < StimulusColumns.size() ? "},\n" : "}\n";
  }
  return out + "}\n";
}

std::string BehTsv(const DatasetTest& test) {
  std::string out;
  AppendStimulusHeader(out, BidsRows, {});
  AppendStimulusRows(out, BidsRows, {}, test.data->runConfiguration, test.data->results,
                     test.timing);
  return out;
}

std::string ParticipantRow(std::string_view label, const SubjectInfo& subject) {
  // Female is 0, which is also what a subject whose sex was never entered
  // carries (the subject dialogs start on female, files made without them
  // hold 0), so only male, which nothing sets unasked, is known.
  const std::string sex(subject.sex == Code(Sex::Male) ? "M" : Missing);
  const auto measure = [](int32_t value) {
    return value > 0 ? std::to_string(value) : std::string(Missing);
  };
  return "sub-" + std::string(label) + '\t' + sex + '\t' + measure(subject.height) + '\t' +
         measure(subject.weight) + '\n';
}

}  // namespace

std::vector<DatasetFile> MakeBidsDataset(const std::vector<DatasetTest>& tests,
                                         std::string_view programVersion) {
  std::vector<DatasetFile> files;
  files.push_back({"dataset_description.json", DescriptionJson(programVersion)});
  files.push_back({"README", std::string(Readme)});
  files.push_back({"participants.json", std::string(ParticipantsJson)});

  // Each subject's tests in the order of their times (read as unsigned, as
  // everywhere), ties in the order given.
  const std::vector<std::string> labels = SubjectKeywords(tests);
  std::map<std::string, std::vector<std::size_t>> testsOf;
  for (std::size_t i = 0; i < tests.size(); ++i) testsOf[labels[i]].push_back(i);

  std::string participants = "participant_id\tsex\theight\tweight\n";
  for (auto& [label, indices] : testsOf) {
    std::stable_sort(indices.begin(), indices.end(), [&](std::size_t a, std::size_t b) {
      return static_cast<uint32_t>(tests[a].data->results.testTime) <
             static_cast<uint32_t>(tests[b].data->results.testTime);
    });
    participants += ParticipantRow(label, tests[indices.front()].data->subject);
    const std::string subject = "sub-" + label;
    std::string scans = "filename\tacq_time\n";
    for (std::size_t run = 0; run < indices.size(); ++run) {
      const DocumentData& data = *tests[indices[run]].data;
      const std::string stem = "beh/" + subject + "_task-" + std::string(TaskLabel) + "_run-" +
                               std::to_string(run + 1) + "_beh";
      files.push_back({subject + "/" + stem + ".tsv", BehTsv(tests[indices[run]])});
      files.push_back({subject + "/" + stem + ".json", SidecarJson()});
      const std::string time = FormatTestTimeIso(data.results.testTime);
      scans += stem + ".tsv\t" + std::string(OrMissing(time)) + '\n';
    }
    files.push_back({subject + "/" + subject + "_scans.tsv", scans});
  }
  files.push_back({"participants.tsv", participants});
  return files;
}

}  // namespace alacrity
