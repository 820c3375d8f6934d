// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program keeps its files, and the default configuration at start
// and at exit.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "apptestsupport.h"
#include "data/configuration_file.h"
#include "programpaths.h"
#include "startup.h"

namespace alacrity::test {

class StartupTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void pathsFollowFromTheProgramDirectory() {
    const ProgramPaths paths = PathsInDirectory(QStringLiteral("/opt/apps/rtest/"));
    QCOMPARE(paths.programDirectory, QStringLiteral("/opt/apps/rtest"));
    QCOMPARE(paths.defaultConfigurationPath, QStringLiteral("/opt/apps/rtest/default.alycfg"));
    QCOMPARE(paths.dataDirectory, QStringLiteral("/opt/apps/rtest/DATA"));
    QCOMPARE(paths.registerRoot, QStringLiteral("/opt/apps/DATA"));
  }

  void registerRootNextToATopLevelDirectory() {
    const ProgramPaths paths = PathsInDirectory(QStringLiteral("/rtest"));
    QCOMPARE(paths.registerRoot, QStringLiteral("/DATA"));
  }

  void programDirectoryWithoutParentKeepsTheRegisterInItsDataDirectory() {
    const ProgramPaths paths = PathsInDirectory(QStringLiteral("/"));
    QCOMPARE(paths.programDirectory, QStringLiteral("/"));
    QCOMPARE(paths.defaultConfigurationPath, QStringLiteral("/default.alycfg"));
    QCOMPARE(paths.dataDirectory, QStringLiteral("/DATA"));
    QCOMPARE(paths.registerRoot, paths.dataDirectory);
  }

  void homeVariableComesFirst() {
    QTemporaryDir executable;
    ProgramDirectorySources sources;
    sources.homeVariable = QStringLiteral("/somewhere/else");
    sources.executableDirectory = executable.path();
    sources.appDataDirectory = [] { return QStringLiteral("/not/used"); };
    QCOMPARE(ChooseProgramDirectory(sources), QStringLiteral("/somewhere/else"));
  }

