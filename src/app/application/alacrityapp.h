// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The application object: fixes the program's directories, seeds the random
// generator, loads the signal sound and the default configuration, creates
// the main frame, and writes the configuration back at exit.

#include <QApplication>
#include <QString>

#include <memory>

#include "application/programpaths.h"

namespace alacrity {

class CMainFrame;
class DeviceRunLink;
class JournalKeeper;
class KeyboardBoxKeys;
class SelfTestSession;
class SignalSound;
struct AppContext;

class CAlacrityApp : public QApplication {
  Q_OBJECT

 public:
  CAlacrityApp(int& argc, char** argv);
  ~CAlacrityApp() override;

  // Start-up; false ends the program at once.
  bool InitInstance();
  // Writes the configuration to the default configuration file (a failure is
  // silent; nothing after --check-display, which read none) and passes the
  // exit code on.
  int ExitInstance(int exitCode);

  // Plays the signal sound unless `suppress` is nonzero; 1 when a sound was
  // started, else 0.
  int PlaySignal(int suppress);

  const ProgramPaths& Paths() const { return m_paths; }
  CMainFrame* MainFrame() const { return m_frame.get(); }

 private:
  // First, so it goes last: its box hook and its home outlast everything
  // that may show a box or hold a file there.
  std::unique_ptr<SelfTestSession> m_selfTest;
  bool m_checkDisplayOnly = false;
  ProgramPaths m_paths;
  std::unique_ptr<SignalSound> m_signal;
  std::unique_ptr<DeviceRunLink> m_link;
  std::unique_ptr<JournalKeeper> m_journal;
  std::unique_ptr<AppContext> m_context;
  std::unique_ptr<CMainFrame> m_frame;
  std::unique_ptr<KeyboardBoxKeys> m_keys;
};

}  // namespace alacrity
