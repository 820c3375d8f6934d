#include "timing_record.h"

namespace alacrity {

namespace {

constexpr auto Relaxed = std::memory_order_relaxed;

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
  m_bytes.store(0, Relaxed);
  m_lastNs.store(0, Relaxed);
  m_firstNs.store(0, Relaxed);
  m_firstChunkBytes.store(0, Relaxed);
  m_longestGapNs.store(0, Relaxed);
  // Publishes the cleared words to whichever thread starts the reader.
  m_sequence.store(0, std::memory_order_release);
}

void TimingRecord::NoteChunk(int64_t hostNs, std::size_t count) {
  if (count == 0) return;
  const int64_t previousNs = m_chunkNs;
  m_chunkNs = hostNs;
  if (previousNs == 0) {
    m_firstNs.store(hostNs, Relaxed);
    m_firstChunkBytes.store(static_cast<int64_t>(count), Relaxed);
  } else if (hostNs - previousNs > m_longestGapNs.load(Relaxed)) {
    m_longestGapNs.store(hostNs - previousNs, Relaxed);
  }
  const uint32_t sequence = m_sequence.load(Relaxed);
  m_sequence.store(sequence + 1, Relaxed);
  std::atomic_thread_fence(std::memory_order_release);
  m_bytes.store(m_bytes.load(Relaxed) + static_cast<int64_t>(count), Relaxed);
  m_lastNs.store(hostNs, Relaxed);
  m_sequence.store(sequence + 2, std::memory_order_release);
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
  while (true) {
    const uint32_t before = m_sequence.load(std::memory_order_acquire);
    arrival.bytes = m_bytes.load(Relaxed);
    arrival.lastNs = m_lastNs.load(Relaxed);
    std::atomic_thread_fence(std::memory_order_acquire);
    if (before % 2 == 0 && m_sequence.load(Relaxed) == before) break;
  }
  arrival.firstNs = m_firstNs.load(Relaxed);
  arrival.firstChunkBytes = m_firstChunkBytes.load(Relaxed);
  arrival.longestGapNs = m_longestGapNs.load(Relaxed);
  return arrival;
}

RunTiming TimingRecord::Snapshot(int32_t stimulusCount) const {
  RunTiming timing;
  const int32_t last = stimulusCount < ResultCapacity - 1 ? stimulusCount : ResultCapacity - 1;
  for (int32_t number = 1; number <= last; ++number) {
    const Stimulus& slot = m_stimuli[static_cast<std::size_t>(number)];
    const int32_t onsetByte = slot.onsetByte.load(std::memory_order_acquire);
    if (onsetByte == 0) continue;
    timing.stimuli.push_back({.stimulus = number,
                              .onsetByte = onsetByte,
                              .onsetHostNs = slot.onsetHostNs.load(Relaxed),
                              .paintedHostNs = slot.paintedHostNs.load(Relaxed),
                              .responseByte = slot.responseByte.load(std::memory_order_acquire),
                              .responseHostNs = slot.responseHostNs.load(Relaxed)});
  }
  timing.arrival = Arrival();
  return timing;
}

}  // namespace alacrity
