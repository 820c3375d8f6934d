// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast the engine consumes bytes, and proof that a whole run allocates
// nothing on the byte path. The box sends 1440 bytes a second, so anything
// below a microsecond per byte leaves the reader idle almost all the time.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "alloc_counter.h"
#include "engine/engine.h"
#include "engine/host_clock.h"
#include "engine/random.h"
#include "engine/schedule.h"
#include "engine/simulated_subject.h"
#include "engine/timing_record.h"

namespace alacrity {
namespace {

constexpr int32_t LongestRun = MaxStimulusCount;
constexpr int64_t ByteBudget = 100'000'000;

struct BenchRun {
  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState state;
};

// A run as a custom configuration of the usual kind produces it.
void Schedule(BenchRun& run, int32_t count) {
  run.data->customConfiguration = {.randomLowerMs = 200, .randomUpperMs = 1000,
                                   .generateObject = {1, 1, 1, 1}, .falseResponse = 1};
  run.data->customVoice = {0, 300};
  SeedRandom(2024);
  if (SetUpRun(*run.data, run.state, {PerformMode::Custom, count}, 0)) std::abort();
}

void Attach(BenchRun& run) {
  run.state.phase = WaitStart;
  AttachEngine(run.state, *run.data);
}

SubjectModel Person() { return {.meanMs = 320, .sdMs = 60, .errorRate = 0.05}; }

// Records what the box would send for a whole run, so the benchmark times the
// engine alone on a realistic mix of idle, foreperiod and response bytes.
std::vector<uint8_t> RecordStream(BenchRun& run) {
  std::vector<uint8_t> stream;
  Attach(run);
  SimulatedSubject subject(Person(), 1);
  while (run.state.done == 0 && static_cast<int64_t>(stream.size()) < ByteBudget) {
    stream.push_back(subject.NextByte(run.state, *run.data));
    OnDeviceByte(stream.back());
  }
  return stream;
}

// Times one pass of a loop with the steady clock, so the figure can be printed
// as plain nanoseconds per byte.
class LoopTimer {
 public:
  void Start() { m_start = std::chrono::steady_clock::now(); }
  void Stop() { m_total += std::chrono::steady_clock::now() - m_start; }
  double NanosecondsPer(double items) const {
    return items > 0 ? static_cast<double>(m_total.count()) / items : 0.0;
  }

 private:
  std::chrono::steady_clock::time_point m_start;
  std::chrono::nanoseconds m_total{0};
};

void BM_EngineBytes(benchmark::State& st) {
  BenchRun run;
  Schedule(run, 200);
  const std::vector<uint8_t> stream = RecordStream(run);
  LoopTimer timer;
  for (auto _ : st) {
    Attach(run);
    timer.Start();
    for (const uint8_t byte : stream) OnDeviceByte(byte);
    benchmark::ClobberMemory();
    timer.Stop();
  }
  if (run.state.done != 1) st.SkipWithError("the replayed stream did not finish the run");
  const auto bytes = static_cast<double>(stream.size()) * static_cast<double>(st.iterations());
  st.SetItemsProcessed(static_cast<int64_t>(bytes));
  st.counters["ns_per_byte"] = timer.NanosecondsPer(bytes);
}
BENCHMARK(BM_EngineBytes)->Unit(benchmark::kMillisecond);

std::atomic<int64_t> g_announcements{0};
void CountAnnouncement() { g_announcements.fetch_add(1, std::memory_order_relaxed); }

// The same stream with everything a timed run adds on the reader thread: a
// host clock stamp per 8-byte chunk (what the serial reader gets from the
// simulator), the timing record and the announcement hook. It must stay
// allocation-free and cost next to nothing per byte.
void BM_EngineBytesTimed(benchmark::State& st) {
  BenchRun run;
  Schedule(run, 200);
  const std::vector<uint8_t> stream = RecordStream(run);
  auto record = std::make_unique<TimingRecord>();
  UseTimingRecord(record.get());
  InstallAnnounceHook(&CountAnnouncement);
  g_announcements.store(0);
  int64_t allocations = 0;
  LoopTimer timer;
  for (auto _ : st) {
    Attach(run);
    const int64_t before = bench::AllocationCount();
    timer.Start();
    for (std::size_t at = 0; at < stream.size(); at += 8) {
      const std::size_t end = std::min(stream.size(), at + 8);
      OnBytesReceived(MonotonicNowNs(), end - at);
      for (std::size_t i = at; i < end; ++i) OnDeviceByte(stream[i]);
    }
    benchmark::ClobberMemory();
    timer.Stop();
    allocations += bench::AllocationCount() - before;
  }
  InstallAnnounceHook(nullptr);
  UseTimingRecord(nullptr);
  if (run.state.done != 1) st.SkipWithError("the replayed stream did not finish the run");
  if (allocations != 0) st.SkipWithError("the timed byte loop allocated");
  const auto bytes = static_cast<double>(stream.size()) * static_cast<double>(st.iterations());
  st.counters["ns_per_byte"] = timer.NanosecondsPer(bytes);
  st.counters["allocations"] = static_cast<double>(allocations);
  st.counters["announcements_per_run"] =
      static_cast<double>(g_announcements.load()) / static_cast<double>(st.iterations());
}
BENCHMARK(BM_EngineBytesTimed)->Unit(benchmark::kMillisecond);

// A whole run of the longest schedule, closed loop with the simulated subject.
// Only the byte loop is watched for allocations: setting up is allowed to
// allocate, the reader's per-byte work is not.
void BM_SimulatedLongestRun(benchmark::State& st) {
  BenchRun run;
  Schedule(run, LongestRun);
  int64_t allocations = 0;
  int64_t bytes = 0;
  LoopTimer timer;
  for (auto _ : st) {
    Attach(run);
    SimulatedSubject subject(Person(), 1);
    const int64_t before = bench::AllocationCount();
    timer.Start();
    for (int64_t i = 0; i < ByteBudget && run.state.done.load() == 0; ++i) {
      OnDeviceByte(subject.NextByte(run.state, *run.data));
      ++bytes;
    }
    timer.Stop();
    allocations += bench::AllocationCount() - before;
  }
  if (run.state.done != 1) st.SkipWithError("the simulated run did not finish");
  if (allocations != 0) st.SkipWithError("the byte loop allocated");
  st.counters["allocations"] = static_cast<double>(allocations);
  st.counters["bytes_per_run"] =
      static_cast<double>(bytes) / static_cast<double>(st.iterations());
  // Subject and engine together.
  st.counters["ns_per_byte"] = timer.NanosecondsPer(static_cast<double>(bytes));
  static bool reported = false;
  if (reported) return;
  reported = true;
  std::fprintf(stderr, "byte loop of a %d-stimulus run: %lld allocations over %lld bytes\n",
               LongestRun, static_cast<long long>(allocations), static_cast<long long>(bytes));
}
BENCHMARK(BM_SimulatedLongestRun)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace alacrity
