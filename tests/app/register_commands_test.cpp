// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Save, Open and Subject Info of the frame with the subject register
// attached: which register calls come in which order, where the file dialogs
// start, and the warning for a file saved outside its designated directory.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

#include "adapters/registerfront.h"
#include "apptestsupport.h"
#include "commandids.h"
#include "data/enums.h"
#include "data/test_data_file.h"
#include "engine/engine.h"
#include "engine/simulated_subject.h"
#include "data/tick_clock.h"
#include "register/prsrg.h"
#include "register/prsrgtesting.h"
#include "results/timing_csv_file.h"
#include "subjectdialoganswers.h"
#include "views/alacrityview.h"

namespace alacrity::test {

using prsrg::testing::CreateAndChoose;

class RegisterCommandsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> dir;
  std::unique_ptr<FrameFixture> f;
  std::unique_ptr<MessageRecorder> boxes;
  std::unique_ptr<DataFileDialogStub> dialogs;
  QStringList registerMessages;
  int loadDialogs = 0;

  void UnsavedResults() {
    f->data->results.responseCount = 2;
    f->data->results.testTime = 1'700'000'000;  // November 2023
    f->data->results.responseMs[1] = 321;
    f->data->results.responseMs[2] = 432;
    f->data->resultsPresent = 1;
    f->data->dataSaved = 0;
  }

  void MakeCurrent(const QString& name) {
    prsrg::testing::SetDialogHook([name](QDialog& dialog) { CreateAndChoose(dialog, name); });
    QVERIFY(PSubjectDialog());
    prsrg::testing::SetDialogHook({});
  }

  // The load dialog answers `answer` (0 cancels, 11 the subject's directory).
  void AnswerLoadDialog(int answer) {
    prsrg::testing::SetDialogHook([this, answer](QDialog& dialog) {
      QCOMPARE(dialog.objectName(), QStringLiteral("loadDialog"));
      ++loadDialogs;
      dialog.done(answer);
    });
  }

  static std::filesystem::path LocalFile(const QString& path) {
    return QFile::encodeName(path).toStdString();
  }

  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  // Host times of `count` answered stimuli.
  static const RunTiming& Rows(int32_t count) {
    static RunTiming timing;
    timing.stimuli.clear();
    for (int32_t i = 1; i <= count; ++i) {
      StimulusTiming row;
      row.stimulus = i;
      row.onsetByte = 1000 * i;
      row.onsetHostNs = 5'000'000'000LL * i;
      row.responseByte = 1000 * i + 400;
      row.responseHostNs = 6'000'000'000LL * i;
      timing.stimuli.push_back(row);
    }
    return timing;
  }

  QString Designated() {
    std::string directory;
    PrsrgDataNameA(f->data->results.testTime, &directory);
    return QString::fromStdString(directory);
  }

 private Q_SLOTS:
  void init() {
    qputenv("ALACRITY_STATION", "test-station");
    qunsetenv("ALACRITY_REGISTER_DB");
    dir = std::make_unique<QTemporaryDir>();
    f = std::make_unique<FrameFixture>();
    f->context->paths = PathsInDirectory(dir->filePath(QStringLiteral("program")));
    QDir().mkpath(f->context->paths.dataDirectory);
    prsrg::testing::SetMessageSink([this](const QString& text) { registerMessages << text; });
    RegisterInit(f->context->paths.registerRoot);
    boxes = std::make_unique<MessageRecorder>();
    dialogs = std::make_unique<DataFileDialogStub>();
    registerMessages.clear();
    loadDialogs = 0;
  }

  void cleanup() {
    prsrg::testing::SetDialogHook({});
    prsrg::testing::SetMessageSink({});
    prsrg::testing::CloseRegister();
    dialogs.reset();
    boxes.reset();
    f.reset();
    dir.reset();
  }

  void saveInsideTheDesignatedDirectoryWarnsOfNothing() {
    QVERIFY(UsesSubjectRegister());
    MakeCurrent(QStringLiteral("Doe Jane"));
    UnsavedResults();
    const QString designated = Designated();
    QVERIFY(designated.startsWith(f->context->paths.registerRoot));
    dialogs->answers = {designated + QStringLiteral("/first.aly")};
    QVERIFY(f->frame->SaveDataCommand());
    QCOMPARE(dialogs->starts, QStringList{designated});
    QVERIFY(boxes->messages.isEmpty());
    QVERIFY(QFile::exists(designated + QStringLiteral("/first.aly")));
    QCOMPARE(f->data->dataSaved, 1);
    QCOMPARE(QString::fromStdString(f->data->subject.name), QStringLiteral("Doe Jane"));
    QVERIFY(registerMessages.isEmpty());
  }

