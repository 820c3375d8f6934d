// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tick-clock response engine: one call per received byte, on the reader
// thread of the active link. Constant time, no lock, no allocation; the only
// calls out are the sync-line hook when a response is accepted and the
// announcement hook on every change the screen must follow.

#include <array>
#include <cstdint>

#include <cstddef>

#include "data/document_data.h"
#include "run_state.h"

namespace alacrity {

// The button number a nibble stands for: 1 -> 0, 2 -> 1, 4 -> 2, 8 -> 3;
// none or several buttons -> 9, which matches no object.
inline constexpr std::array<int32_t, 16> ButtonIndexTable = {9, 0, 1, 9, 2, 9, 9, 9,
                                                             3, 9, 9, 9, 9, 9, 9, 9};

// The link fills this in: level 1 releases the box's sync line, 0 asserts it.
// Null (the default) means no line to drive.
using SyncLineHook = void (*)(int level);
void InstallSyncLineHook(SyncLineHook hook);
void CallSyncLineHook(int level);

// The window layer fills this in: called on the reader thread right after a
// byte changed `phase` or `current` (in a device check: the held buttons or
// the light sensor) or raised `voiceDue`, so the screen and the signal can
// follow without polling. It must return at once: it runs between two bytes
// of the stream. Null (the default) announces nothing.
using AnnounceHook = void (*)();
void InstallAnnounceHook(AnnounceHook hook);

class TimingRecord;
// Where the engine notes the host times of each run; null (the default)
// keeps none. Set while no reader runs; AttachEngine clears the record.
void UseTimingRecord(TimingRecord* record);
TimingRecord* UsedTimingRecord();

// Called by the link as it starts, before the reader exists: points the engine
// at the run and the data, and sets totalTicks = 0, done = 0, clears voiceDue,
// voiceDeferred and lastLight and, unless checkMode, current = 1. With
// `lightSensor` set, the box's fifth bit is a light sensor: each stimulus's
// light onset is noted in the timing record (the counting never looks at it).
void AttachEngine(RunState& state, DocumentData& data);

// Consumes one received byte.
void OnDeviceByte(uint8_t byte);

// Called by the link's reader before it hands over the bytes of one read:
// `count` bytes reached the host at `hostNs` (MonotonicNowNs).
void OnBytesReceived(int64_t hostNs, std::size_t count);

// Reader thread, after it handed over every byte it read and found nothing
// more queued: how long it may leave the next bytes queued before reading
// again without delaying anything the run times (a stimulus onset, a
// warning signal, an answer and the sync line with it). The box keeps
// sending 1440 bytes a second while a test waits for its start, often for
// minutes; read at once, each byte or two costs a wake-up. Zero whenever
// the next bytes could matter: a stimulus on screen, an onset near, a
// device check. At most `longestNs`, what the link's converter can hold.
int64_t ReadPauseNs(int64_t longestNs);
// Reader thread, as such a pause ends at `hostNs`: the wait for bytes
// counts as a gap in the stream only from here.
void OnReadPauseEnded(int64_t hostNs);

}  // namespace alacrity
