// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "data/enums.h"
#include "data/tick_clock.h"
#include "timing_record.h"

namespace alacrity {

namespace {

constexpr auto Relaxed = std::memory_order_relaxed;
constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();

// A lead time this short cannot be announced ahead of the stimulus; the
// signal then sounds with the stimulus instead.
constexpr int64_t MinVoiceLeadMs = 19;

// The threshold once the signal has fallen due. Larger than any count the
// foreperiod can reach, so a very long (hand-edited) generation time cannot
// raise the signal a second time.
constexpr int32_t VoiceAlreadyDue = Int32Max;

// A paused reader wakes this long before the first byte that may matter: it
// covers a late wake-up and the byte arriving as the pause is decided.
constexpr int64_t PauseMarginNs = 10'000'000;
// Shorter pauses save next to nothing.
constexpr int64_t ShortestPauseNs = 5'000'000;
// Nanoseconds per byte of a box 2 % fast: no sound box is faster.
constexpr double FastBoxByteNs = 1e6 / TicksPerMillisecond / 1.02;

std::atomic<SyncLineHook> g_syncLineHook{nullptr};
std::atomic<AnnounceHook> g_announceHook{nullptr};

// Set by AttachEngine on the controller's thread before the reader exists;
// from then on only the reader touches them, so plain words suffice.
RunState* g_state = nullptr;
DocumentData* g_data = nullptr;
TimingRecord* g_timing = nullptr;
int32_t g_phaseTicks = 0;
int32_t g_voiceThreshold = 0;
// The light sensor on the box's fifth bit: whether there is one, the
// stimulus whose light is awaited (0: none), the byte its count started
// with, and whether the sensor has seen the screen dark since.
bool g_lightSensor = false;
int32_t g_lightStimulus = 0;
int32_t g_lightFrom = 0;
bool g_lightDark = false;

constexpr uint8_t LightBit = 0x10;

// Each shared word has one writer on the byte path, so a load and a store
// replace a read-modify-write.
void Store(std::atomic<int32_t>& word, int32_t value) { word.store(value, Relaxed); }
int32_t Load(const std::atomic<int32_t>& word) { return word.load(Relaxed); }

// Counts a tick without ever overflowing: a stimulus nobody answers in "Not
// Accepted" mode keeps counting for as long as the box keeps sending.
void CountPhaseTick() {
  if (g_phaseTicks < Int32Max) ++g_phaseTicks;
}

std::size_t Slot(int32_t stimulus) { return static_cast<std::size_t>(stimulus); }

void Announce() {
  if (const AnnounceHook hook = g_announceHook.load(); hook != nullptr) hook();
}

// The byte just counted started the response count of `current`.
void EnterWaitResponse(RunState& state, int32_t current) {
  Store(state.phase, WaitResponse);
  if (g_timing != nullptr) g_timing->NoteOnset(current, Load(state.totalTicks));
  g_lightStimulus = current;
  g_lightFrom = Load(state.totalTicks);
}

// The light of a stimulus is the first rising edge of the sensor's bit after
// its onset byte: light still on from the stimulus before (no dark frame in
// between) is not this one's. It is awaited until the next onset, so a
// panel slower than the answer is still timed.
void FollowLight(const RunState& state, bool lit) {
  if (g_lightStimulus == 0) return;
  if (Load(state.totalTicks) == g_lightFrom || !lit) {
    g_lightDark = !lit;
    return;
  }
  if (!g_lightDark) return;
  if (g_timing != nullptr) g_timing->NoteLight(g_lightStimulus, Load(state.totalTicks));
  g_lightStimulus = 0;
}

// When the warning signal of a stimulus falls due: once more than
// `threshold` foreperiod ticks have passed, unless it is deferred to the
// stimulus itself.
struct VoicePlan {
  int32_t threshold = 0;
  bool deferred = false;
};

VoicePlan PlanVoice(const DocumentData& data, int32_t current) {
  const int32_t generationMs = data.results.generationMs[Slot(current)];
  const int32_t voiceLeadMs = data.runVoice.voiceLeadMs;
  // 64-bit: both values come from files and may be anywhere in int32.
  const int64_t leadMs = int64_t{generationMs} - int64_t{voiceLeadMs};
  return {TruncateToInt32(static_cast<double>(std::max<int64_t>(leadMs, 0)) * TicksPerMillisecond),
          leadMs < MinVoiceLeadMs || voiceLeadMs == 0};
}

// All buttons are up: the foreperiod of stimulus `current` begins.
void PrepareStimulus(RunState& state, const DocumentData& data, int32_t current) {
  Store(voiceDue, 0);
  g_phaseTicks = 0;
  const int32_t generationMs = data.results.generationMs[Slot(current)];
  const VoicePlan voice = PlanVoice(data, current);
  g_voiceThreshold = voice.threshold;
  if (voice.deferred) Store(voiceDeferred, 1);
  // With no generation time the release byte itself already starts the
  // response count.
  if (generationMs > 0) {
    Store(state.phase, Foreperiod);
  } else {
    EnterWaitResponse(state, current);
  }
  Announce();
}

void CountForeperiod(RunState& state, const DocumentData& data, int32_t current) {
  CountPhaseTick();
  if (g_phaseTicks > g_voiceThreshold && Load(voiceDeferred) == 0) {
    Store(voiceDue, 1);
    g_voiceThreshold = VoiceAlreadyDue;
    // The window sounds it: announced like a phase, or the signal would
    // wait for the window's next safety-net look.
    Announce();
  }
  // Presses during the foreperiod are ignored: there is no false-start rule.
  if (g_phaseTicks >= MillisecondsToTicks(data.results.generationMs[Slot(current)])) {
    EnterWaitResponse(state, current);
    g_phaseTicks = 0;
    Announce();
  }
}

void CountResponse(RunState& state, DocumentData& data, int32_t current, int32_t stimulusCount,
                   uint8_t nibble) {
  CountPhaseTick();
  // Nobody reacts within 69 ms; whatever is held that early is anticipation
  // and must not count.
  if (g_phaseTicks < MinResponseTicks) return;
  TestResults& results = data.results;
  const bool onlyMatchingButton =
      data.runConfiguration.falseResponse == Code(FalseResponseMode::NotAccepted);
  const bool isResponse = onlyMatchingButton
                              ? ButtonIndexTable[nibble] == results.objectIndex[Slot(current)]
                              : nibble != 0;
  if (!isResponse) return;

  results.responseMs[Slot(current)] = TicksToMilliseconds(g_phaseTicks);
  results.buttonIndex[Slot(current)] = nibble;
  if (g_timing != nullptr) g_timing->NoteResponse(current, Load(state.totalTicks));
  CallSyncLineHook(1);
  // Release: the window thread journals the entry as soon as it sees
  // `current` pass it, so the entry must be visible by then. The entry is
  // never written again during the run.
  state.current.store(current + 1, std::memory_order_release);
  Store(state.phase, WaitRelease);
  if (current + 1 > stimulusCount) {
    Store(state.done, 1);
    CallSyncLineHook(1);
  }
  Announce();
}

// Of the bytes from the release on, how many certainly start nothing timed:
// the foreperiod of `current` up to its onset or its warning signal.
int64_t QuietBytesFromRelease(const DocumentData& data, int32_t current) {
  if (data.results.generationMs[Slot(current)] <= 0) return 0;
  const int64_t untilOnset = MillisecondsToTicks(data.results.generationMs[Slot(current)]);
  const VoicePlan voice = PlanVoice(data, current);
  return voice.deferred ? untilOnset : std::min<int64_t>(untilOnset, int64_t{voice.threshold} + 1);
}

// How many of the next bytes certainly change nothing the run times; they
// mirror the counting in OnDeviceByte.
int64_t QuietBytesAhead() {
  if (g_state == nullptr) return 0;
  const RunState& state = *g_state;
  const DocumentData& data = *g_data;
  const int32_t current = Load(state.current);
  if (Load(state.checkMode) != 0 || Load(state.done) != 0 || current < 1 ||
      current > std::min(Load(state.stimulusCount), MaxStimulusCount)) {
    return 0;
  }
  switch (Load(state.phase)) {
    case WaitStart:
      // A press first, the release at the earliest one byte later.
      return 1 + QuietBytesFromRelease(data, current);
    case WaitRelease:
      return QuietBytesFromRelease(data, current);
    case Foreperiod: {
      int64_t quiet = int64_t{MillisecondsToTicks(data.results.generationMs[Slot(current)])} -
                      g_phaseTicks - 1;
      if (g_voiceThreshold != VoiceAlreadyDue && Load(voiceDeferred) == 0) {
        quiet = std::min<int64_t>(quiet, int64_t{g_voiceThreshold} - g_phaseTicks);
      }
      return std::max<int64_t>(quiet, 0);
    }
    default:
      // A stimulus on screen: any byte after the shortest response may
      // answer it.
      return 0;
  }
}

}  // namespace

void InstallSyncLineHook(SyncLineHook hook) { g_syncLineHook.store(hook); }

void CallSyncLineHook(int level) {
  if (const SyncLineHook hook = g_syncLineHook.load(); hook != nullptr) hook(level);
}

void InstallAnnounceHook(AnnounceHook hook) { g_announceHook.store(hook); }

void UseTimingRecord(TimingRecord* record) { g_timing = record; }

TimingRecord* UsedTimingRecord() { return g_timing; }

void AttachEngine(RunState& state, DocumentData& data) {
  // The arrays hold 1199 stimuli; the schedule refuses more, and this keeps a
  // misconfigured count from ever indexing past them.
  if (Load(state.stimulusCount) > MaxStimulusCount) Store(state.stimulusCount, MaxStimulusCount);
  Store(state.totalTicks, 0);
  Store(state.done, 0);
  if (Load(state.checkMode) == 0) Store(state.current, 1);
  // A run that ended with the signal due or deferred (say with the signal
  // switched off) must not sound it in the next one before any byte.
  Store(voiceDue, 0);
  Store(voiceDeferred, 0);
  g_phaseTicks = 0;
  g_voiceThreshold = 0;
  g_lightSensor = Load(state.lightSensor) != 0;
  g_lightStimulus = 0;
  g_lightFrom = 0;
  g_lightDark = false;
  Store(state.lastLight, 0);
  if (g_timing != nullptr) g_timing->Reset();
  g_state = &state;
  g_data = &data;
}

void OnBytesReceived(int64_t hostNs, std::size_t count) {
  if (g_timing != nullptr && g_state != nullptr) g_timing->NoteChunk(hostNs, count);
}

int64_t ReadPauseNs(int64_t longestNs) {
  // The byte arriving as this is decided may already be queued.
  const int64_t quiet = QuietBytesAhead() - 1;
  if (quiet <= 0) return 0;
  const int64_t pause = std::min(
      static_cast<int64_t>(static_cast<double>(quiet) * FastBoxByteNs) - PauseMarginNs, longestNs);
  return pause >= ShortestPauseNs ? pause : 0;
}

void OnReadPauseEnded(int64_t hostNs) {
  if (g_timing != nullptr && g_state != nullptr) g_timing->NotePauseEnded(hostNs);
}

void OnDeviceByte(uint8_t byte) {
  RunState* const statePointer = g_state;
  if (statePointer == nullptr) return;  // no run attached
  RunState& state = *statePointer;
  DocumentData& data = *g_data;

  // Informational; wraps after 2^31 bytes (about 17 days) instead of
  // overflowing.
  Store(state.totalTicks,
        static_cast<int32_t>(static_cast<uint32_t>(Load(state.totalTicks)) + 1u));
  const auto nibble = static_cast<uint8_t>(byte & 0x0F);
  // Every byte's buttons, in a test too: a box that sends garbage shows in
  // how often they change.
  if (g_timing != nullptr) g_timing->NoteButtons(nibble);

  const bool lit = g_lightSensor && (byte & LightBit) != 0;
  if (Load(state.checkMode) != 0) {
    const int32_t light = lit ? 1 : 0;
    if (Load(state.lastButtons) != nibble || Load(state.lastLight) != light) {
      Store(state.lastButtons, nibble);
      Store(state.lastLight, light);
      Announce();
    }
    return;
  }

  const int32_t current = Load(state.current);
  const int32_t stimulusCount = std::min(Load(state.stimulusCount), MaxStimulusCount);
  // Any stimulus number outside 1..count ends the run, so the arrays are only
  // ever indexed in range even if someone disturbed `current`.
  if (current > stimulusCount || current < 1) Store(state.done, 1);
  if (Load(state.done) != 0) return;

  switch (Load(state.phase)) {
    case WaitStart:
      if (nibble != 0) {
        Store(state.phase, WaitRelease);
        Store(voiceDue, 0);
        Store(voiceDeferred, 0);
        Announce();
      }
      break;
    case WaitRelease:
      // The foreperiod starts only once every button is up.
      if (nibble == 0) PrepareStimulus(state, data, current);
      break;
    case Foreperiod:
      CountForeperiod(state, data, current);
      break;
    case WaitResponse:
      CountResponse(state, data, current, stimulusCount, nibble);
      break;
    default:
      break;
  }
  // After the phase, so that an onset byte starts its own stimulus's wait.
  if (g_lightSensor) FollowLight(state, lit);
}

}  // namespace alacrity
