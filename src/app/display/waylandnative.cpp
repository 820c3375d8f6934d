// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/waylandnative.h"

#include <qpa/qplatformnativeinterface.h>
#include <QGuiApplication>
#include <QWindow>

namespace alacrity {
namespace {

QPlatformNativeInterface* NativeInterface() {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return nullptr;
  return QGuiApplication::platformNativeInterface();
}

}  // namespace

wl_display* QtWaylandDisplay() {
  QPlatformNativeInterface* native = NativeInterface();
  if (native == nullptr) return nullptr;
  return static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
}

wl_surface* QtWaylandSurface(QWindow& window) {
  QPlatformNativeInterface* native = NativeInterface();
  if (native == nullptr || window.handle() == nullptr) return nullptr;
  return static_cast<wl_surface*>(native->nativeResourceForWindow("surface", &window));
}

}  // namespace alacrity
