// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/schedule.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "engine/random.h"

namespace alacrity {
namespace {

TEST(RandomTest, FollowsTheClassicGenerator) {
  SeedRandom(1);
  for (int32_t expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(NextRandom(), expected);
  SeedRandom(0xFFFFFFFFu);  // the state wraps modulo 2^32
  EXPECT_EQ(NextRandom(), 35);
  EXPECT_EQ(RandomState(), 0xFFFFFFFFu * 214013u + 2531011u);
}

class ScheduleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestConfiguration& c = data->customConfiguration;
    c = {.stimulusCount = 10, .timingMode = 0, .fixedTimeMs = 750, .randomLowerMs = 200,
         .randomUpperMs = 1000, .generateObject = {1, 1, 1, 1}};
    data->customVoice = {0, 300};
    SeedRandom(7);
  }
  int32_t Time(int i) const { return data->results.generationMs[static_cast<size_t>(i)]; }
  int32_t Object(int i) const { return data->results.objectIndex[static_cast<size_t>(i)]; }

  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState state;
};

// Replays the draws in their documented order: per stimulus the time (random
// mode only), then objects until an enabled one comes up.
TEST_F(ScheduleTest, DrawsTimeThenObjectsPerStimulus) {
  data->customConfiguration.generateObject = {0, 0, 1, 0};
  data->results.responseMs[1] = 99;
  data->results.generationMs[21] = 12345;
  ASSERT_FALSE(SetUpRun(*data, state, {PerformMode::Custom, 20}, 1234));
  const uint32_t after = RandomState();
  SeedRandom(7);
  for (int i = 1; i <= 20; ++i) {
    EXPECT_EQ(Time(i), 200 + NextRandom() % 801) << i;
    while (NextRandom() % 4 != 2) {
    }
    EXPECT_EQ(Object(i), 2);
  }
  EXPECT_EQ(RandomState(), after);
  EXPECT_EQ(data->results.responseMs[1], 0);
  EXPECT_EQ(data->results.generationMs[21], 12345);  // beyond the run: untouched
  EXPECT_EQ(state.stimulusCount, 20);
  EXPECT_EQ(data->customConfiguration.stimulusCount, 20);
  EXPECT_EQ(data->runConfiguration, data->customConfiguration);
  EXPECT_EQ(data->runVoice, data->customVoice);
  EXPECT_EQ(data->results.testTime, 1234);
  EXPECT_EQ(data->resultsPresent, 1);
  EXPECT_EQ(data->dataSaved, 0);
}

uint32_t StateAfterDraws(uint32_t seed, int draws) {
  SeedRandom(seed);
  for (int i = 0; i < draws; ++i) NextRandom();
  return RandomState();
}

TEST_F(ScheduleTest, TimeLimitsAndFixedTime) {
  TestConfiguration& c = data->customConfiguration;
  c.randomLowerMs = c.randomUpperMs = 500;
  ASSERT_FALSE(SetUpRun(*data, state, {PerformMode::Custom, 50}, 0));
  for (int i = 1; i <= 50; ++i) EXPECT_EQ(Time(i), 500);
  EXPECT_EQ(RandomState(), StateAfterDraws(7, 100));  // still one draw for the time

  c.timingMode = 1;  // fixed: the limits no longer matter, even reversed
  c.randomLowerMs = 3000;
  SeedRandom(7);
  ASSERT_FALSE(SetUpRun(*data, state, {PerformMode::Custom, 50}, 0));
  for (int i = 1; i <= 50; ++i) EXPECT_EQ(Time(i), 750);
  EXPECT_EQ(RandomState(), StateAfterDraws(7, 50));  // objects only

  c = {.randomLowerMs = INT_MIN, .randomUpperMs = INT_MAX, .generateObject = {1, 1, 1, 1}};
  ASSERT_FALSE(SetUpRun(*data, state, {PerformMode::Custom, 1199}, 0));
  for (int i = 1; i <= 1199; ++i) EXPECT_LT(Time(i), INT_MIN + 32768);
}

TEST_F(ScheduleTest, ProtocolRunTakesItsItemsAndOnlyItsOwnSettings) {
  data->protocol.header = {3, 2, 1, 3, 2, 1, 0};
  data->protocol.items[0] = {100, 3};
  data->protocol.items[1] = {60000, 1};
  data->protocol.items[2] = {0, 0};
  data->runConfiguration = {.timingMode = 1, .fixedTimeMs = 900, .generateObject = {0, 1, 0, 0}};
  const TestConfiguration before = data->runConfiguration;
  ASSERT_FALSE(SetUpRun(*data, state, {PerformMode::Protocol, 500}, 0));
  EXPECT_EQ(state.stimulusCount, 3);
  EXPECT_EQ(RandomState(), 7u);  // no draws
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(Time(i), data->protocol.items[static_cast<size_t>(i - 1)].generationMs);
    EXPECT_EQ(Object(i), data->protocol.items[static_cast<size_t>(i - 1)].object);
  }
  const TestConfiguration& run = data->runConfiguration;
  EXPECT_EQ(data->runProtocolHeader, data->protocol.header);
  EXPECT_EQ(run.timingMode, before.timingMode);
  EXPECT_EQ(run.fixedTimeMs, before.fixedTimeMs);
  EXPECT_EQ(run.generateObject, before.generateObject);
  EXPECT_EQ(run.stimulusCount, before.stimulusCount);
  EXPECT_EQ((std::array{run.background, run.falseResponse, run.squareColor, run.circleColor,
                        run.triangleColor, run.crossColor}),
            (std::array{2, 1, 3, 2, 1, 0}));
  EXPECT_EQ(data->runVoice, data->customVoice);
  EXPECT_EQ(data->customConfiguration.stimulusCount, 10);
}

