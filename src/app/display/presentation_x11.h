// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Presented times on X11, from the Present extension over Qt's own xcb
// connection. Right after each stimulus frame's image the window thread
// asks the server to be told of the next frame (NotifyMSC); the server
// answers on the window's special event queue at that frame's blank, and a
// thread of its own reads the answers and hands each to the sink.

#include <memory>

#include "display/presentationtimes.h"

namespace alacrity {

// Null when the platform is not X11 or the server lacks Present.
std::unique_ptr<PresentationTimes> MakeX11PresentationTimes(PresentedSink sink);

}  // namespace alacrity
