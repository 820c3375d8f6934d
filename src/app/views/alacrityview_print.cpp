// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// CAlacrityView: printing and print preview. The pages are the core's
// layouts painted by the report library, the same painting alacrity-report
// puts into PDFs; the view contributes what its current mode shows.

#include <QPageLayout>
#include <QPrinter>

#include "chart/chartoutput.h"
#include "results/chart_figures.h"
#include "results/report_pages.h"
#include "views/alacritylist.h"
#include "views/alacrityview.h"
#include "views/printdialogs.h"
#include "views/viewhost.h"

namespace alacrity {
namespace {

ReportKind ReportKindOfMode(ViewMode mode) {
  switch (mode) {
    case ResponseByResponse: return ReportKind::ResponseList;
    case SplitSummary: return ReportKind::SplitSummary;
    case Result: return ReportKind::Result;
    case Chart: return ReportKind::Chart;
    case Statistics:
    case Neutral:
    case TestRun:
    case DeviceCheck: break;
  }
  return ReportKind::None;
}

}  // namespace

ReportContent CAlacrityView::CurrentReport() const {
  ReportContent content;
  content.kind = ReportKindOfMode(Mode());
  // Always the list's rows: in the Result view the hidden list holds the
  // whole test as one block, so a long test gives a result report of
  // several pages.
  content.rows = m_list->Rows();
  content.header = HeaderTexts();
  content.averageText = m_averageText;
  if (content.kind == ReportKind::Result) content.timing = TimingLinesOfResults();
  content.title = ReportTitle(content.kind);
  return content;
}

namespace {

// The chart report is one page of its own.
bool PaintContent(QPagedPaintDevice& device, const ReportContent& content,
                  const DocumentData& document, int firstPage, int lastPage) {
  if (content.kind == ReportKind::Chart) {
    if (firstPage > 1 || (lastPage != 0 && lastPage < 1)) return true;
    return PaintChartReport(device, content,
                            BuildChartFigures(document.results, document.runConfiguration));
  }
  return PaintReport(device, content, firstPage, lastPage);
}

}  // namespace

bool CAlacrityView::PrintTo(QPagedPaintDevice& device, int firstPage, int lastPage) const {
  return PaintContent(device, CurrentReport(), m_context.data, firstPage, lastPage);
}

bool CAlacrityView::PrintTo(QPrinter& printer) const {
  const ReportContent content = CurrentReport();
  printer.setDocName(QString::fromStdString(content.title));
  const bool range = printer.printRange() == QPrinter::PageRange;
  return PaintContent(printer, content, m_context.data, range ? printer.fromPage() : 1,
                      range ? printer.toPage() : 0);
}

QPrinter& CAlacrityView::Printer() {
  if (!m_printer) {
    // Text and rules are laid out in 0.1 mm: the finest resolution the
    // printer offers keeps them where they belong. The painter's origin is
    // the top left corner of the printable area, where the pages start.
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The table where alacrity-cli's PDFs have it, rather than at the
    // printer's narrow default margins. The paper stays the printer's (a
    // letter-size printer keeps its paper); Print Setup may change both.
    QPageLayout layout = ReportPageLayout();
    layout.setPageSize(m_printer->pageLayout().pageSize());
    m_printer->setPageLayout(layout);
  }
  return *m_printer;
}

void CAlacrityView::OnFilePrint() {
  QPrinter& printer = Printer();
  printer.setPrintRange(QPrinter::AllPages);
  if (!RunPrintDialog(window(), printer, PageCount(static_cast<int>(m_list->Rows().size()))))
    return;
  (void)PrintTo(printer);
}

void CAlacrityView::OnFilePrintPreview() {
  QPrinter& printer = Printer();
  printer.setPrintRange(QPrinter::AllPages);
  // The bar would only stand over the preview; it comes back afterwards.
  m_host.ShowDialogBarVisible(0);
  RunPrintPreview(window(), printer, [this](QPrinter& target) { (void)PrintTo(target); });
  m_host.ShowDialogBarVisible(1);
}

void CAlacrityView::OnFilePrintSetup() { (void)RunPageSetupDialog(window(), Printer()); }

}  // namespace alacrity
