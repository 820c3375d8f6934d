// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/dialogbar.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <array>

#include "commandids.h"
#include "engine/run_controller.h"

namespace alacrity {
namespace {

using Kind = BarControlItem::Kind;

constexpr std::array<const char*, 5> ObjectFilterItems = {
    QT_TRANSLATE_NOOP("Command", "ALL Objects"), QT_TRANSLATE_NOOP("Command", "CIRCLE"),
    QT_TRANSLATE_NOOP("Command", "CROSS"), QT_TRANSLATE_NOOP("Command", "SQUARE"),
    QT_TRANSLATE_NOOP("Command", "TRIANGEL")};

constexpr std::array<BarControlItem, 4> SplitSummaryControls = {{
    {Kind::DropDown, IdSplitSizeList, "", {}},
    {Kind::Button, IdCopy, QT_TRANSLATE_NOOP("Command", "&Copy"), {}},
    {Kind::Button, IdCopyAll, QT_TRANSLATE_NOOP("Command", "Copy A&ll"), {}},
    {Kind::Button, IdExportCsv, QT_TRANSLATE_NOOP("Command", "E&xport csv"), {}},
}};

constexpr std::array<BarControlItem, 5> ResponseControls = {{
    {Kind::Button, IdCopy, QT_TRANSLATE_NOOP("Command", "&Copy"), {}},
    {Kind::Button, IdCopyAll, QT_TRANSLATE_NOOP("Command", "Copy A&ll"), {}},
    {Kind::Button, IdExportCsv, QT_TRANSLATE_NOOP("Command", "E&xport csv"), {}},
    {Kind::Button, IdDelete, QT_TRANSLATE_NOOP("Command", "&Delete"), {}},
    {Kind::DropDown, IdObjectFilterList, "", ObjectFilterItems},
}};

constexpr std::array<BarControlItem, 3> StatisticsControls = {{
    {Kind::Button, IdCopy, QT_TRANSLATE_NOOP("Command", "&Copy"), {}},
    {Kind::Button, IdCopyAll, QT_TRANSLATE_NOOP("Command", "Copy A&ll"), {}},
    {Kind::Button, IdExportCsv, QT_TRANSLATE_NOOP("Command", "E&xport csv"), {}},
}};

constexpr std::array<BarControlItem, 2> StartStopControls = {{
    {Kind::Button, StartButtonId, QT_TRANSLATE_NOOP("Command", "Start"), {}},
    {Kind::Button, StopButtonId, QT_TRANSLATE_NOOP("Command", "Stop"), {}},
}};

constexpr std::array<BarControlItem, 1> StopControls = {{
    {Kind::Button, StopButtonId, QT_TRANSLATE_NOOP("Command", "Stop"), {}},
}};

}  // namespace

std::span<const BarControlItem> BarTemplate(int templateId) {
  switch (templateId) {
    case SplitSummaryBarTemplate:
      return SplitSummaryControls;
    case ResponseBarTemplate:
      return ResponseControls;
    case StatisticsBarTemplate:
      return StatisticsControls;
    case StartStopBarTemplate:
      return StartStopControls;
    case StopBarTemplate:
      return StopControls;
    default:
      return {};
  }
}

QString DialogBar::ControlName(int controlId) { return QStringLiteral("control%1").arg(controlId); }

DialogBar::DialogBar(int templateId, std::span<const BarControlItem> controls,
                     const std::function<void(int)>& command, QWidget* parent)
    : QFrame(parent), m_templateId(templateId) {
  setObjectName(QStringLiteral("dialogBar"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(6);
  for (const BarControlItem& item : controls) {
    QWidget* control = nullptr;
    if (item.kind == Kind::Button) {
      auto* button = new QPushButton(QCoreApplication::translate("Command", item.text), this);
      // A bar must not take the keyboard away from the main window: the
      // keyboard box reads keys there, and Space would press the button.
      button->setFocusPolicy(Qt::NoFocus);
      const int id = item.id;
      connect(button, &QPushButton::clicked, this, [command, id] { command(id); });
      control = button;
    } else {
      auto* list = new QComboBox(this);
      // Reached with Tab from the list: the drop-downs show only beside
      // results, never while the keyboard box is read.
      list->setFocusPolicy(Qt::TabFocus);
      list->setMinimumContentsLength(22);
      for (const char* text : item.items)
        list->addItem(QCoreApplication::translate("Command", text));
      const int id = item.id;
      connect(list, &QComboBox::activated, this,
              [this, id](int index) { Q_EMIT selectionChanged(id, index); });
      control = list;
    }
    control->setObjectName(ControlName(item.id));
    control->setProperty("controlId", item.id);
    layout->addWidget(control);
    m_controls.append(control);
  }
  layout->addStretch(1);
}

QWidget* DialogBar::Control(int controlId) const {
  for (QWidget* control : m_controls) {
    if (control->property("controlId").toInt() == controlId) return control;
  }
  return nullptr;
}

QComboBox* DialogBar::DropDown(int controlId) const {
  return qobject_cast<QComboBox*>(Control(controlId));
}

void DialogBar::SetNotice(const QString& text) {
  if (m_notice == nullptr) {
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("barNotice"));
    // Before the closing stretch, next to the buttons it refers to.
    auto* row = static_cast<QHBoxLayout*>(layout());
    row->insertWidget(row->count() - 1, m_notice);
  }
  m_notice->setText(text);
  // A child added to a shown bar would only show from the event loop, too
  // late for the size the frame gives the bar now.
  m_notice->show();
}

QString DialogBar::Notice() const { return m_notice != nullptr ? m_notice->text() : QString(); }

DialogBar::State DialogBar::Capture() const {
  State state;
  for (QWidget* control : m_controls) {
    const int id = control->property("controlId").toInt();
    if (control->isHidden()) state.hiddenControls.append(id);
    if (auto* list = qobject_cast<QComboBox*>(control)) {
      QStringList items;
      for (int i = 0; i < list->count(); ++i) items.append(list->itemText(i));
      state.listItems.append({id, items});
      state.listSelections.append({id, list->currentIndex()});
    }
  }
  state.notice = Notice();
  return state;
}

void DialogBar::Restore(const State& state) {
  for (const int id : state.hiddenControls) {
    if (QWidget* control = Control(id)) control->hide();
  }
  for (const auto& [id, items] : state.listItems) {
    if (QComboBox* list = DropDown(id)) {
      list->clear();
      list->addItems(items);
    }
  }
  for (const auto& [id, index] : state.listSelections) {
    if (QComboBox* list = DropDown(id)) list->setCurrentIndex(index);
  }
  if (!state.notice.isEmpty()) SetNotice(state.notice);
}

}  // namespace alacrity