  void saveElsewhereWarnsOnceAndStillWrites() {
    MakeCurrent(QStringLiteral("Doe Jane"));
    UnsavedResults();
    // A sibling whose name merely starts like the designated directory is
    // still elsewhere.
    const QString elsewhere = Designated() + QStringLiteral("0/x.aly");
    QDir().mkpath(Designated() + QStringLiteral("0"));
    dialogs->answers = {elsewhere};
    QVERIFY(f->frame->SaveDataCommand());
    QCOMPARE(boxes->messages,
             QStringList{QStringLiteral(
                 "You are saving the file outside the subject's designated directory.")});
    QVERIFY(QFile::exists(elsewhere));
    QCOMPARE(f->data->dataSaved, 1);
  }

  void saveWithoutASubjectAsksForOneAndStopsWhenRefused() {
    UnsavedResults();
    int asked = 0;
    prsrg::testing::SetDialogHook([&asked](QDialog& dialog) {
      ++asked;
      dialog.reject();
    });
    QVERIFY(!f->frame->SaveDataCommand());
    QCOMPARE(asked, 1);
    QVERIFY(dialogs->kinds.isEmpty());  // no file dialog
    QCOMPARE(f->data->dataSaved, 0);

    prsrg::testing::SetDialogHook([](QDialog& dialog) { CreateAndChoose(dialog, QStringLiteral("Roe Max")); });
    dialogs->answers = {QString()};  // then the save dialog is cancelled
    QVERIFY(!f->frame->SaveDataCommand());
    QCOMPARE(QString::fromStdString(f->data->subject.name), QStringLiteral("Roe Max"));
    QCOMPARE(f->data->dataSaved, 0);
  }

  void openFollowsTheLoadDialogsAnswer() {
    // Jane's file in Jane's directory; then Max is current.
    MakeCurrent(QStringLiteral("Doe Jane"));
    UnsavedResults();
    const QString janesFile = Designated() + QStringLiteral("/jane.aly");
    dialogs->answers = {janesFile};
    QVERIFY(f->frame->SaveDataCommand());
    MakeCurrent(QStringLiteral("Roe Max"));

    // Cancelled: no file dialog at all.
    AnswerLoadDialog(PrsrgLoadCancelled);
    f->frame->OpenDataCommand();
    QCOMPARE(loadDialogs, 1);
    QCOMPARE(dialogs->kinds.size(), 1);  // only the earlier save

    // The data directory: the file is read and its owner (Jane), not the
    // current subject (Max), becomes current and is shown.
    AnswerLoadDialog(PrsrgLoadFromDataDirectory);
    dialogs->answers = {janesFile};
    f->frame->OpenDataCommand();
    QCOMPARE(dialogs->starts.last(), f->context->paths.dataDirectory);
    QCOMPARE(QString::fromStdString(f->data->subject.name), QStringLiteral("Doe Jane"));
    QCOMPARE(f->frame->View().Mode(), Neutral);
    SubjectInfo savedAs;  // what the next Save writes into the file
    PrsrgNaplnSDA(&savedAs);
    QCOMPARE(QString::fromStdString(savedAs.name), QStringLiteral("Doe Jane"));

    // Max's directory, but Jane's file from elsewhere: the file's owner
    // becomes current and her record is shown.
    MakeCurrent(QStringLiteral("Roe Max"));
    std::string maxDirectory;
    PrsrgDirA(&maxDirectory);
    AnswerLoadDialog(PrsrgLoadFromSubjectDirectory);
    dialogs->answers = {janesFile};
    f->frame->OpenDataCommand();
    QCOMPARE(dialogs->starts.last(), QString::fromStdString(maxDirectory));
    QCOMPARE(QString::fromStdString(f->data->subject.name), QStringLiteral("Doe Jane"));
    QVERIFY(PrsrgPlatny());
    QCOMPARE(f->data->resultsPresent, 1);
    QCOMPARE(f->data->dataSaved, 1);
  }

  void openWithUnsavedResultsAnsweredNoReplacesThem() {
    MakeCurrent(QStringLiteral("Doe Jane"));
    UnsavedResults();
    const QString file = Designated() + QStringLiteral("/two.aly");
    QDir().mkpath(Designated());
    QVERIFY(SaveTestData(QFile::encodeName(file).toStdString(), *f->data).ok);
    f->data->results.responseCount = 5;
    f->data->dataSaved = 0;

    boxes->answer = false;
    AnswerLoadDialog(PrsrgLoadFromSubjectDirectory);
    dialogs->answers = {file};
    f->frame->OpenDataCommand();
    QCOMPARE(boxes->questions, QStringList{QStringLiteral("Data not saved. Save?")});
    QCOMPARE(f->data->results.responseCount, 2);
  }

