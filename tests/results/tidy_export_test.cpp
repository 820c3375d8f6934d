// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/tidy_export.h"

#include <gtest/gtest.h>

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
  AppendTidyCsvRows(out, "run 1.aly", subject, c, r);
  EXPECT_EQ(out,
            "file,subject,test_time_utc,stimulus,object,generation_ms,response_ms,total_ms,button,"
            "correct,background,false_response,object_color\r\n"
            "run 1.aly,\"Smith, \"\"Anna\"\"\",2007-03-05T14:03:09Z,1,triangle,1500,350,1850,4,1,"
            "black,not accepted,blue\r\n"
            "run 1.aly,\"Smith, \"\"Anna\"\"\",2007-03-05T14:03:09Z,2,circle,900,420,1320,2,0,"
            "black,not accepted,green\r\n"
            "run 1.aly,\"Smith, \"\"Anna\"\"\",2007-03-05T14:03:09Z,3,,700,0,700,,0,"
            "black,not accepted,\r\n");
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
  AppendTidyCsvRows(out, "a\nb", subject, c, r);
  EXPECT_EQ(out, "\"a\nb\",J\xC3\xB6rg,1970-01-01T00:00:00Z,1,square,1000,300,1300,3,1,,accepted,\r\n");

  r.responseCount = 0;
  std::string none;
  AppendTidyCsvRows(none, "x", subject, c, r);
  EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace alacrity
