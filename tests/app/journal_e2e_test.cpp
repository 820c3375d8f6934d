// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Nothing answered is lost when the program dies during a test. The program
// (this executable started again as a child) runs a test through the real
// serial link on the box simulator's pseudo-terminal while a scripted
// subject answers; the child is killed with SIGKILL mid-run; a new program
// finds the journal, restores it and saves it, and the saved data file
// holds every answer the engine had accepted well before the kill.

#include <QApplication>
#include <QAbstractButton>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <signal.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <thread>

#include "alacrityview.h"
#include "apptestsupport.h"
#include "commandids.h"
#include "data/enums.h"
#include "data/run_journal.h"
#include "data/test_data_file.h"
#include "devicerunlink.h"
#include "engine/journal_keeper.h"
#include "journalrecovery.h"
#include "link/box_simulator.h"
#include "localpath.h"
#include "subjectregister.h"

namespace alacrity::test {
namespace {

constexpr int StimulusCount = 8;
constexpr int FixedWaitMs = 300;
const char* const ChildSwitch = "--journalled-child";

int64_t MonotonicNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The set-up both programs agree on.
void SetUpDocument(DocumentData& data) {
  ApplyDefaultConfiguration(data);
  data.customConfiguration.timingMode = Code(TimingMode::Fixed);
  data.customConfiguration.fixedTimeMs = FixedWaitMs;
  data.customVoice = {1, 120};
  data.portIndex = 0;
  data.subject = {"Eva Journal", 0, 165, 58, "right-handed", "", "c3"};
}

TestConfiguration ExpectedConfiguration() {
  auto data = std::make_unique<DocumentData>();
  SetUpDocument(*data);
  data->customConfiguration.stimulusCount = StimulusCount;
  return data->customConfiguration;
}

int32_t ButtonNumber(int32_t nibble) {
  switch (nibble) {
    case 1: return 0;
    case 2: return 1;
    case 4: return 2;
    case 8: return 3;
    default: return 5;
  }
}

// The child: a test on the real link, its schedule and every answer the
// engine accepts printed as they happen, until it is killed.
int RunChild(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString programDirectory = QString::fromLocal8Bit(argv[2]);
  qputenv("ALACRITY_COM1", argv[3]);

  DocumentData& data = TheDocumentData();
  SetUpDocument(data);
  DeviceRunLink link;
  JournalKeeper journal(LocalPath(programDirectory + QStringLiteral("/journal")));
  AppContext context{data, TheRunState(), link, PathsInDirectory(programDirectory), {}, false,
                     &journal};
  CMainFrame frame(context);
  frame.show();
  MessageRecorder boxes;
  frame.View().SetPerformDialog(
      [](int32_t) { return PerformChoice{PerformMode::Custom, StimulusCount}; });
  frame.RunCommand(IdPerform);
  if (data.idle != 0 || !boxes.messages.isEmpty()) {
    std::fprintf(stderr, "the test did not start: %s\n",
                 qPrintable(boxes.messages.join(QLatin1Char('\n'))));
    return 1;
  }
  std::printf("schedule");
  for (std::size_t i = 1; i <= StimulusCount; ++i) {
    std::printf(" %d %d", data.results.generationMs[i], data.results.objectIndex[i]);
  }
  std::printf("\nready\n");
  std::fflush(stdout);

  // The engine publishes an answer by advancing `current` after writing its
  // entry, so what is read here is what it accepted, and when.
  std::atomic<bool> stop{false};
  std::thread observer([&data, &stop] {
    RunState& state = TheRunState();
    int32_t reported = 1;
    while (!stop.load()) {
      const int32_t current = state.current.load();
      for (; reported < current; ++reported) {
        const auto slot = static_cast<std::size_t>(reported);
        std::printf("answer %d %d %d %lld\n", reported, data.results.responseMs[slot],
                    data.results.buttonIndex[slot], static_cast<long long>(MonotonicNs()));
        std::fflush(stdout);
      }
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });
  const int code = app.exec();
  stop = true;
  observer.join();
  return code;
}

// Every file under `directory` with its bytes.
QMap<QString, QByteArray> FilesUnder(const QString& directory) {
  QMap<QString, QByteArray> files;
  QDirIterator it(directory, QDir::Files | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile file(it.next());
    files.insert(QDir(directory).relativeFilePath(file.fileName()),
                 file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable"));
  }
  return files;
}

struct ChildAnswer {
  int32_t responseMs = 0;
  int32_t buttons = 0;
  int64_t acceptedNs = 0;
};

}  // namespace

class JournalEndToEndTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void killedTestIsRestoredAndSaved() {
    BoxSimulator box;
    if (!box.Open()) QSKIP("no pseudo-terminal on this machine");
    QTemporaryDir dir;
    const QString programDirectory = dir.filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(programDirectory));

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(ChildSwitch), programDirectory,
                 QString::fromStdString(box.DevicePath())});
    QVERIFY(child.waitForStarted());

