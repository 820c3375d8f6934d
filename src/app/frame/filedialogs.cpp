// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/filedialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace alacrity {
namespace {

FileDialogHook& Hook() {
  static FileDialogHook hook;
  return hook;
}

QString Run(QFileDialog& dialog) {
  dialog.setNameFilter(QString::fromLatin1(DataFileFilter));
  dialog.setDefaultSuffix(QString::fromLatin1(DataFileSuffix));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

void SetFileDialogHook(FileDialogHook hook) { Hook() = std::move(hook); }

QString ChooseDataFileToSave(QWidget* parent, const QString& initial) {
  if (Hook()) return Hook()(FileDialogKind::Save, initial);
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // QFileDialog asks before overwriting unless told not to.
  if (QFileInfo(initial).isDir()) {
    dialog.setDirectory(initial);
  } else {
    dialog.selectFile(initial);
  }
  return Run(dialog);
}

QString ChooseDataFileToOpen(QWidget* parent, const QString& directory) {
  if (Hook()) return Hook()(FileDialogKind::Open, directory);
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDirectory(directory);
  return Run(dialog);
}

}  // namespace alacrity
