// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_state.h"

namespace alacrity {

RunState& TheRunState() {
  static RunState state;
  return state;
}

std::atomic<int32_t> voiceDue{0};
std::atomic<int32_t> voiceDeferred{0};

}  // namespace alacrity
