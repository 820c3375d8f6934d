// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Exercise > "Check Display" and `--check-display` on three offscreen
// screens, whose platform tells nothing of its frames: the check ends on its
// own with that verdict, on the chosen screen. A stand-in display that
// reports from a thread of its own shows each report reaching its frame.

#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "apptestsupport.h"
#include "commandids.h"
#include "dialogs/displaycheckdlg.h"
#include "dialogs/stimulusscreen.h"
#include "display/displaycheck.h"
#include "engine/host_clock.h"
#include "results/display_check.h"

namespace alacrity::test {
namespace {

constexpr const char* TellsNothing =
    "This display tells nothing of its frames: when a stimulus reached the screen cannot be "
    "known.";

// A display that flips every frame 2 ms after its hand-over, reported from
// a thread of its own with frame counter 1000 + the frame's number.
class EchoingDisplay final : public PresentationTimes {
 public:
  explicit EchoingDisplay(PresentedSink sink) : m_sink(std::move(sink)) {}
  ~EchoingDisplay() override {
    {
      const std::lock_guard lock(m_mutex);
      m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
  }
  void BeforeHandOver(QWindow&, int32_t) override {}
  void AfterHandOver(QWindow&, int32_t frame) override {
    {
      const std::lock_guard lock(m_mutex);
      m_asked.emplace_back(frame, MonotonicNowNs());
    }
    m_wake.notify_one();
  }
  PresentationSupport Support() const override { return {QStringLiteral("echo"), false, false}; }

 private:
  void Report() {
    std::unique_lock lock(m_mutex);
    while (true) {
      m_wake.wait(lock, [this] { return m_stop || !m_asked.empty(); });
      if (m_stop) return;
      const auto [frame, askedNs] = m_asked.front();
      m_asked.pop_front();
      lock.unlock();
      m_sink(frame, {askedNs + 2'000'000, 16'666'667, 1000 + frame, PresentMode::Flip,
                     PresentQuality::Exact});
      lock.lock();
    }
  }

  PresentedSink m_sink;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<std::pair<int32_t, int64_t>> m_asked;  // under m_mutex
  bool m_stop = false;                              // under m_mutex
  std::thread m_thread{[this] { Report(); }};
};

}  // namespace

class DisplayCheckTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { StoreStimulusScreen({}); }
  void cleanup() { StoreStimulusScreen({}); }

  void commandShowsFramesOnTheChosenScreenAndSaysTheyTellNothing() {
    FrameFixture f;
    MessageRecorder boxes;
    StoreStimulusScreen(QStringLiteral("subject-200"));
    QString flashedOn;
    QString verdict;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("displayCheckWindow") && top->isVisible()) {
          flashedOn = top->screen()->name();
        }
      }
      if (auto* dialog = qobject_cast<CDisplayCheckDlg*>(QApplication::activeModalWidget())) {
        verdict = dialog->findChild<QLabel*>(QStringLiteral("verdict"))->text();
        dialog->reject();
      }
    });
    watch.start(10);
    f.frame->RunCommand(IdCheckDisplay);
    QCOMPARE(flashedOn, QStringLiteral("subject-200"));
    QCOMPARE(verdict, QString::fromLatin1(TellsNothing));
    QVERIFY(boxes.messages.isEmpty());
  }

  void eachReportReachesItsOwnFrame() {
    const DisplayCheckRun run =
        RunDisplayCheck(*QGuiApplication::primaryScreen(), [](PresentedSink sink) {
          return std::make_unique<EchoingDisplay>(std::move(sink));
        });
    QVERIFY(run.frames.size() > 10);
    for (std::size_t i = 0; i < run.frames.size(); ++i) {
      const CheckedFrame& frame = run.frames[i];
      QCOMPARE(frame.presented.frameCounter, static_cast<int64_t>(1001 + i));
      QVERIFY(frame.presented.hostNs >= frame.handedOverNs + 2'000'000);
    }
    const DisplayCheckVerdict verdict = JudgeDisplayCheck(run.frames, run.facts);
    QCOMPARE(verdict.reported, verdict.frames);
    QCOMPARE(verdict.quality, PresentQuality::Exact);
    QCOMPARE(verdict.mode, PresentMode::Flip);
  }

  void commandLinePrintsTheVerdictAndFails() {
    QProcess program;
    program.start(QStringLiteral(ALACRITY_PROGRAM), {QStringLiteral("--check-display")});
    QVERIFY(program.waitForFinished(30000));
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(out.startsWith(QString::fromLatin1(TellsNothing) + QLatin1Char('\n')), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("\nStimulus screen: operator - 800 x 600, 60 Hz\n")),
             qPrintable(out));
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::DisplayCheckTest)
#include "displaycheck_test.moc"
