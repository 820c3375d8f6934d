// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/mainframe.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <array>

#include "commandids.h"
#include "dialogs/messagebox.h"
#include "dialogs/stimulusscreen.h"
#include "frame/commandtable.h"
#include "frame/lockkeys.h"
#include "views/alacrityview.h"

namespace alacrity {
namespace {

constexpr const char* ApplicationTitle = "alacrity";

// Commands that would replace, delete or read the results, or set up a new
// run, while the reader thread is still writing them. (Open Configuration
// belongs here because a configuration file carries a response count.) The
// print commands open modal dialogs, which would hold up the timer that
// puts the stimuli on screen.
constexpr std::array LockedWhileRunning = {
    IdPerform,      IdCheck,  IdFileOpen, IdFileSave,          IdResponseByResponse,
    IdSplitSummary, IdResult, IdDelete,   IdOpenConfiguration, IdFilePrint,
    IdFilePrintPreview, IdFilePrintSetup, IdStatistics, IdChart};

// The View commands show results: without any there is nothing to show.
bool NeedsResults(int id) {
  return id == IdResponseByResponse || id == IdSplitSummary || id == IdResult ||
         id == IdStatistics || id == IdChart;
}

// The view shows no report in its neutral mode: printing there would only
// give a page titled "ERROR".
bool NeedsReport(int id) { return id == IdFilePrint || id == IdFilePrintPreview; }

bool HasReport(ViewMode mode) {
  return mode == ResponseByResponse || mode == SplitSummary || mode == Result || mode == Chart;
}

bool IsLockedWhileRunning(int id) {
  for (const int locked : LockedWhileRunning) {
    if (locked == id) return true;
  }
  return false;
}

}  // namespace

CMainFrame::CMainFrame(AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context) {
  setObjectName(QStringLiteral("mainFrame"));
  m_context.data.results.responseCount = 0;
  m_doc.OnNewDocument();
  UpdateCaption();
  resize(800, 560);

  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  CreateStimulusWindow();

  m_view = new CAlacrityView(context, *this, this);
  m_view->setFocusPolicy(Qt::StrongFocus);
  setCentralWidget(m_view);
  m_view->installEventFilter(this);
  m_view->setFocus();

  m_view->SetPerformDialog([this](int32_t presetCount) { return AskPerform(presetCount); });
  ConnectCommands();
  ConnectResultCommands();
  UpdateCommandStates();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::UpdateCaption() {
  setWindowTitle(QStringLiteral("%1 - %2").arg(m_doc.Title(), QString::fromLatin1(ApplicationTitle)));
}

void CMainFrame::ConnectCommands() {
  const auto route = [this](int id, auto handler) {
    if (QAction* action = Action(id)) connect(action, &QAction::triggered, this, handler);
  };
  route(IdFileNew, [this] {
    m_doc.OnNewDocument();
    UpdateCaption();
  });
  route(IdFileOpen, [this] {
    OpenDataCommand();
    UpdateCommandStates();
  });
  route(IdFileSave, [this] { SaveDataCommand(); });
  route(IdAppExit, [this] { close(); });
  route(IdPerform, [this] { m_view->PerformCommand(); });
  route(IdCheck, [this] { m_view->CheckCommand(); });
  route(IdStart, [this] { m_view->StartRun(); });
  route(IdStop, [this] { m_view->StopRun(); });
  route(IdShowNeutralView, [this] { m_view->ShowNeutralView(); });
  route(IdSubjectInfo, [this] { SubjectInfoCommand(); });
  route(IdCustomConfiguration, [this] { CustomConfigurationCommand(); });
  route(IdCreateProtocol, [this] { CreateProtocolCommand(); });
  route(IdCommPort, [this] { CommPortCommand(); });
  route(IdStimulusScreen, [this] { StimulusScreenCommand(); });
  route(IdOpenConfiguration, [this] { OnOpenConfiguration(); });
  route(IdSaveConfiguration, [this] { OnSaveConfiguration(); });
  route(IdOpenProtocol, [this] { OnOpenProtocol(); });
  route(IdSaveProtocol, [this] { OnSaveProtocol(); });
  route(IdAppAbout, [this] { AboutCommand(); });
}

void CMainFrame::RunCommand(int id) {
  QAction* action = Action(id);
  if (action != nullptr && action->isEnabled()) action->trigger();
}

void CMainFrame::UpdateCommandStates() {
  const bool idle = m_context.data.idle != 0;
  const bool haveResults = m_context.data.results.responseCount > 0;
  const bool haveReport = m_view != nullptr && HasReport(m_view->Mode());
  for (const CommandSpec& command : Commands()) {
    QAction* action = Action(command.id);
    if (action == nullptr) continue;
    action->setEnabled(command.available && (idle || !IsLockedWhileRunning(command.id)) &&
                       (haveResults || !NeedsResults(command.id)) &&
                       (haveReport || !NeedsReport(command.id)));
  }
  SyncBarButtons();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (m_context.data.idle == 0) {
    ShowMessageBox(this, tr("Test in progress."));
    event->ignore();
    return;
  }
  if (m_context.data.dataSaved == 0) {
    if (AskQuestion(this, tr("Data not saved. Save?"))) {
      // Yes means keep the results: a cancelled or failed save keeps the
      // window open rather than throwing them away.
      if (!SaveDataCommand()) {
        event->ignore();
        return;
      }
    } else if (m_context.journal) {
      // No gives the results up on purpose: no journal offers them again.
      m_context.journal->Discard();
    }
  }
  event->accept();
}

void CMainFrame::EnterFullScreen() {
  if (m_fullScreen) return;
  const QString stored = StoredStimulusScreen();
  const StimulusScreenChoice choice = ChooseStimulusScreen(stored, screen());
  m_fullScreen = true;
  if (choice.screen != nullptr && choice.screen != screen()) {
    ShowViewOn(*choice.screen);
  } else {
    CoverOwnScreen();
  }
  NoteMissingScreen(stored, choice.missing);
}

void CMainFrame::CoverOwnScreen() {
  m_wasMaximized = isMaximized();
  menuBar()->hide();
  m_toolBar->hide();
  statusBar()->hide();
  m_lockKeys->SetFollowing(false);
  m_barDock->hide();
  if (m_dialogBar) {
    const DialogBar::State state = m_dialogBar->Capture();
    const int templateId = m_dialogBar->TemplateId();
    delete m_dialogBar;
    if (DialogBar* bar = BuildDialogBar(templateId)) bar->Restore(state);
    PlaceOverlayBar();
  }
  m_normalGeometry = geometry();
  showFullScreen();
  // Without a window manager (a bare X server, a kiosk) nobody acts on the
  // full-screen request; covering the screen ourselves is harmless with one.
  if (const QScreen* shown = screen()) setGeometry(shown->geometry());
  m_view->setFocus();
}

void CMainFrame::LeaveFullScreen() {
  if (!m_fullScreen) return;
  m_fullScreen = false;
  if (m_viewElsewhere) {
    TakeViewBack();
  } else {
    RestoreOwnScreen();
  }
  m_view->setFocus();
  m_view->repaint();
}

void CMainFrame::RestoreOwnScreen() {
  if (m_wasMaximized) {
    showMaximized();
  } else {
    showNormal();
    setGeometry(m_normalGeometry);
  }
  menuBar()->show();
  m_toolBar->show();
  statusBar()->show();
  m_lockKeys->SetFollowing(true);
  if (m_dialogBar) {
    const DialogBar::State state = m_dialogBar->Capture();
    const int templateId = m_dialogBar->TemplateId();
    delete m_dialogBar;
    if (DialogBar* bar = BuildDialogBar(templateId)) bar->Restore(state);
  }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_view && event->type() == QEvent::Resize) PlaceOverlayBar();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace alacrity
