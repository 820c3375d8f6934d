// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Presented times from a real X server, an Xvfb of the test's own: its
// frame clock is a made-up 60 Hz, which the record must call simulated, and
// a compositor is whoever owns the screen's _NET_WM_CM_S0 selection.

#include <QGuiApplication>
#include <QRasterWindow>
#include <QTest>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "apptestsupport.h"
#include "commandids.h"
#include "display/presentationtimes.h"
#include "views/alacrityview.h"

namespace alacrity::test {
namespace {

xcb_connection_t* QtConnection() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t AtomNamed(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : 0;
  std::free(reply);
  return atom;
}

void RoundTrip(xcb_connection_t* connection) {
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

double MedianMs(std::vector<int64_t> ns) {
  std::sort(ns.begin(), ns.end());
  return ns.empty() ? 0.0 : static_cast<double>(ns[ns.size() / 2]) / 1e6;
}

constexpr int64_t SixtyHzNs = 16'666'667;

}  // namespace

class X11PresentationTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

  // A short test through the full-screen window, the box streaming a
  // simulated person's bytes at its real rate: every stimulus carries the
  // frame it was presented in, on the clock the frame counter counts.
  void everyStimulusCarriesItsFrame() {
    constexpr int Stimuli = 6;
    FrameFixture f;
    QVERIFY(f.PerformAnsweredInRealTime(Stimuli, 5));

    const RunTiming* timing = f.frame->View().TimingOfResults();
    QVERIFY(timing != nullptr);
    QCOMPARE(static_cast<int>(timing->stimuli.size()), Stimuli);
    std::vector<int64_t> onsetToPresented;
    std::vector<int64_t> handOverToPresented;
    const Presentation* previous = nullptr;
    for (const StimulusTiming& row : timing->stimuli) {
      const Presentation& presented = row.presented;
      const QByteArray which = QByteArray::number(row.stimulus);
      QVERIFY2(presented.hostNs > row.onsetHostNs, which);
      QCOMPARE(presented.quality, PresentQuality::SimulatedClock);
      QCOMPARE(presented.mode, PresentMode::Copy);
      // Xvfb counts its frames by a timer, which a busy machine delays.
      QVERIFY2(std::abs(presented.refreshNs - SixtyHzNs) < SixtyHzNs / 4,
               QByteArray::number(static_cast<qlonglong>(presented.refreshNs)));
      if (previous != nullptr) {
        QVERIFY2(presented.frameCounter > previous->frameCounter, which);
        const double perFrameNs = static_cast<double>(presented.hostNs - previous->hostNs) /
                                  static_cast<double>(presented.frameCounter - previous->frameCounter);
        QVERIFY2(std::abs(perFrameNs - static_cast<double>(presented.refreshNs)) <
                     static_cast<double>(presented.refreshNs) / 4,
                 which);
      }
      previous = &presented;
      onsetToPresented.push_back(presented.hostNs - row.onsetHostNs);
      handOverToPresented.push_back(presented.hostNs - row.paintedHostNs);
    }
    qInfo("onset -> presented: median %.3f ms; hand-over -> presented: median %.3f ms",
          MedianMs(onsetToPresented), MedianMs(handOverToPresented));
    // The first blank after the image: within one frame and a half of the
    // made-up clock, which rounds to the nearest frame.
    QVERIFY(MedianMs(handOverToPresented) < 2 * static_cast<double>(SixtyHzNs) / 1e6);
  }

  // A compositor is named, and the stimulus window asks it to stay out of
  // the way.
  void aCompositorIsNamedAndAskedToStayAway() {
    FrameFixture f;
    PresentationTimes& times = f.frame->View().Presentation();
    QCOMPARE(times.Support().method, QStringLiteral("X Present"));
    QVERIFY(times.Support().simulated);
    QVERIFY(!times.Support().compositor);

    xcb_connection_t* compositor = xcb_connect(nullptr, nullptr);
    QVERIFY(xcb_connection_has_error(compositor) == 0);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(compositor)).data;
    const xcb_window_t owner = xcb_generate_id(compositor);
    xcb_create_window(compositor, 0, owner, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_set_selection_owner(compositor, owner, AtomNamed(compositor, "_NET_WM_CM_S0"), XCB_CURRENT_TIME);
    RoundTrip(compositor);
    QVERIFY(times.Support().compositor);

    QWindow& window = *f.frame->windowHandle();
    times.PrepareStimulusWindow(window);
    RoundTrip(QtConnection());
    xcb_get_property_reply_t* bypass = xcb_get_property_reply(
        compositor,
        xcb_get_property(compositor, 0, static_cast<xcb_window_t>(window.winId()),
                         AtomNamed(compositor, "_NET_WM_BYPASS_COMPOSITOR"), XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    const bool asked = bypass != nullptr && xcb_get_property_value_length(bypass) == 4 &&
                       *static_cast<const uint32_t*>(xcb_get_property_value(bypass)) == 1;
    std::free(bypass);
    xcb_disconnect(compositor);
    QVERIFY(asked);
    QVERIFY(QTest::qWaitFor([&] { return !times.Support().compositor; }, 5000));
  }

  // A window destroyed while a frame in it is asked about: the server drops
  // the question, and the thread must still end.
  void aWindowClosedWhileAskedAboutHoldsNothingUp() {
    auto times = MakePresentationTimes([](int32_t, const Presentation&) {});
    auto window = std::make_unique<QRasterWindow>();
    window->resize(200, 200);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    times->AfterHandOver(*window, 1);
    window.reset();
    // The destruction reaches the server well before the frame's blank.
    xcb_flush(QtConnection());
    times.reset();
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::X11PresentationTest)
#include "x11presentation_test.moc"
