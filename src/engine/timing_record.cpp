// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timing_record.h"

#include <algorithm>

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
  }
  m_chunkNs = 0;
  m_pauseEndNs = 0;
  m_total = 0;
  m_block = -1;
  m_blockLag = 0;
  m_blockAnchor = {};
  m_bytes.store(0, Relaxed);
  m_firstNs.store(0, Relaxed);
  m_lastNs.store(0, Relaxed);
  m_longestGapNs.store(0, Relaxed);
  m_firstAnchor.bytes.store(0, Relaxed);
  m_firstAnchor.hostNs.store(0, Relaxed);
  // Publishes the cleared words to whichever thread starts the reader.
  m_anchorCount.store(0, std::memory_order_release);
}

void TimingRecord::NoteChunk(int64_t hostNs, std::size_t count) {
  if (count == 0) return;
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

  // How much later than a steady box's schedule this chunk came, up to a
  // constant: the least of it in a block marks the chunk that waited least.
  const int64_t lag = hostNs - m_total * NanosecondsPerSecond / NominalBytesPerSecond;
  const int64_t block = (m_total - 1) / BlockBytes;
  if (block != m_block) {
    if (m_block >= 0) PublishAnchor();
    m_block = block;
    m_blockLag = lag;
    m_blockAnchor = {m_total, hostNs};
  } else if (lag < m_blockLag) {
    m_blockLag = lag;
    m_blockAnchor = {m_total, hostNs};
  }
}

void TimingRecord::NotePauseEnded(int64_t hostNs) { m_pauseEndNs = hostNs; }

void TimingRecord::PublishAnchor() {
  const int64_t index = m_anchorCount.load(Relaxed);
  if (index == 0) {
    m_firstAnchor.bytes.store(m_blockAnchor.bytes, Relaxed);
    m_firstAnchor.hostNs.store(m_blockAnchor.hostNs, Relaxed);
  }
  Anchor& slot = m_anchors[static_cast<std::size_t>(index) % AnchorRing];
  slot.bytes.store(m_blockAnchor.bytes, Relaxed);
  slot.hostNs.store(m_blockAnchor.hostNs, Relaxed);
  m_anchorCount.store(index + 1, std::memory_order_release);
}

RateAnchor TimingRecord::AnchorAt(int64_t index) const {
  const Anchor& slot = m_anchors[static_cast<std::size_t>(index) % AnchorRing];
  return {slot.bytes.load(Relaxed), slot.hostNs.load(Relaxed)};
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

bool TimingRecord::NotePainted(int32_t stimulus, int64_t hostNs) {
  if (!InRange(stimulus)) return false;
  Stimulus& slot = m_stimuli[static_cast<std::size_t>(stimulus)];
  if (slot.onsetByte.load(std::memory_order_acquire) == 0) return false;
  if (slot.paintedHostNs.load(Relaxed) != 0) return false;
  slot.paintedHostNs.store(hostNs, Relaxed);
  return true;
}

ByteArrival TimingRecord::Arrival() const {
  ByteArrival arrival;
  const int64_t anchors = m_anchorCount.load(std::memory_order_acquire);
  arrival.bytes = m_bytes.load(Relaxed);
  arrival.firstNs = m_firstNs.load(Relaxed);
  arrival.lastNs = m_lastNs.load(Relaxed);
  arrival.longestGapNs = m_longestGapNs.load(Relaxed);
  if (anchors > 0) {
    arrival.firstAnchor = {m_firstAnchor.bytes.load(Relaxed), m_firstAnchor.hostNs.load(Relaxed)};
    arrival.lastAnchor = AnchorAt(anchors - 1);
  }
  return arrival;
}

ByteArrival TimingRecord::Recent(int64_t spanNs) const {
  ByteArrival arrival = Arrival();
  const int64_t anchors = m_anchorCount.load(std::memory_order_acquire);
  if (anchors == 0) return arrival;
  // The ring is rewritten only AnchorRing anchors later (eight seconds), so
  // the ones read here stay put while they are read.
  const int64_t oldest = anchors > static_cast<int64_t>(AnchorRing) - 1
                             ? anchors - static_cast<int64_t>(AnchorRing) + 1
                             : 0;
  int64_t from = anchors - 1;
  while (from > oldest && arrival.lastAnchor.hostNs - AnchorAt(from - 1).hostNs <= spanNs) --from;
  arrival.firstAnchor = AnchorAt(from);
  return arrival;
}

StimulusTiming TimingRecord::StimulusAt(int32_t stimulus) const {
  if (!InRange(stimulus)) return {};
  const Stimulus& slot = m_stimuli[static_cast<std::size_t>(stimulus)];
  const int32_t onsetByte = slot.onsetByte.load(std::memory_order_acquire);
  const int32_t responseByte = slot.responseByte.load(std::memory_order_acquire);
  return {.stimulus = stimulus,
          .onsetByte = onsetByte,
          .onsetHostNs = slot.onsetHostNs.load(Relaxed),
          .paintedHostNs = slot.paintedHostNs.load(Relaxed),
          .responseByte = responseByte,
          .responseHostNs = slot.responseHostNs.load(Relaxed)};
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
