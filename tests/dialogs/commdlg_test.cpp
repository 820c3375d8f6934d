// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// "Communication port setup": the current port checked, OK storing the
// checked position, the device path of each port in its tooltip, and the
// device assigned to each port from those present in a fake /dev and /sys.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

#include "data/document_data.h"
#include "dialogs/commdlg.h"
#include "dialogs/lightsensor.h"
#include "dialogs/portsettings.h"
#include "dialogtestsupport.h"
#include "link/serial_devices.h"

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
  void DevicesPresentAreOfferedAndTheChoiceIsKeptPerUser();
  void AVariableFixesItsPortAndAnAbsentDeviceStaysAssigned();
  void ASlowLatencyTimerIsLoweredOrToldOnce();
  void EachPortsBoxKeepsItsOwnLightSensor();
  void initTestCase();
  void cleanup();

 private:
  // A fake tree: one FTDI converter (by-id name, ttyUSB0 with its latency
  // timer at 16 ms), a real UART at ttyS0 and a node without one, ttyS1.
  DeviceRoots FakeTree();
  QComboBox* Devices(const QWidget& dialog, int port);

  QTemporaryDir m_config;
  QTemporaryDir m_tree;
};

void CommDlgTest::initTestCase() {
  // The user's settings go to a directory of the test, never the real ones.
  qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
}

void CommDlgTest::cleanup() {
  for (int index = 0; index < SerialPortCount; ++index) StorePortAssignment(index, QString());
}

DeviceRoots CommDlgTest::FakeTree() {
  const QDir root(m_tree.path());
  root.mkpath(QStringLiteral("dev/serial/by-id"));
  root.mkpath(QStringLiteral("sys/class/tty/ttyS0"));
  root.mkpath(QStringLiteral("sys/class/tty/ttyS1"));
  root.mkpath(QStringLiteral("sys/bus/usb-serial/devices/ttyUSB0"));
  for (const char* file : {"dev/ttyUSB0", "dev/ttyS0", "dev/ttyS1"}) {
    QFile(root.filePath(QString::fromLatin1(file))).open(QIODevice::WriteOnly);
  }
  QFile uart(root.filePath(QStringLiteral("sys/class/tty/ttyS0/type")));
  uart.open(QIODevice::WriteOnly);
  uart.write("4\n");  // a 16550A
  QFile none(root.filePath(QStringLiteral("sys/class/tty/ttyS1/type")));
  none.open(QIODevice::WriteOnly);
  none.write("0\n");  // no UART behind the node
  QFile timer(root.filePath(QStringLiteral("sys/bus/usb-serial/devices/ttyUSB0/latency_timer")));
  timer.remove();
  timer.open(QIODevice::WriteOnly);
  timer.write("16\n");
  QFile::link(QStringLiteral("../../ttyUSB0"),
              root.filePath(QStringLiteral("dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0")));
  return {root.filePath(QStringLiteral("dev")).toStdString(),
          root.filePath(QStringLiteral("sys")).toStdString()};
}

QComboBox* CommDlgTest::Devices(const QWidget& dialog, int port) {
  return Find<QComboBox>(dialog, QStringLiteral("device%1").arg(1000 + port).toLatin1().constData());
}

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

