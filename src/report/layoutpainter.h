// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Paints the report layouts of results/report_layout.h with QPainter. The
// header block and the result page on screen, and every printed page on a
// printer, in the print preview and in a PDF, all go through PaintLayout, so
// a report cannot look one way on screen and another on paper.

#include <QFont>
#include <QTransform>

#include "results/report_layout.h"

class QPainter;

namespace alacrity {

// The reports' five Arial fonts, heights in logical units: pixels on screen,
// 0.1 mm on paper.
struct LayoutFonts {
  QFont normal12;
  QFont bold24;
  QFont bold30;
  QFont bold25;
  QFont normal30;

  const QFont& Of(ReportFont font) const;
};
LayoutFonts ReportFonts();

enum class LayoutMapping {
  // Pixels, y downwards, no transform: a box covers the pixels left..right-1
  // and top..bottom-1, outline included, like the stimulus figures.
  Screen,
  // 0.1 mm, y upwards: the painter already carries PaperTransform. Texts are
  // turned upright again where they are drawn.
  Paper,
};

// Boxes (black 1-unit outline, white inside), lines (black, 1 unit) and
// texts (black, or red when marked; one line, vertically centred and
// clipped to their rectangles). The painter's state is restored afterwards.
void PaintLayout(QPainter& painter, const Layout& layout, const LayoutFonts& fonts,
                 LayoutMapping mapping);

// One logical unit = 0.1 mm with y growing upwards from the painter's origin,
// on a device of the given resolution.
QTransform PaperTransform(double dotsPerInchX, double dotsPerInchY);

}  // namespace alacrity
