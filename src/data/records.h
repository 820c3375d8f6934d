// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The plain records of one test set-up and its results. Field order and widths
// are the layout of the configuration, protocol and test data files.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace alacrity {

// Result arrays are indexed by the 1-based stimulus number; slot 0 is never
// filled by a run, so a run holds at most 1199 stimuli.
inline constexpr int ResultCapacity = 1200;
inline constexpr int MaxStimulusCount = ResultCapacity - 1;
inline constexpr int ProtocolCapacity = 1200;
inline constexpr int MaxProtocolItems = ProtocolCapacity - 1;

struct TestConfiguration {
  int32_t stimulusCount = 0;
  int32_t timingMode = 0;  // TimingMode
  int32_t fixedTimeMs = 0;
  int32_t randomLowerMs = 0;
  int32_t randomUpperMs = 0;
  // Not in ObjectKind order: read them by name, never by index.
  int32_t squareColor = 0;    // StimulusColor
  int32_t circleColor = 0;    // StimulusColor
  int32_t triangleColor = 0;  // StimulusColor
  int32_t crossColor = 0;     // StimulusColor
  std::array<uint8_t, 4> generateObject{};  // by ObjectKind; nonzero: may be drawn
  int32_t background = 0;                   // BackgroundColor
  int32_t falseResponse = 0;                // FalseResponseMode

  bool operator==(const TestConfiguration&) const = default;
};
inline constexpr std::size_t TestConfigurationBytes = 48;

struct VoiceSettings {
  int32_t voiceSignal = 0;  // VoiceSignal
  int32_t voiceLeadMs = 0;  // how long before the stimulus the sound starts

  bool operator==(const VoiceSettings&) const = default;
};

struct ProtocolHeader {
  int32_t itemCount = 0;
  int32_t background = 0;
  int32_t falseResponse = 0;
  int32_t squareColor = 0;
  int32_t circleColor = 0;
  int32_t triangleColor = 0;
  int32_t crossColor = 0;

  bool operator==(const ProtocolHeader&) const = default;
};

struct ProtocolItem {
  int32_t generationMs = 0;
  int32_t object = 0;  // ObjectKind

  bool operator==(const ProtocolItem&) const = default;
};

struct Protocol {
  std::string name;
  ProtocolHeader header;
  std::array<ProtocolItem, ProtocolCapacity> items{};  // 0 .. itemCount - 1 in use

  bool operator==(const Protocol&) const = default;
};

struct SubjectInfo {
  std::string name;
  int32_t sex = 0;  // Sex
  int32_t height = 0;
  int32_t weight = 0;
  std::string comment1;
  std::string comment2;
  std::string comment3;

  bool operator==(const SubjectInfo&) const = default;
};

struct TestResults {
  int32_t responseCount = 0;  // entries 1 .. responseCount are valid
  int32_t testTime = 0;       // seconds since 1970 UTC, low 32 bits
  std::array<int32_t, ResultCapacity> responseMs{};    // 0: no response time
  std::array<int32_t, ResultCapacity> objectIndex{};   // ObjectKind shown; 4: invalid answer
  std::array<int32_t, ResultCapacity> buttonIndex{};   // raw nibble during a run, then 0..3 or 5
  std::array<int32_t, ResultCapacity> generationMs{};  // wait before the stimulus

  bool operator==(const TestResults&) const = default;
};

// A response is correct when the button answers the object shown.
inline bool IsCorrect(const TestResults& results, int stimulus) {
  return results.buttonIndex[static_cast<std::size_t>(stimulus)] ==
         results.objectIndex[static_cast<std::size_t>(stimulus)];
}

// The StimulusColor in which an object is drawn, looked up by name; -1 for a
// code that is no shape.
int32_t ShapeColor(const TestConfiguration& configuration, int32_t object);
int32_t ShapeColor(const ProtocolHeader& header, int32_t object);

}  // namespace alacrity