TEST_F(ScheduleTest, RefusedSetUpChangesNothing) {
  struct Case {
    void (*spoil)(DocumentData&);
    PerformChoice choice;
    const char* message;
  };
  const Case cases[] = {
      {[](DocumentData& d) { d.customConfiguration.generateObject = {}; },
       {PerformMode::Custom, 5}, "Select at least one object to be generated."},
      {[](DocumentData& d) { d.customConfiguration.randomLowerMs = 1001; },
       {PerformMode::Custom, 5}, "The lower time limit must not be above the upper time limit."},
      {[](DocumentData&) {}, {PerformMode::Custom, 0}, "The number of stimuli must be between 1 and 1199."},
      {[](DocumentData&) {}, {PerformMode::Custom, 1200}, "The number of stimuli must be between 1 and 1199."},
      {[](DocumentData& d) { d.protocol.header.itemCount = 0; },
       {PerformMode::Protocol, 5}, "The protocol must hold between 1 and 1199 stimuli."},
      {[](DocumentData& d) { d.protocol.header.itemCount = 1200; },
       {PerformMode::Protocol, 5}, "The protocol must hold between 1 and 1199 stimuli."},
      {[](DocumentData& d) {
         d.protocol.header.itemCount = 3;
         d.protocol.items[1].object = 4;
       },
       {PerformMode::Protocol, 5}, "Stimulus 2 of the protocol has no valid object."},
  };
  for (const Case& c : cases) {
    auto spoilt = std::make_unique<DocumentData>(*data);
    c.spoil(*spoilt);
    const auto before = std::make_unique<DocumentData>(*spoilt);
    state.stimulusCount = 33;
    EXPECT_EQ(CheckRunSetup(*spoilt, c.choice), c.message);
    EXPECT_EQ(SetUpRun(*spoilt, state, c.choice, 99), c.message);
    EXPECT_EQ(spoilt->results, before->results);
    EXPECT_EQ(spoilt->customConfiguration, before->customConfiguration);
    EXPECT_EQ(spoilt->runConfiguration, before->runConfiguration);
    EXPECT_EQ(spoilt->dataSaved, 1);
    EXPECT_EQ(state.stimulusCount, 33);
    EXPECT_EQ(RandomState(), 7u);  // no draws
  }
}

}  // namespace
}  // namespace alacrity