    std::vector<std::pair<int32_t, int32_t>> schedule;  // generation time, object
    std::map<int32_t, ChildAnswer> answers;
    bool ready = false;
    auto readLines = [&] {
      while (child.canReadLine()) {
        const QList<QByteArray> fields = child.readLine().trimmed().split(' ');
        if (fields[0] == "ready") ready = true;
        if (fields[0] == "schedule") {
          for (qsizetype i = 1; i + 1 < fields.size(); i += 2)
            schedule.emplace_back(fields[i].toInt(), fields[i + 1].toInt());
        }
        if (fields[0] == "answer" && fields.size() == 5) {
          answers[fields[1].toInt()] = {fields[2].toInt(), fields[3].toInt(), fields[4].toLongLong()};
        }
      }
    };
    QTRY_VERIFY_WITH_TIMEOUT((child.waitForReadyRead(50), readLines(), ready), 15000);
    QCOMPARE(schedule.size(), std::size_t{StimulusCount});

    // The start press, then each stimulus answered with its own button 200
    // ms after it appears (300 ms of wait once the buttons are up).
    std::string script = "100:1:50";
    for (const auto& [generationMs, object] : schedule) script += " 500:" + std::to_string(object + 1) + ":50";
    std::string error;
    auto steps = ParsePressScript(script, error);
    QVERIFY2(steps.has_value(), error.c_str());
    QVERIFY(box.Start(std::make_unique<ScriptedSubject>(*steps, false)));

