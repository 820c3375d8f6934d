// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window driven by the engine's announcements alone, the host times it
// records per stimulus, the wait ahead of each onset and the device check's
// self-check line.

#include <QCoreApplication>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "application/language.h"
#include "apptestsupport.h"
#include "commandids.h"
#include "data/enums.h"
#include "display/onsetwait.h"
#include "engine/box_silence.h"
#include "engine/engine.h"
#include "engine/host_clock.h"
#include "engine/simulated_subject.h"
#include "views/alacrityview.h"

namespace alacrity::test {

class TimingTest : public QObject {
  Q_OBJECT

  std::unique_ptr<FrameFixture> f;
  std::unique_ptr<MessageRecorder> boxes;

  CAlacrityView& View() { return f->frame->View(); }

  // A custom test of `count` stimuli with a fixed 100 ms foreperiod, the
  // safety-net timer at ten minutes.
  void Perform(int32_t count) {
    View().SetSafetyNetTimerMs(600'000);
    f->data->customConfiguration.timingMode = Code(TimingMode::Fixed);
    f->data->customConfiguration.fixedTimeMs = 100;
    View().SetPerformDialog([count](int32_t) { return PerformChoice{PerformMode::Custom, count}; });
    f->frame->RunCommand(IdPerform);
  }

  // A reader thread that streams a simulated person's bytes one at a time at
  // the box's rate, as a serial port delivers them, until `silent` holds.
  std::thread Stream(std::atomic<bool>& stop, std::function<bool()> silent) {
    return std::thread([this, &stop, silent = std::move(silent)] {
      SimulatedSubject person({150.0, 10.0, 0.0}, 5);
      const auto period = std::chrono::nanoseconds(1'000'000'000 / 1440);
      auto due = std::chrono::steady_clock::now();
      while (!stop.load() && f->state->done.load() == 0 && !silent()) {
        due += period;
        std::this_thread::sleep_until(due);
        OnBytesReceived(MonotonicNowNs(), 1);
        OnDeviceByte(person.NextByte(*f->state, *f->data));
      }
    });
  }

 private Q_SLOTS:
  void init() {
    f = std::make_unique<FrameFixture>();
    boxes = std::make_unique<MessageRecorder>();
  }

  void cleanup() {
    boxes.reset();
    f.reset();
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
  }

  // The safety-net timer runs at ten minutes: only the eventfd can wake the
  // window. A reader thread streams a simulated person's bytes at four
  // times the box's rate; every stimulus must still be painted, timed and
  // answered, and the test must end by itself.
  void announcementsAloneDriveAWholeTest() {
    constexpr int Stimuli = 6;
    View().SetSafetyNetTimerMs(600'000);
    f->data->customConfiguration.timingMode = Code(TimingMode::Fixed);
    f->data->customConfiguration.fixedTimeMs = 100;
    View().SetPerformDialog([](int32_t) { return PerformChoice{PerformMode::Custom, Stimuli}; });
    f->frame->RunCommand(IdPerform);
    QCOMPARE(View().Timer().interval(), 600'000);

    std::atomic<bool> stop{false};
    std::thread reader([&] {
      SimulatedSubject person({150.0, 10.0, 0.0}, 9);
      const auto period = std::chrono::microseconds(1'000'000 * 8 / (1440 * 4));
      auto due = std::chrono::steady_clock::now();
      while (!stop.load() && f->state->done.load() == 0) {
        due += period;
        std::this_thread::sleep_until(due);
        OnBytesReceived(MonotonicNowNs(), 8);
        for (int i = 0; i < 8; ++i) OnDeviceByte(person.NextByte(*f->state, *f->data));
      }
    });
    const bool ended = QTest::qWaitFor([&] { return f->data->idle == 1; }, 20'000);
    stop = true;
    reader.join();
    QVERIFY(ended);
    QCOMPARE(View().Mode(), Result);
    QCOMPARE(f->data->results.responseCount, Stimuli);

    const RunTiming* timing = View().TimingOfResults();
    QVERIFY(timing != nullptr);
    QCOMPARE(static_cast<int>(timing->stimuli.size()), Stimuli);
    for (const StimulusTiming& row : timing->stimuli) {
      QVERIFY2(row.paintedHostNs > 0, qPrintable(QString::number(row.stimulus)));
      QVERIFY(row.paintedHostNs >= row.onsetHostNs);
      QVERIFY(row.responseHostNs > row.paintedHostNs);
    }
    QCOMPARE(View().TimingLinesOfResults().size(), std::size_t{9});

    // Other results take the timing's place: an opened file has none.
    f->data->results.testTime += 1;
    QVERIFY(View().TimingOfResults() == nullptr);
  }

  // Once the host clock says a foreperiod is nearly over, the window thread
  // waits for the onset itself: it paints the stimulus before the
  // announcement could wake it (the wait holds the event loop meanwhile).
  void theWaitAheadOfTheOnsetPaintsTheStimulus() {
    if (!OnsetWait::MaySpin()) QSKIP("the wait needs a second CPU");
    constexpr int Stimuli = 3;
    Perform(Stimuli);
    std::atomic<bool> stop{false};
    std::thread reader = Stream(stop, [] { return false; });
    // A real event loop: QTest::qWaitFor sleeps 10 ms between its turns,
    // which would make the wait's timer fire after the onset.
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
      if (f->data->idle == 1) loop.quit();
    });
    look.start(50);
    QTimer::singleShot(20'000, &loop, &QEventLoop::quit);
    loop.exec();
    const bool ended = f->data->idle == 1;
    stop = true;
    reader.join();
    QVERIFY(ended);
    QCOMPARE(f->data->results.responseCount, Stimuli);
    QVERIFY2(View().Onset().Caught() >= 1, "no stimulus was shown by the wait");
    QCOMPARE(View().Onset().GaveUp(), 0);
    const RunTiming* timing = View().TimingOfResults();
    QVERIFY(timing != nullptr);
    for (const StimulusTiming& row : timing->stimuli) QVERIFY(row.paintedHostNs >= row.onsetHostNs);
  }

  // The box falls silent in a foreperiod: the wait gives up after its bound
  // and the window goes on (Stop still ends the test).
  void theWaitGivesUpWhenTheOnsetNeverComes() {
    if (!OnsetWait::MaySpin()) QSKIP("the wait needs a second CPU");
    Perform(3);
    std::atomic<bool> stop{false};
    std::thread reader = Stream(stop, [this] { return f->state->phase.load() == Foreperiod; });
    const bool gaveUp = QTest::qWaitFor([&] { return View().Onset().GaveUp() == 1; }, 5'000);
    stop = true;
    reader.join();
    QVERIFY(gaveUp);
    QCOMPARE(View().Onset().Caught(), 0);
    QCOMPARE(View().Controller().ShownPhase(), Foreperiod);
    f->frame->RunCommand(IdStop);
    QCOMPARE(f->data->idle, 1);
    QCOMPARE(View().Mode(), Neutral);
  }

  // A second after the restart a box may make as its port opens.
  void aCheckOfASilentPortSaysSoAfterTheRestartAndASecond() {
    f->frame->RunCommand(IdCheck);
    QCOMPARE(View().Mode(), DeviceCheck);
    QVERIFY(View().CheckStatusText().find("measuring") != std::string::npos);
    QTest::qWait(static_cast<int>(BoxRestartNs / 1'000'000));
    QVERIFY(View().CheckStatusText().find("measuring") != std::string::npos);
    QTRY_VERIFY_WITH_TIMEOUT(View().CheckStatusText() == "No bytes from the response box on test box.",
                             3000);
    // Bytes arriving bring the figures back.
    OnBytesReceived(MonotonicNowNs(), 8);
    Feed(0, 8);
    QVERIFY(View().CheckStatusText().rfind("Box on test box: ", 0) == 0);
    // In small type at the bottom, whatever buttons are held (none here).
    View().repaint();
    const QImage image = f->Grab();
    int dark = 0;
    for (int x = 10; x < 300; ++x) dark += qGray(image.pixel(x, image.height() - 10)) < 128 ? 1 : 0;
    QVERIFY2(dark > 10, "no self-check line at the bottom of the check screen");
    f->frame->RunCommand(IdStop);
  }

  // Only the operator reads the check's line: its figures take the
  // interface's decimal sign.
  void theCheckLineInTheOperatorsDecimalSign() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    f->frame->RunCommand(IdCheck);
    OnBytesReceived(MonotonicNowNs(), 8);
    Feed(0, 8);
    const QString line = QString::fromStdString(View().CheckStatusText());
    QVERIFY2(line.contains(QRegularExpression(QStringLiteral(", längste Lücke \\d+,\\d ms"))),
             qPrintable(line));
    f->frame->RunCommand(IdStop);
  }

  // The check screen says in red, above its self-check line, what fails
  // the box as check-box says it: a button held from the first byte on,
  // then button bits that change at every byte.
  void aCheckNamesAStuckButtonAndGarbageInRed() {
    f->frame->RunCommand(IdCheck);
    // Stamped a few milliseconds apart: no gap between the chunks.
    const int64_t firstNs = MonotonicNowNs();
    OnBytesReceived(firstNs, 2880);
    Feed(1, 2880);
    std::vector<TimingLine> findings = View().CheckFindings();
    QCOMPARE(findings.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(findings[0].text), QStringLiteral("Buttons held throughout: 1"));
    View().repaint();
    const QImage image = f->Grab();
    int red = 0;
    for (int y = image.height() - 60; y < image.height() - 20; ++y) {
      for (int x = 10; x < 300; ++x) red += image.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
    }
    QVERIFY2(red > 20, "no finding in red above the self-check line");

    OnBytesReceived(firstNs + 5'000'000, 1440);
    for (int i = 0; i < 720; ++i) {
      Feed(0);
      Feed(15);
    }
    findings = View().CheckFindings();
    QCOMPARE(findings.size(), std::size_t{1});
    QVERIFY(findings[0].text.rfind("Button changes: 1440, at most 1440 in one second", 0) == 0);
    f->frame->RunCommand(IdStop);
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::TimingTest)
#include "timing_test.moc"
