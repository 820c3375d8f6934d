// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// CMainFrame: saving and opening test data files, with the subject register
// deciding where files go and whose they are. Without the register (or when it
// could not be opened) every file dialog starts in the data directory and the
// subject is the record in memory.

#include <QFileInfo>
#include <QGuiApplication>

#include "alacrityview.h"
#include "commandids.h"
#include "data/test_data_file.h"
#include "filedialogs.h"
#include "localpath.h"
#include "mainframe.h"
#include "messagebox.h"
#include "results/timing_csv_file.h"
#include "subjectregister.h"

namespace alacrity {
namespace {

// Every interface language shows this warning in its own words, English
// included: the operator must understand it at once.
constexpr const char* OutsideDesignatedDirectory = QT_TRANSLATE_NOOP(
    "alacrity::CMainFrame", "You are saving the file outside the subject's designated directory.");
constexpr const char* SavingWithoutRegister =
    QT_TRANSLATE_NOOP("alacrity::CMainFrame",
                      "The subject register is not open. The results are saved without it, "
                      "starting in the data directory.");

void ShowOutcome(QWidget* parent, const FileOutcome& outcome) {
  if (!outcome.message.empty()) ShowMessageBox(parent, QString::fromStdString(outcome.message));
}

// The save dialog starts in `directory`, proposing the current file's name.
QString SaveStart(const QString& directory, const QString& currentPath) {
  if (currentPath.isEmpty()) return directory;
  if (directory.isEmpty()) return currentPath;
  return directory + QLatin1Char('/') + QFileInfo(currentPath).fileName();
}

}  // namespace

bool CMainFrame::SaveDataCommand() {
  DocumentData& document = m_context.data;
  if (document.idle == 0) return false;
  // A register that cannot be reached (its root not writable, its server
  // down) must not keep the results from being saved.
  const bool withRegister = RegisterIsOpen();
  if (UsesSubjectRegister() && !withRegister) {
    ShowMessageBox(this, tr(SavingWithoutRegister));
  }
  QString designated;
  if (withRegister) {
    if (!RegisterHasSubject() && !RegisterChooseSubject()) return false;
    RegisterFillSubject(document.subject);
    designated = RegisterDataDirectoryFor(document.results.testTime);
  }
  const QString start =
      SaveStart(designated.isEmpty() ? m_context.paths.dataDirectory : designated,
                m_currentDataFilePath);
  const QString path = ChooseDataFileToSave(this, start);
  if (path.isEmpty()) return false;
  m_currentDataFilePath = path;
  if (withRegister && !PathIsInside(path, designated)) {
    // A warning only: the operator may have good reasons.
    ShowMessageBox(this, tr(OutsideDesignatedDirectory));
  }
  // The host times of the test go into a file of their own beside the data
  // file, which stays exactly as the format has it.
  const DataFileSave saved =
      SaveTestDataAndTiming(LocalPath(path), document, m_view->TimingOfResults());
  ShowOutcome(this, saved.data);
  if (!saved.data.ok) return false;
  if (!saved.timingFailure.empty()) {
    // The results are safe in the data file; only the host times are not.
    ShowMessageBox(this, tr("The timing record could not be written beside the data file: %1")
                             .arg(QString::fromStdString(saved.timingFailure)));
  }
  // The results are in a data file now; their journal has done its work.
  if (m_context.journal) m_context.journal->Discard();
  m_view->repaint();
  return true;
}

void CMainFrame::AdoptTimingRecord(const QString& dataFile) {
  TimingRecordRead record = ReadTimingRecordOf(LocalPath(dataFile));
  if (record.timing) {
    // Its rows go with the results into the next save. The host times of a
    // test run here (the file just saved) say more: they stay.
    if (m_view->TimingOfResults() == nullptr) m_view->AdoptTiming(std::move(record.timing));
    return;
  }
  if (!record.failure.empty()) {
    ShowMessageBox(this, tr("The timing record beside this data file is not used; saving the "
                            "file replaces or removes it:\n%1")
                             .arg(QString::fromStdString(record.failure)));
  }
}

void CMainFrame::OpenDataCommand() {
  DocumentData& document = m_context.data;
  if (document.idle == 0) return;
  if (document.dataSaved == 0 && AskQuestion(this, tr("Data not saved. Save?")) &&
      !SaveDataCommand()) {
    // Yes asked to keep the results; they were not written, so they stay.
    return;
  }
  // Without an open register the file is read as it is, with its own subject.
  const bool withRegister = RegisterIsOpen();
  LoadPlace place = LoadPlace::DataDirectory;
  if (withRegister) {
    place = RegisterAskLoadPlace();
    if (place == LoadPlace::Cancelled) return;
  }
  m_currentDataFilePath.clear();
  const QString subjectDirectory =
      place == LoadPlace::SubjectDirectory ? RegisterSubjectDirectory() : QString();
  const QString path = ChooseDataFileToOpen(
      this, subjectDirectory.isEmpty() ? m_context.paths.dataDirectory : subjectDirectory);
  if (path.isEmpty()) return;
  m_currentDataFilePath = path;

  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const FileOutcome outcome = LoadTestData(LocalPath(path), document);
  QGuiApplication::restoreOverrideCursor();
  if (!outcome.ok) {
    ShowOutcome(this, outcome);
    return;
  }
  // The results in memory were replaced, saved or given up as asked.
  if (m_context.journal) m_context.journal->Discard();
  AdoptTimingRecord(path);
  if (withRegister) {
    // Only a file picked in the current subject's own directory is that
    // subject's; any other (the data directory's included) belongs to whoever
    // it was recorded for, never to the subject that happens to be current.
    if (subjectDirectory.isEmpty() || !PathIsInside(path, subjectDirectory)) {
      RegisterFollowDataFile(path);
    }
    if (RegisterHasSubject()) {
      RegisterFillSubject(document.subject);
    } else {
      RegisterAdoptSubject(document.subject);
    }
  }
  document.resultsPresent = 1;
  RunCommand(IdShowNeutralView);
}

}  // namespace alacrity
