// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main view: the stimulus screen during a test, the button shapes during
// a device check, the header block over the results, the result list and the
// result page, and the printed reports. It owns the run controller and its
// timer, and is the controller's window: everything the controller asks of
// the screen, the bars, the sound and the dialogs ends here and is passed on
// to the frame.

#include <QFont>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "appcontext.h"
#include "data/run_timing.h"
#include "dialogs/lightsensor.h"
#include "engine/run_controller.h"
#include "engine/timing_record.h"
#include "report/layoutpainter.h"
#include "report/reportprinter.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QRegion;

namespace alacrity {

class AlacrityList;
class ChartPanel;
class EngineAnnouncer;
class OnsetWait;
class PresentationTimes;
class StatisticsTable;
class ViewHost;

class CAlacrityView : public QWidget, public RunWindow {
  Q_OBJECT

 public:
  CAlacrityView(AppContext& context, ViewHost& host, QWidget* parent = nullptr);
  ~CAlacrityView() override;

  // Commands the frame routes here.
  void PerformCommand();
  void CheckCommand();
  void StartRun();
  void StopRun();
  void ShowNeutralView();
  // Results restored from a journal, shown as Stop shows a test's, with the
  // commands enabled as after one.
  void ShowRestoredRun(PerformMode mode);

  RunController& Controller() { return m_controller; }
  const RunController& Controller() const { return m_controller; }
  ViewMode Mode() const { return m_controller.Mode(); }
  const QTimer& Timer() const { return m_timer; }

  // Stands in for the host's Perform dialog (a self-test, a tour, a test):
  // gets the configured count and returns the choice, or nothing for Cancel.
  using PerformDialog = std::function<std::optional<PerformChoice>(int32_t presetCount)>;
  void SetPerformDialog(PerformDialog dialog) { m_performDialog = std::move(dialog); }

  // Called after every paint of the test screen with the phase drawn; the
  // display latency benchmark listens here.
  using StimulusPaintObserver = std::function<void(int32_t phase)>;
  void SetStimulusPaintObserver(StimulusPaintObserver observer) {
    m_paintObserver = std::move(observer);
  }

  // Test hooks for the light sensor's marker, never set in normal runs. The
  // observer is told, once the frame is handed to the display, each time
  // the marker turns white or black (with the stimulus in progress); a
  // delay of N frames turns it white only N refresh intervals after the
  // stimulus was painted, as a slow panel would.
  using LightMarkerObserver = std::function<void(int32_t stimulus, bool lit)>;
  void SetLightMarkerObserver(LightMarkerObserver observer) {
    m_markerObserver = std::move(observer);
  }
  void SetLightMarkerDelayFrames(int frames) { m_markerDelayFrames = frames; }
  // Where the marker is while a run or check shows it; empty otherwise.
  QRect LightMarkerArea() const;
  // The lines of the device check that say where the light sensor goes,
  // what it sees and whether it follows the marker; none without a sensor.
  QStringList LightSensorGuide() const;

  // The host times of the latest test while its results are the ones shown;
  // null once other results replace them (another test, an opened file).
  const RunTiming* TimingOfResults() const;
  // The timing report of those results; empty without them.
  std::vector<TimingLine> TimingLinesOfResults() const;
  TimingRecord& Timing() { return *m_timing; }
  // Host times that come with restored results (a journal's): Save writes
  // them beside the data file; the report shows no block for them, since
  // how the bytes arrived was not kept.
  void AdoptTiming(std::optional<RunTiming> timing);
  // The safety-net timer's period in ms, whatever the controller asks; 0
  // (the default) runs it as asked. Tests set minutes to prove that the
  // engine's announcements alone drive the screen.
  void SetSafetyNetTimerMs(int ms) { m_safetyNetMs = ms; }
  // The wait that shows a stimulus without the announcement's wake-up.
  const OnsetWait& Onset() const { return *m_onsetWait; }
  // The display system's word on when each stimulus frame was presented.
  PresentationTimes& Presentation() { return *m_presentation; }
  // The self-check line at the bottom of the device check's screen.
  std::string CheckStatusText() const;
  // What fails the box so far, shown above that line: the marked lines of
  // the check's verdict, each with its meaning.
  std::vector<TimingLine> CheckFindings() const;

