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

#include "data/run_timing.h"
#include "data/test_data_file.h"

namespace alacrity {

// The rate a sound box sends at.
inline constexpr double NominalBytesPerSecond = 1440.0;
// Beyond these a line of the report is marked.
inline constexpr double RateTolerancePpm = 5000.0;  // 0.5 %
inline constexpr double GapLimitMs = 20.0;
// Shorter spans of arrival give no rate worth showing.
inline constexpr double MinRateSpanSeconds = 0.5;

// The box's rate against the host clock, between the arrival's first and
// last anchor. Nothing when they span less than MinRateSpanSeconds.
std::optional<double> MeasuredBytesPerSecond(const ByteArrival& arrival);
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
  std::optional<double> bytesPerSecond;
  double deviationPpm = 0.0;
  double longestGapMs = 0.0;
  DisplayInfo display;
};

TimingFigures ComputeTimingFigures(const RunTiming& timing);

// One line of the report. A marked line comes with one sentence that says
// what it means.
struct TimingLine {
  std::string text;
  bool marked = false;
  std::string meaning;  // empty unless marked
};

// Display delay, box rate, longest gap and display, in that order.
std::vector<TimingLine> TimingReportLines(const TimingFigures& figures);
// Box rate and longest gap alone: what a check of the box itself shows.
std::vector<TimingLine> ArrivalLines(const ByteArrival& arrival);

// The saved record, one row per stimulus whose response count started:
// UTF-8, a header row, units in the column names, CRLF line ends. Every row
// names the data file the record belongs to.
std::string TimingCsv(const RunTiming& timing, const DataFileIdentity& dataFile);
// "<dir>/<name>.timing.csv" beside "<dir>/<name>.aly".
std::filesystem::path TimingCsvPathFor(const std::filesystem::path& dataFile);

// Whole and decimal digits with a '.', whatever the locale.
std::string FormatFixed(double value, int decimals);

}  // namespace alacrity
