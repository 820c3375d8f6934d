// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "selftest.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

#include <cstddef>

#include "alacrityview.h"
#include "appcontext.h"
#include "commandids.h"
#include "dialogs/stimulusscreen.h"
#include "displayserver.h"
#include "mainframe.h"
#include "messagebox.h"

namespace alacrity {
namespace {

constexpr int CheckTicks = 1440;  // one second of the box's bytes
constexpr int CheckTimeoutMs = 5000;
constexpr int TestTimeoutMs = 60000;

QTextStream& Out() {
  static QTextStream stream(stdout);
  return stream;
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QEventLoop loop;
    QTimer::singleShot(10, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

class SelfTest {
 public:
  SelfTest(CMainFrame& frame, AppContext& context) : m_frame(frame), m_context(context) {}

  int Run() {
    SetMessageBoxHook([this](MessageKind kind, const QString& text) {
      Out() << (kind == MessageKind::Question ? "question (answered No): " : "message: ") << text
            << Qt::endl;
      if (kind == MessageKind::Message) m_failed = true;
      return false;
    });
    Describe();
    const bool checked = Check();
    const bool tested = checked && Test();
    SetMessageBoxHook({});
    const bool passed = checked && tested && !m_failed;
    Out() << (passed ? "self-test passed" : "self-test FAILED") << Qt::endl;
    return passed ? 0 : 1;
  }

 private:
  void Describe() {
    const DisplayServer server = CurrentDisplayServer();
    Out() << "display server: " << DisplayServerText(server) << Qt::endl;
    const StimulusScreenChoice choice =
        ChooseStimulusScreen(StoredStimulusScreen(), m_frame.screen());
    if (choice.screen != nullptr) {
      Out() << "stimulus screen: " << DescribeScreen(*choice.screen)
            << (choice.missing ? " (the chosen one is not connected)" : "") << Qt::endl;
    }
    const QString note = CompositorDelayNote(server, choice.screen);
    if (!note.isEmpty()) Out() << "note: " << note << Qt::endl;
  }

  bool Check() {
    RunState& state = m_context.runState;
    m_frame.RunCommand(IdCheck);
    if (m_context.data.idle != 0) {
      Out() << "check: the response box could not be opened" << Qt::endl;
      return false;
    }
    QElapsedTimer clock;
    clock.start();
    const bool streaming =
        WaitUntil([&state] { return state.totalTicks.load() >= CheckTicks; }, CheckTimeoutMs);
    const qint64 elapsed = clock.elapsed();
    const int ticks = state.totalTicks.load();
    const QScreen* shown = m_frame.ViewScreen();
    Out() << "check: " << ticks << " bytes in " << elapsed << " ms, full screen on "
          << (shown != nullptr ? shown->name() : QStringLiteral("?")) << " at "
          << m_frame.View().width() << " x " << m_frame.View().height() << Qt::endl;
    m_frame.RunCommand(IdStop);
    if (!streaming) Out() << "check: the response box sends too little" << Qt::endl;
    return streaming;
  }

  bool Test() {
    DocumentData& data = m_context.data;
    m_frame.View().SetPerformDialog(
        [](int32_t) { return PerformChoice{PerformMode::Custom, SelfTestStimuli}; });
    m_frame.RunCommand(IdPerform);
    if (data.idle != 0) {
      Out() << "test: did not start" << Qt::endl;
      return false;
    }
    const bool ended = WaitUntil([&data] { return data.idle != 0; }, TestTimeoutMs);
    if (!ended) {
      Out() << "test: no end after " << TestTimeoutMs / 1000 << " s; stopped" << Qt::endl;
      m_frame.RunCommand(IdStop);
      return false;
    }
    const int32_t answered = data.results.responseCount;
    Out() << "test: " << answered << " of " << SelfTestStimuli << " stimuli answered, times (ms):";
    for (int32_t stimulus = 1; stimulus <= answered; ++stimulus) {
      Out() << ' ' << data.results.responseMs[static_cast<std::size_t>(stimulus)];
    }
    Out() << Qt::endl;
    return answered == SelfTestStimuli;
  }

  CMainFrame& m_frame;
  AppContext& m_context;
  bool m_failed = false;
};

}  // namespace

void RunSelfTest(CMainFrame& frame, AppContext& context, const std::function<void(int)>& finished) {
  const int status = SelfTest(frame, context).Run();
  if (finished) finished(status);
}

}  // namespace alacrity
