// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// CMainFrame: the actions of the command table, the menus, the toolbar and
// the status bar.

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

#include "frame/commandtable.h"
#include "frame/lockkeys.h"
#include "frame/mainframe.h"

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

}  // namespace

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
