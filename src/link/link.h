// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The front of the device link: the run controller starts and stops runs
// here, the engine and the stimulus drawing drive the sync line. USB is tried
// first, the serial port of the run is the fallback; the keyboard box runs
// only when it was chosen explicitly.

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "data/document_data.h"
#include "engine/run_state.h"

namespace alacrity {

class FtdiDriver;
class KeyboardBox;
class SerialLink;
class UsbLink;
struct UsbReceptionHealth;

enum class ActiveLink { None, Usb, Serial, Keyboard };

class DeviceLink {
 public:
  DeviceLink(DocumentData& data, std::unique_ptr<FtdiDriver> ftdi);
  ~DeviceLink();
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;

  // 1 when a link runs, 0 on failure. The active link is chosen before the
  // open and stays chosen when the open fails, so a second start is refused
  // until Stop. Only a box on a serial port may have a light sensor: any
  // other clears the run's `lightSensor`.
  int Start(RunState* run);
  // Why the last Start failed, for the operator: the device tried and what
  // went wrong ("no USB box found; /dev/ttyS0: Permission denied"). Empty
  // after a start that succeeded.
  const std::string& StartFailure() const { return m_startFailure; }
  // True once the active link's reader has ended by itself: the box was
  // unplugged or its line hung up or failed. The run gets no byte any more
  // and stays as it is until Stop. Polled by the user-interface thread.
  bool StoppedSending() const;
  // Stops and closes whichever link is active; returns once its reader has
  // ended, so no byte arrives after it. Nothing happens with no active link.
  void Stop();
  // USB only: 0 asserts the sync line, anything else releases it.
  void SetSyncLine(int level);

  // Use the keyboard box instead of the hardware from the next start on.
  void UseKeyboardBox(bool use);
  bool UsesKeyboardBox() const;
  KeyboardBox& Keyboard();

  ActiveLink Active() const;
  // The active link's device: the serial device path, "USB" or "keyboard";
  // empty with none.
  std::string DeviceName() const;
  // The USB converter's latency timer in ms while the USB link runs.
  std::optional<int> LatencyTimer();
  // Recovered transfer failures and the longest gap they caused, of the
  // current or last USB run; zeros when no USB box was ever opened.
  UsbReceptionHealth UsbHealth() const;

 private:
  DocumentData& m_data;
  std::unique_ptr<FtdiDriver> m_ftdi;  // declared first: the USB link uses it until its end
  std::unique_ptr<UsbLink> m_usb;      // null without a driver: no USB box can be found
  std::unique_ptr<SerialLink> m_serial;
  std::unique_ptr<KeyboardBox> m_keyboard;
  // Written by Start and Stop on the user-interface thread; read there and,
  // through SetSyncLine, by the engine on the reader thread.
  std::atomic<ActiveLink> m_active{ActiveLink::None};
  bool m_useKeyboard = false;  // user-interface thread only
  std::string m_startFailure;  // user-interface thread only
};

// The process-wide link over TheDocumentData() and the libftdi driver; it
// installs itself as the engine's sync-line hook.
DeviceLink& TheDeviceLink();

int LinkStart(RunState* run);
const std::string& LinkStartFailure();
bool LinkStoppedSending();
void LinkStop();
void SetSyncLine(int level);

}  // namespace alacrity
