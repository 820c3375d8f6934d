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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Set(uint8_t held);

  QPointer<QWidget> m_window;
  std::function<void(uint8_t)> m_setHeldKeys;
  uint8_t m_held = 0;
};

}  // namespace alacrity
