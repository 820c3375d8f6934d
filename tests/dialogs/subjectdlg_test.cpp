// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// "Subject dialog": the subject record in and out, the ranges of height and
// weight in exchange order, and Cancel.

#include <QtTest>

#include "data/document_data.h"
#include "dialogs/subjectdlg.h"
#include "dialogtestsupport.h"

namespace alacrity::test {

namespace {

DocumentData Sample() {
  DocumentData data;
  data.subject = {.name = "Ann Example",
                  .sex = 0,
                  .height = 170,
                  .weight = 60,
                  .comment1 = "first",
                  .comment2 = "second",
                  .comment3 = "third"};
  return data;
}

}  // namespace

class SubjectDlgTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { m_messages = std::make_unique<MessageRecorder>(); }
  void cleanup() { m_messages.reset(); }

  void OpensWithTheSubject();
  void OkStoresAllSevenFields();
  void CancelChangesNothing();
  void HeightAndWeightBounds_data();
  void HeightAndWeightBounds();
  void HeightIsReportedBeforeWeight();
  void MeasuresTakeDigitsOnlyAndAreCentred();
  void NoSexCheckedStoresMinusOne();

 private:
  std::unique_ptr<MessageRecorder> m_messages;
};

void SubjectDlgTest::OpensWithTheSubject() {
  DocumentData data = Sample();
  CSubjectDlg dialog(data);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Subject dialog"));
  QCOMPARE(Text(dialog, "1047"), QStringLiteral("Ann Example"));
  QVERIFY(IsChecked(dialog, "1045"));
  QVERIFY(!IsChecked(dialog, "1048"));
  QCOMPARE(Text(dialog, "1050"), QStringLiteral("170"));
  QCOMPARE(Text(dialog, "1049"), QStringLiteral("60"));
  QCOMPARE(Text(dialog, "1051"), QStringLiteral("first"));
  QCOMPARE(Text(dialog, "1052"), QStringLiteral("second"));
  QCOMPARE(Text(dialog, "1053"), QStringLiteral("third"));
}

void SubjectDlgTest::OkStoresAllSevenFields() {
  DocumentData data = Sample();
  CSubjectDlg dialog(data);
  dialog.show();
  SetText(dialog, "1047", QStringLiteral("Bo Sample"));
  Click(dialog, "1048");
  SetText(dialog, "1050", QStringLiteral("250"));
  SetText(dialog, "1049", QStringLiteral("500"));
  SetText(dialog, "1051", QStringLiteral("a"));
  SetText(dialog, "1052", QStringLiteral("b"));
  SetText(dialog, "1053", QStringLiteral("c"));
  Click(dialog, "1");
  QCOMPARE(dialog.result(), int{QDialog::Accepted});
  QCOMPARE(data.subject, (SubjectInfo{.name = "Bo Sample",
                                      .sex = 1,
                                      .height = 250,
                                      .weight = 500,
                                      .comment1 = "a",
                                      .comment2 = "b",
                                      .comment3 = "c"}));
}

void SubjectDlgTest::CancelChangesNothing() {
  DocumentData data = Sample();
  CSubjectDlg dialog(data);
  dialog.show();
  SetText(dialog, "1047", QStringLiteral("Someone Else"));
  Click(dialog, "1048");
  Click(dialog, "2");
  QCOMPARE(data.subject, Sample().subject);
}

void SubjectDlgTest::HeightAndWeightBounds_data() {
  QTest::addColumn<QString>("height");
  QTest::addColumn<QString>("weight");
  QTest::addColumn<QString>("message");
  QTest::newRow("height 0, weight 0") << "0" << "0" << QString();
  QTest::newRow("height 251") << "251" << "60"
                              << QStringLiteral("Please enter an integer between 0 and 250.");
  QTest::newRow("weight 500") << "170" << "500" << QString();
  QTest::newRow("weight 501") << "170" << "501"
                              << QStringLiteral("Please enter an integer between 0 and 500.");
  QTest::newRow("height empty") << "" << "60" << QStringLiteral("Please enter an integer.");
}

void SubjectDlgTest::HeightAndWeightBounds() {
  QFETCH(QString, height);
  QFETCH(QString, weight);
  QFETCH(QString, message);
  DocumentData data = Sample();
  CSubjectDlg dialog(data);
  dialog.show();
  SetText(dialog, "1050", height);
  SetText(dialog, "1049", weight);
  Click(dialog, "1");
  if (message.isEmpty()) {
    QVERIFY(m_messages->messages.isEmpty());
    QCOMPARE(data.subject.height, height.toInt());
    QCOMPARE(data.subject.weight, weight.toInt());
  } else {
    QCOMPARE(m_messages->messages, QStringList{message});
    QCOMPARE(data.subject, Sample().subject);
  }
}

void SubjectDlgTest::HeightIsReportedBeforeWeight() {
  DocumentData data = Sample();
  CSubjectDlg dialog(data);
  dialog.show();
  SetText(dialog, "1049", QStringLiteral("999"));
  SetText(dialog, "1050", QStringLiteral("999"));
  SetText(dialog, "1052", QStringLiteral("changed"));  // read before height
  Click(dialog, "1");
  QCOMPARE(m_messages->messages,
           QStringList{QStringLiteral("Please enter an integer between 0 and 250.")});
  QCOMPARE(dialog.focusWidget(), Edit(dialog, "1050"));
  QCOMPARE(data.subject, Sample().subject);
}

void SubjectDlgTest::MeasuresTakeDigitsOnlyAndAreCentred() {
  DocumentData data = Sample();
  CSubjectDlg dialog(data);
  dialog.show();
  SetText(dialog, "1050", QStringLiteral("-1a80"));
  QCOMPARE(Text(dialog, "1050"), QStringLiteral("180"));
  for (const char* id : {"1050", "1049"}) {
    QCOMPARE(Edit(dialog, id)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  }
}

void SubjectDlgTest::NoSexCheckedStoresMinusOne() {
  DocumentData data = Sample();
  data.subject.sex = 4;
  CSubjectDlg dialog(data);
  QVERIFY(!IsChecked(dialog, "1045"));
  QVERIFY(!IsChecked(dialog, "1048"));
  Click(dialog, "1");
  QCOMPARE(data.subject.sex, -1);
}

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::SubjectDlgTest)
#include "subjectdlg_test.moc"
