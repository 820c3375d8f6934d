// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/reportprinter.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "report/layoutpainter.h"
#include "results/report_pages.h"
#include "results/timing_layout.h"

namespace alacrity {
namespace {

// Below the result report's average line (which ends at -720 on page 1).
constexpr int TimingBlockTop = -800;

}  // namespace

int ReportPageCount(const ReportContent& content) {
  return PageCount(static_cast<int>(content.rows.size()));
}

bool PaintReport(QPagedPaintDevice& device, const ReportContent& content, int firstPage,
                 int lastPage) {
  const int pages = ReportPageCount(content);
  const int first = std::max(firstPage, 1);
  const int last = lastPage <= 0 ? pages : std::min(lastPage, pages);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // The painter's origin is the top left corner of the printable area; the
  // pages are laid out from there.
  const QTransform paper = PaperTransform(device.logicalDpiX(), device.logicalDpiY());
  const LayoutFonts fonts = ReportFonts();
  for (int page = first; page <= last; ++page) {
    if (page != first && !device.newPage()) return false;
    painter.setTransform(paper);
    PaintLayout(painter,
                PrintedPage(page, content.kind, content.rows, content.header, content.averageText),
                fonts, LayoutMapping::Paper);
    if (page == 1 && content.kind == ReportKind::Result && !content.timing.empty()) {
      PaintLayout(painter, PaperTimingBlock(content.timing, TimingBlockTop), fonts,
                  LayoutMapping::Paper);
    }
  }
  return painter.end();
}

QMarginsF ReportMarginsMm() { return {15, 15, 15, 15}; }

QPageLayout ReportPageLayout() {
  return {QPageSize(QPageSize::A4), QPageLayout::Portrait, ReportMarginsMm(),
          QPageLayout::Millimeter};
}

QByteArray PdfOfPages(const std::string& title, const std::function<bool(QPdfWriter&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageLayout(ReportPageLayout());
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("alacrity"));
    if (!paint(writer)) return {};
  }
  buffer.close();
  return bytes;
}

QByteArray ReportPdf(const ReportContent& content) {
  return PdfOfPages(content.title, [&](QPdfWriter& writer) { return PaintReport(writer, content); });
}

}  // namespace alacrity
