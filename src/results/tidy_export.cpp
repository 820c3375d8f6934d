#include "results/tidy_export.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "data/enums.h"
#include "data/text_encoding.h"
#include "results/test_time_text.h"

namespace alacrity {
namespace {

// Machine-readable names: lower case, no padding, "triangle" spelt right.
constexpr std::array<std::string_view, 4> ObjectKeys = {"circle", "cross", "square", "triangle"};
constexpr std::array<std::string_view, 4> ColorKeys = {"red", "green", "blue", "yellow"};
constexpr std::array<std::string_view, 4> BackgroundKeys = {"white", "blue", "green", "black"};

// An empty field for a code without a name: an analysis sees a missing value,
// not a made-up category.
std::string_view KeyOf(const std::array<std::string_view, 4>& keys, int32_t code) {
  return (code >= 0 && code < 4) ? keys[static_cast<std::size_t>(code)] : std::string_view{};
}

std::string_view FalseResponseKey(int32_t code) {
  if (code == Code(FalseResponseMode::Accepted)) return "accepted";
  if (code == Code(FalseResponseMode::NotAccepted)) return "not accepted";
  return {};
}

// RFC 4180: a field holding a comma, quote or line break is quoted, with its
// quotes doubled.
void AppendField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

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
  const std::string_view background = KeyOf(BackgroundKeys, runConfiguration.background);
  const std::string_view falseResponse = FalseResponseKey(runConfiguration.falseResponse);

  const int count = std::clamp(results.responseCount, 0, MaxStimulusCount);
  for (int j = 1; j <= count; ++j) {
    const auto i = static_cast<std::size_t>(j);
    const int32_t object = results.objectIndex[i];
    const int32_t button = results.buttonIndex[i];
    const int64_t total = int64_t{results.generationMs[i]} + int64_t{results.responseMs[i]};

    AppendField(out, file);
    out += ',';
    AppendField(out, name);
    out += ',';
    out += testTime;
    out += ',';
    out += std::to_string(j);
    out += ',';
    out += KeyOf(ObjectKeys, object);
    out += ',';
    out += std::to_string(results.generationMs[i]);
    out += ',';
    out += std::to_string(results.responseMs[i]);
    out += ',';
    out += std::to_string(total);
    out += ',';
    // Button numbers as printed on the box, 1..4; 5 (not one single button)
    // and damaged codes have none.
    if (button >= 0 && button < 4) out += std::to_string(button + 1);
    out += ',';
    out += IsCorrect(results, j) ? '1' : '0';
    out += ',';
    out += background;
    out += ',';
    out += falseResponse;
    out += ',';
    out += KeyOf(ColorKeys, ShapeColor(runConfiguration, object));
    out += "\r\n";
  }
}

}  // namespace alacrity
