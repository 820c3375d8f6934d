// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The result list and its two-line header: geometry, painting, columns,
// fills and selection, on the list alone.

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QTest>

#include <memory>

#include "data/document_data.h"
#include "results/columns.h"
#include "results/result_rows.h"
#include "resultstestsupport.h"
#include "views/alacritylist.h"
#include "views/mlheaderctrl.h"

namespace alacrity::test {

class ResultListTest : public QObject {
  Q_OBJECT

  std::unique_ptr<AlacrityList> list;
  std::unique_ptr<DocumentData> data;

  void Select(std::initializer_list<int> rows) {
    for (const int row : rows) {
      list->selectionModel()->select(list->model()->index(row, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }

  QImage HeaderImage() {
    return list->header()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

 private Q_SLOTS:
  void init() {
    data = std::make_unique<DocumentData>();
    list = std::make_unique<AlacrityList>();
    list->resize(736, 330);
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list.get()));
  }
  void cleanup() { list.reset(); }

  void headerIs48PixelsHighAndTheFirstRowStartsBelowIt() {
    FillResults(*data, 5);
    list->FillResponseByResponse(data->results, AllObjects);
    QCOMPARE(list->header(), static_cast<QHeaderView*>(&list->Header()));
    for (const int pixels : {11, 40}) {
      QFont font = list->font();
      font.setPixelSize(pixels);  // whatever the font
      list->setFont(font);
      QTRY_COMPARE(list->header()->height(), CMLHeaderCtrl::HeaderHeight);
      QCOMPARE(list->header()->sizeHint().height(), 48);
      // Rows begin 48 pixels below the top of the list's client area.
      QCOMPARE(list->viewport()->geometry().top() - list->contentsRect().top(), 48);
      QCOMPARE(list->visualItemRect(list->topLevelItem(0)).top(), 0);
    }
  }

  void headerPaintsGreyFramedCellsWithTwoCentredLines() {
    list->InsertColumns();
    const QImage image = HeaderImage();
    const QRgb grey = qRgb(200, 200, 200);
    const QRgb black = qRgb(0, 0, 0);
    // Section 0 ("No" over "(#)") spans x 0..99: its frame on its own edge
    // pixels, grey inside.
    QCOMPARE(image.pixel(0, 0), black);
    QCOMPARE(image.pixel(99, 20), black);
    QCOMPARE(image.pixel(50, 0), black);
    QCOMPARE(image.pixel(50, 47), black);
    QCOMPARE(image.pixel(3, 44), grey);
    QCOMPARE(image.pixel(97, 3), grey);

    // Line 1 in the band 2..22, line 2 in 22..42, each centred.
    const QRect first = InkBounds(image, QRect(1, 2, 98, 20), grey);
    const QRect second = InkBounds(image, QRect(1, 22, 98, 20), grey);
    QVERIFY(!first.isEmpty());
    QVERIFY(!second.isEmpty());
    QVERIFY2(qAbs(first.center().x() - 50) <= 2, qPrintable(QString::number(first.center().x())));
    QVERIFY2(qAbs(second.center().x() - 50) <= 2, qPrintable(QString::number(second.center().x())));
    QVERIFY2(qAbs(first.center().y() - 12) <= 3, qPrintable(QString::number(first.center().y())));
    QVERIFY2(qAbs(second.center().y() - 32) <= 3, qPrintable(QString::number(second.center().y())));
    QVERIFY(InkBounds(image, QRect(1, 42, 98, 5), grey).isEmpty());
    // Exactly: each line centred in its band, r.top + 2..22 and 22..42.
    QImage expected(100, 48, QImage::Format_RGB32);
    expected.fill(QColor(200, 200, 200));
    QPainter painter(&expected);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 99, 47);
    painter.setFont(list->header()->font());
    painter.drawText(QRect(0, 2, 100, 20), Qt::AlignCenter, QStringLiteral("No"));
    painter.drawText(QRect(0, 22, 100, 20), Qt::AlignCenter, QStringLiteral("(#)"));
    painter.end();
    QCOMPARE(image.copy(0, 0, 100, 48), expected);

    // "Object" over a single space: an empty-looking second line.
    QVERIFY(!InkBounds(image, QRect(101, 2, 98, 20), grey).isEmpty());
    QVERIFY(InkBounds(image, QRect(101, 22, 98, 20), grey).isEmpty());

    // A title without "\n" is all first line.
    list->headerItem()->setText(2, QStringLiteral("Plain"));
    const QImage plain = HeaderImage();
    QVERIFY(!InkBounds(plain, QRect(201, 2, 148, 20), grey).isEmpty());
    QVERIFY(InkBounds(plain, QRect(201, 22, 148, 20), grey).isEmpty());
  }

  void columnsInsertedAndReset() {
    list->InsertColumns();
    QCOMPARE(list->columnCount(), 6);
    for (int i = 0; i < 6; ++i) {
      const ResultColumn& column = ResultColumns[static_cast<std::size_t>(i)];
      QCOMPARE(list->headerItem()->text(i).toStdString(), std::string(column.title));
      QCOMPARE(list->columnWidth(i), column.screenWidth);
      QCOMPARE(list->headerItem()->textAlignment(i), int(Qt::AlignRight | Qt::AlignVCenter));
    }
    FillResults(*data, 3);
    list->FillResponseByResponse(data->results, AllObjects);
    QCOMPARE(RowCountOf(*list), 3);
    list->ResetList();
    QCOMPARE(RowCountOf(*list), 0);
    QCOMPARE(list->columnCount(), 0);
    QVERIFY(list->Rows().empty());
  }

  void responseFillShowsTheCoreRowsRightAligned() {
    FillResults(*data, 9, {4});
    list->FillResponseByResponse(data->results, AllObjects);
    const std::vector<ResultRow> expected = FillResponseByResponse(data->results, AllObjects);
    QCOMPARE(list->Rows(), expected);
    QCOMPARE(RowCountOf(*list), 9);
    for (int row = 0; row < 9; ++row) {
      const QStringList cells = CellsOf(*list, row);
      for (int column = 0; column < 6; ++column) {
        QCOMPARE(cells[column].toStdString(),
                 expected[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
        QCOMPARE(list->topLevelItem(row)->textAlignment(column),
                 int(Qt::AlignRight | Qt::AlignVCenter));
      }
    }
    QCOMPARE(CellsOf(*list, 3)[5], QStringLiteral(" false"));
    QCOMPARE(CellsOf(*list, 0)[1], QStringLiteral("       Circle      "));

    // The squares only, with the test's stimulus numbers.
    list->ResetList();
    list->FillResponseByResponse(data->results, 2);
    QCOMPARE(RowCountOf(*list), 2);
    QCOMPARE(CellsOf(*list, 0)[0], QStringLiteral("    3"));
    QCOMPARE(CellsOf(*list, 1)[0], QStringLiteral("    7"));
  }

  void splitFillAddsStatisticsAndSeparatorRows() {
    FillResults(*data, 7, {2});
    const auto average = list->FillSplitSummary(data->results, 0, 3);
    const SplitSummary expected = FillSplitSummary(data->results, 0, 3);
    QCOMPARE(list->Rows(), expected.rows);
    QCOMPARE(average, expected.averageText);
    QCOMPARE(RowCountOf(*list), static_cast<int>(expected.rows.size()));
    // Block 1: three responses, total, correct and false rows, separator.
    QCOMPARE(CellsOf(*list, 3)[0], QStringLiteral("Total responses:"));
    QCOMPARE(CellsOf(*list, 4)[0], QStringLiteral("Correct responses:"));
    QCOMPARE(CellsOf(*list, 5)[0], QStringLiteral("False responses:"));
    QCOMPARE(CellsOf(*list, 6), (QStringList{" ", "", "", "", "", ""}));

    // No blocks at all: no rows and no average line.
    FillResults(*data, 0);
    list->ResetList();
    QVERIFY(!list->FillSplitSummary(data->results, 0, 1).has_value());
    QCOMPARE(RowCountOf(*list), 0);
    QCOMPARE(list->columnCount(), 6);
  }

  void reportStyleSelection() {
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(!list->isSortingEnabled());
    QVERIFY(!list->header()->sectionsClickable());
    QVERIFY(!list->rootIsDecorated());
    QCOMPARE(list->textElideMode(), Qt::ElideNone);
    // Selection always shown: the same colours with and without the focus.
    QCOMPARE(list->palette().color(QPalette::Inactive, QPalette::Highlight),
             list->palette().color(QPalette::Active, QPalette::Highlight));

    FillResults(*data, 10);
    list->FillResponseByResponse(data->results, AllObjects);
    Select({7, 3});
    QCOMPARE(list->SelectedRows(), (std::vector<int>{3, 7}));
    // A click on a cell selects its whole row.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(5)).center() + QPoint(250, 0));
    QCOMPARE(list->SelectedRows(), std::vector<int>{5});
    QCOMPARE(list->selectionModel()->selectedIndexes().size(), 6);
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::ResultListTest)
#include "resultlist_test.moc"
