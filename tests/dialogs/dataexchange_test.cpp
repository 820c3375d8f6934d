// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The shared exchange: parsing, the two messages, stopping at the first
// failure with the focus back in its edit, radio positions and check boxes;
// and the suffix and overwrite rules of the setup file dialogs.

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <limits>

#include "dialogs/dataexchange.h"
#include "dialogs/filechooser.h"
#include "dialogtestsupport.h"

namespace alacrity::test {

namespace {

// A dialog with two number edits, a radio group of three and a check box.
struct Form {
  Form() {
    auto* layout = new QVBoxLayout(&dialog);
    for (QLineEdit* edit : {first, second}) layout->addWidget(edit);
    for (int position = 0; position < 3; ++position) {
      auto* button = new QRadioButton(&dialog);
      group->addButton(button, position);
      layout->addWidget(button);
    }
    layout->addWidget(box);
    dialog.show();
  }

  QDialog dialog;
  QLineEdit* first = new QLineEdit(&dialog);
  QLineEdit* second = new QLineEdit(&dialog);
  QButtonGroup* group = new QButtonGroup(&dialog);
  QCheckBox* box = new QCheckBox(&dialog);
};

}  // namespace

class DataExchangeTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void ParsesDecimalIntegers_data();
  void ParsesDecimalIntegers();
  void RefusesTextThatIsNoInteger_data();
  void RefusesTextThatIsNoInteger();
  void MessagesCarryTheBounds();

  void FillsEditsFromValues();
  void ReadsValuesWithinBounds();
  void StopsAtTheFirstFailureWithFocusInIt();
  void RefusesOutOfRangeWithTheBounds();
  void RefusesNumbersBeyond32BitsAsTheirKind();
  void RadioGivesPositionOrMinusOne();
  void RadioWithoutMatchingButtonChecksNone();
  void CheckBoxGivesOneOrZero();
  void TextKeepsUneditedBytes();
  void DigitsOnlyEditTakesDigitsOnly();

  void DefaultSuffixGoesOnNamesWithoutOne_data();
  void DefaultSuffixGoesOnNamesWithoutOne();
  void ChooserResolvesBareNamesInTheStartDirectory();
  void SaveOverExistingFileAsksAndNoGoesBack();
  void SaveOverExistingFileWithYesReturnsIt();
  void OpenNeverAsksAboutExistingFiles();
};

void DataExchangeTest::ParsesDecimalIntegers_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<qint64>("value");
  QTest::newRow("plain") << "500" << qint64{500};
  QTest::newRow("zero") << "0" << qint64{0};
  QTest::newRow("negative") << "-7" << qint64{-7};
  QTest::newRow("plus sign") << "+12" << qint64{12};
  QTest::newRow("surrounding spaces") << "  42 " << qint64{42};
  QTest::newRow("leading zeros") << "0099" << qint64{99};
}

void DataExchangeTest::ParsesDecimalIntegers() {
  QFETCH(QString, text);
  QFETCH(qint64, value);
  const auto parsed = ParseInteger(text);
  QVERIFY(parsed.has_value());
  QCOMPARE(*parsed, value);
}

void DataExchangeTest::RefusesTextThatIsNoInteger_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("empty") << "";
  QTest::newRow("spaces") << "   ";
  QTest::newRow("sign only") << "-";
  QTest::newRow("letters") << "abc";
  QTest::newRow("trailing letter") << "12a";
  QTest::newRow("inner space") << "1 2";
  QTest::newRow("decimal point") << "1.5";
  QTest::newRow("hex") << "0x10";
}

void DataExchangeTest::RefusesTextThatIsNoInteger() {
  QFETCH(QString, text);
  QVERIFY(!ParseInteger(text).has_value());
}

void DataExchangeTest::MessagesCarryTheBounds() {
  QCOMPARE(NotAnIntegerMessage(), QStringLiteral("Please enter an integer."));
  QCOMPARE(OutOfRangeMessage(100, 5000),
           QStringLiteral("Please enter an integer between 100 and 5000."));
  QCOMPARE(OutOfRangeMessage(0, 250), QStringLiteral("Please enter an integer between 0 and 250."));
}

void DataExchangeTest::FillsEditsFromValues() {
  Form form;
  int32_t a = 250;
  int32_t b = -3;
  DataExchange dx(&form.dialog, DataExchange::Direction::ToControls);
  dx.Int(form.first, a, 0, 500);
  dx.Int(form.second, b);
  QVERIFY(dx.Ok());
  QCOMPARE(form.first->text(), QStringLiteral("250"));
  QCOMPARE(form.second->text(), QStringLiteral("-3"));
}

