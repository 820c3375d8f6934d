// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application/alacrityapp.h"

#include <QDir>
#include <QTimer>

#include <clocale>
#include <ctime>

#include "adapters/devicerunlink.h"
#include "adapters/keyboardboxkeys.h"
#include "adapters/registerfront.h"
#include "adapters/signalsound.h"
#include "appcontext.h"
#include "application/checkdisplay.h"
#include "application/commandline.h"
#include "application/journalrecovery.h"
#include "application/screenshottour.h"
#include "application/selftest.h"
#include "application/startup.h"
#include "data/document_data.h"
#include "dialogs/portsettings.h"
#include "engine/journal_keeper.h"
#include "engine/random.h"
#include "frame/mainframe.h"
#include "link/keyboard_box.h"
#include "link/link.h"
#include "localpath.h"

namespace alacrity {

CAlacrityApp::CAlacrityApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("alacrity"));
  setApplicationVersion(QStringLiteral(ALACRITY_VERSION));
}

CAlacrityApp::~CAlacrityApp() {
  // The frame and the key filter go before the link and the sound they use.
  m_keys.reset();
  m_frame.reset();
  // Closes a journal still held (results neither saved nor discarded); the
  // file stays for the next start.
  m_journal.reset();
}

bool CAlacrityApp::InitInstance() {
  // Before the options: their descriptions and messages are in it too.
  if (SetUpLanguage(*this).isEmpty()) return false;
  QCommandLineParser parser;
  const ProgramOptions options = AddProgramOptions(parser);
  const QCommandLineOption& keyboardBox = options.keyboardBox;
  const QCommandLineOption& screenshot = options.screenshot;
  const QCommandLineOption& selfTest = options.selfTest;
  parser.process(*this);  // --help, --version and mistakes end the program here

  // The display alone: no configuration, journal, register or main window,
  // so nothing of the station's is read or written but its screen choice.
  if (parser.isSet(options.checkDisplay)) {
    m_checkDisplayOnly = true;
    QTimer::singleShot(0, this, [] { QCoreApplication::exit(CheckDisplayFromCommandLine()); });
    return true;
  }

  // Before anything that could show a box or write a file.
  if (parser.isSet(selfTest)) {
    m_selfTest = std::make_unique<SelfTestSession>();
    if (!m_selfTest->Ready()) return false;
  }

  DocumentData& data = TheDocumentData();

  // Directories: the program directory, its default configuration and its
  // data directory, and the subject register's root beside it. The
  // self-test reads the station's set-up there but writes in a home of its
  // own, so the station keeps neither its journal nor its configuration.
  const ProgramDirectorySources sources = ProcessDirectorySources();
  const ProgramPaths station = ProgramPathsFor(sources, ChooseProgramDirectory(sources));
  m_paths = m_selfTest ? m_selfTest->Paths() : station;
  QDir().mkpath(m_paths.programDirectory);

  // One sequence for the whole session: every schedule continues it.
  SeedRandom(static_cast<uint32_t>(std::time(nullptr)));

  m_signal = std::make_unique<SignalSound>();
  m_signal->Load();

  LoadStartConfiguration(station, data, nullptr);
  // Which device each COM port stands for, as this user chose it.
  LoadPortAssignments();

  // Numbers follow the user's locale from here on, as the exports expect.
  std::setlocale(LC_NUMERIC, "");

  // The self-test's subject is nobody in the register, which it leaves
  // alone (a register on a server included).
  if (!m_selfTest) RegisterInit(m_paths.registerRoot);
  CreateDataDirectory(m_paths);

  // The tour presses the keyboard box's keys itself; it never needs a box.
  const bool useKeyboard = parser.isSet(keyboardBox) || parser.isSet(screenshot);
  TheDeviceLink().UseKeyboardBox(useKeyboard);

  m_link = std::make_unique<DeviceRunLink>();
  // The screenshot tour's pretend tests are nobody's results.
  if (!parser.isSet(screenshot)) {
    m_journal = std::make_unique<JournalKeeper>(LocalPath(m_paths.journalDirectory));
    // With a register the subject tested is its current one, which Save
    // will file the results for.
    m_journal->SetSubjectSource([](SubjectInfo& subject) {
      if (UsesSubjectRegister() && RegisterHasSubject()) RegisterFillSubject(subject);
    });
  }
  m_context = std::unique_ptr<AppContext>(new AppContext{
      data, TheRunState(), *m_link, m_paths, [this](int suppress) { return PlaySignal(suppress); },
      useKeyboard, m_journal.get()});
  m_frame = std::make_unique<CMainFrame>(*m_context);
  if (useKeyboard) {
    m_keys = std::make_unique<KeyboardBoxKeys>(
        m_frame.get(), [](uint8_t held) { TheDeviceLink().Keyboard().SetHeldKeys(held); });
    m_keys->AddWindow(m_frame->StimulusWindow());
    installEventFilter(m_keys.get());
  }
  m_frame->show();
  // Asked once the window is up, so the questions have a parent to sit on.
  if (m_journal) RecoverJournals(*m_frame, *m_context);

  if (m_selfTest) {
    QTimer::singleShot(0, this, [this] {
      m_selfTest->Run(*m_frame, *m_context, [](int status) { QCoreApplication::exit(status); });
    });
  } else if (parser.isSet(screenshot)) {
    const QString directory = parser.value(screenshot);
    QTimer::singleShot(0, this, [this, directory] {
      RunScreenshotTour(
          *m_frame, *m_context, directory,
          [](uint8_t held) { TheDeviceLink().Keyboard().SetHeldKeys(held); },
          [] { QCoreApplication::exit(0); });
    });
  }
  return true;
}

int CAlacrityApp::ExitInstance(int exitCode) {
  if (m_checkDisplayOnly) return exitCode;
  (void)SaveExitConfiguration(m_paths, TheDocumentData());
  return exitCode;
}

int CAlacrityApp::PlaySignal(int suppress) {
  if (suppress != 0 || !m_signal) return 0;
  return m_signal->Play() ? 1 : 0;
}

}  // namespace alacrity
