// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/presentation_wayland.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "display/waylandfeedback.h"
#include "display/waylandnative.h"
#include "presentation-time-client-protocol.h"

namespace alacrity {
namespace {

// The protocol names a request as its object's type; C++ sees the function.
using FeedbackProxy = struct wp_presentation_feedback;

// Qt's connection is shared: everything here lives on an event queue of
// its own, bound through a wrapper of the display, so Qt's thread never
// dispatches these events and this thread never dispatches Qt's. Both
// threads read the one socket through prepare_read, which hands each event
// to its queue whoever reads it. No wl_output is bound here: the compositor
// tells a surface which outputs it entered by every binding the client
// holds, and Qt takes any such binding for one of its own. Which outputs
// are virtual is read from Qt's screens instead.
class WaylandPresentationTimes final : public PresentationTimes {
 public:
  explicit WaylandPresentationTimes(PresentedSink sink) : m_sink(std::move(sink)) {}

  ~WaylandPresentationTimes() override {
    if (m_thread.joinable()) {
      m_stop.store(true);
      const uint64_t one = 1;
      [[maybe_unused]] const ssize_t written = ::write(m_stopFd, &one, sizeof(one));
      m_thread.join();
    }
    // The thread is gone: nothing dispatches any more.
    for (const std::unique_ptr<Feedback>& feedback : m_pending) {
      wp_presentation_feedback_destroy(feedback->proxy);
    }
    if (m_presentation != nullptr) wp_presentation_destroy(m_presentation);
    if (m_registry != nullptr) wl_registry_destroy(m_registry);
    if (m_wrapper != nullptr) wl_proxy_wrapper_destroy(m_wrapper);
    if (m_queue != nullptr) wl_event_queue_destroy(m_queue);
    if (m_stopFd >= 0) ::close(m_stopFd);
  }

