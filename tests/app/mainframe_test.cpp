// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main frame's fixed parts: caption, size, menus, toolbar, status bar,
// and the exchangeable dialog bar.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "apptestsupport.h"
#include "commandids.h"
#include "frame/lockkeys.h"
#include "views/alacrityview.h"

namespace alacrity::test {
namespace {

// A menu or toolbar as text: captions, "-" for a separator.
QStringList Captions(const QList<QAction*>& actions) {
  QStringList captions;
  for (const QAction* action : actions) {
    captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return captions;
}

QStringList ControlNames(const DialogBar& bar) {
  QStringList names;
  for (int i = 0; i < bar.layout()->count(); ++i) {
    if (QWidget* widget = bar.layout()->itemAt(i)->widget()) names.append(widget->objectName());
  }
  return names;
}

QStringList Items(const QComboBox& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) items.append(list.itemText(i));
  return items;
}

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT

  std::unique_ptr<FrameFixture> f;

  QList<DialogBar*> Bars() const { return f->frame->findChildren<DialogBar*>(); }

 private Q_SLOTS:
  void init() { f = std::make_unique<FrameFixture>(); }
  void cleanup() { f.reset(); }

  void captionAndSize() {
    QCOMPARE(f->frame->windowTitle(), QStringLiteral("Morvaine - alacrity"));
    QCOMPARE(f->frame->size(), QSize(800, 560));
    QCOMPARE(f->frame->centralWidget(), &f->frame->View());
    QCOMPARE(f->data->results.responseCount, 0);
    // New does nothing harmful: the caption stays.
    f->data->dataSaved = 0;
    f->frame->Action(IdFileNew)->trigger();
    QCOMPARE(f->frame->windowTitle(), QStringLiteral("Morvaine - alacrity"));
    QCOMPARE(f->data->dataSaved, 0);
    f->data->dataSaved = 1;
  }

  void menusInOrderWithSeparators() {
    const QList<QAction*> menus = f->frame->menuBar()->actions();
    QCOMPARE(Captions(menus),
             (QStringList{"&File", "&Subject", "&Exercise", "&View", "Se&tup", "&About"}));
    const QList<QStringList> expected = {
        {"&Open...\tCtrl+O", "&Save", "-", "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...",
         "-", "E&xit"},
        {"&Subject Info"},
        {"&Perform", "&Check", "Check &Display"},
        {"&Response by Response", "&Split Summary", "Res&ult", "-", "St&atistics", "C&hart"},
        {"&Custom Configuration", "C&reate protocol", "CO&MM Port", "S&timulus Screen…",
         "-", "&Open Configuration",
         "&Save Configuration", "Open &protocol", "Sa&ve protocol"},
        {"&About alacrity..."},
    };
    for (int i = 0; i < menus.size(); ++i) {
      QCOMPARE(Captions(menus[i]->menu()->actions()), expected[i]);
    }
  }

  // Alt+letter reaches every menu, and a letter every item of an open menu:
  // each caption has one mnemonic, none used twice in the same place.
  void everyMenuAndItemHasItsOwnMnemonic() {
    const auto mnemonic = [](const QString& caption) {
      const QKeySequence key = QKeySequence::mnemonic(caption);
      return key.isEmpty() ? QString() : key.toString();
    };
    const auto checkUnique = [&](const QList<QAction*>& actions) {
      QStringList seen;
      for (const QAction* action : actions) {
        if (action->isSeparator()) continue;
        const QString key = mnemonic(action->text());
        QVERIFY2(!key.isEmpty(), qPrintable(action->text()));
        QVERIFY2(!seen.contains(key), qPrintable(action->text()));
        seen.append(key);
      }
    };
    const QList<QAction*> menus = f->frame->menuBar()->actions();
    checkUnique(menus);
    for (const QAction* menu : menus) checkUnique(menu->menu()->actions());
    // The toolbar's tips show the captions without the marks.
    QCOMPARE(f->frame->Action(IdPerform)->toolTip(), QStringLiteral("Perform"));
    QVERIFY(f->frame->findChild<QMenu*>(QStringLiteral("menuSetup")) != nullptr);
  }

