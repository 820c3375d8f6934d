// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// "Protocol setup": the list and its editing, the commit rule (items change
// at once, everything else on OK or Save), Save through the file dialog, and
// the refusals of an item the protocol cannot take.

#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/dialogs/protocoldlg.h"
#include "app/dialogs/protocollist.h"
#include "data/document_data.h"
#include "data/protocol_file.h"
#include "dialogtestsupport.h"

namespace alacrity::test {

namespace {

QTableWidget* List(const QWidget& dialog) { return Find<QTableWidget>(dialog, "1035"); }

QStringList Row(const QWidget& dialog, int row) {
  QTableWidget* list = List(dialog);
  return {list->item(row, 0)->text(), list->item(row, 1)->text(), list->item(row, 2)->text()};
}

void Select(const QWidget& dialog, int row) { List(dialog)->selectRow(row); }

// Types a time, picks an object and presses the button.
void Item(const QWidget& dialog, const char* button, const char* time, const char* object) {
  SetText(dialog, "1028", QString::fromLatin1(time));
  Click(dialog, object);
  Click(dialog, button);
}

constexpr const char* Circle = "1021";
constexpr const char* Cross = "1022";
constexpr const char* Square = "1023";
constexpr const char* Triangle = "1024";

// A protocol of three items already in memory.
DocumentData ThreeItems() {
  DocumentData data;
  data.protocol.name = "three";
  data.protocol.header = {.itemCount = 3,
                          .background = 1,
                          .falseResponse = 0,
                          .squareColor = 0,
                          .circleColor = 1,
                          .triangleColor = 2,
                          .crossColor = 3};
  data.protocol.items[0] = {100, 0};
  data.protocol.items[1] = {2000, 1};
  data.protocol.items[2] = {30000, 2};
  data.customVoice = {.voiceSignal = 1, .voiceLeadMs = 40};
  return data;
}

}  // namespace

class ProtocolDlgTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { m_messages = std::make_unique<MessageRecorder>(); }
  void cleanup() { m_messages.reset(); }

  void EmptyProtocolShowsHeadingsAndRefusesOkWithoutTime();
  void OpensWithTheProtocolInMemory();
  void AddNumbersRowsInTheirFormats();
  void InsertBeforeTheSecondOfThree();
  void DeleteTheMiddleOfThree();
  void DeleteTheLastRow();
  void ChangeReplacesTheSelectedItem();
  void WithoutSelectionEditingButtonsSayNoItem();
  void InvalidTimeStopsAnItemButton();
  void OnlyTheFirstInvalidFieldIsReported();
  void ItemWithoutObjectIsRefused();
  void FullProtocolRefusesAddAndInsert();
  void ColumnsShareTheListWidth();

  void OkCommitsNameCountSettingsAndVoice();
  void CancelKeepsOldCountOverEditedItems();
  void SaveWritesCommitsAndMarksLoadedEvenWhenThenCancelled();
  void SaveDialogCancelledKeepsTheCommitOnly();
  void SaveFailureIsShownAndStillMarksLoaded();
  void RadioCodesFollowButtonOrder();

 private:
  std::unique_ptr<MessageRecorder> m_messages;
};

void ProtocolDlgTest::EmptyProtocolShowsHeadingsAndRefusesOkWithoutTime() {
  DocumentData data;
  CProtocolDlg dialog(data, QStringLiteral("/programs"));
  dialog.show();
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Protocol setup"));
  QTableWidget* list = List(dialog);
  QCOMPARE(list->rowCount(), 0);
  QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("No."));
  QCOMPARE(list->horizontalHeaderItem(1)->text(), QStringLiteral("Time (ms)"));
  QCOMPARE(list->horizontalHeaderItem(2)->text(), QStringLiteral("Object"));
  QVERIFY(!list->horizontalHeader()->sectionsClickable());
  QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
  QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
  QCOMPARE(Text(dialog, "1028"), QStringLiteral("0"));
  for (const char* object : {Circle, Cross, Square, Triangle}) QVERIFY(!IsChecked(dialog, object));

  Click(dialog, "1");
  QCOMPARE(m_messages->messages,
           QStringList{QStringLiteral("Please enter an integer between 100 and 60000.")});
  QVERIFY(dialog.isVisible());
  QCOMPARE(dialog.focusWidget(), Edit(dialog, "1028"));

  SetText(dialog, "1028", QStringLiteral("60000"));
  Click(dialog, "1");
  QCOMPARE(dialog.result(), int{QDialog::Accepted});
  QCOMPARE(m_messages->messages.size(), 1);
}

