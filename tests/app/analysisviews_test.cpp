// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The analysis views of the main window: View > Statistics (the summary
// figures as a read-only table, copied and exported) and View > Chart (the
// charts, printed as a page of their own).

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QPageSize>
#include <QPdfWriter>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "alacritylist.h"
#include "alacrityview.h"
#include "apptestsupport.h"
#include "chartpanel.h"
#include "commandids.h"
#include "data/enums.h"
#include "language.h"
#include "resultstestsupport.h"
#include "statisticstable.h"

namespace alacrity::test {

class AnalysisViewsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<FrameFixture> f;

  CAlacrityView& View() { return f->frame->View(); }
  StatisticsTable& Table() { return View().StatisticsPanel(); }
  bool Enabled(int id) { return f->frame->Action(id)->isEnabled(); }

  QString Cell(int row, int column) { return Table().item(row, column)->text(); }

  QByteArray Clipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr ? data->data(QStringLiteral("text/plain")) : QByteArray();
  }

 private Q_SLOTS:
  void init() {
    f = std::make_unique<FrameFixture>();
    // Stimulus j: shape (j - 1) % 4, 300 + j ms; stimulus 3 answered wrongly.
    FillResults(*f->data, 8, {3});
    f->data->subject.name = "Ada Tester";
    f->frame->RunCommand(IdShowNeutralView);
  }
  void cleanup() {
    f.reset();
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
  }

  void statisticsShowTheSummaryFigures() {
    QVERIFY(!Enabled(IdFilePrint));
    f->frame->RunCommand(IdStatistics);
    QCOMPARE(View().Mode(), Statistics);
    QVERIFY(Table().isVisible());
    QVERIFY(!View().List().isVisible());
    QVERIFY(!View().ChartsPanel().isVisible());
    QCOMPARE(f->frame->CurrentDialogBar()->TemplateId(), StatisticsBarTemplate);
    // No printed report of its own.
    QVERIFY(!Enabled(IdFilePrint));

    // The whole test and its four shapes. Correct times 301, 302, 304 .. 308.
    QCOMPARE(Table().rowCount(), 5);
    const QStringList whole = {"all", "8", "7", "1", "12.5 %", "7", "304.7"};
    for (int c = 0; c < whole.size(); ++c) QCOMPARE(Cell(0, c), whole[c]);
    QCOMPARE(Cell(0, 8), QStringLiteral("305.0"));  // median
    // The square answered wrongly once, correctly at 307 ms.
    QCOMPARE(Cell(3, 0), QStringLiteral("square"));
    QCOMPARE(Cell(3, 3), QStringLiteral("1"));
    QCOMPARE(Cell(3, 6), QStringLiteral("307.0"));
    QCOMPARE(Cell(3, 7), QStringLiteral("-"));  // one time has no SD
    QVERIFY(!(Table().item(0, 1)->flags() & Qt::ItemIsEditable));
  }

  void statisticsCopyAsTabSeparatedLines() {
    f->frame->RunCommand(IdStatistics);
    f->frame->RunCommand(IdCopyAll);
    const QList<QByteArray> lines = Clipboard().split('\n');
    QCOMPARE(lines.size(), 7);  // heading, five rows, the empty rest
    QVERIFY(lines[0].startsWith("Object\tAnswered\tCorrect\t"));
    QVERIFY(lines[1].startsWith("all\t8\t7\t1\t12.5 %\t"));

    Table().selectionModel()->select(Table().model()->index(2, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    f->frame->RunCommand(IdCopy);
    const QList<QByteArray> selected = Clipboard().split('\n');
    QCOMPARE(selected.size(), 3);
    QVERIFY(selected[1].startsWith("cross\t2\t2\t0\t"));
  }

  void statisticsInTheOperatorsDecimalSignCopiedWithThePoint() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("de"));
    f->frame->RunCommand(IdStatistics);
    QCOMPARE(Cell(0, 4), QStringLiteral("12,5 %"));
    QCOMPARE(Cell(0, 6), QStringLiteral("304,7"));
    QCOMPARE(Cell(0, 1), QStringLiteral("8"));
    // What a spreadsheet or a script reads stays as the summary writes it.
    f->frame->RunCommand(IdCopyAll);
    QVERIFY(Clipboard().split('\n')[1].startsWith("all\t8\t7\t1\t12.5 %\t7\t304.7\t"));
  }

  void chartShowsBothChartsAndPrintsItsOwnPage() {
    // The circles in the colour they were shown in, not in the one the
    // configuration has been given since.
    f->data->runConfiguration.circleColor = Code(StimulusColor::Yellow);
    f->data->customConfiguration.circleColor = Code(StimulusColor::Red);
    f->frame->RunCommand(IdStatistics);
    f->frame->RunCommand(IdChart);
    QCOMPARE(View().Mode(), Chart);
    QVERIFY(View().ChartsPanel().isVisible());
    const auto* time =
        View().ChartsPanel().findChild<QChartView*>(QStringLiteral("timeCourseChart"));
    QVERIFY(time != nullptr);
    const auto* circles = time->chart()->findChild<QScatterSeries*>(QStringLiteral("Circle"));
    QVERIFY(circles != nullptr);
    QCOMPARE(circles->color(), QColor(Qt::yellow));
    QVERIFY(!Table().isVisible());
    QVERIFY(f->frame->CurrentDialogBar() == nullptr);
    QVERIFY(Enabled(IdFilePrint) && Enabled(IdFilePrintPreview));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    {
      QPdfWriter writer(path);
      writer.setPageSize(QPageSize(QPageSize::A4));
      QVERIFY(View().PrintTo(writer));
    }
    if (!HavePopplerTools()) QSKIP("poppler-utils are not installed");
    QCOMPARE(PdfPageCount(path), 1);
    const QString text = PdfText(path);
    for (const char* expected : {"CHART REPORT", "Page: 1/1", "Name: Ada Tester",
                                 "Response time by stimulus", "Correct response times per shape"}) {
      QVERIFY2(text.contains(QLatin1String(expected)), expected);
    }

    // Back to a list view: the charts go out of sight.
    f->frame->RunCommand(IdResponseByResponse);
    QVERIFY(!View().ChartsPanel().isVisible());
    QVERIFY(View().List().isVisible());
  }

  void analysisViewsNeedResultsAndAnIdleProgram() {
    f->data->idle = 0;
    f->frame->UpdateCommandStates();
    QVERIFY(!Enabled(IdStatistics) && !Enabled(IdChart));
    f->data->idle = 1;
    f->data->results.responseCount = 0;
    f->frame->UpdateCommandStates();
    QVERIFY(!Enabled(IdStatistics) && !Enabled(IdChart));
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::AnalysisViewsTest)
#include "analysisviews_test.moc"
