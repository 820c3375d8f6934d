// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Presentation times from a Wayland compositor (the presentation-time
// protocol): a feedback object goes with the commit of each stimulus frame,
// and the compositor answers when that frame turned into light on the
// output, by which clock, at which retrace and how sure it is.

#include <memory>

#include "display/presentationtimes.h"

namespace alacrity {

// Null when the program does not run on Qt's Wayland platform or the
// compositor does not offer the protocol.
std::unique_ptr<PresentationTimes> MakeWaylandPresentationTimes(PresentedSink sink);

}  // namespace alacrity
