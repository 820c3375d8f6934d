// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole tests and device checks driven through the run controller without a
// window: a recording fake stands in for the screen and a fake link attaches
// the engine as the real one does, while the test plays the reader thread.

#include "engine/run_controller.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/random.h"
#include "engine/run_recovery.h"
#include "engine/simulated_subject.h"
#include "data/tick_clock.h"
#include "engine/timing_record.h"

namespace alacrity {
namespace {

using ::testing::ElementsAre;
using ::testing::Contains;
using ::testing::Not;

class FakeWindow : public RunWindow {
 public:
  // Painting the test screen tells the controller what it drew, as the view
  // does.
  void Repaint() override {
    ++repaints;
    if (controller != nullptr && controller->Mode() == TestRun)
      controller->OnStimulusDrawn(controller->ShownPhase());
  }
  void ShowStartStopBar() override { calls.push_back("bar 142"); }
  void ShowStopBar() override { calls.push_back("bar 143"); }
  void RemoveDialogBar() override { calls.push_back("remove bar"); }
  void ShowBarControl(int id, bool show) override {
    calls.push_back("control " + std::to_string(id) + (show ? " on" : " off"));
  }
  void EnterFullScreen() override { calls.push_back("full screen"); }
  void LeaveFullScreen() override { calls.push_back("leave full screen"); }
  void StartTimer(int ms) override { timerMs = ms; }
  void StopTimer() override { timerMs = 0; }
  void ResetList() override {}
  void ShowResult() override { calls.push_back("result"); }
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void ShowRunNotice(std::string_view text) override { notices.emplace_back(text); }
  void ClearRunNotice(std::string_view text) override { cleared.emplace_back(text); }
  bool AskYesNo(std::string_view question) override {
    messages.emplace_back(question);
    return answerYes;
  }
  void PlaySignal() override { ++signals; }
  bool SaveData() override {
    calls.push_back("save");
    return saveSucceeds;
  }
  std::optional<PerformChoice> AskPerform(int32_t preset) override {
    presetCount = preset;
    return performChoice;
  }

  RunController* controller = nullptr;
  std::vector<std::string> calls;
  std::vector<std::string> messages;
  std::vector<std::string> notices;
  std::vector<std::string> cleared;
  int repaints = 0;
  int signals = 0;
  int timerMs = 0;
  int32_t presetCount = 0;
  bool answerYes = false;
  bool saveSucceeds = true;
  std::optional<PerformChoice> performChoice = PerformChoice{PerformMode::Custom, 4};
};

// Behaves like the link front: the active mark is set before the open and
// kept when it fails.
class FakeLink : public RunLink {
 public:
  // The engine reaches the sync line through its hook, as with the real link.
  explicit FakeLink(DocumentData& data) : m_data(data) {
    s_installed = this;
    InstallSyncLineHook([](int level) { s_installed->SetSyncLine(level); });
  }
  ~FakeLink() override { InstallSyncLineHook(nullptr); }
  int Start(RunState* run) override {
    if (active) return 0;
    active = true;
    if (boxWithoutLightSensor) run->lightSensor = 0;  // as the link does for a USB box
    AttachEngine(*run, m_data);
    return opens ? 1 : 0;
  }
  void Stop() override { active = false; }
  void SetSyncLine(int level) override { syncLine.push_back(level); }
  std::string StartFailure() const override { return failure; }
  bool StoppedSending() const override { return stoppedSending; }

  bool active = false;
  bool opens = true;
  std::string failure;
  bool stoppedSending = false;
  bool boxWithoutLightSensor = false;
  std::vector<int> syncLine;

 private:
  static inline FakeLink* s_installed = nullptr;
  DocumentData& m_data;
};

class RunControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.controller = &controller;
    ApplyDefaultConfiguration(*data);
    data->customConfiguration.stimulusCount = 9;
    SeedRandom(3);
  }

