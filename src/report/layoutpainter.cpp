// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/layoutpainter.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>

#include "data/text_encoding.h"
#include "report/reporttexts.h"

namespace alacrity {
namespace {

QFont ArialFont(int logicalHeight, QFont::Weight weight) {
  QFont font(QStringLiteral("Arial"));
  // A pixel size is a size in the painter's logical units; a point size would
  // be converted with the device's resolution and come out several times too
  // large on paper, where the world transform scales once more.
  font.setPixelSize(logicalHeight);
  font.setWeight(weight);
  return font;
}

Qt::Alignment AlignmentOf(TextAlign align) {
  switch (align) {
    case TextAlign::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case TextAlign::Center: return Qt::AlignCenter;
    case TextAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// How a text is set in its paper rectangle.
struct PaperFit {
  QFont font;
  int flags = Qt::TextSingleLine;
};

// On paper a cell is fixed at its tenth of a millimetre; a text wider than
// its cell (the statistics labels in the 18 mm number column) would lose its
// start to the clip and "Correct responses:" and "False responses:" would
// both read "responses:". Such a text is broken at a space onto two lines
// when that fits at no less than 80 % of its size, which the 8 mm rows
// allow and which still reads as the table's text. Failing that it is set
// on one line smaller until it fits, down to half its size; below that it
// is clipped as before. A text set this way keeps 1 mm from its
// rectangle's left edge, which in the table is a column rule.
PaperFit FitOnPaper(const QFont& font, const QString& text, double cellWidth, double height,
                    Qt::Alignment align) {
  const double needed = QFontMetricsF(font).horizontalAdvance(text);
  if (needed <= cellWidth || needed <= 0) return {font, Qt::TextSingleLine};

  const double width = std::max(1.0, cellWidth - 10);
  const int full = font.pixelSize();
  if (text.contains(QLatin1Char(' '))) {
    const int wrap = static_cast<int>(align) | Qt::TextWordWrap;
    for (int size = full; size * 5 >= full * 4; --size) {
      QFont smaller = font;
      smaller.setPixelSize(size);
      const QFontMetricsF metrics(smaller);
      const QRectF used = metrics.boundingRect(QRectF(0, 0, width, 1e6), wrap, text);
      if (used.width() <= width && used.height() <= height &&
          used.height() <= 2 * metrics.lineSpacing() + 0.5) {
        return {smaller, Qt::TextWordWrap};
      }
    }
  }
  QFont smaller = font;
  const double scale = std::max(0.5, width / needed);
  smaller.setPixelSize(std::max(1, static_cast<int>(full * scale)));
  return {smaller, Qt::TextSingleLine};
}

// Subject names are stored as bytes; older files hold 8-bit code pages.
QString DisplayText(const std::string& text) {
  return LocalizedReportText(QString::fromStdString(ToDisplayUtf8(text)));
}

void PaintScreen(QPainter& painter, const Layout& layout, const LayoutFonts& fonts) {
  for (const LayoutRect& box : layout.boxes) {
    if (box.right <= box.left || box.bottom <= box.top) continue;
    // An aliased 1-pixel pen covers x..x+w of drawRect(x, y, w, h).
    painter.drawRect(box.left, box.top, box.right - box.left - 1, box.bottom - box.top - 1);
  }
  for (const LayoutLine& line : layout.lines) painter.drawLine(line.x1, line.y1, line.x2, line.y2);
  for (const LayoutText& text : layout.texts) {
    const QRect rect(text.rect.left, text.rect.top, text.rect.right - text.rect.left,
                     text.rect.bottom - text.rect.top);
    if (rect.isEmpty()) continue;
    painter.setFont(fonts.Of(text.font));
    painter.setPen(text.marked ? Qt::red : Qt::black);
    // drawText clips to the rectangle unless told otherwise.
    painter.drawText(rect, static_cast<int>(AlignmentOf(text.align)) | Qt::TextSingleLine,
                     DisplayText(text.text));
  }
}

void PaintPaper(QPainter& painter, const Layout& layout, const LayoutFonts& fonts) {
  for (const LayoutRect& box : layout.boxes) {
    painter.drawRect(
        QRectF(QPointF(box.left, box.top), QPointF(box.right, box.bottom)).normalized());
  }
  for (const LayoutLine& line : layout.lines) {
    painter.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
  }
  for (const LayoutText& text : layout.texts) {
    // The page's y grows upwards, so glyphs drawn straight into it would be
    // mirrored. From the rectangle's top left corner the y axis is turned
    // downwards again and the text laid out as on screen.
    const double width = text.rect.right - text.rect.left;
    const double height = text.rect.top - text.rect.bottom;
    if (width <= 0 || height <= 0) continue;
    const QString shown = DisplayText(text.text);
    painter.save();
    painter.translate(text.rect.left, text.rect.top);
    painter.scale(1, -1);
    const Qt::Alignment align = AlignmentOf(text.align);
    const PaperFit fit = FitOnPaper(fonts.Of(text.font), shown, width, height, align);
    painter.setFont(fit.font);
    if (text.marked) painter.setPen(QPen(Qt::red, 1));
    painter.drawText(QRectF(0, 0, width, height), static_cast<int>(align) | fit.flags, shown);
    painter.restore();
  }
}

}  // namespace

const QFont& LayoutFonts::Of(ReportFont font) const {
  switch (font) {
    case ReportFont::Normal12: return normal12;
    case ReportFont::Bold24: return bold24;
    case ReportFont::Bold30: return bold30;
    case ReportFont::Bold25: return bold25;
    case ReportFont::Normal30: return normal30;
  }
  return normal12;
}

LayoutFonts ReportFonts() {
  return {ArialFont(12, QFont::Normal), ArialFont(24, QFont::Bold), ArialFont(30, QFont::Bold),
          ArialFont(25, QFont::Bold), ArialFont(30, QFont::Normal)};
}

void PaintLayout(QPainter& painter, const Layout& layout, const LayoutFonts& fonts,
                 LayoutMapping mapping) {
  painter.save();
  // Width 1 in logical units: one pixel on screen, 0.1 mm on paper.
  painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::white);
  painter.setBackgroundMode(Qt::TransparentMode);
  if (mapping == LayoutMapping::Screen) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintScreen(painter, layout, fonts);
  } else {
    PaintPaper(painter, layout, fonts);
  }
  painter.restore();
}

QTransform PaperTransform(double dotsPerInchX, double dotsPerInchY) {
  // 254 tenths of a millimetre to the inch.
  return {dotsPerInchX / 254.0, 0, 0, -dotsPerInchY / 254.0, 0, 0};
}

}  // namespace alacrity
