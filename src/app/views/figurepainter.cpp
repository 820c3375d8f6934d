// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/figurepainter.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <QTransform>

#include "dialogs/subjecttexts.h"
#include "report/layoutpainter.h"
#include "results/report_layout.h"

namespace alacrity {
namespace {

// An aliased 1-pixel pen covers x..x+w of drawRect(x, y, w, h), the brush the
// inside: a rectangle one pixel narrower than the covered area.
QRect OutlineRect(const Rect& rect) {
  return {rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1};
}

}  // namespace

QColor ToQColor(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

QRect CoveredRect(const Rect& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void PaintRectangle(QPainter& painter, const Rect& rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  painter.drawRect(OutlineRect(rect));
}

void PaintEllipse(QPainter& painter, const Rect& rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  painter.drawEllipse(OutlineRect(rect));
}

void PaintFigure(QPainter& painter, int32_t object, const FigureGeometry& geometry, QColor color) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(color, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(QBrush(color, Qt::SolidPattern));
  switch (static_cast<ObjectKind>(object)) {
    case ObjectKind::Circle:
      PaintEllipse(painter, geometry.box);
      break;
    case ObjectKind::Cross:
      PaintRectangle(painter, geometry.crossVertical);
      PaintRectangle(painter, geometry.crossHorizontal);
      break;
    case ObjectKind::Square:
      PaintRectangle(painter, geometry.box);
      break;
    case ObjectKind::Triangle: {
      QPolygon triangle;
      for (const Point& corner : geometry.triangle) triangle << QPoint(corner.x, corner.y);
      painter.drawPolygon(triangle);
      // The outline runs through every corner; Qt's rasteriser leaves out
      // the last pixel of some edges, which here would be a corner.
      painter.drawPoints(triangle);
      break;
    }
    case ObjectKind::None:
      break;
  }
  painter.restore();
}

QSize DevicePixelSize(QSize logicalSize, qreal ratio) {
  return {qRound(logicalSize.width() * ratio), qRound(logicalSize.height() * ratio)};
}

DevicePixelScope::DevicePixelScope(QPainter& painter, QSize logicalSize, qreal ratio)
    : m_painter(painter), m_size(DevicePixelSize(logicalSize, ratio)) {
  m_painter.save();
  // Qt multiplies the world transform by the device's ratio; the product is
  // 1 to within rounding, which Qt treats as no scaling at all, so aliased
  // edges land on whole device pixels.
  if (ratio > 0 && ratio != 1) m_painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
}

DevicePixelScope::~DevicePixelScope() { m_painter.restore(); }

void PaintStartPrompt(QPainter& painter, const QRect& client, const QFont& font) {
  painter.save();
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(client, Qt::AlignCenter | Qt::TextSingleLine, SubjectStartPrompt());
  painter.restore();
}

void PaintHeaderBlock(QPainter& painter, const QFont& font, const Rect& box,
                      const HeaderBlockTexts& texts) {
  LayoutFonts fonts = ReportFonts();
  fonts.normal12 = font;
  PaintLayout(painter, ScreenHeaderBlock(texts, {box.left, box.top, box.right, box.bottom}), fonts,
              LayoutMapping::Screen);
}

}  // namespace alacrity
