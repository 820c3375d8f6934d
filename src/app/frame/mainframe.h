// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one top-level window: menus, toolbar, status bar, the exchangeable
// dialog bar and the view. It handles the file and close commands itself and
// routes the run commands to the view.

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

#include "alacritydoc.h"
#include "appcontext.h"
#include "engine/schedule.h"
#include "frame/dialogbar.h"
#include "views/viewhost.h"

class QAction;
class QLabel;
class QScreen;
class QToolBar;

namespace alacrity {

class CAlacrityView;
class LockKeyPanes;

class CMainFrame : public QMainWindow, public ViewHost {
  Q_OBJECT

 public:
  explicit CMainFrame(AppContext& context, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CAlacrityView& View() { return *m_view; }
  const CAlacrityDoc& Document() const { return m_doc; }
  // The action of a command id; null for an unknown id.
  QAction* Action(int id) const { return m_actions.value(id, nullptr); }
  // Runs a command as its menu item or button would: only when enabled.
  void RunCommand(int id);

  // Dialog bar. Only one ever exists; showing another destroys it first.
  int ShowDialogBar(int templateId) override;  // 0, or -1 for an unknown template
  void RemoveDialogBar() override;
  void ShowDialogBarVisible(int show) override;
  void ShowBarControl(int controlId, int show) override;
  // A line of text at the end of the current bar (none: the status bar),
  // until the bar goes.
  void ShowBarNotice(const QString& text);
  int GetBarComboSelection(int controlId) const override;
  void FillBarCombo(int controlId, int selection, const QStringList& strings);
  void ShowSplitSummaryBar() override;
  int ShowStartStopBar() override;
  int ShowStopBar() override;
  void ShowResponseBar() override;
  DialogBar* CurrentDialogBar() const { return m_dialogBar; }

  // The view covers the whole stimulus screen (Setup > "Stimulus Screen").
  // On the main window's own screen the window itself goes full screen:
  // menus, toolbar and status bar hide and the dialog bar floats over the
  // view's top right corner, which no figure reaches (their size follows the
  // height) and the header block, 710 pixels wide, leaves free on any usual
  // screen. On another screen the view moves into a full-screen window there
  // and the main window stays as it is, bar and all, for the operator.
  void EnterFullScreen() override;
  void LeaveFullScreen() override;
  bool IsFullScreenMode() const { return m_fullScreen; }
  // The window that holds the view on another screen; hidden otherwise.
  QWidget* StimulusWindow() const { return m_stimulusWindow; }
  // The screen the view is shown on now.
  QScreen* ViewScreen() const override;
  // Setup > "Stimulus Screen".
  void StimulusScreenCommand();
  // Exercise > "Check Display": frames on the stimulus screen, then the
  // verdict on its timing.
  void CheckDisplayCommand();
  // A screen was unplugged; a run shown on it comes to the main window's.
  void OnScreenRemoved(QScreen* removed);
  // Adds a sentence to the bar's notice (or the status bar's message).
  void AppendBarNotice(const QString& text) override;
  // Takes `text` out of the notice again, leaving the rest.
  void RemoveBarNotice(const QString& text) override;

  // Test data files. Save returns true when the results were written.
  bool SaveDataCommand() override;
  void OpenDataCommand();
  const QString& CurrentDataFilePath() const override { return m_currentDataFilePath; }
  void SubjectInfoCommand();

  // Setup and About: each runs its dialog modally.
  void CustomConfigurationCommand();
  void CreateProtocolCommand();
  void CommPortCommand();
  void OnOpenConfiguration();
  void OnSaveConfiguration();
  void OnOpenProtocol();
  void OnSaveProtocol();
  void AboutCommand();
  // The Perform dialog; nothing on Cancel.
  std::optional<PerformChoice> AskPerform(int32_t presetCount) override;

  // Enables what may run now: a run in progress locks out every command that
  // would replace or read the results under the reader thread.
  void UpdateCommandStates() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void ConnectCommands();
  // The result views, copy and export, deletion and printing go to the view.
  void ConnectResultCommands();
  void OnBarSelectionChange(int controlId);
  void UpdateCaption();
  // The host times saved beside an opened data file go with its results,
  // unless the record is of another file or another save of it.
  void AdoptTimingRecord(const QString& dataFile);
  // Builds the bar of `templateId` in the place the window mode asks for.
  DialogBar* BuildDialogBar(int templateId);
  void PlaceOverlayBar();
  void SyncBarButtons();
  // The bar floats over the view: full screen on the main window's screen.
  bool OverlayBar() const { return m_fullScreen && !m_viewElsewhere; }
  void CreateStimulusWindow();
  void CoverOwnScreen();
  void RestoreOwnScreen();
  void ShowViewOn(QScreen& screen);
  void TakeViewBack();
  // The main window's screen stands in for a chosen one that is gone; said
  // once for each time it goes missing.
  void NoteMissingScreen(const QString& name, bool missing);

  AppContext& m_context;
  CAlacrityDoc m_doc;
  CAlacrityView* m_view = nullptr;
  QHash<int, QAction*> m_actions;
  QToolBar* m_toolBar = nullptr;
  QToolBar* m_barDock = nullptr;  // holds the dialog bar under the toolbar
  QWidget* m_barSlot = nullptr;   // the dock's content
  QPointer<DialogBar> m_dialogBar;
  QLabel* m_keyboardNote = nullptr;
  LockKeyPanes* m_lockKeys = nullptr;  // a child of the status bar
  bool m_fullScreen = false;
  bool m_viewElsewhere = false;       // the view is in m_stimulusWindow
  QWidget* m_stimulusWindow = nullptr;  // a top-level child, shown during runs elsewhere
  QString m_viewScreenName;  // the stimulus window's screen while the view is there
  QString m_missingScreenNoted;
  bool m_wasMaximized = false;
  QRect m_normalGeometry;
  QString m_currentDataFilePath;
  PerformChoice m_performChoice;  // the Perform dialog's choice, kept between openings
};

}  // namespace alacrity