  // Window thread: binds the protocol and starts reading.
  // False when the compositor does not offer the protocol.
  bool Start() {
    m_display = QtWaylandDisplay();
    if (m_display == nullptr) return false;
    m_stopFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stopFd < 0) return false;
    m_queue = wl_display_create_queue(m_display);
    m_wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(m_display));
    if (m_queue == nullptr || m_wrapper == nullptr) return false;
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(m_wrapper), m_queue);
    m_registry = wl_display_get_registry(m_wrapper);
    wl_registry_add_listener(m_registry, &RegistryListener, this);
    // The first round trip brings the globals, the second the clock.
    for (int trip = 0; trip < 2; ++trip) {
      if (wl_display_roundtrip_queue(m_display, m_queue) < 0) return false;
    }
    if (m_presentation == nullptr || m_clock.load() < 0) return false;
    m_thread = std::thread([this] { Read(); });
    return true;
  }

  void BeforeHandOver(QWindow& window, int32_t frame) override {
    wl_surface* surface = QtWaylandSurface(window);
    if (surface == nullptr || frame <= 0) return;
    auto feedback = std::make_unique<Feedback>();
    feedback->owner = this;
    feedback->frame = frame;
    feedback->onVirtual = OnVirtualOutput(window.screen());
    // Under the lock, so the thread finds the feedback in the list once
    // its answer comes (it cannot come before the commit that follows).
    const std::lock_guard lock(m_pendingMutex);
    feedback->proxy = wp_presentation_feedback(m_presentation, surface);
    if (feedback->proxy == nullptr) return;
    wp_presentation_feedback_add_listener(feedback->proxy, &FeedbackListener, feedback.get());
    m_pending.push_back(std::move(feedback));
  }

  void AfterHandOver(QWindow&, int32_t) override {
    // Qt sends its requests when its event loop next waits; the commit of
    // the stimulus goes now.
    wl_display_flush(m_display);
  }

  PresentationSupport Support() const override {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool allVirtual = !screens.isEmpty() && std::all_of(screens.begin(), screens.end(),
                                                              OnVirtualOutput);
    return {QStringLiteral("Wayland presentation-time"), true, allVirtual};
  }

 private:
  // Window thread: Qt's screen carries its output's make and model.
  static bool OnVirtualOutput(const QScreen* screen) {
    return screen != nullptr &&
           IsVirtualOutput(screen->manufacturer().toStdString(), screen->model().toStdString());
  }
  // One frame asked about. Written by the window thread until its listener
  // is set, then only by the presentation thread.
  struct Feedback {
    WaylandPresentationTimes* owner = nullptr;
    FeedbackProxy* proxy = nullptr;
    int32_t frame = 0;
    bool onVirtual = false;  // the window's screen, when asked, has no screen behind it
  };

  void Read() {
    const int fd = wl_display_get_fd(m_display);
    while (!m_stop.load()) {
      while (wl_display_prepare_read_queue(m_display, m_queue) != 0) {
        if (wl_display_dispatch_queue_pending(m_display, m_queue) < 0) return;
      }
      // Whatever the window thread asked since goes out (a full socket
      // buffer leaves the rest to Qt's next flush).
      wl_display_flush(m_display);
      pollfd fds[2] = {{fd, POLLIN, 0}, {m_stopFd, POLLIN, 0}};
      const int ready = ::poll(fds, 2, -1);
      if (ready > 0 && (fds[0].revents & POLLIN) != 0 && !m_stop.load()) {
        if (wl_display_read_events(m_display) < 0) return;  // the connection broke
      } else {
        wl_display_cancel_read(m_display);
        if (ready < 0 && errno != EINTR) return;
        if ((fds[0].revents & (POLLERR | POLLHUP)) != 0) return;
      }
      if (wl_display_dispatch_queue_pending(m_display, m_queue) < 0) return;
    }
  }

  void Finish(Feedback* feedback, const WaylandPresented* presented) {
    if (presented != nullptr) {
      // Read now, a few milliseconds after the frame: the clocks' rates
      // differ by far too little for that to matter.
      const ClockPair clock = ReadClockPair(static_cast<clockid_t>(m_clock.load()));
      const Presentation presentation = PresentationOf(*presented, clock, feedback->onVirtual);
      if (presentation.hostNs != 0 && m_sink) m_sink(feedback->frame, presentation);
    }
    // Both answers end the feedback object; the client frees its proxy.
    wp_presentation_feedback_destroy(feedback->proxy);
    const std::lock_guard lock(m_pendingMutex);
    std::erase_if(m_pending,
                  [feedback](const std::unique_ptr<Feedback>& f) { return f.get() == feedback; });
  }

  static void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t /*version*/) {
    auto* self = static_cast<WaylandPresentationTimes*>(data);
    if (std::strcmp(interface, wp_presentation_interface.name) == 0 &&
        self->m_presentation == nullptr) {
      self->m_presentation = static_cast<wp_presentation*>(
          wl_registry_bind(registry, name, &wp_presentation_interface, 1));
      wp_presentation_add_listener(self->m_presentation, &PresentationListener, self);
    }
  }

  static void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

  static void OnClock(void* data, wp_presentation*, uint32_t clock) {
    static_cast<WaylandPresentationTimes*>(data)->m_clock.store(static_cast<int>(clock));
  }

  // The output that timed the frame; the window's screen said already
  // whether it is virtual.
  static void OnSyncOutput(void*, FeedbackProxy*, wl_output*) {}

  static void OnPresented(void* data, FeedbackProxy*, uint32_t secondsHigh, uint32_t secondsLow,
                          uint32_t nanoseconds, uint32_t refresh, uint32_t sequenceHigh,
                          uint32_t sequenceLow, uint32_t flags) {
    auto* feedback = static_cast<Feedback*>(data);
    const WaylandPresented presented{.seconds = (uint64_t{secondsHigh} << 32) | secondsLow,
                                     .nanoseconds = nanoseconds,
                                     .refreshNs = refresh,
                                     .sequence = (uint64_t{sequenceHigh} << 32) | sequenceLow,
                                     .flags = flags};
    feedback->owner->Finish(feedback, &presented);
  }

  // A newer commit replaced the frame before any refresh showed it, or the
  // surface went: nothing is reported, and the record shows the stimulus
  // without a presented time.
  static void OnDiscarded(void* data, FeedbackProxy*) {
    auto* feedback = static_cast<Feedback*>(data);
    feedback->owner->Finish(feedback, nullptr);
  }

  static constexpr wl_registry_listener RegistryListener = {.global = OnGlobal,
                                                            .global_remove = OnGlobalRemove};
  static constexpr wp_presentation_listener PresentationListener = {.clock_id = OnClock};
  static constexpr wp_presentation_feedback_listener FeedbackListener = {
      .sync_output = OnSyncOutput, .presented = OnPresented, .discarded = OnDiscarded};

  PresentedSink m_sink;
  // Set by Start on the window thread before the presentation thread
  // exists; from then on only that thread dispatches their events.
  wl_display* m_display = nullptr;  // Qt's
  wl_event_queue* m_queue = nullptr;
  wl_display* m_wrapper = nullptr;  // the display's proxy on m_queue
  wl_registry* m_registry = nullptr;
  wp_presentation* m_presentation = nullptr;
  // Written by the compositor's events, read by the window thread.
  std::atomic<int> m_clock{-1};  // the presentation clock's clockid_t; -1 before it is said
  // Frames asked about and not yet answered: added by the window thread,
  // removed by the presentation thread.
  std::mutex m_pendingMutex;
  std::vector<std::unique_ptr<Feedback>> m_pending;
  int m_stopFd = -1;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

}  // namespace

std::unique_ptr<PresentationTimes> MakeWaylandPresentationTimes(PresentedSink sink) {
  auto times = std::make_unique<WaylandPresentationTimes>(std::move(sink));
  if (!times->Start()) return nullptr;
  return times;
}

}  // namespace alacrity
