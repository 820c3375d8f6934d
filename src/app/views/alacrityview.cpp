// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/alacrityview.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QScreen>
#include <QString>
#include <QWindow>

#include <cmath>

#include "dialogs/messagebox.h"
#include "display/displayhandover.h"
#include "display/displayserver.h"
#include "display/engineannouncer.h"
#include "display/onsetwait.h"
#include "display/presentationtimes.h"
#include "engine/engine.h"
#include "engine/host_clock.h"
#include "views/alacritylist.h"
#include "views/chartpanel.h"
#include "views/statisticstable.h"
#include "views/viewhost.h"

namespace alacrity {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CAlacrityView::CAlacrityView(AppContext& context, ViewHost& host, QWidget* parent)
    : QWidget(parent),
      m_context(context),
      m_host(host),
      m_controller(context.data, context.runState, *this, context.link, context.journal),
      m_fonts(ReportFonts()),
      m_list(new AlacrityList(this)),
      m_statistics(new StatisticsTable(this)),
      m_charts(new ChartPanel(this)) {
  setObjectName(QStringLiteral("alacrityView"));
  // paintEvent covers every pixel itself.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // A coarse timer may fire up to several milliseconds late; the stimulus
  // must follow the engine within about one.
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &CAlacrityView::OnTimer);
  // The engine's announcements wake the view at once; it then looks at the
  // engine exactly as the timer does.
  m_announcer = new EngineAnnouncer([this] { OnTimer(); }, this);
  // Having seen the onset itself, the view takes the announcement of it
  // along, so the event loop does not look a second time.
  m_onsetWait = new OnsetWait(
      context.runState,
      [this] {
        SettleBackingStore(*this, StimulusRegion());
        return std::vector<PixelLines>{BackingStoreLines(*this, FigureArea()),
                                       BackingStoreLines(*this, LightMarkerArea())};
      },
      [this] {
        m_announcer->Consume();
        OnTimer();
      },
      this);
  // The sink runs on the presentation thread: it keeps the record itself,
  // never the view.
  m_presentation = MakePresentationTimes(
      [record = m_timing](int32_t frame, const alacrity::Presentation& presented) {
        record->NotePresented(frame, presented);
      });
  UseTimingRecord(m_timing);
  m_lateMarker.setSingleShot(true);
  m_lateMarker.setTimerType(Qt::PreciseTimer);
  connect(&m_lateMarker, &QTimer::timeout, this, &CAlacrityView::ShowLateLightMarker);
  m_lastResponseCount = context.data.results.responseCount;
  HideList();
}

CAlacrityView::~CAlacrityView() = default;

void CAlacrityView::AfterCommand() {
  const bool idle = m_context.data.idle != 0;
  const int32_t responseCount = m_context.data.results.responseCount;
  // Runs after every timer tick of a test: only a change costs anything.
  if (idle == m_lastIdle && responseCount == m_lastResponseCount && Mode() == m_lastMode) return;
  m_lastIdle = idle;
  m_lastResponseCount = responseCount;
  m_lastMode = Mode();
  m_host.UpdateCommandStates();
}

void CAlacrityView::TakeStationSettings() {
  m_controller.SetStation(StoredStation(m_context.data.portIndex));
  m_marker = StoredLightMarker();
  // The marker starts black; stimulus numbers start again at 1.
  m_checkMarkerLit = false;
  m_sensorInStep = 0;
  m_shownLight = 0;
  m_lateMarkerFor = 0;
  m_lateMarkerStimulus = 0;
}

void CAlacrityView::PerformCommand() {
  if (m_context.data.idle == 0) return;
  TakeStationSettings();
  m_controller.PerformCommand();
  AfterCommand();
}

void CAlacrityView::CheckCommand() {
  if (m_context.data.idle == 0) return;
  TakeStationSettings();
  m_controller.CheckCommand();
  // The check is where the operator looks at the screen's delay: a
  // compositor in the way is named there.
  if (m_context.data.idle == 0) {
    const QString note = CompositorDelayNote(CurrentDisplayServer(), m_host.ViewScreen());
    if (!note.isEmpty()) m_host.AppendBarNotice(note);
  }
  AfterCommand();
}

void CAlacrityView::StartRun() {
  // Start again after a failed start: the settings may have been mended
  // meanwhile. A running test keeps its own.
  if (m_context.data.idle != 0) TakeStationSettings();
  m_controller.StartRun();
  AfterCommand();
}

