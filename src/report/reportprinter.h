// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printed reports: every page of a report painted on a paged device (a
// printer, the print preview's printer, a PDF writer) through PaintLayout,
// with one logical unit 0.1 mm and y growing upwards from the top left corner
// of the printable area.

#include <QByteArray>
#include <QMarginsF>
#include <QPageLayout>

class QPdfWriter;

#include <functional>
#include <string>
#include <vector>

#include "results/header_block.h"
#include "results/report_layout.h"
#include "results/result_rows.h"
#include "results/timing_report.h"

class QPagedPaintDevice;

namespace alacrity {

// What a report shows: the rows of the list it prints, the header block of
// the first page and, for the result report, the average line.
struct ReportContent {
  ReportKind kind = ReportKind::None;
  std::vector<ResultRow> rows;
  HeaderBlockTexts header;
  std::string averageText;
  // The timing report of the test, under the average line of the result
  // report's first page; empty: none.
  std::vector<TimingLine> timing;
  // The document name printers and PDF readers show.
  std::string title = "alacrity";
};

int ReportPageCount(const ReportContent& content);

// Paints pages firstPage..lastPage (from 1; 0 for lastPage means to the last
// page) on the device, each on a sheet of its own; pages outside the report
// are left out. False when the device could not be painted on.
bool PaintReport(QPagedPaintDevice& device, const ReportContent& content, int firstPage = 1,
                 int lastPage = 0);

// The margins of every printed report, printer and PDF alike: 15 mm, which
// centre the 180 mm table on A4 paper.
QMarginsF ReportMarginsMm();
// A4 portrait with those margins: the PDF's page; the window's printer takes
// it on its own paper.
QPageLayout ReportPageLayout();

// The whole report as a PDF on the report's page layout; empty when it could
// not be made.
QByteArray ReportPdf(const ReportContent& content);

// A PDF in memory on the report's page layout, titled `title`, of the pages
// `paint` paints; empty when painting fails.
QByteArray PdfOfPages(const std::string& title, const std::function<bool(QPdfWriter&)>& paint);

}  // namespace alacrity
