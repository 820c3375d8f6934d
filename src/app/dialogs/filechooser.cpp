// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/filechooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "dialogs/messagebox.h"

namespace alacrity {

namespace {

SetupFileDialogHook& Hook() {
  static SetupFileDialogHook hook;
  return hook;
}

QString RunPlatformDialog(QWidget* parent, const SetupFileRequest& request) {
  QFileDialog dialog(parent, QString(), request.directory,
                     QCoreApplication::translate("Dialog", request.filter.toUtf8().constData()));
  const bool save = request.kind == SetupFileRequest::Kind::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.defaultSuffix);
  // The overwrite question is asked by ChooseSetupFile, once.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString ReplaceQuestion(const QString& path) {
  return QCoreApplication::translate("Dialog", "%1 already exists.\nDo you want to replace it?")
      .arg(QFileInfo(path).fileName());
}

}  // namespace

void SetSetupFileDialogHook(SetupFileDialogHook hook) { Hook() = std::move(hook); }

QString WithDefaultSuffix(const QString& path, const QString& suffix) {
  if (path.isEmpty() || suffix.isEmpty() || QFileInfo(path).fileName().contains(u'.')) return path;
  return path + u'.' + suffix;
}

QString ChooseSetupFile(QWidget* parent, const SetupFileRequest& request) {
  for (;;) {
    const QString chosen = Hook() ? Hook()(request) : RunPlatformDialog(parent, request);
    if (chosen.isEmpty()) return {};
    // A bare name belongs in the directory the dialog showed.
    const QString path =
        WithDefaultSuffix(QDir(request.directory).absoluteFilePath(chosen), request.defaultSuffix);
    if (request.kind == SetupFileRequest::Kind::Save && QFileInfo::exists(path) &&
        !AskQuestion(parent, ReplaceQuestion(path))) {
      continue;
    }
    return path;
  }
}

}  // namespace alacrity
