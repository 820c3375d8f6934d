// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/run_finish.h"

#include <gtest/gtest.h>

#include <memory>

namespace alacrity {
namespace {

class RunFinishTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < ResultCapacity; ++i) {
      data->results.buttonIndex[static_cast<size_t>(i)] = 3;  // a chord
      data->results.objectIndex[static_cast<size_t>(i)] = 2;
    }
    data->results.responseCount = 42;
  }
  int32_t Button(int i) const { return data->results.buttonIndex[static_cast<size_t>(i)]; }
  int32_t Object(int i) const { return data->results.objectIndex[static_cast<size_t>(i)]; }

  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  RunState state;
};

TEST_F(RunFinishTest, TurnsNibblesIntoButtonsForTheAnsweredStimuli) {
  const int32_t nibbles[] = {1, 2, 4, 8, 3, 0, 15};
  for (int i = 0; i < 7; ++i) data->results.buttonIndex[static_cast<size_t>(i + 1)] = nibbles[i];
  state.current = 8;
  FinishRun(state, *data);
  const int32_t buttons[] = {0, 1, 2, 3, 5, 5, 5};
  const int32_t objects[] = {2, 2, 2, 2, 4, 4, 4};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(Button(i + 1), buttons[i]) << i + 1;
    EXPECT_EQ(Object(i + 1), objects[i]) << i + 1;
  }
  EXPECT_EQ(Button(8), 3);  // not answered: left raw
  EXPECT_EQ(Object(8), 2);
  EXPECT_EQ(data->results.responseCount, 7);
  EXPECT_EQ(data->dataSaved, 0);
  EXPECT_EQ(state.done, 1);
}

TEST_F(RunFinishTest, StopBeforeAnyAnswerAndImpossibleCounts) {
  for (const auto& [current, answered] : {std::pair{1, 0}, std::pair{-7, 0}, std::pair{9000, 1199}}) {
    state.current = current;
    FinishRun(state, *data);
    EXPECT_EQ(data->results.responseCount, answered) << current;
  }
}

TEST_F(RunFinishTest, CheckLeavesTheResultsAlone) {
  state.checkMode = 1;
  state.current = 5;
  const TestResults before = data->results;
  FinishRun(state, *data);
  EXPECT_EQ(data->results, before);
  EXPECT_EQ(data->dataSaved, 1);
  EXPECT_EQ(state.done, 1);
}

}  // namespace
}  // namespace alacrity
