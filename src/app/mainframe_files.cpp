// CMainFrame: saving and opening test data files. The subject register is not
// attached, so every file dialog starts in the data directory and the subject
// record is the one held in memory.

#include <QFile>
#include <QGuiApplication>

#include <filesystem>

#include "alacrityview.h"
#include "commandids.h"
#include "data/test_data_file.h"
#include "filedialogs.h"
#include "mainframe.h"
#include "messagebox.h"

namespace alacrity {
namespace {

std::filesystem::path FileSystemPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

void ShowOutcome(QWidget* parent, const FileOutcome& outcome) {
  if (!outcome.message.empty()) ShowMessageBox(parent, QString::fromStdString(outcome.message));
}

}  // namespace

bool CMainFrame::SaveDataCommand() {
  if (m_context.data.idle == 0) return false;
  const QString start =
      m_currentDataFilePath.isEmpty() ? m_context.paths.dataDirectory : m_currentDataFilePath;
  const QString path = ChooseDataFileToSave(this, start);
  if (path.isEmpty()) return false;
  m_currentDataFilePath = path;
  const FileOutcome outcome = SaveTestData(FileSystemPath(path), m_context.data);
  ShowOutcome(this, outcome);
  if (!outcome.ok) return false;
  m_view->repaint();
  return true;
}

void CMainFrame::OpenDataCommand() {
  if (m_context.data.idle == 0) return;
  if (m_context.data.dataSaved == 0 && AskQuestion(this, QStringLiteral("Data not saved. Save?")) &&
      !SaveDataCommand()) {
    // Yes asked to keep the results; they were not written, so they stay.
    return;
  }
  m_currentDataFilePath.clear();
  const QString path = ChooseDataFileToOpen(this, m_context.paths.dataDirectory);
  if (path.isEmpty()) return;
  m_currentDataFilePath = path;

  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const FileOutcome outcome = LoadTestData(FileSystemPath(path), m_context.data);
  QGuiApplication::restoreOverrideCursor();
  if (!outcome.ok) {
    ShowOutcome(this, outcome);
    return;
  }
  m_context.data.resultsPresent = 1;
  RunCommand(IdShowNeutralView);
}

}  // namespace alacrity
