// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Start-up's look for journals left behind by a program that died during a
// test: each one is offered for restoring, oldest first.

namespace alacrity {

class CMainFrame;
struct AppContext;

// For every journal in the journal directory that no running program holds:
// a damaged one is reported by name and renamed to "*.damaged"; one of a
// newer version is reported and left; one without answers is removed (it
// holds nothing to lose); otherwise "An unsaved test of ... Restore it?"
// Yes restores it as Stop would have left the run and keeps the journal
// until the results are saved or discarded; No asks whether to delete it
// for good (preset No), and a kept journal is offered again at the next
// start.
void RecoverJournals(CMainFrame& frame, AppContext& context);

}  // namespace alacrity
