// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/mainframe.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "dialogs/messagebox.h"
#include "dialogs/stimulusscreen.h"
#include "frame/lockkeys.h"
#include "views/alacrityview.h"

namespace alacrity {
namespace {

constexpr const char* ApplicationTitle = "alacrity";

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

  ConnectCommands();
  ConnectResultCommands();
  UpdateCommandStates();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::UpdateCaption() {
  setWindowTitle(QStringLiteral("%1 - %2").arg(m_doc.Title(), QString::fromLatin1(ApplicationTitle)));
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
