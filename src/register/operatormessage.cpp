// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "operatormessage.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <utility>

namespace prsrg {

namespace {

MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}

QString& ProgramName() {
  static QString name;
  return name;
}

DialogHook& Hook() {
  static DialogHook hook;
  return hook;
}

}  // namespace

void SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

void SetDialogHook(DialogHook hook) { Hook() = std::move(hook); }

void SetProgramName(const QString& name) { ProgramName() = name; }

void ShowMessage(const QString& text) {
  if (Sink()) {
    Sink()(text);
    return;
  }
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    // No windows in this process: the text still reaches someone.
    const QString program =
        ProgramName().isEmpty() ? QCoreApplication::applicationName() : ProgramName();
    qWarning("%s: %s", qUtf8Printable(program), qUtf8Printable(text));
    return;
  }
  QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

int RunModal(QDialog& dialog) {
  if (!Hook()) return dialog.exec();
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  Hook()(dialog);
  if (dialog.isVisible()) dialog.done(QDialog::Rejected);
  return dialog.result();
}

}  // namespace prsrg
