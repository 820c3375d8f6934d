// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The run controller's link: the process-wide device link front, which picks
// the USB box, the serial port of the run or the keyboard box.

#include "engine/run_controller.h"
#include "link/link.h"

namespace alacrity {

class DeviceRunLink final : public RunLink {
 public:
  int Start(RunState* run) override { return LinkStart(run); }
  void Stop() override { LinkStop(); }
  void SetSyncLine(int level) override { ::alacrity::SetSyncLine(level); }
  std::string DeviceName() const override { return TheDeviceLink().DeviceName(); }
  std::optional<int> LatencyTimerMs() override { return TheDeviceLink().LatencyTimer(); }
  std::string StartFailure() const override { return LinkStartFailure(); }
  bool StoppedSending() const override { return LinkStoppedSending(); }
};

}  // namespace alacrity
