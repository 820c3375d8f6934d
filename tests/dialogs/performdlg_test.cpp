// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// "Perform": the mode and number remembered across openings, the refusal of
// a protocol run with no protocol in memory, the bounds of a custom run, and
// Load protocol.

#include <QTemporaryDir>
#include <QtTest>

#include "app/dialogs/performdlg.h"
#include "data/document_data.h"
#include "data/protocol_file.h"
#include "dialogtestsupport.h"

namespace alacrity::test {

namespace {

constexpr const char* CustomMode = "1005";
constexpr const char* ProtocolMode = "1006";
constexpr const char* Number = "1025";
constexpr const char* NameBox = "1026";
constexpr const char* LoadButton = "1041";

// Writes a protocol named `name` with one item and returns its path.
QString WriteProtocol(const QTemporaryDir& dir, const char* file, const char* name) {
  DocumentData source;
  source.protocol.name = name;
  source.protocol.header.itemCount = 1;
  source.protocol.items[0] = {500, 2};
  const QString path = dir.filePath(QString::fromLatin1(file));
  if (!SaveProtocol(path.toStdString(), source).ok) qFatal("cannot write %s", file);
  return path;
}

}  // namespace

class PerformDlgTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { m_messages = std::make_unique<MessageRecorder>(); }
  void cleanup() { m_messages.reset(); }

  void OpensFromTheRememberedChoice();
  void ShowsTheNameOnlyOfALoadedProtocol();
  void ProtocolModeWithoutProtocolIsRefused();
  void ProtocolModeWithProtocolIgnoresTheNumber();
  void CustomCountIsBoundedForTheSchedule_data();
  void CustomCountIsBoundedForTheSchedule();
  void CancelKeepsTheRememberedChoice();
  void ConfirmedModeIsRememberedForTheNextOpening();

  void LoadProtocolSwitchesToProtocolAtOnce();
  void LoadProtocolAsksForAProtocolFile();
  void LoadProtocolCancelledChangesNothing();
  void RefusedFileWithoutEarlierProtocolLeavesDialog();
  void RefusedFileKeepsTheEarlierProtocol();
  void LoadRefillsTheNumberLastRead();

 private:
  std::unique_ptr<MessageRecorder> m_messages;
};

void PerformDlgTest::OpensFromTheRememberedChoice() {
  DocumentData data;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 25};
  CPerformDlg dialog(data, QString(), choice);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Perform"));
  QVERIFY(IsChecked(dialog, CustomMode));
  QVERIFY(!IsChecked(dialog, ProtocolMode));
  QCOMPARE(Text(dialog, Number), QStringLiteral("25"));
  QVERIFY(Edit(dialog, NameBox)->isReadOnly());
  QCOMPARE(Button(dialog, LoadButton)->text(), QStringLiteral("&Load protocol"));
}

void PerformDlgTest::ShowsTheNameOnlyOfALoadedProtocol() {
  DocumentData data;
  data.protocol.name = "not yet";
  PerformChoice choice;
  {
    CPerformDlg dialog(data, QString(), choice);
    QCOMPARE(Text(dialog, NameBox), QStringLiteral("no protocol loaded"));
  }
  data.protocolLoaded = 1;
  CPerformDlg dialog(data, QString(), choice);
  QCOMPARE(Text(dialog, NameBox), QStringLiteral("not yet"));
}

void PerformDlgTest::ProtocolModeWithoutProtocolIsRefused() {
  DocumentData data;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 10};
  CPerformDlg dialog(data, QString(), choice);
  dialog.show();
  Click(dialog, ProtocolMode);
  Click(dialog, "1");
  QCOMPARE(m_messages->messages, QStringList{QStringLiteral("No protocol loaded")});
  QVERIFY(dialog.isVisible());
  QCOMPARE(dialog.result(), int{QDialog::Rejected});
  QCOMPARE(choice.mode, PerformMode::Custom);
}

