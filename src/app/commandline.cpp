#include "commandline.h"

#include <QCoreApplication>
#include <QStringList>

namespace alacrity {

ProgramOptions AddProgramOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral("Measures reaction times to visual stimuli."));
  parser.addHelpOption();
  parser.addVersionOption();
  ProgramOptions options{
      QCommandLineOption(
          QStringLiteral("keyboard-box"),
          QStringLiteral("Use keys 1-4 as the response box (times are not instrument-grade).")),
      QCommandLineOption(
          QStringLiteral("screenshot"),
          QStringLiteral("Take screenshots of the main window, the test screens and the device "
                         "check into DIR, then quit."),
          QStringLiteral("DIR")),
      QCommandLineOption(
          QStringLiteral("self-test"),
          QStringLiteral("Check the station: name the display server and the stimulus screen, run "
                         "a device check and a test of 3 stimuli on the response box, print how "
                         "it went and quit (status 1 on failure).")),
  };
  parser.addOption(options.keyboardBox);
  parser.addOption(options.screenshot);
  parser.addOption(options.selfTest);
  return options;
}

void AnswerInformationOptions(int argc, char** argv) {
  if (argc < 2) return;  // the usual start: nothing to answer
  // A core application only: it reads the arguments and the program's name
  // without opening a display.
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("alacrity"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ALACRITY_VERSION "\nLicense " ALACRITY_LICENSE));
  QCommandLineParser parser;
  (void)AddProgramOptions(parser);
  // Qt's own window-system options (-platform, -display ...) are unknown
  // here; judging them, and any mistake, is left to the full start-up.
  (void)parser.parse(QCoreApplication::arguments());
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
    parser.showHelp(0);
  }
}

}  // namespace alacrity
