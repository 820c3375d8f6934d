// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Caps Lock, Num Lock and Scroll Lock state as the window system keeps
// it, and the status-bar panes that show it. One reader per platform, chosen
// by the build: lockkeys_x11.cpp asks the X server's keyboard indicators,
// lockkeys_none.cpp knows nothing.

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QLabel;
class QStatusBar;

namespace alacrity {

// Each lock is on, off, or unknown where the platform does not say (the
// offscreen platform, Wayland, a build without X11, a keyboard map that
// names no such indicator).
struct LockKeyState {
  std::optional<bool> caps;
  std::optional<bool> num;
  std::optional<bool> scroll;
  bool operator==(const LockKeyState&) const = default;
};

LockKeyState ReadLockKeys();

// The three panes "CAP", "NUM" and "SCRL" at the right of a status bar. Each
// shows its text while its lock is on and stands empty while it is off; a
// pane whose lock is unknown is hidden: better left out than showing a fixed
// text.
class LockKeyPanes : public QObject {
  Q_OBJECT

 public:
  using Reader = std::function<LockKeyState()>;
  explicit LockKeyPanes(QStatusBar& bar, Reader reader = ReadLockKeys);

  // Reads the state now and shows it; false when no lock is known.
  bool Refresh();
  // Polling stops while the status bar is out of sight (a test covering the
  // screen): the timer that puts the stimuli on screen shares the thread.
  void SetFollowing(bool follow);

 private:
  Reader m_reader;
  QLabel* m_caps = nullptr;
  QLabel* m_num = nullptr;
  QLabel* m_scroll = nullptr;
  QTimer m_poll;
};

}  // namespace alacrity
