// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Keys 1 to 4 held on the main window are buttons 1 to 4 of the keyboard box.
// Watches every key event of the application and reports the set of held
// keys as a button nibble whenever it changes. Auto-repeat is ignored, and
// everything counts as released when the window loses the keyboard, so a key
// let go elsewhere cannot stay held.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace alacrity {

class KeyboardBoxKeys : public QObject {
  Q_OBJECT

 public:
  KeyboardBoxKeys(QWidget* window, std::function<void(uint8_t)> setHeldKeys, QObject* parent = nullptr);

  uint8_t HeldKeys() const { return m_held; }
  // Keys held on this window count too: the window that shows the test on
  // another screen, where the subject's hands are.
  void AddWindow(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Set(uint8_t held);
  bool Watches(const QObject* window) const;

  QPointer<QWidget> m_window;
  QPointer<QWidget> m_otherWindow;
  std::function<void(uint8_t)> m_setHeldKeys;
  uint8_t m_held = 0;
};

}  // namespace alacrity
