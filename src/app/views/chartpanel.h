// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Chart view: the test's two charts one above the other, drawn by the
// chart library from the core's figures, as the chart page prints them.

#include <QWidget>

#include "results/chart_figures.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace alacrity {

class ChartPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ChartPanel(QWidget* parent = nullptr);

  // Replaces both charts with those of the figures.
  void Show(const ChartFigures& figures);
  QChartView& TimeCourseView() const { return *m_timeCourse; }
  QChartView& ShapeBoxView() const { return *m_shapeBoxes; }

 private:
  QChartView* m_timeCourse = nullptr;
  QChartView* m_shapeBoxes = nullptr;
};

}  // namespace alacrity