  // Plays the reader thread for `bytes` bytes of the simulated subject,
  // with a timer tick after every byte as the fast timer would see it.
  void Feed(SimulatedSubject& subject, int64_t bytes) {
    for (int64_t i = 0; i < bytes && data->idle == 0; ++i) {
      OnDeviceByte(subject.NextByte(*state, *data));
      controller.OnTimer();
    }
  }

  std::unique_ptr<DocumentData> data = std::make_unique<DocumentData>();
  std::unique_ptr<RunState> state = std::make_unique<RunState>();
  FakeWindow window;
  FakeLink link{*data};
  RunController controller{*data, *state, window, link};
};

TEST_F(RunControllerTest, WholeTestRunsToTheResultView) {
  data->customVoice = {0, 300};  // signal 300 ms ahead of each stimulus
  controller.PerformCommand();
  EXPECT_EQ(window.presetCount, 9);
  EXPECT_EQ(data->customConfiguration.stimulusCount, 4);
  EXPECT_THAT(window.calls, ElementsAre("bar 142", "full screen", "control 1042 off"));
  EXPECT_EQ(controller.Mode(), TestRun);
  EXPECT_EQ(controller.ShownPhase(), WaitStart);
  EXPECT_EQ(window.timerMs, WaitingTimerMs);
  EXPECT_EQ(data->idle, 0);

  // The screen follows every millisecond while a stimulus may be coming.
  SimulatedSubject subject({.meanMs = 300, .sdMs = 20}, 1);
  while (controller.ShownPhase() != Foreperiod) Feed(subject, 1);
  EXPECT_EQ(window.timerMs, TestTimerMs);
  while (controller.ShownPhase() != WaitResponse) Feed(subject, 1);
  EXPECT_EQ(window.timerMs, WaitingTimerMs);
  Feed(subject, 10'000'000);
  EXPECT_EQ(data->idle, 1);
  EXPECT_EQ(window.timerMs, 0);
  EXPECT_EQ(data->results.responseCount, 4);
  EXPECT_EQ(data->dataSaved, 0);
  EXPECT_EQ(controller.Mode(), TestRun);  // the Result view sets its own mode
  EXPECT_THAT(window.calls, Contains("result"));
  EXPECT_EQ(window.calls.back(), "result");
  EXPECT_EQ(window.signals, 4);  // one signal ahead of every stimulus
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(data->results.buttonIndex[static_cast<std::size_t>(i)],
              data->results.objectIndex[static_cast<std::size_t>(i)]);
  }
  // Released after the start, after each response, after the last once
  // more, and at the stop; held from each stimulus's paint to its response.
  EXPECT_EQ(std::count(link.syncLine.begin(), link.syncLine.end(), 1), 1 + 4 + 1 + 1);
  EXPECT_EQ(std::count(link.syncLine.begin(), link.syncLine.end(), 0), 4);
  EXPECT_EQ(link.syncLine.front(), 1);
  EXPECT_FALSE(link.active);
}

TEST_F(RunControllerTest, StimulusDrawingAssertsTheSyncLineAndPlaysADeferredSignal) {
  data->customVoice = {0, 0};  // no lead time: the signal sounds with the stimulus
  controller.PerformCommand();
  SimulatedSubject subject({.meanMs = 300, .sdMs = 0}, 2);
  while (state->phase != WaitResponse) OnDeviceByte(subject.NextByte(*state, *data));
  link.syncLine.clear();
  controller.OnTimer();  // sees the new phase and paints the stimulus
  EXPECT_EQ(window.signals, 1);
  controller.OnStimulusDrawn(WaitResponse);  // a later paint plays nothing more
  EXPECT_THAT(link.syncLine, ElementsAre(0, 0));
  EXPECT_EQ(window.signals, 1);

  data->customVoice.voiceSignal = 1;  // "NO": the engine still raises its words
  voiceDeferred = 1;
  controller.OnStimulusDrawn(WaitResponse);
  controller.OnStimulusDrawn(Foreperiod);
  EXPECT_EQ(window.signals, 1);
}

