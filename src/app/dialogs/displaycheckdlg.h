// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Display Check": the one screen that ends the display check. On top, in
// a sentence with an icon of its grade, whether the stimulus screen can be
// trusted for timing; under it the figures behind the verdict, and what to
// change when it cannot.

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QStyle>

namespace alacrity {

struct DisplayCheckTexts {
  QString headline;
  // Information: trusted; Warning: usable with a stated error; Critical:
  // not to be trusted.
  QStyle::StandardPixmap icon = QStyle::SP_MessageBoxCritical;
  QList<QPair<QString, QString>> figures;  // label with its colon, value
  QStringList advice;                      // most important first
};

class CDisplayCheckDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CDisplayCheckDlg(const DisplayCheckTexts& texts, QWidget* parent = nullptr);
};

}  // namespace alacrity
