// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing: the report pages of each view through the view's printing entry
// points, on PDF devices read back with poppler's tools, the print, preview
// and page setup commands with their dialogs hooked, and the paper mapping
// of the shared layout painter.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "apptestsupport.h"
#include "commandids.h"
#include "data/enums.h"
#include "report/layoutpainter.h"
#include "report/reportprinter.h"
#include "results/report_layout.h"
#include "results/report_pages.h"
#include "resultstestsupport.h"
#include "views/alacritylist.h"
#include "views/alacrityview.h"
#include "views/printdialogs.h"

namespace alacrity::test {
namespace {

// Replaces the print dialogs while it lives: records what was asked and
// answers with `answer`, after letting `act` do what the dialog would.
class PrintDialogStub {
 public:
  PrintDialogStub() {
    SetPrintDialogHook([this](PrintDialogKind kind, QPrinter& printer, const PaintPages& paint) {
      kinds.append(kind);
      printers.append(&printer);
      if (act) act(kind, printer, paint);
      return answer;
    });
  }
  ~PrintDialogStub() { SetPrintDialogHook({}); }
  PrintDialogStub(const PrintDialogStub&) = delete;
  PrintDialogStub& operator=(const PrintDialogStub&) = delete;

  std::function<void(PrintDialogKind, QPrinter&, const PaintPages&)> act;
  bool answer = true;
  QList<PrintDialogKind> kinds;
  QList<QPrinter*> printers;
};

// The stimulus numbers of the table rows on a page of pdftotext -layout
// output: rows begin with the number followed by an object name.
QStringList StimulusNumbers(const QString& text) {
  static const QRegularExpression row(
      QStringLiteral("^\\s*(\\d+)\\s+(Circle|Cross|Square|Triangel)\\s"));
  QStringList numbers;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    const QRegularExpressionMatch match = row.match(line);
    if (match.hasMatch()) numbers.append(match.captured(1));
  }
  return numbers;
}

QStringList Range(int first, int last) {
  QStringList numbers;
  for (int i = first; i <= last; ++i) numbers.append(QString::number(i));
  return numbers;
}

}  // namespace

class ResultPrintTest : public QObject {
  Q_OBJECT

  std::unique_ptr<FrameFixture> f;
  std::unique_ptr<QTemporaryDir> dir;

  CAlacrityView& View() { return f->frame->View(); }

  void Results(int count) {
    FillResults(*f->data, count);
    f->data->subject.name = "Ada Tester";
    f->frame->UpdateCommandStates();
  }

  QString WritePdf(const QString& name) {
    const QString path = dir->filePath(name);
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    if (!View().PrintTo(writer)) return {};
    return path;
  }

