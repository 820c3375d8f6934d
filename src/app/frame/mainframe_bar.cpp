// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// CMainFrame: the exchangeable dialog bar.

#include <QComboBox>
#include <QLayout>
#include <QStatusBar>
#include <QToolBar>

#include "commandids.h"
#include "frame/mainframe.h"
#include "views/alacrityview.h"

namespace alacrity {

DialogBar* CMainFrame::BuildDialogBar(int templateId) {
  const std::span<const BarControlItem> controls = BarTemplate(templateId);
  if (controls.empty()) return nullptr;
  // Bar buttons run their command from the event loop, never inside their
  // own click: most of them end by destroying the bar they sit on.
  const auto command = [this](int id) {
    QMetaObject::invokeMethod(this, [this, id] { RunCommand(id); }, Qt::QueuedConnection);
  };
  if (OverlayBar()) {
    m_dialogBar = new DialogBar(templateId, controls, command, m_view);
    m_dialogBar->setAutoFillBackground(true);
    m_dialogBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_dialogBar->show();
    PlaceOverlayBar();
  } else {
    m_dialogBar = new DialogBar(templateId, controls, command, m_barSlot);
    m_barSlot->layout()->addWidget(m_dialogBar);
    m_barDock->show();
  }
  connect(m_dialogBar, &DialogBar::selectionChanged, this, &CMainFrame::OnBarSelectionChange);
  SyncBarButtons();
  return m_dialogBar;
}

void CMainFrame::PlaceOverlayBar() {
  if (!OverlayBar() || !m_dialogBar) return;
  m_dialogBar->adjustSize();
  m_dialogBar->move(m_view->width() - m_dialogBar->width(), 0);
  m_dialogBar->raise();
}

// A bar button can be pressed only when its command can run.
void CMainFrame::SyncBarButtons() {
  if (!m_dialogBar) return;
  for (const BarControlItem& item : BarTemplate(m_dialogBar->TemplateId())) {
    if (item.kind != BarControlItem::Kind::Button) continue;
    QWidget* control = m_dialogBar->Control(item.id);
    const QAction* action = Action(item.id);
    if (control != nullptr) control->setEnabled(action != nullptr && action->isEnabled());
  }
}

int CMainFrame::ShowDialogBar(int templateId) {
  return BuildDialogBar(templateId) != nullptr ? 0 : -1;
}

void CMainFrame::RemoveDialogBar() {
  if (!m_dialogBar) return;
  m_dialogBar->hide();
  m_barDock->hide();
  delete m_dialogBar;
}

void CMainFrame::ShowDialogBarVisible(int show) {
  if (!m_dialogBar) return;
  m_dialogBar->setVisible(show != 0);
  if (!OverlayBar()) m_barDock->setVisible(show != 0);
}

void CMainFrame::ShowBarControl(int controlId, int show) {
  if (!m_dialogBar) return;
  if (QWidget* control = m_dialogBar->Control(controlId)) control->setVisible(show != 0);
  PlaceOverlayBar();
}

void CMainFrame::ShowBarNotice(const QString& text) {
  if (!m_dialogBar) {
    statusBar()->showMessage(text);
    return;
  }
  m_dialogBar->SetNotice(text);
  PlaceOverlayBar();
}

int CMainFrame::GetBarComboSelection(int controlId) const {
  if (!m_dialogBar) return -1;
  const QComboBox* list = m_dialogBar->DropDown(controlId);
  return list != nullptr ? list->currentIndex() : -1;
}

void CMainFrame::FillBarCombo(int controlId, int selection, const QStringList& strings) {
  if (!m_dialogBar) return;
  QComboBox* list = m_dialogBar->DropDown(controlId);
  if (list == nullptr) return;
  list->clear();
  list->addItems(strings);
  list->setCurrentIndex(selection >= 0 && selection < strings.size() ? selection : -1);
}

void CMainFrame::ShowSplitSummaryBar() {
  RemoveDialogBar();
  ShowDialogBar(SplitSummaryBarTemplate);
  const int count = m_context.data.results.responseCount;
  QStringList strings{tr("after 1 response")};
  for (int k = 2; k <= count; ++k) strings.append(tr("after each %1 responses").arg(k));
  FillBarCombo(IdSplitSizeList, count - 1, strings);
}

int CMainFrame::ShowStartStopBar() {
  RemoveDialogBar();
  return ShowDialogBar(StartStopBarTemplate);
}

int CMainFrame::ShowStopBar() {
  RemoveDialogBar();
  return ShowDialogBar(StopBarTemplate);
}

void CMainFrame::ShowResponseBar() {
  RemoveDialogBar();
  ShowDialogBar(ResponseBarTemplate);
  if (m_dialogBar) {
    if (QComboBox* list = m_dialogBar->DropDown(IdObjectFilterList)) list->setCurrentIndex(0);
  }
}

}  // namespace alacrity
