// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The station's self-test (`--self-test`): names the display server and the
// stimulus screen, runs a device check until a second's worth of bytes has
// come from the response box, then a test of a few stimuli, and prints each
// step on standard output. Message boxes are printed instead of shown, so
// nothing waits for a click; a box that never answers ends it with a failure
// after a timeout. Used to try a new station and, with the box simulator, in
// CI under a Wayland compositor.

#include <functional>

namespace alacrity {

class CMainFrame;
struct AppContext;

inline constexpr int SelfTestStimuli = 3;

// `finished` gets the exit status: 0 when the check saw the box and the test
// ran to its end with every stimulus answered, else 1.
void RunSelfTest(CMainFrame& frame, AppContext& context, const std::function<void(int)>& finished);

}  // namespace alacrity
