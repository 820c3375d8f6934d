// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Copy, Copy All and Export csv: the core's texts, byte for byte, on the
// clipboard and in the file chosen in the (hooked) save dialog.

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "application/language.h"
#include "apptestsupport.h"
#include "commandids.h"
#include "dialogs/filechooser.h"
#include "results/copy_text.h"
#include "results/result_rows.h"
#include "resultstestsupport.h"
#include "views/alacritylist.h"
#include "views/alacrityview.h"

namespace alacrity::test {
namespace {

QByteArray Bytes(const std::string& text) {
  return {text.data(), static_cast<qsizetype>(text.size())};
}

QByteArray ClipboardBytes() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr ? data->data(QStringLiteral("text/plain")) : QByteArray();
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Stands in for the save dialog: records the requests and gives the answers
// in turn (none left is Cancel).
class SaveDialogStub {
 public:
  SaveDialogStub() {
    SetSetupFileDialogHook([this](const SetupFileRequest& request) {
      requests.append(request);
      return answers.isEmpty() ? QString() : answers.takeFirst();
    });
  }
  ~SaveDialogStub() { SetSetupFileDialogHook({}); }
  SaveDialogStub(const SaveDialogStub&) = delete;
  SaveDialogStub& operator=(const SaveDialogStub&) = delete;

  QStringList answers;
  QList<SetupFileRequest> requests;
};

}  // namespace

class ResultCopyTest : public QObject {
  Q_OBJECT

  std::unique_ptr<FrameFixture> f;
  std::unique_ptr<QTemporaryDir> dir;

  CAlacrityView& View() { return f->frame->View(); }
  AlacrityList& List() { return View().List(); }

  void Results(int count, std::initializer_list<int> wrong = {}) {
    FillResults(*f->data, count, wrong);
    f->frame->UpdateCommandStates();
  }

  void Select(std::initializer_list<int> rows) {
    for (const int row : rows) {
      List().selectionModel()->select(List().model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }

  std::string ExpectedCsv() const {
    return CsvText(FillResponseByResponse(f->data->results, AllObjects), UserListSeparator(),
                   f->data->subject.name, TestDescription(f->data->results),
                   f->data->results.testTime);
  }

 private Q_SLOTS:
  void init() {
    f = std::make_unique<FrameFixture>();
    dir = std::make_unique<QTemporaryDir>();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  }
  void cleanup() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
    f.reset();
    dir.reset();
  }

  void copyPutsTheTitleLinesAndTheSelectedRowsInListOrder() {
    Results(10, {8});
    f->frame->RunCommand(IdResponseByResponse);
    Select({7, 3});
    f->frame->RunCommand(IdCopy);
    const std::vector<ResultRow> rows = FillResponseByResponse(f->data->results, AllObjects);
    const std::vector<int> selected{3, 7};
    QCOMPARE(ClipboardBytes(), Bytes(CopyText(rows, selected)));
    // The two title lines, then row 3 (stimulus 4), then row 7 (stimulus 8).
    const QList<QByteArray> lines = ClipboardBytes().split('\n');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0],
             QByteArray("No  Object  Generation Time  Alacrity Time  Total Time  Quality  \r"));
    QVERIFY(lines[2].startsWith("    4"));
    QVERIFY(lines[3].startsWith("    8"));
    QVERIFY(lines[3].endsWith(" false\r"));
  }

  void copyWithoutSelectionSaysSoAndLeavesTheClipboard() {
    Results(4);
    f->frame->RunCommand(IdResponseByResponse);
    MessageRecorder boxes;
    f->frame->RunCommand(IdCopy);
    QCOMPARE(boxes.messages, QStringList{"No items were selected!"});
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
  }

  void copyAllOfTheSplitSummaryKeepsStatisticsAndSeparatorRows() {
    Results(7, {2});
    f->frame->RunCommand(IdSplitSummary);
    QComboBox* sizes = f->frame->CurrentDialogBar()->DropDown(IdSplitSizeList);
    sizes->setCurrentIndex(2);
    Q_EMIT sizes->activated(2);  // blocks of three
    f->frame->RunCommand(IdCopyAll);
    const auto summary = FillSplitSummary(f->data->results, 0, 3);
    QCOMPARE(ClipboardBytes(), Bytes(CopyAllText(summary.rows)));
    // A separator row copies as one space and the line end, once per block.
    QCOMPARE(ClipboardBytes().count("\r\n \r\n"), 3);
    QVERIFY(ClipboardBytes().contains("Correct responses:"));
  }

