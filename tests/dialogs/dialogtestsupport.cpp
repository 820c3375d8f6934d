// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogtestsupport.h"

#include <QtTest>

#include "dialogs/messagebox.h"

namespace alacrity::test {

FileDialogStub::FileDialogStub() {
  SetSetupFileDialogHook([this](const SetupFileRequest& request) {
    requests.append(request);
    return answers.isEmpty() ? QString() : answers.takeFirst();
  });
}

FileDialogStub::~FileDialogStub() { SetSetupFileDialogHook({}); }

QLineEdit* Edit(const QWidget& dialog, const char* id) {
  auto* edit = Find<QLineEdit>(dialog, id);
  if (edit == nullptr) qFatal("no edit %s", id);
  return edit;
}

QAbstractButton* Button(const QWidget& dialog, const char* id) {
  auto* button = Find<QAbstractButton>(dialog, id);
  if (button == nullptr) qFatal("no button %s", id);
  return button;
}

void SetText(const QWidget& dialog, const char* id, const QString& text) {
  QLineEdit* edit = Edit(dialog, id);
  edit->selectAll();
  edit->del();
  QTest::keyClicks(edit, text);
}

QString Text(const QWidget& dialog, const char* id) { return Edit(dialog, id)->text(); }

void Click(const QWidget& dialog, const char* id) { Button(dialog, id)->click(); }

bool IsChecked(const QWidget& dialog, const char* id) { return Button(dialog, id)->isChecked(); }

}  // namespace alacrity::test
