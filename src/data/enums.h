// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The codes of the test set-up, as stored in every file (32-bit integers), and
// the display names the lists, reports and exports print, spaces included.

#include <array>
#include <cstdint>
#include <string_view>

namespace alacrity {

enum class ObjectKind : int32_t { Circle = 0, Cross = 1, Square = 2, Triangle = 3, None = 4 };
enum class StimulusColor : int32_t { Red = 0, Green = 1, Blue = 2, Yellow = 3 };
enum class BackgroundColor : int32_t { White = 0, Blue = 1, Green = 2, Black = 3 };
enum class TimingMode : int32_t { Random = 0, Fixed = 1 };
enum class FalseResponseMode : int32_t { Accepted = 0, NotAccepted = 1 };
enum class VoiceSignal : int32_t { Yes = 0, No = 1 };
enum class Sex : int32_t { Female = 0, Male = 1 };

template <typename E>
constexpr int32_t Code(E value) {
  return static_cast<int32_t>(value);
}

inline constexpr std::array<std::string_view, 4> ObjectNames = {" Circle ", " Cross ", " Square ",
                                                                "  Triangel"};
inline constexpr std::array<std::string_view, 4> StimulusColorNames = {" Red ", " Green ", " Blue ",
                                                                       " Yellow "};
inline constexpr std::array<std::string_view, 4> BackgroundColorNames = {" White ", " Blue ",
                                                                         " Green ", " Black "};

// Files load values as they are stored, so a code may be out of range; these
// never fail and give InvalidCodeName for a code without a name.
inline constexpr std::string_view InvalidCodeName = " Invalid ";
std::string_view ObjectName(int32_t code);
std::string_view StimulusColorName(int32_t code);
std::string_view BackgroundColorName(int32_t code);

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

// Screen colours; an out-of-range code gives black.
Rgb StimulusColorRgb(int32_t code);
Rgb BackgroundColorRgb(int32_t code);

}  // namespace alacrity