void ProtocolDlgTest::OpensWithTheProtocolInMemory() {
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, QString());
  QCOMPARE(List(dialog)->rowCount(), 3);
  QCOMPARE(Row(dialog, 0), (QStringList{"  1", "  100", " Circle "}));
  QCOMPARE(Row(dialog, 1), (QStringList{"  2", " 2000", " Cross "}));
  QCOMPARE(Row(dialog, 2), (QStringList{"  3", "30000", " Square "}));
  QCOMPARE(Text(dialog, "1025"), QStringLiteral("three"));
  QCOMPARE(Text(dialog, "1059"), QStringLiteral("40"));
  QVERIFY(IsChecked(dialog, "1018"));  // background Blue
  QVERIFY(IsChecked(dialog, "1007"));  // Accepted
  QVERIFY(IsChecked(dialog, "1034"));  // cross Yellow
  QVERIFY(IsChecked(dialog, "1014"));  // circle Green
  QVERIFY(IsChecked(dialog, "1008"));  // square Red
  QVERIFY(IsChecked(dialog, "1029"));  // triangle Blue
  QVERIFY(IsChecked(dialog, "1006"));  // voice NO
  QVERIFY(List(dialog)->item(0, 1)->textAlignment() & Qt::AlignRight);
}

void ProtocolDlgTest::AddNumbersRowsInTheirFormats() {
  DocumentData data;
  CProtocolDlg dialog(data, QString());
  dialog.show();
  Item(dialog, "1036", "500", Circle);
  Item(dialog, "1036", "60000", Triangle);
  Item(dialog, "1036", "100", Cross);
  QVERIFY(m_messages->messages.isEmpty());
  QCOMPARE(Row(dialog, 0), (QStringList{"  1", "  500", " Circle "}));
  QCOMPARE(Row(dialog, 1), (QStringList{"  2", "60000", "  Triangel"}));
  QCOMPARE(Row(dialog, 2), (QStringList{"  3", "  100", " Cross "}));
  QCOMPARE(data.protocol.items[1], (ProtocolItem{60000, 3}));
  QCOMPARE(data.protocol.header.itemCount, 0);  // not before OK
}

void ProtocolDlgTest::InsertBeforeTheSecondOfThree() {
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, QString());
  dialog.show();
  Select(dialog, 1);
  Item(dialog, "1037", "777", Triangle);
  QVERIFY(m_messages->messages.isEmpty());
  QCOMPARE(List(dialog)->rowCount(), 4);
  QCOMPARE(Row(dialog, 0), (QStringList{"  1", "  100", " Circle "}));
  QCOMPARE(Row(dialog, 1), (QStringList{"  2", "  777", "  Triangel"}));
  QCOMPARE(Row(dialog, 2), (QStringList{"  3", " 2000", " Cross "}));
  QCOMPARE(Row(dialog, 3), (QStringList{"  4", "30000", " Square "}));
  QCOMPARE(data.protocol.items[1], (ProtocolItem{777, 3}));
  QCOMPARE(data.protocol.items[2], (ProtocolItem{2000, 1}));
  QCOMPARE(data.protocol.items[3], (ProtocolItem{30000, 2}));
  Click(dialog, "1");
  QCOMPARE(data.protocol.header.itemCount, 4);
}

void ProtocolDlgTest::DeleteTheMiddleOfThree() {
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, QString());
  dialog.show();
  Select(dialog, 1);
  Click(dialog, "1039");
  QVERIFY(m_messages->messages.isEmpty());
  QCOMPARE(List(dialog)->rowCount(), 2);
  QCOMPARE(Row(dialog, 0), (QStringList{"  1", "  100", " Circle "}));
  QCOMPARE(Row(dialog, 1), (QStringList{"  2", "30000", " Square "}));
  QCOMPARE(data.protocol.items[1], (ProtocolItem{30000, 2}));
  // Delete needs no valid time: the time edit still reads 0.
  QCOMPARE(Text(dialog, "1028"), QStringLiteral("0"));
  SetText(dialog, "1028", QStringLiteral("100"));
  Click(dialog, "1");
  QCOMPARE(data.protocol.header.itemCount, 2);
}

