// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Setup menu's file commands: the dialog each asks (kind, filter, suffix,
// start directory), the suffix of a typed name, the overwrite question, and
// what the core's load and save report.

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "app/dialogs/filecommands.h"
#include "data/configuration_file.h"
#include "data/document_data.h"
#include "data/protocol_file.h"
#include "dialogtestsupport.h"

namespace alacrity::test {

namespace {

DocumentData Configured() {
  DocumentData data;
  TestConfiguration& c = data.customConfiguration;
  c.stimulusCount = 33;
  c.timingMode = 1;
  c.fixedTimeMs = 900;
  c.randomLowerMs = 400;
  c.randomUpperMs = 800;
  c.squareColor = 3;
  c.circleColor = 2;
  c.triangleColor = 1;
  c.crossColor = 0;
  c.background = 3;
  c.falseResponse = 1;
  data.customVoice = {.voiceSignal = 0, .voiceLeadMs = 120};
  data.portIndex = 4;
  return data;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
}

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    m_messages = std::make_unique<MessageRecorder>();
    m_files = std::make_unique<FileDialogStub>();
    QVERIFY(m_dir.isValid());
  }
  void cleanup() {
    m_files.reset();
    m_messages.reset();
  }

  void EachCommandAsksForItsFileType();
  void CancelChangesNothing();

  void SavedConfigurationGetsItsSuffixAndOpensAgain();
  void OpenConfigurationOfMissingFileAppliesDefaultsSilently();
  void OpenConfigurationOfOtherFileSaysIncompatible();
  void SaveConfigurationAsksBeforeReplacing();
  void SaveConfigurationFailureIsShown();

  void SavedProtocolGetsItsSuffixAndOpensAgain();
  void OpenProtocolOfMissingFileSaysErrorOpening();
  void SaveProtocolSetsNoFlag();

 private:
  QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir m_dir;
  std::unique_ptr<MessageRecorder> m_messages;
  std::unique_ptr<FileDialogStub> m_files;
};

void FileCommandsTest::EachCommandAsksForItsFileType() {
  DocumentData data;
  const QString programDir = m_dir.path();
  OpenConfigurationCommand(nullptr, programDir, data);
  SaveConfigurationCommand(nullptr, programDir, data);
  OpenProtocolCommand(nullptr, programDir, data);
  SaveProtocolCommand(nullptr, programDir, data);
  using Kind = SetupFileRequest::Kind;
  const QString cfg = QStringLiteral("Alacrity CFG Files (*.alycfg)");
  const QString prt = QStringLiteral("Alacrity Protocol Files (*.alyprt)");
  const QList<std::tuple<Kind, QString, QString>> expected = {
      {Kind::Open, cfg, QStringLiteral("alycfg")},
      {Kind::Save, cfg, QStringLiteral("alycfg")},
      {Kind::Open, prt, QStringLiteral("alyprt")},
      {Kind::Save, prt, QStringLiteral("alyprt")}};
  QCOMPARE(m_files->requests.size(), expected.size());
  for (qsizetype at = 0; at < expected.size(); ++at) {
    const SetupFileRequest& request = m_files->requests[at];
    QCOMPARE(request.kind, std::get<0>(expected[at]));
    QCOMPARE(request.filter, std::get<1>(expected[at]));
    QCOMPARE(request.defaultSuffix, std::get<2>(expected[at]));
    QCOMPARE(request.directory, programDir);
  }
}

void FileCommandsTest::CancelChangesNothing() {
  DocumentData data = Configured();
  data.protocolLoaded = 0;
  const DocumentData before = data;
  OpenConfigurationCommand(nullptr, m_dir.path(), data);
  OpenProtocolCommand(nullptr, m_dir.path(), data);
  QCOMPARE(data.customConfiguration, before.customConfiguration);
  QCOMPARE(data.portIndex, before.portIndex);
  QCOMPARE(data.protocol, before.protocol);
  QCOMPARE(data.protocolLoaded, 0);
  QVERIFY(m_messages->messages.isEmpty());
}

void FileCommandsTest::SavedConfigurationGetsItsSuffixAndOpensAgain() {
  const DocumentData saved = Configured();
  m_files->answers = {Path("lab")};
  SaveConfigurationCommand(nullptr, m_dir.path(), saved);
  QVERIFY(QFileInfo::exists(Path("lab.alycfg")));
  QCOMPARE(QFileInfo(Path("lab.alycfg")).size(), qint64{ConfigurationFileBytes});

  DocumentData opened;
  m_files->answers = {Path("lab.alycfg")};
  OpenConfigurationCommand(nullptr, m_dir.path(), opened);
  QCOMPARE(opened.customConfiguration, saved.customConfiguration);
  QCOMPARE(opened.customVoice, saved.customVoice);
  QCOMPARE(opened.portIndex, 4);
  QVERIFY(m_messages->messages.isEmpty());
}

