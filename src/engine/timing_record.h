// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

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
  // Bytes per rate block: half a second of a sound box.
  static constexpr int64_t BlockBytes = 720;

  TimingRecord() = default;
  TimingRecord(const TimingRecord&) = delete;
  TimingRecord& operator=(const TimingRecord&) = delete;

  // Forgets the previous run. Only while no reader runs (the engine calls it
  // as it is attached).
  void Reset();

  // Reader thread: a chunk of `count` bytes was read at `hostNs`; the bytes
  // that follow through the engine belong to it.
  void NoteChunk(int64_t hostNs, std::size_t count);
  // Reader thread: the reader left the bytes queued on purpose until
  // `hostNs` (nothing timed could come meanwhile); the wait for the next
  // chunk counts as a gap only from here.
  void NotePauseEnded(int64_t hostNs);
  // Reader thread, through the engine: `byte` (1-based, since the start)
  // started the response count of `stimulus`, or answered it.
  void NoteOnset(int32_t stimulus, int32_t byte);
  void NoteResponse(int32_t stimulus, int32_t byte);

  // Window thread: stimulus `stimulus` was handed to the display at
  // `hostNs`. Only the first paint after its onset counts; false when it
  // was not noted (already painted, or its count has not started: the window
  // drew a number the reader had only just moved to).
  bool NotePainted(int32_t stimulus, int64_t hostNs);

  // Any thread, while the run goes on: the arrival figures so far.
  ByteArrival Arrival() const;
  // The same over about the latest `spanNs` of anchors: the live rate.
  ByteArrival Recent(int64_t spanNs) const;

  // What is noted of one stimulus so far (zeros for what is not).
  StimulusTiming StimulusAt(int32_t stimulus) const;

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
  struct Anchor {
    std::atomic<int64_t> bytes{0};
    std::atomic<int64_t> hostNs{0};
  };
  // Enough anchors for eight seconds: the live rate looks back two.
  static constexpr std::size_t AnchorRing = 16;

  static bool InRange(int32_t stimulus) { return stimulus >= 1 && stimulus < ResultCapacity; }
  void PublishAnchor();
  RateAnchor AnchorAt(int64_t index) const;

  std::array<Stimulus, ResultCapacity> m_stimuli{};

  // Reader only.
  int64_t m_chunkNs = 0;      // the stamp of the chunk being fed
  int64_t m_pauseEndNs = 0;   // the end of the reader's latest pause
  int64_t m_total = 0;        // bytes so far
  int64_t m_block = -1;       // the rate block of the latest chunk
  int64_t m_blockLag = 0;     // least delay seen in it
  RateAnchor m_blockAnchor;   // and where

  // Written by the reader, read by anyone.
  std::atomic<int64_t> m_bytes{0};
  std::atomic<int64_t> m_firstNs{0};
  std::atomic<int64_t> m_lastNs{0};
  std::atomic<int64_t> m_longestGapNs{0};
  std::array<Anchor, AnchorRing> m_anchors{};
  Anchor m_firstAnchor;
  std::atomic<int64_t> m_anchorCount{0};  // anchors published; the ring holds the latest
};

// The process-wide record the window layer hands the engine. It lives as
// long as the process, so a reader still running at exit never writes into
// a record that is gone.
TimingRecord& TheTimingRecord();

}  // namespace alacrity
