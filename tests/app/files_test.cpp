// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving and opening test data files from the frame, and what the close and
// Open commands do with results that are not saved.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "alacrityview.h"
#include "apptestsupport.h"
#include "commandids.h"
#include "data/test_data_file.h"

namespace alacrity::test {

class FilesTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir;
  std::unique_ptr<FrameFixture> f;
  std::unique_ptr<MessageRecorder> boxes;
  std::unique_ptr<DataFileDialogStub> dialogs;

  QString Path(const char* name) const { return dir->filePath(QString::fromLatin1(name)); }

  // Results of two answered stimuli, not yet saved.
  void UnsavedResults() {
    f->data->results.responseCount = 2;
    f->data->results.testTime = 1'700'000'000;
    f->data->results.responseMs[1] = 321;
    f->data->results.responseMs[2] = 432;
    f->data->resultsPresent = 1;
    f->data->dataSaved = 0;
  }

 private Q_SLOTS:
  void init() {
    dir = std::make_unique<QTemporaryDir>();
    f = std::make_unique<FrameFixture>();
    f->context->paths = PathsInDirectory(dir->path());
    QDir().mkpath(f->context->paths.dataDirectory);
    boxes = std::make_unique<MessageRecorder>();
    dialogs = std::make_unique<DataFileDialogStub>();
  }

  void cleanup() {
    dialogs.reset();
    boxes.reset();
    f.reset();
    dir.reset();
  }

  void saveWritesTheResultsAndRemembersThePath() {
    UnsavedResults();
    dialogs->answers = {Path("DATA/first.aly")};
    f->frame->Action(IdFileSave)->trigger();
    QCOMPARE(dialogs->kinds, QList<FileDialogKind>{FileDialogKind::Save});
    QCOMPARE(dialogs->starts, QStringList{f->context->paths.dataDirectory});
    QVERIFY(QFile::exists(Path("DATA/first.aly")));
    QCOMPARE(f->data->dataSaved, 1);
    QCOMPARE(f->frame->CurrentDataFilePath(), Path("DATA/first.aly"));
    QVERIFY(boxes->messages.isEmpty());

    // The next save starts at the file just written.
    dialogs->answers = {QString()};
    f->frame->Action(IdFileSave)->trigger();
    QCOMPARE(dialogs->starts.last(), Path("DATA/first.aly"));
  }

  void failedSaveSaysSoAndKeepsTheResultsUnsaved() {
    UnsavedResults();
    dialogs->answers = {Path("no-such-directory/x.aly")};
    QVERIFY(!f->frame->SaveDataCommand());
    QCOMPARE(boxes->messages, QStringList{QStringLiteral("File Save Error\n") + Path("no-such-directory") +
                                          QStringLiteral(": No such file or directory")});
    QCOMPARE(f->data->dataSaved, 0);
  }

  void closeWithUnsavedResultsAndYesSaves() {
    UnsavedResults();
    boxes->answer = true;
    dialogs->answers = {Path("DATA/at-exit.aly")};
    QVERIFY(f->frame->close());
    QCOMPARE(boxes->questions, QStringList{QStringLiteral("Data not saved. Save?")});
    QVERIFY(QFile::exists(Path("DATA/at-exit.aly")));
  }

  void closeWithYesButNoSaveKeepsTheWindow() {
    UnsavedResults();
    boxes->answer = true;
    dialogs->answers = {QString()};  // the save dialog cancelled
    QVERIFY(!f->frame->close());
    QVERIFY(f->frame->isVisible());
    QCOMPARE(f->data->dataSaved, 0);
  }

  void closeWithSavedResultsAsksNothing() {
    QVERIFY(f->frame->close());
    QVERIFY(boxes->questions.isEmpty());
  }

  void openReplacesTheResultsAndShowsTheNeutralView() {
    // A file of the results as they are now, then different results in memory.
    UnsavedResults();
    QVERIFY(SaveTestData(Path("DATA/saved.aly").toStdString(), *f->data).ok);
    f->data->results.responseCount = 7;
    f->data->dataSaved = 0;
    f->data->resultsPresent = 0;

    boxes->answer = false;  // do not save the seven
    dialogs->answers = {Path("DATA/saved.aly")};
    f->frame->Action(IdFileOpen)->trigger();
    QCOMPARE(boxes->questions, QStringList{QStringLiteral("Data not saved. Save?")});
    QCOMPARE(dialogs->kinds, QList<FileDialogKind>{FileDialogKind::Open});
    QCOMPARE(dialogs->starts, QStringList{f->context->paths.dataDirectory});
    QCOMPARE(f->data->results.responseCount, 2);
    QCOMPARE(f->data->results.responseMs[2], 432);
    QCOMPARE(f->data->resultsPresent, 1);
    QCOMPARE(f->data->dataSaved, 1);
    QCOMPARE(f->frame->View().Mode(), Neutral);
    QCOMPARE(f->frame->CurrentDataFilePath(), Path("DATA/saved.aly"));
  }

  void openWithYesButNoSaveKeepsTheResults() {
    UnsavedResults();
    boxes->answer = true;
    dialogs->answers = {QString()};  // the save dialog cancelled
    f->frame->OpenDataCommand();
    QCOMPARE(dialogs->kinds, QList<FileDialogKind>{FileDialogKind::Save});  // no open dialog
    QCOMPARE(f->data->results.responseCount, 2);
    QCOMPARE(f->data->dataSaved, 0);
  }

  void cancelledOpenForgetsTheFileName() {
    dialogs->answers = {Path("DATA/a.aly")};
    UnsavedResults();
    QVERIFY(f->frame->SaveDataCommand());
    f->frame->OpenDataCommand();  // the dialog is cancelled
    QCOMPARE(f->frame->CurrentDataFilePath(), QString());
    QCOMPARE(f->data->results.responseCount, 2);
  }

  void refusedFileChangesNothing() {
    QFile file(Path("DATA/foreign.aly"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Not a test data file at all, just some text.");
    file.close();
    UnsavedResults();
    f->data->dataSaved = 1;
    dialogs->answers = {file.fileName()};
    f->frame->OpenDataCommand();
    QCOMPARE(boxes->messages, QStringList{QStringLiteral("Incompatible data")});
    QCOMPARE(f->data->results.responseCount, 2);
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::FilesTest)
#include "files_test.moc"
