// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// "Custom setup": values in on opening, read and checked in exchange order on
// OK, stored all at once, nothing stored on a refusal or on Cancel.

#include <QPushButton>
#include <QtTest>

#include "data/document_data.h"
#include "dialogs/customdlg.h"
#include "dialogs/dataexchange.h"
#include "dialogtestsupport.h"

namespace alacrity::test {

namespace {

DocumentData Sample() {
  DocumentData data;
  TestConfiguration& c = data.customConfiguration;
  c.stimulusCount = 20;
  c.timingMode = 0;
  c.fixedTimeMs = 700;
  c.randomLowerMs = 300;
  c.randomUpperMs = 1500;
  c.squareColor = 0;
  c.circleColor = 1;
  c.triangleColor = 2;
  c.crossColor = 3;
  c.generateObject = {1, 1, 0, 1};
  c.background = 2;
  c.falseResponse = 1;
  data.customVoice = {.voiceSignal = 0, .voiceLeadMs = 250};
  return data;
}

}  // namespace

class CustomDlgTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { m_messages = std::make_unique<MessageRecorder>(); }
  void cleanup() { m_messages.reset(); }

  void OpensWithTheCustomConfiguration();
  void OkStoresEveryControlByItsCode();
  void CancelChangesNothing();

  void StimulusCount_data();
  void StimulusCount();
  void RandomLowerLimit_data();
  void RandomLowerLimit();
  void VoiceLeadAcceptsItsBounds();
  void LimitsAreStoredAsEnteredEvenWhenCrossed();
  void OnlyTheFirstInvalidFieldIsReported();
  void TextInANumberFieldAsksForAnInteger();
  void LimitsTakeDigitsOnly();
  void GroupWithNoButtonStoresMinusOne();
  void ObjectFlagsKeepTheirLowByte();
  void TabVisitsTheNumbersTopToBottom();

 private:
  std::unique_ptr<MessageRecorder> m_messages;
};

void CustomDlgTest::OpensWithTheCustomConfiguration() {
  DocumentData data = Sample();
  CCustomDlg dialog(data);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Custom setup"));
  QCOMPARE(Text(dialog, "1025"), QStringLiteral("20"));
  QCOMPARE(Text(dialog, "1026"), QStringLiteral("300"));
  QCOMPARE(Text(dialog, "1027"), QStringLiteral("1500"));
  QCOMPARE(Text(dialog, "1028"), QStringLiteral("700"));
  QCOMPARE(Text(dialog, "1059"), QStringLiteral("250"));
  QVERIFY(IsChecked(dialog, "1005"));   // Random Time
  QVERIFY(IsChecked(dialog, "1019"));   // background Green
  QVERIFY(IsChecked(dialog, "1031"));   // Circle
  QVERIFY(IsChecked(dialog, "1032"));   // Cross
  QVERIFY(!IsChecked(dialog, "1033"));  // Square
  QVERIFY(IsChecked(dialog, "1034"));   // Triangel
  QVERIFY(IsChecked(dialog, "1009"));   // Not Accepted
  QVERIFY(IsChecked(dialog, "1022"));   // circle Green
  QVERIFY(IsChecked(dialog, "1040"));   // cross Yellow
  QVERIFY(IsChecked(dialog, "1055"));   // square Red
  QVERIFY(IsChecked(dialog, "1035"));   // triangle Blue
  QVERIFY(IsChecked(dialog, "1061"));   // voice YES
  QCOMPARE(Button(dialog, "1034")->text(), QStringLiteral("Triangel"));
}

void CustomDlgTest::OkStoresEveryControlByItsCode() {
  DocumentData data = Sample();
  CCustomDlg dialog(data);
  dialog.show();
  SetText(dialog, "1025", QStringLiteral("500"));
  SetText(dialog, "1026", QStringLiteral("100"));
  SetText(dialog, "1027", QStringLiteral("5000"));
  SetText(dialog, "1028", QStringLiteral("4321"));
  SetText(dialog, "1059", QStringLiteral("5000"));
  Click(dialog, "1006");  // Fixed Time
  Click(dialog, "1020");  // Black
  Click(dialog, "1033");  // Square on
  Click(dialog, "1031");  // Circle off
  Click(dialog, "1054");  // Accepted
  Click(dialog, "1024");  // circle Yellow
  Click(dialog, "1037");  // cross Red
  Click(dialog, "1014");  // square Green
  Click(dialog, "1036");  // triangle Yellow
  Click(dialog, "1011");  // voice NO
  Click(dialog, "1");

  QCOMPARE(dialog.result(), int{QDialog::Accepted});
  QVERIFY(m_messages->messages.isEmpty());
  const TestConfiguration& c = data.customConfiguration;
  QCOMPARE(c.stimulusCount, 500);
  QCOMPARE(c.randomLowerMs, 100);
  QCOMPARE(c.randomUpperMs, 5000);
  QCOMPARE(c.fixedTimeMs, 4321);
  QCOMPARE(c.timingMode, 1);
  QCOMPARE(c.background, 3);
  QCOMPARE(c.generateObject, (std::array<uint8_t, 4>{0, 1, 1, 1}));
  QCOMPARE(c.falseResponse, 0);
  QCOMPARE(c.circleColor, 3);
  QCOMPARE(c.crossColor, 0);
  QCOMPARE(c.squareColor, 1);
  QCOMPARE(c.triangleColor, 3);
  QCOMPARE(data.customVoice, (VoiceSettings{.voiceSignal = 1, .voiceLeadMs = 5000}));
}

