// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// How late the USB transport hands each byte to the engine, and what its
// reader costs: the link, the libftdi driver, libftdi1 and libusb against an
// FT232R emulated at the usbdevfs level (tests/usb), which receives the
// box's 1440 bytes a second and, at the 1 ms latency timer the link sets,
// sends them on as the chip does. The delay runs from the moment a byte's
// stop bit ends on the line to its hand-over by the reader; the reader's
// CPU is its thread's CPU time over the streaming time. The emulation's own
// work runs on other threads, but every ioctl of the reader is a round trip
// to them, which a kernel does not need: the figures are upper bounds.
//
// The default run streams half a second; for 7 seconds:
//   ALACRITY_BENCH_LINK_BYTES=10080 alacrity-usb-bench

#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "emulated_ft232r.h"
#include "engine/engine.h"
#include "link/ftdi_driver.h"
#include "link/usb_link.h"

namespace alacrity {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int64_t DefaultBytes = 720;

int64_t BenchBytes() {
  const char* text = std::getenv("ALACRITY_BENCH_LINK_BYTES");
  const long long bytes = text != nullptr ? std::atoll(text) : 0;
  return bytes > 0 ? bytes : DefaultBytes;
}

int64_t ThreadCpuNs() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// Written by one thread each (the reader through Arrive, the chip through
// its delivery hook); read after the link has joined its reader.
struct Stamps {
  std::vector<Clock::time_point> arrivedAtChip;
  std::atomic<std::size_t> chipCount{0};
  std::vector<Clock::time_point> handedOver;
  std::atomic<std::size_t> handedCount{0};
  int64_t readerCpuFirstNs = 0;
  int64_t readerCpuLastNs = 0;
};
Stamps* g_stamps = nullptr;

void Arrive(uint8_t byte) {
  Stamps& stamps = *g_stamps;
  const std::size_t index = stamps.handedCount.load();
  if (index < stamps.handedOver.size()) {
    if (index == 0) stamps.readerCpuFirstNs = ThreadCpuNs();
    stamps.handedOver[index] = Clock::now();
    if (index + 1 == stamps.handedOver.size()) stamps.readerCpuLastNs = ThreadCpuNs();
    stamps.handedCount.store(index + 1);
  }
  OnDeviceByte(byte);
}

struct Figures {
  double medianUs = 0;
  double p99Us = 0;
  double maxUs = 0;
  double readerCpuPercent = 0;
};

double Us(Clock::duration duration) {
  return std::chrono::duration<double, std::micro>(duration).count();
}

std::optional<Figures> Measure(int64_t byteCount) {
  const auto count = static_cast<std::size_t>(byteCount);
  Stamps stamps;
  stamps.arrivedAtChip.resize(count);
  stamps.handedOver.resize(count);
  g_stamps = &stamps;

  testing::EmulatedFt232r chip;
  const int box = chip.AddConverter(std::string(BoxDescription), "BENCH001");
  chip.OnDelivery(box, [&stamps](uint8_t, Clock::time_point arrivedAt) {
    const std::size_t index = stamps.chipCount.load();
    if (index < stamps.arrivedAtChip.size()) stamps.arrivedAtChip[index] = arrivedAt;
    stamps.chipCount.store(index + 1);
  });

  auto data = std::make_unique<DocumentData>();
  RunState run;
  run.checkMode = 1;
  AttachEngine(run, *data);
  const auto driver = MakeLibFtdiDriver();
  UsbLink link(*driver, &Arrive);
  if (link.UsbOpen() != 1) return std::nullopt;
  const auto giveUp = Clock::now() + std::chrono::milliseconds(byteCount * 1000 / 1440) +
                      std::chrono::seconds(5);
  while (stamps.handedCount.load() < count && Clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  link.UsbClose();
  if (stamps.handedCount.load() < count || stamps.chipCount.load() < count) return std::nullopt;

  std::vector<Clock::duration> delays(count);
  for (std::size_t i = 0; i < count; ++i) {
    delays[i] = stamps.handedOver[i] - stamps.arrivedAtChip[i];
  }
  std::sort(delays.begin(), delays.end());
  const auto at = [&](double fraction) {
    return Us(delays[static_cast<std::size_t>(fraction * static_cast<double>(count - 1))]);
  };
  const double streamingNs = std::chrono::duration<double, std::nano>(
                                 stamps.handedOver.back() - stamps.handedOver.front())
                                 .count();
  const auto readerCpuNs = static_cast<double>(stamps.readerCpuLastNs - stamps.readerCpuFirstNs);
  return Figures{.medianUs = at(0.5),
                 .p99Us = at(0.99),
                 .maxUs = Us(delays.back()),
                 .readerCpuPercent = streamingNs > 0 ? 100.0 * readerCpuNs / streamingNs : 0.0};
}

void BM_UsbLinkLatency(benchmark::State& state) {
  std::optional<Figures> figures;
  for (auto _ : state) {
    figures = Measure(state.range(0));
    if (!figures) {
      state.SkipWithError("the emulated converter was not found, or bytes went missing");
      return;
    }
  }
  state.counters["median_us"] = figures->medianUs;
  state.counters["p99_us"] = figures->p99Us;
  state.counters["max_us"] = figures->maxUs;
  state.counters["reader_cpu_%"] = figures->readerCpuPercent;
  std::printf(
      "USB link (emulated FT232R, latency timer 1 ms), %lld bytes at 1440/s: line to hand-over "
      "median %.1f us, p99 %.1f us, max %.1f us; reader CPU %.3f %% of streaming time\n",
      static_cast<long long>(state.range(0)), figures->medianUs, figures->p99Us, figures->maxUs,
      figures->readerCpuPercent);
}
BENCHMARK(BM_UsbLinkLatency)
    ->Arg(BenchBytes())
    ->ArgName("bytes")
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace alacrity

int main(int argc, char** argv) {
  if (!alacrity::testing::RunUnderUmockdev(argc, argv)) return 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
