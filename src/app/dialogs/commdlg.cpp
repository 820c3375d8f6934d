// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/commdlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSet>
#include <QVBoxLayout>

#include <cstdlib>

#include "data/document_data.h"
#include "dialogs/dialoglayout.h"
#include "dialogs/lightsensor.h"
#include "dialogs/messagebox.h"
#include "dialogs/portsettings.h"

namespace alacrity {

namespace {

QString EnvironmentDevice(int index) {
  const std::string variable = "ALACRITY_" + SerialPortName(index);
  const char* device = std::getenv(variable.c_str());
  return device != nullptr ? QString::fromLocal8Bit(device) : QString();
}

// How a device reads in the list: a by-id name without its folder and with
// the node it leads to, other nodes as their path.
QString DeviceText(const std::string& path, const DeviceRoots& roots) {
  static const std::string ById = "/dev/serial/by-id/";
  if (path.compare(0, ById.size(), ById) != 0) return QString::fromStdString(path);
  const std::string target = SerialDeviceTarget(path, roots);
  QString text = QString::fromStdString(path.substr(ById.size()));
  if (target != path) text += QStringLiteral(" (%1)").arg(QString::fromStdString(target));
  return text;
}

// Told once per converter and session: the operator cannot change it from
// here, and is not to be nagged every time the dialog closes.
QSet<QString>& ConvertersToldAbout() {
  static QSet<QString> told;
  return told;
}

}  // namespace

CCommDlg::CCommDlg(DocumentData& document, QWidget* parent) : CCommDlg(document, {}, parent) {}

CCommDlg::CCommDlg(DocumentData& document, const DeviceRoots& roots, QWidget* parent)
    : QDialog(parent), m_data(document), m_roots(roots) {
  setWindowTitle(tr("Communication port setup"));

  auto* box = new QGroupBox(tr("Communication port"), this);
  auto* boxLayout = new QGridLayout(box);
  m_ports = new QButtonGroup(box);
  const std::vector<std::string> present = ListSerialDevices(m_roots);
  for (int index = 0; index < SerialPortCount; ++index) {
    auto* button = new QRadioButton(QString::fromStdString(SerialPortName(index)), box);
    button->setObjectName(QString::number(1000 + index));
    button->setToolTip(QString::fromStdString(SerialDevicePath(index)));
    m_ports->addButton(button, index);
    boxLayout->addWidget(button, index, 0);

    auto* devices = new QComboBox(box);
    devices->setObjectName(QStringLiteral("device%1").arg(1000 + index));
    devices->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_devices[static_cast<std::size_t>(index)] = devices;
    boxLayout->addWidget(devices, index, 1);
    if (const QString fixed = EnvironmentDevice(index); !fixed.isEmpty()) {
      // The variable wins over any choice made here; show that plainly.
      devices->addItem(QStringLiteral("%1 (ALACRITY_%2)")
                           .arg(fixed, QString::fromStdString(SerialPortName(index))),
                       fixed);
      devices->setEnabled(false);
      continue;
    }
    devices->addItem(tr("standard: /dev/ttyS%1").arg(index), QString());
    for (const std::string& path : present) {
      devices->addItem(DeviceText(path, m_roots), QString::fromStdString(path));
    }
    // An assigned converter that is unplugged now stays assigned.
    const QString assigned = QString::fromStdString(AssignedSerialDevice(index));
    int current = devices->findData(assigned);
    if (current < 0) {
      devices->addItem(tr("%1 (not present)").arg(assigned), assigned);
      current = devices->count() - 1;
    }
    devices->setCurrentIndex(current);
  }

  for (int index = 0; index < SerialPortCount; ++index) {
    m_lightSensors[static_cast<std::size_t>(index)] = StoredLightSensor(index);
  }
  m_lightSensor = new QCheckBox(tr("The box has a light sensor on its fifth bit"), this);
  m_lightSensor->setObjectName(QStringLiteral("lightSensor"));
  m_lightSensor->setToolTip(
      tr("A box built with a light sensor over the marker in a corner of the stimulus screen"));
  connect(m_lightSensor, &QCheckBox::toggled, this, [this](bool has) {
    if (const int index = m_ports->checkedId(); index >= 0) {
      m_lightSensors[static_cast<std::size_t>(index)] = has;
    }
  });
  connect(m_ports, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
    if (!checked) return;
    m_lightSensor->setEnabled(true);
    m_lightSensor->setChecked(m_lightSensors[static_cast<std::size_t>(index)]);
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(m_lightSensor);
  layout->addWidget(MakeOkCancel(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // The ports and their devices make a narrow dialog: wide enough for the
  // title bar to show the whole title.
  const QMargins margins = layout->contentsMargins();
  box->setMinimumWidth(TitleBarWidth(*this) - margins.left() - margins.right());

  m_portIndex = m_data.portIndex;
  // With no port checked there is no box to say anything of.
  m_lightSensor->setEnabled(false);
  Exchange(DataExchange::Direction::ToControls);
}

bool CCommDlg::Exchange(DataExchange::Direction direction) {
  DataExchange dx(this, direction);
  dx.Radio(m_ports, m_portIndex);
  return dx.Ok();
}

void CCommDlg::accept() {
  Exchange(DataExchange::Direction::FromControls);
  // A port index from a file may name no port, so no button is checked;
  // OK then keeps it rather than storing "none".
  if (m_portIndex >= 0) m_data.portIndex = m_portIndex;
  for (int index = 0; index < SerialPortCount; ++index) {
    const QComboBox* devices = m_devices[static_cast<std::size_t>(index)];
    if (devices->isEnabled()) StorePortAssignment(index, devices->currentData().toString());
    StoreLightSensor(index, m_lightSensors[static_cast<std::size_t>(index)]);
  }
  CheckLatencyTimer();
  QDialog::accept();
}

void CCommDlg::CheckLatencyTimer() {
  const std::string device = SerialDevicePath(m_data.portIndex);
  if (device.empty()) return;
  const LatencyTimerCheck check = LowerLatencyTimer(device, m_roots);
  if (check.state != LatencyTimer::Slow) return;
  const QString tty = QString::fromStdString(check.tty);
  if (ConvertersToldAbout().contains(tty)) return;
  ConvertersToldAbout().insert(tty);
  ShowMessageBox(this, QString::fromStdString(LatencyTimerAdvice(check)));
}

}  // namespace alacrity
