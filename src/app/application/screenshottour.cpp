// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application/screenshottour.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QItemSelectionModel>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <array>
#include <cstddef>

#include "appcontext.h"
#include "commandids.h"
#include "data/enums.h"
#include "frame/mainframe.h"
#include "views/alacritylist.h"
#include "views/alacrityview.h"

namespace alacrity {
namespace {

constexpr std::array<const char*, 4> ShapeNames = {"circle", "cross", "square", "triangle"};
constexpr std::array<const char*, 4> BackgroundNames = {"white", "blue", "green", "black"};

void Wait(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    Wait(5);
  }
  return true;
}

class Tour {
 public:
  Tour(CMainFrame& frame, AppContext& context, const QString& directory,
       const std::function<void(uint8_t)>& pressKeys)
      : m_frame(frame), m_context(context), m_directory(directory), m_press(pressKeys) {}

  void Run() {
    QDir().mkpath(m_directory);
    MainWindow();
    ShortTest();
    ResultViews();
    DeviceCheck();
    DisplayCheck();
    FigureGallery();
  }

 private:
  RunController& Controller() { return m_frame.View().Controller(); }

  void Shot(const QString& name, int settleMs = 150) {
    Wait(settleMs);  // let the window manager settle the size
    // Tests and checks may be shown on another screen than the main window.
    ShotOf(*m_frame.View().window(), name);
  }

  void ShotOf(QWidget& shown, const QString& name) {
    const QString path = QDir(m_directory).filePath(QStringLiteral("%1-%2.png").arg(++m_count, 2, 10, QLatin1Char('0')).arg(name));
    shown.grab().save(path);
    QTextStream(stdout) << path << " " << shown.width() << "x" << shown.height() << Qt::endl;
  }

  void MainWindow() { Shot(QStringLiteral("main-window")); }

  // Six stimuli, each answered with its own button but the fourth, which
  // gets a wrong one, with a fixed wait so the empty background can be
  // caught between them.
  void ShortTest() {
    constexpr int32_t Stimuli = 6;
    DocumentData& data = m_context.data;
    const TestConfiguration saved = data.customConfiguration;
    data.customConfiguration.timingMode = Code(TimingMode::Fixed);
    data.customConfiguration.fixedTimeMs = 1500;
    m_frame.View().SetPerformDialog(
        [](int32_t) { return PerformChoice{PerformMode::Custom, Stimuli}; });
    m_frame.RunCommand(IdPerform);
    WaitUntil([this] { return Controller().ShownPhase() == WaitStart; }, 2000);
    Shot(QStringLiteral("start-prompt"));

    RunState& state = m_context.runState;
    m_press(1);
    WaitUntil([&state] { return state.phase.load() != WaitStart; }, 2000);
    m_press(0);
    for (int32_t stimulus = 1; stimulus <= Stimuli; ++stimulus) {
      if (stimulus == 1) {
        WaitUntil([this] { return Controller().ShownPhase() == Foreperiod; }, 2000);
        Shot(QStringLiteral("foreperiod"), 0);
      }
      // The screen follows the engine a timer period late: the stimulus is
      // up once both say so for this stimulus.
      WaitUntil(
          [this, &state, stimulus] {
            return state.current.load() == stimulus && state.phase.load() == WaitResponse &&
                   Controller().ShownPhase() == WaitResponse;
          },
          5000);
      if (stimulus == 1) Shot(QStringLiteral("stimulus"), 0);
      const int32_t object = data.results.objectIndex[static_cast<std::size_t>(stimulus)];
      Wait(250 + 20 * stimulus);
      // Only accepted false responses end a stimulus.
      const bool wrong = stimulus == 4 && data.customConfiguration.falseResponse ==
                                              Code(FalseResponseMode::Accepted);
      const int32_t answer = wrong ? object + 1 : object;
      m_press(static_cast<uint8_t>(1U << static_cast<unsigned>(answer & 3)));
      WaitUntil([&state, stimulus] { return state.current.load() > stimulus || state.done.load() != 0; },
                2000);
      m_press(0);
    }
    WaitUntil([&data] { return data.idle != 0; }, 5000);
    data.customConfiguration = saved;
  }

