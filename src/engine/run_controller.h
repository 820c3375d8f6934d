// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The run controller: starts, watches and ends tests and device checks. It
// holds no window: everything it needs of the screen, the sound, the dialogs
// and the device link goes through the two small interfaces below, so whole
// runs can be driven without a window as well as with one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "box_silence.h"
#include "data/document_data.h"
#include "data/run_timing.h"
#include "host_clock.h"
#include "run_journal_sink.h"
#include "run_state.h"
#include "schedule.h"

namespace alacrity {

enum ViewMode : int32_t {
  Neutral = 0,
  ResponseByResponse = 1,
  SplitSummary = 3,
  TestRun = 5,
  DeviceCheck = 6,
  Result = 7,
  // The analysis views beside the result views: the robust statistics of
  // the test as a table, and its charts.
  Statistics = 8,
  Chart = 9,
};

// Bar templates and their controls.
inline constexpr int StartStopBarTemplate = 142;
inline constexpr int StopBarTemplate = 143;
inline constexpr int StartButtonId = 1042;
inline constexpr int StopButtonId = 1043;

// The screen follows the engine through its announcements: the window layer
// wakes on each one and looks at the engine at once, so the stimulus shows
// within a turn of the event loop of the byte that starts the response
// count. The timer is only a safety net for a wake-up that went missing:
// quicker while a stimulus may be about to appear (the buttons are being
// released or the foreperiod runs), slower while the screen waits for the
// start press or a response. The device check also refreshes its figures
// with it.
inline constexpr int TestTimerMs = 20;
inline constexpr int WaitingTimerMs = 100;
inline constexpr int CheckTimerMs = 50;

// The poll period for a test in this phase.
int TimerPeriodFor(int32_t phase);

class RunWindow {
 public:
  virtual ~RunWindow() = default;

  virtual void Repaint() = 0;
  virtual void ShowStartStopBar() = 0;  // Start and Stop, for a test
  virtual void ShowStopBar() = 0;       // Stop only, for a check
  virtual void RemoveDialogBar() = 0;
  virtual void ShowBarControl(int controlId, bool show) = 0;
  virtual void EnterFullScreen() = 0;
  virtual void LeaveFullScreen() = 0;
  virtual void StartTimer(int periodMs) = 0;
  virtual void StopTimer() = 0;
  // Empties the result list and hides it.
  virtual void ResetList() = 0;
  // The Result view of the results just recorded.
  virtual void ShowResult() = 0;

  virtual void ShowMessage(std::string_view text) = 0;      // OK, warning icon
  // A note that stays in sight during the run (in the command bar), for what
  // the operator must know at once without a box that would stop the run.
  virtual void ShowRunNotice(std::string_view text) = 0;
  virtual bool AskYesNo(std::string_view question) = 0;     // question icon; true for Yes
  virtual void PlaySignal() = 0;
  // The Save command; true when the results were written.
  virtual bool SaveData() = 0;
  // The Perform dialog preset with the configured count; nothing on Cancel.
  virtual std::optional<PerformChoice> AskPerform(int32_t presetCount) = 0;
  // The link has stopped (its reader is joined) at the end of a test or a
  // check, before the results are shown.
  virtual void RunStopped(bool /*test*/) {}
  // Takes back a run notice shown before, once what it said is over.
  virtual void ClearRunNotice(std::string_view /*text*/) {}
};

// The device link as the controller uses it.
class RunLink {
 public:
  virtual ~RunLink() = default;
  virtual int Start(RunState* run) = 0;  // 1 when running
  virtual void Stop() = 0;               // returns after the reader has ended
  virtual void SetSyncLine(int level) = 0;
  // While running: the device the box is read from, for the operator's eyes;
  // and for a USB converter its latency timer in ms.
  virtual std::string DeviceName() const { return {}; }
  virtual std::optional<int> LatencyTimerMs() { return std::nullopt; }
  // After a failed Start: the device tried and why it failed, for the
  // operator; empty when there is nothing to add.
  virtual std::string StartFailure() const { return {}; }
  // True once the running link's reader has ended by itself (the box was
  // unplugged, its line hung up): no byte will come any more.
  virtual bool StoppedSending() const { return false; }
};

// What the operator reads when the box stops sending during a run.
inline constexpr std::string_view NoticeBoxStoppedSending =
    "The response box stopped sending. Press Stop: the answers so far are kept.";


class RunController {
 public:
  // `journal`, when given, receives every answer of a test as the timer
  // sees it and is told when the results it covers are replaced.
  RunController(DocumentData& data, RunState& state, RunWindow& window, RunLink& link,
                RunJournalSink* journal = nullptr);

