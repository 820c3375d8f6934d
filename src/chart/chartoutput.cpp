// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/chartoutput.h"

#include <QBuffer>
#include <QChart>
#include <QFont>
#include <QImage>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

#include "chart/charts.h"
#include "report/layoutpainter.h"
#include "results/report_layout.h"

namespace alacrity {
namespace {

// Under the header block, where the tables of the other reports begin, in
// 0.1 mm from the top of the printable area; the charts keep their shape
// across the table's width.
constexpr double PageChartTop = 480;
constexpr double PageChartGap = 80;
constexpr double PageWidth = 1800;

constexpr double CaptionHeight = 36;

}  // namespace

bool PaintChartReport(QPagedPaintDevice& device, const ReportContent& content,
                      const ChartFigures& figures) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QTransform paper = PaperTransform(device.logicalDpiX(), device.logicalDpiY());
  painter.setTransform(paper);
  PaintLayout(painter, PrintedPage(1, content.kind, content.rows, content.header, content.averageText),
              ReportFonts(), LayoutMapping::Paper);

  // The charts are drawn upright: y downwards again from the page's top.
  painter.scale(1, -1);
  const double scale = PageWidth / TimeCourseChartSize.width();
  const QRectF timeTarget(0, PageChartTop, PageWidth, TimeCourseChartSize.height() * scale);
  const QRectF boxTarget(0, timeTarget.bottom() + PageChartGap, PageWidth,
                         ShapeBoxChartSize.height() * scale);
  const auto timeChart = MakeTimeCourseChart(figures);
  PaintChart(painter, *timeChart, TimeCourseChartSize, timeTarget);
  const auto boxChart = MakeShapeBoxChart(figures);
  PaintChart(painter, *boxChart, ShapeBoxChartSize, boxTarget);
  return painter.end();
}

QByteArray ChartReportPdf(const ReportContent& content, const ChartFigures& figures) {
  return PdfOfPages(content.title,
                    [&](QPdfWriter& writer) { return PaintChartReport(writer, content, figures); });
}

QSizeF PlotSize() {
  return {TimeCourseChartSize.width(),
          CaptionHeight + TimeCourseChartSize.height() + ShapeBoxChartSize.height()};
}

void PaintPlot(QPainter& painter, const ChartFigures& figures, const QString& caption) {
  const QSizeF size = PlotSize();
  painter.save();
  painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(15);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QRectF(12, 0, size.width() - 24, CaptionHeight),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
  const QRectF timeTarget(QPointF(0, CaptionHeight), TimeCourseChartSize);
  const QRectF boxTarget(QPointF(0, timeTarget.bottom()), ShapeBoxChartSize);
  const auto timeChart = MakeTimeCourseChart(figures);
  PaintChart(painter, *timeChart, TimeCourseChartSize, timeTarget);
  const auto boxChart = MakeShapeBoxChart(figures);
  PaintChart(painter, *boxChart, ShapeBoxChartSize, boxTarget);
  painter.restore();
}

std::optional<PlotFormat> PlotFormatOfPath(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "png") return PlotFormat::Png;
  if (extension == "svg") return PlotFormat::Svg;
  if (extension == "pdf") return PlotFormat::Pdf;
  return std::nullopt;
}

QByteArray PlotBytes(const ChartFigures& figures, const QString& caption, PlotFormat format) {
  const QSizeF size = PlotSize();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  switch (format) {
    case PlotFormat::Png: {
      // Twice the pixels: sharp enough for a printed paper or a slide.
      QImage image((size * 2).toSize(), QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter;
      if (!painter.begin(&image)) return {};
      painter.setRenderHint(QPainter::Antialiasing);
      painter.scale(2, 2);
      PaintPlot(painter, figures, caption);
      painter.end();
      if (!image.save(&buffer, "PNG")) return {};
      break;
    }
    case PlotFormat::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&buffer);
      svg.setSize(size.toSize());
      svg.setViewBox(QRectF(QPointF(0, 0), size));
      svg.setTitle(caption);
      svg.setDescription(QStringLiteral("alacrity"));
      QPainter painter;
      if (!painter.begin(&svg)) return {};
      PaintPlot(painter, figures, caption);
      if (!painter.end()) return {};
      break;
    }
    case PlotFormat::Pdf: {
      QPdfWriter writer(&buffer);
      writer.setResolution(1200);
      // 1 pixel = 0.2 mm: the plot is 180 mm wide, the table's width.
      const QSizeF mm = size * 0.2;
      writer.setPageLayout(QPageLayout(QPageSize(mm, QPageSize::Millimeter), QPageLayout::Portrait,
                                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
      writer.setTitle(caption);
      writer.setCreator(QStringLiteral("alacrity"));
      QPainter painter;
      if (!painter.begin(&writer)) return {};
      const double scale = writer.width() / size.width();
      painter.scale(scale, scale);
      PaintPlot(painter, figures, caption);
      if (!painter.end()) return {};
      break;
    }
  }
  buffer.close();
  return bytes;
}

}  // namespace alacrity
