#pragma once

// The host times of a run, kept while it runs. The reader thread stamps each
// chunk of bytes it reads; the engine notes, per stimulus, the byte that
// started the response count and the byte that answered it, each with the
// stamp of its chunk; the window notes when it handed the painted stimulus
// to the display. Everything lives in fixed arrays of atomic words: nothing
// allocates or locks on the reader thread, and each word has one writer.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "data/records.h"
#include "data/run_timing.h"

namespace alacrity {

class TimingRecord {
 public:
  TimingRecord() = default;
  TimingRecord(const TimingRecord&) = delete;
  TimingRecord& operator=(const TimingRecord&) = delete;

  // Forgets the previous run. Only while no reader runs (the engine calls it
  // as it is attached).
  void Reset();

  // Reader thread: a chunk of `count` bytes was read at `hostNs`; the bytes
  // that follow through the engine belong to it.
  void NoteChunk(int64_t hostNs, std::size_t count);
  // Reader thread, through the engine: `byte` (1-based, since the start)
  // started the response count of `stimulus`, or answered it.
  void NoteOnset(int32_t stimulus, int32_t byte);
  void NoteResponse(int32_t stimulus, int32_t byte);

  // Window thread: stimulus `stimulus` was handed to the display at
  // `hostNs`. Only the first paint after its onset counts; false when it
  // was not noted (already painted, or its count has not started: the window
  // drew a number the reader had only just moved to).
  bool NotePainted(int32_t stimulus, int64_t hostNs);

  // Any thread, while the run goes on: the arrival figures so far. The
  // latest stamp and byte count come as one consistent pair.
  ByteArrival Arrival() const;

  // After the reader has been joined: every stimulus up to `stimulusCount`
  // whose response count started, with the arrival figures.
  RunTiming Snapshot(int32_t stimulusCount) const;

 private:
  struct Stimulus {
    std::atomic<int32_t> onsetByte{0};       // reader
    std::atomic<int64_t> onsetHostNs{0};     // reader
    std::atomic<int32_t> responseByte{0};    // reader
    std::atomic<int64_t> responseHostNs{0};  // reader
    std::atomic<int64_t> paintedHostNs{0};   // window
  };

  static bool InRange(int32_t stimulus) { return stimulus >= 1 && stimulus < ResultCapacity; }

  std::array<Stimulus, ResultCapacity> m_stimuli{};
  // All written by the reader only. m_sequence is odd while the latest
  // stamp and the byte count are being changed together, so another thread
  // can read them as a pair without a lock.
  int64_t m_chunkNs = 0;  // reader only: the stamp of the chunk being fed
  std::atomic<uint32_t> m_sequence{0};
  std::atomic<int64_t> m_bytes{0};
  std::atomic<int64_t> m_lastNs{0};
  std::atomic<int64_t> m_firstNs{0};
  std::atomic<int64_t> m_firstChunkBytes{0};
  std::atomic<int64_t> m_longestGapNs{0};
};

}  // namespace alacrity