  // The fonts of the view, all Arial, heights in pixels.
  const QFont& FontNormal12() const { return m_fonts.normal12; }
  const QFont& FontNormal30() const { return m_fonts.normal30; }

  // The result views (View menu and toolbar) and the dialog bars' lists.
  void OnResponseByResponse();
  void OnSplitSummary();
  void OnResult();
  // The analysis views: the statistics table and the charts.
  void OnStatistics();
  void OnChart();
  void OnSplitSizeChange();
  void OnObjectFilterChange();
  void OnDeleteLines();
  // The list's rows to the clipboard and to a CSV file.
  void OnCopy();
  void OnCopyAll();
  void OnExportCsv();
  // File > Print, Print Preview, Print Setup.
  void OnFilePrint();
  void OnFilePrintPreview();
  void OnFilePrintSetup();

  AlacrityList& List() const { return *m_list; }
  StatisticsTable& StatisticsPanel() const { return *m_statistics; }
  ChartPanel& ChartsPanel() const { return *m_charts; }
  int SplitSize() const { return m_splitSize; }
  // The average line of the latest split summary with at least one block;
  // the result page and the result report show it.
  const std::string& AverageText() const { return m_averageText; }

  // The report of the current view: its title, the list's rows, the header
  // block and the average line.
  ReportContent CurrentReport() const;
  // Prints the report on the printer: the pages of its page range, or all.
  bool PrintTo(QPrinter& printer) const;
  // Pages firstPage..lastPage (0: to the end) on any paged device.
  bool PrintTo(QPagedPaintDevice& device, int firstPage = 1, int lastPage = 0) const;
  // The printer of Print, Print Preview and Print Setup, made on first use.
  QPrinter& Printer();

  // RunWindow
  void Repaint() override;
  void ShowStartStopBar() override;
  void ShowStopBar() override;
  void RemoveDialogBar() override;
  void ShowBarControl(int controlId, bool show) override;
  void EnterFullScreen() override;
  void LeaveFullScreen() override;
  void StartTimer(int periodMs) override;
  void StopTimer() override;
  void ResetList() override;
  void ShowResult() override;
  void ShowMessage(std::string_view text) override;
  void ShowRunNotice(std::string_view text) override;
  void ClearRunNotice(std::string_view text) override;
  bool AskYesNo(std::string_view question) override;
  void PlaySignal() override;
  bool SaveData() override;
  std::optional<PerformChoice> AskPerform(int32_t presetCount) override;
  void RunStopped(bool test) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void DrawHeaderBlock(QPainter& painter) const;
  void DrawResultPage(QPainter& painter) const;
  void DrawStimulus(QPainter& painter, int32_t phase, const QRegion& region);
  void DrawButtonCheck(QPainter& painter, int nibble) const;
  void DrawCheckStatus(QPainter& painter, int32_t background) const;
  // Where the stimulus figures are drawn, with a pixel to spare.
  QRect FigureArea() const;
  // What a new phase or stimulus repaints once the background shows: the
  // figure's area and the light sensor's marker.
  QRegion StimulusRegion() const;
  // The light sensor's marker: whether this run or check shows one, whether
  // it is white now, and painting it where `region` reaches it.
  bool LightMarkerShown() const;
  bool LightMarkerLit() const;
  void DrawLightMarker(QPainter& painter, const QRegion& region);
  // Tells the test hook what the marker painted last shows, when that changed.
  void ReportLightMarker();
  // The stimulus's late marker, painted alone.
  void ShowLateLightMarker();
  // The check's marker flashes; each half of a flash ends with a look at
  // whether the sensor saw what was shown.
  void FlashCheckMarker();
  // The settings a run or a check starts with, and its marker afresh.
  void TakeStationSettings();
  HeaderBlockTexts HeaderTexts() const;
  void OnTimer();
  // In a foreperiod: readies the screen for the stimulus a little before
  // its onset is due.
  void ArmOnsetWait();
  // Lets the frame enable or disable the commands that a run locks out and
  // those that need results.
  void AfterCommand();

