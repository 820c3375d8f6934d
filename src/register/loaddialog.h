// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the file dialog for opening a data file starts: in the current
// subject's directory, in the program's data directory, or nowhere
// (cancelled). The dialog's result is the answer, as PLoadDialog returns it.

#include <QDialog>

class QCommandLinkButton;

namespace prsrg {

class LoadDialog : public QDialog {
  Q_OBJECT

 public:
  // Without a subject (empty name) only the data directory can be chosen.
  LoadDialog(const QString& subjectName, const QString& subjectDirectory,
             QWidget* parent = nullptr);

 private:
  QCommandLinkButton* m_subjectDirectory = nullptr;
  QCommandLinkButton* m_dataDirectory = nullptr;
};

}  // namespace prsrg
