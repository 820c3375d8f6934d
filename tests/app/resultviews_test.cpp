// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The result views of the main window: the View commands and when they can
// be chosen, the dialog bars' lists, the result page, the neutral view and
// the deletion of lines.

#include <QComboBox>
#include <QItemSelectionModel>
#include <QTest>

#include <memory>

#include "apptestsupport.h"
#include "commandids.h"
#include "results/result_rows.h"
#include "resultstestsupport.h"
#include "views/alacritylist.h"
#include "views/alacrityview.h"

namespace alacrity::test {

class ResultViewsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<FrameFixture> f;

  CAlacrityView& View() { return f->frame->View(); }
  AlacrityList& List() { return View().List(); }

  // Results as a file would bring them, and the commands told about them.
  void Results(int count, std::initializer_list<int> wrong = {}) {
    FillResults(*f->data, count, wrong);
    f->frame->UpdateCommandStates();
  }

  // The operator picks an entry of a bar's drop-down list.
  void Choose(int controlId, int index) {
    QComboBox* list = f->frame->CurrentDialogBar()->DropDown(controlId);
    QVERIFY(list != nullptr);
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
  }

  void Select(std::initializer_list<int> rows) {
    for (const int row : rows) {
      List().selectionModel()->select(List().model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }

  bool Enabled(int id) { return f->frame->Action(id)->isEnabled(); }

  QStringList ColumnZero() {
    QStringList numbers;
    for (int row = 0; row < RowCountOf(List()); ++row)
      numbers.append(CellsOf(List(), row)[0].trimmed());
    return numbers;
  }

 private Q_SLOTS:
  void init() { f = std::make_unique<FrameFixture>(); }
  void cleanup() { f.reset(); }

  void viewCommandsNeedResultsAndAnIdleProgram() {
    const int views[] = {IdResponseByResponse, IdSplitSummary, IdResult};
    for (const int id : views) QVERIFY2(!Enabled(id), qPrintable(QString::number(id)));
    // Disabled means not run, from the toolbar or anywhere else.
    f->frame->RunCommand(IdResponseByResponse);
    QCOMPARE(View().Mode(), Neutral);

    // Results that arrive with a command (here the neutral view that ends
    // opening a file) enable the views.
    FillResults(*f->data, 5);
    f->frame->RunCommand(IdShowNeutralView);
    for (const int id : views) QVERIFY2(Enabled(id), qPrintable(QString::number(id)));

    f->data->idle = 0;  // a run
    f->frame->UpdateCommandStates();
    for (const int id : views) QVERIFY2(!Enabled(id), qPrintable(QString::number(id)));
    for (const int id : {IdFilePrint, IdFilePrintPreview, IdFilePrintSetup}) QVERIFY(!Enabled(id));
    f->data->idle = 1;
    f->frame->UpdateCommandStates();
    for (const int id : views) QVERIFY2(Enabled(id), qPrintable(QString::number(id)));
    for (const int id : {IdFilePrintSetup, IdCopy, IdCopyAll, IdExportCsv, IdDelete}) {
      QVERIFY2(Enabled(id), qPrintable(QString::number(id)));
    }
    // Print needs a view with a report; the neutral view has none.
    for (const int id : {IdFilePrint, IdFilePrintPreview}) QVERIFY(!Enabled(id));
    f->frame->RunCommand(IdResult);
    for (const int id : {IdFilePrint, IdFilePrintPreview}) QVERIFY(Enabled(id));
  }

  // Perform empties the list; whether it goes on or is cancelled, no bar of
  // the old view stays to fill the list again, and nothing prints "ERROR".
  void cancelledPerformLeavesNoBarAndNothingToPrint_data() {
    QTest::addColumn<int>("view");
    QTest::newRow("response by response") << IdResponseByResponse;
    QTest::newRow("split summary") << IdSplitSummary;
    QTest::newRow("result") << IdResult;
  }

  void cancelledPerformLeavesNoBarAndNothingToPrint() {
    QFETCH(int, view);
    Results(5);
    f->frame->RunCommand(view);
    QVERIFY(Enabled(IdFilePrint));
    View().SetPerformDialog([](int32_t) { return std::nullopt; });
    f->frame->RunCommand(IdPerform);
    QCOMPARE(View().Mode(), Neutral);
    QVERIFY(f->frame->CurrentDialogBar() == nullptr);
    QCOMPARE(RowCountOf(List()), 0);
    QVERIFY(!List().isVisible());
    for (const int id : {IdFilePrint, IdFilePrintPreview}) QVERIFY(!Enabled(id));
    // The results are still there to be viewed again.
    f->frame->RunCommand(IdResponseByResponse);
    QCOMPARE(RowCountOf(List()), 5);
    QVERIFY(Enabled(IdFilePrint));
  }

  void responseByResponseListsEveryStimulusUnderTheHeaderBlock() {
    Results(5, {2});
    f->frame->RunCommand(IdResponseByResponse);
    QCOMPARE(View().Mode(), ResponseByResponse);
    QCOMPARE(f->frame->CurrentDialogBar()->TemplateId(), ResponseBarTemplate);
    QCOMPARE(f->frame->GetBarComboSelection(IdObjectFilterList), 0);
    QVERIFY(List().isVisible());
    QCOMPARE(List().geometry(), QRect(10, 70, 736, 330));
    QCOMPARE(List().Rows(), FillResponseByResponse(f->data->results, AllObjects));
    QCOMPARE(CellsOf(List(), 1)[5], QStringLiteral(" false"));

    // Chosen again while shown: nothing changes, the filter stays.
    Choose(IdObjectFilterList, 3);
    f->frame->RunCommand(IdResponseByResponse);
    QCOMPARE(ColumnZero(), QStringList{"3"});
    QCOMPARE(f->frame->GetBarComboSelection(IdObjectFilterList), 3);
  }

  void objectFilterKeepsTheTestsStimulusNumbers() {
    Results(9);
    f->frame->RunCommand(IdResponseByResponse);
    Choose(IdObjectFilterList, 3);  // SQUARE
    QCOMPARE(ColumnZero(), (QStringList{"3", "7"}));
    QCOMPARE(List().Rows(), FillResponseByResponse(f->data->results, 2));
    Choose(IdObjectFilterList, 1);  // CIRCLE
    QCOMPARE(ColumnZero(), (QStringList{"1", "5", "9"}));
    Choose(IdObjectFilterList, 4);  // TRIANGEL
    QCOMPARE(ColumnZero(), (QStringList{"4", "8"}));
    Choose(IdObjectFilterList, 0);
    QCOMPARE(RowCountOf(List()), 9);
    QCOMPARE(List().geometry(), QRect(10, 70, 736, 330));
  }

  void splitSummaryStartsAsOneBlockAndFollowsTheSizeList() {
    Results(3, {2});
    f->frame->RunCommand(IdSplitSummary);
    QCOMPARE(View().Mode(), SplitSummary);
    DialogBar* bar = f->frame->CurrentDialogBar();
    QCOMPARE(bar->TemplateId(), SplitSummaryBarTemplate);
    const QComboBox* sizes = bar->DropDown(IdSplitSizeList);
    QCOMPARE(sizes->count(), 3);
    QCOMPARE(sizes->itemText(0), QStringLiteral("after 1 response"));
    QCOMPARE(sizes->itemText(1), QStringLiteral("after each 2 responses"));
    QCOMPARE(sizes->itemText(2), QStringLiteral("after each 3 responses"));
    QCOMPARE(sizes->currentIndex(), 2);
    QCOMPARE(View().SplitSize(), 3);
    const auto oneBlock = FillSplitSummary(f->data->results, 0, 3);
    QCOMPARE(List().Rows(), oneBlock.rows);
    QCOMPARE(View().AverageText(), *oneBlock.averageText);
    QCOMPARE(List().geometry(), QRect(10, 70, 736, 330));

    Choose(IdSplitSizeList, 0);
    QCOMPARE(View().SplitSize(), 1);
    const auto single = FillSplitSummary(f->data->results, 0, 1);
    QCOMPARE(List().Rows(), single.rows);
    // The last block's average: stimulus 3 alone.
    QCOMPARE(View().AverageText(), *single.averageText);
    QVERIFY(View().AverageText() != *oneBlock.averageText);
  }

  void splitSizeChangeOutsideTheSplitSummaryIsAnInternalError() {
    Results(4);
    f->frame->RunCommand(IdResponseByResponse);
    const std::vector<ResultRow> before = List().Rows();
    MessageRecorder boxes;
    View().OnSplitSizeChange();
    QCOMPARE(boxes.messages, QStringList{"Internal error: interval"});
    QCOMPARE(List().Rows(), before);
    QCOMPARE(View().Mode(), ResponseByResponse);
  }

  void resultPageHidesTheListAndDrawsTheAverage() {
    Results(6, {5});
    f->frame->RunCommand(IdResponseByResponse);
    f->frame->RunCommand(IdResult);
    QCOMPARE(View().Mode(), Result);
    QVERIFY(f->frame->CurrentDialogBar() == nullptr);
    QVERIFY(!List().isVisible());
    const auto whole = FillSplitSummary(f->data->results, 0, 6);
    // The hidden list holds the whole test as one block: the result report
    // pages through it.
    QCOMPARE(List().Rows(), whole.rows);
    QCOMPARE(View().AverageText(), *whole.averageText);

    // The title centred in (20, 75, 650, 105), the average line below it.
    const QImage image = f->Grab();
    const QRgb white = qRgb(255, 255, 255);
    const QRect title = InkBounds(image, QRect(20, 75, 630, 30), white);
    const QRect average = InkBounds(image, QRect(20, 115, 630, 30), white);
    QVERIFY(!title.isEmpty());
    QVERIFY(!average.isEmpty());
    QVERIFY2(qAbs(title.center().x() - 335) <= 3, qPrintable(QString::number(title.center().x())));
    QVERIFY(InkBounds(image, QRect(20, 150, 630, 200), white).isEmpty());
  }

  void theEndOfATestShowsTheResultPage() {
    FillResults(*f->data, 5);
    View().Controller().SetMode(TestRun);
    View().ShowResult();
    QCOMPARE(View().Mode(), Result);
    QCOMPARE(View().AverageText(), *FillSplitSummary(f->data->results, 0, 5).averageText);
  }

  void neutralViewEmptiesAndHidesTheList() {
    Results(5);
    f->frame->RunCommand(IdSplitSummary);
    f->frame->RunCommand(IdShowNeutralView);
    QCOMPARE(View().Mode(), Neutral);
    QVERIFY(f->frame->CurrentDialogBar() == nullptr);
    QVERIFY(!List().isVisible());
    QCOMPARE(RowCountOf(List()), 0);
    QCOMPARE(List().columnCount(), 0);
  }

  void headerBlockDrawnWhileResultsArePresent() {
    Results(5);
    View().Repaint();
    QImage image = f->Grab();
    QCOMPARE(image.pixel(10, 30), qRgb(0, 0, 0));   // the box's left edge
    QCOMPARE(image.pixel(709, 30), qRgb(0, 0, 0));  // its right edge
    QCOMPARE(image.pixel(710, 30), qRgb(255, 255, 255));
    QVERIFY(!InkBounds(image, QRect(20, 13, 340, 15), qRgb(255, 255, 255)).isEmpty());  // "Name: "
    f->data->resultsPresent = 0;
    View().Repaint();
    image = f->Grab();
    QCOMPARE(image.pixel(10, 30), qRgb(255, 255, 255));
  }

  void deleteRefusesOutsideTheUnfilteredListAndWithoutSelection() {
    Results(5);
    MessageRecorder boxes;
    // Not a response list: nothing at all.
    f->frame->RunCommand(IdSplitSummary);
    View().OnDeleteLines();
    QVERIFY(boxes.messages.isEmpty());

    f->frame->RunCommand(IdResponseByResponse);
    Choose(IdObjectFilterList, 3);
    Select({0});
    f->frame->RunCommand(IdDelete);
    QCOMPARE(boxes.messages, QStringList{"You can delete only in 'ALL Objects' mode !"});

    Choose(IdObjectFilterList, 0);
    f->frame->RunCommand(IdDelete);
    QCOMPARE(boxes.messages.last(), QStringLiteral("No lines were selected!"));

    Select({1, 2});
    boxes.answer = false;
    f->frame->RunCommand(IdDelete);
    QCOMPARE(boxes.questions, QStringList{"Are You Sure You want to delete\n selected lines?"});
    QCOMPARE(f->data->results.responseCount, 5);
    QCOMPARE(RowCountOf(List()), 5);
    QCOMPARE(boxes.messages.size(), 2);
  }

  void deleteRemovesTheSelectedStimuliAndRenumbers() {
    Results(5);
    f->data->dataSaved = 1;
    f->frame->RunCommand(IdResponseByResponse);
    Select({2, 1});  // stimuli 2 and 3
    MessageRecorder boxes;
    boxes.answer = true;
    f->frame->RunCommand(IdDelete);
    QCOMPARE(f->data->results.responseCount, 3);
    // The former stimuli 1, 4 and 5, numbered 1, 2 and 3.
    QCOMPARE(ColumnZero(), (QStringList{"1", "2", "3"}));
    QCOMPARE(CellsOf(List(), 1)[2].trimmed(), QStringLiteral("1040"));
    QCOMPARE(CellsOf(List(), 2)[3].trimmed(), QStringLiteral("305"));
    QCOMPARE(f->data->results.responseMs[2], 304);
    QCOMPARE(f->data->results.objectIndex[3], 0);  // stimulus 5 showed a circle
    QCOMPARE(List().Rows(), FillResponseByResponse(f->data->results, AllObjects));
    // Unsaved now, so Exit asks before the deletion is lost.
    QCOMPARE(f->data->dataSaved, 0);
    QCOMPARE(View().Mode(), ResponseByResponse);
    QVERIFY(List().isVisible());
  }

  void deletingEveryLineLeavesNoViewToChoose() {
    Results(2);
    f->frame->RunCommand(IdResponseByResponse);
    Select({0, 1});
    MessageRecorder boxes;
    boxes.answer = true;
    f->frame->RunCommand(IdDelete);
    QCOMPARE(f->data->results.responseCount, 0);
    QCOMPARE(RowCountOf(List()), 0);
    for (const int id : {IdResponseByResponse, IdSplitSummary, IdResult}) {
      QVERIFY2(!Enabled(id), qPrintable(QString::number(id)));
    }
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::ResultViewsTest)
#include "resultviews_test.moc"
