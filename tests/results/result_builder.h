// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Builds result sets for the tests one stimulus at a time.

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "data/enums.h"
#include "data/records.h"

namespace alacrity::testing {

struct Stimulus {
  ObjectKind object = ObjectKind::Circle;
  int32_t button = 0;  // 0..3, or 5 for no single button
  int32_t generationMs = 1000;
  int32_t responseMs = 0;
};

// A response whose button answers its object.
inline Stimulus Correct(int32_t responseMs, ObjectKind object = ObjectKind::Circle) {
  return {object, Code(object), 1000, responseMs};
}

// A response with the wrong button (the next object's).
inline Stimulus Wrong(int32_t responseMs, ObjectKind object = ObjectKind::Circle) {
  return {object, (Code(object) + 1) % 4, 1000, responseMs};
}

inline void Append(TestResults& results, const Stimulus& s) {
  const auto j = static_cast<std::size_t>(++results.responseCount);
  results.objectIndex[j] = Code(s.object);
  results.buttonIndex[j] = s.button;
  results.generationMs[j] = s.generationMs;
  results.responseMs[j] = s.responseMs;
}

inline TestResults MakeResults(std::initializer_list<Stimulus> stimuli) {
  TestResults results;
  for (const Stimulus& s : stimuli) Append(results, s);
  return results;
}

}  // namespace alacrity::testing