void CAlacrityView::StopRun() {
  m_controller.StopRun();
  AfterCommand();
}

void CAlacrityView::ShowRestoredRun(PerformMode mode) {
  m_controller.ShowRestoredRun(mode);
  AfterCommand();
}

void CAlacrityView::ShowNeutralView() {
  m_controller.ShowNeutralView();
  AfterCommand();
}

void CAlacrityView::OnTimer() {
  m_controller.OnTimer();
  // The check's self-check figures change without a new button: refreshed
  // every half second at the bottom of the screen only.
  if (m_controller.Mode() == DeviceCheck) {
    const int64_t now = MonotonicNowNs();
    const bool due = now - m_checkStatusNs >= CheckStatusPeriodNs;
    if (due) {
      m_checkStatusNs = now;
      FlashCheckMarker();
    }
    // What the light sensor sees shows at once, as the buttons do.
    const int32_t light = m_context.runState.lastLight.load();
    if (due || light != m_shownLight) {
      m_shownLight = light;
      update(0, height() - CheckStatusHeight, width(), CheckStatusHeight);
    }
  }
  AfterCommand();
}

void CAlacrityView::FlashCheckMarker() {
  if (!LightMarkerShown()) return;
  const bool seen = m_context.runState.lastLight.load() != 0;
  m_sensorInStep = seen == m_checkMarkerLit ? m_sensorInStep + 1 : 0;
  m_checkMarkerLit = !m_checkMarkerLit;
  m_markerPainted.reset();
  repaint(LightMarkerArea());
  ReportLightMarker();
}

void CAlacrityView::ShowLateLightMarker() {
  const int32_t stimulus = m_context.runState.current.load();
  if (m_controller.Mode() != TestRun || m_controller.ShownPhase() != WaitResponse ||
      stimulus != m_lateMarkerFor) {
    return;
  }
  m_lateMarkerStimulus = stimulus;
  m_markerPainted.reset();
  repaint(LightMarkerArea());
  (void)FinishFrameHandOver();
  ReportLightMarker();
}

void CAlacrityView::ReportLightMarker() {
  if (!m_markerObserver || !m_markerPainted || *m_markerPainted == m_markerReported) return;
  m_markerReported = *m_markerPainted;
  m_markerObserver(m_context.runState.current.load(), m_markerReported);
}

// --- RunWindow ---

void CAlacrityView::Repaint() {
  m_paintedStimulus = 0;
  m_markerPainted.reset();
  QWindow* shownIn = window()->windowHandle();
  // The display system is asked about a stimulus's first frame before it
  // is handed over (a Wayland feedback goes with the next commit).
  if (const int32_t stimulus = m_context.runState.current.load();
      shownIn != nullptr && m_controller.Mode() == TestRun &&
      m_controller.ShownPhase() == WaitResponse && stimulus != m_presentationAsked) {
    m_presentationAsked = stimulus;
    m_presentation->BeforeHandOver(*shownIn, stimulus);
  }
  if (m_testBackgroundShown && m_controller.Mode() == TestRun &&
      m_controller.ShownPhase() > WaitStart) {
    repaint(StimulusRegion());
  } else {
    repaint();
  }
  // Only the first paint of a stimulus counts; the hand-over wait is paid
  // only when a stimulus was drawn. The display system is asked about the
  // frame before that wait, so that the X server takes the question right
  // after the frame's image.
  if (m_paintedStimulus > 0) {
    if (shownIn != nullptr) m_presentation->AfterHandOver(*shownIn, m_paintedStimulus);
    m_timing->NotePainted(m_paintedStimulus, FinishFrameHandOver());
    if (m_markerDelayFrames > 0 && LightMarkerShown()) {
      const QScreen* shown = screen();
      const double hz = shown != nullptr && shown->refreshRate() > 1.0 ? shown->refreshRate() : 60.0;
      m_lateMarkerFor = m_paintedStimulus;
      m_lateMarker.start(static_cast<int>(std::lround(m_markerDelayFrames * 1000.0 / hz)));
    }
  }
  ReportLightMarker();
  if (m_controller.Mode() == TestRun && m_controller.ShownPhase() == Foreperiod) ArmOnsetWait();
}

void CAlacrityView::ArmOnsetWait() {
  const int32_t stimulus = m_context.runState.current.load();
  if (stimulus < 1 || stimulus >= ResultCapacity || stimulus == m_onsetWait->ArmedStimulus()) {
    return;
  }
  const int32_t generationMs =
      m_context.data.results.generationMs[static_cast<std::size_t>(stimulus)];
  m_onsetWait->Arm(stimulus, EarliestOnsetNs(*m_timing, generationMs));
}

