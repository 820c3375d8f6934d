// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The host times of a run, kept while it runs. The reader thread stamps each
// chunk of bytes it reads; the engine hands over every byte's buttons and
// notes, per stimulus, the byte that started the response count and the
// byte that answered it, each with the stamp of its chunk; the window notes
// when it handed the painted stimulus to the display. Everything lives in
// fixed arrays of atomic words: nothing allocates or locks on the reader
// thread, and each word has one writer.

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
  // A change of the buttons within this many bytes (10 ms) of the one
  // before is a bounce: contacts settling, or no finger at all.
  static constexpr int64_t BounceBytes = 14;
  // The span of bytes over which the busiest second is counted.
  static constexpr int64_t SecondBytes = 1440;

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
  // Reader thread, through the engine: the button nibble of the next byte.
  void NoteButtons(uint8_t nibble);
  // Reader thread, through the engine: `byte` is the first since the onset
  // of `stimulus` in which the box's light sensor saw the screen light up.
  // Only the first counts, and only once the count has started.
  void NoteLight(int32_t stimulus, int32_t byte);

  // Window thread: stimulus `stimulus` was handed to the display at
  // `hostNs`. Only the first paint after its onset counts; false when it
  // was not noted (already painted, or its count has not started: the window
  // drew a number the reader had only just moved to).
  bool NotePainted(int32_t stimulus, int64_t hostNs);
  // The presentation thread (the display system's events): the frame of
  // `stimulus` was presented. Only the first presentation after its onset
  // counts; false when it was not noted.
  bool NotePresented(int32_t stimulus, const Presentation& presented);

  // Any thread, while the run goes on: the arrival figures so far.
  ByteArrival Arrival() const;
  // Any thread: changes whenever a presentation or a light onset is noted,
  // so a look for late arrivals costs nothing while none came.
  uint32_t FrameNotes() const { return m_frameNotes.load(std::memory_order_acquire); }

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
    std::atomic<int32_t> lightByte{0};       // reader
    // Written by the presentation thread, the time last with release.
    std::atomic<int64_t> presentedRefreshNs{0};
    std::atomic<int64_t> presentedFrame{-1};
    std::atomic<int32_t> presentedMode{0};
    std::atomic<int32_t> presentedQuality{0};
    std::atomic<int64_t> presentedHostNs{0};
  };
  // The published fit, each field a word of its own.
  struct SharedRate {
    std::atomic<int64_t> anchors{0};
    std::atomic<int64_t> originBytes{0};
    std::atomic<int64_t> originNs{0};
    std::atomic<double> meanBytes{0.0};
    std::atomic<double> meanSeconds{0.0};
    std::atomic<double> bytesSquares{0.0};
    std::atomic<double> crossProducts{0.0};
    std::atomic<double> secondsSquares{0.0};
  };

  static bool InRange(int32_t stimulus) { return stimulus >= 1 && stimulus < ResultCapacity; }
  void PublishAnchor();
  void PublishRate();
  RateSums ReadRate() const;

  std::array<Stimulus, ResultCapacity> m_stimuli{};

  // Reader only.
  int64_t m_chunkNs = 0;         // the stamp of the chunk being fed
  int64_t m_pauseEndNs = 0;      // the end of the reader's latest pause
  int64_t m_total = 0;           // bytes so far
  int64_t m_block = -1;          // the rate block of the latest chunk
  int64_t m_blockLag = 0;        // least delay seen in it
  RateAnchor m_blockAnchor;      // and where; none while only paused reads came
  RateSums m_rate;               // the fit over the anchors published so far
  int64_t m_buttonBytes = 0;     // bytes whose buttons were noted
  int32_t m_buttons = -1;        // the latest byte's nibble; -1 before any
  int64_t m_lastChangeByte = 0;  // where the buttons last changed; 0: never
  int64_t m_secondChanges = 0;   // changes in the current second of bytes
  ButtonActivity m_activity;     // what was published of the buttons

  // Written by the reader, read by anyone.
  std::atomic<int64_t> m_bytes{0};
  std::atomic<int64_t> m_firstNs{0};
  std::atomic<int64_t> m_lastNs{0};
  std::atomic<int64_t> m_longestGapNs{0};
  // A sequence lock: odd while the reader rewrites the fit, which it does
  // twice a second; a look that saw it change reads again.
  std::atomic<uint64_t> m_rateSequence{0};
  SharedRate m_sharedRate;
  std::atomic<int64_t> m_buttonChanges{0};
  std::atomic<int64_t> m_bounces{0};
  std::atomic<int64_t> m_busiestSecond{0};
  std::atomic<int32_t> m_heldThroughout{0};
  // Bumped by the presentation thread and the reader alike.
  std::atomic<uint32_t> m_frameNotes{0};
};

// The process-wide record the window layer hands the engine. It lives as
// long as the process, so a reader still running at exit never writes into
// a record that is gone.
TimingRecord& TheTimingRecord();

}  // namespace alacrity