void DataExchangeTest::ReadsValuesWithinBounds() {
  MessageRecorder messages;
  Form form;
  form.first->setText(QStringLiteral("100"));
  form.second->setText(QStringLiteral("5000"));
  int32_t a = 0;
  int32_t b = 0;
  DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
  dx.Int(form.first, a, 100, 5000);
  dx.Int(form.second, b, 100, 5000);
  QVERIFY(dx.Ok());
  QCOMPARE(a, 100);
  QCOMPARE(b, 5000);
  QVERIFY(messages.messages.isEmpty());
}

void DataExchangeTest::StopsAtTheFirstFailureWithFocusInIt() {
  MessageRecorder messages;
  Form form;
  form.first->setText(QStringLiteral("x"));
  form.second->setText(QStringLiteral("7"));
  form.group->button(1)->setChecked(true);
  int32_t a = 11;
  int32_t b = 22;
  int32_t radio = 33;
  DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
  dx.Int(form.first, a);
  dx.Int(form.second, b);
  dx.Radio(form.group, radio);
  QVERIFY(!dx.Ok());
  QCOMPARE(messages.messages, QStringList{NotAnIntegerMessage()});
  QCOMPARE(form.dialog.focusWidget(), form.first);
  // Nothing after the failing control was read.
  QCOMPARE(a, 11);
  QCOMPARE(b, 22);
  QCOMPARE(radio, 33);
}

void DataExchangeTest::RefusesOutOfRangeWithTheBounds() {
  MessageRecorder messages;
  Form form;
  form.first->setText(QStringLiteral("99"));
  int32_t a = 500;
  DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
  dx.Int(form.first, a, 100, 5000);
  QVERIFY(!dx.Ok());
  QCOMPARE(messages.messages, QStringList{OutOfRangeMessage(100, 5000)});
  QCOMPARE(a, 500);
}

void DataExchangeTest::RefusesNumbersBeyond32BitsAsTheirKind() {
  MessageRecorder messages;
  Form form;
  form.first->setText(QStringLiteral("99999999999999999999"));
  int32_t a = 1;
  {
    DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
    dx.Int(form.first, a, 1, 500);
    QVERIFY(!dx.Ok());
  }
  {
    DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
    dx.Int(form.first, a);
    QVERIFY(!dx.Ok());
  }
  form.first->setText(QString::number(std::numeric_limits<int32_t>::min()));
  DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
  dx.Int(form.first, a);
  QVERIFY(dx.Ok());
  QCOMPARE(a, std::numeric_limits<int32_t>::min());
  // A bounded number too long for 32 bits is still out of range; an
  // unbounded one is no integer this program can hold.
  QCOMPARE(messages.messages, (QStringList{OutOfRangeMessage(1, 500), NotAnIntegerMessage()}));
}

void DataExchangeTest::RadioGivesPositionOrMinusOne() {
  Form form;
  int32_t value = 7;
  {
    DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
    dx.Radio(form.group, value);
  }
  QCOMPARE(value, -1);
  form.group->button(2)->setChecked(true);
  DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
  dx.Radio(form.group, value);
  QCOMPARE(value, 2);
}

void DataExchangeTest::RadioWithoutMatchingButtonChecksNone() {
  Form form;
  for (int32_t value : {1, 5, -1}) {
    DataExchange dx(&form.dialog, DataExchange::Direction::ToControls);
    dx.Radio(form.group, value);
    QCOMPARE(form.group->checkedId(), value == 1 ? 1 : -1);
  }
}

void DataExchangeTest::CheckBoxGivesOneOrZero() {
  Form form;
  int32_t value = 2;
  {
    DataExchange dx(&form.dialog, DataExchange::Direction::ToControls);
    dx.Check(form.box, value);
  }
  QVERIFY(form.box->isChecked());
  DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
  dx.Check(form.box, value);
  QCOMPARE(value, 1);
  form.box->setChecked(false);
  DataExchange again(&form.dialog, DataExchange::Direction::FromControls);
  again.Check(form.box, value);
  QCOMPARE(value, 0);
}

