// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/portsettings.h"

#include <QSettings>

#include "link/serial_devices.h"
#include "link/serial_link.h"

namespace alacrity {

namespace {

QSettings UserSettings() { return QSettings(QStringLiteral("alacrity"), QStringLiteral("alacrity")); }

QString Key(int index) {
  return QStringLiteral("ports/") + QString::fromStdString(SerialPortName(index));
}

}  // namespace

void LoadPortAssignments() {
  const QSettings settings = UserSettings();
  for (int index = 0; index < SerialPortCount; ++index) {
    AssignSerialDevice(index, settings.value(Key(index)).toString().toStdString());
  }
}

void StorePortAssignment(int index, const QString& device) {
  if (index < 0 || index >= SerialPortCount) return;
  QSettings settings = UserSettings();
  if (device.isEmpty()) {
    settings.remove(Key(index));
  } else {
    settings.setValue(Key(index), device);
  }
  AssignSerialDevice(index, device.toStdString());
}

}  // namespace alacrity
