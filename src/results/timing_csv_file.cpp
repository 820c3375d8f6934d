// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/timing_csv_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "data/file_io.h"
#include "data/test_data_file.h"
#include "results/presentation.h"
#include "results/timing_report.h"

namespace alacrity {
namespace {

constexpr std::string_view TimingCsvSuffix = ".timing.csv";
constexpr std::string_view DataFileSuffix = ".aly";

// The columns every version begins with, in this order.
constexpr std::array<std::string_view, 7> FirstColumns = {
    "stimulus",         "onset_byte",    "onset_host_ns",   "painted_host_ns",
    "display_delay_ms", "response_byte", "response_host_ns"};
// From the second version on: the data file the record belongs to.
constexpr std::string_view TestTimeColumn = "data_file_test_time";
constexpr std::string_view CrcColumn = "data_file_crc32";

// From the third version on: the presented frame, the panel's lag and the
// light sensor. The derived delays after them are not read back.
constexpr std::string_view PresentedColumn = "presented_host_ns";
constexpr std::string_view RefreshColumn = "refresh_ns";
constexpr std::string_view FrameColumn = "frame_counter";
constexpr std::string_view ModeColumn = "present_mode";
constexpr std::string_view QualityColumn = "presentation_quality";
constexpr std::string_view PanelLagColumn = "panel_lag_ms";
constexpr std::string_view LightSensorColumn = "light_sensor";
constexpr std::string_view LightByteColumn = "light_byte";
// Beyond any panel: a larger lag is no measurement.
constexpr double MaxPanelLagMs = 1000.0;

constexpr std::string_view NotOurs = "is no timing record this program wrote";

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(separator, from);
    parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
    if (at == std::string_view::npos) return parts;
    from = at + 1;
  }
}

// A whole field as a number in `base`; an empty field is 0 where `empty`
// allows it (what did not happen is left empty).
template <typename Number>
bool ParseNumber(std::string_view field, Number& value, bool empty = false, int base = 10) {
  value = 0;
  if (field.empty()) return empty;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value, base);
  return error == std::errc{} && end == field.data() + field.size();
}

struct ParsedRecord {
  std::vector<StimulusTiming> rows;
  std::vector<DataFileIdentity> owners;  // one per row; none in the first version
  bool namesDataFile = false;
  StationTiming station;  // the same in every row
};

// Where each column of the third version stands in the header, when it does.
struct PresentationColumns {
  std::optional<std::size_t> presented, refresh, frame, mode, quality, panelLag, lightSensor,
      lightByte;
};

PresentationColumns FindPresentationColumns(const std::vector<std::string_view>& header) {
  const auto at = [&header](std::string_view name) -> std::optional<std::size_t> {
    const auto found = std::find(header.begin(), header.end(), name);
    if (found == header.end()) return std::nullopt;
    return static_cast<std::size_t>(found - header.begin());
  };
  return {at(PresentedColumn), at(RefreshColumn),  at(FrameColumn),       at(ModeColumn),
          at(QualityColumn),   at(PanelLagColumn), at(LightSensorColumn), at(LightByteColumn)};
}

// "8.500" as 8500 microseconds; empty: not measured.
bool ParsePanelLag(std::string_view field, std::optional<int32_t>& lagUs) {
  lagUs.reset();
  if (field.empty()) return true;
  double ms = 0.0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), ms);
  if (error != std::errc{} || end != field.data() + field.size() || !(ms >= 0.0) ||
      ms > MaxPanelLagMs) {
    return false;
  }
  lagUs = static_cast<int32_t>(std::lround(ms * 1000.0));
  return true;
}

// The third version's fields of one row into `row` and `station`.
bool ParsePresentation(const std::vector<std::string_view>& fields, const PresentationColumns& at,
                       StimulusTiming& row, StationTiming& station) {
  const auto field = [&fields](const std::optional<std::size_t>& column) {
    return column ? fields[*column] : std::string_view();
  };
  Presentation& presented = row.presented;
  if (!ParseNumber(field(at.presented), presented.hostNs, true) ||
      !ParseNumber(field(at.refresh), presented.refreshNs, true) ||
      !ParseNumber(field(at.lightByte), row.lightByte, true)) {
    return false;
  }
  if (!field(at.frame).empty() && !ParseNumber(field(at.frame), presented.frameCounter)) return false;
  if (field(at.frame).empty()) presented.frameCounter = -1;
  if (at.mode) {
    const auto mode = PresentModeOfKey(field(at.mode));
    if (!mode) return false;
    presented.mode = *mode;
  }
  if (at.quality) {
    const auto quality = PresentQualityOfKey(field(at.quality));
    if (!quality) return false;
    presented.quality = *quality;
  }
  if (at.lightSensor) {
    const std::string_view sensor = field(at.lightSensor);
    if (sensor != "0" && sensor != "1") return false;
    station.lightSensor = sensor == "1";
  }
  return ParsePanelLag(field(at.panelLag), station.panelLagUs);
}

