// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window layer's figures, printed (not asserted):
//  - display delay as the timing record notes it: from the host time of the
//    chunk that held the onset byte to the stimulus painted and handed over
//    (flushed; on X11 after a server round trip), over 200 stimuli answered
//    by a simulated subject; also from the engine entering WaitResponse to
//    the end of the paint, and the share of stimuli over 1 ms;
//  - from the onset byte to the frame the display presented, where the
//    display system tells (X11's Present, Wayland's presentation-time; run
//    under xvfb-run with QT_QPA_PLATFORM=xcb for X11), with the share of
//    stimuli that missed a frame;
//  - both without and with a light sensor, whose marker is painted with
//    each stimulus;
//  - CPU use of the whole program while a test waits for its start, with
//    the box sending 1440 bytes a second and only the safety-net timer: the
//    real serial reader on a simulated box, which streams from a process of
//    its own so that its work is not counted.
//
// Usage: alacrity-app-bench [STIMULI [SPEED [SECONDS]]]   SPEED runs the box
// faster than 1440 bytes a second to shorten the lag run (default 1, a real
// box: 200 stimuli take about a minute). A faster box leaves the first few
// stimuli to the announcement, until the wait ahead of the onset has
// measured its rate. SECONDS is how long the CPU is measured while a test
// waits (default 10).

#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "appcontext.h"
#include "commandids.h"
#include "data/enums.h"
#include "dialogs/lightsensor.h"
#include "dialogs/messagebox.h"
#include "display/onsetwait.h"
#include "engine/engine.h"
#include "engine/host_clock.h"
#include "engine/simulated_subject.h"
#include "frame/mainframe.h"
#include "link/box_simulator.h"
#include "link/serial_link.h"
#include "views/alacrityview.h"

namespace alacrity {
namespace {

using Clock = std::chrono::steady_clock;

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// A box on a thread of its own, paced like the real one (8 bytes per write),
// with a simulated subject pressing its buttons or nobody at all. Records
// when the engine enters WaitResponse for each stimulus.
class PacedBoxLink : public RunLink {
 public:
  PacedBoxLink(DocumentData& data, double speed, bool subjectPresses)
      : m_data(data), m_speed(speed), m_subjectPresses(subjectPresses) {}
  ~PacedBoxLink() override { Stop(); }

  int Start(RunState* run) override {
    if (m_thread.joinable()) return 0;
    AttachEngine(*run, m_data);
    m_stop = false;
    m_thread = std::thread([this, run] { Feed(*run); });
    return 1;
  }
  void Stop() override {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
  }
  void SetSyncLine(int /*level*/) override {}

  std::array<std::atomic<int64_t>, ResultCapacity> enteredNs{};

 private:
  void Feed(RunState& run) {
    SimulatedSubject subject({150.0, 20.0, 0.0}, 11);
    constexpr int BytesPerWrite = 8;
    const auto period = std::chrono::nanoseconds(
        static_cast<int64_t>(1e9 * BytesPerWrite / (1440.0 * m_speed)));
    auto due = Clock::now();
    while (!m_stop.load()) {
      due += period;
      std::this_thread::sleep_until(due);
      OnBytesReceived(MonotonicNowNs(), BytesPerWrite);
      for (int i = 0; i < BytesPerWrite && run.done.load() == 0; ++i) {
        const int32_t before = run.phase.load();
        OnDeviceByte(m_subjectPresses ? subject.NextByte(run, m_data) : uint8_t{0});
        if (before != WaitResponse && run.phase.load() == WaitResponse) {
          const int32_t current = run.current.load();
          if (current > 0 && current < ResultCapacity) {
            enteredNs[static_cast<std::size_t>(current)].store(NowNs());
          }
        }
      }
    }
  }

  DocumentData& m_data;
  double m_speed;
  bool m_subjectPresses;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

// The program's own serial reader on the device of a simulated box.
class SerialBoxLink : public RunLink {
 public:
  SerialBoxLink(DocumentData& data, std::string device) : m_data(data), m_device(std::move(device)) {}
  ~SerialBoxLink() override { Stop(); }
  int Start(RunState* run) override {
    AttachEngine(*run, m_data);
    return m_serial.SerialOpenDevice(m_device);
  }
  void Stop() override { m_serial.SerialClose(); }
  void SetSyncLine(int /*level*/) override {}