  void cancelledOpenClearsTheCurrentPath() {
    MakeCurrent(QStringLiteral("Doe Jane"));
    UnsavedResults();
    dialogs->answers = {Designated() + QStringLiteral("/a.aly")};
    QVERIFY(f->frame->SaveDataCommand());
    QVERIFY(!f->frame->CurrentDataFilePath().isEmpty());
    AnswerLoadDialog(PrsrgLoadFromSubjectDirectory);
    f->frame->OpenDataCommand();  // the open dialog is cancelled
    QCOMPARE(f->frame->CurrentDataFilePath(), QString());
    QCOMPARE(f->data->results.responseCount, 2);
  }

  void saveAfterATestWritesItsTimingRecordBesideTheDataFile() {
    MakeCurrent(QStringLiteral("Doe Jane"));
    f->data->customConfiguration.timingMode = Code(TimingMode::Fixed);
    f->data->customConfiguration.fixedTimeMs = 100;
    f->frame->View().SetPerformDialog([](int32_t) { return PerformChoice{PerformMode::Custom, 3}; });
    f->frame->RunCommand(IdPerform);
    SimulatedSubject person({120.0, 0.0, 0.0}, 4);
    int64_t hostNs = 1'000'000'000;
    while (f->state->done.load() == 0) {
      OnBytesReceived(hostNs += 694'444, 1);
      OnDeviceByte(person.NextByte(*f->state, *f->data));
      QCoreApplication::processEvents();
    }
    QTRY_COMPARE(f->data->idle, 1);
    const QString file = Designated() + QStringLiteral("/timed.aly");
    dialogs->answers = {file};
    QVERIFY(f->frame->SaveDataCommand());
    QVERIFY(boxes->messages.isEmpty());

    // The data file is exactly what the format writes for these results.
    const QString reference = dir->filePath(QStringLiteral("reference.aly"));
    QVERIFY(SaveTestData(QFile::encodeName(reference).toStdString(), *f->data).ok);
    QFile saved(file);
    QFile written(reference);
    QVERIFY(saved.open(QIODevice::ReadOnly) && written.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), written.readAll());

    // One row per stimulus; the bytes between onset and response are the
    // response time the data file holds.
    QFile csv(Designated() + QStringLiteral("/timed.timing.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(lines.size(), 5);  // header, three rows, the empty end
    for (int i = 1; i <= 3; ++i) {
      const QList<QByteArray> fields = lines[i].trimmed().split(',');
      QCOMPARE(fields.size(), 19);
      QCOMPARE(fields[0].toInt(), i);
      QVERIFY(!fields[3].isEmpty());  // painted
      const int32_t bytes = fields[5].toInt() - fields[1].toInt();
      QCOMPARE(TicksToMilliseconds(bytes), f->data->results.responseMs[static_cast<std::size_t>(i)]);
    }
  }

  // Save As over a file whose record has 7 rows, from results without host
  // times: the old record goes with the old file. Over a write-protected file
  // (archived data) the save is refused and changes nothing.
  void saveReplacesTheTimingRecordOfTheFileItReplacesOrRefuses() {
    MakeCurrent(QStringLiteral("Doe Jane"));
    UnsavedResults();
    QDir().mkpath(Designated());
    const QString old = Designated() + QStringLiteral("/old.aly");
    auto seven = std::make_unique<DocumentData>();
    seven->results.responseCount = 7;
    QVERIFY(SaveTestDataAndTiming(LocalFile(old), *seven, &Rows(7)).data.ok);
    dialogs->answers = {old};
    QVERIFY(f->frame->SaveDataCommand());
    QVERIFY(boxes->messages.isEmpty());
    QVERIFY(!QFile::exists(Designated() + QStringLiteral("/old.timing.csv")));

    QFile::setPermissions(old, QFileDevice::ReadOwner);
    const QByteArray kept = Contents(old);
    f->data->results.responseMs[1] = 999;
    f->data->dataSaved = 0;
    dialogs->answers = {old};
    QVERIFY(!f->frame->SaveDataCommand());
    QCOMPARE(boxes->messages,
             QStringList{QStringLiteral("File Save Error\n") + old +
                         QStringLiteral(": is write-protected; nothing saved")});
    QCOMPARE(Contents(old), kept);
    QCOMPARE(f->data->dataSaved, 0);
  }

  // The record beside an opened file goes with its results into the next
  // save; one written for another save of the file is not used, and says so.
  void openTakesTheTimingRecordThatBelongsAndTellsOneThatDoesNot() {
    MakeCurrent(QStringLiteral("Doe Jane"));
    UnsavedResults();
    QDir().mkpath(Designated());
    const QString file = Designated() + QStringLiteral("/a.aly");
    QVERIFY(SaveTestDataAndTiming(LocalFile(file), *f->data, &Rows(2)).data.ok);
    AnswerLoadDialog(PrsrgLoadFromSubjectDirectory);
    dialogs->answers = {file};
    f->frame->OpenDataCommand();
    QVERIFY(boxes->messages.isEmpty());
    const QString copy = Designated() + QStringLiteral("/b.aly");
    dialogs->answers = {copy};
    QVERIFY(f->frame->SaveDataCommand());
    const TimingRecordRead carried = ReadTimingRecordOf(LocalFile(copy));
    QCOMPARE(carried.state, TimingRecordState::Belongs);
    QCOMPARE(carried.timing->stimuli.size(), std::size_t{2});

    // The data file saved again alone, as by a program killed before it
    // replaced the record.
    f->data->results.responseMs[1] = 999;
    QVERIFY(SaveTestData(LocalFile(file), *f->data).ok);
    AnswerLoadDialog(PrsrgLoadFromSubjectDirectory);
    dialogs->answers = {file};
    f->frame->OpenDataCommand();
    QCOMPARE(boxes->messages,
             QStringList{QStringLiteral("The timing record beside this data file is not used; "
                                        "saving the file replaces or removes it:\n") +
                         Designated() + QStringLiteral("/a.timing.csv: was written for another save of ") +
                         file});
  }

  void withoutAnOpenRegisterTheCommandsWorkWithoutIt() {
    // The register's root cannot be made: a file stands in its way.
    prsrg::testing::CloseRegister();
    const QString blocked = dir->filePath(QStringLiteral("blocked"));
    QFile blocker(blocked);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RegisterInit(blocked + QStringLiteral("/DATA"));
    QVERIFY(!RegisterIsOpen());
    registerMessages.clear();  // the failed start's own message

    // Save: one warning, then the file goes to the data directory.
    UnsavedResults();
    f->data->subject.name = "Doe Jane";
    const QString file = f->context->paths.dataDirectory + QStringLiteral("/jane.aly");
    dialogs->answers = {file};
    QVERIFY(f->frame->SaveDataCommand());
    QCOMPARE(boxes->messages,
             QStringList{QStringLiteral("The subject register is not open. The results are saved "
                                        "without it, starting in the data directory.")});
    QCOMPARE(dialogs->starts, QStringList{f->context->paths.dataDirectory});
    QVERIFY(QFile::exists(file));
    QCOMPARE(f->data->dataSaved, 1);

    // Subject Info edits the record in memory itself.
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      dialog->findChild<QLineEdit*>(QStringLiteral("1047"))->setText(QStringLiteral("Roe Max"));
      dialog->accept();
    });
    f->frame->Action(IdSubjectInfo)->trigger();
    QCOMPARE(QString::fromStdString(f->data->subject.name), QStringLiteral("Roe Max"));

    // Open reads the file with the subject it carries.
    dialogs->answers = {file};
    f->frame->OpenDataCommand();
    QCOMPARE(QString::fromStdString(f->data->subject.name), QStringLiteral("Doe Jane"));
    QCOMPARE(boxes->messages.size(), 1);
    QVERIFY2(registerMessages.isEmpty(), qPrintable(registerMessages.join(QLatin1Char('\n'))));
  }

  void subjectInfoTakesTheConfirmedSubject() {
    prsrg::testing::SetDialogHook([](QDialog& dialog) { CreateAndChoose(dialog, QStringLiteral("Poe Ann")); });
    f->frame->Action(IdSubjectInfo)->trigger();
    QCOMPARE(QString::fromStdString(f->data->subject.name), QStringLiteral("Poe Ann"));

    prsrg::testing::SetDialogHook([](QDialog& dialog) { dialog.reject(); });
    f->data->subject.name = "kept";
    f->frame->Action(IdSubjectInfo)->trigger();
    QCOMPARE(QString::fromStdString(f->data->subject.name), QStringLiteral("kept"));
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::RegisterCommandsTest)
#include "register_commands_test.moc"