  // Exercise > Perform: dialog, save question, schedule, Start/Stop bar, full
  // screen, then StartRun.
  void PerformCommand();
  // The bar's Start: starts the link; "Error in communication" when it fails.
  void StartRun();
  // Exercise > Check.
  void CheckCommand();
  // The timer: plays the signal when due, repaints on a new phase, a new
  // stimulus or held buttons, stops the run once the engine says done.
  void OnTimer();
  // The bar's Stop, or the timer at the end: stops the link, normalises the
  // results and shows the Result view (two or more answers) or the neutral
  // view.
  void StopRun();
  void ShowNeutralView();
  // Results restored from a journal: shown as Stop shows the results of a
  // test performed in `mode`.
  void ShowRestoredRun(PerformMode mode);

  // Called by the painting when it draws the test screen for `phase`: asserts
  // the sync line as the stimulus appears and plays a deferred signal.
  void OnStimulusDrawn(int32_t phase);

  // The host clock the silence of the box is judged by (tests set their own).
  void SetHostClock(int64_t (*now)()) { m_now = now; }

  // The station's light sensor and panel lag, from the operator's settings:
  // they apply from the next Start or Check on, and go into the run's journal.
  void SetStation(const StationTiming& station) { m_station = station; }
  const StationTiming& Station() const { return m_station; }
  // What the test in progress, or the last one, was started with: its
  // timing names this, whatever the settings became since.
  const StationTiming& RunStation() const { return m_runStation; }

  ViewMode Mode() const { return m_mode; }
  void SetMode(ViewMode mode) { m_mode = mode; }
  int32_t ShownPhase() const { return m_shownPhase; }
  int32_t ShownButtons() const { return m_shownButtons; }
  bool Idle() const { return m_data.idle != 0; }

 private:
  // Tells the operator when the box has stopped sending: for good when the
  // reader has ended, for as long as it lasts when the bytes merely stay away.
  void WatchTheLink();
  bool BoxFellSilent() const;

  DocumentData& m_data;
  RunState& m_state;
  RunWindow& m_window;
  RunLink& m_link;
  RunJournalSink* m_journal = nullptr;
  int32_t m_journalled = 0;  // answers of this run handed to the journal
  // Whether the run's journal takes its answers. One that could not be begun
  // was told at Start; one that failed later is told at the end of the run.
  enum class JournalState { Writing, NotBegun, Broken };
  JournalState m_journalState = JournalState::Writing;
  ViewMode m_mode = Neutral;
  int32_t m_shownPhase = NotStarted;
  int32_t m_shownStimulus = 0;  // RunState.current when the test screen was last painted
  int32_t m_shownButtons = 0;
  bool m_stoppedSendingShown = false;  // the notice for the run in progress is up
  int64_t (*m_now)() = &MonotonicNowNs;
  int64_t m_linkStartedNs = 0;  // when the link of the test in progress opened
  int m_timerMs = 0;  // the period the timer runs at, 0 when stopped
  PerformMode m_performMode = PerformMode::Custom;  // of the run in progress, for its journal
  StationTiming m_station;
  StationTiming m_runStation;

  // A journalled answer whose frame's presentation or light onset had not
  // come yet when it was handed over: what had come by then.
  struct AwaitedTiming {
    int32_t stimulus = 0;
    bool presented = false;
    bool light = false;
  };
  std::vector<AwaitedTiming> m_awaited;
  uint32_t m_frameNotesSeen = 0;  // the timing record's FrameNotes at the last look

  // Hands the journal every answer the engine has recorded since the last
  // call (the engine publishes an answer by advancing `current`), then the
  // presentations and light onsets that came after their answers.
  void JournalNewAnswers();
  void JournalLateTimings();
};

}  // namespace alacrity
