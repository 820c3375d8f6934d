// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/stimulus_columns.h"

#include <algorithm>

#include "results/stimulus_record.h"

namespace alacrity {
namespace {

constexpr std::string_view QualityName = "quality";
constexpr std::string_view QualityCorrect = "correct";
constexpr std::string_view QualityFalse = "false";

}  // namespace

const std::array<StimulusColumn, 10> StimulusColumns = {{
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
                        const TestConfiguration& runConfiguration, const TestResults& results) {
  const auto orMissing = [&format](std::string_view value) {
    return value.empty() ? format.missing : value;
  };
  // Keys are fixed words without separators or quotes: no field needs quoting.
  const std::string_view background = orMissing(BackgroundKey(runConfiguration.background));
  const std::string_view falseResponse =
      orMissing(FalseResponseKey(runConfiguration.falseResponse));
  const int count = std::clamp(results.responseCount, 0, MaxStimulusCount);
  for (int j = 1; j <= count; ++j) {
    const StimulusRecord r = MakeStimulusRecord(results, runConfiguration, j);
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
      }
    }
    out += format.lineEnd;
  }
}

}  // namespace alacrity