void ProtocolDlgTest::DeleteTheLastRow() {
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, QString());
  dialog.show();
  Select(dialog, 2);
  Click(dialog, "1039");
  QCOMPARE(List(dialog)->rowCount(), 2);
  QCOMPARE(Row(dialog, 0), (QStringList{"  1", "  100", " Circle "}));
  QCOMPARE(Row(dialog, 1), (QStringList{"  2", " 2000", " Cross "}));
  QCOMPARE(data.protocol.items[0], (ProtocolItem{100, 0}));
  QCOMPARE(data.protocol.items[1], (ProtocolItem{2000, 1}));
  // Nothing is selected any more.
  Click(dialog, "1039");
  QCOMPARE(m_messages->messages, QStringList{QStringLiteral("No item was selected!")});
  QCOMPARE(List(dialog)->rowCount(), 2);
}

void ProtocolDlgTest::ChangeReplacesTheSelectedItem() {
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, QString());
  dialog.show();
  Select(dialog, 0);
  Item(dialog, "1038", "4500", Square);
  QCOMPARE(List(dialog)->rowCount(), 3);
  QCOMPARE(Row(dialog, 0), (QStringList{"  1", " 4500", " Square "}));
  QCOMPARE(Row(dialog, 1), (QStringList{"  2", " 2000", " Cross "}));
  QCOMPARE(data.protocol.items[0], (ProtocolItem{4500, 2}));
}

void ProtocolDlgTest::WithoutSelectionEditingButtonsSayNoItem() {
  DocumentData data = ThreeItems();
  const Protocol before = data.protocol;
  CProtocolDlg dialog(data, QString());
  dialog.show();
  SetText(dialog, "1028", QStringLiteral("500"));
  Click(dialog, Circle);
  for (const char* button : {"1037", "1038", "1039"}) Click(dialog, button);
  QCOMPARE(m_messages->messages, QStringList(3, QStringLiteral("No item was selected!")));
  QCOMPARE(List(dialog)->rowCount(), 3);
  QCOMPARE(data.protocol, before);
}

void ProtocolDlgTest::InvalidTimeStopsAnItemButton() {
  DocumentData data = ThreeItems();
  const Protocol before = data.protocol;
  CProtocolDlg dialog(data, QString());
  dialog.show();
  Select(dialog, 1);
  for (const char* button : {"1036", "1037", "1038"}) Item(dialog, button, "99", Circle);
  QCOMPARE(m_messages->messages,
           QStringList(3, QStringLiteral("Please enter an integer between 100 and 60000.")));
  Item(dialog, "1036", "60001", Circle);
  Item(dialog, "1036", "1e3", Circle);
  QCOMPARE(m_messages->messages.last(), QStringLiteral("Please enter an integer."));
  QCOMPARE(List(dialog)->rowCount(), 3);
  QCOMPARE(data.protocol, before);
}

void ProtocolDlgTest::OnlyTheFirstInvalidFieldIsReported() {
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, QString());
  dialog.show();
  SetText(dialog, "1059", QStringLiteral("5001"));  // read last
  SetText(dialog, "1028", QStringLiteral("50"));    // read second
  Click(dialog, "1");
  QCOMPARE(m_messages->messages,
           QStringList{QStringLiteral("Please enter an integer between 100 and 60000.")});
  SetText(dialog, "1028", QStringLiteral("150"));
  Click(dialog, "1");
  QCOMPARE(m_messages->messages.last(),
           QStringLiteral("Please enter an integer between 0 and 5000."));
  QCOMPARE(dialog.focusWidget(), Edit(dialog, "1059"));
  QCOMPARE(data.customVoice.voiceLeadMs, 40);
}

void ProtocolDlgTest::ItemWithoutObjectIsRefused() {
  DocumentData data = ThreeItems();
  const Protocol before = data.protocol;
  CProtocolDlg dialog(data, QString());
  dialog.show();
  SetText(dialog, "1028", QStringLiteral("500"));
  Click(dialog, "1036");
  Select(dialog, 0);
  Click(dialog, "1037");
  Click(dialog, "1038");
  QCOMPARE(m_messages->messages, QStringList(3, NoObjectChosenMessage()));
  QCOMPARE(List(dialog)->rowCount(), 3);
  QCOMPARE(data.protocol, before);
  // OK needs no object: it stores no item.
  Click(dialog, "1");
  QCOMPARE(dialog.result(), int{QDialog::Accepted});
}