  void writableExecutableDirectoryIsAPortableCopy() {
    QTemporaryDir executable;
    ProgramDirectorySources sources;
    sources.executableDirectory = executable.path();
    sources.appDataDirectory = [] { return QStringLiteral("/not/used"); };
    QCOMPARE(ChooseProgramDirectory(sources), executable.path());
    // The probe leaves nothing behind.
    QCOMPARE(QDir(executable.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
  }

  void unwritableExecutableDirectoryFallsBackToAppData() {
    QTemporaryDir home;
    const QString appData = home.filePath(QStringLiteral("share/alacrity"));
    ProgramDirectorySources sources;
    // Not even root can create files in /proc.
    sources.executableDirectory = QStringLiteral("/proc");
    sources.appDataDirectory = [appData] { return appData; };
    QVERIFY(!CanCreateFilesIn(QStringLiteral("/proc")));
    QCOMPARE(ChooseProgramDirectory(sources), appData);
    QVERIFY(QFileInfo(appData).isDir());  // created

    sources.executableDirectory = home.filePath(QStringLiteral("missing"));
    QCOMPARE(ChooseProgramDirectory(sources), appData);
  }

  void installedProgramNeverWritesBesideItself() {
    // Root can write to the installation's bin directory; an installed
    // program must still keep its files in the per-user directory.
    QTemporaryDir bin;
    QTemporaryDir home;
    const QString appData = home.filePath(QStringLiteral("share/alacrity"));
    ProgramDirectorySources sources;
    sources.executableDirectory = bin.path();
    sources.installedBinDirectory = bin.path() + QStringLiteral("/");
    sources.appDataDirectory = [appData] { return appData; };
    QCOMPARE(ChooseProgramDirectory(sources), appData);

    // There the register lives with the program's own files.
    const ProgramPaths perUser = ProgramPathsFor(sources, appData);
    QCOMPARE(perUser.registerRoot, perUser.dataDirectory);
    const ProgramPaths portable = ProgramPathsFor(sources, bin.path());
    QCOMPARE(portable.registerRoot, QFileInfo(bin.path()).path() + QStringLiteral("/DATA"));
  }

  void processSourcesReadTheEnvironment() {
    qputenv("ALACRITY_HOME", "/tmp/alacrity-home-test");
    QCOMPARE(ProcessDirectorySources().homeVariable, QStringLiteral("/tmp/alacrity-home-test"));
    qunsetenv("ALACRITY_HOME");
    QCOMPARE(ProcessDirectorySources().homeVariable, QString());
  }

  void dataDirectoryCreatedOnceAndLeftAlone() {
    QTemporaryDir home;
    const ProgramPaths paths = PathsInDirectory(home.path());
    CreateDataDirectory(paths);
    QVERIFY(QFileInfo(paths.dataDirectory).isDir());
    QFile marker(paths.dataDirectory + QStringLiteral("/kept.aly"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    CreateDataDirectory(paths);
    QVERIFY(marker.exists());
    // A data directory that cannot be made is no error.
    CreateDataDirectory(PathsInDirectory(QStringLiteral("/proc/no-such-program")));
  }

  void missingConfigurationGivesTheBuiltInOneSilently() {
    QTemporaryDir home;
    MessageRecorder boxes;
    auto data = std::make_unique<DocumentData>();
    LoadStartConfiguration(PathsInDirectory(home.path()), *data, nullptr);
    QVERIFY(boxes.messages.isEmpty());
    QCOMPARE(data->customConfiguration.stimulusCount, 10);
    QCOMPARE(data->customConfiguration.randomUpperMs, 1000);
  }

  void refusedConfigurationSaysSoAndKeepsTheBuiltInOne() {
    QTemporaryDir home;
    const ProgramPaths paths = PathsInDirectory(home.path());
    QFile file(paths.defaultConfigurationPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(81, 'x'));
    file.close();
    MessageRecorder boxes;
    auto data = std::make_unique<DocumentData>();
    LoadStartConfiguration(paths, *data, nullptr);
    QCOMPARE(boxes.messages, QStringList{QStringLiteral("Incompatible data")});
    // Not the all-zero start record: that would be written back at exit.
    QCOMPARE(data->customConfiguration.stimulusCount, 10);
    QCOMPARE(data->customConfiguration.fixedTimeMs, 500);
  }

  void configurationRoundTripsThroughExitAndStart() {
    QTemporaryDir home;
    const ProgramPaths paths = PathsInDirectory(home.path());
    auto before = std::make_unique<DocumentData>();
    ApplyDefaultConfiguration(*before);
    before->customConfiguration.stimulusCount = 37;
    before->portIndex = 3;
    QVERIFY(SaveExitConfiguration(paths, *before));
    QCOMPARE(QFileInfo(paths.defaultConfigurationPath).size(), qint64{81});

    MessageRecorder boxes;
    auto after = std::make_unique<DocumentData>();
    LoadStartConfiguration(paths, *after, nullptr);
    QVERIFY(boxes.messages.isEmpty());
    QCOMPARE(after->customConfiguration, before->customConfiguration);
    QCOMPARE(after->portIndex, 3);

    QVERIFY(!SaveExitConfiguration(PathsInDirectory(QStringLiteral("/proc/nowhere")), *before));
  }

  // The options are answered without a window system: no display, and the
  // X11 platform asked for or left to Qt's choice.
  void helpAndVersionNeedNoDisplay_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("expected");
    QTest::newRow("help, default platform") << "--help" << "" << "--keyboard-box";
    QTest::newRow("help, xcb") << "--help" << "xcb" << "--keyboard-box";
    QTest::newRow("short help") << "-h" << "xcb" << "--screenshot <DIR>";
    QTest::newRow("version") << "--version" << "xcb"
                             << "alacrity " ALACRITY_VERSION "\nCopyright (C) 2026 The alacrity authors\n";
  }

  void helpAndVersionNeedNoDisplay() {
    QFETCH(QString, option);
    QFETCH(QString, platform);
    QFETCH(QString, expected);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!platform.isEmpty()) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ALACRITY_PROGRAM), {option});
    QVERIFY(program.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, qPrintable(program.readAllStandardError()));
    QVERIFY2(output.contains(expected), qPrintable(output));
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::StartupTest)
#include "startup_test.moc"
