// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application/commandline.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <cstdlib>

#include "application/language.h"
#include "program/legal_notice.h"
#include "program/standard_streams.h"

namespace alacrity {
namespace {

// Qt prints the help and exits with 0 whether or not it reached standard
// output; this judges it on the way out, before stdio's own silent flush.
void FailWhenOutputWasLost() {
  if (ExitCodeAfterOutput(0) != 0) std::_Exit(ExitOutputLost);
}

}  // namespace

ProgramOptions AddProgramOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QCoreApplication::translate("CommandLine", "Measures reaction times to visual stimuli."));
  parser.addHelpOption();
  parser.addVersionOption();
  ProgramOptions options{
      QCommandLineOption(
          QStringLiteral("keyboard-box"),
          QCoreApplication::translate(
              "CommandLine", "Use keys 1-4 as the response box (times are not instrument-grade).")),
      QCommandLineOption(
          QStringLiteral("screenshot"),
          QCoreApplication::translate("CommandLine",
                                      "Take screenshots of the main window, the test screens and "
                                      "the device check into DIR, then quit."),
          QCoreApplication::translate("CommandLine", "DIR")),
      QCommandLineOption(
          QStringLiteral("self-test"),
          QCoreApplication::translate(
              "CommandLine",
              "Check the station: name the display server and the stimulus screen, run a device "
              "check and a test of 3 stimuli on the response box, print how it went and quit "
              "(status 1 on failure).")),
      QCommandLineOption(
          QStringLiteral("check-display"),
          QCoreApplication::translate(
              "CommandLine",
              "Check the stimulus screen's timing: show frames on it for 2 seconds, print how far "
              "its presented times can be trusted and what to change, and quit (status 0 only "
              "when they can be trusted).")),
      QCommandLineOption(
          QStringLiteral("language"),
          QCoreApplication::translate("CommandLine",
                                      "Show the program in language CODE (%1) instead of the "
                                      "system's.")
              .arg(AvailableLanguages().join(QStringLiteral(", "))),
          QCoreApplication::translate("CommandLine", "CODE")),
  };
  parser.addOption(options.keyboardBox);
  parser.addOption(options.screenshot);
  parser.addOption(options.selfTest);
  parser.addOption(options.checkDisplay);
  parser.addOption(options.language);
  return options;
}

QString SetUpLanguage(QCoreApplication& app) {
  const QString requested = LanguageArgument(QCoreApplication::arguments());
  const QString code = ResolveLanguage(requested, QLocale::system().uiLanguages());
  if (code.isEmpty()) {
    QTextStream(stderr) << UnknownLanguageMessage(requested) << Qt::endl;
    return {};
  }
  InstallLanguage(app, code);
  return code;
}

void AnswerInformationOptions(int argc, char** argv) {
  if (argc < 2) return;  // the usual start: nothing to answer
  // A core application only: it reads the arguments and the program's name
  // without opening a display.
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("alacrity"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ALACRITY_VERSION));
  // A wrong --language ends the program here, before any window: its
  // message is read on the console the program was started from.
  if (SetUpLanguage(core).isEmpty()) std::exit(1);
  QCommandLineParser parser;
  (void)AddProgramOptions(parser);
  // Qt's own window-system options (-platform, -display ...) are unknown
  // here; judging them, and any mistake, is left to the full start-up.
  (void)parser.parse(QCoreApplication::arguments());
  if (parser.isSet(QStringLiteral("version"))) {
    std::exit(WriteStandardOutput(VersionText("alacrity") + "\n") ? 0 : ExitOutputLost);
  }
  if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
    std::atexit(FailWhenOutputWasLost);
    parser.showHelp(0);
  }
}

}  // namespace alacrity