 private:
  DocumentData& m_data;
  std::string m_device;
  SerialLink m_serial;
};

// Streams an idle box (no button held) into a pseudo-terminal from a child
// process, which ends with this one. The device, or "" when none.
std::string StartIdleBoxProcess() {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return "";
  const pid_t child = ::fork();
  if (child < 0) return "";
  if (child == 0) {
    ::close(pipeFds[0]);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    BoxSimulator box;
    if (!box.Open() || !box.Start(std::make_unique<RecordedStream>(std::vector<uint8_t>{0}, true))) _exit(1);
    const std::string& device = box.DevicePath();
    (void)::write(pipeFds[1], device.data(), device.size());
    ::close(pipeFds[1]);
    for (;;) ::pause();
  }
  ::close(pipeFds[1]);
  std::array<char, 256> device{};
  const ssize_t got = ::read(pipeFds[0], device.data(), device.size() - 1);
  ::close(pipeFds[0]);
  return got > 0 ? std::string(device.data(), static_cast<std::size_t>(got)) : "";
}

struct Bench {
  explicit Bench(double speed, bool subjectPresses)
      : Bench(std::make_unique<DocumentData>(), speed, subjectPresses, "") {}
  // The serial reader on `device` instead of the paced box.
  explicit Bench(const std::string& device) : Bench(std::make_unique<DocumentData>(), 1.0, false, device) {}

  Bench(std::unique_ptr<DocumentData> document, double speed, bool subjectPresses, const std::string& device)
      : data(std::move(document)),
        state(std::make_unique<RunState>()),
        pacedLink(device.empty() ? std::make_unique<PacedBoxLink>(*data, speed, subjectPresses) : nullptr),
        serialLink(device.empty() ? nullptr : std::make_unique<SerialBoxLink>(*data, device)),
        link(pacedLink ? static_cast<RunLink*>(pacedLink.get()) : serialLink.get()) {
    ApplyDefaultConfiguration(*data);
    data->customConfiguration.timingMode = Code(TimingMode::Fixed);
    data->customConfiguration.fixedTimeMs = 100;
    context = std::unique_ptr<AppContext>(new AppContext{
        *data, *state, *link, PathsInDirectory(QStringLiteral("/nonexistent")), {}, false});
    frame = std::make_unique<CMainFrame>(*context);
    frame->show();
  }
  ~Bench() {
    data->idle = 1;
    data->dataSaved = 1;
  }

  std::unique_ptr<DocumentData> data;
  std::unique_ptr<RunState> state;
  std::unique_ptr<PacedBoxLink> pacedLink;
  std::unique_ptr<SerialBoxLink> serialLink;
  RunLink* link;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<CMainFrame> frame;
};

void RunEventLoop(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(index, values.size() - 1)];
}

// Notes when each paint of the view begins.
class PaintStart : public QObject {
 public:
  int64_t lastNs = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) lastNs = NowNs();
    return QObject::eventFilter(watched, event);
  }
};

// What the display system said of the stimulus frames, where it said
// anything (on X11 and Wayland). A stimulus missed a frame when a blank
// passed between its onset and the one that presented it: it came more
// than a refresh interval after the onset. On a made-up clock that counts
// nothing real: Xvfb's rounds to the nearest frame, so half its stimuli
// seem to miss one.
void PrintPresented(const RunTiming& timing) {
  static constexpr std::array<const char*, 5> Qualities = {"none", "exact", "frame-bounded",
                                                           "lower bound", "simulated clock"};
  std::vector<double> presentedMs;
  int missed = 0;
  PresentQuality quality = PresentQuality::None;
  double refreshMs = 0.0;
  for (const StimulusTiming& row : timing.stimuli) {
    if (row.presented.hostNs == 0) continue;
    const int64_t delayNs = row.presented.hostNs - row.onsetHostNs;
    presentedMs.push_back(static_cast<double>(delayNs) / 1e6);
    if (row.presented.refreshNs > 0 && delayNs > row.presented.refreshNs) ++missed;
    quality = row.presented.quality;
    refreshMs = static_cast<double>(row.presented.refreshNs) / 1e6;
  }
  if (presentedMs.empty()) {
    std::printf("onset byte received -> presented: the display system told nothing\n");
    return;
  }
  const auto kind = static_cast<std::size_t>(quality);
  std::printf("onset byte received -> presented (%zu of %zu stimuli, %s, refresh %.3f ms):\n",
              presentedMs.size(), timing.stimuli.size(), kind < Qualities.size() ? Qualities[kind] : "?",
              refreshMs);
  std::printf("  median %.3f ms   p99 %.3f ms   max %.3f ms   missed a frame: %.1f %%\n",
              Percentile(presentedMs, 0.5), Percentile(presentedMs, 0.99), Percentile(presentedMs, 1.0),
              100.0 * missed / static_cast<double>(presentedMs.size()));
}

