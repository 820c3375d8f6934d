// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "apptestsupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <atomic>
#include <chrono>
#include <thread>

#include "dialogs/messagebox.h"
#include "commandids.h"
#include "data/enums.h"
#include "engine/engine.h"
#include "engine/host_clock.h"
#include "engine/simulated_subject.h"
#include "views/alacrityview.h"

namespace alacrity::test {

DataFileDialogStub::DataFileDialogStub() {
  SetFileDialogHook([this](FileDialogKind kind, const QString& start) {
    kinds.append(kind);
    starts.append(start);
    return answers.isEmpty() ? QString() : answers.takeFirst();
  });
}

DataFileDialogStub::~DataFileDialogStub() { SetFileDialogHook({}); }

int FakeRunLink::Start(RunState* run) {
  ++starts;
  if (active || run == nullptr) return 0;
  AttachEngine(*run, m_data);
  active = true;
  return startResult;
}

void FakeRunLink::Stop() {
  ++stops;
  active = false;
}

FrameFixture::FrameFixture()
    : data(std::make_unique<DocumentData>()),
      state(std::make_unique<RunState>()),
      link(std::make_unique<FakeRunLink>(*data)) {
  ApplyDefaultConfiguration(*data);
  context = std::unique_ptr<AppContext>(new AppContext{
      *data, *state, *link, PathsInDirectory(QStringLiteral("/nonexistent/alacrity")),
      [this](int suppress) {
        if (suppress != 0) return 0;
        ++signalsPlayed;
        return 1;
      },
      false});
  frame = std::make_unique<CMainFrame>(*context);
  frame->show();
  (void)QTest::qWaitForWindowExposed(frame.get());
}

FrameFixture::~FrameFixture() {
  // A test that failed half way may leave a run going; closing must not ask.
  data->idle = 1;
  data->dataSaved = 1;
  frame.reset();
}

bool FrameFixture::WaitForFullScreenView() {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  return QTest::qWaitFor([&] { return frame->View().size() == screen; }, 2000);
}

bool FrameFixture::PerformAnsweredInRealTime(int32_t stimuli, uint32_t seed, int limitMs) {
  data->customConfiguration.timingMode = Code(TimingMode::Fixed);
  data->customConfiguration.fixedTimeMs = 100;
  frame->View().SetPerformDialog(
      [stimuli](int32_t) { return PerformChoice{PerformMode::Custom, stimuli}; });
  frame->RunCommand(IdPerform);
  std::atomic<bool> stop{false};
  std::thread reader([&] {
    SimulatedSubject person({150.0, 10.0, 0.0}, seed);
    const auto period = std::chrono::nanoseconds(1'000'000'000 / 1440);
    auto due = std::chrono::steady_clock::now();
    while (!stop.load() && state->done.load() == 0) {
      due += period;
      std::this_thread::sleep_until(due);
      OnBytesReceived(MonotonicNowNs(), 1);
      OnDeviceByte(person.NextByte(*state, *data));
    }
  });
  const bool ended = QTest::qWaitFor([&] { return data->idle == 1; }, limitMs);
  stop = true;
  reader.join();
  return ended;
}

QImage FrameFixture::Grab() {
  return frame->View().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Feed(uint8_t byte, int count) {
  for (int i = 0; i < count; ++i) OnDeviceByte(byte);
}

QString Describe(QColor color) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

}  // namespace alacrity::test
