// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "link.h"

#include "engine/engine.h"
#include "ftdi_driver.h"
#include "keyboard_box.h"
#include "serial_link.h"
#include "usb_link.h"

namespace alacrity {

DeviceLink::DeviceLink(DocumentData& data, std::unique_ptr<FtdiDriver> ftdi)
    : m_data(data),
      m_ftdi(std::move(ftdi)),
      m_usb(m_ftdi ? std::make_unique<UsbLink>(*m_ftdi) : nullptr),
      m_serial(std::make_unique<SerialLink>()),
      m_keyboard(std::make_unique<KeyboardBox>()) {}

DeviceLink::~DeviceLink() { Stop(); }

int DeviceLink::Start(RunState* run) {
  if (run == nullptr) {
    m_startFailure = "no run to start";
    return 0;
  }
  // A failed open leaves its link chosen, so this also refuses a retry until
  // Stop: the controller always stops after a failed start.
  if (m_active.load() != ActiveLink::None) {
    m_startFailure = "the link is still taken: press Stop first";
    return 0;
  }
  m_startFailure.clear();

  ActiveLink chosen = ActiveLink::Serial;
  if (m_useKeyboard) {
    chosen = ActiveLink::Keyboard;
  } else if (run->serialOnly.load() == 0 && m_usb && m_usb->UsbProbe() != 0) {
    chosen = ActiveLink::Usb;
  }
  // A light sensor is a setting of the box on a serial port: the USB box is
  // the four-button box and the keyboard box has none, and whatever their
  // upper bits say must not be read as light.
  if (chosen != ActiveLink::Serial) run->lightSensor.store(0);
  AttachEngine(*run, m_data);
  m_active.store(chosen);

  if (chosen == ActiveLink::Keyboard) {
    if (m_keyboard->Open() != 0) return 1;
    m_startFailure = "the keyboard box could not start";
    return 0;
  }
  if (chosen == ActiveLink::Usb) {
    if (m_usb->UsbOpen() != 0) return 1;
    m_startFailure = m_usb->OpenFailure();
    return 0;
  }
  if (m_serial->SerialOpen(run->portIndex.load()) != 0) return 1;
  // Both ways were tried: say so, or the operator would look for the box
  // on the serial port only.
  m_startFailure = run->serialOnly.load() == 0 ? "no USB box found; " : "";
  m_startFailure += m_serial->OpenFailure();
  return 0;
}

bool DeviceLink::StoppedSending() const {
  switch (m_active.load()) {
    case ActiveLink::Usb:
      return m_usb->ReaderEnded();
    case ActiveLink::Serial:
      return m_serial->ReaderEnded();
    case ActiveLink::Keyboard:
    case ActiveLink::None:
      break;
  }
  return false;
}

void DeviceLink::Stop() {
  // Each close joins its reader, so the engine has seen its last byte before
  // the link is marked idle.
  switch (m_active.load()) {
    case ActiveLink::Usb:
      m_usb->UsbClose();
      break;
    case ActiveLink::Serial:
      m_serial->SerialClose();
      break;
    case ActiveLink::Keyboard:
      m_keyboard->Close();
      break;
    case ActiveLink::None:
      return;
  }
  m_active.store(ActiveLink::None);
}

void DeviceLink::SetSyncLine(int level) {
  // Only the USB converter carries the sync line. The engine calls this on
  // the reader thread of the running link, which Stop joins before it
  // changes the active link.
  if (m_active.load() == ActiveLink::Usb) m_usb->SetSyncLine(level);
}

void DeviceLink::UseKeyboardBox(bool use) { m_useKeyboard = use; }

bool DeviceLink::UsesKeyboardBox() const { return m_useKeyboard; }

KeyboardBox& DeviceLink::Keyboard() { return *m_keyboard; }

ActiveLink DeviceLink::Active() const { return m_active.load(); }

std::string DeviceLink::DeviceName() const {
  switch (m_active.load()) {
    case ActiveLink::Usb: return "USB";
    case ActiveLink::Serial: return m_serial->DevicePath();
    case ActiveLink::Keyboard: return "keyboard";
    case ActiveLink::None: break;
  }
  return {};
}

std::optional<int> DeviceLink::LatencyTimer() {
  if (m_active.load() != ActiveLink::Usb) return std::nullopt;
  return m_usb->LatencyTimer();
}

UsbReceptionHealth DeviceLink::UsbHealth() const {
  return m_usb ? m_usb->Health() : UsbReceptionHealth{};
}

DeviceLink& TheDeviceLink() {
  // Built over the document data, which therefore outlives it; its
  // destructor at exit stops a run that is still going.
  static DeviceLink link(TheDocumentData(), MakeLibFtdiDriver());
  static const bool hookInstalled = [] {
    InstallSyncLineHook(&alacrity::SetSyncLine);
    return true;
  }();
  (void)hookInstalled;
  return link;
}

int LinkStart(RunState* run) { return TheDeviceLink().Start(run); }

const std::string& LinkStartFailure() { return TheDeviceLink().StartFailure(); }

bool LinkStoppedSending() { return TheDeviceLink().StoppedSending(); }

void LinkStop() { TheDeviceLink().Stop(); }

void SetSyncLine(int level) { TheDeviceLink().SetSyncLine(level); }

}  // namespace alacrity
