// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Wakes the window thread as soon as the engine announces a change (a new
// phase, a new stimulus, other held buttons), instead of polling it: the
// engine's hook writes an eventfd on the reader thread, a socket notifier on
// the window thread reads it within one turn of the event loop. One
// announcer listens at a time; the newest one takes the engine's hook.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace alacrity {

class EngineAnnouncer : public QObject {
  Q_OBJECT

 public:
  // `onAnnounce` runs on the window thread once per wake-up, however many
  // announcements the reader made since the last one.
  explicit EngineAnnouncer(std::function<void()> onAnnounce, QObject* parent = nullptr);
  ~EngineAnnouncer() override;

  // False when no eventfd could be made: the window then only has its
  // safety-net timer.
  bool IsActive() const { return m_fd >= 0; }
  // Takes the announcements made so far without a call back: for a window
  // that has looked at the engine by itself and is about to act on it.
  void Consume();

 private:
  void OnActivated();

  int m_fd = -1;
  QSocketNotifier* m_notifier = nullptr;
  std::function<void()> m_onAnnounce;
};

}  // namespace alacrity