void CustomDlgTest::CancelChangesNothing() {
  DocumentData data = Sample();
  const DocumentData before = data;
  CCustomDlg dialog(data);
  dialog.show();
  SetText(dialog, "1025", QStringLiteral("42"));
  Click(dialog, "1020");
  Click(dialog, "1031");
  Click(dialog, "1011");
  Click(dialog, "2");
  QCOMPARE(dialog.result(), int{QDialog::Rejected});
  QCOMPARE(data.customConfiguration, before.customConfiguration);
  QCOMPARE(data.customVoice, before.customVoice);
}

void CustomDlgTest::StimulusCount_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("accepted");
  QTest::newRow("0") << "0" << false;
  QTest::newRow("1") << "1" << true;
  QTest::newRow("500") << "500" << true;
  QTest::newRow("501") << "501" << true;
  QTest::newRow("1199") << "1199" << true;
  QTest::newRow("1200") << "1200" << false;
  QTest::newRow("-1") << "-1" << false;
}

void CustomDlgTest::StimulusCount() {
  QFETCH(QString, typed);
  QFETCH(bool, accepted);
  DocumentData data = Sample();
  CCustomDlg dialog(data);
  dialog.show();
  SetText(dialog, "1025", typed);
  Click(dialog, "1");
  if (accepted) {
    QVERIFY(m_messages->messages.isEmpty());
    QCOMPARE(data.customConfiguration.stimulusCount, typed.toInt());
  } else {
    QCOMPARE(m_messages->messages,
             QStringList{QStringLiteral("Please enter an integer between 1 and 1199.")});
    QCOMPARE(dialog.result(), int{QDialog::Rejected});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), Edit(dialog, "1025"));
    QCOMPARE(data.customConfiguration.stimulusCount, 20);
  }
}

void CustomDlgTest::RandomLowerLimit_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("accepted");
  QTest::newRow("99") << "99" << false;
  QTest::newRow("100") << "100" << true;
  QTest::newRow("5000") << "5000" << true;
  QTest::newRow("5001") << "5001" << false;
}

void CustomDlgTest::RandomLowerLimit() {
  QFETCH(QString, typed);
  QFETCH(bool, accepted);
  DocumentData data = Sample();
  CCustomDlg dialog(data);
  dialog.show();
  SetText(dialog, "1026", typed);
  Click(dialog, "1");
  if (accepted) {
    QVERIFY(m_messages->messages.isEmpty());
    QCOMPARE(data.customConfiguration.randomLowerMs, typed.toInt());
  } else {
    QCOMPARE(m_messages->messages,
             QStringList{QStringLiteral("Please enter an integer between 100 and 5000.")});
    QCOMPARE(dialog.focusWidget(), Edit(dialog, "1026"));
    QCOMPARE(data.customConfiguration.randomLowerMs, 300);
  }
}

void CustomDlgTest::VoiceLeadAcceptsItsBounds() {
  for (const char* typed : {"0", "5000"}) {
    DocumentData data = Sample();
    CCustomDlg dialog(data);
    dialog.show();
    SetText(dialog, "1059", QString::fromLatin1(typed));
    Click(dialog, "1");
    QCOMPARE(data.customVoice.voiceLeadMs, QByteArray(typed).toInt());
  }
  DocumentData data = Sample();
  CCustomDlg dialog(data);
  dialog.show();
  SetText(dialog, "1059", QStringLiteral("5001"));
  Click(dialog, "1");
  QVERIFY(m_messages->messages.endsWith(QStringLiteral("Please enter an integer between 0 and 5000.")));
  QCOMPARE(data.customVoice.voiceLeadMs, 250);
}

