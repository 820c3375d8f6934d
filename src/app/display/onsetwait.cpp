// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/onsetwait.h"

#include <sched.h>

#include <QBackingStore>
#include <QGuiApplication>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <optional>

#include "engine/host_clock.h"
#include "engine/run_state.h"
#include "data/tick_clock.h"
#include "engine/timing_record.h"
#include "results/timing_report.h"

namespace alacrity {
namespace {

constexpr int CacheLineBytes = 64;

// Tells the core this is a busy wait: it yields to the sibling hardware
// thread and saves power.
inline void Pause() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#elif defined(__aarch64__)
  asm volatile("yield");
#endif
}

// With intent to write: the paint that follows only stores.
void PrefetchLine(const PixelLines& lines, int line) {
  const unsigned char* first = lines.first + line * lines.stride;
  const unsigned char* last = first + lines.bytes - 1;
  for (const unsigned char* p = first; p < last; p += CacheLineBytes) __builtin_prefetch(p, 1, 3);
  __builtin_prefetch(last, 1, 3);
}

}  // namespace

OnsetWait::OnsetWait(const RunState& state, std::function<std::vector<PixelLines>()> lines,
                     std::function<void()> show, QObject* parent)
    : QObject(parent), m_state(state), m_lines(std::move(lines)), m_show(std::move(show)) {
  m_timer.setSingleShot(true);
  m_timer.setTimerType(Qt::PreciseTimer);
  connect(&m_timer, &QTimer::timeout, this, &OnsetWait::OnTimeout);
}

bool OnsetWait::MaySpin() {
  cpu_set_t set;
  CPU_ZERO(&set);
  return ::sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) >= 2;
}

void OnsetWait::Arm(int32_t stimulus, int64_t expectedNs) {
  m_stimulus = stimulus;
  m_expectedNs = expectedNs;
  const int64_t now = MonotonicNowNs();
  if (expectedNs == 0 || expectedNs + BoundNs <= now || !MaySpin()) {
    m_timer.stop();
    return;
  }
  // Whole milliseconds, rounded down: early is only a little more waiting.
  const int64_t ms = std::max<int64_t>(0, (expectedNs - LeadNs - now) / 1'000'000);
  m_timer.start(static_cast<int>(std::min<int64_t>(ms, INT_MAX)));
}

void OnsetWait::Cancel() {
  m_timer.stop();
  m_stimulus = 0;
}

void OnsetWait::OnTimeout() {
  const int32_t stimulus = m_stimulus;
  std::vector<PixelLines> areas = m_lines ? m_lines() : std::vector<PixelLines>{};
  std::erase_if(areas, [](const PixelLines& lines) { return lines.count <= 0; });
  const int64_t deadline = m_expectedNs + BoundNs;
  std::size_t area = 0;
  int line = 0;
  bool waited = false;
  // One line of pixels per look at the run state: the onset is seen within
  // a fraction of a microsecond.
  while (m_state.phase.load() == Foreperiod && m_state.current.load() == stimulus &&
         m_state.done.load() == 0) {
    waited = true;
    if (MonotonicNowNs() >= deadline) {
      ++m_gaveUp;
      return;
    }
    if (!areas.empty()) {
      PrefetchLine(areas[area], line);
      if (++line == areas[area].count) {
        line = 0;
        area = (area + 1) % areas.size();
      }
    }
    Pause();
  }
  // A timer that fired only after the onset (a busy window thread) showed
  // nothing the announcement would not have.
  if (waited && m_state.phase.load() == WaitResponse && m_state.current.load() == stimulus) {
    ++m_caught;
  }
  if (m_show) m_show();
}

int64_t EarliestOnsetNs(const TimingRecord& timing, int32_t generationMs) {
  const ByteArrival arrival = timing.Arrival();
  if (arrival.bytes == 0) return 0;
  // A box (or a simulator) that runs fast shortens the foreperiod in host
  // time; one that runs slow only makes the wait a little longer.
  const std::optional<BoxRate> measured = MeasuredBoxRate(arrival);
  const double rate =
      std::max(NominalBytesPerSecond, measured ? measured->bytesPerSecond : 0.0);
  const double ticks = MillisecondsToTicks(generationMs);
  return arrival.lastNs + static_cast<int64_t>(ticks / rate * 1e9);
}

PixelLines BackingStoreLines(const QWidget& widget, const QRect& area) {
  QBackingStore* store = widget.backingStore();
  QPaintDevice* device = store != nullptr ? store->paintDevice() : nullptr;
  if (device == nullptr || device->devType() != QInternal::Image) return {};
  // Read through a const image: a writable look at the bits could detach
  // them from the window's own copy.
  const QImage& image = *static_cast<QImage*>(device);
  if (image.isNull() || image.depth() < 8) return {};
  const qreal ratio = image.devicePixelRatio();
  const QPointF topLeft(widget.mapTo(widget.window(), area.topLeft()));
  const QRect pixels =
      QRectF(topLeft * ratio, QSizeF(area.size()) * ratio).toAlignedRect() & image.rect();
  if (pixels.isEmpty()) return {};
  const int bytesPerPixel = image.depth() / 8;
  return {.first = image.constBits() + pixels.top() * image.bytesPerLine() +
                   pixels.left() * bytesPerPixel,
          .stride = image.bytesPerLine(),
          .count = pixels.height(),
          .bytes = pixels.width() * bytesPerPixel};
}

void SettleBackingStore(QWidget& widget, const QRegion& region) {
  // Qt's X11 backing store makes a round trip to the server before it
  // paints over the area of its last picture, so as not to write pixels the
  // server may still be reading from shared memory. A stimulus paints
  // exactly where the foreperiod's background went, so that round trip
  // (about 0.15 ms on an X server here) would come between the onset and
  // the paint. An empty paint of the area ahead of the onset takes it now:
  // on an opaque window Qt's begin and end of a paint leave every pixel as
  // it is, and no picture goes to the server.
  if (QGuiApplication::platformName() != QLatin1String("xcb") ||
      widget.window()->testAttribute(Qt::WA_TranslucentBackground)) {
    return;
  }
  QBackingStore* store = widget.backingStore();
  if (store == nullptr || store->paintDevice() == nullptr) return;
  store->beginPaint(region.translated(widget.mapTo(widget.window(), QPoint(0, 0))));
  store->endPaint();
}

}  // namespace alacrity
