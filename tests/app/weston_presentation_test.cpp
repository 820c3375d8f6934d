// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A real test shown through a headless Weston (scripts/with-weston starts
// it): the compositor tells when each stimulus frame was presented, and the
// record keeps it against the frame clock the compositor reports.

#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "apptestsupport.h"
#include "display/presentationtimes.h"
#include "views/alacrityview.h"

namespace alacrity::test {

class WestonPresentationTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The compositor names the outputs a surface enters by every binding of
  // them the client holds, and Qt takes each for one of its own: watching
  // for presentation times must leave a window shown afterwards alone.
  void aWindowShownWhileWatchingEntersItsOutput() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
      QSKIP("needs a Wayland compositor (scripts/with-weston)");
    }
    const std::unique_ptr<PresentationTimes> times = MakePresentationTimes({});
    QWidget window;
    window.resize(320, 240);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(200);
    QVERIFY(window.screen() != nullptr);
  }

  void everyStimulusFrameHasItsPresentedTime() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
      QSKIP("needs a Wayland compositor (scripts/with-weston)");
    }
    constexpr int Stimuli = 8;
    FrameFixture f;
    MessageRecorder boxes;
    CAlacrityView& view = f.frame->View();
    const PresentationSupport support = view.Presentation().Support();
    QCOMPARE(support.method, QStringLiteral("Wayland presentation-time"));
    QVERIFY2(support.simulated, "a headless output was not taken for a virtual one");

    view.SetSafetyNetTimerMs(600'000);
    QVERIFY(f.PerformAnsweredInRealTime(Stimuli, 3));
    const RunTiming* timing = view.TimingOfResults();
    QVERIFY(timing != nullptr);
    QCOMPARE(static_cast<int>(timing->stimuli.size()), Stimuli);
    std::vector<double> onsetToPresentedMs;
    int64_t previousCounter = -1;
    for (std::size_t i = 0; i < timing->stimuli.size(); ++i) {
      const StimulusTiming& row = timing->stimuli[i];
      const Presentation& p = row.presented;
      const QByteArray which = QByteArray::number(row.stimulus);
      QVERIFY2(p.hostNs != 0, which);
      QCOMPARE(p.quality, PresentQuality::SimulatedClock);
      QCOMPARE(p.mode, PresentMode::Composited);
      // The output's 60 Hz, as its frame clock reports it.
      QVERIFY2(std::abs(p.refreshNs - 16'666'667) < 10'000, which);
      // Weston's clock (CLOCK_MONOTONIC_RAW) carried over to the record's:
      // shown after the hand-over, and before the next stimulus began.
      QVERIFY2(p.hostNs > row.paintedHostNs, which);
      if (i + 1 < timing->stimuli.size()) {
        QVERIFY2(p.hostNs < timing->stimuli[i + 1].onsetHostNs, which);
      }
      // Weston 10's headless output counts no retraces; where an output
      // does, its counter rises from frame to frame.
      if (p.frameCounter >= 0) {
        QVERIFY2(p.frameCounter > previousCounter, which);
        previousCounter = p.frameCounter;
      }
      onsetToPresentedMs.push_back(static_cast<double>(p.hostNs - row.onsetHostNs) / 1e6);
    }
    std::sort(onsetToPresentedMs.begin(), onsetToPresentedMs.end());
    qInfo("onset to presented: median %.1f ms, longest %.1f ms over %d stimuli",
          onsetToPresentedMs[onsetToPresentedMs.size() / 2], onsetToPresentedMs.back(), Stimuli);
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::WestonPresentationTest)
#include "weston_presentation_test.moc"