void CommDlgTest::DevicesPresentAreOfferedAndTheChoiceIsKeptPerUser() {
  const DeviceRoots roots = FakeTree();
  const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0");
  DocumentData data;
  {
    CCommDlg dialog(data, roots);
    QComboBox* com2 = Devices(dialog, 1);
    QVERIFY(com2 != nullptr);
    QCOMPARE(com2->count(), 4);
    QCOMPARE(com2->itemText(0), QStringLiteral("standard: /dev/ttyS1"));
    QCOMPARE(com2->itemText(1), QStringLiteral("usb-FTDI_FT232R_A1-if00-port0 (/dev/ttyUSB0)"));
    QCOMPARE(com2->itemData(2).toString(), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(com2->itemData(3).toString(), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(com2->currentIndex(), 0);
    com2->setCurrentIndex(1);
    Devices(dialog, 3)->setCurrentIndex(2);
    Click(dialog, "2");  // Cancel
  }
  QCOMPARE(SerialDevicePath(1), std::string("/dev/ttyS1"));
  {
    CCommDlg dialog(data, roots);
    Devices(dialog, 1)->setCurrentIndex(1);
    Click(dialog, "1");
  }
  QCOMPARE(SerialDevicePath(1), byId.toStdString());
  QCOMPARE(QSettings(QStringLiteral("alacrity"), QStringLiteral("alacrity"))
               .value(QStringLiteral("ports/COM2"))
               .toString(),
           byId);
  // The next start reads it back.
  AssignSerialDevice(1, "");
  LoadPortAssignments();
  QCOMPARE(SerialDevicePath(1), byId.toStdString());
  CCommDlg reopened(data, roots);
  QCOMPARE(Devices(reopened, 1)->currentData().toString(), byId);
  QCOMPARE(Button(reopened, "1001")->toolTip(), byId);
}

void CommDlgTest::AVariableFixesItsPortAndAnAbsentDeviceStaysAssigned() {
  const DeviceRoots roots = FakeTree();
  StorePortAssignment(0, QStringLiteral("/dev/ttyUSB5"));  // unplugged since
  StorePortAssignment(2, QStringLiteral("/dev/ttyUSB0"));
  qputenv("ALACRITY_COM3", "/dev/pts/9");
  DocumentData data;
  CCommDlg dialog(data, roots);
  qunsetenv("ALACRITY_COM3");
  QVERIFY(!Devices(dialog, 2)->isEnabled());
  QCOMPARE(Devices(dialog, 2)->currentText(), QStringLiteral("/dev/pts/9 (ALACRITY_COM3)"));
  QCOMPARE(Devices(dialog, 0)->currentText(), QStringLiteral("/dev/ttyUSB5 (not present)"));
  Click(dialog, "1");
  QCOMPARE(AssignedSerialDevice(0), std::string("/dev/ttyUSB5"));
  // The variable does not erase what was chosen before it was set.
  QCOMPARE(AssignedSerialDevice(2), std::string("/dev/ttyUSB0"));
}

void CommDlgTest::ASlowLatencyTimerIsLoweredOrToldOnce() {
  const DeviceRoots roots = FakeTree();
  const QString timerFile =
      QDir(m_tree.path()).filePath(QStringLiteral("sys/bus/usb-serial/devices/ttyUSB0/latency_timer"));
  DocumentData data;
  data.portIndex = 0;
  MessageRecorder recorder;
  {
    CCommDlg dialog(data, roots);
    Devices(dialog, 0)->setCurrentIndex(2);  // /dev/ttyUSB0
    Click(dialog, "1");
  }
  QFile written(timerFile);
  QVERIFY(written.open(QIODevice::ReadOnly));
  QCOMPARE(written.readAll().trimmed(), QByteArray("1"));
  QVERIFY(recorder.messages.isEmpty());

  // A timer this user may not write (even as root: a read-only kernel
  // setting stands in for it) is told about, once.
  const QString readOnly = QStringLiteral("/proc/sys/kernel/cap_last_cap");
  QFile probe(readOnly);
  if (!QFile::exists(readOnly) || probe.open(QIODevice::WriteOnly)) {
    QSKIP("no read-only number file to stand in for the timer");
  }
  QFile::remove(timerFile);
  QVERIFY(QFile::link(readOnly, timerFile));
  for (int time = 0; time < 2; ++time) {
    CCommDlg dialog(data, roots);
    Click(dialog, "1");
  }
  QCOMPARE(recorder.messages.size(), 1);
  QVERIFY(recorder.messages[0].startsWith(QStringLiteral("The latency timer of the converter ttyUSB0 is ")));
  QVERIFY(recorder.messages[0].contains(
      QStringLiteral("echo 1 | sudo tee /sys/bus/usb-serial/devices/ttyUSB0/latency_timer")));
}

// The checkbox speaks of the checked port's box; each port keeps its own
// answer, OK stores them all and Cancel none.
void CommDlgTest::EachPortsBoxKeepsItsOwnLightSensor() {
  DocumentData data;
  data.portIndex = 9;  // no port checked: nothing to say of a box
  {
    CCommDlg dialog(data);
    auto* sensor = Find<QCheckBox>(dialog, "lightSensor");
    QVERIFY(!sensor->isEnabled());
    Click(dialog, "1002");
    QVERIFY(sensor->isEnabled());
    QVERIFY(!sensor->isChecked());
    sensor->setChecked(true);
    Click(dialog, "1000");
    QVERIFY(!sensor->isChecked());
    Click(dialog, "1002");
    QVERIFY(sensor->isChecked());
    Click(dialog, "2");  // Cancel
  }
  QVERIFY(!StoredLightSensor(2));
  {
    CCommDlg dialog(data);
    Click(dialog, "1002");
    Find<QCheckBox>(dialog, "lightSensor")->setChecked(true);
    Click(dialog, "1000");
    Click(dialog, "1");
  }
  QCOMPARE(data.portIndex, 0);
  QVERIFY(StoredLightSensor(2));
  QVERIFY(!StoredLightSensor(0));
  QCOMPARE(StoredStation(2).lightSensor, true);
  CCommDlg reopened(data);
  QVERIFY(!Find<QCheckBox>(reopened, "lightSensor")->isChecked());  // COM1's box
  Click(reopened, "1002");
  QVERIFY(Find<QCheckBox>(reopened, "lightSensor")->isChecked());
  StoreLightSensor(2, false);
}

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::CommDlgTest)
#include "commdlg_test.moc"
