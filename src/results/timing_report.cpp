// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/timing_report.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>

#include "results/presentation.h"

namespace alacrity {
namespace {

constexpr double NanosecondsPerMs = 1e6;

constexpr std::string_view MeaningLateDisplay =
    "Stimuli reached the screen a refresh or more after their count began; times include that.";
constexpr std::string_view MeaningRateOff =
    "The box's clock is off: every response time is off by the same share.";
constexpr std::string_view MeaningGap =
    "Bytes arrived in bursts: the converter's latency timer may be 16 ms, or the host was busy.";
constexpr std::string_view MeaningGarbage =
    "The button bits change faster than fingers can: the box sends garbage (a wrong rate, a "
    "loose line or another device), not presses.";
constexpr std::string_view MeaningFloor =
    "Answers bunched at the shortest time that counts were not given by a person: the box sends "
    "presses by itself.";

std::string Signed(double value, int decimals) {
  std::string text = FormatFixed(value, decimals);
  // A deviation that rounds to zero is +0, whichever side of zero it was on.
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text.front() == '-' ? text : "+" + text;
}

// An uncertainty too small for the last digit shown is shown as one of it.
double AtLeastLastDigit(double uncertainty, int decimals) {
  return std::max(uncertainty, std::pow(10.0, -decimals));
}

std::string WithUncertainty(double value, double uncertainty, int decimals) {
  return FormatFixed(value, decimals) + " ± " +
         FormatFixed(AtLeastLastDigit(uncertainty, decimals), decimals);
}

TimingLine FloorLine(int answersAtFloor, int answers) {
  TimingLine line{"Answers within 5 ms of the 69 ms floor: " + std::to_string(answersAtFloor) +
                      " of " + std::to_string(answers),
                  false, ""};
  if (answersAtFloor >= FloorAnswersMin && answersAtFloor * 4 > answers) {
    line.marked = true;
    line.meaning = MeaningFloor;
  }
  return line;
}

void AppendInteger(std::string& out, int64_t value) {
  std::array<char, 24> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  out.append(digits.data(), end);
}

// The columns from the third version on: the presented frame, the panel's
// lag and the light sensor.
void AppendPresentation(std::string& out, const StimulusTiming& row, const StationTiming& station) {
  const Presentation& presented = row.presented;
  const bool known = presented.hostNs != 0;
  if (known) AppendInteger(out, presented.hostNs);
  out += ',';
  if (known) AppendInteger(out, presented.refreshNs);
  out += ',';
  if (known && presented.frameCounter >= 0) AppendInteger(out, presented.frameCounter);
  out += ',';
  out += PresentModeKey(known ? presented.mode : PresentMode::Unknown);
  out += ',';
  out += PresentQualityKey(known ? presented.quality : PresentQuality::None);
  out += ',';
  if (const auto ms = OnsetToPresentedMs(row, station)) out += FormatFixed(*ms, 3);
  out += ',';
  if (station.panelLagUs) out += FormatFixed(*station.panelLagUs / 1000.0, 3);
  out += ',';
  out += station.lightSensor ? '1' : '0';
  out += ',';
  if (row.lightByte != 0) AppendInteger(out, row.lightByte);
  out += ',';
  if (const auto ms = OnsetToLightMs(row)) out += FormatFixed(*ms, 3);
}

}  // namespace

double Percentile(const std::vector<double>& sorted, double share) {
  const auto rank = static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
  return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

std::string SpreadText(double medianMs, double p99Ms, double maxMs) {
  return "median " + FormatFixed(medianMs, 2) + " ms, p99 " + FormatFixed(p99Ms, 2) + " ms, max " +
         FormatFixed(maxMs, 2) + " ms";
}

std::string FormatFixed(double value, int decimals) {
  std::array<char, 64> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::fixed, decimals);
  if (result.ec != std::errc{}) return "?";
  return std::string(text.data(), result.ptr);
}

int SupportedDecimals(double uncertainty, int most) {
  if (!(uncertainty > 0.0)) return most;
  return std::clamp(static_cast<int>(-std::floor(std::log10(uncertainty))), 0, most);
}

std::optional<BoxRate> MeasuredBoxRate(const ByteArrival& arrival) {
  return FitBoxRate(arrival.rate);
}

std::string FormatBytesPerSecond(const BoxRate& rate) {
  return WithUncertainty(rate.bytesPerSecond, rate.uncertainty,
                         SupportedDecimals(rate.uncertainty, 4));
}

TimingLine BoxRateLine(const std::optional<BoxRate>& rate) {
  if (!rate) return {"Box rate: not measured (too few bytes)", false, ""};
  const double ppm = DeviationPpm(rate->bytesPerSecond);
  const double ppmUncertainty = rate->uncertainty / NominalBytesPerSecond * 1e6;
  const int ppmDecimals = SupportedDecimals(ppmUncertainty, 1);
  TimingLine line{"Box rate: " + FormatBytesPerSecond(*rate) + " bytes/s, " +
                      Signed(ppm, ppmDecimals) + " ± " +
                      FormatFixed(AtLeastLastDigit(ppmUncertainty, ppmDecimals), ppmDecimals) +
                      " ppm against the host clock",
                  false, ""};
  if (std::abs(ppm) > RateTolerancePpm) {
    line.marked = true;
    line.meaning = MeaningRateOff;
  }
  return line;
}

TimingLine LongestGapLine(double longestGapMs) {
  TimingLine line{"Longest gap between bytes: " + FormatFixed(longestGapMs, 1) + " ms", false, ""};
  if (longestGapMs > GapLimitMs) {
    line.marked = true;
    line.meaning = MeaningGap;
  }
  return line;
}

TimingLine ButtonChangesLine(const ButtonActivity& buttons) {
  TimingLine line{"Button changes: " + std::to_string(buttons.changes) + ", at most " +
                      std::to_string(buttons.busiestSecond) +
                      " in one second; bounces (within 10 ms): " + std::to_string(buttons.bounces),
                  false, ""};
  if (buttons.busiestSecond > ButtonChangeLimit) {
    line.marked = true;
    line.meaning = MeaningGarbage;
  }
  return line;
}

double DeviationPpm(double bytesPerSecond) {
  return (bytesPerSecond / NominalBytesPerSecond - 1.0) * 1e6;
}

TimingFigures ComputeTimingFigures(const RunTiming& timing) {
  TimingFigures figures;
  figures.stimuli = static_cast<int>(timing.stimuli.size());
  std::vector<double> delaysMs;
  for (const StimulusTiming& stimulus : timing.stimuli) {
    if (stimulus.paintedHostNs == 0) continue;
    delaysMs.push_back(static_cast<double>(stimulus.paintedHostNs - stimulus.onsetHostNs) /
                       NanosecondsPerMs);
  }
  figures.painted = static_cast<int>(delaysMs.size());
  if (!delaysMs.empty()) {
    std::sort(delaysMs.begin(), delaysMs.end());
    figures.delayMedianMs = Percentile(delaysMs, 0.5);
    figures.delayP99Ms = Percentile(delaysMs, 0.99);
    figures.delayMaxMs = delaysMs.back();
    const auto over = std::count_if(delaysMs.begin(), delaysMs.end(), [](double ms) { return ms > 1.0; });
    figures.shareOver1Ms = static_cast<double>(over) / static_cast<double>(delaysMs.size());
  }
  for (const StimulusTiming& stimulus : timing.stimuli) {
    if (stimulus.responseByte == 0) continue;
    ++figures.answers;
    if (stimulus.responseByte - stimulus.onsetByte <= FloorBytes + FloorBandBytes) {
      ++figures.answersAtFloor;
    }
  }
  figures.rate = MeasuredBoxRate(timing.arrival);
  if (figures.rate) figures.deviationPpm = DeviationPpm(figures.rate->bytesPerSecond);
  figures.longestGapMs = static_cast<double>(timing.arrival.longestGapNs) / NanosecondsPerMs;
  figures.buttons = timing.arrival.buttons;
  figures.display = timing.display;
  figures.arrivalKnown = timing.arrival.firstNs != 0;
  figures.presentation = ComputePresentationFigures(timing);
  return figures;
}

std::vector<TimingLine> TimingReportLines(const TimingFigures& figures) {
  std::vector<TimingLine> lines;
  if (figures.painted == 0) {
    lines.push_back({"Display delay: no stimulus painted", false, ""});
  } else {
    TimingLine delay{"Display delay: " +
                         SpreadText(figures.delayMedianMs, figures.delayP99Ms, figures.delayMaxMs) +
                         " (" + std::to_string(figures.painted) + " stimuli)",
                     false, ""};
    if (figures.display.refreshHz > 0 && figures.delayP99Ms > 1000.0 / figures.display.refreshHz) {
      delay.marked = true;
      delay.meaning = MeaningLateDisplay;
    }
    lines.push_back(delay);
  }
  if (figures.arrivalKnown) {
    lines.push_back(BoxRateLine(figures.rate));
    lines.push_back(LongestGapLine(figures.longestGapMs));
    lines.push_back(ButtonChangesLine(figures.buttons));
  }
  lines.push_back(FloorLine(figures.answersAtFloor, figures.answers));
  if (figures.arrivalKnown) {
    const std::string server = figures.display.server.empty() ? "unknown" : figures.display.server;
    const std::string refresh = figures.display.refreshHz > 0
                                    ? FormatFixed(figures.display.refreshHz, 0) + " Hz refresh"
                                    : "refresh rate unknown";
    lines.push_back({"Display: " + server + ", " + refresh, false, ""});
  }
  const std::vector<TimingLine> presentation = PresentationLines(figures.presentation);
  lines.insert(lines.end(), presentation.begin(), presentation.end());
  return lines;
}

std::string TimingCsv(const RunTiming& timing, const DataFileIdentity& dataFile) {
  std::string out =
      "stimulus,onset_byte,onset_host_ns,painted_host_ns,display_delay_ms,response_byte,"
      "response_host_ns,data_file_test_time,data_file_crc32,presented_host_ns,refresh_ns,"
      "frame_counter,present_mode,presentation_quality,onset_to_presented_ms,panel_lag_ms,"
      "light_sensor,light_byte,onset_to_light_ms\r\n";
  std::array<char, 9> crc{};
  std::snprintf(crc.data(), crc.size(), "%08x", static_cast<unsigned>(dataFile.crc32));
  for (const StimulusTiming& row : timing.stimuli) {
    AppendInteger(out, row.stimulus);
    out += ',';
    AppendInteger(out, row.onsetByte);
    out += ',';
    AppendInteger(out, row.onsetHostNs);
    out += ',';
    // Empty fields, not zeros, for what did not happen: an analysis sees a
    // missing value.
    if (row.paintedHostNs != 0) {
      AppendInteger(out, row.paintedHostNs);
      out += ',';
      out += FormatFixed(static_cast<double>(row.paintedHostNs - row.onsetHostNs) / NanosecondsPerMs, 3);
    } else {
      out += ',';
    }
    out += ',';
    if (row.responseByte != 0) {
      AppendInteger(out, row.responseByte);
      out += ',';
      AppendInteger(out, row.responseHostNs);
    } else {
      out += ',';
    }
    out += ',';
    AppendInteger(out, dataFile.testTime);
    out += ',';
    out += crc.data();
    out += ',';
    AppendPresentation(out, row, timing.station);
    out += "\r\n";
  }
  return out;
}

std::filesystem::path TimingCsvPathFor(const std::filesystem::path& dataFile) {
  std::filesystem::path path = dataFile;
  path.replace_filename(dataFile.stem().string() + ".timing.csv");
  return path;
}

}  // namespace alacrity