void MeasureLag(int stimuli, double speed, bool lightSensor) {
  // The marker a box's light sensor sits on is painted with each stimulus.
  StoreLightSensor(0, lightSensor);
  std::printf("%s\n", lightSensor ? "with a light sensor (its marker painted with each stimulus):"
                                  : "without a light sensor:");
  Bench bench(speed, true);
  std::vector<int64_t> paintedNs(ResultCapacity, 0);
  std::vector<int64_t> paintStartNs(ResultCapacity, 0);
  PaintStart paintStart;
  bench.frame->View().installEventFilter(&paintStart);
  bench.frame->View().SetStimulusPaintObserver([&](int32_t phase) {
    const int32_t current = bench.state->current.load();
    if (phase == WaitResponse && current > 0 && current < ResultCapacity &&
        paintedNs[static_cast<std::size_t>(current)] == 0) {
      paintedNs[static_cast<std::size_t>(current)] = NowNs();
      paintStartNs[static_cast<std::size_t>(current)] = paintStart.lastNs;
    }
  });
  bench.frame->View().SetPerformDialog(
      [stimuli](int32_t) { return PerformChoice{PerformMode::Custom, stimuli}; });
  bench.frame->RunCommand(IdPerform);
  const auto start = Clock::now();
  while (bench.data->idle == 0 && Clock::now() - start < std::chrono::minutes(10)) RunEventLoop(50);

  std::vector<double> lagsMs;
  std::vector<double> untilPaintMs;
  for (int i = 1; i <= stimuli; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    const int64_t entered = bench.pacedLink->enteredNs[slot].load();
    const int64_t painted = paintedNs[slot];
    if (entered == 0 || painted == 0) continue;
    lagsMs.push_back(static_cast<double>(painted - entered) / 1e6);
    untilPaintMs.push_back(static_cast<double>(paintStartNs[slot] - entered) / 1e6);
  }
  std::printf("display lag, WaitResponse entered -> paint ended (%zu of %d stimuli, box at %gx):\n",
              lagsMs.size(), stimuli, speed);
  std::printf("  median %.3f ms   p99 %.3f ms   max %.3f ms\n",
              Percentile(lagsMs, 0.5), Percentile(lagsMs, 0.99), Percentile(lagsMs, 1.0));
  std::printf("  of which until the paint begins: median %.3f ms   p99 %.3f ms\n",
              Percentile(untilPaintMs, 0.5), Percentile(untilPaintMs, 0.99));
  if (const RunTiming* timing = bench.frame->View().TimingOfResults(); timing != nullptr) {
    std::vector<double> delaysMs;
    for (const StimulusTiming& row : timing->stimuli) {
      if (row.paintedHostNs != 0) {
        delaysMs.push_back(static_cast<double>(row.paintedHostNs - row.onsetHostNs) / 1e6);
      }
    }
    const auto over = std::count_if(delaysMs.begin(), delaysMs.end(), [](double ms) { return ms > 1.0; });
    std::printf("recorded display delay, onset byte received -> painted and handed over (%zu stimuli, %s):\n",
                delaysMs.size(), timing->display.server.c_str());
    std::printf("  median %.3f ms   p99 %.3f ms   max %.3f ms   (goal: median <= 0.2 ms, p99 <= 0.5 ms)\n",
                Percentile(delaysMs, 0.5), Percentile(delaysMs, 0.99), Percentile(delaysMs, 1.0));
    std::printf("  stimuli over 1 ms: %.1f %%\n",
                delaysMs.empty() ? 0.0 : 100.0 * static_cast<double>(over) / static_cast<double>(delaysMs.size()));
    PrintPresented(*timing);
  }
  std::printf("  responses recorded: %d\n", bench.data->results.responseCount);
  std::printf("  shown by the wait ahead of the onset: %d   waits given up: %d\n",
              bench.frame->View().Onset().Caught(), bench.frame->View().Onset().GaveUp());

  // What one stimulus paint costs by itself (the rest of the lag is the
  // wait for the next timer tick).
  RunState& state = *bench.state;
  state.done = 0;
  state.current = 1;
  state.phase = WaitResponse;
  RunController& controller = bench.frame->View().Controller();
  controller.SetMode(TestRun);
  controller.OnTimer();
  bench.frame->EnterFullScreen();
  RunEventLoop(300);
  constexpr int Paints = 200;
  constexpr std::array<const char*, 4> Shapes = {"circle", "cross", "square", "triangle"};
  std::printf("  one stimulus paint of %dx%d:", bench.frame->View().width(),
              bench.frame->View().height());
  for (int32_t object = 0; object < 4; ++object) {
    bench.data->results.objectIndex[1] = object;
    const int64_t before = NowNs();
    for (int i = 0; i < Paints; ++i) bench.frame->View().repaint();
    std::printf(" %s %.3f ms", Shapes[static_cast<std::size_t>(object)],
                static_cast<double>(NowNs() - before) / 1e6 / Paints);
  }
  std::printf("\n");
  // A stimulus as a run repaints it, the figure's area alone, and with the
  // light sensor's marker in the same paint; in alternate rounds, so that
  // the machine's other work weighs on both alike.
  bench.data->idle = 0;
  bench.frame->View().Repaint();
  std::array<double, 2> sums{};
  constexpr int Rounds = 20;
  for (int round = 0; round < Rounds; ++round) {
    for (int32_t marker = 0; marker < 2; ++marker) {
      state.lightSensor = round % 2 == 0 ? marker : 1 - marker;
      bench.frame->View().Repaint();
      const int64_t before = NowNs();
      for (int i = 0; i < Paints; ++i) bench.frame->View().Repaint();
      sums[static_cast<std::size_t>(state.lightSensor.load())] +=
          static_cast<double>(NowNs() - before) / 1e6 / Paints;
    }
  }
  std::printf("  one stimulus repainted as in a run: %.4f ms, with the light sensor's marker %.4f ms\n",
              sums[0] / Rounds, sums[1] / Rounds);
  state.lightSensor = 0;
  bench.data->idle = 1;
  bench.frame->LeaveFullScreen();
  controller.ShowNeutralView();
}