void DataExchangeTest::TextKeepsUneditedBytes() {
  Form form;
  // Latin-1 from an older file: shown converted, kept as stored.
  std::string latin1 = "M\xfcller";
  {
    DataExchange dx(&form.dialog, DataExchange::Direction::ToControls);
    dx.Text(form.first, latin1);
  }
  QCOMPARE(form.first->text(), QStringLiteral("M\u00fcller"));
  {
    DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
    dx.Text(form.first, latin1);
  }
  QCOMPARE(latin1, std::string("M\xfcller"));
  form.first->setText(QStringLiteral("M\u00fcller-Lang"));
  DataExchange dx(&form.dialog, DataExchange::Direction::FromControls);
  dx.Text(form.first, latin1);
  QCOMPARE(latin1, std::string("M\xc3\xbcller-Lang"));
}

void DataExchangeTest::DigitsOnlyEditTakesDigitsOnly() {
  Form form;
  MakeDigitsOnly(form.first);
  QTest::keyClicks(form.first, QStringLiteral("1a-2 3"));
  QCOMPARE(form.first->text(), QStringLiteral("123"));
}

void DataExchangeTest::DefaultSuffixGoesOnNamesWithoutOne_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("chosen");
  QTest::newRow("bare name") << "/d/test" << "/d/test.alyprt";
  QTest::newRow("own suffix") << "/d/test.alyprt" << "/d/test.alyprt";
  QTest::newRow("other suffix") << "/d/test.txt" << "/d/test.txt";
  QTest::newRow("dot in directory only") << "/d.x/test" << "/d.x/test.alyprt";
  QTest::newRow("cancelled") << "" << "";
}

void DataExchangeTest::DefaultSuffixGoesOnNamesWithoutOne() {
  QFETCH(QString, typed);
  QFETCH(QString, chosen);
  QCOMPARE(WithDefaultSuffix(typed, QStringLiteral("alyprt")), chosen);
}

void DataExchangeTest::ChooserResolvesBareNamesInTheStartDirectory() {
  FileDialogStub files;
  files.answers = {QStringLiteral("mine")};
  const QString chosen = ChooseSetupFile(
      nullptr, {SetupFileRequest::Kind::Save, QStringLiteral("/programs/alacrity"),
                QStringLiteral("Alacrity CFG Files (*.alycfg)"), QStringLiteral("alycfg")});
  QCOMPARE(chosen, QStringLiteral("/programs/alacrity/mine.alycfg"));
}

void DataExchangeTest::SaveOverExistingFileAsksAndNoGoesBack() {
  QTemporaryDir dir;
  QFile existing(dir.filePath(QStringLiteral("old.alycfg")));
  QVERIFY(existing.open(QIODevice::WriteOnly));
  existing.close();
  MessageRecorder messages;
  messages.answer = false;
  FileDialogStub files;
  files.answers = {QStringLiteral("old"), QString()};
  const QString chosen = ChooseSetupFile(
      nullptr, {SetupFileRequest::Kind::Save, dir.path(), QStringLiteral("x (*.alycfg)"),
                QStringLiteral("alycfg")});
  QVERIFY(chosen.isEmpty());
  QCOMPARE(messages.questions,
           QStringList{QStringLiteral("old.alycfg already exists.\nDo you want to replace it?")});
  QCOMPARE(files.requests.size(), 2);
}

void DataExchangeTest::SaveOverExistingFileWithYesReturnsIt() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("old.alycfg"));
  QFile existing(path);
  QVERIFY(existing.open(QIODevice::WriteOnly));
  existing.close();
  MessageRecorder messages;
  FileDialogStub files;
  files.answers = {path};
  QCOMPARE(ChooseSetupFile(nullptr, {SetupFileRequest::Kind::Save, dir.path(),
                                     QStringLiteral("x (*.alycfg)"), QStringLiteral("alycfg")}),
           path);
  QCOMPARE(messages.questions.size(), 1);
}

void DataExchangeTest::OpenNeverAsksAboutExistingFiles() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("old.alycfg"));
  QFile existing(path);
  QVERIFY(existing.open(QIODevice::WriteOnly));
  existing.close();
  MessageRecorder messages;
  FileDialogStub files;
  files.answers = {path};
  QCOMPARE(ChooseSetupFile(nullptr, {SetupFileRequest::Kind::Open, dir.path(),
                                     QStringLiteral("x (*.alycfg)"), QStringLiteral("alycfg")}),
           path);
  QVERIFY(messages.questions.isEmpty());
}

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::DataExchangeTest)
#include "dataexchange_test.moc"
