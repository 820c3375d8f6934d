// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Lock key state from the X server's keyboard indicators (the XKB
// extension), on the display Qt's xcb platform opened. Other platforms
// running in the same build (offscreen, Wayland) have no such display.

#include <QGuiApplication>

#include <X11/XKBlib.h>

#include "frame/lockkeys.h"

namespace alacrity {
namespace {

// Indicator bits of the named lock indicators on one display, looked up
// once: the names are fixed by the server's keyboard map, the bits are not.
// A bit of 0: the server names no such indicator.
struct IndicatorBits {
  Display* display = nullptr;
  unsigned int caps = 0;
  unsigned int num = 0;
  unsigned int scroll = 0;
};

unsigned int NamedBit(Display* display, const char* name) {
  const Atom atom = XInternAtom(display, name, True);
  int index = -1;
  if (atom == None ||
      !XkbGetNamedIndicator(display, atom, &index, nullptr, nullptr, nullptr) || index < 0 ||
      index >= XkbNumIndicators) {
    return 0;
  }
  return 1u << static_cast<unsigned int>(index);
}

std::optional<bool> Lit(unsigned int state, unsigned int bit) {
  if (bit == 0) return std::nullopt;
  return (state & bit) != 0;
}

IndicatorBits LookUp(Display* display) {
  IndicatorBits bits;
  bits.display = display;
  int opcode = 0;
  int event = 0;
  int error = 0;
  int major = XkbMajorVersion;
  int minor = XkbMinorVersion;
  if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) return bits;
  bits.caps = NamedBit(display, "Caps Lock");
  bits.num = NamedBit(display, "Num Lock");
  bits.scroll = NamedBit(display, "Scroll Lock");
  return bits;
}

Display* QtDisplay() {
  auto* app = qGuiApp;
  if (app == nullptr) return nullptr;
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->display() : nullptr;
}

}  // namespace

LockKeyState ReadLockKeys() {
  Display* display = QtDisplay();
  if (display == nullptr) return {};
  // Main thread only, like every other use of the window system.
  static IndicatorBits bits;
  if (bits.display != display) bits = LookUp(display);
  unsigned int state = 0;
  if ((bits.caps | bits.num | bits.scroll) == 0 ||
      XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success) {
    return {};
  }
  return {Lit(state, bits.caps), Lit(state, bits.num), Lit(state, bits.scroll)};
}

}  // namespace alacrity
