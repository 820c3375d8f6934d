#pragma once

// Drawing primitives of the stimulus screen and the header block. Rectangles
// are given the way the stimulus geometry states them, (left, top, right,
// bottom) with right and bottom outside the shape, and painted so that
// exactly the pixels left..right-1 and top..bottom-1 are covered, outline
// included. QPainter's own drawRect(x, y, w, h) would cover one pixel more in
// each direction with a pen.

#include <QColor>
#include <QRect>

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

// The start prompt, on one line, centred in the client area.
void PaintStartPrompt(QPainter& painter, const QRect& client, const QFont& font);
inline constexpr const char* StartPromptText = "Press any button to start";

// The boxed header block in screen layout inside (left, top, right, bottom):
// the core's layout of it, painted as every report layout is.
void PaintHeaderBlock(QPainter& painter, const QFont& font, const Rect& box,
                      const HeaderBlockTexts& texts);

}  // namespace alacrity
