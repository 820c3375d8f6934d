// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Counts every heap allocation of the process, so a benchmark can prove that a
// loop allocates nothing.

#include <cstdint>

namespace alacrity::bench {

int64_t AllocationCount();

}  // namespace alacrity::bench