double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void MeasureIdleCpu(int seconds, const std::string& device) {
  if (device.empty()) {
    std::printf("CPU while a test waits for its start: no simulated box could start\n");
    return;
  }
  Bench bench(device);
  bench.frame->View().SetPerformDialog([](int32_t) { return PerformChoice{PerformMode::Custom, 5}; });
  bench.frame->RunCommand(IdPerform);
  // Let the full-screen switch settle: an X server takes a while to send
  // the last of its events, whose handling is no part of waiting.
  RunEventLoop(1500);
  const double processBefore = CpuSeconds(RUSAGE_SELF);
  const double threadBefore = CpuSeconds(RUSAGE_THREAD);
  const auto wallBefore = Clock::now();
  RunEventLoop(seconds * 1000);
  const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
  const double process = CpuSeconds(RUSAGE_SELF) - processBefore;
  const double uiThread = CpuSeconds(RUSAGE_THREAD) - threadBefore;
  std::printf("CPU while a test waits for its start (%.1f s, serial box on %s at 1440 bytes/s, phase %d):\n",
              wall, device.c_str(), bench.state->phase.load());
  std::printf("  whole program %.2f %% of a core   user-interface thread %.2f %%   (goal: <= 0.3 %%)\n",
              100.0 * process / wall, 100.0 * uiThread / wall);
  std::printf("  of which the reader and the rest %.2f %%\n", 100.0 * (process - uiThread) / wall);
  std::printf("  safety-net timer: %d ms\n", bench.frame->View().Timer().interval());
  bench.frame->RunCommand(IdStop);
}

}  // namespace
}  // namespace alacrity

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const int stimuli = argc > 1 ? std::max(1, std::min(std::atoi(argv[1]), 1199)) : 200;
  const double speed = argc > 2 ? std::max(0.1, std::atof(argv[2])) : 1.0;
  const int idleSeconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;
  // Before any thread exists: the child only streams.
  const std::string boxDevice = alacrity::StartIdleBoxProcess();
  // Settings of its own: the user's station settings (a light sensor, say)
  // must not change what is measured, nor the runs here change them.
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  QApplication app(argc, argv);
  alacrity::SetMessageBoxHook([](alacrity::MessageKind, const QString& text) {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
    return false;
  });
  alacrity::MeasureLag(stimuli, speed, false);
  alacrity::MeasureLag(stimuli, speed, true);
  alacrity::MeasureIdleCpu(idleSeconds, boxDevice);
  return 0;
}