TEST_F(RunControllerTest, NextStimulusWithoutGenerationTimeIsPaintedAlthoughThePhaseStays) {
  controller.PerformCommand();
  data->results.generationMs[2] = 0;  // possible in a protocol
  OnDeviceByte(1);
  while (state->phase != WaitResponse) OnDeviceByte(0);
  controller.OnTimer();  // the first stimulus goes up
  for (int i = 0; i < 99; ++i) OnDeviceByte(0);
  OnDeviceByte(static_cast<uint8_t>(1 << data->results.objectIndex[1]));
  OnDeviceByte(0);  // the release starts the second stimulus at once
  ASSERT_EQ(state->phase, WaitResponse);
  ASSERT_EQ(state->current, 2);
  const int repaints = window.repaints;
  link.syncLine.clear();
  controller.OnTimer();
  EXPECT_EQ(window.repaints, repaints + 1);
  EXPECT_THAT(link.syncLine, ElementsAre(0));  // drawn, with the sync line asserted
}

TEST_F(RunControllerTest, StopAfterOneAnswerGivesTheNeutralView) {
  controller.PerformCommand();
  SimulatedSubject subject({.meanMs = 300, .sdMs = 20}, 1);
  while (state->current < 2) OnDeviceByte(subject.NextByte(*state, *data));
  controller.StopRun();
  EXPECT_EQ(data->results.responseCount, 1);
  EXPECT_EQ(controller.Mode(), Neutral);
  EXPECT_THAT(window.calls, Not(Contains("result")));
  EXPECT_EQ(window.calls.back(), "remove bar");
}

TEST_F(RunControllerTest, FailedStartIsRepeatedUntilStop) {
  link.opens = false;
  controller.PerformCommand();
  EXPECT_THAT(window.messages, ElementsAre("Error in communication"));
  EXPECT_EQ(controller.Mode(), TestRun);
  EXPECT_EQ(controller.ShownPhase(), NotStarted);
  EXPECT_EQ(data->idle, 1);
  EXPECT_EQ(window.timerMs, 0);

  link.opens = true;  // the box is plugged in, but the failed link is still marked
  controller.StartRun();
  EXPECT_EQ(window.messages.size(), 2u);
  controller.StopRun();
  EXPECT_EQ(data->results.responseCount, 0);
  EXPECT_EQ(data->dataSaved, 0);
  controller.PerformCommand();
  EXPECT_EQ(data->idle, 0);  // now it starts
}

TEST_F(RunControllerTest, FailedCheckLeavesNoLinkBehind) {
  link.opens = false;
  controller.CheckCommand();
  EXPECT_THAT(window.messages, ElementsAre("Error in communication"));
  EXPECT_FALSE(link.active);
  EXPECT_EQ(controller.Mode(), Neutral);
}

TEST_F(RunControllerTest, FailedStartNamesTheDeviceAndTheReasonOnASecondLine) {
  link.opens = false;
  link.failure = "no USB box found; /dev/ttyS0: Permission denied";
  controller.CheckCommand();
  controller.PerformCommand();
  const std::string expected =
      "Error in communication\nno USB box found; /dev/ttyS0: Permission denied";
  EXPECT_THAT(window.messages, ElementsAre(expected, expected));
}

TEST_F(RunControllerTest, ABoxThatStopsSendingIsReportedOnceInTestsAndChecks) {
  for (const bool check : {false, true}) {
    window.notices.clear();
    link.stoppedSending = false;
    if (check) {
      controller.CheckCommand();
    } else {
      controller.PerformCommand();
    }
    controller.OnTimer();
    EXPECT_TRUE(window.notices.empty());
    link.stoppedSending = true;  // unplugged: the reader has ended
    controller.OnTimer();
    controller.OnTimer();
    EXPECT_THAT(window.notices, ElementsAre(NoticeBoxStoppedSending)) << check;
    EXPECT_EQ(data->idle, 0) << "the operator stops, and the answers so far are kept";
    controller.StopRun();
  }
}