void PerformDlgTest::ProtocolModeWithProtocolIgnoresTheNumber() {
  DocumentData data;
  data.protocolLoaded = 1;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 10};
  CPerformDlg dialog(data, QString(), choice);
  dialog.show();
  Click(dialog, ProtocolMode);
  SetText(dialog, Number, QStringLiteral("none"));
  Click(dialog, "1");
  QVERIFY(m_messages->messages.isEmpty());
  QCOMPARE(dialog.result(), int{QDialog::Accepted});
  QCOMPARE(choice.mode, PerformMode::Protocol);
  QCOMPARE(choice.stimuliToFollow, 10);
  QCOMPARE(dialog.Choice().mode, PerformMode::Protocol);
}

void PerformDlgTest::CustomCountIsBoundedForTheSchedule_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("message");
  const QString range = QStringLiteral("Please enter an integer between 1 and 1199.");
  QTest::newRow("0") << "0" << range;
  QTest::newRow("1") << "1" << QString();
  QTest::newRow("1199") << "1199" << QString();
  QTest::newRow("1200") << "1200" << range;
  QTest::newRow("-5") << "-5" << range;
  QTest::newRow("text") << "many" << QStringLiteral("Please enter an integer.");
}

void PerformDlgTest::CustomCountIsBoundedForTheSchedule() {
  QFETCH(QString, typed);
  QFETCH(QString, message);
  DocumentData data;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 10};
  CPerformDlg dialog(data, QString(), choice);
  dialog.show();
  SetText(dialog, Number, typed);
  Click(dialog, "1");
  if (message.isEmpty()) {
    QVERIFY(m_messages->messages.isEmpty());
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    QCOMPARE(choice.stimuliToFollow, typed.toInt());
    QCOMPARE(choice.mode, PerformMode::Custom);
  } else {
    QCOMPARE(m_messages->messages, QStringList{message});
    QCOMPARE(dialog.focusWidget(), Edit(dialog, Number));
    QCOMPARE(choice.stimuliToFollow, 10);
  }
}

void PerformDlgTest::CancelKeepsTheRememberedChoice() {
  DocumentData data;
  data.protocolLoaded = 1;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 10};
  CPerformDlg dialog(data, QString(), choice);
  dialog.show();
  Click(dialog, ProtocolMode);
  SetText(dialog, Number, QStringLiteral("99"));
  Click(dialog, "2");
  QCOMPARE(choice.mode, PerformMode::Custom);
  QCOMPARE(choice.stimuliToFollow, 10);
}

void PerformDlgTest::ConfirmedModeIsRememberedForTheNextOpening() {
  DocumentData data;
  data.protocolLoaded = 1;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 10};
  {
    CPerformDlg dialog(data, QString(), choice);
    dialog.show();
    Click(dialog, ProtocolMode);
    Click(dialog, "1");
  }
  choice.stimuliToFollow = 30;  // the caller presets the count each time
  CPerformDlg dialog(data, QString(), choice);
  QVERIFY(IsChecked(dialog, ProtocolMode));
  QCOMPARE(Text(dialog, Number), QStringLiteral("30"));
}

void PerformDlgTest::LoadProtocolSwitchesToProtocolAtOnce() {
  QTemporaryDir dir;
  FileDialogStub files;
  files.answers = {WriteProtocol(dir, "warmup.alyprt", "Warm-up")};
  DocumentData data;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 10};
  CPerformDlg dialog(data, dir.path(), choice);
  dialog.show();
  Click(dialog, LoadButton);
  QVERIFY(m_messages->messages.isEmpty());
  QCOMPARE(Text(dialog, NameBox), QStringLiteral("Warm-up"));
  QVERIFY(IsChecked(dialog, ProtocolMode));
  QCOMPARE(choice.mode, PerformMode::Protocol);
  QCOMPARE(data.protocolLoaded, 1);
  QCOMPARE(data.protocol.items[0], (ProtocolItem{500, 2}));

  Click(dialog, "2");
  QCOMPARE(choice.mode, PerformMode::Protocol);
  QCOMPARE(data.protocol.name, std::string("Warm-up"));
}

