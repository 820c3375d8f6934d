// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A closed-loop stand-in for a person at the response box: it watches the
// engine's phase and object as a person watches the screen and produces the
// box's next status byte. Used by the command-line demo, tests and benchmarks.

#include <cstdint>
#include <random>

#include "data/document_data.h"
#include "run_state.h"

namespace alacrity {

struct SubjectModel {
  double meanMs = 350.0;    // mean reaction time
  double sdMs = 50.0;       // its standard deviation (normal distribution)
  double errorRate = 0.0;   // chance of pressing a wrong button, 0..1
};

class SimulatedSubject {
 public:
  SimulatedSubject(const SubjectModel& model, uint64_t seed);

  // The status byte the box sends next, given the run as it stands now.
  // Allocation-free.
  uint8_t NextByte(const RunState& state, const DocumentData& data);

 private:
  void Reset();
  int32_t DrawReactionTicks();
  int32_t DrawHoldTicks();
  uint8_t ChooseButton(int32_t object, bool allowError);

  SubjectModel m_model;
  std::mt19937_64 m_random;
  std::normal_distribution<double> m_reaction;
  std::uniform_real_distribution<double> m_unit{0.0, 1.0};

  uint8_t m_held = 0;          // the buttons held now
  uint8_t m_target = 0;        // the buttons to press when m_pressIn runs out
  int32_t m_pressIn = -1;      // ticks until pressing m_target; -1: none planned
  int32_t m_releaseIn = -1;    // ticks until letting go; -1: none planned
  bool m_awaitingVerdict = false;  // pressed in WaitResponse, answer not seen yet
  int32_t m_seenPhase = NotStarted;
  int32_t m_seenCurrent = 0;
};

}  // namespace alacrity
