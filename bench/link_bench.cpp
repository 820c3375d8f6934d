// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How late the serial transport hands each byte to the engine, and what its
// reader costs. A pseudo-terminal stands in for the port: the benchmark writes
// one byte at a time at the box's 1440 bytes a second, stamps each write, and
// the reader stamps each byte as it hands it over (a device check, so the
// engine only counts). Goals: 99th percentile under 1 ms, reader CPU under
// 1 % of the streaming time.
//
// It runs twice: without a journal, and with a second thread appending a
// journal record and flushing it to disk every 100 ms, as the window thread
// does for each answer (far more often than any subject answers). The reader
// never touches the journal, so the two must not differ.
//
// The default run streams half a second; for the full measurement over 10 080
// bytes (7 s):
//   ALACRITY_BENCH_LINK_BYTES=10080 alacrity-bench --benchmark_filter=SerialLink

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <filesystem>
#include <thread>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/run_journal.h"
#include "engine/engine.h"
#include "journal_bench.h"
#include "link/serial_link.h"

namespace alacrity {
namespace {

constexpr int64_t NanosecondsPerSecond = 1'000'000'000;
constexpr int64_t BytesPerSecond = 1440;
constexpr int64_t DefaultBytes = 720;

int64_t BenchBytes() {
  const char* text = std::getenv("ALACRITY_BENCH_LINK_BYTES");
  const long long bytes = text != nullptr ? std::atoll(text) : 0;
  return bytes > 0 ? bytes : DefaultBytes;
}

int64_t ClockNs(clockid_t clock) {
  timespec now{};
  ::clock_gettime(clock, &now);
  return int64_t{now.tv_sec} * NanosecondsPerSecond + now.tv_nsec;
}

// Written only by the reader thread through Arrive; read by the benchmark
// after SerialClose has joined it.
struct Arrivals {
  std::vector<int64_t> atNs;
  std::size_t count = 0;
  int64_t readerCpuFirstNs = 0;
  int64_t readerCpuLastNs = 0;
};
Arrivals g_arrivals;
std::atomic<std::size_t> g_arrivedCount{0};  // polled by the benchmark thread

void Arrive(uint8_t byte) {
  const int64_t now = ClockNs(CLOCK_MONOTONIC);
  Arrivals& arrivals = g_arrivals;
  if (arrivals.count < arrivals.atNs.size()) {
    if (arrivals.count == 0) arrivals.readerCpuFirstNs = ClockNs(CLOCK_THREAD_CPUTIME_ID);
    arrivals.atNs[arrivals.count++] = now;
    if (arrivals.count == arrivals.atNs.size()) {
      arrivals.readerCpuLastNs = ClockNs(CLOCK_THREAD_CPUTIME_ID);
    }
    g_arrivedCount.store(arrivals.count);
  }
  OnDeviceByte(byte);
}

struct Terminal {
  int master = -1;
  std::string path;
  ~Terminal() {
    if (master != -1) ::close(master);
  }
};

bool OpenTerminal(Terminal& terminal) {
  terminal.master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (terminal.master < 0) return false;
  std::array<char, 128> name{};
  termios raw{};
  if (::grantpt(terminal.master) != 0 || ::unlockpt(terminal.master) != 0 ||
      ::ptsname_r(terminal.master, name.data(), name.size()) != 0 ||
      ::tcgetattr(terminal.master, &raw) != 0) {
    return false;
  }
  ::cfmakeraw(&raw);
  terminal.path = name.data();
  return ::tcsetattr(terminal.master, TCSANOW, &raw) == 0;
}

void SleepUntilNs(int64_t ns) {
  const timespec due{static_cast<time_t>(ns / NanosecondsPerSecond),
                     static_cast<long>(ns % NanosecondsPerSecond)};
  while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
  }
}

struct Figures {
  double medianUs = 0;
  double p99Us = 0;
  double maxUs = 0;
  double readerCpuPercent = 0;
};

double Percentile(const std::vector<int64_t>& sorted, double fraction) {
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
  return static_cast<double>(sorted[index]) / 1000.0;
}

// Appends a record and flushes it every 100 ms until told to stop, as the
// window thread journals answers.
class JournalWriter {
 public:
  JournalWriter() {
    std::string error;
    m_journal = RunJournal::Create(BenchJournalDirectory(), BenchJournalSetUp(), error);
    if (m_journal) m_thread = std::thread([this] { Run(); });
  }
  ~JournalWriter() {
    m_stop.store(true);
    if (m_thread.joinable()) m_thread.join();
    if (m_journal) (void)m_journal->Remove();
    std::error_code ignored;
    std::filesystem::remove(BenchJournalDirectory(), ignored);  // only when empty
  }
  bool Running() const { return m_journal != nullptr; }