void ProtocolDlgTest::FullProtocolRefusesAddAndInsert() {
  DocumentData data;
  data.protocol.header.itemCount = MaxProtocolItems;
  for (int32_t slot = 0; slot < MaxProtocolItems; ++slot) {
    data.protocol.items[static_cast<std::size_t>(slot)] = {100 + slot, slot % 4};
  }
  const Protocol before = data.protocol;
  CProtocolDlg dialog(data, QString());
  dialog.show();
  QCOMPARE(List(dialog)->rowCount(), MaxProtocolItems);
  Item(dialog, "1036", "500", Circle);
  Select(dialog, 5);
  Click(dialog, "1037");
  QCOMPARE(m_messages->messages, QStringList(2, ProtocolFullMessage()));
  QVERIFY(ProtocolFullMessage().contains(QStringLiteral("1199")));
  QCOMPARE(List(dialog)->rowCount(), MaxProtocolItems);
  QCOMPARE(data.protocol, before);
  // Change and Delete still work on a full protocol.
  Click(dialog, "1038");
  QCOMPARE(data.protocol.items[5], (ProtocolItem{500, 0}));
  Click(dialog, "1039");
  QCOMPARE(List(dialog)->rowCount(), MaxProtocolItems - 1);
  Item(dialog, "1036", "600", Cross);
  QCOMPARE(List(dialog)->rowCount(), MaxProtocolItems);
  QCOMPARE(Row(dialog, MaxProtocolItems - 1), (QStringList{"1199", "  600", " Cross "}));
}

void ProtocolDlgTest::ColumnsShareTheListWidth() {
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, QString());
  dialog.show();
  QTableWidget* list = List(dialog);
  list->resize(400, 300);
  const int width = list->contentsRect().width();
  const int share = (3 * width) / 8;
  QCOMPARE(list->columnWidth(1), share);
  QCOMPARE(list->columnWidth(2), share);
  QCOMPARE(list->columnWidth(0), width - 2 * share - 16);
}

void ProtocolDlgTest::OkCommitsNameCountSettingsAndVoice() {
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, QString());
  dialog.show();
  SetText(dialog, "1025", QStringLiteral("Warm-up"));
  Item(dialog, "1036", "900", Cross);
  Click(dialog, "1020");  // background Black
  Click(dialog, "1009");  // Not Accepted
  Click(dialog, "1031");  // cross Red
  Click(dialog, "1016");  // circle Yellow
  Click(dialog, "1011");  // square Blue
  Click(dialog, "1027");  // triangle Green
  Click(dialog, "1062");  // voice YES
  SetText(dialog, "1059", QStringLiteral("0"));
  Click(dialog, "1");
  QCOMPARE(dialog.result(), int{QDialog::Accepted});
  QCOMPARE(data.protocol.name, std::string("Warm-up"));
  QCOMPARE(data.protocol.header, (ProtocolHeader{.itemCount = 4,
                                                 .background = 3,
                                                 .falseResponse = 1,
                                                 .squareColor = 2,
                                                 .circleColor = 3,
                                                 .triangleColor = 1,
                                                 .crossColor = 0}));
  QCOMPARE(data.customVoice, (VoiceSettings{.voiceSignal = 0, .voiceLeadMs = 0}));
  QCOMPARE(data.protocolLoaded, 0);
}

void ProtocolDlgTest::CancelKeepsOldCountOverEditedItems() {
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, QString());
  dialog.show();
  SetText(dialog, "1025", QStringLiteral("renamed"));
  Select(dialog, 0);
  Item(dialog, "1038", "1234", Triangle);
  Item(dialog, "1036", "4321", Circle);
  Click(dialog, "1020");
  Click(dialog, "2");
  QCOMPARE(dialog.result(), int{QDialog::Rejected});
  // The table was edited in place; nothing else reached the protocol.
  QCOMPARE(data.protocol.items[0], (ProtocolItem{1234, 3}));
  QCOMPARE(data.protocol.items[3], (ProtocolItem{4321, 0}));
  QCOMPARE(data.protocol.header, ThreeItems().protocol.header);
  QCOMPARE(data.protocol.name, std::string("three"));
  QCOMPARE(data.customVoice, ThreeItems().customVoice);
}

