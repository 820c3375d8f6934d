// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What an answer of the X server's frame clock makes of a stimulus frame:
// how far its time is trusted, the host time it stands for and the refresh
// interval measured from an earlier answer.

#include <QTest>

#include <optional>

#include "display/x11frameclock.h"

Q_DECLARE_METATYPE(alacrity::PresentMode)
Q_DECLARE_METATYPE(alacrity::PresentQuality)

namespace alacrity::test {

class X11FrameClockTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void eachDisplayHasItsClass_data() {
    QTest::addColumn<bool>("simulated");
    QTest::addColumn<bool>("compositor");
    QTest::addColumn<PresentMode>("mode");
    QTest::addColumn<PresentQuality>("quality");
    QTest::newRow("a screen of its own")
        << false << false << PresentMode::Copy << PresentQuality::FrameBounded;
    QTest::newRow("a compositor") << false << true << PresentMode::Composited << PresentQuality::LowerBound;
    QTest::newRow("Xvfb") << true << false << PresentMode::Copy << PresentQuality::SimulatedClock;
    QTest::newRow("Xwayland") << true << true << PresentMode::Composited << PresentQuality::SimulatedClock;
  }

  void eachDisplayHasItsClass() {
    QFETCH(bool, simulated);
    QFETCH(bool, compositor);
    const PresentClass kind = ClassifyCopiedFrame({simulated, compositor});
    QTEST(kind.mode, "mode");
    QTEST(kind.quality, "quality");
  }

  // Asked at 10 s, read 20 ms later; the reference blank, when there is
  // one, is one second earlier.
  void anAnswerOnTheHostsClock_data() {
    QTest::addColumn<quint64>("ustUs");
    QTest::addColumn<int>("referenceMsc");  // -1: none
    QTest::addColumn<qint64>("hostNs");     // 0: no presentation
    QTest::addColumn<qint64>("refreshNs");
    constexpr quint64 BlankUs = 10'016'000;
    constexpr qint64 BlankNs = 10'016'000'000;
    QTest::newRow("60 frames a second") << BlankUs << 940 << BlankNs << qint64{16'666'666};
    QTest::newRow("no earlier answer") << BlankUs << -1 << BlankNs << qint64{0};
    QTest::newRow("a counter that went back") << BlankUs << 1001 << BlankNs << qint64{0};
    QTest::newRow("before the ask: another clock") << quint64{2'000'000} << 940 << qint64{0} << qint64{0};
    QTest::newRow("after the read: another clock") << quint64{900'000'000} << 940 << qint64{0} << qint64{0};
    QTest::newRow("beyond any host time") << ~quint64{0} << 940 << qint64{0} << qint64{0};
  }

  void anAnswerOnTheHostsClock() {
    QFETCH(quint64, ustUs);
    QFETCH(int, referenceMsc);
    QFETCH(qint64, hostNs);
    QFETCH(qint64, refreshNs);
    std::optional<FrameClockAnswer> reference;
    if (referenceMsc >= 0) reference = FrameClockAnswer{static_cast<uint64_t>(referenceMsc), 9'016'000};
    const std::optional<Presentation> presented =
        PresentationOfAnswer({1000, ustUs}, reference, {false, false}, 10'000'000'000, 10'020'000'000);
    QCOMPARE(presented.has_value(), hostNs != 0);
    if (!presented) return;
    QCOMPARE(qint64{presented->hostNs}, hostNs);
    QCOMPARE(qint64{presented->refreshNs}, refreshNs);
    QCOMPARE(presented->frameCounter, qint64{1000});
    QCOMPARE(presented->quality, PresentQuality::FrameBounded);
  }
};

}  // namespace alacrity::test

QTEST_GUILESS_MAIN(alacrity::test::X11FrameClockTest)
#include "x11frameclock_test.moc"
