// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// CAlacrityView: the result views, the deletion of lines, copy and CSV
// export. Every row, statistic and text comes from the core; the view picks
// the mode, asks the operator and routes.

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "alacritylist.h"
#include "alacrityview.h"
#include "localpath.h"
#include "commandids.h"
#include "data/file_io.h"
#include "dialogs/filechooser.h"
#include "mainframe.h"
#include "messagebox.h"
#include "results/copy_text.h"
#include "results/deletion.h"
#include "results/summary_table.h"
#include "statisticstable.h"

namespace alacrity {
namespace {

// Where the list stands under the header block, in view pixels.
constexpr QRect ListPlace(10, 70, 736, 330);

constexpr const char* CsvFilter = QT_TRANSLATE_NOOP("alacrity::CAlacrityView", "CSV Files (*.csv)");
constexpr const char* CsvSuffix = "csv";

// Plain 8-bit text: the rows are ASCII and go on the clipboard byte for
// byte, not through a text encoding.
void PutTextOnClipboard(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return;
  auto* data = new QMimeData;
  data->setData(QStringLiteral("text/plain"),
                QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  clipboard->setMimeData(data);
}

bool WriteTextFile(const QString& path, const std::string& text) {
  const std::filesystem::path target = LocalPath(path);
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  return WriteFileAtomically(target, std::span<const uint8_t>(bytes, text.size())).ok;
}

}  // namespace

void CAlacrityView::PlaceList() {
  HideAnalysisPanels();
  m_list->setGeometry(ListPlace);
  m_list->show();
}

void CAlacrityView::HideList() {
  HideAnalysisPanels();
  m_list->setGeometry(0, 0, 0, 0);
  m_list->hide();
}

void CAlacrityView::FillSplitSummary(int blockSize) {
  const DocumentData& document = m_context.data;
  // A test without responses has no block and leaves the line as it was.
  if (auto average = m_list->FillSplitSummary(document.results,
                                              document.runConfiguration.falseResponse, blockSize)) {
    m_averageText = std::move(*average);
  }
}

void CAlacrityView::OnResponseByResponse() {
  if (Mode() == ResponseByResponse) return;
  m_frame.ShowResponseBar();
  m_controller.SetMode(ResponseByResponse);
  m_list->ResetList();
  m_list->FillResponseByResponse(m_context.data.results, AllObjects);
  PlaceList();
  Repaint();
}

void CAlacrityView::OnSplitSummary() {
  if (Mode() == SplitSummary) return;
  // The bar's list selects its last entry, one block of the whole test:
  // the size the summary starts with.
  m_frame.ShowSplitSummaryBar();
  m_controller.SetMode(SplitSummary);
  m_splitSize = m_context.data.results.responseCount;
  m_list->ResetList();
  FillSplitSummary(m_splitSize);
  PlaceList();
  Repaint();
}

void CAlacrityView::OnResult() {
  if (Mode() == Result) return;
  m_frame.RemoveDialogBar();
  m_controller.SetMode(Result);
  m_list->ResetList();
  // One block of the whole test: its average is the page's line, and the
  // hidden list holds what the result report pages through.
  FillSplitSummary(m_context.data.results.responseCount);
  HideList();
  Repaint();
}

void CAlacrityView::OnSplitSizeChange() {
  m_splitSize = m_frame.GetBarComboSelection(IdSplitSizeList) + 1;
  if (Mode() != SplitSummary) {
    ShowMessageBox(window(), tr("Internal error: interval"));
    return;
  }
  m_list->ResetList();
  FillSplitSummary(m_splitSize);
  Repaint();
}

void CAlacrityView::OnObjectFilterChange() {
  // "ALL Objects", then the four objects in ObjectKind order.
  const int index = m_frame.GetBarComboSelection(IdObjectFilterList);
  const int32_t filter = index <= 0 ? AllObjects : index - 1;
  m_list->ResetList();
  m_list->FillResponseByResponse(m_context.data.results, filter);
  PlaceList();
  Repaint();
}

void CAlacrityView::OnDeleteLines() {
  if (Mode() != ResponseByResponse) return;
  // Only the unfiltered list maps row i to stimulus i + 1.
  if (m_frame.GetBarComboSelection(IdObjectFilterList) != 0) {
    ShowMessageBox(window(), tr("You can delete only in 'ALL Objects' mode !"));
    return;
  }
  const std::vector<int> rows = m_list->SelectedRows();
  if (rows.empty()) {
    ShowMessageBox(window(), tr("No lines were selected!"));
    return;
  }
  if (!AskQuestion(window(), tr("Are You Sure You want to delete\n selected lines?"))) {
    return;
  }
  std::vector<int> stimuli;
  stimuli.reserve(rows.size());
  for (const int row : rows) stimuli.push_back(row + 1);
  // The results in memory now differ from any file: Exit and the next Open
  // or Perform must offer to save, or the deletion would be lost.
  const int32_t countBefore = m_context.data.results.responseCount;
  DeleteStimuli(m_context.data.results, stimuli);
  if (m_context.data.results.responseCount != countBefore) m_context.data.dataSaved = 0;
  m_list->ResetList();
  m_list->FillResponseByResponse(m_context.data.results, AllObjects);
  PlaceList();
  Repaint();
  AfterCommand();
}

void CAlacrityView::OnCopy() {
  if (Mode() == Statistics) {
    CopyStatistics(true);
    return;
  }
  const std::vector<int> rows = m_list->SelectedRows();
  if (rows.empty()) {
    ShowMessageBox(window(), tr("No items were selected!"));
    return;
  }
  PutTextOnClipboard(CopyText(m_list->Rows(), rows));
}

void CAlacrityView::OnCopyAll() {
  if (Mode() == Statistics) {
    CopyStatistics(false);
    return;
  }
  PutTextOnClipboard(CopyAllText(m_list->Rows()));
}

void CAlacrityView::OnExportCsv() {
  if (Mode() == Statistics) {
    ExportStatisticsCsv();
    return;
  }
  const DocumentData& document = m_context.data;
  // The text is complete before the dialog opens.
  const std::string text =
      CsvText(m_list->Rows(), UserListSeparator(), document.subject.name,
              TestDescription(document.results), document.results.testTime);
  SetupFileRequest request;
  request.kind = SetupFileRequest::Kind::Save;
  request.directory = m_context.paths.dataDirectory;
  request.filter = tr(CsvFilter);
  request.defaultSuffix = QString::fromLatin1(CsvSuffix);
  const QString path = ChooseSetupFile(window(), request);
  if (path.isEmpty()) return;
  // A file that cannot be written ends the command without a word.
  (void)WriteTextFile(path, text);
}

void CAlacrityView::CopyStatistics(bool selectedOnly) {
  const std::vector<ResponseSummary>& summaries = m_statistics->Summaries();
  if (!selectedOnly) {
    PutTextOnClipboard(SummaryTabText(summaries));
    return;
  }
  const std::vector<int> rows = m_statistics->SelectedRows();
  if (rows.empty()) {
    ShowMessageBox(window(), tr("No items were selected!"));
    return;
  }
  PutTextOnClipboard(SummaryTabText(summaries, rows));
}

void CAlacrityView::ExportStatisticsCsv() {
  const DocumentData& document = m_context.data;
  // The columns of alacrity-cli summary --format csv, so that a file saved
  // here pools with those made on the command line.
  const QString source = m_frame.CurrentDataFilePath();
  const std::vector<TestSummaries> tests = {
      {LocalPath(source).filename().string(), document.subject, document.results.testTime,
       m_statistics->Summaries()}};
  const std::string text = SummaryCsvText(tests);
  SetupFileRequest request;
  request.kind = SetupFileRequest::Kind::Save;
  request.directory = m_context.paths.dataDirectory;
  request.filter = QString::fromLatin1(CsvFilter);
  request.defaultSuffix = QString::fromLatin1(CsvSuffix);
  const QString path = ChooseSetupFile(window(), request);
  if (path.isEmpty()) return;
  if (!WriteTextFile(path, text)) {
    ShowMessageBox(window(), tr("The statistics could not be written to\n%1").arg(path));
  }
}

}  // namespace alacrity
