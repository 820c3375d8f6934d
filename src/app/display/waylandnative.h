// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Wayland objects behind Qt's connection and windows. Qt 6.4 hands them
// out only through its platform native interface, a private API that may
// change with any Qt release: every use of it is here.

class QWindow;
struct wl_display;
struct wl_surface;

namespace alacrity {

// The connection of Qt's Wayland platform; null on any other platform.
wl_display* QtWaylandDisplay();

// The surface `window` is drawn into; null before the window is shown or
// after it was hidden (Qt then destroys the surface).
wl_surface* QtWaylandSurface(QWindow& window);

}  // namespace alacrity
