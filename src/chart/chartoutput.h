// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The charts on paper and in files: the printed chart page (the report's
// frame, title, page number and header block, then both charts), and the
// picture of alacrity-cli plot as PNG, SVG or PDF.

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <optional>
#include <string>

#include "report/reportprinter.h"
#include "results/chart_figures.h"

QT_BEGIN_NAMESPACE
class QPagedPaintDevice;
class QPainter;
QT_END_NAMESPACE

namespace alacrity {

// The chart page on the device, one page with a logical unit of 0.1 mm, as
// PaintReport paints the other reports (content.kind should be Chart). False
// when the device could not be painted on.
bool PaintChartReport(QPagedPaintDevice& device, const ReportContent& content,
                      const ChartFigures& figures);
// The chart page as a PDF on the report's page layout; empty on failure.
QByteArray ChartReportPdf(const ReportContent& content, const ChartFigures& figures);

// The plot: a caption line (subject and test time) over both charts, in
// pixels.
QSizeF PlotSize();
void PaintPlot(QPainter& painter, const ChartFigures& figures, const QString& caption);

enum class PlotFormat { Png, Svg, Pdf };
// By the file name's extension (.png, .svg, .pdf, any case); nothing for
// any other.
std::optional<PlotFormat> PlotFormatOfPath(const std::string& path);
// The plot as a file's bytes: a PNG at twice the plot's pixel size, an SVG
// and a one-page PDF of the plot's proportions; empty on failure.
QByteArray PlotBytes(const ChartFigures& figures, const QString& caption, PlotFormat format);

}  // namespace alacrity
