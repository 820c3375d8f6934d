// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "run_controller.h"

#include <algorithm>
#include <string>

#include "data/enums.h"
#include "engine.h"
#include "run_finish.h"
#include "timing_record.h"

namespace alacrity {

namespace {

constexpr std::string_view MessageErrorInCommunication = "Error in communication";
constexpr std::string_view QuestionDataNotSaved = "Data not saved. Save?";
constexpr std::string_view MessageNoJournal =
    "No journal can be written for this test, so its answers live only in memory until it is "
    "saved: ";
constexpr std::string_view MessageJournalIncomplete =
    "The journal of this test could not be written to the end. Save the results before closing "
    "the program.";

// The fixed text, and on a second line which device was tried and why it
// failed, so the operator knows where to look.
std::string CommunicationErrorText(const std::string& reason) {
  std::string text(MessageErrorInCommunication);
  if (!reason.empty()) text += "\n" + reason;
  return text;
}

}  // namespace

int TimerPeriodFor(int32_t phase) {
  return phase == WaitRelease || phase == Foreperiod ? TestTimerMs : WaitingTimerMs;
}

RunController::RunController(DocumentData& data, RunState& state, RunWindow& window, RunLink& link,
                             RunJournalSink* journal)
    : m_data(data), m_state(state), m_window(window), m_link(link), m_journal(journal) {}

void RunController::PerformCommand() {
  // The results and the schedule belong to the reader while a run is active.
  if (!Idle()) return;
  m_mode = Neutral;
  m_window.ResetList();
  m_window.Repaint();

  const std::optional<PerformChoice> choice =
      m_window.AskPerform(m_data.customConfiguration.stimulusCount);
  if (!choice) return;
  if (const auto refusal = CheckRunSetup(m_data, *choice)) {
    m_window.ShowMessage(*refusal);
    return;
  }
  // Asked before anything is replaced, so a save stores the previous run as
  // it was. Results the operator wanted kept are never discarded: when the
  // save did not happen, Perform does not go on.
  if (m_data.dataSaved == 0 && m_window.AskYesNo(QuestionDataNotSaved) && !m_window.SaveData()) {
    return;
  }
  if (const auto refusal = SetUpRun(m_data, m_state, *choice, CurrentTestTime())) {
    m_window.ShowMessage(*refusal);
    return;
  }
  m_performMode = choice->mode;
  // The earlier results are gone from memory now, saved or not: so is their
  // journal.
  if (m_journal) m_journal->Discard();

  m_window.ShowStartStopBar();
  m_mode = TestRun;
  m_shownPhase = NotStarted;
  m_window.EnterFullScreen();
  StartRun();
}

void RunController::StartRun() {
  m_state.portIndex = m_data.portIndex;
  m_state.serialOnly = 0;
  m_state.checkMode = 0;
  m_runStation = m_station;
  m_state.lightSensor = m_runStation.lightSensor ? 1 : 0;
  m_state.phase = WaitStart;
  // Written before the link opens, so every answer has a journal to go to.
  m_journalled = 0;
  m_awaited.clear();
  m_frameNotesSeen = 0;
  m_journalState = JournalState::Writing;
  if (m_journal) {
    if (const auto error = m_journal->BeginRun(m_data, m_performMode, m_state.stimulusCount.load(),
                                               m_runStation)) {
      m_journalState = JournalState::NotBegun;
      m_window.ShowMessage(std::string(MessageNoJournal) + *error);
    }
  }
  // A failed start leaves the link marked active: Start repeats the message
  // until Stop has been pressed.
  if (m_link.Start(&m_state) == 0) {
    m_window.ShowMessage(CommunicationErrorText(m_link.StartFailure()));
    return;
  }
  // The link found a box that cannot have the port's light sensor (the USB
  // box, the keyboard box): the run and its journal say no sensor, before
  // any answer could have been handed over.
  if (m_runStation.lightSensor && m_state.lightSensor.load() == 0) {
    m_runStation.lightSensor = false;
    if (m_journal && m_journalState == JournalState::Writing) {
      if (const auto error = m_journal->BeginRun(m_data, m_performMode,
                                                 m_state.stimulusCount.load(), m_runStation)) {
        m_journalState = JournalState::NotBegun;
        m_window.ShowMessage(std::string(MessageNoJournal) + *error);
      }
    }
  }
  m_stoppedSendingShown = false;
  m_linkStartedNs = m_now();
  m_link.SetSyncLine(1);
  m_shownPhase = WaitStart;
  m_shownStimulus = m_state.current.load();
  m_window.Repaint();
  m_window.ShowBarControl(StartButtonId, false);
  m_timerMs = TimerPeriodFor(WaitStart);
  m_window.StartTimer(m_timerMs);
  m_data.idle = 0;
}

void RunController::CheckCommand() {
  if (!Idle()) return;
  m_state.portIndex = m_data.portIndex;
  m_state.serialOnly = 0;
  m_state.checkMode = 1;
  m_state.lightSensor = m_station.lightSensor ? 1 : 0;
  if (m_link.Start(&m_state) == 0) {
    // A failed check shows no Stop button, so the link's active mark must be
    // cleared here or every later start would be refused.
    const std::string message = CommunicationErrorText(m_link.StartFailure());
    m_link.Stop();
    m_window.ShowMessage(message);
    return;
  }
  m_stoppedSendingShown = false;
  m_mode = DeviceCheck;
  m_window.ResetList();
  m_window.ShowStopBar();
  m_window.Repaint();
  m_window.EnterFullScreen();
  m_timerMs = CheckTimerMs;
  m_window.StartTimer(m_timerMs);
  m_data.idle = 0;
}

void RunController::WatchTheLink() {
  // An ended reader stays ended; silence may pass (a machine too busy to
  // read for a while), and the notice then goes again.
  const bool stopped = m_link.StoppedSending() || BoxFellSilent();
  if (stopped == m_stoppedSendingShown) return;
  m_stoppedSendingShown = stopped;
  if (stopped) {
    m_window.ShowRunNotice(NoticeBoxStoppedSending);
  } else {
    m_window.ClearRunNotice(NoticeBoxStoppedSending);
  }
}

bool RunController::BoxFellSilent() const {
  // Nothing else tells of a box unplugged from a serial port without a
  // carrier line: the port stays open and simply stays quiet. The device
  // check says so on its own screen.
  const TimingRecord* timing = UsedTimingRecord();
  if (m_mode != TestRun || m_data.idle != 0 || m_linkStartedNs == 0 || timing == nullptr) {
    return false;
  }
  return BoxIsSilent(timing->Arrival(), m_linkStartedNs, m_now());
}

void RunController::OnTimer() {
  WatchTheLink();
  if (m_mode == DeviceCheck) {
    if (const int32_t buttons = m_state.lastButtons.load(); buttons != m_shownButtons) {
      m_shownButtons = buttons;
      m_window.Repaint();
    }
    return;
  }
  if (voiceDue.load() == 1 && voiceDeferred.load() == 0 &&
      m_data.customVoice.voiceSignal == Code(VoiceSignal::Yes)) {
    voiceDue = 0;
    m_window.PlaySignal();
  }
  // Repainting only on a new phase or stimulus keeps every look nearly
  // free. The stimulus counts too: with a generation time of 0 the engine
  // goes from one stimulus's response straight to the next one's, and the
  // phase the timer sees may be the same both times.
  const int32_t phase = m_state.phase.load();
  const int32_t current = m_state.current.load();
  if (phase != m_shownPhase || current != m_shownStimulus) {
    m_shownPhase = phase;
    m_shownStimulus = current;
    m_window.Repaint();
    if (const int period = TimerPeriodFor(phase); period != m_timerMs && m_state.done.load() == 0) {
      m_timerMs = period;
      m_window.StartTimer(m_timerMs);
    }
  }
  JournalNewAnswers();
  if (m_state.done.load() != 0) StopRun();
}

void RunController::StopRun() {
  m_window.StopTimer();
  m_timerMs = 0;
  m_link.SetSyncLine(1);
  // Returns once the reader has ended: only then may the results be touched.
  m_link.Stop();
  m_data.idle = 1;
  // The last answer may have come after the last tick; the nibbles are still
  // raw until FinishRun.
  const bool test = m_state.checkMode.load() == 0;
  if (test) {
    JournalNewAnswers();
    if (m_journal && m_journalState == JournalState::Writing && !m_journal->Flush()) {
      m_journalState = JournalState::Broken;
    }
    // The journal takes nothing after its flush.
    m_awaited.clear();
  }
  FinishRun(m_state, m_data);
  m_window.RunStopped(m_state.checkMode.load() == 0);
  m_window.LeaveFullScreen();
  if (test && m_journal && m_journalState == JournalState::Broken &&
      m_data.results.responseCount > 0) {
    m_window.ShowMessage(MessageJournalIncomplete);
  }
  if (m_mode == TestRun && m_data.results.responseCount > 1) {
    m_window.ShowResult();
  } else {
    ShowNeutralView();
  }
}

void RunController::ShowNeutralView() {
  m_mode = Neutral;
  m_window.RemoveDialogBar();
  m_window.ResetList();
  m_window.Repaint();
}

void RunController::ShowRestoredRun(PerformMode mode) {
  m_performMode = mode;
  if (m_data.results.responseCount > 1) {
    m_window.ShowResult();
  } else {
    ShowNeutralView();
  }
}

void RunController::JournalNewAnswers() {
  if (!m_journal) return;
  // Acquire, pairing with the engine's release: the entry of a stimulus is
  // complete before `current` passes it.
  const int32_t answered =
      std::min(m_state.current.load(std::memory_order_acquire) - 1, m_state.stimulusCount.load());
  const TimingRecord* timing = UsedTimingRecord();
  // The run's, whatever the settings became since its start.
  const bool lightSensor = m_state.lightSensor.load() != 0;
  while (m_journalled < answered && m_journalState == JournalState::Writing) {
    const int32_t stimulus = m_journalled + 1;
    const auto slot = static_cast<std::size_t>(stimulus);
    // The answer's byte and its paint are noted by now: the answer came at
    // least 69 ms after the stimulus went up. Its frame's presentation and
    // light onset usually are too, but may still come.
    StimulusTiming noted;
    if (timing != nullptr) {
      noted = timing->StimulusAt(stimulus);
      m_journal->NoteTiming(noted);
    }
    if (!m_journal->RecordAnswer(stimulus, m_data.results.responseMs[slot],
                                 m_data.results.buttonIndex[slot])) {
      // Shown once the run is over; a box now would disturb the subject.
      m_journalState = JournalState::Broken;
      break;
    }
    ++m_journalled;
    const bool presented = noted.presented.hostNs != 0;
    const bool light = noted.lightByte != 0;
    if (timing != nullptr && (!presented || (lightSensor && !light))) {
      m_awaited.push_back({stimulus, presented, light});
    }
  }
  JournalLateTimings();
}

void RunController::JournalLateTimings() {
  const TimingRecord* timing = UsedTimingRecord();
  if (timing == nullptr || m_awaited.empty() || m_journalState != JournalState::Writing) return;
  // Read before the stimuli: a note counted here is seen below.
  const uint32_t notes = timing->FrameNotes();
  if (notes == m_frameNotesSeen) return;
  m_frameNotesSeen = notes;
  const bool lightSensor = m_state.lightSensor.load() != 0;
  std::erase_if(m_awaited, [&](AwaitedTiming& awaited) {
    const StimulusTiming now = timing->StimulusAt(awaited.stimulus);
    const bool presented = now.presented.hostNs != 0;
    const bool light = now.lightByte != 0;
    if (presented != awaited.presented || light != awaited.light) {
      m_journal->AmendTiming(now);
      awaited.presented = presented;
      awaited.light = light;
    }
    return presented && (light || !lightSensor);
  });
}

void RunController::OnStimulusDrawn(int32_t phase) {
  if (phase != WaitResponse) return;
  // Held while the stimulus is on screen; the engine releases it at the
  // response.
  m_link.SetSyncLine(0);
  if (m_data.customVoice.voiceSignal == Code(VoiceSignal::Yes) && voiceDeferred.load() == 1) {
    voiceDeferred = 0;
    m_window.PlaySignal();
  }
}

}  // namespace alacrity
