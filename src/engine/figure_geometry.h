// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the stimulus figures go in a client area of W x H pixels. All
// divisions are integer divisions; the size follows the height only.

#include <array>
#include <cstdint>

#include "data/records.h"

namespace alacrity {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const Rect&) const = default;
};

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct FigureGeometry {
  int cx = 0;  // W / 2
  int cy = 0;  // H / 2
  int r = 0;   // H / 2 - H / 8
  int t = 0;   // r / 3, half the width of a cross bar
  Rect box;                       // circle and square fill it
  Rect crossVertical;             // (cx - t, top, cx + t, bottom)
  Rect crossHorizontal;           // (left, cy - t, right, cy + t)
  std::array<Point, 3> triangle;  // (left, bottom), (right, bottom), (cx, top)
};

FigureGeometry ComputeFigureGeometry(int width, int height);

// The device check draws every held button's figure in one colour: the first
// set bit in the order 2 (square), 0 (circle), 3 (triangle), 1 (cross) picks
// it from the custom configuration. -1 for a nibble of 0.
int32_t ButtonCheckColor(int nibble, const TestConfiguration& configuration);

}  // namespace alacrity
