// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Gets the window ready a little before a stimulus is due, so the paint
// starts as soon as the engine's onset is there instead of after the
// announcement has woken the sleeping window thread (waking an idle core
// costs tens of microseconds). Shortly before the end of the foreperiod, as
// the host clock sees it, the window thread watches the run state itself
// until the response count starts and then paints at once. Meanwhile it
// keeps pulling the pixels it will paint into the cache: other programs on the
// machine evict them within milliseconds, and a paint into lines that must
// come from memory takes about three times as long. The wait is bounded:
// when the onset does not come in time (a slow or silent box), the event
// loop and the announcement take over again. It only runs with a second CPU
// for the reader thread; on one CPU it would starve the reader.

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class QRect;
class QRegion;
class QWidget;

namespace alacrity {

struct RunState;
class TimingRecord;

// Lines of pixels in memory: `count` lines of `bytes` bytes, `stride` apart.
struct PixelLines {
  const unsigned char* first = nullptr;
  std::ptrdiff_t stride = 0;
  int count = 0;
  int bytes = 0;
};

class OnsetWait : public QObject {
 public:
  // How long before the expected onset the wait begins, and how long after
  // it the wait gives up.
  static constexpr int64_t LeadNs = 2'000'000;
  static constexpr int64_t BoundNs = 10'000'000;

  // `lines` readies the paint and gives the pixels it will write (one or
  // more areas), to be kept in the cache (read only, and only until `show`
  // runs: no event is processed in between); `show` looks at the engine as
  // an announcement does (and paints). Both run on the window thread.
  OnsetWait(const RunState& state, std::function<std::vector<PixelLines>()> lines,
            std::function<void()> show, QObject* parent = nullptr);

  // True when the process may use at least two CPUs.
  static bool MaySpin();

  // Stimulus `stimulus` is in its foreperiod, its onset not expected before
  // `expectedNs` (MonotonicNowNs). Nothing happens on one CPU or when the
  // bound has passed already.
  void Arm(int32_t stimulus, int64_t expectedNs);
  // The run stopped: no wait for the armed stimulus.
  void Cancel();
  // The stimulus armed for last in this run; 0 for none.
  int32_t ArmedStimulus() const { return m_stimulus; }

  // Onsets the wait showed, and waits that ran out, since construction.
  int Caught() const { return m_caught; }
  int GaveUp() const { return m_gaveUp; }

 private:
  void OnTimeout();

  const RunState& m_state;
  std::function<std::vector<PixelLines>()> m_lines;
  std::function<void()> m_show;
  QTimer m_timer;
  int32_t m_stimulus = 0;
  int64_t m_expectedNs = 0;
  int m_caught = 0;
  int m_gaveUp = 0;
};

// The earliest host time the response count of the stimulus now in its
// foreperiod can start: the stamp of the latest chunk (the foreperiod began
// with it or before) plus the generation time in box bytes, at the box's
// nominal rate or the measured one where that is faster. Bytes only ever
// arrive late. 0 while no byte has been noted.
int64_t EarliestOnsetNs(const TimingRecord& timing, int32_t generationMs);

// The pixels of `area` (the widget's logical coordinates) in the window's
// backing store, when that is an image in memory; none otherwise.
PixelLines BackingStoreLines(const QWidget& widget, const QRect& area);

// Under X11, before a paint of `region` (the widget's logical coordinates):
// takes the wait for the server that Qt's backing store makes before it
// paints where its last picture went, so that the paint itself starts at
// once. Draws nothing; elsewhere it does nothing at all.
void SettleBackingStore(QWidget& widget, const QRegion& region);

}  // namespace alacrity
