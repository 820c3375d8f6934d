// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/figure_geometry.h"

#include <gtest/gtest.h>

namespace alacrity {
namespace {

TEST(FigureGeometryTest, FiguresFollowTheHeight) {
  const FigureGeometry g = ComputeFigureGeometry(800, 600);
  EXPECT_EQ(g.box, (Rect{175, 75, 625, 525}));
  EXPECT_EQ(g.crossVertical, (Rect{325, 75, 475, 525}));
  EXPECT_EQ(g.crossHorizontal, (Rect{175, 225, 625, 375}));
  EXPECT_EQ(g.triangle, (std::array{Point{175, 525}, Point{625, 525}, Point{400, 75}}));

  const FigureGeometry big = ComputeFigureGeometry(1024, 768);
  EXPECT_EQ((std::array{big.cx, big.cy, big.r, big.t}), (std::array{512, 384, 288, 96}));
  EXPECT_EQ(big.box, (Rect{224, 96, 800, 672}));
  // Wider, same height: same size, moved.
  const FigureGeometry wide = ComputeFigureGeometry(1600, 768);
  EXPECT_EQ(wide.box.right - wide.box.left, big.box.right - big.box.left);
}

TEST(FigureGeometryTest, ButtonCheckColourGoesBySquareCircleTriangleCross) {
  const TestConfiguration c{.squareColor = 10, .circleColor = 11, .triangleColor = 12,
                            .crossColor = 13};
  EXPECT_EQ(ButtonCheckColor(0x5, c), 10);  // buttons 1 and 3: the square's
  EXPECT_EQ(ButtonCheckColor(0xB, c), 11);
  EXPECT_EQ(ButtonCheckColor(0xA, c), 12);
  EXPECT_EQ(ButtonCheckColor(0x2, c), 13);
  EXPECT_EQ(ButtonCheckColor(0x0, c), -1);
}

}  // namespace
}  // namespace alacrity