  // The list at its place under the header block, or out of sight.
  void PlaceList();
  void HideList();
  void FillSplitSummary(int blockSize);
  // The statistics table or the charts under the header block, filling the
  // view; the list and the other panel out of sight.
  void PlaceAnalysisPanel(QWidget& panel);
  void HideAnalysisPanels();
  // Copy, Copy All and Export csv of the Statistics view.
  void CopyStatistics(bool selectedOnly);
  void ExportStatisticsCsv();

  AppContext& m_context;
  ViewHost& m_host;
  RunController m_controller;
  QTimer m_timer;
  bool m_lastIdle = true;
  int32_t m_lastResponseCount = 0;
  ViewMode m_lastMode = Neutral;
  PerformDialog m_performDialog;
  StimulusPaintObserver m_paintObserver;

  // Noted by the engine on the reader thread and by Repaint here.
  TimingRecord* m_timing = &TheTimingRecord();
  EngineAnnouncer* m_announcer = nullptr;  // a child of the view
  OnsetWait* m_onsetWait = nullptr;        // a child of the view
  int m_safetyNetMs = 0;
  // The stimulus the latest paint showed, 0 for none: Repaint notes when it
  // was handed to the display.
  int32_t m_paintedStimulus = 0;
  // Asks the display system when each stimulus frame was presented; the
  // stimulus it was last asked about, so each is asked about once.
  std::unique_ptr<PresentationTimes> m_presentation;
  int32_t m_presentationAsked = 0;
  // The whole test screen shows the run's background: from then on a new
  // phase or stimulus changes the figure's area only, and only that is
  // painted and handed to the display.
  bool m_testBackgroundShown = false;
  // The background colour the figure's area shows with nothing drawn on it,
  // as the latest paints left it; none when it may hold anything else. A
  // stimulus then only draws its figure: filling the area first would cost
  // as long again between the onset and the stimulus on screen.
  std::optional<int32_t> m_figureAreaBackground;
  // The latest test's host times, and the test time of the results they
  // belong to.
  std::optional<RunTiming> m_runTiming;
  int32_t m_runTimingTestTime = 0;
  // The light sensor's marker of the run or check in progress, as the
  // settings were when it started; what the latest paint of it showed
  // (none: not painted) and what the test hook was last told.
  LightMarker m_marker;
  std::optional<bool> m_markerPainted;
  bool m_markerReported = false;
  LightMarkerObserver m_markerObserver;
  int m_markerDelayFrames = 0;
  QTimer m_lateMarker;
  int32_t m_lateMarkerFor = 0;       // whose late marker the timer is for
  int32_t m_lateMarkerStimulus = 0;  // whose late marker is white now
  // The device check's marker: white now, and how many halves of a flash in
  // a row the sensor saw as shown; the sensor's state shown last.
  bool m_checkMarkerLit = false;
  int m_sensorInStep = 0;
  int32_t m_shownLight = 0;
  // The device check: when it began, the device and its latency timer.
  int64_t m_checkStartNs = 0;
  std::string m_checkDevice;
  std::optional<int> m_checkLatencyMs;
  int64_t m_checkStatusNs = 0;  // when its figures were last refreshed
  // The self-check line, and above it up to eight lines of findings: the
  // bottom strip the check refreshes.
  static constexpr int CheckStatusLineHeight = 20;
  static constexpr int CheckFindingLineHeight = 16;
  static constexpr int CheckFindingLines = 8;
  // With a light sensor, its guide above the self-check line.
  static constexpr int CheckGuideLines = 2;
  static constexpr int CheckStatusHeight =
      CheckStatusLineHeight + (CheckGuideLines + CheckFindingLines) * CheckFindingLineHeight;
  // Two whole flashes of the check's marker seen as shown: the sensor
  // follows it.
  static constexpr int SensorInStepNeeded = 4;
  static constexpr int64_t CheckStatusPeriodNs = 500'000'000;

  LayoutFonts m_fonts;

  AlacrityList* m_list = nullptr;  // a child of the view
  StatisticsTable* m_statistics = nullptr;  // a child of the view
  ChartPanel* m_charts = nullptr;           // a child of the view
  int m_splitSize = 0;
  // One per process, as the view is: the list fills write it, the result
  // page and the printed result report read it.
  std::string m_averageText;
  std::unique_ptr<QPrinter> m_printer;
};

}  // namespace alacrity
