// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// dump: one JSON object describing a test data, configuration or protocol
// file, recognised by its header. Keys are the members the file fills.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"
#include "data/configuration_file.h"
#include "data/file_io.h"
#include "data/file_kind.h"
#include "data/protocol_file.h"
#include "data/run_journal.h"
#include "data/test_data_file.h"
#include "data/text_encoding.h"
#include "results/presentation.h"
#include "results/timing_csv_file.h"
#include "toolsupport/cli_support.h"
#include "toolsupport/exit_codes.h"

namespace alacrity::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view TimingColumnOne = "stimulus,";

Json TextJson(const std::string& text) {
  return ToDisplayUtf8(text);
}

Json ConfigurationJson(const TestConfiguration& c) {
  return Json{
      {"stimulusCount", c.stimulusCount},
      {"timingMode", c.timingMode},
      {"fixedTimeMs", c.fixedTimeMs},
      {"randomLowerMs", c.randomLowerMs},
      {"randomUpperMs", c.randomUpperMs},
      {"squareColor", c.squareColor},
      {"circleColor", c.circleColor},
      {"triangleColor", c.triangleColor},
      {"crossColor", c.crossColor},
      {"generateObject", Json::array({c.generateObject[0], c.generateObject[1],
                                      c.generateObject[2], c.generateObject[3]})},
      {"background", c.background},
      {"falseResponse", c.falseResponse},
  };
}

Json VoiceJson(const VoiceSettings& v) {
  return Json{{"voiceSignal", v.voiceSignal}, {"voiceLeadMs", v.voiceLeadMs}};
}

Json ProtocolHeaderJson(const ProtocolHeader& h) {
  return Json{{"itemCount", h.itemCount},         {"background", h.background},
              {"falseResponse", h.falseResponse}, {"squareColor", h.squareColor},
              {"circleColor", h.circleColor},     {"triangleColor", h.triangleColor},
              {"crossColor", h.crossColor}};
}

Json ItemsJson(const std::vector<ProtocolItem>& items) {
  Json list = Json::array();
  for (const ProtocolItem& item : items) {
    list.push_back(Json{{"generationMs", item.generationMs}, {"object", item.object}});
  }
  return list;
}

template <typename T, typename ToJson>
Json OptionalJson(const std::optional<T>& value, ToJson toJson) {
  return value ? toJson(*value) : Json(nullptr);
}

Json TestDataJson(const TestDataImage& image) {
  Json entries = Json::array();
  for (const ResultEntry& e : image.entries) {
    entries.push_back(Json{{"responseMs", e.responseMs},
                           {"objectIndex", e.objectIndex},
                           {"buttonIndex", e.buttonIndex},
                           {"generationMs", e.generationMs}});
  }
  const SubjectInfo& s = image.subject;
  return Json{
      {"format", "testdata"},
      {"runConfiguration", ConfigurationJson(image.runConfiguration)},
      {"subject",
       Json{{"name", TextJson(s.name)},
            {"sex", s.sex},
            {"height", s.height},
            {"weight", s.weight},
            {"comment1", TextJson(s.comment1)},
            {"comment2", TextJson(s.comment2)},
            {"comment3", TextJson(s.comment3)}}},
      {"responseCount", image.responseCount},
      {"entries", std::move(entries)},
      {"testTime", image.testTime},
      {"runVoice", OptionalJson(image.runVoice, VoiceJson)},
  };
}

Json ConfigurationFileJson(const ConfigurationImage& image) {
  const auto integer = [](int32_t v) { return Json(v); };
  return Json{
      {"format", "configuration"},
      {"portIndex", OptionalJson(image.portIndex, integer)},
      {"customConfiguration", OptionalJson(image.customConfiguration, ConfigurationJson)},
      {"reservedValue", OptionalJson(image.reservedValue, integer)},
      {"customVoice", OptionalJson(image.customVoice, VoiceJson)},
  };
}

Json ProtocolJson(const ProtocolImage& image) {
  return Json{
      {"format", "protocol"},
      {"name", TextJson(image.name)},
      {"header", ProtocolHeaderJson(image.header)},
      {"customVoice", VoiceJson(image.voice)},
      {"items", ItemsJson(image.items)},
  };
}

Json SubjectJson(const SubjectInfo& s) {
  return Json{{"name", TextJson(s.name)},         {"sex", s.sex},
              {"height", s.height},               {"weight", s.weight},
              {"comment1", TextJson(s.comment1)}, {"comment2", TextJson(s.comment2)},
              {"comment3", TextJson(s.comment3)}};
}

// A frame's presentation; null when none was reported.
Json PresentedJson(const Presentation& presented) {
  if (presented.hostNs == 0) return nullptr;
  return Json{{"hostNs", presented.hostNs},
              {"refreshNs", presented.refreshNs},
              {"frameCounter", presented.frameCounter >= 0 ? Json(presented.frameCounter) : Json(nullptr)},
              {"mode", PresentModeKey(presented.mode)},
              {"quality", PresentQualityKey(presented.quality)}};
}

Json StationJson(const StationTiming& station) {
  return Json{{"lightSensor", station.lightSensor},
              {"panelLagUs", station.panelLagUs ? Json(*station.panelLagUs) : Json(nullptr)}};
}

