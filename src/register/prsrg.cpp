// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The library's operations: each takes the program's strings and records,
// asks the register session, and tells the operator when something failed.

#include "prsrg.h"

#include <QApplication>
#include <QDir>

#include <optional>

#include "loaddialog.h"
#include "operatormessage.h"
#include "prsrgtesting.h"
#include "registersession.h"
#include "subjectdialog.h"

namespace {

prsrg::RegisterSession& Session() {
  static prsrg::RegisterSession session;
  return session;
}

// The database connection must go while Qt is still there to close it.
void CloseAtExit() { Session().Close(); }

// The root the program gave at start. A register that could not be opened
// then (its server down, its share not mounted yet) is tried again when an
// operation needs it, so that the operator need not restart the program.
std::optional<QString>& StartRoot() {
  static std::optional<QString> root;
  return root;
}

prsrg::Status OpenAt(const QString& root) {
  return Session().Open(root, prsrg::ConnectionFromEnvironment(), prsrg::StationFromEnvironment());
}

bool RequireOpen() {
  if (Session().IsOpen()) return true;
  if (!StartRoot()) {
    prsrg::ShowMessage(QObject::tr("The subject register is not open."));
    return false;
  }
  const prsrg::Status opened = OpenAt(*StartRoot());
  if (!opened.ok) prsrg::ShowMessage(opened.message);
  return opened.ok;
}

bool HaveWidgets() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) return true;
  prsrg::ShowMessage(QObject::tr("The subject register's dialogs need a window system."));
  return false;
}

std::string ToProgram(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

// Fills *out with the directory, or with nothing after telling the operator.
void FillDirectory(const prsrg::Result<QString>& directory, std::string* out) {
  if (!directory.Ok()) {
    prsrg::ShowMessage(directory.message);
    out->clear();
    return;
  }
  *out = ToProgram(*directory.value);
}

}  // namespace

bool PrsrgInicA(std::string root, std::string applicationName) {
  prsrg::SetProgramName(QString::fromStdString(applicationName));
  static bool cleanupRegistered = false;
  if (!cleanupRegistered && QCoreApplication::instance() != nullptr) {
    qAddPostRoutine(CloseAtExit);
    cleanupRegistered = true;
  }
  StartRoot() = QString::fromStdString(root);
  const prsrg::Status opened = OpenAt(*StartRoot());
  if (!opened.ok) prsrg::ShowMessage(opened.message);
  return opened.ok;
}

bool PrsrgIsOpen() { return Session().IsOpen(); }

bool PrsrgPlatny() {
  if (!Session().IsOpen()) return false;
  prsrg::Result<std::optional<prsrg::Subject>> current = Session().Current();
  if (!current.Ok()) {
    prsrg::ShowMessage(current.message);
    return false;
  }
  return current.value->has_value();
}

bool PSubjectDialog() {
  Session().ForgetUnplacedFile();
  if (!RequireOpen() || !HaveWidgets()) return false;
  prsrg::SubjectDialog dialog(*Session().Register(), QApplication::activeWindow());
  return prsrg::RunModal(dialog) == QDialog::Accepted && dialog.Chosen().has_value();
}

void PrsrgNaplnSDA(alacrity::SubjectInfo* subject) {
  Session().ForgetUnplacedFile();
  if (subject == nullptr || !RequireOpen()) return;
  prsrg::Result<std::optional<prsrg::Subject>> current = Session().Current();
  if (!current.Ok()) {
    prsrg::ShowMessage(current.message);
    return;
  }
  if (*current.value) *subject = prsrg::ToSubjectInfo(**current.value);
}

void PrsrgKonvertSDA(alacrity::SubjectInfo* subject) {
  if (subject == nullptr || !RequireOpen()) return;
  if (prsrg::Status adopted = Session().Adopt(prsrg::FromSubjectInfo(*subject)); !adopted.ok) {
    prsrg::ShowMessage(adopted.message);
  }
}

int PLoadDialog() {
  Session().ForgetUnplacedFile();
  if (!HaveWidgets()) return PrsrgLoadCancelled;
  QString name;
  QString directory;
  if (Session().IsOpen()) {
    prsrg::Result<std::optional<prsrg::Subject>> current = Session().Current();
    if (!current.Ok()) {
      prsrg::ShowMessage(current.message);
    } else if (*current.value) {
      name = (*current.value)->name;
      if (name.isEmpty()) name = QObject::tr("(no name)");
      // A directory not made yet is made when the operator picks it.
      const QString made = (*current.value)->directory;
      if (!made.isEmpty()) directory = QDir(Session().Register()->Root()).filePath(made);
    }
  }
  prsrg::LoadDialog dialog(name, directory, QApplication::activeWindow());
  const int answer = prsrg::RunModal(dialog);
  return answer == PrsrgLoadFromSubjectDirectory || answer == PrsrgLoadFromDataDirectory
             ? answer
             : PrsrgLoadCancelled;
}

void PrsrgDirA(std::string* directory) {
  Session().ForgetUnplacedFile();
  if (directory == nullptr) return;
  directory->clear();
  if (!RequireOpen()) return;
  FillDirectory(Session().SubjectDirectory(), directory);
}

void PrsrgDataNameA(int32_t testTime, std::string* directory) {
  Session().ForgetUnplacedFile();
  if (directory == nullptr) return;
  directory->clear();
  if (!RequireOpen()) return;
  FillDirectory(Session().DataDirectory(testTime), directory);
}

void PrsrgPodlaDatA(std::string path) {
  if (!RequireOpen()) return;
  if (prsrg::Status followed = Session().FollowDataFile(QString::fromStdString(path));
      !followed.ok) {
    prsrg::ShowMessage(followed.message);
  }
}

namespace prsrg::testing {

void SetDialogHook(std::function<void(QDialog& dialog)> hook) {
  prsrg::SetDialogHook(std::move(hook));
}

void SetMessageSink(std::function<void(const QString& text)> sink) {
  prsrg::SetMessageSink(std::move(sink));
}

void CloseRegister() {
  // As before PrsrgInicA: nothing to open again either.
  Session().Close();
  StartRoot().reset();
}

}  // namespace prsrg::testing
