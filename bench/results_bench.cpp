// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the operator waits for after opening the largest possible test data
// file (1199 responses): loading it and building the response list, the split
// summary and the statistics.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "data/document_data.h"
#include "data/test_data_file.h"
#include "results/result_rows.h"
#include "results/statistics.h"

namespace alacrity {
namespace {

std::vector<uint8_t> LargestTestDataFile() {
  auto data = std::make_unique<DocumentData>();
  data->subject.name = "Benchmark Subject";
  TestResults& r = data->results;
  r.responseCount = MaxStimulusCount;
  r.testTime = 1173103389;
  for (int j = 1; j <= MaxStimulusCount; ++j) {
    const auto i = static_cast<std::size_t>(j);
    r.objectIndex[i] = j % 4;
    // Every seventh answer false, so the split summary shows all its rows.
    r.buttonIndex[i] = (j % 7 == 0) ? (j + 1) % 4 : j % 4;
    r.generationMs[i] = 200 + (j * 37) % 800;
    r.responseMs[i] = 250 + (j * 53) % 400;
  }
  return EncodeTestData(*data);
}

void BM_OpenAndShowResults(benchmark::State& state) {
  const std::vector<uint8_t> file = LargestTestDataFile();
  auto data = std::make_unique<DocumentData>();
  const int blockSize = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto parsed = ParseTestData(file);
    if (!parsed.image) {
      state.SkipWithError("the test data file was refused");
      break;
    }
    ApplyTestDataImage(*parsed.image, *data);
    const TestResults& r = data->results;
    auto list = FillResponseByResponse(r, AllObjects);
    auto split = FillSplitSummary(r, data->runConfiguration.falseResponse, blockSize);
    BlockStatistics whole = ComputeStatistics(r, 1, r.responseCount);
    benchmark::DoNotOptimize(list);
    benchmark::DoNotOptimize(split);
    benchmark::DoNotOptimize(whole);
  }
  state.SetItemsProcessed(state.iterations() * MaxStimulusCount);
}
// Split size 10 gives many statistics rows; 1199 is the one-block Result view.
BENCHMARK(BM_OpenAndShowResults)->Arg(10)->Arg(MaxStimulusCount)->Unit(benchmark::kMicrosecond);

// The stages on their own, to see which one dominates.
void BM_LoadTestData(benchmark::State& state) {
  const std::vector<uint8_t> file = LargestTestDataFile();
  auto data = std::make_unique<DocumentData>();
  for (auto _ : state) {
    auto parsed = ParseTestData(file);
    if (parsed.image) ApplyTestDataImage(*parsed.image, *data);
    benchmark::DoNotOptimize(data->results.responseCount);
  }
}
BENCHMARK(BM_LoadTestData)->Unit(benchmark::kMicrosecond);

void BM_FillResponseByResponse(benchmark::State& state) {
  auto data = std::make_unique<DocumentData>();
  auto parsed = ParseTestData(LargestTestDataFile());
  if (parsed.image) ApplyTestDataImage(*parsed.image, *data);
  for (auto _ : state) {
    auto list = FillResponseByResponse(data->results, AllObjects);
    benchmark::DoNotOptimize(list);
  }
}
BENCHMARK(BM_FillResponseByResponse)->Unit(benchmark::kMicrosecond);

void BM_FillSplitSummary(benchmark::State& state) {
  auto data = std::make_unique<DocumentData>();
  auto parsed = ParseTestData(LargestTestDataFile());
  if (parsed.image) ApplyTestDataImage(*parsed.image, *data);
  for (auto _ : state) {
    auto split = FillSplitSummary(data->results, 0, 10);
    benchmark::DoNotOptimize(split);
  }
}
BENCHMARK(BM_FillSplitSummary)->Unit(benchmark::kMicrosecond);

void BM_ComputeStatistics(benchmark::State& state) {
  auto data = std::make_unique<DocumentData>();
  auto parsed = ParseTestData(LargestTestDataFile());
  if (parsed.image) ApplyTestDataImage(*parsed.image, *data);
  for (auto _ : state) {
    BlockStatistics s = ComputeStatistics(data->results, 1, MaxStimulusCount);
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_ComputeStatistics)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace alacrity
