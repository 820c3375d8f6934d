// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// When a painted frame has really left the program: after a synchronous
// repaint Qt has flushed the backing store to the window system; on X11 a
// round trip to the server then waits until the server has processed the
// image as well. What the display server and the screen add after that is
// outside the program's sight (a photodiode sees it).

#include <cstdint>

#include "data/run_timing.h"

class QWidget;

namespace alacrity {

// Call right after QWidget::repaint(): waits for the display server where
// the platform allows, then returns MonotonicNowNs().
int64_t FinishFrameHandOver();

// The display server ("X11", "Wayland (weston)", or Qt's platform name) and
// the refresh rate of the screen `widget` is on.
DisplayInfo CurrentDisplayInfo(const QWidget& widget);

}  // namespace alacrity
