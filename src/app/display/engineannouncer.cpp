// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/engineannouncer.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <cstdint>

#include "engine/engine.h"

namespace alacrity {
namespace {

// One eventfd for the life of the process, never closed: the reader thread
// may be inside the hook while the window that listens goes away, and a
// closed descriptor's number could meanwhile name another file.
int AnnounceFd() {
  static const int fd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  return fd;
}

// Runs on the reader thread between two bytes: one write, never blocking
// (the counter of a non-blocking eventfd cannot fill up from these).
void WriteAnnouncement() {
  const uint64_t one = 1;
  (void)::write(AnnounceFd(), &one, sizeof one);
}

// The announcer that listens now; window thread only.
EngineAnnouncer* g_listening = nullptr;

}  // namespace

EngineAnnouncer::EngineAnnouncer(std::function<void()> onAnnounce, QObject* parent)
    : QObject(parent), m_onAnnounce(std::move(onAnnounce)) {
  m_fd = AnnounceFd();
  if (m_fd < 0) return;
  // The newest window listens; an older one (tests make several) falls
  // silent rather than share the descriptor.
  if (g_listening != nullptr && g_listening->m_notifier != nullptr) {
    g_listening->m_notifier->setEnabled(false);
  }
  g_listening = this;
  m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &EngineAnnouncer::OnActivated);
  InstallAnnounceHook(&WriteAnnouncement);
}

EngineAnnouncer::~EngineAnnouncer() {
  if (g_listening == this) {
    InstallAnnounceHook(nullptr);
    g_listening = nullptr;
  }
  delete m_notifier;
}

void EngineAnnouncer::Consume() {
  // An older announcer must not take the newest one's announcements.
  if (m_fd < 0 || g_listening != this) return;
  uint64_t count = 0;
  // Resets the counter; several announcements since the last wake-up need
  // only one look at the engine.
  (void)::read(m_fd, &count, sizeof count);
}

void EngineAnnouncer::OnActivated() {
  Consume();
  if (m_onAnnounce) m_onAnnounce();
}

}  // namespace alacrity
