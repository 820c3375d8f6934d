// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timing_record.h"

#include <algorithm>
#include <thread>

#include "data/box_rate.h"

namespace alacrity {

namespace {

constexpr auto Relaxed = std::memory_order_relaxed;
constexpr int64_t NanosecondsPerSecond = 1'000'000'000;
constexpr int64_t NominalBytesPerSecond = 1440;

}  // namespace

void TimingRecord::Reset() {
  for (Stimulus& stimulus : m_stimuli) {
    stimulus.onsetByte.store(0, Relaxed);
    stimulus.onsetHostNs.store(0, Relaxed);
    stimulus.responseByte.store(0, Relaxed);
    stimulus.responseHostNs.store(0, Relaxed);
    stimulus.paintedHostNs.store(0, Relaxed);
    stimulus.lightByte.store(0, Relaxed);
    stimulus.presentedRefreshNs.store(0, Relaxed);
    stimulus.presentedFrame.store(-1, Relaxed);
    stimulus.presentedMode.store(0, Relaxed);
    stimulus.presentedQuality.store(0, Relaxed);
    stimulus.presentedHostNs.store(0, Relaxed);
  }
  m_chunkNs = 0;
  m_pauseEndNs = 0;
  m_total = 0;
  m_block = -1;
  m_blockLag = 0;
  m_blockAnchor = {};
  m_rate = {};
  m_buttonBytes = 0;
  m_buttons = -1;
  m_lastChangeByte = 0;
  m_secondChanges = 0;
  m_activity = {};
  m_bytes.store(0, Relaxed);
  m_firstNs.store(0, Relaxed);
  m_lastNs.store(0, Relaxed);
  m_longestGapNs.store(0, Relaxed);
  m_buttonChanges.store(0, Relaxed);
  m_bounces.store(0, Relaxed);
  m_busiestSecond.store(0, Relaxed);
  m_heldThroughout.store(0, Relaxed);
  m_frameNotes.store(0, Relaxed);
  PublishRate();
  // Publishes the cleared words to whichever thread starts the reader.
  m_rateSequence.store(0, std::memory_order_release);
}

void TimingRecord::NoteChunk(int64_t hostNs, std::size_t count) {
  if (count == 0) return;
  const int64_t previousNs = m_chunkNs;
  if (m_chunkNs == 0) {
    m_firstNs.store(hostNs, Relaxed);
  } else if (const int64_t gap = hostNs - std::max(m_chunkNs, m_pauseEndNs);
             gap > m_longestGapNs.load(Relaxed)) {
    m_longestGapNs.store(gap, Relaxed);
  }
  m_chunkNs = hostNs;
  m_total += static_cast<int64_t>(count);
  m_bytes.store(m_total, Relaxed);
  m_lastNs.store(hostNs, Relaxed);

  // A chunk collected after a deliberate pause waited by design; only the
  // others say when bytes come in.
  const bool afterPause = m_pauseEndNs > previousNs;
  const int64_t block = (m_total - 1) / BlockBytes;
  if (block != m_block) {
    PublishAnchor();
    m_block = block;
    m_blockAnchor = {};
  }
  if (afterPause) return;
  // How much later than a steady box's schedule this chunk came, up to a
  // constant: the least of it in a block marks the chunk that waited least.
  const int64_t lag = hostNs - m_total * NanosecondsPerSecond / NominalBytesPerSecond;
  if (m_blockAnchor.hostNs == 0 || lag < m_blockLag) {
    m_blockLag = lag;
    m_blockAnchor = {m_total, hostNs};
  }
}

void TimingRecord::NotePauseEnded(int64_t hostNs) { m_pauseEndNs = hostNs; }

void TimingRecord::PublishAnchor() {
  if (m_blockAnchor.hostNs == 0) return;
  AddRateAnchor(m_rate, m_blockAnchor);
  PublishRate();
}

void TimingRecord::PublishRate() {
  // A sequence lock without fences (which ThreadSanitizer cannot follow):
  // each field is stored with release after the odd count, so a look that
  // takes a new field with acquire also sees that the count moved on.
  constexpr auto Release = std::memory_order_release;
  const uint64_t sequence = m_rateSequence.load(Relaxed);
  m_rateSequence.store(sequence + 1, Relaxed);
  m_sharedRate.anchors.store(m_rate.anchors, Release);
  m_sharedRate.originBytes.store(m_rate.origin.bytes, Release);
  m_sharedRate.originNs.store(m_rate.origin.hostNs, Release);
  m_sharedRate.meanBytes.store(m_rate.meanBytes, Release);
  m_sharedRate.meanSeconds.store(m_rate.meanSeconds, Release);
  m_sharedRate.bytesSquares.store(m_rate.bytesSquares, Release);
  m_sharedRate.crossProducts.store(m_rate.crossProducts, Release);
  m_sharedRate.secondsSquares.store(m_rate.secondsSquares, Release);
  m_rateSequence.store(sequence + 2, Release);
}

RateSums TimingRecord::ReadRate() const {
  // Acquire on every field keeps the second look at the count after them.
  constexpr auto Acquire = std::memory_order_acquire;
  for (;;) {
    const uint64_t before = m_rateSequence.load(Acquire);
    RateSums rate;
    rate.anchors = m_sharedRate.anchors.load(Acquire);
    rate.origin = {m_sharedRate.originBytes.load(Acquire), m_sharedRate.originNs.load(Acquire)};
    rate.meanBytes = m_sharedRate.meanBytes.load(Acquire);
    rate.meanSeconds = m_sharedRate.meanSeconds.load(Acquire);
    rate.bytesSquares = m_sharedRate.bytesSquares.load(Acquire);
    rate.crossProducts = m_sharedRate.crossProducts.load(Acquire);
    rate.secondsSquares = m_sharedRate.secondsSquares.load(Acquire);
    if (before % 2 == 0 && m_rateSequence.load(Relaxed) == before) return rate;
    // The reader is between two of its stores; it needs no more than a turn.
    std::this_thread::yield();
  }
}

void TimingRecord::NoteOnset(int32_t stimulus, int32_t byte) {
  if (!InRange(stimulus)) return;
  Stimulus& slot = m_stimuli[static_cast<std::size_t>(stimulus)];
  slot.onsetHostNs.store(m_chunkNs, Relaxed);
  // Last, with release: a window that sees the byte number also sees the
  // time it belongs to.
  slot.onsetByte.store(byte, std::memory_order_release);
}

void TimingRecord::NoteResponse(int32_t stimulus, int32_t byte) {
  if (!InRange(stimulus)) return;
  Stimulus& slot = m_stimuli[static_cast<std::size_t>(stimulus)];
  slot.responseHostNs.store(m_chunkNs, Relaxed);
  slot.responseByte.store(byte, std::memory_order_release);
}

void TimingRecord::NoteButtons(uint8_t nibble) {
  ++m_buttonBytes;
  if (m_buttonBytes % SecondBytes == 1) m_secondChanges = 0;
  const int32_t held = m_buttons < 0 ? nibble : (m_activity.heldThroughout & nibble);
  if (held != m_activity.heldThroughout || m_buttons < 0) {
    m_activity.heldThroughout = held;
    m_heldThroughout.store(held, Relaxed);
  }
  const bool changed = m_buttons >= 0 && m_buttons != nibble;
  m_buttons = nibble;
  if (!changed) return;
  m_buttonChanges.store(++m_activity.changes, Relaxed);
  if (m_lastChangeByte > 0 && m_buttonBytes - m_lastChangeByte <= BounceBytes) {
    m_bounces.store(++m_activity.bounces, Relaxed);
  }
  m_lastChangeByte = m_buttonBytes;
  if (++m_secondChanges > m_activity.busiestSecond) {
    m_activity.busiestSecond = m_secondChanges;
    m_busiestSecond.store(m_secondChanges, Relaxed);
  }
}

bool TimingRecord::NotePainted(int32_t stimulus, int64_t hostNs) {
  if (!InRange(stimulus)) return false;
  Stimulus& slot = m_stimuli[static_cast<std::size_t>(stimulus)];
  if (slot.onsetByte.load(std::memory_order_acquire) == 0) return false;
  if (slot.paintedHostNs.load(Relaxed) != 0) return false;
  slot.paintedHostNs.store(hostNs, Relaxed);
  return true;
}

bool TimingRecord::NotePresented(int32_t stimulus, const Presentation& presented) {
  if (!InRange(stimulus) || presented.hostNs == 0) return false;
  Stimulus& slot = m_stimuli[static_cast<std::size_t>(stimulus)];
  if (slot.onsetByte.load(std::memory_order_acquire) == 0) return false;
  if (slot.presentedHostNs.load(Relaxed) != 0) return false;
  slot.presentedRefreshNs.store(presented.refreshNs, Relaxed);
  slot.presentedFrame.store(presented.frameCounter, Relaxed);
  slot.presentedMode.store(static_cast<int32_t>(presented.mode), Relaxed);
  slot.presentedQuality.store(static_cast<int32_t>(presented.quality), Relaxed);
  // Last: whoever sees the time sees the rest.
  slot.presentedHostNs.store(presented.hostNs, std::memory_order_release);
  m_frameNotes.fetch_add(1, std::memory_order_release);
  return true;
}

void TimingRecord::NoteLight(int32_t stimulus, int32_t byte) {
  if (!InRange(stimulus)) return;
  Stimulus& slot = m_stimuli[static_cast<std::size_t>(stimulus)];
  if (slot.onsetByte.load(Relaxed) == 0 || slot.lightByte.load(Relaxed) != 0) return;
  slot.lightByte.store(byte, Relaxed);
  m_frameNotes.fetch_add(1, std::memory_order_release);
}

ByteArrival TimingRecord::Arrival() const {
  ByteArrival arrival;
  arrival.bytes = m_bytes.load(Relaxed);
  arrival.firstNs = m_firstNs.load(Relaxed);
  arrival.lastNs = m_lastNs.load(Relaxed);
  arrival.longestGapNs = m_longestGapNs.load(Relaxed);
  arrival.rate = ReadRate();
  arrival.buttons = {.changes = m_buttonChanges.load(Relaxed),
                     .bounces = m_bounces.load(Relaxed),
                     .busiestSecond = m_busiestSecond.load(Relaxed),
                     .heldThroughout = m_heldThroughout.load(Relaxed)};
  return arrival;
}

StimulusTiming TimingRecord::StimulusAt(int32_t stimulus) const {
  if (!InRange(stimulus)) return {};
  const Stimulus& slot = m_stimuli[static_cast<std::size_t>(stimulus)];
  const int32_t onsetByte = slot.onsetByte.load(std::memory_order_acquire);
  const int32_t responseByte = slot.responseByte.load(std::memory_order_acquire);
  Presentation presented;
  presented.hostNs = slot.presentedHostNs.load(std::memory_order_acquire);
  if (presented.hostNs != 0) {
    presented.refreshNs = slot.presentedRefreshNs.load(Relaxed);
    presented.frameCounter = slot.presentedFrame.load(Relaxed);
    presented.mode = static_cast<PresentMode>(slot.presentedMode.load(Relaxed));
    presented.quality = static_cast<PresentQuality>(slot.presentedQuality.load(Relaxed));
  }
  return {.stimulus = stimulus,
          .onsetByte = onsetByte,
          .onsetHostNs = slot.onsetHostNs.load(Relaxed),
          .paintedHostNs = slot.paintedHostNs.load(Relaxed),
          .responseByte = responseByte,
          .responseHostNs = slot.responseHostNs.load(Relaxed),
          .presented = presented,
          .lightByte = slot.lightByte.load(Relaxed)};
}

TimingRecord& TheTimingRecord() {
  static TimingRecord record;
  return record;
}

RunTiming TimingRecord::Snapshot(int32_t stimulusCount) const {
  RunTiming timing;
  const int32_t last = stimulusCount < ResultCapacity - 1 ? stimulusCount : ResultCapacity - 1;
  for (int32_t number = 1; number <= last; ++number) {
    StimulusTiming stimulus = StimulusAt(number);
    if (stimulus.onsetByte != 0) timing.stimuli.push_back(stimulus);
  }
  timing.arrival = Arrival();
  return timing;
}

}  // namespace alacrity
