// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/displayhandover.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cstdlib>

#include "display/displayserver.h"
#include "engine/host_clock.h"

#ifdef ALACRITY_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace alacrity {

int64_t FinishFrameHandOver() {
#ifdef ALACRITY_HAVE_XCB
  if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>(); x11 != nullptr) {
    if (xcb_connection_t* connection = x11->connection(); connection != nullptr) {
      // The reply comes only after the server has handled every request
      // before it, the frame's image among them.
      std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
  }
#endif
  return MonotonicNowNs();
}

DisplayInfo CurrentDisplayInfo(const QWidget& widget) {
  DisplayInfo info;
  info.server = DisplayServerText(CurrentDisplayServer()).toStdString();
  // The screen the widget's window is on: the stimulus screen during a test.
  if (const QScreen* screen = widget.screen(); screen != nullptr) info.refreshHz = screen->refreshRate();
  return info;
}

}  // namespace alacrity