 private:
  void Run() {
    int32_t stimulus = 1;
    while (!m_stop.load() && stimulus <= MaxStimulusCount) {
      if (!m_journal->Append({stimulus, 300, 1})) return;
      ++stimulus;
      ::usleep(100'000);
    }
  }
  std::unique_ptr<RunJournal> m_journal;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

std::optional<Figures> Measure(int64_t byteCount, bool journalOn) {
  Terminal terminal;
  if (!OpenTerminal(terminal)) return std::nullopt;
  std::optional<JournalWriter> journal;
  if (journalOn) {
    journal.emplace();
    if (!journal->Running()) return std::nullopt;
  }
  ::setenv("ALACRITY_COM1", terminal.path.c_str(), 1);

  auto data = std::make_unique<DocumentData>();
  RunState run;
  run.checkMode = 1;
  AttachEngine(run, *data);
  const auto count = static_cast<std::size_t>(byteCount);
  g_arrivals = Arrivals{};
  g_arrivals.atNs.resize(count);
  g_arrivedCount.store(0);
  std::vector<int64_t> writtenNs(count);

  SerialLink link(&Arrive);
  if (link.SerialOpen(0) != 1) return std::nullopt;
  const int64_t startNs = ClockNs(CLOCK_MONOTONIC);
  for (std::size_t i = 0; i < count; ++i) {
    SleepUntilNs(startNs + static_cast<int64_t>(i + 1) * NanosecondsPerSecond / BytesPerSecond);
    const uint8_t byte = static_cast<uint8_t>(i & 0x0F);
    writtenNs[i] = ClockNs(CLOCK_MONOTONIC);
    if (::write(terminal.master, &byte, 1) != 1) return std::nullopt;
  }
  const int64_t giveUpNs = ClockNs(CLOCK_MONOTONIC) + 5 * NanosecondsPerSecond;
  while (g_arrivedCount.load() < count && ClockNs(CLOCK_MONOTONIC) < giveUpNs) ::usleep(1000);
  link.SerialClose();
  ::unsetenv("ALACRITY_COM1");
  if (g_arrivals.count != count) return std::nullopt;

  std::vector<int64_t> latencies(count);
  for (std::size_t i = 0; i < count; ++i) latencies[i] = g_arrivals.atNs[i] - writtenNs[i];
  std::sort(latencies.begin(), latencies.end());
  const int64_t streamingNs = g_arrivals.atNs.back() - g_arrivals.atNs.front();
  const int64_t readerCpuNs = g_arrivals.readerCpuLastNs - g_arrivals.readerCpuFirstNs;
  return Figures{.medianUs = Percentile(latencies, 0.5),
                 .p99Us = Percentile(latencies, 0.99),
                 .maxUs = static_cast<double>(latencies.back()) / 1000.0,
                 .readerCpuPercent = streamingNs > 0 ? 100.0 * static_cast<double>(readerCpuNs) /
                                                           static_cast<double>(streamingNs)
                                                     : 0.0};
}

void BM_SerialLinkLatency(benchmark::State& state) {
  std::optional<Figures> figures;
  for (auto _ : state) {
    figures = Measure(state.range(0), state.range(1) != 0);
    if (!figures) {
      state.SkipWithError("no pseudo-terminal, or bytes went missing");
      return;
    }
  }
  state.counters["median_us"] = figures->medianUs;
  state.counters["p99_us"] = figures->p99Us;
  state.counters["max_us"] = figures->maxUs;
  state.counters["reader_cpu_%"] = figures->readerCpuPercent;
  std::printf(
      "serial link, %lld bytes at 1440/s, journal %s: write() to hand-over median %.1f us, p99 "
      "%.1f us (goal < 1000), max %.1f us; reader CPU %.3f %% of streaming time (goal < 1 %%)\n",
      static_cast<long long>(state.range(0)), state.range(1) != 0 ? "on" : "off",
      figures->medianUs, figures->p99Us, figures->maxUs, figures->readerCpuPercent);
}
BENCHMARK(BM_SerialLinkLatency)
    ->Args({BenchBytes(), 0})
    ->Args({BenchBytes(), 1})
    ->ArgNames({"bytes", "journal"})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace alacrity
