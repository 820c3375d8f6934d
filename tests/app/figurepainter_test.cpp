// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The stimulus figures, the start prompt and the header block, painted into
// images and checked pixel by pixel: a figure must cover exactly the pixels
// of its (left, top, right, bottom) rectangles, no more and no less.

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "apptestsupport.h"
#include "data/enums.h"
#include "engine/figure_geometry.h"
#include "views/figurepainter.h"

namespace alacrity::test {
namespace {

const QColor Figure(255, 0, 0);
const QColor Background(0, 0, 255);

QImage Paint(int width, int height, int32_t object) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Background);
  QPainter painter(&image);
  PaintFigure(painter, object, ComputeFigureGeometry(width, height), Figure);
  return image;
}

// Lists every pixel that is not as expected, so a failure says where.
struct PixelCheck {
  const QImage& image;
  QStringList failures;

  void Expect(int x, int y, QColor expected) {
    const QColor actual = image.pixelColor(x, y);
    if (actual != expected) {
      failures.append(QStringLiteral("(%1, %2) is %3, expected %4")
                          .arg(x)
                          .arg(y)
                          .arg(Describe(actual), Describe(expected)));
    }
  }
  // The rectangle covers x = left..right-1 and y = top..bottom-1: its four
  // edges inside, the pixels just outside not.
  void ExpectCovered(const Rect& r, QColor inside, QColor outside) {
    const int midX = (r.left + r.right) / 2;
    const int midY = (r.top + r.bottom) / 2;
    Expect(r.left, midY, inside);
    Expect(r.right - 1, midY, inside);
    Expect(midX, r.top, inside);
    Expect(midX, r.bottom - 1, inside);
    Expect(r.left, r.top, inside);
    Expect(r.right - 1, r.bottom - 1, inside);
    Expect(r.left - 1, midY, outside);
    Expect(r.right, midY, outside);
    Expect(midX, r.top - 1, outside);
    Expect(midX, r.bottom, outside);
  }
};

int CountColor(const QImage& image, QColor color) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == color ? 1 : 0;
  }
  return count;
}

// The bounding box of every pixel darker than mid grey.
QRect InkBounds(const QImage& image, const QRect& within) {
  QRect bounds;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

}  // namespace

class FigurePainterTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void squareCoversExactlyTheBoxAt800x600() {
    const QImage image = Paint(800, 600, Code(ObjectKind::Square));
    PixelCheck check{image, {}};
    check.ExpectCovered({175, 75, 625, 525}, Figure, Background);
    QVERIFY2(check.failures.isEmpty(), qPrintable(check.failures.join(QLatin1Char('\n'))));
    QCOMPARE(CountColor(image, Figure), 450 * 450);
  }

  void squareAt1024x768() {
    const QImage image = Paint(1024, 768, Code(ObjectKind::Square));
    PixelCheck check{image, {}};
    check.ExpectCovered({224, 96, 800, 672}, Figure, Background);
    QVERIFY2(check.failures.isEmpty(), qPrintable(check.failures.join(QLatin1Char('\n'))));
    QCOMPARE(CountColor(image, Figure), 576 * 576);
  }

  void crossIsTwoBarsOfExactWidth() {
    const QImage image = Paint(800, 600, Code(ObjectKind::Cross));
    PixelCheck check{image, {}};
    // Vertical bar (325, 75, 475, 525), horizontal bar (175, 225, 625, 375).
    check.Expect(325, 100, Figure);
    check.Expect(324, 100, Background);
    check.Expect(474, 100, Figure);
    check.Expect(475, 100, Background);
    check.Expect(400, 75, Figure);
    check.Expect(400, 74, Background);
    check.Expect(400, 524, Figure);
    check.Expect(400, 525, Background);
    check.Expect(175, 300, Figure);
    check.Expect(174, 300, Background);
    check.Expect(624, 300, Figure);
    check.Expect(625, 300, Background);
    check.Expect(200, 225, Figure);
    check.Expect(200, 224, Background);
    check.Expect(200, 374, Figure);
    check.Expect(200, 375, Background);
    // The box's corners are outside the cross.
    check.Expect(175, 75, Background);
    check.Expect(624, 524, Background);
    QVERIFY2(check.failures.isEmpty(), qPrintable(check.failures.join(QLatin1Char('\n'))));
    QCOMPARE(CountColor(image, Figure), 150 * 450 + 450 * 150 - 150 * 150);
  }

  void circleFillsTheBoxToItsEdges() {
    const QImage image = Paint(800, 600, Code(ObjectKind::Circle));
    PixelCheck check{image, {}};
    check.Expect(400, 300, Figure);
    check.Expect(400, 75, Figure);
    check.Expect(400, 74, Background);
    check.Expect(400, 524, Figure);
    check.Expect(400, 525, Background);
    check.Expect(175, 300, Figure);
    check.Expect(174, 300, Background);
    check.Expect(624, 300, Figure);
    check.Expect(625, 300, Background);
    check.Expect(180, 80, Background);  // the box's corner is outside the circle
    QVERIFY2(check.failures.isEmpty(), qPrintable(check.failures.join(QLatin1Char('\n'))));
    // pi r^2 with r = 225, within half a percent.
    QVERIFY(std::abs(CountColor(image, Figure) - 159043) < 800);
  }

  void triangleRunsThroughItsThreeCorners() {
    const QImage image = Paint(800, 600, Code(ObjectKind::Triangle));
    PixelCheck check{image, {}};
    check.Expect(400, 75, Figure);
    check.Expect(400, 74, Background);
    check.Expect(175, 525, Figure);
    check.Expect(174, 525, Background);
    check.Expect(625, 525, Figure);
    check.Expect(626, 525, Background);
    check.Expect(400, 526, Background);
    check.Expect(400, 300, Figure);
    check.Expect(300, 100, Background);
    check.Expect(500, 100, Background);
    QVERIFY2(check.failures.isEmpty(), qPrintable(check.failures.join(QLatin1Char('\n'))));
  }

  void objectsThatAreNoShapeDrawNothing() {
    for (const int32_t object : {4, 5, -1, 1000}) {
      QCOMPARE(CountColor(Paint(800, 600, object), Figure), 0);
    }
  }

  void figureSizeFollowsTheHeightOnly() {
    const QImage narrow = Paint(700, 600, Code(ObjectKind::Square));
    const QImage wide = Paint(1000, 600, Code(ObjectKind::Square));
    QCOMPARE(CountColor(narrow, Figure), CountColor(wide, Figure));
  }

  void startPromptIsCentredInArial30() {
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(30);
    QPainter painter(&image);
    PaintStartPrompt(painter, image.rect(), font);
    painter.end();
    const QRect ink = InkBounds(image, image.rect());
    QVERIFY(!ink.isEmpty());
    QVERIFY2(std::abs(ink.center().x() - 400) <= 2, qPrintable(QString::number(ink.center().x())));
    QVERIFY2(std::abs(ink.center().y() - 300) <= 4, qPrintable(QString::number(ink.center().y())));
    // One line of 30-pixel text: capitals and descenders, nothing wrapped.
    QVERIFY2(ink.height() >= 25 && ink.height() <= 32, qPrintable(QString::number(ink.height())));
    QVERIFY2(ink.width() > 280 && ink.width() < 360, qPrintable(QString::number(ink.width())));
    // Arial, or its metric twin where Arial itself is not installed.
    const QString family = QFontInfo(font).family();
    QVERIFY2(family.contains(QLatin1String("Arial")) || family.contains(QLatin1String("Liberation Sans")),
             qPrintable(family));
  }

  void headerBlockBoxAndClippedTexts() {
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    HeaderBlockTexts texts;
    texts.name = "Name: Tester";
    texts.date = "Date: 01.02.2024  at  10:11:12";
    texts.total = "Total:   5";
    texts.background = "Background:  White ";
    texts.shapes1 = "square:  Red                  circle:  Green ";
    texts.shapes2 = "triangle:  Blue                   cross:  Yellow ";
    QPainter painter(&image);
    PaintHeaderBlock(painter, font, {10, 5, 710, 65}, texts);
    painter.end();

    PixelCheck check{image, {}};
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor outside(0, 255, 0);
    check.Expect(10, 30, black);
    check.Expect(709, 30, black);
    check.Expect(710, 30, outside);
    check.Expect(9, 30, outside);
    check.Expect(400, 5, black);
    check.Expect(400, 64, black);
    check.Expect(400, 65, outside);
    check.Expect(400, 4, outside);
    check.Expect(11, 6, white);  // the box is filled with the white brush
    check.Expect(700, 60, white);
    QVERIFY2(check.failures.isEmpty(), qPrintable(check.failures.join(QLatin1Char('\n'))));

    // Texts start at x 20 (left + 10) and 370 (middle + 10).
    const QRect name = InkBounds(image, QRect(11, 13, 358, 15));
    QVERIFY(!name.isEmpty());
    QVERIFY2(name.left() >= 20 && name.left() <= 22, qPrintable(QString::number(name.left())));
    const QRect date = InkBounds(image, QRect(370, 13, 339, 15));
    QVERIFY2(date.left() >= 370 && date.left() <= 372, qPrintable(QString::number(date.left())));
    // "Total" sits in a band only ten pixels high (28..37) and is clipped to
    // it: nothing of it reaches the rows between it and the shapes line.
    QVERIFY(!InkBounds(image, QRect(20, 28, 340, 10)).isEmpty());
    QVERIFY(InkBounds(image, QRect(20, 38, 340, 4)).isEmpty());
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::FigurePainterTest)
#include "figurepainter_test.moc"
