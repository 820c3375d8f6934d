// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// An analysis-ready table of many test data files for R, pandas or a
// spreadsheet: UTF-8, RFC 4180 quoting, a header row, one row per stimulus.

#include <string>
#include <string_view>

#include "data/records.h"
#include "data/run_timing.h"

namespace alacrity {

// The header row, ended by "\r\n" like every row:
// file, subject, test_time_utc, stimulus, object, generation_ms, response_ms,
// total_ms, button, correct, background, false_response, object_color,
// response_from_presented_ms, response_from_light_ms
std::string TidyCsvHeaderLine();

// Appends one line per stimulus 1..responseCount of one file; `timing`, its
// timing record, when one belongs to it.
void AppendTidyCsvRows(std::string& out, std::string_view fileLabel, const SubjectInfo& subject,
                       const TestConfiguration& runConfiguration, const TestResults& results,
                       const RunTiming* timing);

}  // namespace alacrity