  // The test ends on the result page; then the list, the split summary in
  // blocks of three, the print preview of the split report, the statistics
  // and the charts.
  void ResultViews() {
    Shot(QStringLiteral("result-page"));
    CAlacrityView& view = m_frame.View();
    m_frame.RunCommand(IdResponseByResponse);
    QItemSelectionModel* selection = view.List().selectionModel();
    for (const int row : {2, 4}) {
      selection->select(view.List().model()->index(row, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    Shot(QStringLiteral("response-list"));
    m_frame.RunCommand(IdSplitSummary);
    if (QComboBox* sizes = m_frame.CurrentDialogBar()->DropDown(IdSplitSizeList)) {
      sizes->setCurrentIndex(2);
      view.OnSplitSizeChange();
    }
    Shot(QStringLiteral("split-summary"));
    PrintPreview();
    m_frame.RunCommand(IdStatistics);
    Shot(QStringLiteral("statistics"));
    m_frame.RunCommand(IdChart);
    Shot(QStringLiteral("chart"));
    m_frame.RunCommand(IdShowNeutralView);
  }

  // The preview as File > Print Preview shows it, but not modal, so that it
  // can be photographed and closed again.
  void PrintPreview() {
    CAlacrityView& view = m_frame.View();
    QPrintPreviewDialog preview(&view.Printer(), &m_frame);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&view](QPrinter* printer) { (void)view.PrintTo(*printer); });
    preview.resize(900, 740);
    preview.show();
    Wait(400);
    const QString path = QDir(m_directory).filePath(
        QStringLiteral("%1-print-preview.png").arg(++m_count, 2, 10, QLatin1Char('0')));
    preview.grab().save(path);
    QTextStream(stdout) << path << Qt::endl;
    preview.close();
  }

  void DeviceCheck() {
    m_frame.RunCommand(IdCheck);
    m_press(0b0101);
    WaitUntil([this] { return Controller().ShownButtons() == 0b0101; }, 2000);
    Shot(QStringLiteral("check-buttons-1-3"));
    m_press(0b1111);
    WaitUntil([this] { return Controller().ShownButtons() == 0b1111; }, 2000);
    Shot(QStringLiteral("check-all-buttons"));
    m_press(0b1000);
    WaitUntil([this] { return Controller().ShownButtons() == 0b1000; }, 2000);
    Shot(QStringLiteral("check-button-4"));
    m_press(0);
    m_frame.RunCommand(IdStop);
    Wait(100);
  }

  // The stimulus screen's settings, then Exercise > "Check Display" and its
  // verdict, each dialog photographed once it is up and then closed.
  void DisplayCheck() {
    // Polled rather than waited for: a wait here would run inside the
    // check's own event loop and hold it up.
    const auto shootModal = [this](const QString& name) {
      auto* poll = new QTimer(&m_frame);
      QObject::connect(poll, &QTimer::timeout, poll, [this, poll, name] {
        // The check's full-screen window is modal too, before its verdict.
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        Wait(150);
        ShotOf(*dialog, name);
        dialog->close();
      });
      poll->start(20);
    };
    shootModal(QStringLiteral("stimulus-screen"));
    m_frame.RunCommand(IdStimulusScreen);
    shootModal(QStringLiteral("display-check"));
    m_frame.RunCommand(IdCheckDisplay);
  }

  // Every shape on every background, drawn by the view's own painting as a
  // stimulus of a custom run with the built-in colours.
  void FigureGallery() {
    DocumentData& data = m_context.data;
    RunState& state = m_context.runState;
    state.checkMode = 0;
    state.done = 0;
    state.current = 1;
    state.phase = WaitResponse;
    Controller().SetMode(TestRun);
    m_frame.EnterFullScreen();
    for (int32_t background = 0; background < 4; ++background) {
      for (int32_t object = 0; object < 4; ++object) {
        data.runConfiguration.background = background;
        data.results.objectIndex[1] = object;
        Controller().OnTimer();
        m_frame.View().Repaint();
        Shot(QStringLiteral("%1-on-%2").arg(QString::fromLatin1(ShapeNames[static_cast<std::size_t>(object)]),
                                            QString::fromLatin1(BackgroundNames[static_cast<std::size_t>(background)])));
      }
    }
    m_frame.LeaveFullScreen();
    Controller().ShowNeutralView();
    Wait(100);
  }

  CMainFrame& m_frame;
  AppContext& m_context;
  QString m_directory;
  std::function<void(uint8_t)> m_press;
  int m_count = 0;
};

}  // namespace

void RunScreenshotTour(CMainFrame& frame, AppContext& context, const QString& directory,
                       const std::function<void(uint8_t)>& pressKeys,
                       const std::function<void()>& finished) {
  Tour(frame, context, directory, pressKeys).Run();
  if (finished) finished();
}

}  // namespace alacrity
