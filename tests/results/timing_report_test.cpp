// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/timing_report.h"

#include "results/timing_layout.h"
#include "timed_stimulus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace alacrity {
namespace {

using test::Timed;

constexpr int64_t Ms = 1'000'000;

constexpr int64_t Refresh60HzNs = 16'666'667;

// A run whose stimuli were painted `delaysMs` after their onset bytes, their
// frames flipped 5 ms later, and answered `answerBytes` bytes after them,
// with the box at `bytesPerSecond` and the longest gap `gapMs`, on a 60 Hz
// X11 screen.
RunTiming TimedRun(const std::vector<double>& delaysMs, double bytesPerSecond, double gapMs,
                   int32_t answerBytes = 300) {
  RunTiming timing;
  int32_t number = 1;
  for (const double delay : delaysMs) {
    const int64_t onsetNs = number * 1000 * Ms;
    const int64_t paintedNs = onsetNs + static_cast<int64_t>(delay * static_cast<double>(Ms));
    StimulusTiming stimulus =
        Timed(number, number * 1440, onsetNs, paintedNs, number * 1440 + answerBytes, onsetNs + 208 * Ms);
    stimulus.presented = {paintedNs + 5 * Ms, Refresh60HzNs, 100 + number, PresentMode::Flip,
                          PresentQuality::Exact};
    timing.stimuli.push_back(stimulus);
    ++number;
  }
  timing.arrival.bytes = 14400;
  timing.arrival.firstNs = 1000 * Ms;
  // An anchor every half second for nine seconds, on the box's line.
  for (int half = 0; half <= 18; ++half) {
    AddRateAnchor(timing.arrival.rate,
                  {720 + static_cast<int64_t>(bytesPerSecond * half / 2), (1000 + half * 500) * Ms});
  }
  timing.arrival.longestGapNs = static_cast<int64_t>(gapMs * static_cast<double>(Ms));
  timing.arrival.buttons = {.changes = 8, .bounces = 1, .busiestSecond = 4};
  timing.display = {"X11", 60.0};
  return timing;
}

TEST(TimingReportTest, FiguresAreNearestRankPercentilesOfThePaintedStimuli) {
  std::vector<double> delays;
  for (int i = 1; i <= 200; ++i) delays.push_back(0.01 * i);  // 0.01 .. 2.00 ms
  RunTiming timing = TimedRun(delays, 1440.0, 5.0);
  timing.stimuli.push_back(Timed(201, 9999, 1, 0, 0, 0));  // never painted, never answered
  const TimingFigures figures = ComputeTimingFigures(timing);
  EXPECT_EQ(figures.stimuli, 201);
  EXPECT_EQ(figures.painted, 200);
  EXPECT_NEAR(figures.delayMedianMs, 1.00, 1e-9);
  EXPECT_NEAR(figures.delayP99Ms, 1.98, 1e-9);
  EXPECT_NEAR(figures.delayMaxMs, 2.00, 1e-9);
  EXPECT_NEAR(figures.shareOver1Ms, 0.5, 1e-9);
  ASSERT_TRUE(figures.rate.has_value());
  EXPECT_NEAR(figures.rate->bytesPerSecond, 1440.0, 1e-9);
}

TEST(TimingReportTest, EachLimitMarksItsOwnLineWithItsMeaning) {
  struct Case {
    const char* what;
    double delayMs, bytesPerSecond, gapMs;
    std::vector<bool> marked;  // delay, rate, gap, buttons, floor, display
    int32_t answerBytes = 300;
    ButtonActivity buttons = {.changes = 8, .bounces = 1, .busiestSecond = 4};
  };
  const std::vector<Case> cases = {
      {"sound", 3.0, 1440.0, 19.9, {false, false, false, false, false, false}},
      {"p99 over one refresh at 60 Hz", 16.8, 1440.0, 5.0, {true, false, false, false, false, false}},
      {"rate 0.6 % fast", 3.0, 1448.7, 5.0, {false, true, false, false, false, false}},
      {"rate 0.6 % slow", 3.0, 1431.3, 5.0, {false, true, false, false, false, false}},
      {"rate 0.4 % off", 3.0, 1434.3, 5.0, {false, false, false, false, false, false}},
      {"gap over 20 ms", 3.0, 1440.0, 20.1, {false, false, true, false, false, false}},
      // A box sending garbage: every answer within 5 ms of 69 ms, the
      // buttons changing hundreds of times a second.
      {"answers at the floor", 3.0, 1440.0, 5.0, {false, false, false, false, true, false}, 107},
      {"answers just past the floor", 3.0, 1440.0, 5.0, {false, false, false, false, false, false}, 108},
      {"buttons changing 51 times a second", 3.0, 1440.0, 5.0,
       {false, false, false, true, false, false}, 300, {.changes = 700, .bounces = 690, .busiestSecond = 51}},
      {"a bounce at each press", 3.0, 1440.0, 5.0, {false, false, false, false, false, false}, 300,
       {.changes = 40, .bounces = 20, .busiestSecond = 50}},
  };
  for (const Case& test : cases) {
    RunTiming timing = TimedRun({1.0, 1.0, 1.0, test.delayMs}, test.bytesPerSecond, test.gapMs, test.answerBytes);
    timing.arrival.buttons = test.buttons;
    const auto lines = TimingReportLines(ComputeTimingFigures(timing));
    // Presented, their class and the panel's lag follow, all sound here.
    ASSERT_EQ(lines.size(), 9u) << test.what;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const bool marked = i < test.marked.size() && test.marked[i];
      EXPECT_EQ(lines[i].marked, marked) << test.what << ": " << lines[i].text;
      EXPECT_EQ(lines[i].meaning.empty(), !marked) << test.what;
    }
  }
  const auto sound = TimingReportLines(ComputeTimingFigures(TimedRun({0.25, 0.5}, 1440.0, 5.97)));
  EXPECT_EQ(sound[0].text, "Display delay: median 0.25 ms, p99 0.50 ms, max 0.50 ms (2 stimuli)");
  EXPECT_EQ(sound[1].text, "Box rate: 1440.0000 ± 0.0001 bytes/s, +0.0 ± 0.1 ppm against the host clock");
  EXPECT_EQ(sound[2].text, "Longest gap between bytes: 6.0 ms");
  EXPECT_EQ(sound[3].text, "Button changes: 8, at most 4 in one second; bounces (within 10 ms): 1");
  EXPECT_EQ(sound[4].text, "Answers within 5 ms of the 69 ms floor: 0 of 2");
  EXPECT_EQ(sound[5].text, "Display: X11, 60 Hz refresh");
  EXPECT_EQ(sound[6].text,
            "Onset to presented: median 5.25 ms, p99 5.50 ms, max 5.50 ms (2 stimuli); missed a "
            "frame: 0");
  EXPECT_EQ(sound[7].text, "Presentation times: exact (page flips timed by the display hardware)");
  EXPECT_EQ(sound[8].text, "Panel lag: not measured (a light sensor on the screen measures it)");
  // Two answers at the floor of three are too few to tell a box from a
  // quick person.
  EXPECT_FALSE(TimingReportLines(ComputeTimingFigures(TimedRun({1.0, 1.0}, 1440.0, 5.0, 100)))[4].marked);