void CAlacrityView::ShowStartStopBar() { m_host.ShowStartStopBar(); }

void CAlacrityView::ShowStopBar() { m_host.ShowStopBar(); }

void CAlacrityView::RemoveDialogBar() { m_host.RemoveDialogBar(); }

void CAlacrityView::ShowBarControl(int controlId, bool show) {
  m_host.ShowBarControl(controlId, show ? 1 : 0);
}

void CAlacrityView::EnterFullScreen() {
  m_host.EnterFullScreen();
  if (QWindow* shownIn = window()->windowHandle()) m_presentation->PrepareStimulusWindow(*shownIn);
  m_presentationAsked = 0;
}

void CAlacrityView::LeaveFullScreen() { m_host.LeaveFullScreen(); }

void CAlacrityView::StartTimer(int periodMs) {
  if (m_controller.Mode() == DeviceCheck) {
    m_checkStartNs = MonotonicNowNs();
    m_checkDevice = m_context.link.DeviceName();
    m_checkLatencyMs = m_context.link.LatencyTimerMs();
    m_checkStatusNs = m_checkStartNs;
  }
  m_timer.start(m_safetyNetMs > 0 ? m_safetyNetMs : periodMs);
}

void CAlacrityView::StopTimer() {
  m_timer.stop();
  m_lateMarker.stop();
  m_onsetWait->Cancel();
}

void CAlacrityView::ResetList() {
  // The bars work on the list (its filter, copy, delete): an emptied list
  // keeps none of them, or a filter picked there would fill the list again
  // under a view that shows no list.
  m_host.RemoveDialogBar();
  m_list->ResetList();
  HideList();
}

void CAlacrityView::ShowResult() { OnResult(); }

void CAlacrityView::ShowMessage(std::string_view text) { ShowMessageBox(window(), ToQString(text)); }

void CAlacrityView::ShowRunNotice(std::string_view text) {
  // Beside what the bar already says (a missing stimulus screen, say).
  m_host.AppendBarNotice(QCoreApplication::translate("Message", std::string(text).c_str()));
}

void CAlacrityView::ClearRunNotice(std::string_view text) {
  m_host.RemoveBarNotice(QCoreApplication::translate("Message", std::string(text).c_str()));
}

bool CAlacrityView::AskYesNo(std::string_view question) {
  return AskQuestion(window(), ToQString(question));
}

void CAlacrityView::PlaySignal() {
  if (m_context.playSignal) m_context.playSignal(0);
}

bool CAlacrityView::SaveData() { return m_host.SaveDataCommand(); }

void CAlacrityView::RunStopped(bool test) {
  // The marker leaves the screen with the run.
  if (m_markerObserver && m_markerReported) {
    m_markerReported = false;
    m_markerObserver(m_context.runState.current.load(), false);
  }
  if (!test) return;
  m_runTiming = m_timing->Snapshot(m_context.runState.stimulusCount.load());
  m_runTiming->display = CurrentDisplayInfo(*this);
  m_runTiming->station = m_controller.RunStation();
  m_runTimingTestTime = m_context.data.results.testTime;
}

const RunTiming* CAlacrityView::TimingOfResults() const {
  // Every test takes a new test time; an opened file brings its own.
  if (!m_runTiming || m_context.data.resultsPresent == 0 ||
      m_context.data.results.testTime != m_runTimingTestTime) {
    return nullptr;
  }
  return &*m_runTiming;
}

void CAlacrityView::AdoptTiming(std::optional<RunTiming> timing) {
  m_runTiming = std::move(timing);
  m_runTimingTestTime = m_context.data.results.testTime;
}

std::vector<TimingLine> CAlacrityView::TimingLinesOfResults() const {
  const RunTiming* timing = TimingOfResults();
  // Host times restored from a journal or read from a record show what they
  // hold; only a run just made adds the bytes' arrival and the display.
  if (timing == nullptr || timing->stimuli.empty()) return {};
  return TimingReportLines(ComputeTimingFigures(*timing));
}

std::optional<PerformChoice> CAlacrityView::AskPerform(int32_t presetCount) {
  if (m_performDialog) return m_performDialog(presetCount);
  return m_host.AskPerform(presetCount);
}

}  // namespace alacrity
