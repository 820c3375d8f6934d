// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "press_timeline.h"

namespace alacrity {

uint64_t MillisecondsToCycles(int64_t ms) {
  return static_cast<uint64_t>(ms) * (EmulatedChip::ClockHz / 1000);
}

PressTimeline::PressTimeline(std::vector<PressStep> steps, bool loop, uint64_t startCycle)
    : m_steps(std::move(steps)), m_loop(loop), m_startCycle(startCycle), m_at(startCycle) {}

std::optional<InputChange> PressTimeline::Next() {
  if (m_step == m_steps.size()) {
    if (!m_loop || m_steps.empty()) return std::nullopt;
    m_step = 0;
  }
  const PressStep& step = m_steps[m_step];
  if (!m_pressHandedOut) {
    m_pressHandedOut = true;
    return InputChange{m_at + MillisecondsToCycles(step.waitMs), step.buttons};
  }
  // The release; the next step's wait counts from here.
  m_pressHandedOut = false;
  m_at += MillisecondsToCycles(int64_t{step.waitMs} + step.holdMs);
  ++m_step;
  return InputChange{m_at, 0};
}

std::optional<uint64_t> PressTimeline::EndCycle() const {
  if (m_loop) return std::nullopt;
  int64_t ms = 0;
  for (const PressStep& step : m_steps) ms += int64_t{step.waitMs} + step.holdMs;
  return m_startCycle + MillisecondsToCycles(ms);
}

}  // namespace alacrity
