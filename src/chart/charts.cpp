// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/charts.h"

#include <QBarCategoryAxis>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QCoreApplication>
#include <QFont>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QScatterSeries>
#include <QStringList>
#include <QValueAxis>

#include <array>
#include <cmath>

#include "data/enums.h"
#include "results/summary_statistics.h"

namespace alacrity {
namespace {

constexpr QRgb OtherShapeColor = 0x808080;

constexpr qreal PointSize = 9;
// A triangle covers half its square and a cross five ninths: a little
// larger, they weigh as much as a circle or a square.
constexpr qreal TrianglePointSize = 11;
constexpr qreal CrossPointSize = 13;

// The window shows the charts in the interface language; alacrity-report and
// alacrity-cli load no translator, so their pictures stay English.
QString ChartText(const char* english) { return QCoreApplication::translate("Chart", english); }

constexpr std::array<const char*, 4> ShapeNames = {
    QT_TRANSLATE_NOOP("Chart", "Circle"), QT_TRANSLATE_NOOP("Chart", "Cross"),
    QT_TRANSLATE_NOOP("Chart", "Square"), QT_TRANSLATE_NOOP("Chart", "Triangle")};
constexpr const char* OtherShapeName = QT_TRANSLATE_NOOP("Chart", "Other");

// The series keep their English names as object names, whatever the legend says.
[[maybe_unused]] constexpr const char* SeriesNames[] = {
    QT_TRANSLATE_NOOP("Chart", "False answer"), QT_TRANSLATE_NOOP("Chart", "Running median")};
constexpr qreal FalseRingSize = 17;

QFont ChartFont(int pixels, bool bold = false) {
  QFont font(QStringLiteral("Arial"));
  // Pixels, not points: the chart is laid out in pixels and scaled as a
  // whole, and a point size would follow each device's resolution instead.
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// A round step (1, 2 or 5 times a power of ten) that cuts `span` into at
// most about `parts` intervals.
double RoundStep(double span, int parts) {
  const double raw = std::max(span / parts, 1.0);
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double step : {1.0, 2.0, 5.0}) {
    if (step * power >= raw) return step * power;
  }
  return 10 * power;
}

std::unique_ptr<QChart> PlainChart(const QString& title) {
  auto chart = std::make_unique<QChart>();
  chart->setTitle(title);
  chart->setTitleFont(ChartFont(16, true));
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setBackgroundRoundness(0);
  chart->setDropShadowEnabled(false);
  chart->setBackgroundBrush(Qt::white);
  chart->setMargins(QMargins(8, 4, 8, 4));
  chart->legend()->setFont(ChartFont(13));
  chart->legend()->setAlignment(Qt::AlignBottom);
  return chart;
}

QValueAxis* TimeAxis(const ChartFigures& figures) {
  auto* axis = new QValueAxis;
  axis->setRange(0, figures.timeAxisTopMs);
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  axis->setTickInterval(RoundStep(figures.timeAxisTopMs, 6));
  axis->setLabelFormat(QStringLiteral("%d"));
  // Short, so that it is never cut on a low chart; the titles say what.
  axis->setTitleText(ChartText(QT_TRANSLATE_NOOP("Chart", "ms")));
  axis->setTitleFont(ChartFont(13));
  axis->setLabelsFont(ChartFont(12));
  return axis;
}

// The shape's colour halfway to white: the box stands out from its
// whiskers and median line without shouting.
QColor BoxFill(const QColor& color) {
  return QColor((color.red() + 255) / 2, (color.green() + 255) / 2, (color.blue() + 255) / 2);
}

// The edge of a point: dark for a light colour. Yellow and pure green are
// so light that an edge of their own hue hardly shows on the white chart.
QColor Outline(const QColor& fill) {
  // Relative luminance with the sRGB weights (without linearising).
  const double luminance = 0.2126 * fill.redF() + 0.7152 * fill.greenF() + 0.0722 * fill.blueF();
  return luminance > 0.5 ? QColor(0x33, 0x33, 0x33) : fill.darker(150);
}

// A cross has no marker of Qt's own: it is drawn as a picture, at four times
// its size so that it stays sharp on paper and at twice the pixels.
QImage CrossMarker(const QColor& fill, const QColor& outline) {
  constexpr int Scale = 4;
  constexpr int Side = static_cast<int>(CrossPointSize) * Scale;
  constexpr qreal Bar = Side * 0.36;
  constexpr qreal Edge = 1.5 * Scale;  // the pen of the other markers
  QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // The outline of a plus: the ends of its bars and the corners between them.
  constexpr qreal Out = Edge / 2;
  constexpr qreal In = (Side - Bar) / 2;
  constexpr qreal Far = Side - Out;
  constexpr qreal Near = Side - In;
  const QPolygonF plus({{In, Out}, {Near, Out}, {Near, In}, {Far, In}, {Far, Near}, {Near, Near},
                        {Near, Far}, {In, Far}, {In, Near}, {Out, Near}, {Out, In}, {In, In}});
  painter.setPen(QPen(outline, Edge, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(fill);
  painter.drawPolygon(plus);
  return image;
}

// Each shape's points in the form of its stimulus, so that shapes shown in
// the same colour still read apart.
void SetShapeMarker(QScatterSeries& series, int32_t shape, const QColor& fill,
                    const QColor& outline) {
  switch (shape) {
    case Code(ObjectKind::Square):
      series.setMarkerShape(QScatterSeries::MarkerShapeRectangle);
      break;
    case Code(ObjectKind::Triangle):
      series.setMarkerShape(QScatterSeries::MarkerShapeTriangle);
      series.setMarkerSize(TrianglePointSize);
      break;
    case Code(ObjectKind::Cross):
      series.setLightMarker(CrossMarker(fill, outline));
      series.setMarkerSize(CrossPointSize);
      break;
    default:
      break;
  }
}

// The English name of a shape's series.
const char* ShapeKey(int32_t shape) {
  return shape >= 0 && shape < 4 ? ShapeNames[static_cast<std::size_t>(shape)] : OtherShapeName;
}

QScatterSeries* Scatter(const char* name, const QColor& fill, const QPen& outline, qreal size) {
  auto* series = new QScatterSeries;
  series->setName(ChartText(name));
  series->setObjectName(QString::fromLatin1(name));
  series->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  series->setMarkerSize(size);
  series->setColor(fill);
  series->setBrush(fill.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(fill));
  series->setPen(outline);
  return series;
}

}  // namespace

QColor ShapeChartColor(const ChartFigures& figures, int32_t shape) {
  if (shape < 0 || shape >= static_cast<int32_t>(figures.shapeColors.size())) {
    return QColor::fromRgb(OtherShapeColor);
  }
  const Rgb rgb = StimulusColorRgb(figures.shapeColors[static_cast<std::size_t>(shape)]);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QString ShapeChartName(int32_t shape) {
  if (shape >= 0 && shape < 4) return ChartText(ShapeNames[static_cast<std::size_t>(shape)]);
  return ChartText(OtherShapeName);
}

std::unique_ptr<QChart> MakeTimeCourseChart(const ChartFigures& figures) {
  auto chart = PlainChart(ChartText(QT_TRANSLATE_NOOP("Chart", "Response time by stimulus")));

  auto* x = new QValueAxis;
  const double last = figures.stimulusCount + 1;
  x->setRange(0, last);
  x->setTickType(QValueAxis::TicksDynamic);
  x->setTickAnchor(0);
  x->setTickInterval(RoundStep(last, 10));
  x->setLabelFormat(QStringLiteral("%d"));
  x->setTitleText(ChartText(QT_TRANSLATE_NOOP("Chart", "Stimulus")));
  x->setTitleFont(ChartFont(13));
  x->setLabelsFont(ChartFont(12));
  QValueAxis* y = TimeAxis(figures);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);

  const auto attach = [&](QAbstractSeries* series) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
  };

  // A series per shape shown, in ObjectKind order, so the legend reads in
  // the order of the response box's buttons.
  for (int32_t shape = 0; shape <= OtherShape; ++shape) {
    QScatterSeries* series = nullptr;
    for (const ChartPoint& point : figures.points) {
      if (point.shape != shape) continue;
      if (series == nullptr) {
        const QColor color = ShapeChartColor(figures, shape);
        const QColor outline = Outline(color);
        series = Scatter(ShapeKey(shape), color, QPen(outline, 1.5), PointSize);
        SetShapeMarker(*series, shape, color, outline);
      }
      series->append(point.stimulus, point.timeMs);
    }
    if (series != nullptr) attach(series);
  }

  // A ring around each false answer, over its shape's point.
  QScatterSeries* rings = nullptr;
  for (const ChartPoint& point : figures.points) {
    if (point.correct) continue;
    if (rings == nullptr) {
      rings = Scatter(FalseAnswerSeriesName, QColor(0, 0, 0, 0),
                      QPen(Qt::black, 2), FalseRingSize);
    }
    rings->append(point.stimulus, point.timeMs);
  }
  if (rings != nullptr) attach(rings);

  if (!figures.runningMedian.empty()) {
    auto* line = new QLineSeries;
    line->setName(ChartText(RunningMedianSeriesName));
    line->setObjectName(QString::fromLatin1(RunningMedianSeriesName));
    line->setPen(QPen(QColor(0x33, 0x33, 0x33), 2));
    for (const MedianPoint& point : figures.runningMedian) line->append(point.stimulus, point.medianMs);
    attach(line);
  }
  return chart;
}

std::unique_ptr<QChart> MakeShapeBoxChart(const ChartFigures& figures) {
  auto chart = PlainChart(ChartText(QT_TRANSLATE_NOOP("Chart", "Correct response times per shape")));
  chart->legend()->hide();

  auto* categories = new QBarCategoryAxis;
  categories->setLabelsFont(ChartFont(13));
  QValueAxis* y = TimeAxis(figures);
  chart->addAxis(categories, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  if (figures.boxes.empty()) return chart;

  QStringList names;
  auto* boxes = new QBoxPlotSeries;
  boxes->setObjectName(QStringLiteral("Boxes"));
  boxes->setBoxWidth(0.5);
  auto* outliers = Scatter(QT_TRANSLATE_NOOP("Chart", "Outliers"), QColor(0, 0, 0, 0), QPen(Qt::black, 1.5), 8);
  for (std::size_t i = 0; i < figures.boxes.size(); ++i) {
    const ShapeBox& box = figures.boxes[i];
    const QString name =
        ChartText(QT_TRANSLATE_NOOP("Chart", "%1 (n = %2)")).arg(ShapeChartName(box.shape)).arg(box.count);
    names.append(name);
    auto* set = new QBoxSet(box.lowerWhisker, box.q1, box.median, box.q3, box.upperWhisker, name);
    set->setBrush(BoxFill(ShapeChartColor(figures, box.shape)));
    set->setPen(QPen(Qt::black, 1.5));
    boxes->append(set);
    for (const double t : box.outliers) outliers->append(static_cast<qreal>(i), t);
  }
  categories->append(names);
  chart->addSeries(boxes);
  boxes->attachAxis(categories);
  boxes->attachAxis(y);
  if (outliers->count() > 0) {
    chart->addSeries(outliers);
    outliers->attachAxis(categories);
    outliers->attachAxis(y);
  } else {
    delete outliers;
  }
  return chart;
}

void PaintChart(QPainter& painter, QChart& chart, QSizeF size, const QRectF& target) {
  QGraphicsScene scene;
  scene.setSceneRect(QRectF(QPointF(0, 0), size));
  scene.addItem(&chart);
  chart.setGeometry(scene.sceneRect());
  // The chart lays its parts out when the layout runs, normally from the
  // event loop; here it must be done before the picture is taken.
  if (chart.layout() != nullptr) chart.layout()->activate();
  scene.render(&painter, target, scene.sceneRect(), Qt::IgnoreAspectRatio);
  scene.removeItem(&chart);
}

}  // namespace alacrity
