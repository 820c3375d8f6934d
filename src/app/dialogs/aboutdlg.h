// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "About alacrity": the program's name and version, what it is for, a
// picture of the four stimulus shapes, and the legal notice with the
// licence's full text a button away.

#include <QDialog>
#include <QPixmap>
#include <QString>

namespace alacrity {

// "alacrity Version " and the version the program was built as.
QString AboutVersionText();

// The four shapes in their built-in colours, `size` pixels square.
QPixmap DrawAboutPicture(int size);

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace alacrity
