// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "views/chartpanel.h"

#include <QChart>
#include <QChartView>
#include <QVBoxLayout>

#include <memory>

#include "chart/charts.h"

namespace alacrity {
namespace {

QChartView* NewChartView(QWidget* parent, const QString& name) {
  auto* view = new QChartView(parent);
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  view->setFrameShape(QFrame::NoFrame);
  // White round the charts, as on the printed page.
  view->setBackgroundBrush(Qt::white);
  return view;
}

// The view takes the new chart and lets the old one go; nobody else holds it.
void Replace(QChartView& view, std::unique_ptr<QChart> chart) {
  QChart* old = view.chart();
  view.setChart(chart.release());
  delete old;
}

}  // namespace

ChartPanel::ChartPanel(QWidget* parent)
    : QWidget(parent),
      m_timeCourse(NewChartView(this, QStringLiteral("timeCourseChart"))),
      m_shapeBoxes(NewChartView(this, QStringLiteral("shapeBoxChart"))) {
  setObjectName(QStringLiteral("chartPanel"));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // In the proportions of the printed page.
  layout->addWidget(m_timeCourse, static_cast<int>(TimeCourseChartSize.height()));
  layout->addWidget(m_shapeBoxes, static_cast<int>(ShapeBoxChartSize.height()));
}

void ChartPanel::Show(const ChartFigures& figures) {
  Replace(*m_timeCourse, MakeTimeCourseChart(figures));
  Replace(*m_shapeBoxes, MakeShapeBoxChart(figures));
}

}  // namespace alacrity