int64_t g_hostNowNs = 0;

// A box unplugged from a serial port without a carrier line only falls
// silent: the operator is told after a second, and the notice goes again when
// the bytes come back (a machine that was too busy to read them). A port with
// nothing behind it is silent from the start, once a box would have ended the
// restart that opening its port may cause.
TEST_F(RunControllerTest, ABoxSilentForASecondIsReportedUntilItSendsAgain) {
  auto record = std::make_unique<TimingRecord>();
  UseTimingRecord(record.get());
  g_hostNowNs = 50'000'000'000;
  controller.SetHostClock([] { return g_hostNowNs; });
  for (const bool sending : {true, false}) {
    window.notices.clear();
    window.cleared.clear();
    controller.PerformCommand();
    g_hostNowNs += BoxRestartNs;
    if (sending) OnBytesReceived(g_hostNowNs, 8);
    g_hostNowNs += SilentBoxNs - 1;
    controller.OnTimer();
    EXPECT_TRUE(window.notices.empty()) << sending;
    g_hostNowNs += 1;
    controller.OnTimer();
    controller.OnTimer();
    EXPECT_THAT(window.notices, ElementsAre(NoticeBoxStoppedSending)) << sending;
    OnBytesReceived(g_hostNowNs, 8);
    controller.OnTimer();
    EXPECT_THAT(window.cleared, ElementsAre(NoticeBoxStoppedSending)) << sending;
    controller.StopRun();
  }
  UseTimingRecord(nullptr);
}

// An Arduino-class box restarts as its port opens: a few bytes from before,
// then silence while its bootloader waits, then the stream.
TEST_F(RunControllerTest, TheRestartOfABoxAsItsPortOpensIsNoSilence) {
  auto record = std::make_unique<TimingRecord>();
  UseTimingRecord(record.get());
  g_hostNowNs = 50'000'000'000;
  controller.SetHostClock([] { return g_hostNowNs; });
  controller.PerformCommand();
  OnBytesReceived(g_hostNowNs, 3);
  g_hostNowNs += BoxRestartNs + SilentBoxNs - 1;
  controller.OnTimer();
  OnBytesReceived(g_hostNowNs, 8);
  g_hostNowNs += SilentBoxNs - 1;
  controller.OnTimer();
  EXPECT_TRUE(window.notices.empty());
  controller.StopRun();
  UseTimingRecord(nullptr);
}

TEST_F(RunControllerTest, DeviceCheckShowsTheButtonsAndRecordsNothing) {
  controller.PerformCommand();
  SimulatedSubject subject({.meanMs = 300, .sdMs = 20}, 1);
  Feed(subject, 10'000'000);
  const auto before = std::make_unique<TestResults>(data->results);
  window.calls.clear();

  controller.CheckCommand();
  EXPECT_EQ(controller.Mode(), DeviceCheck);
  EXPECT_EQ(window.timerMs, CheckTimerMs);
  EXPECT_THAT(window.calls, ElementsAre("bar 143", "full screen"));
  const int repaints = window.repaints;
  for (const int byte : {0x05, 0x05, 0x00}) {
    OnDeviceByte(static_cast<uint8_t>(byte));
    controller.OnTimer();
  }
  EXPECT_EQ(window.repaints, repaints + 2);  // 5, then 0
  OnDeviceByte(0x05);
  controller.OnTimer();
  EXPECT_EQ(controller.ShownButtons(), 5);
  controller.StopRun();
  EXPECT_EQ(controller.Mode(), Neutral);
  EXPECT_EQ(data->results, *before);
  EXPECT_EQ(data->dataSaved, 0);  // still the unsaved test from before
}

