// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window tests share: message boxes and data file dialogs answered
// by hooks, a device link that feeds the engine from the test thread, and a
// main frame over data of its own.

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>

#include "appcontext.h"
#include "data/document_data.h"
#include "engine/run_controller.h"
#include "engine/run_state.h"
#include "frame/filedialogs.h"
#include "frame/mainframe.h"
#include "messagerecorder.h"

namespace alacrity::test {

// Records the message boxes shown while it lives; questions are answered No
// unless a test says otherwise.
struct MessageRecorder : MessageBoxRecorder {
  MessageRecorder() : MessageBoxRecorder(false) {}
};

// Answers the data file dialogs while it lives: each takes the next of
// `answers` (none left is Cancel) and the starting place is recorded.
class DataFileDialogStub {
 public:
  DataFileDialogStub();
  ~DataFileDialogStub();
  DataFileDialogStub(const DataFileDialogStub&) = delete;
  DataFileDialogStub& operator=(const DataFileDialogStub&) = delete;

  QStringList answers;
  QList<FileDialogKind> kinds;
  QStringList starts;
};

// A link without a reader: Start attaches the engine as the real link does
// and the test hands the bytes over itself. Like the real front, a failed
// start stays marked active, so starts are refused until Stop.
class FakeRunLink : public RunLink {
 public:
  explicit FakeRunLink(DocumentData& data) : m_data(data) {}
  int Start(RunState* run) override;
  void Stop() override;
  void SetSyncLine(int level) override { syncLevels.append(level); }
  std::string DeviceName() const override { return "test box"; }
  std::string StartFailure() const override { return failure; }
  bool StoppedSending() const override { return stoppedSending; }

  int startResult = 1;  // what the next open gives
  std::string failure;  // the reason a failed open gives
  bool stoppedSending = false;
  int starts = 0;
  int stops = 0;
  bool active = false;
  QList<int> syncLevels;

 private:
  DocumentData& m_data;
};

// A shown main frame over its own data, run state and fake link.
struct FrameFixture {
  FrameFixture();
  ~FrameFixture();
  FrameFixture(const FrameFixture&) = delete;
  FrameFixture& operator=(const FrameFixture&) = delete;

  // Waits (processing events) until the view covers the offscreen screen.
  bool WaitForFullScreenView();
  // Performs a custom test of `stimuli` with fixed 100 ms foreperiods,
  // answered by a simulated person (seeded `seed`) whose bytes a reader
  // thread hands over one at a time at the box's rate, as a serial port
  // does; true when the test ended within `limitMs`.
  bool PerformAnsweredInRealTime(int32_t stimuli, uint32_t seed, int limitMs = 30'000);
  QImage Grab();

  std::unique_ptr<DocumentData> data;
  std::unique_ptr<RunState> state;
  std::unique_ptr<FakeRunLink> link;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<CMainFrame> frame;
  int signalsPlayed = 0;
};

// Sends `count` copies of `byte` to the engine.
void Feed(uint8_t byte, int count = 1);

// A readable description of a pixel for failure messages.
QString Describe(QColor color);

}  // namespace alacrity::test
