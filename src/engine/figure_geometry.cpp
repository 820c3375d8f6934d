// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figure_geometry.h"

namespace alacrity {

FigureGeometry ComputeFigureGeometry(int width, int height) {
  FigureGeometry g;
  g.cx = width / 2;
  g.cy = height / 2;
  // The size follows the height only, so a wider window does not stretch the
  // figures.
  g.r = height / 2 - height / 8;
  g.t = g.r / 3;
  g.box = {g.cx - g.r, g.cy - g.r, g.cx + g.r, g.cy + g.r};
  g.crossVertical = {g.cx - g.t, g.box.top, g.cx + g.t, g.box.bottom};
  g.crossHorizontal = {g.box.left, g.cy - g.t, g.box.right, g.cy + g.t};
  g.triangle = {Point{g.box.left, g.box.bottom}, Point{g.box.right, g.box.bottom},
                Point{g.cx, g.box.top}};
  return g;
}

int32_t ButtonCheckColor(int nibble, const TestConfiguration& configuration) {
  if ((nibble & 0x4) != 0) return configuration.squareColor;
  if ((nibble & 0x1) != 0) return configuration.circleColor;
  if ((nibble & 0x8) != 0) return configuration.triangleColor;
  if ((nibble & 0x2) != 0) return configuration.crossColor;
  return -1;
}

}  // namespace alacrity
