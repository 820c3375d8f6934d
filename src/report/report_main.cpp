// alacrity-report: the printed report of a test data file as a PDF, painted
// exactly as the window prints it, without a display. alacrity-cli report
// runs this program; it takes the same view options as alacrity-cli list.
// Exit codes: 0 success, 1 the file was refused or the PDF not written,
// 2 a usage error. The file may follow "--", as alacrity-cli passes it.

#include <CLI/CLI.hpp>

#include <QByteArray>
#include <QGuiApplication>

#include <iostream>
#include <string>
#include <string_view>
#include <utility>

#include "cli_support.h"
#include "exit_codes.h"
#include "reportprinter.h"
#include "results/header_block.h"
#include "view_options.h"

using namespace alacrity;
using namespace alacrity::cli;

namespace {

int WriteReport(const ViewOptions& view, const std::string& output) {
  if (OutputIsAnInput(output, {view.path})) return ExitRefused;
  const auto data = LoadTestDataOrReport(view.path);
  if (!data) return ExitRefused;
  ViewRows rows = RowsOfView(*data, view);
  ReportContent content;
  content.kind = ReportKindOf(ViewOf(view));
  content.rows = std::move(rows.rows);
  // A file opened in a fresh program shows the colours of its run
  // configuration: no protocol Perform has happened in this process.
  content.header =
      BuildHeaderBlockTexts(data->subject, data->results, HeaderColorsOf(data->runConfiguration));
  content.averageText = rows.averageText.value_or(std::string());
  content.title = ReportTitle(content.kind);

  const QByteArray pdf = ReportPdf(content);
  if (pdf.isEmpty()) {
    ReportRefusal(output, "the report could not be painted");
    return ExitRefused;
  }
  return WriteOutput(output,
                     std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())))
             ? ExitOk
             : ExitRefused;
}

}  // namespace

int main(int argc, char** argv) {
  ReserveStandardStreams();
  CLI::App app{"alacrity-report: the printed report of a test data file as a PDF"};
  app.set_version_flag("--version", std::string("alacrity-report ") + ALACRITY_VERSION + "\nLicense " ALACRITY_LICENSE);
  ViewOptions view;
  std::string output;
  AddViewOptions(app, view);
  app.add_option("-o,--output", output, "Output PDF file")->required();
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return ExitCodeAfterOutput(app.exit(error) == 0 ? ExitOk : ExitUsage);
  }
  if (!CheckViewOptions(app, view)) return ExitUsage;

  // Reports are made in batches on machines without a display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's remarks about the desktop session (no runtime directory and the
  // like) say nothing about the report; only its failures are worth a line.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
  });
  // Qt sees only the program name: the command line was read above.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  const QGuiApplication application(qtArgc, qtArgv);
  return ExitCodeAfterOutput(WriteReport(view, output));
}
