// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A press script (the syntax alacrity-boxsim reads) as changes of the
// emulated box's inputs in cycles of its chip: a finger, or the screen under
// the light sensor, acts at a moment of its own, not in step with the box's
// ticks, so the firmware's sampling decides which byte shows it first.

#include <cstdint>
#include <optional>
#include <vector>

#include "emulated_chip.h"
#include "link/box_simulator.h"

namespace alacrity {

class PressTimeline {
 public:
  // The script's first wait counts from `startCycle`.
  PressTimeline(std::vector<PressStep> steps, bool loop, uint64_t startCycle);

  // The next change; nothing once the last step has been let go (never when
  // looping).
  std::optional<InputChange> Next();

  // The cycle at which the script's last step ends; nothing when looping.
  std::optional<uint64_t> EndCycle() const;

 private:
  std::vector<PressStep> m_steps;
  bool m_loop;
  uint64_t m_startCycle;
  uint64_t m_at;              // where the step being handed out began
  std::size_t m_step = 0;
  bool m_pressHandedOut = false;  // the current step's press, its release still to come
};

// Script milliseconds in cycles of the box's 16 MHz clock.
uint64_t MillisecondsToCycles(int64_t ms);

}  // namespace alacrity
