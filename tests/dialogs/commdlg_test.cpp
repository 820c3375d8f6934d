// "Communication port setup": the current port checked, OK storing the
// checked position, the device path of each port in its tooltip.

#include <QtTest>

#include <cstdlib>

#include "app/dialogs/commdlg.h"
#include "data/document_data.h"
#include "dialogtestsupport.h"

namespace alacrity::test {

namespace {

constexpr std::array<const char*, 5> Ports = {"1000", "1001", "1002", "1003", "1004"};

}  // namespace

class CommDlgTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void OpensWithTheCurrentPortChecked();
  void OkStoresTheCheckedPosition();
  void CancelChangesNothing();
  void TooltipsNameTheDevices();
  void PortWithoutButtonIsKeptByOk();
};

void CommDlgTest::OpensWithTheCurrentPortChecked() {
  DocumentData data;
  data.portIndex = 3;
  CCommDlg dialog(data);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Communication port setup"));
  for (std::size_t index = 0; index < Ports.size(); ++index) {
    QCOMPARE(IsChecked(dialog, Ports[index]), index == 3);
    QCOMPARE(Button(dialog, Ports[index])->text(), QStringLiteral("COM%1").arg(index + 1));
  }
}

void CommDlgTest::OkStoresTheCheckedPosition() {
  DocumentData data;
  CCommDlg dialog(data);
  dialog.show();
  Click(dialog, "1002");
  Click(dialog, "1");
  QCOMPARE(dialog.result(), int{QDialog::Accepted});
  QCOMPARE(data.portIndex, 2);
}

void CommDlgTest::CancelChangesNothing() {
  DocumentData data;
  data.portIndex = 1;
  CCommDlg dialog(data);
  dialog.show();
  Click(dialog, "1004");
  Click(dialog, "2");
  QCOMPARE(data.portIndex, 1);
}

void CommDlgTest::TooltipsNameTheDevices() {
  qputenv("ALACRITY_COM2", "/dev/ttyUSB7");
  DocumentData data;
  CCommDlg dialog(data);
  qunsetenv("ALACRITY_COM2");
  QCOMPARE(Button(dialog, "1000")->toolTip(), QStringLiteral("/dev/ttyS0"));
  QCOMPARE(Button(dialog, "1001")->toolTip(), QStringLiteral("/dev/ttyUSB7"));
  QCOMPARE(Button(dialog, "1004")->toolTip(), QStringLiteral("/dev/ttyS4"));
}

void CommDlgTest::PortWithoutButtonIsKeptByOk() {
  DocumentData data;
  data.portIndex = 9;  // as a configuration file may hold it
  CCommDlg dialog(data);
  for (const char* port : Ports) QVERIFY(!IsChecked(dialog, port));
  Click(dialog, "1");
  QCOMPARE(data.portIndex, 9);
}

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::CommDlgTest)
#include "commdlg_test.moc"
