// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adapters/keyboardboxkeys.h"

#include <QEvent>
#include <QKeyEvent>

namespace alacrity {
namespace {

// Bit of the button a key stands for; 0 for every other key.
uint8_t ButtonBit(int key) {
  switch (key) {
    case Qt::Key_1:
      return 1;
    case Qt::Key_2:
      return 2;
    case Qt::Key_3:
      return 4;
    case Qt::Key_4:
      return 8;
    default:
      return 0;
  }
}

}  // namespace

KeyboardBoxKeys::KeyboardBoxKeys(QWidget* window, std::function<void(uint8_t)> setHeldKeys,
                                 QObject* parent)
    : QObject(parent), m_window(window), m_setHeldKeys(std::move(setHeldKeys)) {}

void KeyboardBoxKeys::Set(uint8_t held) {
  if (held == m_held) return;
  m_held = held;
  if (m_setHeldKeys) m_setHeldKeys(held);
}

void KeyboardBoxKeys::AddWindow(QWidget* window) { m_otherWindow = window; }

bool KeyboardBoxKeys::Watches(const QObject* window) const {
  return window != nullptr && (window == m_window || window == m_otherWindow);
}

bool KeyboardBoxKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && Watches(widget->window())) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const uint8_t bit = ButtonBit(key->key());
      if (bit != 0 && !key->isAutoRepeat()) {
        Set(type == QEvent::KeyPress ? static_cast<uint8_t>(m_held | bit)
                                     : static_cast<uint8_t>(m_held & ~bit));
      }
    }
  } else if (type == QEvent::WindowDeactivate && Watches(watched)) {
    Set(0);
  }
  return false;
}

}  // namespace alacrity
