#pragma once

// The main view: the stimulus screen during a test, the button shapes during
// a device check, the header block over the results. It owns the run
// controller and its timer, and is the controller's window: everything the
// controller asks of the screen, the bars, the sound and the dialogs ends
// here and is passed on to the frame.

#include <QFont>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

#include "appcontext.h"
#include "engine/run_controller.h"

class QPainter;

namespace alacrity {

class CMainFrame;

class CAlacrityView : public QWidget, public RunWindow {
  Q_OBJECT

 public:
  CAlacrityView(AppContext& context, CMainFrame& frame, QWidget* parent = nullptr);
  ~CAlacrityView() override;

  // Commands the frame routes here.
  void PerformCommand();
  void CheckCommand();
  void StartRun();
  void StopRun();
  void ShowNeutralView();

  RunController& Controller() { return m_controller; }
  const RunController& Controller() const { return m_controller; }
  ViewMode Mode() const { return m_controller.Mode(); }
  const QTimer& Timer() const { return m_timer; }

  // Stands in for the Perform dialog: gets the configured count and returns
  // the choice, or nothing for Cancel. Without one, Perform runs the custom
  // configuration with its configured count.
  using PerformDialog = std::function<std::optional<PerformChoice>(int32_t presetCount)>;
  void SetPerformDialog(PerformDialog dialog) { m_performDialog = std::move(dialog); }

  // Called after every paint of the test screen with the phase drawn; the
  // display latency benchmark listens here.
  using StimulusPaintObserver = std::function<void(int32_t phase)>;
  void SetStimulusPaintObserver(StimulusPaintObserver observer) {
    m_paintObserver = std::move(observer);
  }

  // The fonts of the view, all Arial, heights in pixels.
  const QFont& FontNormal12() const { return m_fontNormal12; }
  const QFont& FontNormal30() const { return m_fontNormal30; }

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
  bool AskYesNo(std::string_view question) override;
  void PlaySignal() override;
  bool SaveData() override;
  std::optional<PerformChoice> AskPerform(int32_t presetCount) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawHeaderBlock(QPainter& painter) const;
  void DrawStimulus(QPainter& painter, int32_t phase);
  void DrawButtonCheck(QPainter& painter, int nibble) const;
  void OnTimer();
  // Lets the frame enable or disable the commands a run locks out.
  void AfterCommand();

  AppContext& m_context;
  CMainFrame& m_frame;
  RunController m_controller;
  QTimer m_timer;
  bool m_lastIdle = true;
  PerformDialog m_performDialog;
  StimulusPaintObserver m_paintObserver;

  QFont m_fontNormal12;
  QFont m_fontBold24;
  QFont m_fontBold30;
  QFont m_fontBold25;
  QFont m_fontNormal30;
};

}  // namespace alacrity