TEST_F(RunControllerTest, UnsavedResultsAreKeptWhenTheirSaveDoesNotHappen) {
  controller.PerformCommand();
  SimulatedSubject subject({.meanMs = 300, .sdMs = 20}, 1);
  Feed(subject, 10'000'000);
  const auto before = std::make_unique<TestResults>(data->results);

  window.answerYes = true;
  window.saveSucceeds = false;
  window.calls.clear();
  controller.PerformCommand();
  EXPECT_THAT(window.messages, Contains("Data not saved. Save?"));
  EXPECT_THAT(window.calls, ElementsAre("save"));
  EXPECT_EQ(data->results, *before);
  EXPECT_EQ(data->idle, 1);

  window.answerYes = false;  // No: the results are given up as asked
  controller.PerformCommand();
  EXPECT_EQ(data->idle, 0);
  EXPECT_NE(data->results.testTime, 0);
}

TEST_F(RunControllerTest, PerformRefusesAnImpossibleSetUpAndCancelChangesNothing) {
  window.performChoice.reset();
  controller.PerformCommand();
  EXPECT_EQ(data->resultsPresent, 0);
  EXPECT_EQ(controller.Mode(), Neutral);

  window.performChoice = PerformChoice{PerformMode::Custom, 5};
  data->customConfiguration.generateObject = {0, 0, 0, 0};
  controller.PerformCommand();
  EXPECT_THAT(window.messages, ElementsAre("Select at least one object to be generated."));
  EXPECT_EQ(data->resultsPresent, 0);
  EXPECT_EQ(data->customConfiguration.stimulusCount, 9);
  EXPECT_FALSE(link.active);
}

// Records what the controller hands its journal, and the set-up as the real
// journal would store it.
class FakeJournal : public RunJournalSink {
 public:
  explicit FakeJournal(const FakeLink& link) : m_link(link) {}
  std::optional<std::string> BeginRun(const DocumentData& data, PerformMode mode, int32_t count,
                                      const StationTiming& station) override {
    calls.push_back(m_link.active ? "begin after the link" : "begin");
    image.setUp = JournalSetUpOf(data, static_cast<int32_t>(mode), count, station);
    image.answers.clear();
    return beginError;
  }
  void NoteTiming(const StimulusTiming& timing) override { pendingTiming = timing; }
  bool RecordAnswer(int32_t stimulus, int32_t responseMs, int32_t buttons) override {
    if (image.answers.size() == failAfter) return false;
    const StimulusTiming& t = pendingTiming;
    JournalAnswer answer{stimulus, responseMs, buttons, t.onsetByte, t.onsetHostNs,
                         t.paintedHostNs, t.responseByte, t.responseHostNs, t.presented,
                         t.lightByte};
    image.answers.push_back(answer);
    pendingTiming = {};
    return true;
  }
  // As the journal reads a repeat: the answer's times replaced.
  void AmendTiming(const StimulusTiming& t) override {
    ++amendments;
    JournalAnswer& answer = image.answers.at(static_cast<std::size_t>(t.stimulus) - 1);
    answer.presented = t.presented;
    answer.lightByte = t.lightByte;
  }
  bool Flush() override {
    calls.push_back("flush");
    return true;
  }
  void Discard() override { calls.push_back("discard"); }

  std::vector<std::string> calls;
  JournalImage image;
  std::optional<std::string> beginError;
  std::size_t failAfter = 1000;
  StimulusTiming pendingTiming;
  int amendments = 0;

 private:
  const FakeLink& m_link;
};

class JournalledRunTest : public RunControllerTest {
 protected:
  void SetUp() override {
    RunControllerTest::SetUp();
    window.controller = &journalled;
  }
  void Feed(SimulatedSubject& subject, int64_t bytes) {
    for (int64_t i = 0; i < bytes && data->idle == 0; ++i) {
      OnDeviceByte(subject.NextByte(*state, *data));
      journalled.OnTimer();
    }
  }

  FakeJournal journal{link};
  RunController journalled{*data, *state, window, link, &journal};
};

