// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/stimulus_record.h"

#include <array>
#include <cstddef>

#include "data/enums.h"

namespace alacrity {
namespace {

constexpr std::array<std::string_view, 4> ObjectKeys = {"circle", "cross", "square", "triangle"};
constexpr std::array<std::string_view, 4> ColorKeys = {"red", "green", "blue", "yellow"};
constexpr std::array<std::string_view, 4> BackgroundKeys = {"white", "blue", "green", "black"};

std::string_view KeyOf(const std::array<std::string_view, 4>& keys, int32_t code) {
  return (code >= 0 && code < 4) ? keys[static_cast<std::size_t>(code)] : std::string_view{};
}

}  // namespace

std::string_view ObjectKey(int32_t object) { return KeyOf(ObjectKeys, object); }
std::string_view ColorKey(int32_t color) { return KeyOf(ColorKeys, color); }
std::string_view BackgroundKey(int32_t background) { return KeyOf(BackgroundKeys, background); }

std::string_view FalseResponseKey(int32_t mode) {
  if (mode == Code(FalseResponseMode::Accepted)) return "accepted";
  if (mode == Code(FalseResponseMode::NotAccepted)) return "not accepted";
  return {};
}

StimulusRecord MakeStimulusRecord(const TestResults& results,
                                  const TestConfiguration& runConfiguration, int stimulus) {
  const auto i = static_cast<std::size_t>(stimulus);
  const int32_t object = results.objectIndex[i];
  const int32_t button = results.buttonIndex[i];
  StimulusRecord r;
  r.stimulus = stimulus;
  r.object = ObjectKey(object);
  r.generationMs = results.generationMs[i];
  r.responseMs = results.responseMs[i];
  r.totalMs = int64_t{r.generationMs} + int64_t{r.responseMs};
  if (button >= 0 && button < 4) r.button = button + 1;
  r.correct = IsCorrect(results, stimulus);
  r.objectColor = ColorKey(ShapeColor(runConfiguration, object));
  return r;
}

}  // namespace alacrity
