// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/tidy_export.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "result_builder.h"

namespace alacrity {
namespace {

using testing::MakeResults;
using testing::Stimulus;

constexpr int32_t March5th2007At140309 = 1173103389;

TEST(TidyExport, OneLinePerStimulus) {
  SubjectInfo subject;
  subject.name = "Smith, \"Anna\"";
  TestConfiguration c;
  c.background = 3;
  c.falseResponse = 1;
  c.circleColor = 1;
  c.triangleColor = 2;
  c.crossColor = 3;
  c.squareColor = 0;
  TestResults r = MakeResults({
      Stimulus{ObjectKind::Triangle, 3, 1500, 350},
      Stimulus{ObjectKind::Circle, 1, 900, 420},
      Stimulus{ObjectKind::None, 5, 700, 0},
  });
  r.testTime = March5th2007At140309;

  std::string out = TidyCsvHeaderLine();
  AppendTidyCsvRows(out, "run 1.aly", subject, c, r, nullptr);
  EXPECT_EQ(out,
            "file,subject,test_time_utc,stimulus,object,generation_ms,response_ms,total_ms,button,"
            "correct,background,false_response,object_color,response_from_presented_ms,"
            "response_from_light_ms\r\n"
            "run 1.aly,\"Smith, \"\"Anna\"\"\",2007-03-05T14:03:09Z,1,triangle,1500,350,1850,4,1,"
            "black,not accepted,blue,,\r\n"
            "run 1.aly,\"Smith, \"\"Anna\"\"\",2007-03-05T14:03:09Z,2,circle,900,420,1320,2,0,"
            "black,not accepted,green,,\r\n"
            "run 1.aly,\"Smith, \"\"Anna\"\"\",2007-03-05T14:03:09Z,3,,700,0,700,,0,"
            "black,not accepted,,,\r\n");
}

TEST(TidyExport, EncodingQuotingAndDamagedCodes) {
  SubjectInfo subject;
  subject.name = "J\xF6rg";  // Latin-1 from an old file
  TestConfiguration c;
  c.background = 7;
  c.falseResponse = 0;
  c.squareColor = 12;
  TestResults r = MakeResults({Stimulus{ObjectKind::Square, 2, 1000, 300}});

  std::string out;
  AppendTidyCsvRows(out, "a\nb", subject, c, r, nullptr);
  EXPECT_EQ(out, "\"a\nb\",J\xC3\xB6rg,1970-01-01T00:00:00Z,1,square,1000,300,1300,3,1,,accepted,,,\r\n");

  r.responseCount = 0;
  std::string none;
  AppendTidyCsvRows(none, "x", subject, c, r, nullptr);
  EXPECT_TRUE(none.empty());
}

// The response times from the presented frame and from the light come from
// the test's timing record: the frame's only where its time is exact or
// within a refresh, the light's only where the sensor saw it, and neither
// from a record whose rows no longer match the results (a line deleted).
TEST(TidyExport, ResponseTimesFromTheFrameAndTheLightNeedARecordThatMatches) {
  constexpr int64_t Ms = 1'000'000;
  RunTiming timing;
  timing.station = {.lightSensor = true, .panelLagUs = 2000};
  StimulusTiming first;  // 505 bytes: 350 ms
  first.stimulus = 1;
  first.onsetByte = 1000;
  first.onsetHostNs = 10'000 * Ms;
  first.responseByte = 1505;
  first.presented = {first.onsetHostNs + 10 * Ms, 16'666'667, 7, PresentMode::Flip, PresentQuality::Exact};
  first.lightByte = 1025;
  StimulusTiming second = first;  // 605 bytes: 420 ms, never seen
  second.stimulus = 2;
  second.onsetByte = 3000;
  second.responseByte = 3605;
  second.presented.quality = PresentQuality::FrameBounded;
  second.lightByte = 0;
  timing.stimuli = {first, second};

  struct Case {
    const char* what;
    bool firstDeleted;
    std::function<void(RunTiming&)> change;
    bool withRecord;
    std::vector<std::string> tails;  // the two new fields of each row
  };
  const Stimulus answer350{ObjectKind::Circle, 1, 900, 350};
  const Stimulus answer420{ObjectKind::Cross, 2, 900, 420};
  const TestResults both = MakeResults({answer350, answer420});
  const TestResults secondOnly = MakeResults({answer420});
  const Case cases[] = {
      // 350.672 - 12 and 480 bytes; 420.112 - 12.
      {"both known", false, [](RunTiming&) {}, true, {"338,333", "408,"}},
      {"a compositor in the way", false,
       [](RunTiming& t) { t.stimuli[1].presented.quality = PresentQuality::LowerBound; }, true,
       {"338,333", ","}},
      {"simulated clock", false,
       [](RunTiming& t) { t.stimuli[0].presented.quality = PresentQuality::SimulatedClock; }, true,
       {",333", "408,"}},
      {"no record", false, [](RunTiming&) {}, false, {",", ","}},
      {"the first line deleted", true, [](RunTiming&) {}, true, {","}},
  };
  for (const Case& c : cases) {
    RunTiming changed = timing;
    c.change(changed);
    std::string out;
    AppendTidyCsvRows(out, "t.aly", SubjectInfo{}, TestConfiguration{}, c.firstDeleted ? secondOnly : both,
                      c.withRecord ? &changed : nullptr);
    std::vector<std::string> tails;
    for (std::size_t from = 0; from < out.size();) {
      const std::size_t end = out.find("\r\n", from);
      const std::string line = out.substr(from, end - from);
      std::size_t cut = line.rfind(',');
      cut = line.rfind(',', cut - 1);
      tails.push_back(line.substr(cut + 1));
      from = end + 2;
    }
    EXPECT_EQ(tails, c.tails) << c.what;
  }
}

}  // namespace
}  // namespace alacrity
