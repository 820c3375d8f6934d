// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window program's command line: its options, and the answers to
// --help and --version, which must not need a display.

#include <QCommandLineOption>
#include <QCommandLineParser>

namespace alacrity {

struct ProgramOptions {
  QCommandLineOption keyboardBox;
  QCommandLineOption screenshot;
  QCommandLineOption selfTest;
  QCommandLineOption checkDisplay;
  QCommandLineOption language;
};

// Describes the program and adds --help, --version and the program's own
// options to `parser`.
ProgramOptions AddProgramOptions(QCommandLineParser& parser);

// Installs the interface language (--language, else the system's) and
// returns it; empty, after telling so on standard error, when --language
// names none that is available.
QString SetUpLanguage(QCoreApplication& app);

// Answers --help and --version on standard output and ends the program with
// status 0 (1 when standard output did not take it); returns when neither
// was asked for. Runs before the
// QApplication exists: that object needs a window system, and someone asking
// for the options on a console or over ssh has none.
void AnswerInformationOptions(int argc, char** argv);

}  // namespace alacrity
