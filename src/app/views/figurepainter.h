// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Drawing primitives of the stimulus screen and the header block. Rectangles
// are given the way the stimulus geometry states them, (left, top, right,
// bottom) with right and bottom outside the shape, and painted so that
// exactly the pixels left..right-1 and top..bottom-1 are covered, outline
// included. QPainter's own drawRect(x, y, w, h) would cover one pixel more in
// each direction with a pen.

#include <QColor>
#include <QRect>
#include <QSize>

#include <cstdint>

#include "data/enums.h"
#include "engine/figure_geometry.h"
#include "results/header_block.h"

class QFont;
class QPainter;

namespace alacrity {

QColor ToQColor(Rgb rgb);
// The area a (left, top, right, bottom) rectangle covers.
QRect CoveredRect(const Rect& rect);

// A filled rectangle: 1-pixel outline in the painter's pen, inside in its brush.
void PaintRectangle(QPainter& painter, const Rect& rect);
// A filled ellipse inside the rectangle, same rules.
void PaintEllipse(QPainter& painter, const Rect& rect);

// One figure (ObjectKind 0..3) in `color`, with a 1-pixel pen and a solid
// brush of that colour; any other object draws nothing.
void PaintFigure(QPainter& painter, int32_t object, const FigureGeometry& geometry, QColor color);

// While it lives, the painter's coordinates are the device's own pixels, on
// a canvas of Size() pixels: the figures are placed by the geometry of the
// screen's device-pixel size and drawn pixel for pixel. Under a device pixel
// ratio other than 1 (desktop scaling, QT_SCALE_FACTOR, a 2x screen) Qt
// would otherwise stretch logical pixels, which puts edges between device
// pixels at 1.5 and scales the geometry's rounding along at 2.
class DevicePixelScope {
 public:
  DevicePixelScope(QPainter& painter, QSize logicalSize, qreal ratio);
  ~DevicePixelScope();
  DevicePixelScope(const DevicePixelScope&) = delete;
  DevicePixelScope& operator=(const DevicePixelScope&) = delete;

  QSize Size() const { return m_size; }

 private:
  QPainter& m_painter;
  QSize m_size;
};

// The device pixels of a logical size, rounded as Qt rounds a window's size.
QSize DevicePixelSize(QSize logicalSize, qreal ratio);

// The start prompt (SubjectStartPrompt: the lab's own for the interface
// language, else this text translated), on one line, centred in the client area.
void PaintStartPrompt(QPainter& painter, const QRect& client, const QFont& font);
inline constexpr const char* StartPromptText = "Press any button to start";

// The boxed header block in screen layout inside (left, top, right, bottom):
// the core's layout of it, painted as every report layout is.
void PaintHeaderBlock(QPainter& painter, const QFont& font, const Rect& box,
                      const HeaderBlockTexts& texts);

}  // namespace alacrity
