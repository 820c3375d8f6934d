// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program without a mouse: a whole Perform with keys only (the menu by its
// mnemonics, the Perform dialog by Tab and Enter, Start and Stop by their keys,
// the buttons on the keyboard box), and every dialog's mnemonics, tab chain,
// default and cancel buttons in every interface language.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "adapters/keyboardboxkeys.h"
#include "application/language.h"
#include "apptestsupport.h"
#include "commandids.h"
#include "data/enums.h"
#include "dialogs/aboutdlg.h"
#include "dialogs/commdlg.h"
#include "dialogs/customdlg.h"
#include "dialogs/performdlg.h"
#include "dialogs/protocoldlg.h"
#include "dialogs/stimulusscreendlg.h"
#include "dialogs/subjectdlg.h"
#include "engine/engine.h"
#include "views/alacrityview.h"

namespace alacrity::test {
namespace {

// The key that a caption's "&" marks, empty without one.
QString Mnemonic(const QString& caption) { return QKeySequence::mnemonic(caption).toString(); }

QString CaptionOf(const QWidget* widget) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* box = qobject_cast<const QGroupBox*>(widget)) return box->title();
  return {};
}

// Presses `key` on whatever has the keyboard now.
void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr) target = QApplication::activeWindow();
  QVERIFY(target != nullptr);
  QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

  std::unique_ptr<FrameFixture> f;
  std::unique_ptr<MessageRecorder> boxes;
  std::unique_ptr<KeyboardBoxKeys> keys;
  uint8_t held = 0;

  CAlacrityView& View() { return f->frame->View(); }
  int32_t Phase() { return f->state->phase.load(); }

  // The box sends what the keys hold, one byte per tick; the view catches up
  // with every new phase on the way.
  void Ticks(int count) {
    for (int i = 0; i < count && f->state->done.load() == 0; ++i) {
      const int32_t before = Phase();
      Feed(held);
      if (Phase() != before)
        QTRY_COMPARE_WITH_TIMEOUT(View().Controller().ShownPhase(), Phase(), 2000);
    }
  }

  // Holds key 1..4 for a while and lets it go: one press of a box button.
  void PressBoxKey(int button) {
    QTest::keyPress(QApplication::focusWidget(), static_cast<Qt::Key>(Qt::Key_0 + button));
    QCOMPARE(held, static_cast<uint8_t>(1 << (button - 1)));
    Ticks(200);
    QTest::keyRelease(QApplication::focusWidget(), static_cast<Qt::Key>(Qt::Key_0 + button));
    QCOMPARE(held, uint8_t{0});
    Ticks(10);
  }

  // Answers the stimulus on screen with its own button.
  void AnswerStimulus() {
    for (int tick = 0; tick < 5000 && Phase() != WaitResponse; ++tick) Ticks(1);
    QCOMPARE(Phase(), WaitResponse);
    Ticks(110);  // past the first ticks, which never count
    const int32_t object =
        f->data->results.objectIndex[static_cast<std::size_t>(f->state->current.load())];
    PressBoxKey(object + 1);
  }

  // Runs `handle` on the dialog the next step shows modally, once it has
  // the keyboard.
  void WhenModal(std::function<void(QDialog&)> handle) {
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [poll, handle] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || !dialog->isActiveWindow()) return;
      poll->deleteLater();
      poll->stop();
      handle(*dialog);
    });
    poll->start(10);
  }

 private Q_SLOTS:
  void init() {
    f = std::make_unique<FrameFixture>();
    boxes = std::make_unique<MessageRecorder>();
    keys = std::make_unique<KeyboardBoxKeys>(f->frame.get(), [this](uint8_t now) { held = now; });
    keys->AddWindow(f->frame->StimulusWindow());
    qApp->installEventFilter(keys.get());
    f->frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->frame.get()));
  }

  void cleanup() {
    InstallLanguage(*QCoreApplication::instance(), QStringLiteral("en"));
    keys.reset();
    boxes.reset();
    f.reset();
  }

  void wholePerformWithKeysOnly() {
    f->data->customConfiguration.timingMode = Code(TimingMode::Fixed);
    f->data->customConfiguration.fixedTimeMs = 200;
    f->link->startResult = 0;  // the box is not switched on yet
    f->link->failure = "/dev/ttyS0: Input/output error";

    // Exercise > Perform by the mnemonics, the dialog by Tab and Enter.
    QTest::keyClick(f->frame.get(), Qt::Key_E, Qt::AltModifier);
    auto* menu = f->frame->findChild<QMenu*>(QStringLiteral("menuExercise"));
    QTRY_VERIFY(menu->isVisible());
    bool dialogSeen = false;
    WhenModal([&](QDialog& dialog) {
      dialogSeen = qobject_cast<CPerformDlg*>(&dialog) != nullptr;
      Press(Qt::Key_C, Qt::AltModifier);  // Custom
      Press(Qt::Key_Tab);                 // on to the number
      auto* number = dialog.findChild<QLineEdit*>(QStringLiteral("1025"));
      QCOMPARE(QApplication::focusWidget(), number);
      number->selectAll();
      QTest::keyClicks(number, QStringLiteral("3"));
      Press(Qt::Key_Return);  // the default button: OK
    });
    QTest::keyClick(menu, Qt::Key_P);
    QVERIFY(dialogSeen);
    QCOMPARE(View().Mode(), TestRun);
    // A window manager gives the keyboard back to the frame once the dialog
    // is gone; the offscreen platform has none.
    f->frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->frame.get()));
    QCOMPARE(f->state->stimulusCount.load(), 3);

    // The link failed; Start (F5) tries again once the box is on.
    QTRY_COMPARE(boxes->messages.size(), 1);
    QVERIFY(boxes->messages.first().startsWith(QStringLiteral("Error in communication")));
    f->link->Stop();
    f->link->startResult = 1;
    Press(Qt::Key_F5);
    QVERIFY(f->link->active);

    // The subject starts with any button and answers two stimuli; the
    // operator stops the third with Esc.
    PressBoxKey(1);
    AnswerStimulus();
    AnswerStimulus();
    Press(Qt::Key_Escape);
    QTRY_COMPARE(f->data->idle, 1);
    QCOMPARE(f->data->results.responseCount, 2);
    QVERIFY(!f->frame->IsFullScreenMode());
    QCOMPARE(View().Mode(), Result);
  }

  void everyDialogByKeyboard_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("language");
    for (const char* language : {"en", "de", "fr", "es"}) {
      for (int which = 0; which < 7; ++which) {
        const QByteArray row = QByteArray(language) + ' ' + QByteArray::number(which);
        QTest::newRow(row.constData()) << which << QString::fromLatin1(language);
      }
    }
  }
  void everyDialogByKeyboard() {
    QFETCH(int, which);
    QFETCH(QString, language);
    InstallLanguage(*QCoreApplication::instance(), language);
    DocumentData& data = *f->data;
    PerformChoice choice;
    std::unique_ptr<QDialog> dialog;
    switch (which) {
      case 0:
        dialog = std::make_unique<CCustomDlg>(data);
        break;
      case 1:
        dialog = std::make_unique<CProtocolDlg>(data, QString());
        break;
      case 2:
        dialog = std::make_unique<CPerformDlg>(data, QString(), choice);
        break;
      case 3:
        dialog = std::make_unique<CCommDlg>(data);
        break;
      case 4:
        dialog = std::make_unique<CSubjectDlg>(data);
        break;
      case 5:
        dialog = std::make_unique<CAboutDlg>();
        break;
      default:
        dialog = std::make_unique<CStimulusScreenDlg>();
        break;
    }
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    // OK is the default button (Enter), as long as no other button has the
    // keyboard.
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("1"));
    QVERIFY(ok != nullptr && ok->isDefault());

    // Each mnemonic once, and every marked label leads somewhere.
    QStringList seen;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
      const QString key = Mnemonic(CaptionOf(widget));
      if (key.isEmpty() || !widget->isVisible()) continue;
      QVERIFY2(!seen.contains(key), qPrintable(CaptionOf(widget)));
      seen.append(key);
      if (const auto* label = qobject_cast<QLabel*>(widget))
        QVERIFY2(label->buddy(), qPrintable(label->text()));
    }

    // Tab reaches every control that takes the keyboard, and comes round.
    QList<QWidget*> reachable;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
      if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
          !qobject_cast<QGroupBox*>(widget) && widget->focusProxy() == nullptr) {
        reachable.append(widget);
      }
    }
    QSet<QWidget*> visited;
    for (int step = 0; step < 4 * reachable.size() + 4; ++step) {
      visited.insert(QApplication::focusWidget());
      Press(Qt::Key_Tab);
    }
    for (QWidget* widget : reachable) {
      // Radio buttons of a group share one tab stop: the arrows move on.
      if (qobject_cast<QAbstractButton*>(widget) &&
          static_cast<QAbstractButton*>(widget)->autoExclusive())
        continue;
      QVERIFY2(visited.contains(widget),
               qPrintable(widget->objectName() + QLatin1Char(' ') + CaptionOf(widget)));
    }

    // Esc cancels.
    Press(Qt::Key_Escape);
    QTRY_VERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::KeyboardTest)
#include "keyboard_test.moc"
