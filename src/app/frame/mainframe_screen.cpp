// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// CMainFrame: the stimulus screen. A run on another monitor moves the view
// into a full-screen window of its own there, so the subject sees only the
// test while the operator keeps the main window, its bar and its Stop. The
// display check looks at the same screen.

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include "commandids.h"
#include "dialogs/stimulusscreen.h"
#include "dialogs/displaycheckdlg.h"
#include "dialogs/stimulusscreendlg.h"
#include "display/displaycheck.h"
#include "display/displaychecktexts.h"
#include "frame/mainframe.h"
#include "views/alacrityview.h"

namespace alacrity {

QScreen* CMainFrame::ViewScreen() const {
  return m_viewElsewhere ? m_stimulusWindow->screen() : screen();
}

void CMainFrame::StimulusScreenCommand() {
  CStimulusScreenDlg dialog(this);
  if (dialog.exec() == QDialog::Accepted) m_missingScreenNoted.clear();
}

void CMainFrame::CheckDisplayCommand() {
  const DisplayCheckRun run = RunDisplayCheckOnStimulusScreen(*screen());
  // Esc: the operator wants the screen back, not a verdict on half a check.
  if (run.stopped) return;
  CDisplayCheckDlg dialog(DescribeDisplayCheck(run, JudgeDisplayCheck(run.frames, run.facts)),
                          this);
  dialog.exec();
}

void CMainFrame::CreateStimulusWindow() {
  // A child of the frame so it goes with it; a window of its own so it can
  // sit on another screen. Made once, so the keyboard box can watch it.
  m_stimulusWindow = new QWidget(this, Qt::Window);
  m_stimulusWindow->setObjectName(QStringLiteral("stimulusWindow"));
  m_stimulusWindow->setWindowTitle(QStringLiteral("alacrity"));
  // Start and Stop reach the run from the keyboard on either screen.
  m_stimulusWindow->addAction(Action(IdStart));
  m_stimulusWindow->addAction(Action(IdStop));
  auto* layout = new QVBoxLayout(m_stimulusWindow);
  layout->setContentsMargins(0, 0, 0, 0);
  connect(qGuiApp, &QGuiApplication::screenRemoved, this, &CMainFrame::OnScreenRemoved);
}

void CMainFrame::OnScreenRemoved(QScreen* removed) {
  if (!m_viewElsewhere || removed == nullptr || removed->name() != m_viewScreenName) return;
  // The subject's monitor went away in the middle of a run: the run goes on
  // on the main window's screen, with Stop in reach, rather than in a window
  // the system has pushed somewhere.
  TakeViewBack();
  CoverOwnScreen();
  m_missingScreenNoted.clear();
  NoteMissingScreen(removed->name(), true);
}

void CMainFrame::ShowViewOn(QScreen& target) {
  m_viewElsewhere = true;
  m_viewScreenName = target.name();
  takeCentralWidget();
  auto* placeholder =
      new QLabel(tr("Shown on the stimulus screen, %1.").arg(DescribeScreen(target)));
  placeholder->setObjectName(QStringLiteral("stimulusScreenPlaceholder"));
  placeholder->setAlignment(Qt::AlignCenter);
  setCentralWidget(placeholder);
  m_stimulusWindow->layout()->addWidget(m_view);
  m_view->show();
  // The screen is set before the window first shows, so that a compositor
  // (which places windows itself) is asked for full screen on that output.
  m_stimulusWindow->setScreen(&target);
  m_stimulusWindow->setGeometry(target.geometry());
  m_stimulusWindow->showFullScreen();
  // As for the main window: without a window manager nobody places it.
  m_stimulusWindow->setGeometry(target.geometry());
  m_stimulusWindow->activateWindow();
  m_view->setFocus();
}

void CMainFrame::TakeViewBack() {
  m_viewElsewhere = false;
  m_stimulusWindow->hide();
  m_stimulusWindow->layout()->removeWidget(m_view);
  delete takeCentralWidget();
  setCentralWidget(m_view);
  m_view->show();
}

void CMainFrame::NoteMissingScreen(const QString& name, bool missing) {
  if (!missing) {
    m_missingScreenNoted.clear();
    return;
  }
  if (m_missingScreenNoted == name) return;
  m_missingScreenNoted = name;
  AppendBarNotice(tr("The stimulus screen %1 is not connected: shown on the main "
                     "window's screen.")
                      .arg(name));
}

void CMainFrame::AppendBarNotice(const QString& text) {
  QString notice = m_dialogBar ? m_dialogBar->Notice() : statusBar()->currentMessage();
  if (notice.contains(text)) return;
  if (!notice.isEmpty()) notice += QLatin1Char(' ');
  ShowBarNotice(notice + text);
}

void CMainFrame::RemoveBarNotice(const QString& text) {
  QString notice = m_dialogBar ? m_dialogBar->Notice() : statusBar()->currentMessage();
  if (!notice.contains(text)) return;
  notice.remove(text);
  ShowBarNotice(notice.simplified());
}

}  // namespace alacrity
