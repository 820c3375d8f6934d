// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random.h"

namespace alacrity {

namespace {
// The C runtime starts from 1 when nobody seeds it; so do we.
uint32_t g_state = 1;
}  // namespace

void SeedRandom(uint32_t seed) { g_state = seed; }

int32_t NextRandom() {
  // Unsigned arithmetic wraps modulo 2^32, which is exactly the generator's
  // modulus.
  g_state = g_state * 214013u + 2531011u;
  return static_cast<int32_t>((g_state >> 16) & 0x7FFFu);
}

uint32_t RandomState() { return g_state; }

}  // namespace alacrity
