// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The charts as rendered: a point of a known stimulus sits where its number
// and time put it on the axes in its shape's stimulus colour, a false answer
// is ringed, a box's median line stands at the median; and the picture
// formats of the plot. Places are worked out from the plot area and the axis
// ranges, not from golden images.

#include <QApplication>
#include <QChart>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cstddef>
#include <cstdlib>

#include "chart/chartoutput.h"
#include "chart/charts.h"
#include "data/enums.h"
#include "results/chart_figures.h"

namespace alacrity::test {
namespace {

// Stimulus j shows shape (j - 1) % 4 and is answered in 300 ms with its own
// button; the exceptions are set by the caller.
TestResults Results(int count) {
  TestResults results;
  results.responseCount = count;
  for (int j = 1; j <= count; ++j) {
    const auto i = static_cast<std::size_t>(j);
    results.objectIndex[i] = (j - 1) % 4;
    results.buttonIndex[i] = (j - 1) % 4;
    results.generationMs[i] = 1000;
    results.responseMs[i] = 300;
  }
  return results;
}

// Square red, circle green, triangle blue, cross yellow: what a program
// started without a configuration file shows.
TestConfiguration Colours() {
  TestConfiguration configuration;
  configuration.squareColor = Code(StimulusColor::Red);
  configuration.circleColor = Code(StimulusColor::Green);
  configuration.triangleColor = Code(StimulusColor::Blue);
  configuration.crossColor = Code(StimulusColor::Yellow);
  return configuration;
}

struct Rendered {
  QImage image;
  QRectF plotArea;
};

Rendered Render(QChart& chart, QSizeF size) {
  QImage image(size.toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintChart(painter, chart, size, QRectF(QPointF(0, 0), size));
  painter.end();
  return {image, chart.plotArea()};
}

bool Near(QRgb pixel, const QColor& color, int tolerance = 40) {
  return std::abs(qRed(pixel) - color.red()) <= tolerance &&
         std::abs(qGreen(pixel) - color.green()) <= tolerance &&
         std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

QRgb At(const QImage& image, QPointF place) { return image.pixel(place.toPoint()); }

}  // namespace

class ChartRenderTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void pointsSitAtTheirStimulusAndTime() {
    // Twenty stimuli at 300 ms; stimulus 5 (a circle) at 700 ms, stimulus 10
    // (a cross) answered falsely at 600 ms. The running median stays at
    // 300 ms, far from both.
    TestResults results = Results(20);
    results.responseMs[5] = 700;
    results.responseMs[10] = 600;
    results.buttonIndex[10] = 3;
    const ChartFigures figures = BuildChartFigures(results, Colours());
    QCOMPARE(figures.timeAxisTopMs, 800.0);
    const auto chart = MakeTimeCourseChart(figures);
    const Rendered r = Render(*chart, TimeCourseChartSize);
    QVERIFY(r.plotArea.width() > 300 && r.plotArea.height() > 200);

    const auto place = [&](double stimulus, double ms) {
      return QPointF(r.plotArea.left() + stimulus / 21.0 * r.plotArea.width(),
                     r.plotArea.bottom() - ms / 800.0 * r.plotArea.height());
    };
    QVERIFY(Near(At(r.image, place(5, 700)), ShapeChartColor(figures, 0)));
    QVERIFY(Near(At(r.image, place(10, 600)), ShapeChartColor(figures, 1)));
    // Nothing where no answer was.
    QVERIFY(!Near(At(r.image, place(5, 500)), ShapeChartColor(figures, 0)));
    QVERIFY(!Near(At(r.image, place(6, 700)), ShapeChartColor(figures, 1)));
    // The false answer's ring, its radius out from the point: dark ink.
    // The false answer's ring, a little beyond the point's own edge.
    const auto darkest = [&](QPointF centre) {
      int gray = 255;
      for (int d = 7; d <= 12; ++d) gray = std::min(gray, qGray(At(r.image, centre + QPointF(0, -d))));
      return gray;
    };
    QVERIFY(darkest(place(10, 600)) < 100);
    QVERIFY(darkest(place(5, 700)) > 150);
  }

  void shapesWearTheColoursTheSubjectSaw() {
    // Stimuli 1 to 4 (circle, cross, square, triangle) well away from the
    // running median, which stays near 300 ms; the circles at 200, 400 and
    // 500 ms make a box from 300 to 450 ms.
    TestResults results = Results(12);
    const int times[] = {200, 600, 700, 100};
    for (int j = 1; j <= 4; ++j) results.responseMs[static_cast<std::size_t>(j)] = times[j - 1];
    results.responseMs[5] = 400;
    results.responseMs[9] = 500;
    TestConfiguration configuration = Colours();
    configuration.circleColor = Code(StimulusColor::Blue);  // as the triangle
    const ChartFigures figures = BuildChartFigures(results, configuration);
    QCOMPARE(figures.timeAxisTopMs, 800.0);
    const auto time = MakeTimeCourseChart(figures);
    const Rendered r = Render(*time, TimeCourseChartSize);
    const auto place = [&](int stimulus) {
      return QPointF(r.plotArea.left() + stimulus / 13.0 * r.plotArea.width(),
                     r.plotArea.bottom() - times[stimulus - 1] / 800.0 * r.plotArea.height());
    };
    const QColor colours[] = {Qt::blue, Qt::yellow, Qt::red, Qt::blue};
    for (int j = 1; j <= 4; ++j) {
      QVERIFY2(Near(At(r.image, place(j)), colours[j - 1], 30), qPrintable(QString::number(j)));
    }
    // Yellow on white keeps a dark edge: along the cross's bar, just beyond
    // its end.
    int darkest = 255;
    for (int d = 4; d <= 8; ++d) {
      darkest = std::min(darkest, qGray(At(r.image, place(2) + QPointF(d, 0))));
    }
    QVERIFY2(darkest < 100, "the yellow cross has no dark edge");

    // The circle's box: blue halfway to white.
    const auto boxes = MakeShapeBoxChart(figures);
    const Rendered b = Render(*boxes, ShapeBoxChartSize);
    const QPointF inBox(b.plotArea.left() + 0.5 / 4 * b.plotArea.width(),
                        b.plotArea.bottom() - 350 / 800.0 * b.plotArea.height());
    QVERIFY(Near(At(b.image, inBox), QColor(127, 127, 255), 30));
  }

  void boxMedianStandsAtTheShapesMedian() {
    // Circles at 300 ms and crosses spread 400 .. 800 ms (median 600 ms).
    TestResults results = Results(8);
    const int crossTimes[] = {400, 600, 800};
    results.responseCount = 8;
    results.responseMs[2] = crossTimes[0];
    results.responseMs[6] = crossTimes[1];
    results.objectIndex[7] = 1;
    results.buttonIndex[7] = 1;
    results.responseMs[7] = crossTimes[2];
    const ChartFigures figures = BuildChartFigures(results, Colours());
    QCOMPARE(figures.boxes.size(), std::size_t{4});
    QCOMPARE(figures.boxes[1].median, 600.0);
    QCOMPARE(figures.timeAxisTopMs, 1000.0);
    const auto chart = MakeShapeBoxChart(figures);
    const Rendered r = Render(*chart, ShapeBoxChartSize);

    // The cross is the second of four categories.
    const double x = r.plotArea.left() + 1.5 / 4 * r.plotArea.width();
    const auto y = [&](double ms) { return r.plotArea.bottom() - ms / 1000.0 * r.plotArea.height(); };
    int darkRow = -1;
    for (int row = static_cast<int>(y(600)) - 3; row <= static_cast<int>(y(600)) + 3; ++row) {
      if (qGray(r.image.pixel(static_cast<int>(x), row)) < 100) darkRow = row;
    }
    QVERIFY2(darkRow >= 0, "no median line at 600 ms");
    // Inside the box between Q1 (500 ms) and the median: the shape's fill,
    // not white.
    QVERIFY(!Near(At(r.image, QPointF(x, y(550))), Qt::white, 10));
    // Above the upper whisker: background.
    QVERIFY(qGray(At(r.image, QPointF(x, y(900)))) > 235);
  }

  void plotFormatsFollowTheExtension() {
    QCOMPARE(PlotFormatOfPath("a/b.PNG"), std::optional(PlotFormat::Png));
    QCOMPARE(PlotFormatOfPath("b.svg"), std::optional(PlotFormat::Svg));
    QCOMPARE(PlotFormatOfPath("b.pdf"), std::optional(PlotFormat::Pdf));
    QVERIFY(!PlotFormatOfPath("b.jpg"));
    QVERIFY(!PlotFormatOfPath("dir.png/b"));

    const ChartFigures figures = BuildChartFigures(Results(12), Colours());
    const QByteArray png = PlotBytes(figures, QStringLiteral("Name: Ada"), PlotFormat::Png);
    QVERIFY(png.startsWith("\x89PNG"));
    const QImage image = QImage::fromData(png, "PNG");
    QCOMPARE(image.size(), (PlotSize() * 2).toSize());
    QVERIFY(PlotBytes(figures, {}, PlotFormat::Svg).contains("<svg"));
    QVERIFY(PlotBytes(figures, {}, PlotFormat::Pdf).startsWith("%PDF-"));
    // A test without answers still draws its (empty) axes.
    QVERIFY(!PlotBytes(BuildChartFigures(TestResults{}, Colours()), {}, PlotFormat::Png).isEmpty());
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::ChartRenderTest)
#include "chart_render_test.moc"
