// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The two charts of a test, built with Qt Charts from the core's figures:
// response time by stimulus number (points in each shape's stimulus colour
// and of its form, false answers ringed, the running median as a line) and
// the correct times of each shape as box plots. Both are laid out at a fixed size in pixels with fonts in
// pixels, and scaled as a whole wherever they are painted, so that screen,
// paper, PNG, SVG and PDF show the same picture.

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cstdint>
#include <memory>

#include "results/chart_figures.h"

QT_BEGIN_NAMESPACE
class QChart;
class QPainter;
QT_END_NAMESPACE

namespace alacrity {

// Sizes the charts are laid out at, in pixels.
inline constexpr QSizeF TimeCourseChartSize{900, 480};
inline constexpr QSizeF ShapeBoxChartSize{900, 400};

// The colour a shape was shown in during the test (black for a colour code
// that names none); grey for answers of no single button.
QColor ShapeChartColor(const ChartFigures& figures, int32_t shape);
// "Circle", "Cross", "Square", "Triangle", "Other", in the interface
// language where a translator is loaded.
QString ShapeChartName(int32_t shape);

// Object names of the chart's parts, for the tests and the window; the
// series' object names stay English whatever their shown names.
inline constexpr const char* FalseAnswerSeriesName = "False answer";
inline constexpr const char* RunningMedianSeriesName = "Running median";

std::unique_ptr<QChart> MakeTimeCourseChart(const ChartFigures& figures);
std::unique_ptr<QChart> MakeShapeBoxChart(const ChartFigures& figures);

// Lays the chart out at `size` and paints it scaled into `target` of the
// painter's (y downwards) coordinates. The chart is left as it was.
void PaintChart(QPainter& painter, QChart& chart, QSizeF size, const QRectF& target);

}  // namespace alacrity
