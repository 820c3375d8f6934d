// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/displaycheck.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "dialogs/stimulusscreen.h"
#include "display/displayhandover.h"
#include "display/displayserver.h"
#include "engine/host_clock.h"

namespace alacrity {
namespace {

constexpr int64_t NsPerMs = 1'000'000;
// Two seconds at 240 Hz.
constexpr int MaxFrames = 480;
// A compositor maps a new window when it pleases; frames before that are
// never shown.
constexpr int64_t ExposeWaitNs = 1000 * NsPerMs;
// Reports still on their way after the last frame.
constexpr int64_t LateReportsNs = 250 * NsPerMs;
// A frame no report follows gives way to the next after this many
// refreshes.
constexpr double UnreportedWaitRefreshes = 2.5;

// What the display reported of each frame. The presentation thread writes a
// slot's fields, its time last with release; the window thread reads the
// time with acquire and then the rest. The first report of a frame counts.
class PresentedSlots {
 public:
  // Presentation thread.
  void Note(int32_t frame, const Presentation& presented) {
    if (frame < 1 || frame > MaxFrames || presented.hostNs == 0) return;
    Slot& slot = m_slots[static_cast<std::size_t>(frame - 1)];
    if (slot.hostNs.load(std::memory_order_relaxed) != 0) return;
    slot.refreshNs.store(presented.refreshNs, std::memory_order_relaxed);
    slot.frameCounter.store(presented.frameCounter, std::memory_order_relaxed);
    slot.mode.store(static_cast<int32_t>(presented.mode), std::memory_order_relaxed);
    slot.quality.store(static_cast<int32_t>(presented.quality), std::memory_order_relaxed);
    slot.hostNs.store(presented.hostNs, std::memory_order_release);
  }

  // Window thread.
  bool Reported(int32_t frame) const {
    return frame >= 1 && frame <= MaxFrames &&
           m_slots[static_cast<std::size_t>(frame - 1)].hostNs.load(std::memory_order_acquire) != 0;
  }
  Presentation Take(int32_t frame) const {
    if (!Reported(frame)) return {};
    const Slot& slot = m_slots[static_cast<std::size_t>(frame - 1)];
    return {slot.hostNs.load(std::memory_order_acquire),
            slot.refreshNs.load(std::memory_order_relaxed),
            slot.frameCounter.load(std::memory_order_relaxed),
            static_cast<PresentMode>(slot.mode.load(std::memory_order_relaxed)),
            static_cast<PresentQuality>(slot.quality.load(std::memory_order_relaxed))};
  }

 private:
  struct Slot {
    std::atomic<int64_t> hostNs{0};
    std::atomic<int64_t> refreshNs{0};
    std::atomic<int64_t> frameCounter{-1};
    std::atomic<int32_t> mode{0};
    std::atomic<int32_t> quality{0};
  };
  std::unique_ptr<Slot[]> m_slots = std::make_unique<Slot[]>(MaxFrames);
};

// The full-screen window of the series: all black or all white.
class FlashWindow final : public QWidget {
 public:
  FlashWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("displayCheckWindow"));
    setWindowTitle(QStringLiteral("alacrity"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    setWindowModality(Qt::ApplicationModal);
  }

  void SetWhite(bool white) { m_white = white; }
  // Esc, or the window closed by other means.
  bool Stopped() const { return m_stopped; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), m_white ? Qt::white : Qt::black);
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) m_stopped = true;
  }
  void closeEvent(QCloseEvent* event) override {
    m_stopped = true;
    event->accept();
  }

 private:
  bool m_white = false;
  bool m_stopped = false;
};

}  // namespace

