// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Communication port setup": which of COM1..COM5 the serial link opens when
// no USB box is found, and which device of this machine each COM port stands
// for. Each button's tooltip names the device behind it; beside it a list
// offers the serial devices present (stable by-id names first), the port's
// standard device, or shows the device an ALACRITY_COMn variable fixes. Under
// them, whether the box on the checked port has a light sensor on its fifth
// bit; each port keeps its own answer.

#include <QDialog>

#include <array>
#include <cstdint>

#include "dialogs/dataexchange.h"
#include "link/serial_devices.h"
#include "link/serial_link.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace alacrity {

struct DocumentData;

class CCommDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CCommDlg(DocumentData& document, QWidget* parent = nullptr);
  // With the device and sysfs trees at `roots` (tests use a fake tree).
  CCommDlg(DocumentData& document, const DeviceRoots& roots, QWidget* parent = nullptr);

  void accept() override;

 private:
  bool Exchange(DataExchange::Direction direction);
  void CheckLatencyTimer();

  DocumentData& m_data;
  DeviceRoots m_roots;
  int32_t m_portIndex = -1;
  QButtonGroup* m_ports = nullptr;  // 1000..1004
  // "device1000".."device1004": the device of each port; item data is the
  // path, "" for the standard device.
  std::array<QComboBox*, SerialPortCount> m_devices{};
  // "lightSensor": the checked port's answer; all of them until OK.
  QCheckBox* m_lightSensor = nullptr;
  std::array<bool, SerialPortCount> m_lightSensors{};
};

}  // namespace alacrity