void CustomDlgTest::LimitsAreStoredAsEnteredEvenWhenCrossed() {
  DocumentData data = Sample();
  CCustomDlg dialog(data);
  dialog.show();
  SetText(dialog, "1026", QStringLiteral("3000"));
  SetText(dialog, "1027", QStringLiteral("200"));
  for (const char* object : {"1031", "1032", "1034"}) Click(dialog, object);  // none left
  Click(dialog, "1");
  QVERIFY(m_messages->messages.isEmpty());
  QCOMPARE(data.customConfiguration.randomLowerMs, 3000);
  QCOMPARE(data.customConfiguration.randomUpperMs, 200);
  QCOMPARE(data.customConfiguration.generateObject, (std::array<uint8_t, 4>{0, 0, 0, 0}));
}

void CustomDlgTest::OnlyTheFirstInvalidFieldIsReported() {
  DocumentData data = Sample();
  const DocumentData before = data;
  CCustomDlg dialog(data);
  dialog.show();
  SetText(dialog, "1028", QStringLiteral("50"));   // fixed time, read fourth
  SetText(dialog, "1025", QStringLiteral("1200")); // count, read first
  SetText(dialog, "1026", QStringLiteral("150"));  // valid, must not be stored
  Click(dialog, "1");
  QCOMPARE(m_messages->messages,
           QStringList{QStringLiteral("Please enter an integer between 1 and 1199.")});
  QCOMPARE(dialog.focusWidget(), Edit(dialog, "1025"));
  QCOMPARE(data.customConfiguration, before.customConfiguration);

  SetText(dialog, "1025", QStringLiteral("30"));
  Click(dialog, "1");
  QCOMPARE(m_messages->messages.size(), 2);
  QCOMPARE(m_messages->messages.last(),
           QStringLiteral("Please enter an integer between 100 and 5000."));
  QCOMPARE(dialog.focusWidget(), Edit(dialog, "1028"));
  QCOMPARE(data.customConfiguration, before.customConfiguration);
}

void CustomDlgTest::TextInANumberFieldAsksForAnInteger() {
  DocumentData data = Sample();
  CCustomDlg dialog(data);
  dialog.show();
  SetText(dialog, "1025", QStringLiteral("ten"));
  Click(dialog, "1");
  QCOMPARE(m_messages->messages, QStringList{QStringLiteral("Please enter an integer.")});
  SetText(dialog, "1025", QString());
  Click(dialog, "1");
  QCOMPARE(m_messages->messages.size(), 2);
  QCOMPARE(m_messages->messages.last(), QStringLiteral("Please enter an integer."));
}

void CustomDlgTest::LimitsTakeDigitsOnly() {
  DocumentData data = Sample();
  CCustomDlg dialog(data);
  dialog.show();
  SetText(dialog, "1026", QStringLiteral("-4x00"));
  SetText(dialog, "1027", QStringLiteral("2 000"));
  QCOMPARE(Text(dialog, "1026"), QStringLiteral("400"));
  QCOMPARE(Text(dialog, "1027"), QStringLiteral("2000"));
  // The other numbers take any text and refuse it on OK.
  SetText(dialog, "1028", QStringLiteral("-4"));
  QCOMPARE(Text(dialog, "1028"), QStringLiteral("-4"));
}

void CustomDlgTest::GroupWithNoButtonStoresMinusOne() {
  DocumentData data = Sample();
  data.customConfiguration.crossColor = 7;  // from a file; no button for it
  CCustomDlg dialog(data);
  for (const char* id : {"1037", "1038", "1039", "1040"}) QVERIFY(!IsChecked(dialog, id));
  Click(dialog, "1");
  QCOMPARE(data.customConfiguration.crossColor, -1);
  QCOMPARE(data.customConfiguration.circleColor, 1);
}

void CustomDlgTest::ObjectFlagsKeepTheirLowByte() {
  DocumentData data = Sample();
  data.customConfiguration.generateObject = {2, 0, 255, 1};
  CCustomDlg dialog(data);
  Click(dialog, "1");
  // Any nonzero flag shows checked and comes back as 1.
  QCOMPARE(data.customConfiguration.generateObject, (std::array<uint8_t, 4>{1, 0, 1, 1}));
}

void CustomDlgTest::TabVisitsTheNumbersTopToBottom() {
  DocumentData data = Sample();
  CCustomDlg dialog(data);
  QStringList edits;
  QWidget* widget = Edit(dialog, "1025");
  do {
    if (qobject_cast<QLineEdit*>(widget) != nullptr) edits.append(widget->objectName());
    widget = widget->nextInFocusChain();
  } while (widget != Edit(dialog, "1025"));
  QCOMPARE(edits, (QStringList{"1025", "1026", "1027", "1028", "1059"}));
  QVERIFY(qobject_cast<QPushButton*>(Button(dialog, "1"))->isDefault());
}

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::CustomDlgTest)
#include "customdlg_test.moc"
