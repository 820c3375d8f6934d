// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the journal benchmarks share: where they write and what.

#include <filesystem>

#include "data/run_journal.h"

namespace alacrity {

// $ALACRITY_BENCH_JOURNAL_DIR, else "bench-journal" in the working
// directory: a flush costs what the disk under it costs, and /tmp is often
// memory.
std::filesystem::path BenchJournalDirectory();

// The set-up of a 1199-stimulus run.
JournalSetUp BenchJournalSetUp();

}  // namespace alacrity