  void commandIdsAcceleratorsAndPrompts() {
    const QList<QPair<int, const char*>> captions = {
        {57601, "&Open...\tCtrl+O"},     {32796, "&Save"},
        {57607, "&Print...\tCtrl+P"},    {57609, "Print Pre&view"},
        {57606, "P&rint Setup..."},       {57665, "E&xit"},
        {32771, "&Subject Info"},         {32772, "&Perform"},
        {32773, "&Check"},                {32774, "&Response by Response"},
        {32776, "&Split Summary"},        {32799, "Res&ult"},
        {32793, "&Custom Configuration"}, {32800, "C&reate protocol"},
        {32797, "CO&MM Port"},            {32781, "&Open Configuration"},
        {32782, "&Save Configuration"},   {32783, "Open &protocol"},
        {32784, "Sa&ve protocol"},        {57664, "&About alacrity..."}};
    for (const auto& [id, caption] : captions) {
      QAction* action = f->frame->Action(id);
      QVERIFY2(action != nullptr, qPrintable(QString::number(id)));
      QCOMPARE(action->text(), QString::fromLatin1(caption));
      QCOMPARE(action->data().toInt(), id);
    }
    QCOMPARE(f->frame->Action(IdFileOpen)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(f->frame->Action(IdFilePrint)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    QCOMPARE(f->frame->Action(IdFileSave)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(f->frame->Action(IdFileNew)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));

    QCOMPARE(f->frame->Action(IdOpenProtocol)->statusTip(), QStringLiteral("Open protocol file"));
    QCOMPARE(f->frame->Action(IdSaveProtocol)->statusTip(), QStringLiteral("Save protocol file"));
    QCOMPARE(f->frame->Action(IdCreateProtocol)->statusTip(), QStringLiteral("Create new protocol"));
    QCOMPARE(f->frame->Action(IdCreateProtocol)->toolTip(), QStringLiteral("Create new protocol"));
    QCOMPARE(f->frame->Action(IdResult)->statusTip(), QStringLiteral("Result"));
    QCOMPARE(f->frame->Action(IdPerform)->statusTip(), QString());
  }

  void resultViewsNeedResultsAndEverythingElseIsAvailable() {
    // No results at start: the three views have nothing to show.
    for (const int id : {IdResponseByResponse, IdSplitSummary, IdResult}) {
      QVERIFY2(!f->frame->Action(id)->isEnabled(), qPrintable(QString::number(id)));
    }
    for (const int id : {IdFileOpen, IdFileSave, IdAppExit, IdPerform, IdCheck, IdStart, IdStop,
                         IdSubjectInfo, IdCustomConfiguration, IdCreateProtocol, IdCommPort,
                         IdOpenConfiguration, IdSaveConfiguration, IdOpenProtocol, IdSaveProtocol,
                         IdAppAbout, IdFilePrintSetup, IdCopy, IdCopyAll, IdExportCsv,
                         IdDelete}) {
      QVERIFY2(f->frame->Action(id)->isEnabled(), qPrintable(QString::number(id)));
    }
  }

  void toolbarInOrderWithIcons() {
    const auto* toolBar = f->frame->findChild<QToolBar*>(QStringLiteral("mainToolBar"));
    QVERIFY(toolBar != nullptr);
    QStringList ids;
    for (const QAction* action : toolBar->actions()) {
      ids.append(action->isSeparator() ? QStringLiteral("-") : action->data().toString());
      if (!action->isSeparator()) QVERIFY2(!action->icon().isNull(), qPrintable(action->text()));
    }
    QCOMPARE(ids, (QStringList{"57601", "32796", "57607", "-", "32771", "-", "32772", "32773", "-",
                               "32774", "32776", "32799", "-", "32793", "32800", "32797", "-",
                               "32781", "32782", "32783", "32784", "57664"}));
  }

  void statusBarIndicators() {
    QStatusBar* bar = f->frame->statusBar();
    // The offscreen platform has no keyboard indicators: no pane pretends.
    for (const char* name : {"indicatorCaps", "indicatorNum", "indicatorScroll"}) {
      const auto* label = bar->findChild<QLabel*>(QString::fromLatin1(name));
      QVERIFY2(label != nullptr, name);
      QVERIFY2(label->isHidden(), name);
    }
    // Without the keyboard box there is nothing to warn about.
    QVERIFY(bar->findChild<QLabel*>(QStringLiteral("keyboardBoxNote")) == nullptr);
  }

  // Each pane follows its own lock; an unknown lock's pane is left out.
  void lockKeyPanesFollowTheLocks() {
    QStatusBar bar;
    LockKeyState state;
    LockKeyPanes panes(bar, [&state] { return state; });
    const auto shown = [&bar](const char* name) {
      const auto* label = bar.findChild<QLabel*>(QString::fromLatin1(name));
      return label->isHidden() ? QStringLiteral("hidden") : label->text();
    };
    const struct {
      LockKeyState state;
      QStringList panes;
    } cases[] = {
        {{}, {"hidden", "hidden", "hidden"}},
        {{false, false, false}, {"", "", ""}},
        {{true, false, true}, {"CAP", "", "SCRL"}},
        {{std::nullopt, true, false}, {"hidden", "NUM", ""}},
    };
    for (const auto& c : cases) {
      state = c.state;
      QCOMPARE(panes.Refresh(), c.state != LockKeyState{});
      const QStringList panesShown{shown("indicatorCaps"), shown("indicatorNum"),
                                   shown("indicatorScroll")};
      QCOMPARE(panesShown, c.panes);
    }
  }

  void splitSummaryBarListsEveryBlockSize() {
    f->data->results.responseCount = 3;
    f->frame->ShowSplitSummaryBar();
    QCOMPARE(Bars().size(), 1);
    DialogBar* bar = f->frame->CurrentDialogBar();
    QCOMPARE(bar->TemplateId(), SplitSummaryBarTemplate);
    QCOMPARE(ControlNames(*bar),
             (QStringList{"control1044", "control32787", "control32786", "control32788"}));
    const QComboBox* list = bar->DropDown(IdSplitSizeList);
    QCOMPARE(Items(*list),
             (QStringList{"after 1 response", "after each 2 responses", "after each 3 responses"}));
    QCOMPARE(f->frame->GetBarComboSelection(IdSplitSizeList), 2);

    f->data->results.responseCount = 0;
    f->frame->ShowSplitSummaryBar();
    QCOMPARE(Bars().size(), 1);
    QCOMPARE(Items(*f->frame->CurrentDialogBar()->DropDown(IdSplitSizeList)),
             QStringList{"after 1 response"});
    QCOMPARE(f->frame->GetBarComboSelection(IdSplitSizeList), -1);
  }

  void responseBarReplacesTheSplitBar() {
    f->data->results.responseCount = 2;
    f->frame->ShowSplitSummaryBar();
    QPointer<DialogBar> old = f->frame->CurrentDialogBar();
    f->frame->ShowResponseBar();
    QVERIFY(old.isNull());  // destroyed, not hidden
    QCOMPARE(Bars().size(), 1);
    DialogBar* bar = f->frame->CurrentDialogBar();
    QCOMPARE(bar->TemplateId(), ResponseBarTemplate);
    QCOMPARE(ControlNames(*bar), (QStringList{"control32787", "control32786", "control32788",
                                              "control1046", "control1057"}));
    QCOMPARE(Items(*bar->DropDown(IdObjectFilterList)),
             (QStringList{"ALL Objects", "CIRCLE", "CROSS", "SQUARE", "TRIANGEL"}));
    QCOMPARE(f->frame->GetBarComboSelection(IdObjectFilterList), 0);
    // Its buttons follow their commands.
    QVERIFY(bar->Control(IdCopy)->isEnabled());
    QCOMPARE(qobject_cast<QPushButton*>(bar->Control(IdExportCsv))->text(),
             QStringLiteral("E&xport csv"));
  }

  void barOperationsWithoutABar() {
    QCOMPARE(f->frame->ShowDialogBar(138), -1);
    QVERIFY(f->frame->CurrentDialogBar() == nullptr);
    QCOMPARE(f->frame->GetBarComboSelection(IdSplitSizeList), -1);
    f->frame->RemoveDialogBar();
    f->frame->ShowDialogBarVisible(1);
    f->frame->ShowBarControl(StartButtonId, 1);
    QVERIFY(Bars().isEmpty());
  }

  void fillAndSelectAList() {
    QCOMPARE(f->frame->ShowDialogBar(SplitSummaryBarTemplate), 0);
    f->frame->FillBarCombo(IdSplitSizeList, 1, {"a", "b", "c"});
    QCOMPARE(f->frame->GetBarComboSelection(IdSplitSizeList), 1);
    QCOMPARE(Items(*f->frame->CurrentDialogBar()->DropDown(IdSplitSizeList)),
             (QStringList{"a", "b", "c"}));
  }

  void barSurvivesFullScreenWithItsHiddenControls() {
    QCOMPARE(f->frame->ShowStartStopBar(), 0);
    QCOMPARE(ControlNames(*f->frame->CurrentDialogBar()), (QStringList{"control1042", "control1043"}));
    f->frame->ShowBarControl(StartButtonId, 0);
    f->frame->EnterFullScreen();
    QVERIFY(f->WaitForFullScreenView());
    QCOMPARE(Bars().size(), 1);
    DialogBar* bar = f->frame->CurrentDialogBar();
    QCOMPARE(bar->parentWidget(), &f->frame->View());
    QVERIFY(bar->Control(StartButtonId)->isHidden());
    QVERIFY(bar->isVisible());
    // Top right corner, clear of the figures and the header block.
    QCOMPARE(bar->geometry().right(), 799);
    QCOMPARE(bar->geometry().top(), 0);
    QVERIFY(bar->geometry().left() >= 710);
    QVERIFY(!f->frame->menuBar()->isVisible());
    QVERIFY(!f->frame->statusBar()->isVisible());

    f->frame->LeaveFullScreen();
    QCOMPARE(Bars().size(), 1);
    bar = f->frame->CurrentDialogBar();
    QVERIFY(bar->parentWidget() != &f->frame->View());
    QVERIFY(bar->Control(StartButtonId)->isHidden());
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(f->frame->menuBar()->isVisible());

    f->frame->ShowDialogBarVisible(0);
    QVERIFY(!bar->isVisible());
    f->frame->ShowDialogBarVisible(1);
    QTRY_VERIFY(bar->isVisible());
    f->frame->RemoveDialogBar();
    QVERIFY(Bars().isEmpty());
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::MainFrameTest)
#include "mainframe_test.moc"