  // Without a refresh rate there is nothing to hold the delay against; with
  // two anchors (a second of bytes) there is no rate.
  RunTiming unknown = TimedRun({30.0}, 1440.0, 5.0);
  unknown.display = {};
  unknown.arrival.rate = {};
  AddRateAnchor(unknown.arrival.rate, {720, 1000 * Ms});
  AddRateAnchor(unknown.arrival.rate, {1440, 1500 * Ms});
  const auto lines = TimingReportLines(ComputeTimingFigures(unknown));
  EXPECT_FALSE(lines[0].marked);
  EXPECT_EQ(lines[1].text, "Box rate: not measured (too few bytes)");
  EXPECT_EQ(lines[5].text, "Display: unknown, refresh rate unknown");
}

TEST(TimingReportTest, TheRateShowsTheDigitsItsUncertaintySupportsAndNoMore) {
  struct Case {
    BoxRate rate;
    const char* text;
  };
  for (const Case& test : std::vector<Case>{{{1440.5049, 0.5}, "1440.5 ± 0.5"},
                                            {{1440.00417, 0.0031}, "1440.004 ± 0.003"},
                                            {{1300.3, 12.0}, "1300 ± 12"},
                                            {{1440.0, 0.0}, "1440.0000 ± 0.0001"}}) {
    EXPECT_EQ(FormatBytesPerSecond(test.rate), test.text);
  }
  // The deviation takes the digits of its own uncertainty; one that rounds
  // to zero is +0 whichever side of zero it lies.
  EXPECT_EQ(BoxRateLine(BoxRate{1440.5, 0.5}).text,
            "Box rate: 1440.5 ± 0.5 bytes/s, +347 ± 347 ppm against the host clock");
  EXPECT_EQ(BoxRateLine(BoxRate{1439.9999, 0.01}).text,
            "Box rate: 1440.00 ± 0.01 bytes/s, +0 ± 7 ppm against the host clock");
  // Anchors scattered by up to 1 ms about a box 4 ppm fast, over a minute:
  // the fit finds it to within its stated uncertainty.
  RateSums sums;
  for (int half = 0; half <= 120; ++half) {
    const double seconds = half * 0.5 + ((half * 7) % 11) * 1e-4;
    AddRateAnchor(sums, {static_cast<int64_t>(720 * half * (1 + 4e-6)), static_cast<int64_t>(seconds * 1e9)});
  }
  const std::optional<BoxRate> fitted = FitBoxRate(sums);
  ASSERT_TRUE(fitted.has_value());
  EXPECT_NEAR(fitted->bytesPerSecond, 1440.0 * (1 + 4e-6), 3 * fitted->uncertainty);
  EXPECT_LT(fitted->uncertainty, 0.02);
}

