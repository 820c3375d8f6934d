// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

#include "data/records.h"

namespace alacrity {

// Removes the given stimuli (1-based numbers, any order, duplicates and
// numbers outside 1..responseCount ignored) from the four result arrays: later
// entries move down and responseCount drops by one per removed stimulus.
void DeleteStimuli(TestResults& results, std::span<const int> stimuli);

}  // namespace alacrity