void ProtocolDlgTest::SaveWritesCommitsAndMarksLoadedEvenWhenThenCancelled() {
  QTemporaryDir dir;
  FileDialogStub files;
  files.answers = {dir.filePath(QStringLiteral("session"))};
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, dir.path());
  dialog.show();
  SetText(dialog, "1025", QStringLiteral("saved one"));
  Item(dialog, "1036", "800", Square);
  Click(dialog, "1040");
  QVERIFY(m_messages->messages.isEmpty());
  QVERIFY(dialog.isVisible());
  QCOMPARE(files.requests.size(), 1);
  const SetupFileRequest& request = files.requests.first();
  QCOMPARE(request.kind, SetupFileRequest::Kind::Save);
  QCOMPARE(request.directory, dir.path());
  QCOMPARE(request.filter, QStringLiteral("ALACRITY protocol Files (*.alyprt)"));
  QCOMPARE(request.defaultSuffix, QStringLiteral("alyprt"));
  QCOMPARE(data.protocolLoaded, 1);
  Click(dialog, "2");

  QCOMPARE(data.protocol.name, std::string("saved one"));
  QCOMPARE(data.protocol.header.itemCount, 4);
  DocumentData reread;
  const FileOutcome load =
      LoadProtocol(dir.filePath(QStringLiteral("session.alyprt")).toStdString(), reread);
  QVERIFY(load.ok);
  QCOMPARE(reread.protocol.name, std::string("saved one"));
  QCOMPARE(reread.protocol.header, data.protocol.header);
  QCOMPARE(reread.protocol.items[3], (ProtocolItem{800, 2}));
  QCOMPARE(reread.customVoice, data.customVoice);
}

void ProtocolDlgTest::SaveDialogCancelledKeepsTheCommitOnly() {
  FileDialogStub files;  // no answers: Cancel
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, QString());
  dialog.show();
  SetText(dialog, "1025", QStringLiteral("kept"));
  SetText(dialog, "1028", QStringLiteral("100"));
  Click(dialog, "1040");
  QCOMPARE(files.requests.size(), 1);
  QCOMPARE(data.protocol.name, std::string("kept"));
  QCOMPARE(data.protocolLoaded, 0);
  QVERIFY(m_messages->messages.isEmpty());
}

void ProtocolDlgTest::SaveFailureIsShownAndStillMarksLoaded() {
  QTemporaryDir dir;
  FileDialogStub files;
  files.answers = {dir.filePath(QStringLiteral("missing/deeper/p.alyprt"))};
  DocumentData data = ThreeItems();
  CProtocolDlg dialog(data, dir.path());
  dialog.show();
  SetText(dialog, "1028", QStringLiteral("100"));
  Click(dialog, "1040");
  QCOMPARE(m_messages->messages,
           QStringList{QStringLiteral("File Save Error\n") + dir.filePath(QStringLiteral("missing/deeper")) +
                       QStringLiteral(": No such file or directory")});
  QCOMPARE(data.protocolLoaded, 1);
}

void ProtocolDlgTest::RadioCodesFollowButtonOrder() {
  // Each colour group lists Red, Green, Blue, Yellow; each button's code is
  // its position.
  const std::array<std::array<const char*, 4>, 4> groups{{{"1031", "1032", "1033", "1034"},
                                                          {"1013", "1014", "1015", "1016"},
                                                          {"1008", "1010", "1011", "1012"},
                                                          {"1026", "1027", "1029", "1030"}}};
  for (int32_t code = 0; code < 4; ++code) {
    DocumentData data = ThreeItems();
    CProtocolDlg dialog(data, QString());
    dialog.show();
    SetText(dialog, "1028", QStringLiteral("100"));
    for (const auto& group : groups) Click(dialog, group[static_cast<std::size_t>(code)]);
    Click(dialog, std::array{"1017", "1018", "1019", "1020"}[static_cast<std::size_t>(code)]);
    Click(dialog, "1");
    const ProtocolHeader& header = data.protocol.header;
    QCOMPARE(header.crossColor, code);
    QCOMPARE(header.circleColor, code);
    QCOMPARE(header.squareColor, code);
    QCOMPARE(header.triangleColor, code);
    QCOMPARE(header.background, code);
  }
}

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::ProtocolDlgTest)
#include "protocoldlg_test.moc"
