// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulated_subject.h"

#include <cstddef>

#include "data/tick_clock.h"

namespace alacrity {

namespace {

// A person presses a button to start and lets go after a moment.
constexpr int32_t StartHoldMs = 150;
// After an answer the finger stays down a little before it lifts.
constexpr double MinHoldMs = 80.0;
constexpr double MaxHoldMs = 120.0;
// Reaction times outside this band are not human; clamping also keeps a
// careless model (negative mean, huge spread) from stalling a run.
constexpr double MinReactionMs = 100.0;
constexpr double MaxReactionMs = 3000.0;

int32_t MsToTicks(double ms) { return TruncateToInt32(ms * TicksPerMillisecond); }

uint8_t ButtonFor(int32_t object) {
  // A protocol may hold an object code without a button; button 1 is then as
  // good a guess as any.
  if (object < 0 || object > 3) return 1;
  return static_cast<uint8_t>(1u << static_cast<unsigned>(object));
}

// Counts a planned action down; true on the tick it falls due.
bool CountDown(int32_t& ticks) {
  if (ticks < 0) return false;
  if (ticks > 0) --ticks;
  if (ticks > 0) return false;
  ticks = -1;
  return true;
}

}  // namespace

SimulatedSubject::SimulatedSubject(const SubjectModel& model, uint64_t seed)
    : m_model(model),
      m_random(seed),
      // normal_distribution needs a positive spread; a model without one
      // reacts in exactly its mean time (see DrawReactionTicks).
      m_reaction(model.meanMs, model.sdMs > 0.0 ? model.sdMs : 1.0) {}

void SimulatedSubject::Reset() {
  m_held = 0;
  m_target = 0;
  m_pressIn = -1;
  m_releaseIn = -1;
  m_awaitingVerdict = false;
}

int32_t SimulatedSubject::DrawReactionTicks() {
  double ms = m_model.sdMs > 0.0 ? m_reaction(m_random) : m_model.meanMs;
  // Written so that NaN falls to the minimum as well.
  if (!(ms >= MinReactionMs)) ms = MinReactionMs;
  if (ms > MaxReactionMs) ms = MaxReactionMs;
  return MsToTicks(ms);
}

int32_t SimulatedSubject::DrawHoldTicks() {
  return MsToTicks(MinHoldMs + (MaxHoldMs - MinHoldMs) * m_unit(m_random));
}

uint8_t SimulatedSubject::ChooseButton(int32_t object, bool allowError) {
  const uint8_t right = ButtonFor(object);
  // Always draw, so the sequence of draws does not depend on the error rate.
  const bool wrong = m_unit(m_random) < m_model.errorRate;
  const auto shift = static_cast<unsigned>(m_random() % 3);
  if (!allowError || !wrong) return right;
  // One of the three other single buttons.
  const unsigned rightBit = right == 1 ? 0u : right == 2 ? 1u : right == 4 ? 2u : 3u;
  return static_cast<uint8_t>(1u << ((rightBit + 1u + shift) % 4u));
}

uint8_t SimulatedSubject::NextByte(const RunState& state, const DocumentData& data) {
  if (state.checkMode.load(std::memory_order_relaxed) != 0 ||
      state.done.load(std::memory_order_relaxed) != 0) {
    Reset();
    m_seenPhase = NotStarted;
    return 0;
  }
  const int32_t phase = state.phase.load(std::memory_order_relaxed);
  const int32_t current = state.current.load(std::memory_order_relaxed);
  const bool sameStimulusOnScreen = phase == WaitResponse && m_seenPhase == WaitResponse &&
                                    current == m_seenCurrent;
  const bool onset = phase == WaitResponse && !sameStimulusOnScreen;
  const bool stimulusKnown = current >= 1 && current < ResultCapacity;
  const int32_t object =
      stimulusKnown ? data.results.objectIndex[static_cast<std::size_t>(current)] : 0;

  if (m_awaitingVerdict) {
    m_awaitingVerdict = false;
    const int32_t holdTicks = DrawHoldTicks();
    m_releaseIn = holdTicks;
    if (sameStimulusOnScreen) {
      // The press did not end the stimulus ("Not Accepted" and a wrong
      // button): let go, look again, and press the right one.
      m_target = ChooseButton(object, false);
      m_pressIn = holdTicks + DrawReactionTicks();
    }
  }

  if (phase == WaitStart && m_held == 0 && m_releaseIn < 0) {
    m_held = 1;
    m_releaseIn = MsToTicks(StartHoldMs);
  } else if (onset) {
    m_target = ChooseButton(object, true);
    m_pressIn = DrawReactionTicks();
  }
  m_seenPhase = phase;
  m_seenCurrent = current;

  if (CountDown(m_releaseIn)) m_held = 0;
  if (CountDown(m_pressIn)) {
    m_held = m_target;
    m_awaitingVerdict = phase == WaitResponse;
  }
  return m_held;
}

}  // namespace alacrity
