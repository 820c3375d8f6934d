// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every dialog test needs: message boxes and file dialogs answered by
// hooks (a test never shows or clicks a real one), and short ways to reach a
// dialog's controls by their control ids.

#include <QAbstractButton>
#include <QLineEdit>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "dialogs/filechooser.h"
#include "messagerecorder.h"

namespace alacrity::test {

// Records the message boxes shown while it lives; questions are answered Yes
// unless a test says otherwise.
struct MessageRecorder : MessageBoxRecorder {
  MessageRecorder() : MessageBoxRecorder(true) {}
};

// Answers the setup file dialogs while it lives: each request takes the next
// of `answers` (an empty text, or none left, is Cancel).
class FileDialogStub {
 public:
  FileDialogStub();
  ~FileDialogStub();
  FileDialogStub(const FileDialogStub&) = delete;
  FileDialogStub& operator=(const FileDialogStub&) = delete;

  QStringList answers;
  QList<SetupFileRequest> requests;
};

// The control with this id; null when there is none.
template <typename Control>
Control* Find(const QWidget& dialog, const char* id) {
  return dialog.findChild<Control*>(QString::fromLatin1(id));
}

QLineEdit* Edit(const QWidget& dialog, const char* id);
QAbstractButton* Button(const QWidget& dialog, const char* id);
// Types into the edit as the operator would (replacing its text).
void SetText(const QWidget& dialog, const char* id, const QString& text);
QString Text(const QWidget& dialog, const char* id);
void Click(const QWidget& dialog, const char* id);
bool IsChecked(const QWidget& dialog, const char* id);

}  // namespace alacrity::test
