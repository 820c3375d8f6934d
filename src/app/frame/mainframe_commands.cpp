// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// CMainFrame: the actions of the command table, where each command goes,
// when it may run, and the menus, the toolbar and the status bar that offer
// them.

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStatusBar>
#include <QStyle>
#include <QSvgRenderer>
#include <QToolBar>

#include <array>

#include "commandids.h"
#include "frame/commandtable.h"
#include "frame/lockkeys.h"
#include "frame/mainframe.h"
#include "views/alacrityview.h"

namespace alacrity {
namespace {

// Rendered here rather than through the SVG icon plugin, so a missing plugin
// cannot leave the toolbar blank.
QIcon SvgIcon(const QString& path) {
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return {};
  QIcon icon;
  for (const int size : {16, 24, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon CommandIcon(const QString& source, const QStyle* style) {
  if (source.isEmpty()) return {};
  if (source == QLatin1String("std:open")) return style->standardIcon(QStyle::SP_DialogOpenButton);
  if (source == QLatin1String("std:save")) return style->standardIcon(QStyle::SP_DialogSaveButton);
  if (source == QLatin1String("std:about")) return style->standardIcon(QStyle::SP_MessageBoxInformation);
  return SvgIcon(source);
}

// The table's texts are English; the interface shows them translated.
QString CommandText(const char* text) { return QCoreApplication::translate("Command", text); }

// Commands that would replace, delete or read the results, or set up a new
// run, while the reader thread is still writing them. (Open Configuration
// belongs here because a configuration file carries a response count.) The
// print commands open modal dialogs, which would hold up the timer that
// puts the stimuli on screen; the display check would cover the stimuli
// with its own frames.
constexpr std::array LockedWhileRunning = {
    IdPerform,      IdCheck,  IdFileOpen, IdFileSave,          IdResponseByResponse,
    IdSplitSummary, IdResult, IdDelete,   IdOpenConfiguration, IdFilePrint,
    IdFilePrintPreview, IdFilePrintSetup, IdStatistics, IdChart, IdCheckDisplay};

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
  route(IdCheckDisplay, [this] { CheckDisplayCommand(); });
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

void CMainFrame::CreateActions() {
  for (const CommandSpec& command : Commands()) {
    auto* action = new QAction(CommandText(command.text), this);
    action->setObjectName(QString::fromLatin1(command.objectName));
    action->setData(command.id);
    if (*command.shortcut != '\0') action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
    if (*command.statusTip != '\0') action->setStatusTip(CommandText(command.statusTip));
    if (*command.toolTip != '\0') action->setToolTip(CommandText(command.toolTip));
    action->setIcon(CommandIcon(QString::fromLatin1(command.icon), style()));
    // Shortcuts keep working while the menu bar is hidden in full screen.
    addAction(action);
    m_actions.insert(command.id, action);
  }
}

void CMainFrame::CreateMenus() {
  for (const MenuEntry& entry : Menus()) {
    const QString title = QString::fromLatin1(entry.title);
    QMenu* menu = menuBar()->addMenu(CommandText(entry.title));
    menu->setObjectName(QStringLiteral("menu") + QString(title).remove(QLatin1Char('&')));
    for (const int id : entry.items) {
      if (id == 0) {
        menu->addSeparator();
      } else {
        menu->addAction(Action(id));
      }
    }
  }
}

void CMainFrame::CreateToolBar() {
  m_toolBar = addToolBar(tr("Toolbar"));
  m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
  m_toolBar->setIconSize(QSize(16, 16));
  for (const int id : ToolbarItems()) {
    if (id == 0) {
      m_toolBar->addSeparator();
    } else {
      m_toolBar->addAction(Action(id));
    }
  }

  // The dialog bar lives on its own line under the toolbar.
  addToolBarBreak(Qt::TopToolBarArea);
  m_barDock = addToolBar(tr("Dialog bar"));
  m_barDock->setObjectName(QStringLiteral("dialogBarDock"));
  m_barDock->setMovable(false);
  m_barDock->setFloatable(false);
  m_barDock->toggleViewAction()->setVisible(false);
  m_barSlot = new QWidget(m_barDock);
  m_barSlot->setObjectName(QStringLiteral("dialogBarSlot"));
  auto* slotLayout = new QHBoxLayout(m_barSlot);
  slotLayout->setContentsMargins(0, 0, 0, 0);
  m_barDock->addWidget(m_barSlot);
  m_barDock->hide();
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("statusBar"));
  if (m_context.keyboardBox) {
    m_keyboardNote =
        new QLabel(tr("Keyboard box, keys 1-4: response times measured from the keyboard are "
                      "not instrument-grade"),
                   bar);
    m_keyboardNote->setObjectName(QStringLiteral("keyboardBoxNote"));
    bar->addWidget(m_keyboardNote, 1);
  }
  m_lockKeys = new LockKeyPanes(*bar);
}

}  // namespace alacrity
