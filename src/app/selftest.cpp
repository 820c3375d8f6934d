// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "selftest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "alacrityview.h"
#include "appcontext.h"
#include "commandids.h"
#include "dialogs/stimulusscreen.h"
#include "displayserver.h"
#include "localpath.h"
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

  bool Run() {
    Describe();
    const bool checked = Check();
    return checked && Test();
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
    // Nobody's results: whoever the station has as its subject stays out.
    data.subject = SubjectInfo{};
    data.subject.name = SelfTestSubjectName;
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
};

void PrintVerdict(bool passed) {
  Out() << (passed ? "self-test passed" : "self-test FAILED") << Qt::endl;
}

}  // namespace

SelfTestSession::SelfTestSession()
    : m_home(std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                             QStringLiteral("/alacrity-self-test-XXXXXX"))) {
  // From the program's first box on: a box shown before the test began (a
  // damaged configuration, say) would wait for a click as surely as any.
  SetMessageBoxHook([this](MessageKind kind, const QString& text) {
    Out() << (kind == MessageKind::Question ? "question (answered No): " : "message: ") << text
          << Qt::endl;
    if (kind == MessageKind::Message) m_failed = true;
    return false;
  });
  if (!m_home->isValid()) {
    Out() << "self-test: no throwaway home: " << m_home->errorString() << Qt::endl;
    PrintVerdict(false);
    return;
  }
  m_homePath = LocalPath(m_home->path());
  m_watchdog = std::thread([this] { Watch(); });
}

SelfTestSession::~SelfTestSession() {
  {
    const std::lock_guard lock(m_mutex);
    m_done = true;
  }
  m_ended.notify_one();
  if (m_watchdog.joinable()) m_watchdog.join();
  SetMessageBoxHook({});
}

bool SelfTestSession::Ready() const { return m_home->isValid(); }

ProgramPaths SelfTestSession::Paths() const {
  // A level down, so the register's root (beside the program directory)
  // lies inside the throwaway home too.
  return PathsInDirectory(m_home->filePath(QStringLiteral("program")));
}

void SelfTestSession::Run(CMainFrame& frame, AppContext& context,
                          const std::function<void(int)>& finished) {
  const bool passed = SelfTest(frame, context).Run() && !m_failed;
  PrintVerdict(passed);
  m_status = passed ? 0 : 1;
  if (finished) finished(m_status);
}

void SelfTestSession::Watch() {
  std::unique_lock lock(m_mutex);
  const auto deadline = std::chrono::seconds(SelfTestDeadlineSeconds);
  if (m_ended.wait_for(lock, deadline, [this] { return m_done; })) return;
  // The window thread is stuck where no timer reaches it (a device that
  // blocks, a dialog of its own, an end that does not come): the process
  // ends from here, with the verdict given or, without one, a failure.
  const int status = m_status.load();
  if (status < 0) {
    std::printf("self-test FAILED: no verdict after %d s\n", SelfTestDeadlineSeconds);
    std::fflush(stdout);
  }
  std::error_code ignored;
  std::filesystem::remove_all(m_homePath, ignored);
  std::_Exit(status < 0 ? 1 : status);
}

}  // namespace alacrity