DisplayCheckRun RunDisplayCheck(QScreen& screen, const PresentationFactory& make) {
  DisplayCheckRun run;
  const DisplayServer server = CurrentDisplayServer();
  run.server = DisplayServerText(server);
  run.screen = DescribeScreen(screen);

  // The slots outlive the presentation object, whose thread writes them.
  PresentedSlots slots;
  std::unique_ptr<PresentationTimes> presentation = make(
      [&slots](int32_t frame, const Presentation& presented) { slots.Note(frame, presented); });
  run.support = presentation->Support();
  run.facts.asksFrames = !run.support.method.isEmpty();
  run.facts.compositor = run.support.compositor || server.composited;
  run.facts.simulated = run.support.simulated;
  run.facts.screenHz = screen.refreshRate();
  run.facts.panelLagMs = StoredPanelLagMs();

  FlashWindow window;
  // As for a test on another screen: placed before it first shows, so a
  // compositor is asked for full screen on that output, and again after,
  // for a display without a window manager.
  window.setScreen(&screen);
  window.setGeometry(screen.geometry());
  window.showFullScreen();
  window.setGeometry(screen.geometry());
  window.activateWindow();
  QWindow& shownIn = *window.windowHandle();
  presentation->PrepareStimulusWindow(shownIn);

  const double refreshMs = run.facts.screenHz > 0.0 ? 1000.0 / run.facts.screenHz : 1000.0 / 60;
  const auto unreportedWaitNs = static_cast<int64_t>(UnreportedWaitRefreshes * refreshMs * 1e6);
  enum class Step { Showing, Flashing, Collecting } step = Step::Showing;
  const int64_t shownNs = MonotonicNowNs();
  int64_t stepNs = shownNs;  // when the current step began
  int64_t handedOverNs = 0;  // of the latest frame
  int32_t frame = 0;

  const auto showNext = [&] {
    ++frame;
    window.SetWhite(frame % 2 == 1);
    presentation->BeforeHandOver(shownIn, frame);
    window.repaint();
    handedOverNs = FinishFrameHandOver();
    presentation->AfterHandOver(shownIn, frame);
    run.frames.push_back({handedOverNs, {}});
  };
  const auto allReported = [&] {
    for (int32_t shown = 1; shown <= frame; ++shown) {
      if (!slots.Reported(shown)) return false;
    }
    return true;
  };

  QEventLoop loop;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.setInterval(1);
  QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
    const int64_t now = MonotonicNowNs();
    if (window.Stopped()) {
      run.stopped = true;
      loop.quit();
      return;
    }
    switch (step) {
      case Step::Showing:
        if (shownIn.isExposed() || now - shownNs >= ExposeWaitNs) {
          step = Step::Flashing;
          stepNs = now;
          showNext();
        }
        break;
      case Step::Flashing:
        if (!slots.Reported(frame) && now - handedOverNs < unreportedWaitNs) break;
        if (now - stepNs < DisplayCheckSeriesMs * NsPerMs && frame < MaxFrames) {
          showNext();
        } else {
          step = Step::Collecting;
          stepNs = now;
        }
        break;
      case Step::Collecting:
        if (!run.facts.asksFrames || allReported() || now - stepNs >= LateReportsNs) loop.quit();
        break;
    }
  });
  tick.start();
  loop.exec();
  tick.stop();
  window.hide();
  // Stops its thread: from here on the slots hold all there will be.
  presentation.reset();
  for (std::size_t i = 0; i < run.frames.size(); ++i) {
    run.frames[i].presented = slots.Take(static_cast<int32_t>(i + 1));
  }
  return run;
}

DisplayCheckRun RunDisplayCheckOnStimulusScreen(QScreen& mainScreen) {
  const QString chosen = StoredStimulusScreen();
  const StimulusScreenChoice choice = ChooseStimulusScreen(chosen, &mainScreen);
  DisplayCheckRun run = RunDisplayCheck(*choice.screen);
  if (choice.missing) {
    run.screen = QCoreApplication::translate("DisplayCheck", "%1 (the chosen %2 is not connected)")
                     .arg(run.screen, chosen);
  }
  return run;
}

}  // namespace alacrity
