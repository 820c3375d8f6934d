// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A Wayland compositor's answer for a presented frame as the record keeps
// it: its clock carried over to CLOCK_MONOTONIC, its flags read as how the
// frame was shown and how far its time can be trusted.

#include <QTest>

#include <time.h>

#include "display/waylandfeedback.h"
#include "engine/host_clock.h"

namespace alacrity::test {

namespace {

constexpr uint32_t Vsync = WaylandPresentedVsync;
constexpr uint32_t HwClock = WaylandPresentedHwClock;
constexpr uint32_t HwCompletion = WaylandPresentedHwCompletion;
constexpr uint32_t ZeroCopy = WaylandPresentedZeroCopy;

int64_t NowNs(clockid_t clock) {
  timespec now{};
  ::clock_gettime(clock, &now);
  return int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

WaylandPresented At(int64_t ns, uint32_t flags = 0) {
  return {.seconds = static_cast<uint64_t>(ns / 1'000'000'000),
          .nanoseconds = static_cast<uint32_t>(ns % 1'000'000'000),
          .refreshNs = 16'666'666,
          .sequence = 1234,
          .flags = flags};
}

}  // namespace

class WaylandFeedbackTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // A compositor stamps frames by the clock it names (headless Weston:
  // CLOCK_MONOTONIC_RAW, which drifts from CLOCK_MONOTONIC by the clock's
  // slewing since boot); the record's times are CLOCK_MONOTONIC.
  void aStampIsCarriedOverToTheMonotonicClock_data() {
    QTest::addColumn<int>("clock");
    QTest::newRow("monotonic") << int{CLOCK_MONOTONIC};
    QTest::newRow("monotonic raw") << int{CLOCK_MONOTONIC_RAW};
    QTest::newRow("realtime") << int{CLOCK_REALTIME};
  }
  void aStampIsCarriedOverToTheMonotonicClock() {
    QFETCH(int, clock);
    const int64_t before = MonotonicNowNs();
    const int64_t stamp = NowNs(clock);
    const int64_t after = MonotonicNowNs();
    const Presentation p = PresentationOf(At(stamp), ReadClockPair(clock), false);
    // The pair's own error is under a microsecond; a millisecond leaves
    // room for a preempted reading and none for a clock taken as another.
    constexpr int64_t Slack = 1'000'000;
    QVERIFY2(p.hostNs >= before - Slack && p.hostNs <= after + Slack,
             qPrintable(QStringLiteral("%1 ns off").arg(p.hostNs - before)));
  }

  void flagsSayHowFarTheTimeIsTrusted_data() {
    QTest::addColumn<uint32_t>("flags");
    QTest::addColumn<bool>("virtualOutput");
    QTest::addColumn<PresentMode>("mode");
    QTest::addColumn<PresentQuality>("quality");
    const auto row = [](const char* name, uint32_t flags, bool virtualOutput, PresentMode mode,
                        PresentQuality quality) {
      QTest::newRow(name) << flags << virtualOutput << mode << quality;
    };
    const uint32_t all = Vsync | HwClock | HwCompletion | ZeroCopy;
    row("scanned out, hardware timed", all, false, PresentMode::Flip, PresentQuality::Exact);
    // The compositor's own frame flipped and timed by the hardware: the
    // time the light came, composed or not.
    row("composed, hardware timed", Vsync | HwClock | HwCompletion, false, PresentMode::Composited,
        PresentQuality::Exact);
    row("at a retrace, software clock", Vsync | HwCompletion | ZeroCopy, false, PresentMode::Flip,
        PresentQuality::FrameBounded);
    row("at a retrace, guessed", Vsync | HwClock, false, PresentMode::Composited,
        PresentQuality::FrameBounded);
    row("no retrace", HwClock | HwCompletion, false, PresentMode::Composited,
        PresentQuality::LowerBound);
    row("no flags", 0, false, PresentMode::Composited, PresentQuality::LowerBound);
    row("virtual output, every flag", all, true, PresentMode::Flip, PresentQuality::SimulatedClock);
    row("virtual output, no flags", 0, true, PresentMode::Composited,
        PresentQuality::SimulatedClock);
  }
  void flagsSayHowFarTheTimeIsTrusted() {
    QFETCH(uint32_t, flags);
    QFETCH(bool, virtualOutput);
    QFETCH(PresentMode, mode);
    QFETCH(PresentQuality, quality);
    const ClockPair clock{1'000'000'000, 5'000'000'000};
    const Presentation p = PresentationOf(At(1'500'000'000, flags), clock, virtualOutput);
    QCOMPARE(p.hostNs, 5'500'000'000);
    QCOMPARE(p.refreshNs, 16'666'666);
    QCOMPARE(p.frameCounter, 1234);
    QCOMPARE(p.mode, mode);
    QCOMPARE(p.quality, quality);
  }

  // An output that counts no retraces says 0; a stamp with nanoseconds past
  // a second breaks the protocol and a clock that cannot be read gives no
  // time: none is recorded rather than a wrong one.
  void whatTheProtocolLeavesOpenIsNotRecorded() {
    const ClockPair clock{1'000'000'000, 5'000'000'000};
    WaylandPresented noCounter = At(1'500'000'000);
    noCounter.sequence = 0;
    QCOMPARE(PresentationOf(noCounter, clock, false).frameCounter, -1);
    WaylandPresented broken = At(1'500'000'000);
    broken.nanoseconds = 1'000'000'000;
    QCOMPARE(PresentationOf(broken, clock, false).quality, PresentQuality::None);
    QCOMPARE(PresentationOf(broken, clock, false).hostNs, 0);
    QCOMPARE(PresentationOf(At(1'500'000'000), ClockPair{}, false).hostNs, 0);
  }

  void virtualOutputsAreKnownByMakeAndModel_data() {
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("isVirtual");
    const auto row = [](const char* name, const char* make, const char* model, bool isVirtual) {
      QTest::newRow(name) << QString::fromLatin1(make) << QString::fromLatin1(model) << isVirtual;
    };
    row("Weston headless", "weston", "headless", true);
    row("wlroots headless", "headless", "headless", true);
    row("Mutter virtual monitor", "MetaProducts Inc.", "MetaMonitor", true);
    row("Weston in X11", "weston-X11", "none", true);
    row("Weston remote desktop", "weston", "rdp", true);
    row("a monitor", "Dell Inc.", "DELL U2720Q", false);
    row("a laptop panel", "BOE", "0x0BCA", false);
  }
  void virtualOutputsAreKnownByMakeAndModel() {
    QFETCH(QString, make);
    QFETCH(QString, model);
    QFETCH(bool, isVirtual);
    QCOMPARE(IsVirtualOutput(make.toStdString(), model.toStdString()), isVirtual);
  }
};

}  // namespace alacrity::test

QTEST_GUILESS_MAIN(alacrity::test::WaylandFeedbackTest)
#include "waylandfeedback_test.moc"
