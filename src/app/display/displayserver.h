// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window system the program draws through and what it costs the
// stimulus. Under X11 without a compositor a painted picture goes to the
// screen at the next refresh; a Wayland compositor first composes it into
// its own frame, which shows it about one refresh later. Operators and the
// timing figures need to know which of the two a station runs.

#include <QString>

class QScreen;

namespace alacrity {

struct DisplayServer {
  QString name;        // "X11", "Wayland", else Qt's platform name ("offscreen")
  QString compositor;  // Wayland: the compositor's program name when it can be found
  bool composited = false;
};

DisplayServer CurrentDisplayServer();

// "X11", "Wayland (weston)", "Wayland".
QString DisplayServerText(const DisplayServer& server);

// One sentence on the compositor's extra frame for the device check, with
// the refresh rate of the stimulus screen; empty when nothing composes.
QString CompositorDelayNote(const DisplayServer& server, const QScreen* stimulusScreen);

// The program name of the process at the other end of the Wayland socket
// (Linux: the peer's credentials and /proc); empty when unknown.
QString WaylandCompositorName();

}  // namespace alacrity
