// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Stimulus Screen": the monitor that shows tests and device checks, listed
// by name, size and refresh rate; the first entry is the main window's
// screen, wherever that is. Under the list, the start prompt the subject
// reads in the interface language (empty: the built-in one) and the panel's
// lag as a light sensor measured it (empty: not measured), and the corner
// and size of the marker a box's light sensor sits on. OK stores them in the
// program's settings, or none when the lag is no lag.

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace alacrity {

class CStimulusScreenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CStimulusScreenDlg(QWidget* parent = nullptr);

  void accept() override;

  // The screen name chosen in the list; empty for the main window's screen.
  QString Chosen() const;

 private:
  QListWidget* m_list = nullptr;  // "screenList"
  QLineEdit* m_prompt = nullptr;  // "startPrompt"
  QLineEdit* m_panelLag = nullptr;  // "panelLag"
  QComboBox* m_markerCorner = nullptr;  // "markerCorner"
  QSpinBox* m_markerSize = nullptr;     // "markerSize"
};

}  // namespace alacrity
