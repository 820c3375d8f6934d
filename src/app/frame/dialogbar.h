// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The exchangeable command bar under the toolbar. Each template is a row of
// push buttons and drop-down lists; a bar is always built whole from its
// template and thrown away whole, so no control of one mode survives into the
// next.

#include <QFrame>
#include <QStringList>

#include <functional>
#include <span>

class QAbstractButton;
class QComboBox;
class QLabel;

namespace alacrity {

struct BarControlItem {
  enum class Kind { Button, DropDown };
  Kind kind = Kind::Button;
  int id = 0;
  const char* text = "";               // a button's caption
  std::span<const char* const> items;  // a drop-down list's initial entries
};

// The controls of a template, left to right; empty for an unknown template.
std::span<const BarControlItem> BarTemplate(int templateId);

// One built bar. Buttons report their id through `command`, drop-down lists
// the operator's choices through selectionChanged; controls are named
// "control<id>" so they can be found by id.
class DialogBar : public QFrame {
  Q_OBJECT

 public:
  DialogBar(int templateId, std::span<const BarControlItem> controls,
            const std::function<void(int)>& command, QWidget* parent);

  int TemplateId() const { return m_templateId; }
  QWidget* Control(int controlId) const;
  QComboBox* DropDown(int controlId) const;
  // A line of text after the controls (object name "barNotice").
  void SetNotice(const QString& text);
  QString Notice() const;

  // What a rebuild must carry over: hidden controls and list contents.
  struct State {
    QList<int> hiddenControls;
    QList<QPair<int, QStringList>> listItems;
    QList<QPair<int, int>> listSelections;
    QString notice;
  };
  State Capture() const;
  void Restore(const State& state);

  static QString ControlName(int controlId);

 Q_SIGNALS:
  // The operator chose an entry of a drop-down list (not sent when a list is
  // filled or selected by the program).
  void selectionChanged(int controlId, int index);

 private:
  int m_templateId = 0;
  QList<QWidget*> m_controls;
  QLabel* m_notice = nullptr;  // made on first use
};

}  // namespace alacrity