Json JournalJson(const JournalImage& image) {
  const JournalSetUp& s = image.setUp;
  Json answers = Json::array();
  for (const JournalAnswer& a : image.answers) {
    Json answer{{"stimulus", a.stimulus}, {"responseMs", a.responseMs}, {"buttons", a.buttons}};
    if (image.version >= 2) {
      answer["onsetByte"] = a.onsetByte;
      answer["onsetHostNs"] = a.onsetHostNs;
      answer["paintedHostNs"] = a.paintedHostNs;
      answer["responseByte"] = a.responseByte;
      answer["responseHostNs"] = a.responseHostNs;
    }
    if (image.version >= 3) {
      answer["presented"] = PresentedJson(a.presented);
      answer["lightByte"] = a.lightByte;
    }
    answers.push_back(std::move(answer));
  }
  Json station = image.version >= 3 ? StationJson(s.station) : Json(nullptr);
  return Json{
      {"format", "journal"},
      {"version", image.version},
      {"performMode", s.performMode == 1 ? "protocol" : "custom"},
      {"runConfiguration", ConfigurationJson(s.runConfiguration)},
      {"runVoice", VoiceJson(s.runVoice)},
      {"runProtocolHeader", ProtocolHeaderJson(s.runProtocolHeader)},
      {"portIndex", s.portIndex},
      {"subject", SubjectJson(s.subject)},
      {"testTime", s.testTime},
      {"slotZero",
       Json{{"responseMs", s.slotZero.responseMs},
            {"objectIndex", s.slotZero.objectIndex},
            {"buttonIndex", s.slotZero.buttonIndex},
            {"generationMs", s.slotZero.generationMs}}},
      {"schedule", ItemsJson(s.schedule)},
      {"station", std::move(station)},
      {"answers", std::move(answers)},
      {"droppedBytes", image.droppedBytes},
  };
}

// Only the data file the record names makes its rows worth showing.
int PrintTimingRecord(const std::filesystem::path& path) {
  const std::filesystem::path dataFile = DataFilePathForTimingCsv(path);
  const TimingRecordRead read = ReadTimingRecord(path, dataFile);
  if (!read.timing) {
    std::cerr << read.failure << "; not used\n";
    return ExitRefused;
  }
  if (read.state == TimingRecordState::Unchecked) {
    std::cerr << path.string() << ": an older record that names no data file; it may not "
              << "belong to " << dataFile.string() << '\n';
  }
  const auto optional = [](int64_t value) { return value != 0 ? Json(value) : Json(nullptr); };
  Json stimuli = Json::array();
  for (const StimulusTiming& row : read.timing->stimuli) {
    stimuli.push_back(Json{{"stimulus", row.stimulus},
                           {"onsetByte", row.onsetByte},
                           {"onsetHostNs", row.onsetHostNs},
                           {"paintedHostNs", optional(row.paintedHostNs)},
                           {"responseByte", optional(row.responseByte)},
                           {"responseHostNs", optional(row.responseHostNs)},
                           {"presented", PresentedJson(row.presented)},
                           {"lightByte", optional(row.lightByte)}});
  }
  const bool belongs = read.state == TimingRecordState::Belongs;
  const Json json{
      {"format", "timing"},
      {"dataFile", belongs ? Json(dataFile.string()) : Json(nullptr)},
      {"station", StationJson(read.timing->station)},
      {"stimuli", std::move(stimuli)},
  };
  return WriteOutput({}, json.dump(2) + '\n') ? ExitOk : ExitRefused;
}

template <typename Image, typename ToJson>
int PrintParsed(const std::filesystem::path& path, const ParseResult<Image>& parsed, ToJson toJson) {
  if (!parsed.image) {
    ReportRefusal(path, parsed.message);
    return ExitRefused;
  }
  return WriteOutput({}, toJson(*parsed.image).dump(2) + '\n') ? ExitOk : ExitRefused;
}

int RunDump(const std::filesystem::path& path) {
  const FileRead file = ReadFileBytes(path);
  if (!file) {
    ReportRefusal(path, WithFailure(MessageErrorOpeningFile, file.failure));
    return ExitRefused;
  }
  if (file->truncated) {
    ReportRefusal(path, "File too large");
    return ExitRefused;
  }
  // The journal is a file of this program's own, told by its magic.
  if (IsRunJournal(file->bytes)) return PrintParsed(path, ParseRunJournal(file->bytes), JournalJson);
  // The timing record beside a data file, told by its name and first column.
  if (!DataFilePathForTimingCsv(path).empty() && file->bytes.size() >= TimingColumnOne.size() &&
      std::equal(TimingColumnOne.begin(), TimingColumnOne.end(), file->bytes.begin())) {
    return PrintTimingRecord(path);
  }
  switch (DetectFileKind(file->bytes)) {
    case FileKind::TestData:
      return PrintParsed(path, ParseTestData(file->bytes), TestDataJson);
    case FileKind::Configuration:
      return PrintParsed(path, ParseConfiguration(file->bytes), ConfigurationFileJson);
    case FileKind::Protocol:
      return PrintParsed(path, ParseProtocol(file->bytes), ProtocolJson);
    case FileKind::Unknown:
      break;
  }
  ReportRefusal(path, MessageIncompatibleData);
  return ExitRefused;
}

}  // namespace

Command AddDumpCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "dump", "Print a test data (.aly), configuration (.alycfg), protocol (.alyprt), journal "
      "(.alyjournal) or timing record (.timing.csv) file as JSON");
  auto path = std::make_shared<std::string>();
  command->add_option("FILE", *path, "The file; its kind is recognised by its header")->required();
  return {PrintsOnly, [path] { return RunDump(*path); }};
}

}  // namespace alacrity::cli