  // A printer that prints into a PDF file instead of on paper.
  static void ToPdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
  }

 private Q_SLOTS:
  void initTestCase() {
    if (!HavePopplerTools()) QSKIP("pdftotext and pdfinfo (poppler-utils) are needed");
  }
  void init() {
    f = std::make_unique<FrameFixture>();
    dir = std::make_unique<QTemporaryDir>();
  }
  void cleanup() {
    f.reset();
    dir.reset();
  }

  void responseReportPagesThroughTheList() {
    Results(30);
    f->frame->RunCommand(IdResponseByResponse);
    const QString path = WritePdf(QStringLiteral("response.pdf"));
    QVERIFY(!path.isEmpty());
    QCOMPARE(PdfPageCount(path), PageCount(30));
    QCOMPARE(PdfPageCount(path), 2);

    const QString first = PdfText(path, 1, 1);
    QVERIFY(first.contains(QLatin1String("DIGITAL REPORT")));
    QVERIFY(first.contains(QLatin1String("Page: 1/2")));
    QVERIFY(first.contains(QLatin1String("Name: Ada Tester")));
    QVERIFY(first.contains(QLatin1String("Date: 05.03.2007  at  14:03:09")) ||
            first.contains(QLatin1String("Date: 05.03.2007 at 14:03:09")));
    QVERIFY(first.contains(QLatin1String("Generation Time (ms)")));
    QCOMPARE(StimulusNumbers(first), Range(1, 24));

    // Page 2: no header block, the column titles again, list rows 24 on.
    const QString second = PdfText(path, 2, 2);
    QVERIFY(second.contains(QLatin1String("Page: 2/2")));
    QVERIFY(!second.contains(QLatin1String("Name:")));
    QVERIFY(second.contains(QLatin1String("Alacrity Time (ms)")));
    QCOMPARE(StimulusNumbers(second), Range(25, 30));
  }

  void splitResultAndNeutralReports() {
    Results(5);
    f->frame->RunCommand(IdSplitSummary);
    QString text = PdfText(WritePdf(QStringLiteral("split.pdf")));
    QVERIFY(text.contains(QLatin1String("SPLIT REPORT")));
    QVERIFY(text.contains(QLatin1String("Mean alacrity time(ms):")));

    f->frame->RunCommand(IdResult);
    const QString result = WritePdf(QStringLiteral("result.pdf"));
    QCOMPARE(PdfPageCount(result), 1);
    text = PdfText(result);
    QVERIFY(text.contains(QLatin1String("Result of Your Alacrity test")));
    QVERIFY(text.contains(QLatin1String("Page: 1/1")));
    // pdftotext lays the line out with spaces of its own.
    QVERIFY(text.simplified().contains(QString::fromStdString(View().AverageText()).simplified()));
    QVERIFY(View().AverageText().find("Alacrity time average:") != std::string::npos);
    QVERIFY(!text.contains(QLatin1String("Generation Time")));

    // A mode without a report: the frame, "ERROR", the header block.
    f->frame->RunCommand(IdShowNeutralView);
    text = PdfText(WritePdf(QStringLiteral("neutral.pdf")));
    QVERIFY(text.contains(QLatin1String("ERROR")));
    QVERIFY(text.contains(QLatin1String("Page: 1/1")));
    QVERIFY(text.contains(QLatin1String("Name: Ada Tester")));
    QVERIFY(!text.contains(QLatin1String("Generation Time")));
  }

  void printCommandPrintsWhatTheDialogChose() {
    Results(52);
    f->frame->RunCommand(IdResponseByResponse);
    PrintDialogStub dialog;
    const QString all = dir->filePath(QStringLiteral("all.pdf"));
    dialog.act = [&all](PrintDialogKind, QPrinter& printer, const PaintPages&) {
      ToPdf(printer, all);
    };
    f->frame->RunCommand(IdFilePrint);
    QCOMPARE(dialog.kinds, QList<PrintDialogKind>{PrintDialogKind::Print});
    QCOMPARE(dialog.printers.first(), &View().Printer());
    QCOMPARE(PdfPageCount(all), 3);
    QVERIFY(PdfText(all, 3, 3).contains(QLatin1String("Page: 3/3")));

    // A page range prints only its pages.
    const QString second = dir->filePath(QStringLiteral("second.pdf"));
    dialog.act = [&second](PrintDialogKind, QPrinter& printer, const PaintPages&) {
      ToPdf(printer, second);
      printer.setPrintRange(QPrinter::PageRange);
      printer.setFromTo(2, 2);
    };
    f->frame->RunCommand(IdFilePrint);
    QCOMPARE(PdfPageCount(second), 1);
    const QString text = PdfText(second);
    QVERIFY(text.contains(QLatin1String("Page: 2/3")));
    QCOMPARE(StimulusNumbers(text), Range(25, 51));

    // Cancel prints nothing.
    const QString cancelled = dir->filePath(QStringLiteral("cancelled.pdf"));
    dialog.answer = false;
    dialog.act = [&cancelled](PrintDialogKind, QPrinter& printer, const PaintPages&) {
      ToPdf(printer, cancelled);
    };
    f->frame->RunCommand(IdFilePrint);
    QVERIFY(!QFile::exists(cancelled));
  }

  void previewHidesTheDialogBarAndPaintsThePages() {
    Results(25);
    f->frame->RunCommand(IdResponseByResponse);
    QVERIFY(f->frame->CurrentDialogBar()->isVisible());
    PrintDialogStub dialog;
    bool barShown = true;
    const QString path = dir->filePath(QStringLiteral("preview.pdf"));
    dialog.act = [&](PrintDialogKind kind, QPrinter& printer, const PaintPages& paint) {
      if (kind != PrintDialogKind::Preview) return;
      barShown = f->frame->CurrentDialogBar()->isVisible();
      ToPdf(printer, path);
      paint(printer);
    };
    f->frame->RunCommand(IdFilePrintPreview);
    QCOMPARE(dialog.kinds, QList<PrintDialogKind>{PrintDialogKind::Preview});
    QVERIFY(!barShown);
    QTRY_VERIFY(f->frame->CurrentDialogBar()->isVisible());
    QCOMPARE(PdfPageCount(path), 2);

    f->frame->RunCommand(IdFilePrintSetup);
    QCOMPARE(dialog.kinds.last(), PrintDialogKind::PageSetup);
    QCOMPARE(dialog.printers.last(), &View().Printer());
  }

  // File > Print sets the page as alacrity-cli's PDF does: the same words at
  // the same places, the table 15 mm from the paper's left edge.
  void printerAndPdfShareOnePageLayout() {
    Results(5);
    f->frame->RunCommand(IdResponseByResponse);
    PrintDialogStub dialog;
    const QString printed = dir->filePath(QStringLiteral("printed.pdf"));
    dialog.act = [&printed](PrintDialogKind, QPrinter& printer, const PaintPages&) {
      ToPdf(printer, printed);
    };
    f->frame->RunCommand(IdFilePrint);
    const QString exported = dir->filePath(QStringLiteral("exported.pdf"));
    QFile file(exported);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ReportPdf(View().CurrentReport()));
    file.close();

    const QList<PdfWord> fromPrinter = PdfWords(printed);
    const QList<PdfWord> fromPdf = PdfWords(exported);
    QVERIFY(!fromPdf.isEmpty());
    QCOMPARE(fromPrinter.size(), fromPdf.size());
    for (qsizetype i = 0; i < fromPdf.size(); ++i) {
      QCOMPARE(fromPrinter[i].text, fromPdf[i].text);
      const QPointF offset = fromPrinter[i].box.topLeft() - fromPdf[i].box.topLeft();
      QVERIFY2(qAbs(offset.x()) < 0.5 && qAbs(offset.y()) < 0.5, qPrintable(fromPdf[i].text));
    }
    // The title stands 10 mm into the table, which starts at the margin.
    const double millimetre = 72 / 25.4;
    QCOMPARE(fromPdf.first().text, QStringLiteral("DIGITAL"));
    QVERIFY(qAbs(fromPdf.first().box.left() - 25 * millimetre) < 1.5);
  }

  // The statistics labels are wider than their 18 mm column: they keep
  // their whole text at no less than 80 % of the table's size.
  void statisticsLabelsStayReadable() {
    FillResults(*f->data, 6, {2, 5});
    f->frame->UpdateCommandStates();
    f->data->runConfiguration.falseResponse = Code(FalseResponseMode::Accepted);
    f->frame->RunCommand(IdSplitSummary);
    const QList<PdfWord> words = PdfWords(WritePdf(QStringLiteral("labels.pdf")));
    // The first column ends where the second column's title begins.
    double firstColumnEnd = 0;
    double tableHeight = 0;
    for (const PdfWord& word : words) {
      if (word.text == QLatin1String("Object")) firstColumnEnd = word.box.left();
      if (word.text == QLatin1String("Mean")) tableHeight = word.box.height();
    }
    QList<PdfWord> labels;
    for (const PdfWord& word : words) {
      static const QStringList labelWords{"Total", "Correct", "False", "responses:"};
      if (labelWords.contains(word.text) && word.box.right() < firstColumnEnd) labels.append(word);
    }
    QVERIFY(tableHeight > 0);
    QCOMPARE(labels.size(), 6);  // three labels of two words, none cut
    for (const PdfWord& label : labels) {
      QVERIFY2(label.box.height() >= 0.8 * tableHeight,
               qPrintable(QStringLiteral("%1: %2 of %3")
                              .arg(label.text)
                              .arg(label.box.height())
                              .arg(tableHeight)));
    }
  }

  // One logical unit per pixel: the layout's places are the image's, with y
  // turned upwards, and the texts read the right way round.
  void paperMappingTurnsTextsUpright() {
    const std::vector<ResultRow> rows(2, ResultRow{"1", "2", "3", "4", "5", "6"});
    const Layout page = PrintedPage(1, ReportKind::ResponseList, rows, HeaderBlockTexts{}, "");
    QImage paper(1900, 800, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.setTransform(PaperTransform(254, 254));
    PaintLayout(painter, page, ReportFonts(), LayoutMapping::Paper);
    painter.end();

    const QRgb black = qRgb(0, 0, 0);
    QCOMPARE(paper.pixel(900, 0), black);    // the frame's top line
    QCOMPARE(paper.pixel(900, 80), black);   // and its bottom
    QCOMPARE(paper.pixel(1800, 40), black);  // its right edge
    QCOMPARE(paper.pixel(900, 160), black);  // the header block's box
    QCOMPARE(paper.pixel(900, 400), black);
    QCOMPARE(paper.pixel(900, 480), black);  // the table: 4 rules 80 apart
    QCOMPARE(paper.pixel(900, 720), black);
    QCOMPARE(paper.pixel(900, 760), qRgb(255, 255, 255));
    QCOMPARE(paper.pixel(180, 600), black);  // a column boundary

    // The title as the screen draws it in the same place.
    Layout title;
    title.texts.push_back(
        {{100, 0, 1000, 80}, "DIGITAL REPORT", ReportFont::Bold30, TextAlign::Left});
    QImage screen(1900, 800, QImage::Format_RGB32);
    screen.fill(Qt::white);
    QPainter screenPainter(&screen);
    PaintLayout(screenPainter, title, ReportFonts(), LayoutMapping::Screen);
    screenPainter.end();
    const QRect band(100, 1, 900, 78);
    const QRect ink = InkBounds(screen, band, qRgb(255, 255, 255));
    QVERIFY(!ink.isEmpty());
    QCOMPARE(InkBounds(paper, band, qRgb(255, 255, 255)), ink);
    QCOMPARE(paper.copy(ink), screen.copy(ink));
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::ResultPrintTest)
#include "resultprint_test.moc"
