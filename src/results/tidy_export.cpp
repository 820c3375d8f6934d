// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/tidy_export.h"

#include <algorithm>

#include "data/text_encoding.h"
#include "results/csv_field.h"
#include "results/stimulus_record.h"
#include "results/test_time_text.h"

namespace alacrity {

std::string TidyCsvHeaderLine() {
  return "file,subject,test_time_utc,stimulus,object,generation_ms,response_ms,total_ms,button,"
         "correct,background,false_response,object_color\r\n";
}

void AppendTidyCsvRows(std::string& out, std::string_view fileLabel, const SubjectInfo& subject,
                       const TestConfiguration& runConfiguration, const TestResults& results) {
  // Identical for every row of the file; encoded once.
  const std::string file = ToDisplayUtf8(fileLabel);
  const std::string name = ToDisplayUtf8(subject.name);
  const std::string testTime = FormatTestTimeIso(results.testTime);
  const std::string_view background = BackgroundKey(runConfiguration.background);
  const std::string_view falseResponse = FalseResponseKey(runConfiguration.falseResponse);

  const int count = std::clamp(results.responseCount, 0, MaxStimulusCount);
  for (int j = 1; j <= count; ++j) {
    const StimulusRecord r = MakeStimulusRecord(results, runConfiguration, j);

    AppendCsvField(out, file);
    out += ',';
    AppendCsvField(out, name);
    out += ',';
    out += testTime;
    out += ',';
    out += std::to_string(j);
    out += ',';
    out += r.object;
    out += ',';
    out += std::to_string(r.generationMs);
    out += ',';
    out += std::to_string(r.responseMs);
    out += ',';
    out += std::to_string(r.totalMs);
    out += ',';
    // Button numbers as printed on the box, 1..4; 5 (not one single button)
    // and damaged codes have none.
    if (r.button) out += std::to_string(*r.button);
    out += ',';
    out += r.correct ? '1' : '0';
    out += ',';
    out += background;
    out += ',';
    out += falseResponse;
    out += ',';
    out += r.objectColor;
    out += "\r\n";
  }
}

}  // namespace alacrity
