// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What journalling costs per answer: one 16-byte record written and flushed
// to disk (fdatasync), on the window thread's timer path. Printed as median
// and 99th percentile over 200 answers; the disk decides, so the figure
// belongs to the machine and the directory it ran in.

#include "journal_bench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace alacrity {

std::filesystem::path BenchJournalDirectory() {
  const char* chosen = std::getenv("ALACRITY_BENCH_JOURNAL_DIR");
  if (chosen != nullptr && *chosen != '\0') return chosen;
  return std::filesystem::current_path() / "bench-journal";
}

JournalSetUp BenchJournalSetUp() {
  JournalSetUp setUp;
  setUp.subject.name = "Bench Subject";
  setUp.testTime = 1'800'000'000;
  setUp.schedule.assign(MaxStimulusCount, ProtocolItem{700, 2});
  return setUp;
}

namespace {

constexpr int Answers = 200;

void BM_JournalAppend(benchmark::State& state) {
  std::vector<double> microseconds;
  for (auto _ : state) {
    std::string error;
    auto journal = RunJournal::Create(BenchJournalDirectory(), BenchJournalSetUp(), error);
    if (!journal) {
      state.SkipWithError(("no journal: " + error).c_str());
      return;
    }
    microseconds.clear();
    for (int32_t i = 1; i <= Answers; ++i) {
      const auto start = std::chrono::steady_clock::now();
      if (!journal->Append({i, 300 + i, 1})) {
        state.SkipWithError("append failed");
        return;
      }
      const auto took = std::chrono::steady_clock::now() - start;
      microseconds.push_back(std::chrono::duration<double, std::micro>(took).count());
    }
    (void)journal->Remove();
    std::error_code ignored;
    std::filesystem::remove(BenchJournalDirectory(), ignored);  // only when empty
  }
  std::sort(microseconds.begin(), microseconds.end());
  const double median = microseconds[microseconds.size() / 2];
  const double p99 = microseconds[microseconds.size() * 99 / 100];
  state.counters["median_us"] = median;
  state.counters["p99_us"] = p99;
  std::printf("journal append + fdatasync per answer in %s: median %.1f us, p99 %.1f us, max %.1f us\n",
              BenchJournalDirectory().c_str(), median, p99, microseconds.back());
}
BENCHMARK(BM_JournalAppend)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace alacrity
