// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Keys 1 to 4 on the main window as the buttons of the keyboard box.

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include "adapters/keyboardboxkeys.h"

namespace alacrity::test {

class KeyboardBoxKeysTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QWidget> window;
  std::unique_ptr<KeyboardBoxKeys> keys;
  QList<int> reported;

  void Send(QEvent::Type type, Qt::Key key, bool autoRepeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(window.get(), &event);
  }

 private Q_SLOTS:
  void init() {
    window = std::make_unique<QWidget>();
    reported.clear();
    keys = std::make_unique<KeyboardBoxKeys>(window.get(), [this](uint8_t held) { reported.append(held); });
    qApp->installEventFilter(keys.get());
  }

  void cleanup() {
    keys.reset();
    window.reset();
  }

  void keysOneToFourAreTheFourButtons() {
    Send(QEvent::KeyPress, Qt::Key_1);
    Send(QEvent::KeyPress, Qt::Key_3);
    Send(QEvent::KeyPress, Qt::Key_4);
    Send(QEvent::KeyRelease, Qt::Key_1);
    Send(QEvent::KeyPress, Qt::Key_2);
    QCOMPARE(reported, (QList<int>{0b0001, 0b0101, 0b1101, 0b1100, 0b1110}));
    QCOMPARE(keys->HeldKeys(), 0b1110);
  }

  void otherKeysAndAutoRepeatChangeNothing() {
    Send(QEvent::KeyPress, Qt::Key_2);
    Send(QEvent::KeyPress, Qt::Key_5);
    Send(QEvent::KeyPress, Qt::Key_Space);
    // A held key repeats as release and press pairs; the button stays down.
    Send(QEvent::KeyRelease, Qt::Key_2, true);
    Send(QEvent::KeyPress, Qt::Key_2, true);
    QCOMPARE(reported, QList<int>{0b0010});
  }

  void keysOfOtherWindowsDoNotCount() {
    QWidget other;
    QKeyEvent event(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier);
    QCoreApplication::sendEvent(&other, &event);
    QVERIFY(reported.isEmpty());
    // A child of the main window is the main window.
    QWidget* child = new QWidget(window.get());
    QCoreApplication::sendEvent(child, &event);
    QCOMPARE(reported, QList<int>{0b0001});
  }

  void losingTheKeyboardReleasesEveryButton() {
    Send(QEvent::KeyPress, Qt::Key_1);
    Send(QEvent::KeyPress, Qt::Key_4);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(window.get(), &deactivate);
    QCOMPARE(reported.last(), 0);
    QCOMPARE(keys->HeldKeys(), 0);
  }
};

}  // namespace alacrity::test

QTEST_MAIN(alacrity::test::KeyboardBoxKeysTest)
#include "keyboardboxkeys_test.moc"
