// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/simulated_subject.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "engine/engine.h"
#include "engine/random.h"
#include "engine/run_finish.h"
#include "engine/schedule.h"

namespace alacrity {
namespace {

// Enough bytes for any run below even with every answer given twice.
constexpr int64_t ByteBudget = 20'000'000;

class SimulatedRunTest : public ::testing::Test {
 protected:
  // Schedules `count` random stimuli with the given false response rule and
  // attaches the engine, as Perform and Start do.
  void Prepare(int count, int falseResponse) {
    data->customConfiguration = {.randomLowerMs = 200, .randomUpperMs = 1000,
                                 .generateObject = {1, 1, 1, 1}, .falseResponse = falseResponse};
    data->customVoice = {0, 300};
    SeedRandom(11);
    ASSERT_FALSE(SetUpRun(*data, state, {PerformMode::Custom, count}, 0));
    state.phase = WaitStart;
    AttachEngine(state, *data);
  }
  // Feeds the subject's bytes until the run is done; then stops it.
  void Run(SimulatedSubject& subject) {
    for (int64_t i = 0; i < ByteBudget && state.done == 0; ++i)
      OnDeviceByte(subject.NextByte(state, *data));
    ASSERT_EQ(state.done, 1);
    FinishRun(state, *data);
  }
  int Correct() const {
    int correct = 0;
    for (int i = 1; i <= data->results.responseCount; ++i) correct += IsCorrect(data->results, i);
    return correct;
  }
  double MeanMs() const {
    double sum = 0;
    for (int i = 1; i <= data->results.responseCount; ++i)
      sum += data->results.responseMs[static_cast<size_t>(i)];
    return sum / data->results.responseCount;
  }

  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState state;
};

TEST_F(SimulatedRunTest, AccurateSubjectAnswersEveryStimulusInItsOwnTime) {
  Prepare(300, /*falseResponse=*/0);
  SimulatedSubject subject({.meanMs = 350, .sdMs = 50}, 1);
  Run(subject);
  EXPECT_EQ(data->results.responseCount, 300);
  EXPECT_EQ(Correct(), 300);
  EXPECT_NEAR(MeanMs(), 350, 10);
}

TEST_F(SimulatedRunTest, ErrorsAreRecordedWhenAcceptedAndRepairedWhenNot) {
  Prepare(400, /*falseResponse=*/0);
  SimulatedSubject careless({.meanMs = 300, .sdMs = 40, .errorRate = 0.25}, 2);
  Run(careless);
  EXPECT_EQ(data->results.responseCount, 400);
  EXPECT_NEAR(400 - Correct(), 100, 30);

  Prepare(400, /*falseResponse=*/1);
  SimulatedSubject again({.meanMs = 300, .sdMs = 40, .errorRate = 0.25}, 2);
  Run(again);
  EXPECT_EQ(Correct(), 400);
  // A quarter of the answers took a wrong press, a hold and a second look.
  EXPECT_GT(MeanMs(), 300 + 0.15 * 400);
}

TEST_F(SimulatedRunTest, SameSeedSameRunAndSilentInACheck) {
  Prepare(50, 0);
  SimulatedSubject first({}, 9);
  Run(first);
  const TestResults firstResults = data->results;
  Prepare(50, 0);
  SimulatedSubject second({}, 9);
  Run(second);
  EXPECT_EQ(data->results, firstResults);

  state.checkMode = 1;
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(second.NextByte(state, *data), 0);
}

// The reader thread feeds the engine while this thread polls like the
// controller's timer: phase, done, the object to draw, and the voice words.
TEST_F(SimulatedRunTest, ReaderThreadAndPollingControllerShareOnlyTheWords) {
  Prepare(40, 1);
  std::atomic<bool> readerFinished{false};
  std::thread reader([&] {
    SimulatedSubject subject({.meanMs = 250, .sdMs = 30, .errorRate = 0.1}, 5);
    for (int64_t i = 0; i < ByteBudget && state.done.load() == 0; ++i)
      OnDeviceByte(subject.NextByte(state, *data));
    readerFinished = true;
  });
  int phaseChanges = 0;
  int32_t shownPhase = NotStarted;
  int32_t lastObject = 0;
  // At least one poll, even when the reader finishes before the first one.
  do {
    if (const int32_t phase = state.phase.load(); phase != shownPhase) {
      ++phaseChanges;
      shownPhase = phase;
      const int32_t current = state.current.load();
      if (current >= 1 && current < ResultCapacity)
        lastObject = data->results.objectIndex[static_cast<size_t>(current)];
    }
    if (voiceDue.load() == 1) voiceDue = 0;
    if (shownPhase == WaitResponse && voiceDeferred.load() == 1) voiceDeferred = 0;
    std::this_thread::yield();
  } while (!readerFinished && state.done.load() == 0);
  reader.join();
  FinishRun(state, *data);
  EXPECT_EQ(data->results.responseCount, 40);
  EXPECT_EQ(Correct(), 40);
  EXPECT_GT(phaseChanges, 0);
  EXPECT_TRUE(lastObject >= 0 && lastObject <= 3);
}

}  // namespace
}  // namespace alacrity
