// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// alacrity-report: the printed report of a test data file as a PDF, painted
// exactly as the window prints it, without a display, and with --plot the
// test's charts as a PNG, SVG or PDF picture. alacrity-cli report and plot
// run this program; it takes the same view options as alacrity-cli list,
// and --view chart for the chart page. Exit codes: 0 success, 1 the file
// was refused or the output not written, 2 a usage error. The file may
// follow "--", as alacrity-cli passes it.

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QByteArray>

#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "chart/chartoutput.h"
#include "data/text_encoding.h"
#include "program/legal_notice.h"
#include "program/standard_streams.h"
#include "report/reportprinter.h"
#include "results/header_block.h"
#include "toolsupport/cli_support.h"
#include "toolsupport/exit_codes.h"
#include "toolsupport/view_options.h"

using namespace alacrity;
using namespace alacrity::cli;

namespace {

// A file opened in a fresh program shows the colours of its run
// configuration: no protocol Perform has happened in this process.
HeaderBlockTexts HeaderOf(const DocumentData& data) {
  return BuildHeaderBlockTexts(data.subject, data.results, HeaderColorsOf(data.runConfiguration));
}

int WriteBytes(const std::string& output, const QByteArray& bytes, std::string_view what) {
  if (bytes.isEmpty()) {
    ReportRefusal(output, what);
    return ExitRefused;
  }
  return WriteOutput(output,
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
             ? ExitOk
             : ExitRefused;
}

int WriteReport(const ViewOptions& view, const std::string& output) {
  if (OutputIsAnInput(output, {view.path})) return ExitRefused;
  const auto data = LoadTestDataOrReport(view.path);
  if (!data) return ExitRefused;
  ReportContent content;
  content.header = HeaderOf(*data);
  if (IsChartView(view)) {
    content.kind = ReportKind::Chart;
    content.title = ReportTitle(content.kind);
    const ChartFigures figures = BuildChartFigures(data->results, data->runConfiguration);
    return WriteBytes(output, ChartReportPdf(content, figures), "the report could not be painted");
  }
  ViewRows rows = RowsOfView(*data, view);
  content.kind = ReportKindOf(ViewOf(view));
  content.rows = std::move(rows.rows);
  content.averageText = rows.averageText.value_or(std::string());
  content.title = ReportTitle(content.kind);
  // The result page shows the timing report as the window prints it, from
  // the record saved beside the data file.
  if (content.kind == ReportKind::Result) {
    if (const std::optional<RunTiming> timing = TimingRecordOrNote(view.path);
        timing && !timing->stimuli.empty()) {
      content.timing = TimingReportLines(ComputeTimingFigures(*timing));
    }
  }
  return WriteBytes(output, ReportPdf(content), "the report could not be painted");
}

int WritePlot(const std::string& path, const std::string& output) {
  const auto format = PlotFormatOfPath(output);
  if (!format) {
    std::cerr << "--output must end in .png, .svg or .pdf\n";
    return ExitUsage;
  }
  if (OutputIsAnInput(output, {path})) return ExitRefused;
  const auto data = LoadTestDataOrReport(path);
  if (!data) return ExitRefused;
  // The picture names its test, as the header block of a report does.
  const HeaderBlockTexts header = HeaderOf(*data);
  const QString caption =
      QString::fromStdString(ToDisplayUtf8(header.name) + "      " + ToDisplayUtf8(header.date));
  const ChartFigures figures = BuildChartFigures(data->results, data->runConfiguration);
  return WriteBytes(output, PlotBytes(figures, caption, *format), "the charts could not be drawn");
}

}  // namespace

int main(int argc, char** argv) {
  ReserveStandardStreams();
  CLI::App app{"alacrity-report: the printed report of a test data file as a PDF"};
  app.set_version_flag("--version", VersionText("alacrity-report"));
  ViewOptions view;
  std::string output;
  bool plot = false;
  AddViewOptions(app, view, /*withChart=*/true);
  app.add_option("-o,--output", output, "Output PDF file (with --plot: .png, .svg or .pdf)")
      ->required();
  app.add_flag("--plot", plot, "The test's charts as a picture instead of a printed report");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return ExitCodeAfterOutput(app.exit(error) == 0 ? ExitOk : ExitUsage);
  }
  if (!CheckViewOptions(app, view)) return ExitUsage;
  if (plot && (app.count("--view") > 0 || app.count("--split") > 0 || app.count("--object") > 0)) {
    std::cerr << "--plot draws every answer of the test; --view, --split and --object choose a "
                 "printed report\n";
    return ExitUsage;
  }

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
  // The charts are Qt Charts' widgets-based items: they need the widgets'
  // application object even offscreen.
  const QApplication application(qtArgc, qtArgv);
  return ExitCodeAfterOutput(plot ? WritePlot(view.path, output) : WriteReport(view, output));
}
