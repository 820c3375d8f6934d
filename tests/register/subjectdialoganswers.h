// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Answers to the register's dialogs, for the register's tests and the
// program's, which see the dialogs through the hook of prsrgtesting.h.
// Header only, free of either test framework: the register's tests are
// GoogleTest programs, the program's are Qt Test programs.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>

namespace prsrg::testing {

// The control of this object name; a missing one stops the test program,
// naming it, rather than crash on it later.
template <typename T>
T* Child(QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no control %s", name);
  return child;
}

// Creates a subject of this name and chooses it: New in the subject dialog,
// the name in the editor it opens, Choose.
inline void CreateAndChoose(QDialog& dialog, const QString& name) {
  if (dialog.objectName() == QLatin1String("subjectEditDialog")) {
    Child<QLineEdit>(dialog, "nameEdit")->setText(name);
    dialog.accept();
    return;
  }
  if (dialog.objectName() != QLatin1String("subjectDialog")) {
    qFatal("expected the subject dialog, not %s", qPrintable(dialog.objectName()));
  }
  QTest::mouseClick(Child<QPushButton>(dialog, "newButton"), Qt::LeftButton);
  QTest::mouseClick(Child<QPushButton>(dialog, "chooseButton"), Qt::LeftButton);
}

}  // namespace prsrg::testing
