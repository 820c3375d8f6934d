#include "engineannouncer.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <atomic>
#include <cstdint>

#include "engine/engine.h"

namespace alacrity {
namespace {

// Written on the window thread as announcers come and go, read by the hook
// on the reader thread.
std::atomic<int> g_announceFd{-1};

// Runs on the reader thread between two bytes: one write, never blocking
// (the counter of a non-blocking eventfd cannot fill up from these).
void WriteAnnouncement() {
  const int fd = g_announceFd.load(std::memory_order_relaxed);
  if (fd < 0) return;
  const uint64_t one = 1;
  (void)::write(fd, &one, sizeof one);
}

}  // namespace

EngineAnnouncer::EngineAnnouncer(std::function<void()> onAnnounce, QObject* parent)
    : QObject(parent), m_onAnnounce(std::move(onAnnounce)) {
  m_fd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (m_fd < 0) return;
  m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &EngineAnnouncer::OnActivated);
  g_announceFd.store(m_fd);
  InstallAnnounceHook(&WriteAnnouncement);
}

EngineAnnouncer::~EngineAnnouncer() {
  if (m_fd < 0) return;
  // Another announcer may have taken over meanwhile; only our own descriptor
  // is withdrawn. A write racing with the close hits a closed or reused
  // descriptor number only if the reader runs past this, and no run outlives
  // the window that shows it.
  int mine = m_fd;
  if (g_announceFd.compare_exchange_strong(mine, -1)) InstallAnnounceHook(nullptr);
  delete m_notifier;
  ::close(m_fd);
}

void EngineAnnouncer::OnActivated() {
  uint64_t count = 0;
  // Resets the counter; several announcements since the last wake-up need
  // only one look at the engine.
  (void)::read(m_fd, &count, sizeof count);
  if (m_onAnnounce) m_onAnnounce();
}

}  // namespace alacrity