TEST_F(JournalledRunTest, EachAnswerGoesToTheJournalWithItsHostTimes) {
  auto record = std::make_unique<TimingRecord>();
  UseTimingRecord(record.get());
  window.performChoice = PerformChoice{PerformMode::Custom, 4};
  journalled.PerformCommand();
  SimulatedSubject subject({.meanMs = 250, .sdMs = 20}, 2);
  int64_t hostNs = 1'000'000'000;
  while (data->idle == 0 && state->done == 0) {
    OnBytesReceived(hostNs += 694'444, 1);
    OnDeviceByte(subject.NextByte(*state, *data));
    journalled.OnTimer();
  }
  journalled.StopRun();
  UseTimingRecord(nullptr);
  ASSERT_EQ(journal.image.answers.size(), 4u);
  for (const JournalAnswer& answer : journal.image.answers) {
    const StimulusTiming noted = record->StimulusAt(answer.stimulus);
    EXPECT_NE(answer.onsetByte, 0);
    EXPECT_EQ(answer.onsetByte, noted.onsetByte);
    EXPECT_EQ(answer.responseByte, noted.responseByte);
    EXPECT_EQ(answer.responseHostNs, noted.responseHostNs);
    EXPECT_EQ(TicksToMilliseconds(answer.responseByte - answer.onsetByte), answer.responseMs);
  }
  const std::optional<RunTiming> restored = JournalledTiming(journal.image);
  ASSERT_TRUE(restored.has_value());
  EXPECT_EQ(restored->stimuli.size(), 4u);
}

// A frame's presentation or light onset usually comes before its answer,
// but may come after the answer was journalled: it is handed over then,
// once, and the journal restores it. The station's settings reach the
// engine and the journal.
TEST_F(JournalledRunTest, TimesThatComeAfterTheAnswerStillReachTheJournal) {
  auto record = std::make_unique<TimingRecord>();
  UseTimingRecord(record.get());
  journalled.SetStation({.lightSensor = true, .panelLagUs = 3000});
  window.performChoice = PerformChoice{PerformMode::Custom, 4};
  journalled.PerformCommand();
  EXPECT_EQ(state->lightSensor, 1);
  SimulatedSubject subject({.meanMs = 250, .sdMs = 20}, 2);
  const auto presented = [](int32_t stimulus) {
    return Presentation{stimulus * 1'000'000'000LL, 16'666'667, stimulus, PresentMode::Flip,
                        PresentQuality::Exact};
  };
  // Stimulus 2 is presented only after its answer was journalled, the
  // others at once.
  while (data->idle == 0 && state->done == 0) {
    OnDeviceByte(subject.NextByte(*state, *data));
    const int32_t current = state->current;
    if (state->phase == WaitResponse && current != 2) record->NotePresented(current, presented(current));
    journalled.OnTimer();
    if (current == 3) record->NotePresented(2, presented(2));
  }
  UseTimingRecord(nullptr);
  EXPECT_EQ(journal.amendments, 1);
  EXPECT_EQ(journal.image.setUp.station, journalled.Station());
  ASSERT_EQ(journal.image.answers.size(), 4u);
  for (const JournalAnswer& answer : journal.image.answers) {
    EXPECT_EQ(answer.presented, presented(answer.stimulus)) << answer.stimulus;
  }
  const std::optional<RunTiming> restored = JournalledTiming(journal.image);
  ASSERT_TRUE(restored.has_value());
  EXPECT_EQ(restored->station, journalled.Station());
  EXPECT_EQ(restored->stimuli[1].presented, presented(2));
}

// The light sensor is the serial port's box's: when the link takes another
// box, neither the run nor its journal claims one.
TEST_F(JournalledRunTest, ARunOnABoxWithoutTheSensorSaysSoInItsJournal) {
  journalled.SetStation({.lightSensor = true, .panelLagUs = 3000});
  link.boxWithoutLightSensor = true;
  window.performChoice = PerformChoice{PerformMode::Custom, 4};
  journalled.PerformCommand();
  EXPECT_EQ(state->lightSensor, 0);
  const StationTiming withoutSensor{.lightSensor = false, .panelLagUs = 3000};
  EXPECT_EQ(journalled.RunStation(), withoutSensor);
  EXPECT_EQ(journal.image.setUp.station, withoutSensor);
  EXPECT_TRUE(journalled.Station().lightSensor) << "the setting stays for the next run";
}

TEST_F(JournalledRunTest, EveryAnswerIsJournalledAndRestoresAsStopLeftIt) {
  data->subject = {"Ann", 0, 170, 60, "c1", "", ""};
  data->customVoice = {0, 200};
  window.performChoice = PerformChoice{PerformMode::Custom, 6};
  journalled.PerformCommand();
  EXPECT_THAT(journal.calls, ElementsAre("discard", "begin"));

  // Killed after the third answer: the journal holds exactly those.
  SimulatedSubject subject({.meanMs = 300, .sdMs = 20}, 1);
  while (state->current < 4) Feed(subject, 1);
  EXPECT_EQ(journal.image.answers.size(), 3u);
  {
    auto crashed = std::make_unique<DocumentData>();
    RestoreJournalledRun(journal.image, *crashed);
    EXPECT_EQ(crashed->results.responseCount, 3);
    EXPECT_EQ(crashed->subject, data->subject);
    EXPECT_EQ(crashed->results.generationMs, data->results.generationMs);
  }

  // The last answer comes with the end of the run, before any tick sees it.
  while (data->idle == 0 && state->done == 0) OnDeviceByte(subject.NextByte(*state, *data));
  journalled.StopRun();
  ASSERT_EQ(journal.image.answers.size(), 6u);
  for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(journal.image.answers[static_cast<std::size_t>(i)].stimulus, i + 1);

  auto restored = std::make_unique<DocumentData>();
  restored->runConfiguration.stimulusCount = 77;  // whatever was in memory before
  RestoreJournalledRun(journal.image, *restored);
  EXPECT_EQ(restored->results, data->results);
  EXPECT_EQ(restored->runConfiguration, data->runConfiguration);
  EXPECT_EQ(restored->runVoice, data->runVoice);
  EXPECT_EQ(restored->subject, data->subject);
  EXPECT_EQ(restored->dataSaved, 0);
  EXPECT_EQ(restored->resultsPresent, 1);
  EXPECT_TRUE(window.messages.empty());

  // A check writes no journal and leaves the one of the unsaved results.
  journal.calls.clear();
  journalled.CheckCommand();
  journalled.StopRun();
  EXPECT_TRUE(journal.calls.empty());
}

TEST_F(JournalledRunTest, JournalProblemsAreToldButNeverStopTheTest) {
  journal.beginError = "journal: Permission denied";
  journalled.PerformCommand();
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_THAT(window.messages[0], ::testing::EndsWith("journal: Permission denied"));
  EXPECT_EQ(data->idle, 0);
  SimulatedSubject subject({.meanMs = 300, .sdMs = 20}, 1);
  Feed(subject, 10'000'000);
  EXPECT_EQ(data->results.responseCount, 4);
  EXPECT_TRUE(journal.image.answers.empty());
  // Told once, at Start: a journal never begun did not fail at the end.
  EXPECT_EQ(window.messages.size(), 1u);

  // A failed append: nothing more is written, and the end of the run says so.
  journal.beginError.reset();
  journal.failAfter = 1;
  window.messages.clear();
  window.answerYes = false;
  journalled.PerformCommand();
  Feed(subject, 10'000'000);
  EXPECT_EQ(journal.image.answers.size(), 1u);
  EXPECT_EQ(window.messages.size(), 2u);  // the save question, then the warning
  EXPECT_THAT(window.messages.back(), ::testing::HasSubstr("could not be written"));
}

}  // namespace
}  // namespace alacrity
