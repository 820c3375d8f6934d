// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The timing report of a run: the figures derived from its host times, the
// lines the Result view and the printed result page show (with the ones that
// need attention marked and explained), and the per-stimulus CSV that is
// saved beside the data file.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/box_rate.h"
#include "data/run_timing.h"
#include "data/test_data_file.h"
#include "results/presentation_report.h"
#include "results/timing_line.h"

namespace alacrity {

// The rate a sound box sends at.
inline constexpr double NominalBytesPerSecond = 1440.0;
// Beyond these a line of the report is marked.
inline constexpr double RateTolerancePpm = 5000.0;  // 0.5 %
inline constexpr double GapLimitMs = 20.0;
// Fingers change a button a few times a second; a bounce at a press adds a
// handful more. Beyond this many changes within one second of bytes the
// bits are not presses.
inline constexpr int64_t ButtonChangeLimit = 50;
// The shortest answer the engine counts comes with the 100th byte after
// onset (69 ms). Answers within 5 ms of it (7 bytes) sit at that floor;
// when more than a quarter of them do, and at least three, no person gave
// them.
inline constexpr int32_t FloorBytes = 100;
inline constexpr int32_t FloorBandBytes = 7;
inline constexpr int FloorAnswersMin = 3;

// The box's rate against the host clock, fitted over the run's anchors.
std::optional<BoxRate> MeasuredBoxRate(const ByteArrival& arrival);
double DeviationPpm(double bytesPerSecond);

struct TimingFigures {
  int stimuli = 0;  // stimuli whose response count started
  int painted = 0;  // of them, with a paint hand-over time
  // Display delay (paint handed over - onset byte received) of the painted
  // ones; 0 when none was painted.
  double delayMedianMs = 0.0;
  double delayP99Ms = 0.0;
  double delayMaxMs = 0.0;
  double shareOver1Ms = 0.0;  // 0..1
  std::optional<BoxRate> rate;
  double deviationPpm = 0.0;
  double longestGapMs = 0.0;
  ButtonActivity buttons;
  int answers = 0;          // stimuli answered
  int answersAtFloor = 0;   // of them, within FloorBandBytes of FloorBytes
  DisplayInfo display;
  // False for host times restored from a journal or read from a record:
  // they keep no arrival figures and name no display.
  bool arrivalKnown = false;
  PresentationFigures presentation;
};

TimingFigures ComputeTimingFigures(const RunTiming& timing);

// Display delay, box rate, longest gap, button changes, answers at the
// floor, display, then the presented frames and the light sensor
// (PresentationLines), in that order; the rate, the gap, the buttons and the
// display only where the arrival is known.
std::vector<TimingLine> TimingReportLines(const TimingFigures& figures);

// Nearest rank: the smallest value that at least `share` of the values do
// not exceed. `sorted` is not empty.
double Percentile(const std::vector<double>& sorted, double share);

// "1440.004 ± 0.003": the rate with the digits its uncertainty supports.
std::string FormatBytesPerSecond(const BoxRate& rate);

// The lines a report and a check of the box share.
TimingLine BoxRateLine(const std::optional<BoxRate>& rate);
TimingLine LongestGapLine(double longestGapMs);
TimingLine ButtonChangesLine(const ButtonActivity& buttons);

// The saved record, one row per stimulus whose response count started:
// UTF-8, a header row, units in the column names, CRLF line ends. Every row
// names the data file the record belongs to.
std::string TimingCsv(const RunTiming& timing, const DataFileIdentity& dataFile);
// "<dir>/<name>.timing.csv" beside "<dir>/<name>.aly".
std::filesystem::path TimingCsvPathFor(const std::filesystem::path& dataFile);

// "median 0.41 ms, p99 0.46 ms, max 0.52 ms": a delay's spread as the
// report's lines give it.
std::string SpreadText(double medianMs, double p99Ms, double maxMs);

// Whole and decimal digits with a '.', whatever the locale.
std::string FormatFixed(double value, int decimals);
// The decimals a value known to within `uncertainty` supports: down to the
// uncertainty's leading digit, at most `most`.
int SupportedDecimals(double uncertainty, int most);

}  // namespace alacrity
