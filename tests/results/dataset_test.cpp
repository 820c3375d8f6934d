// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "result_builder.h"
#include "results/bids_dataset.h"
#include "results/dataset.h"
#include "results/psychds_dataset.h"

namespace alacrity {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::Correct;

TEST(SubjectKeyword, KeepsLettersAndDigitsOnly) {
  const struct {
    const char* name;
    const char* keyword;
  } cases[] = {
      {"O'Brien-Smith 2", "OBrienSmith2"},
      {"J\xC3\xA1n Nov\xC3\xA1k", "JanNovak"},  // UTF-8
      {"J\xF6rg Stra\xDF" "e", "JorgStrasse"},  // Latin-1 of an old file
      {"\xD0\x96\xD0\xB0\xD0\xBD\xD0\xBD\xD0\xB0", "unnamed"},  // another script
      {"../..", "unnamed"},
      {"", "unnamed"},
  };
  for (const auto& c : cases) EXPECT_EQ(SubjectKeyword(c.name), c.keyword) << c.name;
}

class DatasetTests : public ::testing::Test {
 protected:
  // A test of the named subject at the given time.
  void Add(const std::string& name, int32_t testTime, int32_t sex = 0) {
    auto data = std::make_unique<DocumentData>();
    data->subject.name = name;
    data->subject.sex = sex;
    data->results = testing::MakeResults({Correct(300)});
    data->results.testTime = testTime;
    m_tests.push_back({name + ".aly", data.get()});
    m_data.push_back(std::move(data));
  }

  std::vector<std::string> Paths(const std::vector<DatasetFile>& files) const {
    std::vector<std::string> paths;
    for (const DatasetFile& f : files) paths.push_back(f.path);
    return paths;
  }

  std::vector<std::unique_ptr<DocumentData>> m_data;
  std::vector<DatasetTest> m_tests;
};

TEST_F(DatasetTests, DifferentPeopleNeverShareAKeyword) {
  Add("Jo Doe", 0);
  Add("JoDoe", 0);
  Add("Jo Doe", 0);
  EXPECT_THAT(SubjectKeywords(m_tests), ElementsAre("JoDoe", "JoDoe2", "JoDoe"));
}

TEST_F(DatasetTests, PsychDsTestsOfOneSecondKeepTheirOwnFiles) {
  Add("Ann", 1173103389);
  Add("Ann", 1173103389);
  EXPECT_THAT(Paths(MakePsychDsDataset(m_tests, "1.0")),
              ElementsAre("dataset_description.json",
                          "data/subject-Ann_session-20070305T140309_data.csv",
                          "data/subject-Ann_session-20070305T140309_run-2_data.csv"));
}

TEST_F(DatasetTests, BidsRunsFollowTheTestTimes) {
  // The time after January 2038 is stored negative and still comes last.
  Add("Ann", -2000000000);
  Add("Ann", 1173103389);
  Add("Bob", 1173103389);
  const std::vector<DatasetFile> files = MakeBidsDataset(m_tests, "1.0");
  const auto scans = std::find_if(files.begin(), files.end(), [](const DatasetFile& f) {
    return f.path == "sub-Ann/sub-Ann_scans.tsv";
  });
  ASSERT_NE(scans, files.end());
  EXPECT_EQ(scans->bytes,
            "filename\tacq_time\n"
            "beh/sub-Ann_task-choicert_run-1_beh.tsv\t2007-03-05T14:03:09Z\n"
            "beh/sub-Ann_task-choicert_run-2_beh.tsv\t2042-09-22T02:54:56Z\n");
  EXPECT_THAT(files.back().bytes, HasSubstr("\nsub-Ann\tn/a\tn/a\tn/a\nsub-Bob\t"));
}

// A data file holds 0 (female) also for a subject whose sex was never
// entered: only male can be told.
TEST_F(DatasetTests, BidsParticipantSexOnlyWhereTheDataFileCanTellIt) {
  Add("Ann", 0, 0);
  Add("Bob", 0, 1);
  Add("Cyd", 0, 2);
  Add("Dee", 0, -1);
  const std::vector<DatasetFile> files = MakeBidsDataset(m_tests, "1.0");
  EXPECT_EQ(files.back().path, "participants.tsv");
  EXPECT_EQ(files.back().bytes,
            "participant_id\tsex\theight\tweight\n"
            "sub-Ann\tn/a\tn/a\tn/a\n"
            "sub-Bob\tM\tn/a\tn/a\n"
            "sub-Cyd\tn/a\tn/a\tn/a\n"
            "sub-Dee\tn/a\tn/a\tn/a\n");
}

}  // namespace
}  // namespace alacrity
