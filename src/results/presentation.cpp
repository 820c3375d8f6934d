// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/presentation.h"

#include <algorithm>
#include <array>

#include "data/tick_clock.h"

namespace alacrity {
namespace {

constexpr double NanosecondsPerMs = 1e6;
constexpr double MicrosecondsPerMs = 1e3;

constexpr std::array<std::string_view, 4> ModeKeys = {"unknown", "flip", "copy", "composited"};
constexpr std::array<std::string_view, 5> QualityKeys = {"none", "exact", "frame-bounded",
                                                         "lower-bound", "simulated-clock"};
// Of each class, from best (0) to worst.
constexpr std::array<int, 5> QualityRank = {4, 0, 1, 2, 3};

template <typename Kind, std::size_t N>
std::optional<Kind> KindOfKey(const std::array<std::string_view, N>& keys, std::string_view key) {
  const auto at = std::find(keys.begin(), keys.end(), key);
  if (at == keys.end()) return std::nullopt;
  return static_cast<Kind>(at - keys.begin());
}

template <std::size_t N>
std::string_view KeyOf(const std::array<std::string_view, N>& keys, int32_t code) {
  return code >= 0 && static_cast<std::size_t>(code) < N ? keys[static_cast<std::size_t>(code)]
                                                         : keys[0];
}

int Rank(PresentQuality quality) {
  const auto code = static_cast<std::size_t>(quality);
  return code < QualityRank.size() ? QualityRank[code] : QualityRank[0];
}

}  // namespace

std::string_view PresentModeKey(PresentMode mode) {
  return KeyOf(ModeKeys, static_cast<int32_t>(mode));
}

std::optional<PresentMode> PresentModeOfKey(std::string_view key) {
  return KindOfKey<PresentMode>(ModeKeys, key);
}

std::string_view PresentQualityKey(PresentQuality quality) {
  return KeyOf(QualityKeys, static_cast<int32_t>(quality));
}

std::optional<PresentQuality> PresentQualityOfKey(std::string_view key) {
  return KindOfKey<PresentQuality>(QualityKeys, key);
}

PresentQuality WorseQuality(PresentQuality a, PresentQuality b) {
  return Rank(a) >= Rank(b) ? a : b;
}

bool CountsFromPresented(PresentQuality quality) {
  return quality == PresentQuality::Exact || quality == PresentQuality::FrameBounded;
}

std::optional<double> OnsetToPresentedMs(const StimulusTiming& stimulus,
                                         const StationTiming& station) {
  if (stimulus.presented.hostNs == 0) return std::nullopt;
  const double lagMs = static_cast<double>(station.panelLagUs.value_or(0)) / MicrosecondsPerMs;
  return static_cast<double>(stimulus.presented.hostNs - stimulus.onsetHostNs) / NanosecondsPerMs +
         lagMs;
}

std::optional<double> OnsetToLightMs(const StimulusTiming& stimulus) {
  if (stimulus.lightByte == 0) return std::nullopt;
  return static_cast<double>(stimulus.lightByte - stimulus.onsetByte) * MillisecondsPerTick;
}

std::optional<int32_t> ResponseFromPresentedMs(const StimulusTiming& stimulus,
                                               const StationTiming& station) {
  const std::optional<double> delayMs = OnsetToPresentedMs(stimulus, station);
  if (stimulus.responseByte == 0 || !delayMs || !CountsFromPresented(stimulus.presented.quality)) {
    return std::nullopt;
  }
  const double responseMs =
      static_cast<double>(stimulus.responseByte - stimulus.onsetByte) * MillisecondsPerTick;
  return TruncateToInt32(responseMs - *delayMs);
}

std::optional<int32_t> ResponseFromLightMs(const StimulusTiming& stimulus) {
  if (stimulus.responseByte == 0 || stimulus.lightByte == 0) return std::nullopt;
  return TicksToMilliseconds(stimulus.responseByte - stimulus.lightByte);
}

}  // namespace alacrity
