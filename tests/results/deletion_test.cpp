// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/deletion.h"

#include <gtest/gtest.h>

#include <vector>

#include "result_builder.h"

namespace alacrity {
namespace {

using testing::Correct;
using testing::MakeResults;
using testing::Stimulus;

TestResults FiveStimuli() {
  return MakeResults({
      Stimulus{ObjectKind::Circle, 0, 1001, 301},
      Stimulus{ObjectKind::Cross, 1, 1002, 302},
      Stimulus{ObjectKind::Square, 0, 1003, 303},
      Stimulus{ObjectKind::Triangle, 3, 1004, 304},
      Stimulus{ObjectKind::None, 5, 1005, 305},
  });
}

TEST(DeleteStimuli, LaterEntriesMoveDown) {
  TestResults r = FiveStimuli();
  // Any order, with duplicates and numbers outside 1..5.
  const std::vector<int> selected{3, 2, 3, 0, 6, -1};
  DeleteStimuli(r, selected);

  ASSERT_EQ(r.responseCount, 3);
  EXPECT_EQ(r.generationMs[1], 1001);
  EXPECT_EQ(r.generationMs[2], 1004);
  EXPECT_EQ(r.responseMs[2], 304);
  EXPECT_EQ(r.objectIndex[2], Code(ObjectKind::Triangle));
  EXPECT_EQ(r.buttonIndex[2], 3);
  EXPECT_EQ(r.generationMs[3], 1005);
  EXPECT_EQ(r.objectIndex[3], Code(ObjectKind::None));
  EXPECT_EQ(r.buttonIndex[3], 5);
  // Nothing of the old tail stays behind.
  EXPECT_EQ(r.generationMs[4], 0);
  EXPECT_EQ(r.responseMs[5], 0);
}

TEST(DeleteStimuli, NothingValidSelectedChangesNothing) {
  TestResults r = FiveStimuli();
  const TestResults before = r;
  DeleteStimuli(r, std::vector<int>{});
  DeleteStimuli(r, std::vector<int>{0, 6, 1200, -5});
  EXPECT_EQ(r, before);
}

TEST(DeleteStimuli, EverythingAndSlotZero) {
  TestResults r = FiveStimuli();
  r.responseMs[0] = 77;  // carried through files as held
  DeleteStimuli(r, std::vector<int>{1, 2, 3, 4, 5});
  EXPECT_EQ(r.responseCount, 0);
  EXPECT_EQ(r.responseMs[0], 77);
  EXPECT_EQ(r.responseMs[1], 0);
}

TEST(DeleteStimuli, DamagedCountStaysInsideTheArrays) {
  TestResults r = MakeResults({Correct(300), Correct(400)});
  r.responseCount = 100'000;
  DeleteStimuli(r, std::vector<int>{1, 50'000});
  EXPECT_EQ(r.responseCount, MaxStimulusCount - 1);
  EXPECT_EQ(r.responseMs[1], 400);
}

}  // namespace
}  // namespace alacrity