void PerformDlgTest::LoadProtocolAsksForAProtocolFile() {
  FileDialogStub files;
  DocumentData data;
  PerformChoice choice;
  CPerformDlg dialog(data, QStringLiteral("/programs/alacrity"), choice);
  dialog.show();
  Click(dialog, LoadButton);
  QCOMPARE(files.requests.size(), 1);
  const SetupFileRequest& request = files.requests.first();
  QCOMPARE(request.kind, SetupFileRequest::Kind::Open);
  QCOMPARE(request.directory, QStringLiteral("/programs/alacrity"));
  QCOMPARE(request.filter, QStringLiteral("ALACRITY protocol Files (*.alyprt)"));
  QCOMPARE(request.defaultSuffix, QStringLiteral("alyprt"));
}

void PerformDlgTest::LoadProtocolCancelledChangesNothing() {
  FileDialogStub files;
  DocumentData data;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 10};
  CPerformDlg dialog(data, QString(), choice);
  dialog.show();
  Click(dialog, LoadButton);
  QVERIFY(m_messages->messages.isEmpty());
  QVERIFY(IsChecked(dialog, CustomMode));
  QCOMPARE(Text(dialog, NameBox), QStringLiteral("no protocol loaded"));
  QCOMPARE(choice.mode, PerformMode::Custom);
}

void PerformDlgTest::RefusedFileWithoutEarlierProtocolLeavesDialog() {
  QTemporaryDir dir;
  FileDialogStub files;
  files.answers = {dir.filePath(QStringLiteral("missing"))};
  DocumentData data;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 10};
  CPerformDlg dialog(data, dir.path(), choice);
  dialog.show();
  SetText(dialog, Number, QStringLiteral("77"));
  Click(dialog, LoadButton);
  QCOMPARE(m_messages->messages,
           QStringList{QStringLiteral("Error opening file\n") + dir.filePath(QStringLiteral("missing.alyprt")) +
                       QStringLiteral(": No such file or directory")});
  QVERIFY(IsChecked(dialog, CustomMode));
  QCOMPARE(Text(dialog, Number), QStringLiteral("77"));
  QCOMPARE(Text(dialog, NameBox), QStringLiteral("no protocol loaded"));
  QCOMPARE(choice.mode, PerformMode::Custom);
  QCOMPARE(data.protocolLoaded, 0);
}

void PerformDlgTest::RefusedFileKeepsTheEarlierProtocol() {
  QTemporaryDir dir;
  QFile wrong(dir.filePath(QStringLiteral("wrong.alyprt")));
  QVERIFY(wrong.open(QIODevice::WriteOnly));
  wrong.write("not a protocol at all");
  wrong.close();
  FileDialogStub files;
  files.answers = {wrong.fileName()};
  DocumentData data;
  data.protocol.name = "earlier";
  data.protocolLoaded = 1;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 10};
  CPerformDlg dialog(data, dir.path(), choice);
  dialog.show();
  Click(dialog, LoadButton);
  QCOMPARE(m_messages->messages, QStringList{QStringLiteral("Incompatible protocol")});
  // The earlier protocol is still what a protocol run would use.
  QCOMPARE(Text(dialog, NameBox), QStringLiteral("earlier"));
  QVERIFY(IsChecked(dialog, ProtocolMode));
  QCOMPARE(choice.mode, PerformMode::Protocol);
}

void PerformDlgTest::LoadRefillsTheNumberLastRead() {
  QTemporaryDir dir;
  FileDialogStub files;
  files.answers = {WriteProtocol(dir, "p.alyprt", "P")};
  DocumentData data;
  PerformChoice choice{.mode = PerformMode::Custom, .stimuliToFollow = 10};
  CPerformDlg dialog(data, dir.path(), choice);
  dialog.show();
  SetText(dialog, Number, QStringLiteral("55"));
  Click(dialog, LoadButton);
  // The typed number was never read; the controls show the working values.
  QCOMPARE(Text(dialog, Number), QStringLiteral("10"));
  Click(dialog, "1");
  QCOMPARE(dialog.result(), int{QDialog::Accepted});
  QCOMPARE(choice.mode, PerformMode::Protocol);
}

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::PerformDlgTest)
#include "performdlg_test.moc"
