// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/presentationtimes.h"

#include <QGuiApplication>

#include <utility>

#ifdef ALACRITY_HAVE_WAYLAND_PRESENTATION
#include "display/presentation_wayland.h"
#endif
#ifdef ALACRITY_HAVE_XCB_PRESENT
#include "display/presentation_x11.h"
#endif

namespace alacrity {
namespace {

// The platforms that tell nothing of their frames: offscreen, minimal, or
// a build without the X or Wayland libraries.
class NoPresentationTimes final : public PresentationTimes {
 public:
  void BeforeHandOver(QWindow&, int32_t) override {}
  void AfterHandOver(QWindow&, int32_t) override {}
  PresentationSupport Support() const override { return {}; }
};

}  // namespace

std::unique_ptr<PresentationTimes> MakePresentationTimes(PresentedSink sink) {
  const QString platform = QGuiApplication::platformName();
#ifdef ALACRITY_HAVE_WAYLAND_PRESENTATION
  if (platform.startsWith(QLatin1String("wayland"))) {
    if (auto times = MakeWaylandPresentationTimes(sink)) return times;
  }
#endif
#ifdef ALACRITY_HAVE_XCB_PRESENT
  if (platform == QLatin1String("xcb")) {
    if (auto x11 = MakeX11PresentationTimes(sink)) return x11;
  }
#endif
  (void)sink;
  (void)platform;
  return std::make_unique<NoPresentationTimes>();
}

}  // namespace alacrity