    // Killed between the fourth and the fifth answer.
    QTRY_VERIFY_WITH_TIMEOUT((child.waitForReadyRead(20), readLines(), answers.size() >= 4), 20000);
    QTest::qWait(150);
    const int64_t killedNs = MonotonicNs();
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished(5000));
    readLines();
    box.Close();
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QVERIFY(answers.size() < std::size_t{StimulusCount});

    // A new program starts in the same directory.
    qputenv("ALACRITY_STATION", "journal-station");
    qunsetenv("ALACRITY_REGISTER_DB");
    RegisterInit(dir.filePath(QStringLiteral("DATA")));
    ResetDocumentData();
    DocumentData& data = TheDocumentData();
    FakeRunLink link(data);
    JournalKeeper journal(LocalPath(programDirectory + QStringLiteral("/journal")));
    AppContext context{data, TheRunState(), link, PathsInDirectory(programDirectory), {}, false,
                       &journal};
    CMainFrame frame(context);
    frame.show();
    MessageRecorder boxes;
    boxes.answer = true;
    RecoverJournals(frame, context);
    QCOMPARE(boxes.questions.size(), 1);
    QVERIFY2(boxes.questions[0].startsWith(QStringLiteral("An unsaved test of Eva Journal from ")),
             qPrintable(boxes.questions[0]));
    QVERIFY(boxes.questions[0].endsWith(QStringLiteral(" answered stimuli was found. Restore it?")));
    QCOMPARE(frame.View().Mode(), Result);
    QCOMPARE(data.dataSaved, 0);

    DataFileDialogStub dialogs;
    const QString saved = dir.filePath(QStringLiteral("restored.aly"));
    dialogs.answers = {saved};
    QVERIFY(frame.SaveDataCommand());
    QVERIFY(FindJournals(journal.Directory()).empty());
    QVERIFY(QDir(QString::fromStdString(journal.Directory().string()))
                .entryList(QDir::Files | QDir::Hidden)
                .isEmpty());

    auto file = std::make_unique<DocumentData>();
    QVERIFY(LoadTestData(LocalPath(saved), *file).ok);
    QVERIFY(file->runConfiguration == ExpectedConfiguration());
    QCOMPARE(QString::fromStdString(file->subject.name), QStringLiteral("Eva Journal"));
    QCOMPARE(QString::fromStdString(file->subject.comment1), QStringLiteral("right-handed"));
    QCOMPARE(file->subject.height, 165);
    QVERIFY(file->runVoice == (VoiceSettings{1, 120}));
    QVERIFY(file->results.testTime != 0);
    int32_t mustHave = 0;
    for (const auto& [stimulus, answer] : answers) {
      if (answer.acceptedNs <= killedNs - 50'000'000) mustHave = stimulus;
    }
    QVERIFY(mustHave >= 4);
    QVERIFY2(file->results.responseCount >= mustHave,
             qPrintable(QStringLiteral("%1 of %2").arg(file->results.responseCount).arg(mustHave)));
    for (int32_t k = 1; k <= file->results.responseCount; ++k) {
      const auto slot = static_cast<std::size_t>(k);
      const ChildAnswer& answer = answers.at(k);
      QCOMPARE(file->results.responseMs[slot], answer.responseMs);
      QCOMPARE(file->results.buttonIndex[slot], ButtonNumber(answer.buttons));
      QCOMPARE(file->results.generationMs[slot], schedule[slot - 1].first);
      QCOMPARE(file->results.objectIndex[slot], schedule[slot - 1].second);
      QCOMPARE(file->results.buttonIndex[slot], file->results.objectIndex[slot]);
    }
  }

  void journalsLeftBehindAreAskedForDeletedOrSetAside() {
    QTemporaryDir dir;
    FrameFixture f;
    JournalKeeper journal(LocalPath(dir.filePath(QStringLiteral("journal"))));
    f.context->journal = &journal;
    JournalSetUp setUp;
    setUp.subject.name = "Kept";
    setUp.testTime = 1'700'000'000;  // 14.11.2023, 22:13:20 UTC
    setUp.schedule = {{500, 0}, {500, 1}};
    std::string error;
    QStringList paths;
    for (const char* name : {"Kept", "Deleted"}) {
      setUp.subject.name = name;
      ++setUp.testTime;
      auto written = RunJournal::Create(journal.Directory(), setUp, error);
      QVERIFY2(written, error.c_str());
      QVERIFY(written->Append({1, 333, 1}));
      paths.append(QString::fromStdString(written->Path().string()));
    }
    setUp.schedule.clear();
    QVERIFY(RunJournal::Create(journal.Directory(), setUp, error));  // nothing answered
    const auto damaged = journal.Directory() / "19700101-000000-1-0.alyjournal";
    std::ofstream(damaged, std::ios::binary) << std::string("ALYJRNL\n\x01\0\0\0", 12);
    // A header never renamed into place: the program died in between.
    const auto header = journal.Directory() / ".19700101-000000-1-1.alyjournal.tmp";
    std::ofstream(header, std::ios::binary) << "ALYJRNL\n";
    std::filesystem::last_write_time(
        header, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));

    MessageRecorder boxes;
    boxes.answers = {false, false, false, true};  // keep the first, delete the second
    RecoverJournals(*f.frame, *f.context);
    QCOMPARE(boxes.messages,
             QStringList{QStringLiteral("The journal 19700101-000000-1-0.alyjournal is damaged; it "
                                        "was renamed to 19700101-000000-1-0.alyjournal.damaged.")});
    QCOMPARE(boxes.questions,
             (QStringList{QStringLiteral("An unsaved test of Kept from 14.11.2023, 22:13:21 with 1 "
                                         "answered stimuli was found. Restore it?"),
                          QStringLiteral("Delete the unsaved test of Kept from 14.11.2023, "
                                         "22:13:21 with 1 answered stimuli for good? Its journal "
                                         "%1 is then removed; No keeps it for the next start.")
                              .arg(paths[0]),
                          QStringLiteral("An unsaved test of Deleted from 14.11.2023, 22:13:22 with "
                                         "1 answered stimuli was found. Restore it?"),
                          QStringLiteral("Delete the unsaved test of Deleted from 14.11.2023, "
                                         "22:13:22 with 1 answered stimuli for good? Its journal "
                                         "%1 is then removed; No keeps it for the next start.")
                              .arg(paths[1])}));
    QCOMPARE(f.data->resultsPresent, 0);
    const auto left = FindJournals(journal.Directory());
    QCOMPARE(left.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(left[0].parsed.image->setUp.subject.name), QStringLiteral("Kept"));
    QVERIFY(std::filesystem::exists(damaged.string() + ".damaged"));
    QVERIFY(!std::filesystem::exists(header));
  }

  void restoredTestIsAResultInEveryView() {
    QTemporaryDir dir;
    FrameFixture f;
    JournalKeeper journal(LocalPath(dir.filePath(QStringLiteral("journal"))));
    f.context->journal = &journal;
    JournalSetUp setUp;
    setUp.subject.name = "Restored";
    setUp.schedule = {{500, 0}, {500, 1}, {500, 2}};
    std::string error;
    auto written = RunJournal::Create(journal.Directory(), setUp, error);
    QVERIFY2(written, error.c_str());
    for (const JournalAnswer& answer : {JournalAnswer{1, 300, 1}, {2, 310, 2}, {3, 320, 4}}) {
      QVERIFY(written->Append(answer));
    }
    written.reset();
    MessageRecorder boxes;
    boxes.answer = true;
    RecoverJournals(*f.frame, *f.context);
    QCOMPARE(f.frame->View().Mode(), Result);
    for (const int id : {IdResponseByResponse, IdSplitSummary, IdResult, IdStatistics, IdChart,
                         IdFilePrint, IdFilePrintPreview}) {
      QVERIFY2(f.frame->Action(id)->isEnabled(), qPrintable(f.frame->Action(id)->objectName()));
    }
  }

  // A scripted station check on a station that keeps a journal for its next
  // start: the self-test neither offers it nor waits for a click, leaves no
  // file of its own and ends with its verdict.
  void selfTestLeavesTheStationAsItFoundIt() {
    BoxSimulator box;
    if (!box.Open()) QSKIP("no pseudo-terminal on this machine");
    std::string error;
    // Every stimulus answered: 1200 ms after each release is past the longest
    // wait of the built-in configuration and the response's dead time.
    const auto steps = ParsePressScript("1200:1:100", error);
    QVERIFY2(steps.has_value(), error.c_str());
    QVERIFY(box.Start(std::make_unique<ScriptedSubject>(*steps, true)));
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home"));
    const QString temporary = dir.filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(temporary));
    JournalSetUp setUp;
    setUp.subject.name = "Waiting";
    setUp.schedule = {{500, 0}, {500, 1}};
    auto written = RunJournal::Create(LocalPath(home + QStringLiteral("/journal")), setUp, error);
    QVERIFY2(written, error.c_str());
    QVERIFY(written->Append({1, 333, 1}));
    written.reset();
    const QMap<QString, QByteArray> before = FilesUnder(home);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ALACRITY_HOME"), home);
    environment.insert(QStringLiteral("ALACRITY_COM1"), QString::fromStdString(box.DevicePath()));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("TMPDIR"), temporary);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ALACRITY_PROGRAM), {QStringLiteral("--self-test")});
    const bool ended = program.waitForFinished(60000);
    if (!ended) {
      program.kill();
      program.waitForFinished();
    }
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(ended, qPrintable(out));
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(out.endsWith(QStringLiteral("self-test passed\n")), qPrintable(out));
    QVERIFY2(!out.contains(QStringLiteral("Waiting")), qPrintable(out));
    QCOMPARE(FilesUnder(home), before);
    QCOMPARE(FilesUnder(temporary), (QMap<QString, QByteArray>{}));
  }

  // The real boxes: No to restoring, then Enter, as an operator's habit
  // answers, to deleting.
  void enterKeepsAJournalLeftBehind() {
    QTemporaryDir dir;
    FrameFixture f;
    JournalKeeper journal(LocalPath(dir.filePath(QStringLiteral("journal"))));
    f.context->journal = &journal;
    JournalSetUp setUp;
    setUp.subject.name = "Kept";
    setUp.testTime = 1'700'000'000;
    setUp.schedule = {{500, 0}, {500, 1}};
    std::string error;
    auto written = RunJournal::Create(journal.Directory(), setUp, error);
    QVERIFY2(written, error.c_str());
    QVERIFY(written->Append({1, 333, 1}));
    const std::filesystem::path path = written->Path();
    written.reset();

    QStringList texts;
    QPointer<QMessageBox> answered;
    QTimer operatorHand;
    connect(&operatorHand, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      if (box == answered) {  // Enter did not close it: give up rather than hang
        box->reject();
        return;
      }
      answered = box;
      texts.append(box->text());
      if (texts.size() == 1) {
        box->button(QMessageBox::No)->click();
      } else {
        QTest::keyClick(box, Qt::Key_Return);
      }
    });
    operatorHand.start(20);
    RecoverJournals(*f.frame, *f.context);
    operatorHand.stop();
    QCOMPARE(texts.size(), 2);
    QVERIFY2(texts[1].contains(QString::fromStdString(path.string())), qPrintable(texts[1]));
    QVERIFY(std::filesystem::exists(path));
  }
};

}  // namespace alacrity::test

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == alacrity::test::ChildSwitch) {
    return alacrity::test::RunChild(argc, argv);
  }
  QApplication app(argc, argv);
  alacrity::test::JournalEndToEndTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "journal_e2e_test.moc"