  void copyAllOfAFilteredListHasOnlyItsRows() {
    Results(8);
    f->frame->RunCommand(IdResponseByResponse);
    QComboBox* filter = f->frame->CurrentDialogBar()->DropDown(IdObjectFilterList);
    filter->setCurrentIndex(2);
    Q_EMIT filter->activated(2);  // CROSS
    f->frame->RunCommand(IdCopyAll);
    QCOMPARE(ClipboardBytes(), Bytes(CopyAllText(FillResponseByResponse(f->data->results, 1))));
    QCOMPARE(ClipboardBytes().count("\r\n"), 4);
  }

  void exportWritesTheCsvTextExactlyWhereTheDialogSays() {
    Results(6, {3});
    // The name is kept as bytes, whatever they are.
    f->data->subject.name = "J\xF6rg;Tester";
    f->frame->RunCommand(IdResponseByResponse);
    SaveDialogStub dialog;
    dialog.answers = {dir->filePath(QStringLiteral("results"))};
    MessageRecorder boxes;
    f->frame->RunCommand(IdExportCsv);
    QCOMPARE(dialog.requests.size(), 1);
    const SetupFileRequest& request = dialog.requests.first();
    QCOMPARE(request.kind, SetupFileRequest::Kind::Save);
    QCOMPARE(request.filter, QStringLiteral("CSV Files (*.csv)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("csv"));
    QCOMPARE(request.directory, f->context->paths.dataDirectory);
    // The default suffix is added to a bare name.
    const QByteArray written = FileBytes(dir->filePath(QStringLiteral("results.csv")));
    QCOMPARE(written, Bytes(ExpectedCsv()));
    QVERIFY(written.startsWith("Name: J\xF6rg;Tester\r\n"));
    QVERIFY(boxes.messages.isEmpty());
    QVERIFY(boxes.questions.isEmpty());
  }

  // Other stations and analysis tools read these: the interface language
  // never reaches them, while the list on screen follows it.
  void copyAndCsvStayEnglishInAGermanInterface() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    Results(6, {3});
    f->frame->RunCommand(IdResponseByResponse);
    QCOMPARE(List().topLevelItem(2)->text(5).trimmed(), QStringLiteral("falsch"));  // stimulus 3
    f->frame->RunCommand(IdCopyAll);
    const std::vector<ResultRow> rows = FillResponseByResponse(f->data->results, AllObjects);
    QCOMPARE(ClipboardBytes(), Bytes(CopyAllText(rows)));
    SaveDialogStub dialog;
    dialog.answers = {dir->filePath(QStringLiteral("results.csv"))};
    f->frame->RunCommand(IdExportCsv);
    QCOMPARE(FileBytes(dir->filePath(QStringLiteral("results.csv"))), Bytes(ExpectedCsv()));
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
  }

  void exportAsksBeforeReplacingAFile() {
    Results(3);
    f->frame->RunCommand(IdResponseByResponse);
    const QString path = dir->filePath(QStringLiteral("old.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    SaveDialogStub dialog;
    MessageRecorder boxes;
    // No: back to the dialog, then Cancel; the file stays.
    dialog.answers = {path};
    boxes.answer = false;
    f->frame->RunCommand(IdExportCsv);
    QCOMPARE(boxes.questions.size(), 1);
    QCOMPARE(dialog.requests.size(), 2);
    QCOMPARE(FileBytes(path), QByteArray("old"));

    dialog.answers = {path};
    boxes.answer = true;
    f->frame->RunCommand(IdExportCsv);
    QCOMPARE(FileBytes(path), Bytes(ExpectedCsv()));
  }

  void cancelledOrFailedExportsAreSilent() {
    Results(3);
    f->frame->RunCommand(IdSplitSummary);
    SaveDialogStub dialog;
    MessageRecorder boxes;
    f->frame->RunCommand(IdExportCsv);  // Cancel
    dialog.answers = {QStringLiteral("/nonexistent/directory/x.csv")};
    f->frame->RunCommand(IdExportCsv);
    QCOMPARE(dialog.requests.size(), 2);
    QVERIFY(boxes.messages.isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("/nonexistent/directory/x.csv")));
    QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::ResultCopyTest)
#include "resultcopy_test.moc"