std::optional<ParsedRecord> ParseRecord(std::string_view text, std::string& why) {
  std::vector<std::string_view> lines = Split(text, '\n');
  // Every line ends in CRLF; an editor may have left LF alone.
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  for (std::string_view& line : lines) {
    if (line.ends_with('\r')) line.remove_suffix(1);
  }
  if (lines.empty()) {
    why = NotOurs;
    return std::nullopt;
  }
  const std::vector<std::string_view> header = Split(lines.front(), ',');
  if (header.size() < FirstColumns.size() ||
      !std::equal(FirstColumns.begin(), FirstColumns.end(), header.begin())) {
    why = NotOurs;
    return std::nullopt;
  }
  const auto testTimeAt = std::find(header.begin(), header.end(), TestTimeColumn);
  const auto crcAt = std::find(header.begin(), header.end(), CrcColumn);
  const PresentationColumns presentation = FindPresentationColumns(header);
  ParsedRecord record;
  record.namesDataFile = testTimeAt != header.end() && crcAt != header.end();

  for (std::size_t number = 1; number < lines.size(); ++number) {
    const std::vector<std::string_view> fields = Split(lines[number], ',');
    StimulusTiming row;
    bool valid = fields.size() == header.size() && ParseNumber(fields[0], row.stimulus) &&
                 ParseNumber(fields[1], row.onsetByte) && ParseNumber(fields[2], row.onsetHostNs) &&
                 ParseNumber(fields[3], row.paintedHostNs, true) &&
                 ParseNumber(fields[5], row.responseByte, true) &&
                 ParseNumber(fields[6], row.responseHostNs, true);
    if (valid && record.namesDataFile) {
      DataFileIdentity owner;
      const auto column = [&fields, &header](auto at) {
        return fields[static_cast<std::size_t>(at - header.begin())];
      };
      valid = ParseNumber(column(testTimeAt), owner.testTime) &&
              column(crcAt).size() == 8 && ParseNumber(column(crcAt), owner.crc32, false, 16);
      record.owners.push_back(owner);
    }
    StationTiming station;
    valid = valid && ParsePresentation(fields, presentation, row, station) &&
            (record.rows.empty() || station == record.station);
    if (!valid) {
      why = "is damaged at line " + std::to_string(number + 1);
      return std::nullopt;
    }
    record.station = station;
    record.rows.push_back(row);
  }
  return record;
}

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace

DataFileSave SaveTestDataAndTiming(const std::filesystem::path& path, DocumentData& data,
                                   const RunTiming* timing) {
  DataFileSave result;
  const auto bytes = EncodeTestDataToSave(data);
  const std::optional<DataFileIdentity> identity =
      bytes ? IdentityOfDataFile(*bytes) : std::nullopt;
  if (!identity) {
    result.data = {false, MessageFileSaveError};
    return result;
  }
  // A record without rows would say nothing, not even whose it is.
  std::string csv;
  std::optional<std::span<const uint8_t>> record;
  if (timing != nullptr && !timing->stimuli.empty()) {
    csv = TimingCsv(*timing, *identity);
    record = Bytes(csv);
  }
  const PairWrite written = WriteFileWithCompanion(path, *bytes, TimingCsvPathFor(path), record);
  if (!written.file) {
    result.data = {false, WithFailure(MessageFileSaveError, written.file.failure)};
    return result;
  }
  data.dataSaved = 1;
  result.data = {true, {}};
  if (!written.companion) result.timingFailure = written.companion.failure;
  return result;
}

TimingRecordRead ReadTimingRecord(const std::filesystem::path& record,
                                  const std::filesystem::path& dataFile) {
  TimingRecordRead read;
  auto refuse = [&read, &record](TimingRecordState state, std::string_view why) {
    read.state = state;
    read.failure = record.string() + ": " + std::string(why);
    return std::move(read);
  };
  std::error_code error;
  if (!std::filesystem::exists(std::filesystem::symlink_status(record, error))) return read;

  const FileRead file = ReadFileBytes(record);
  if (!file) {
    read.state = TimingRecordState::Unreadable;
    read.failure = file.failure;
    return read;
  }
  if (file->truncated) return refuse(TimingRecordState::Unreadable, NotOurs);
  std::string why;
  const std::string_view text(reinterpret_cast<const char*>(file->bytes.data()),
                              file->bytes.size());
  std::optional<ParsedRecord> parsed = ParseRecord(text, why);
  if (!parsed) return refuse(TimingRecordState::Unreadable, why);

  if (parsed->namesDataFile && !parsed->owners.empty()) {
    const FileRead dataBytes = ReadFileBytes(dataFile);
    const std::optional<DataFileIdentity> identity =
        dataBytes && !dataBytes->truncated ? IdentityOfDataFile(dataBytes->bytes) : std::nullopt;
    if (!identity) {
      return refuse(TimingRecordState::Foreign,
                    "names a data file, but " + dataFile.string() + " is none that opens");
    }
    for (const DataFileIdentity& owner : parsed->owners) {
      if (owner.testTime != identity->testTime) {
        return refuse(TimingRecordState::Foreign,
                      "is of another test than " + dataFile.string());
      }
      if (owner.crc32 != identity->crc32) {
        return refuse(TimingRecordState::Foreign,
                      "was written for another save of " + dataFile.string());
      }
    }
    read.state = TimingRecordState::Belongs;
  } else {
    read.state = TimingRecordState::Unchecked;
  }
  read.timing.emplace();
  read.timing->stimuli = std::move(parsed->rows);
  read.timing->station = parsed->station;
  return read;
}

TimingRecordRead ReadTimingRecordOf(const std::filesystem::path& dataFile) {
  return ReadTimingRecord(TimingCsvPathFor(dataFile), dataFile);
}

std::filesystem::path DataFilePathForTimingCsv(const std::filesystem::path& record) {
  const std::string name = record.filename().string();
  if (name.size() <= TimingCsvSuffix.size() || !name.ends_with(TimingCsvSuffix)) return {};
  std::filesystem::path path = record;
  path.replace_filename(name.substr(0, name.size() - TimingCsvSuffix.size()) +
                        std::string(DataFileSuffix));
  return path;
}

}  // namespace alacrity