TEST(TimingReportTest, AMarkedLineAndItsMeaningAreBothRedInTheBlock) {
  const auto lines = TimingReportLines(ComputeTimingFigures(TimedRun({1.0}, 1440.0, 120.0)));
  for (const Layout& block : {ScreenTimingBlock(lines, {20, 165, 790, 600}), PaperTimingBlock(lines, -800)}) {
    ASSERT_EQ(block.texts.size(), 10u);  // nine lines and one meaning
    EXPECT_EQ(block.texts[2].text, lines[2].text);
    EXPECT_EQ(block.texts[3].text, lines[2].meaning);
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(block.texts[i].marked, i == 2 || i == 3) << i;
  }
}

TEST(TimingReportTest, CsvHasOneRowPerStimulusWithEmptyFieldsForWhatDidNotHappen) {
  RunTiming timing;
  timing.stimuli = {Timed(1, 433, 5'000'000'000, 5'000'412'345, 733, 5'208'000'000),
                    Timed(2, 1200, 6'000'000'000, 0, 0, 0)};
  timing.stimuli[0].presented = {5'012'000'000, 16'666'667, 4711, PresentMode::Flip,
                                 PresentQuality::Exact};
  timing.stimuli[0].lightByte = 455;
  timing.station = {.lightSensor = true, .panelLagUs = 8500};
  // Every row names the data file: its test time and CRC-32. The frame's
  // delay includes the panel's lag; the light's is counted in box bytes.
  EXPECT_EQ(TimingCsv(timing, {-5, 0x0badf00d}),
            "stimulus,onset_byte,onset_host_ns,painted_host_ns,display_delay_ms,response_byte,"
            "response_host_ns,data_file_test_time,data_file_crc32,presented_host_ns,refresh_ns,"
            "frame_counter,present_mode,presentation_quality,onset_to_presented_ms,panel_lag_ms,"
            "light_sensor,light_byte,onset_to_light_ms\r\n"
            "1,433,5000000000,5000412345,0.412,733,5208000000,-5,0badf00d,5012000000,16666667,4711,"
            "flip,exact,20.500,8.500,1,455,15.277\r\n"
            "2,1200,6000000000,,,,,-5,0badf00d,,,,unknown,none,,8.500,1,,\r\n");
  EXPECT_EQ(TimingCsvPathFor("/data/Doe_0001/2026/test 1.aly"), "/data/Doe_0001/2026/test 1.timing.csv");
}

// The class of the run is that of its least trustworthy frame; every class
// but exact is marked with what it means for the response times, with the
// run's refresh where it is known.
TEST(TimingReportTest, PresentationTimesSayHowFarTheyCanBeTrusted) {
  struct Case {
    std::vector<PresentQuality> qualities;  // one per stimulus; None: not presented
    int64_t refreshNs;
    const char* line;
    const char* meaning;  // empty: not marked
  };
  using Q = PresentQuality;
  const Case cases[] = {
      {{Q::Exact, Q::Exact}, Refresh60HzNs,
       "Presentation times: exact (page flips timed by the display hardware)", ""},
      {{Q::Exact, Q::FrameBounded}, Refresh60HzNs,
       "Presentation times: frame-bounded (known to within one refresh)",
       "Each presented time is known only to within one refresh (0–16.7 ms); response times "
       "include the delay to the screen."},
      {{Q::FrameBounded, Q::LowerBound}, 0,
       "Presentation times: lower bound only (a compositor is in the way)",
       "A compositor may show each frame a refresh or more after the time given; response times "
       "include that delay."},
      {{Q::SimulatedClock, Q::LowerBound}, Refresh60HzNs,
       "Presentation times: simulated clock (a virtual display: no physical meaning)",
       "The display is virtual: its times say nothing of a real screen, whose refresh would add "
       "0–16.7 ms that response times include."},
      {{Q::None, Q::None}, 0, "Presentation times: none (the display system reports no presented frames)",
       "The screen's refresh adds up to one refresh interval that the program cannot see; "
       "response times include it."},
  };
  for (const Case& c : cases) {
    RunTiming timing;
    for (std::size_t i = 0; i < c.qualities.size(); ++i) {
      const auto number = static_cast<int32_t>(i + 1);
      StimulusTiming stimulus = Timed(number, number * 1440, number * 1000 * Ms, number * 1000 * Ms + Ms,
                                      number * 1440 + 300, 0);
      if (c.qualities[i] != Q::None) {
        stimulus.presented = {number * 1000 * Ms + 9 * Ms, c.refreshNs, number, PresentMode::Copy,
                              c.qualities[i]};
      }
      timing.stimuli.push_back(stimulus);
    }
    const std::vector<TimingLine> lines = TimingReportLines(ComputeTimingFigures(timing));
    // Without the bytes' arrival: display delay, floor, then the frames.
    ASSERT_EQ(lines.size(), 5u) << c.line;
    EXPECT_EQ(lines[3].text, c.line);
    EXPECT_EQ(lines[3].marked, *c.meaning != '\0') << c.line;
    EXPECT_EQ(lines[3].meaning, c.meaning) << c.line;
  }
}

// A frame presented more than a refresh after its hand-over, or never where
// others were, missed a frame. With a light sensor, a stimulus it never saw
// is flagged, and where both are known the light is set against the
// presented time (the panel's lag included in it).
TEST(TimingReportTest, MissedFramesAndUnseenStimuliAreMarked) {
  RunTiming timing;
  const int64_t delaysNs[] = {10 * Ms, 17 * Ms, 0};  // in time, late, never presented
  const int32_t lightBytes[] = {30, 0, 40};            // 20.8 ms, unseen, 27.8 ms after onset
  for (int32_t i = 0; i < 3; ++i) {
    const int64_t onsetNs = (i + 1) * 1000 * Ms;
    StimulusTiming stimulus =
        Timed(i + 1, (i + 1) * 1440, onsetNs, onsetNs + Ms, (i + 1) * 1440 + 300, onsetNs + 208 * Ms);
    if (delaysNs[i] != 0) {
      stimulus.presented = {onsetNs + Ms + delaysNs[i], Refresh60HzNs, i, PresentMode::Flip,
                            PresentQuality::Exact};
    }
    if (lightBytes[i] != 0) stimulus.lightByte = stimulus.onsetByte + lightBytes[i];
    timing.stimuli.push_back(stimulus);
  }
  timing.station = {.lightSensor = true, .panelLagUs = 4000};
  const std::vector<TimingLine> lines = TimingReportLines(ComputeTimingFigures(timing));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[2].text,
            "Onset to presented: median 15.00 ms, p99 22.00 ms, max 22.00 ms (2 stimuli); missed a "
            "frame: 2");
  EXPECT_TRUE(lines[2].marked);
  EXPECT_FALSE(lines[3].marked);
  EXPECT_EQ(lines[4].text, "Panel lag: 4.00 ms, measured with a light sensor; included in onset to presented");
  EXPECT_EQ(lines[5].text, "Onset to light: median 20.83 ms, p99 27.78 ms, max 27.78 ms (2 of 3 stimuli seen)");
  EXPECT_TRUE(lines[5].marked);
  EXPECT_EQ(lines[6].text, "Light after presented: median 5.83 ms, from 5.83 to 5.83 ms (1 stimuli)");

  for (StimulusTiming& stimulus : timing.stimuli) stimulus.lightByte = 0;
  const std::vector<TimingLine> unseen = TimingReportLines(ComputeTimingFigures(timing));
  ASSERT_EQ(unseen.size(), 6u);
  EXPECT_EQ(unseen[5].text, "Onset to light: none of 3 stimuli seen");
  EXPECT_TRUE(unseen[5].marked);
}

}  // namespace
}  // namespace alacrity
