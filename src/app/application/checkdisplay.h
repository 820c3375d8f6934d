// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// `--check-display`: the display check alone, without the main window, the
// configuration or the journal. It shows its frames on the stimulus screen,
// prints the verdict as Exercise > "Check Display" words it and gives the
// exit status for scripts that try a station.

namespace alacrity {

// 0 when the display can be trusted for timing; 1 when it is only usable,
// not to be trusted, the check was stopped or the output was lost.
int CheckDisplayFromCommandLine();

}  // namespace alacrity
