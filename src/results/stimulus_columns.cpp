// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/stimulus_columns.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "data/tick_clock.h"
#include "results/presentation.h"
#include "results/stimulus_record.h"

namespace alacrity {
namespace {

constexpr std::string_view QualityName = "quality";
constexpr std::string_view QualityCorrect = "correct";
constexpr std::string_view QualityFalse = "false";

// The record's row of each stimulus 1..count (null where it has none), or
// nothing at all unless every answered stimulus's bytes give the response
// time the results hold: a record is kept with its first numbering, and
// once lines were deleted its rows no longer match the results'.
std::vector<const StimulusTiming*> TimingByStimulus(const RunTiming* timing,
                                                    const TestResults& results, int count) {
  if (timing == nullptr) return {};
  std::vector<const StimulusTiming*> rows(static_cast<std::size_t>(count) + 1, nullptr);
  for (const StimulusTiming& row : timing->stimuli) {
    if (row.stimulus >= 1 && row.stimulus <= count) rows[static_cast<std::size_t>(row.stimulus)] = &row;
  }
  for (int j = 1; j <= count; ++j) {
    const int32_t responseMs = results.responseMs[static_cast<std::size_t>(j)];
    if (responseMs == 0) continue;
    const StimulusTiming* row = rows[static_cast<std::size_t>(j)];
    if (row == nullptr || row->responseByte == 0 ||
        TicksToMilliseconds(row->responseByte - row->onsetByte) != responseMs) {
      return {};
    }
  }
  return rows;
}

}  // namespace

const std::array<StimulusColumn, 12> StimulusColumns = {{
    {StimulusField::Stimulus, "stimulus", "", "Number of the stimulus in the test, from 1", ""},
    {StimulusField::Object,
     "object",
     "",
     "Shape shown: circle, cross, square or triangle; NA when a press of several buttons "
     "replaced it",
     "Shape shown; n/a when a press of several buttons replaced it",
     {{{"circle", "circle, answered by button 1"},
       {"cross", "cross, answered by button 2"},
       {"square", "square, answered by button 3"},
       {"triangle", "triangle, answered by button 4"}}}},
    {StimulusField::GenerationMs, "generation_ms", "ms",
     "Waiting time before the stimulus appeared", ""},
    {StimulusField::ResponseMs, "response_ms", "ms",
     "Response time from the onset of the stimulus to the press, counted in the response box's "
     "ticks (1.44 per ms); 0 when none was recorded",
     ""},
    {StimulusField::TotalMs, "total_ms", "ms", "generation_ms + response_ms", ""},
    {StimulusField::Button, "button", "",
     "Button pressed, 1 to 4 as printed on the box (1 answers the circle, 2 the cross, "
     "3 the square, 4 the triangle); NA when not one single button",
     "Button pressed, 1 to 4 as printed on the box; n/a when not one single button"},
    {StimulusField::Correct,
     "correct",
     "",
     "1 when the button answered the shape shown, else 0",
     "Whether the button answered the shape shown",
     {{{QualityCorrect, "the button of the shape shown"},
       {QualityFalse, "any other button or buttons"}}}},
    {StimulusField::Background,
     "background",
     "",
     "Background colour of the test: white, blue, green or black",
     "Background colour of the test",
     {{{"white", "white"}, {"blue", "blue"}, {"green", "green"}, {"black", "black"}}}},
    {StimulusField::FalseResponse,
     "false_response",
     "",
     "Whether a wrong button ended the stimulus (accepted) or was ignored until the right one "
     "(not accepted)",
     "What a wrong button did in this test",
     {{{"accepted", "it ended the stimulus as a false response"},
       {"not accepted", "it was ignored until the right button"}}}},
    {StimulusField::ObjectColor,
     "object_color",
     "",
     "Colour of the shape shown: red, green, blue or yellow",
     "Colour of the shape shown",
     {{{"red", "red"}, {"green", "green"}, {"blue", "blue"}, {"yellow", "yellow"}}}},
    {StimulusField::ResponseFromPresentedMs, "response_from_presented_ms", "ms",
     "Response time counted from the moment the display presented the stimulus's frame: "
     "response_ms less the delay from the onset to the presented frame (with the panel's lag "
     "where measured), truncated to whole ms; NA unless that moment is known exactly or to "
     "within one refresh (the timing record beside the test data file says how)",
     "Response time counted from the presented frame of the stimulus: response_ms less the delay "
     "from the onset to that frame; n/a unless the frame's time was exact or known to within one "
     "refresh"},
    {StimulusField::ResponseFromLightMs, "response_from_light_ms", "ms",
     "Response time counted from the moment the response box's light sensor saw the stimulus "
     "light up the screen, in the box's ticks (1.44 per ms), truncated to whole ms; negative for "
     "a press before the light; NA without a light sensor or where it did not see the stimulus",
     "Response time counted from the light onset the response box's light sensor saw on the "
     "screen, in the box's ticks; n/a without a light sensor or where it did not see the "
     "stimulus"},
}};

std::string_view ColumnName(const StimulusColumn& column, const RowFormat& format) {
  return column.field == StimulusField::Correct && format.correctAsQuality ? QualityName
                                                                             : column.name;
}

void AppendStimulusHeader(std::string& out, const RowFormat& format, std::string_view prefix) {
  out += prefix;
  for (std::size_t i = 0; i < StimulusColumns.size(); ++i) {
    if (i > 0) out += format.separator;
    out += ColumnName(StimulusColumns[i], format);
  }
  out += format.lineEnd;
}

void AppendStimulusRows(std::string& out, const RowFormat& format, std::string_view prefix,
                        const TestConfiguration& runConfiguration, const TestResults& results,
                        const RunTiming* timing) {
  const auto orMissing = [&format](std::string_view value) {
    return value.empty() ? format.missing : value;
  };
  // Keys are fixed words without separators or quotes: no field needs quoting.
  const std::string_view background = orMissing(BackgroundKey(runConfiguration.background));
  const std::string_view falseResponse =
      orMissing(FalseResponseKey(runConfiguration.falseResponse));
  const int count = std::clamp(results.responseCount, 0, MaxStimulusCount);
  const std::vector<const StimulusTiming*> timed = TimingByStimulus(timing, results, count);
  const auto orMissingTime = [&format](std::optional<int32_t> ms) {
    return ms ? std::to_string(*ms) : std::string(format.missing);
  };
  for (int j = 1; j <= count; ++j) {
    const StimulusRecord r = MakeStimulusRecord(results, runConfiguration, j);
    const StimulusTiming* t = timed.empty() ? nullptr : timed[static_cast<std::size_t>(j)];
    out += prefix;
    for (std::size_t i = 0; i < StimulusColumns.size(); ++i) {
      if (i > 0) out += format.separator;
      switch (StimulusColumns[i].field) {
        case StimulusField::Stimulus: out += std::to_string(r.stimulus); break;
        case StimulusField::Object: out += orMissing(r.object); break;
        case StimulusField::GenerationMs: out += std::to_string(r.generationMs); break;
        case StimulusField::ResponseMs: out += std::to_string(r.responseMs); break;
        case StimulusField::TotalMs: out += std::to_string(r.totalMs); break;
        case StimulusField::Button:
          // As printed on the box, 1..4; 5 (not one single button) and
          // damaged codes have none.
          out += r.button ? std::to_string(*r.button) : std::string(format.missing);
          break;
        case StimulusField::Correct:
          if (format.correctAsQuality) {
            out += r.correct ? QualityCorrect : QualityFalse;
          } else {
            out += r.correct ? '1' : '0';
          }
          break;
        case StimulusField::Background: out += background; break;
        case StimulusField::FalseResponse: out += falseResponse; break;
        case StimulusField::ObjectColor: out += orMissing(r.objectColor); break;
        case StimulusField::ResponseFromPresentedMs:
          out += orMissingTime(t != nullptr ? ResponseFromPresentedMs(*t, timing->station)
                                            : std::nullopt);
          break;
        case StimulusField::ResponseFromLightMs:
          out += orMissingTime(t != nullptr ? ResponseFromLightMs(*t) : std::nullopt);
          break;
      }
    }
    out += format.lineEnd;
  }
}

}  // namespace alacrity
