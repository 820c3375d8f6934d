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
  // ... the helper fills in its state ...
  SubjectModel m_model;
  std::mt19937_64 m_random;
};

}  // namespace alacrity
