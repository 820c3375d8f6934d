// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The classic linear congruential generator of the C runtime the schedules
// were always drawn with: state = state * 214013 + 2531011 (mod 2^32), result
// (state >> 16) & 0x7FFF. Seeded once at program start, never reseeded, so the
// runs of one session continue one sequence.

#include <cstdint>

namespace alacrity {

void SeedRandom(uint32_t seed);
int32_t NextRandom();  // 0..32767
uint32_t RandomState();

}  // namespace alacrity
