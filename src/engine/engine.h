#pragma once

// The tick-clock response engine: one call per received byte, on the reader
// thread of the active link. Constant time, no lock, no allocation; the only
// call out is the sync-line hook when a response is accepted.

#include <array>
#include <cstdint>

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

// Called by the link as it starts, before the reader exists: points the engine
// at the run and the data, and sets totalTicks = 0, done = 0, clears voiceDue
// and voiceDeferred and, unless checkMode, current = 1.
void AttachEngine(RunState& state, DocumentData& data);

// Consumes one received byte.
void OnDeviceByte(uint8_t byte);

}  // namespace alacrity