void FileCommandsTest::OpenConfigurationOfMissingFileAppliesDefaultsSilently() {
  DocumentData data = Configured();
  m_files->answers = {Path("nowhere")};
  OpenConfigurationCommand(nullptr, m_dir.path(), data);
  QVERIFY(m_messages->messages.isEmpty());
  DocumentData defaults = Configured();
  ApplyDefaultConfiguration(defaults);
  QCOMPARE(data.customConfiguration, defaults.customConfiguration);
  QCOMPARE(data.customConfiguration.stimulusCount, 10);
  QCOMPARE(data.portIndex, 0);
  QCOMPARE(data.customVoice, Configured().customVoice);
}

void FileCommandsTest::OpenConfigurationOfOtherFileSaysIncompatible() {
  WriteBytes(Path("other.alycfg"), QByteArray(81, 'x'));
  DocumentData data = Configured();
  m_files->answers = {Path("other.alycfg")};
  OpenConfigurationCommand(nullptr, m_dir.path(), data);
  QCOMPARE(m_messages->messages, QStringList{QStringLiteral("Incompatible data")});
  QCOMPARE(data.customConfiguration, Configured().customConfiguration);
  QCOMPARE(data.portIndex, 4);
}

void FileCommandsTest::SaveConfigurationAsksBeforeReplacing() {
  WriteBytes(Path("kept.alycfg"), "old");
  m_messages->answer = false;
  m_files->answers = {Path("kept"), QString()};
  SaveConfigurationCommand(nullptr, m_dir.path(), Configured());
  QCOMPARE(m_messages->questions.size(), 1);
  QVERIFY(m_messages->questions.first().startsWith(QStringLiteral("kept.alycfg already exists.")));
  QCOMPARE(Contents(Path("kept.alycfg")), QByteArray("old"));

  m_messages->answer = true;
  m_files->answers = {Path("kept.alycfg")};
  SaveConfigurationCommand(nullptr, m_dir.path(), Configured());
  QCOMPARE(m_messages->questions.size(), 2);
  QCOMPARE(Contents(Path("kept.alycfg")).size(), qsizetype{ConfigurationFileBytes});
}

void FileCommandsTest::SaveConfigurationFailureIsShown() {
  m_files->answers = {Path("no/such/dir/x.alycfg")};
  SaveConfigurationCommand(nullptr, m_dir.path(), Configured());
  QCOMPARE(m_messages->messages, QStringList{QStringLiteral("File Save Error\n") + Path("no/such/dir") +
                                             QStringLiteral(": No such file or directory")});
}

void FileCommandsTest::SavedProtocolGetsItsSuffixAndOpensAgain() {
  DocumentData saved;
  saved.protocol.name = "Series A";
  saved.protocol.header = {.itemCount = 2,
                           .background = 2,
                           .falseResponse = 1,
                           .squareColor = 1,
                           .circleColor = 2,
                           .triangleColor = 3,
                           .crossColor = 0};
  saved.protocol.items[0] = {150, 3};
  saved.protocol.items[1] = {2500, 1};
  saved.customVoice = {.voiceSignal = 0, .voiceLeadMs = 300};
  m_files->answers = {Path("series")};
  SaveProtocolCommand(nullptr, m_dir.path(), saved);
  QVERIFY(QFileInfo::exists(Path("series.alyprt")));

  DocumentData opened;
  m_files->answers = {Path("series.alyprt")};
  OpenProtocolCommand(nullptr, m_dir.path(), opened);
  QVERIFY(m_messages->messages.isEmpty());
  QCOMPARE(opened.protocol.name, saved.protocol.name);
  QCOMPARE(opened.protocol.header, saved.protocol.header);
  QCOMPARE(opened.protocol.items[1], saved.protocol.items[1]);
  QCOMPARE(opened.customVoice, saved.customVoice);
  QCOMPARE(opened.protocolLoaded, 1);
}

void FileCommandsTest::OpenProtocolOfMissingFileSaysErrorOpening() {
  DocumentData data;
  m_files->answers = {Path("absent")};
  OpenProtocolCommand(nullptr, m_dir.path(), data);
  QCOMPARE(m_messages->messages, QStringList{QStringLiteral("Error opening file\n") + Path("absent.alyprt") +
                                             QStringLiteral(": No such file or directory")});
  QCOMPARE(data.protocolLoaded, 0);
}

void FileCommandsTest::SaveProtocolSetsNoFlag() {
  DocumentData data;
  data.protocol.name = "n";
  m_files->answers = {Path("flagless.alyprt")};
  SaveProtocolCommand(nullptr, m_dir.path(), data);
  QCOMPARE(data.protocolLoaded, 0);
  QVERIFY(QFileInfo::exists(Path("flagless.alyprt")));
}

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::FileCommandsTest)
#include "filecommands_test.moc"
