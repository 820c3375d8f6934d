// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/presentation_x11.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>

#include <xcb/present.h>
#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "display/x11frameclock.h"
#include "engine/host_clock.h"

namespace alacrity {
namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t AtomNamed(xcb_connection_t* connection, std::string_view name, bool onlyIfExists) {
  const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, onlyIfExists ? 1 : 0, static_cast<uint16_t>(name.size()), name.data()),
      nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A compositing manager owns the screen's _NET_WM_CM_Sn selection while it
// runs (EWMH).
bool HasCompositor(xcb_connection_t* connection, int screen) {
  const xcb_atom_t selection =
      AtomNamed(connection, "_NET_WM_CM_S" + std::to_string(screen), true);
  if (selection == XCB_ATOM_NONE) return false;
  const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
      connection, xcb_get_selection_owner(connection, selection), nullptr));
  return owner && owner->owner != XCB_WINDOW_NONE;
}

// The number of the X screen whose root is `root`; 0 when none is.
int ScreenWithRoot(xcb_connection_t* connection, xcb_window_t root) {
  int number = 0;
  for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem > 0;
       xcb_screen_next(&it), ++number) {
    if (it.data->root == root) return number;
  }
  return 0;
}

int ScreenOfWindow(xcb_connection_t* connection, xcb_window_t window) {
  const Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
  return geometry ? ScreenWithRoot(connection, geometry->root) : 0;
}

// The screen Qt's connection opened, as libxcb reads it from $DISPLAY.
int DefaultScreen() {
  char* host = nullptr;
  int display = 0;
  int screen = 0;
  const int parsed = xcb_parse_display(nullptr, &host, &display, &screen);
  std::free(host);
  return parsed != 0 ? screen : 0;
}

xcb_window_t RootOf(xcb_connection_t* connection, int screen) {
  auto it = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int number = 0; it.rem > 0 && number < screen; ++number) xcb_screen_next(&it);
  return it.rem > 0 ? it.data->root : xcb_window_t{XCB_WINDOW_NONE};
}

// Xwayland names its outputs XWAYLAND0, XWAYLAND1, ...
bool IsXwayland(xcb_connection_t* connection, xcb_window_t root) {
  const xcb_query_extension_reply_t* randr = xcb_get_extension_data(connection, &xcb_randr_id);
  if (randr == nullptr || randr->present == 0) return false;
  const Reply<xcb_randr_query_version_reply_t> version(xcb_randr_query_version_reply(
      connection, xcb_randr_query_version(connection, 1, 3), nullptr));
  if (!version || (version->major_version == 1 && version->minor_version < 3)) return false;
  const Reply<xcb_randr_get_screen_resources_current_reply_t> resources(
      xcb_randr_get_screen_resources_current_reply(
          connection, xcb_randr_get_screen_resources_current(connection, root), nullptr));
  if (!resources) return false;
  const xcb_randr_output_t* outputs = xcb_randr_get_screen_resources_current_outputs(resources.get());
  const int count = xcb_randr_get_screen_resources_current_outputs_length(resources.get());
  for (int i = 0; i < count; ++i) {
    const Reply<xcb_randr_get_output_info_reply_t> info(xcb_randr_get_output_info_reply(
        connection, xcb_randr_get_output_info(connection, outputs[i], resources->config_timestamp),
        nullptr));
    if (!info) continue;
    const std::string_view name(reinterpret_cast<const char*>(xcb_randr_get_output_info_name(info.get())),
                                static_cast<std::size_t>(xcb_randr_get_output_info_name_length(info.get())));
    if (name.substr(0, 8) == "XWAYLAND") return true;
  }
  return false;
}

// A server whose driver tells Present nothing of its blanks reports no
// capabilities and counts a made-up 60 Hz by a timer (Xvfb does so);
// Xwayland counts its compositor's frame callbacks.
bool FrameClockSimulated(xcb_connection_t* connection, xcb_window_t root) {
  const Reply<xcb_present_query_capabilities_reply_t> capabilities(
      xcb_present_query_capabilities_reply(
          connection, xcb_present_query_capabilities(connection, root), nullptr));
  if (!capabilities || capabilities->capabilities == XCB_PRESENT_CAPABILITY_NONE) return true;
  return IsXwayland(connection, root);
}

class X11PresentationTimes final : public QObject, public PresentationTimes {
 public:
  X11PresentationTimes(xcb_connection_t* connection, bool simulated, PresentedSink sink)
      : m_connection(connection),
        m_simulated(simulated),
        m_sink(std::move(sink)),
        m_bypassAtom(AtomNamed(connection, "_NET_WM_BYPASS_COMPOSITOR", false)),
        m_compositor(HasCompositor(connection, DefaultScreen())) {
    m_thread = std::thread([this] { Run(); });
  }

  ~X11PresentationTimes() override {
    {
      const std::lock_guard lock(m_mutex);
      m_stopping = true;
    }
    m_changed.notify_one();
    // The thread ends once every frame asked about is answered: a frame
    // later at most (a second on a blanked screen).
    m_thread.join();
    for (const auto& watch : m_watches) {
      // An empty mask ends the selection, so that no late answer reaches
      // Qt's own queue.
      if (!watch->gone) xcb_present_select_input(m_connection, watch->eid, watch->id, 0);
      xcb_unregister_for_special_event(m_connection, watch->queue);
    }
    xcb_flush(m_connection);
  }

  void BeforeHandOver(QWindow& window, int32_t frame) override {
    (void)frame;
    // Registered now, the window's first look at its clock is not in the
    // way after the hand-over.
    WatchFor(window);
  }

  void AfterHandOver(QWindow& window, int32_t frame) override { Ask(WatchFor(window), frame, NextFrame); }

  void PrepareStimulusWindow(QWindow& window) override {
    Watch& watch = WatchFor(window);
    m_compositor = HasCompositor(m_connection, watch.screen);
    watch.prepared = true;
    SetBypassCompositor(watch, true);
  }

  PresentationSupport Support() const override {
    PresentationSupport support;
    support.method = QStringLiteral("X Present");
    support.simulated = m_simulated;
    const int screen = m_watches.empty() ? DefaultScreen() : m_watches.back()->screen;
    support.compositor = HasCompositor(m_connection, screen);
    return support;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
      ForgetWindow(watched);
    } else if (event->type() == QEvent::WindowStateChange) {
      for (const auto& watch : m_watches) {
        if (watch->window == watched && !watch->gone && watch->prepared) {
          SetBypassCompositor(*watch, (watch->window->windowStates() & Qt::WindowFullScreen) != 0);
        }
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  // One window asked about, with its event selection and special queue.
  struct Watch {
    QWindow* window = nullptr;  // compared, used only until gone
    xcb_window_t id = XCB_WINDOW_NONE;
    uint32_t eid = 0;
    xcb_special_event_t* queue = nullptr;
    int screen = 0;
    // Window thread only.
    bool gone = false;      // its native window is being or was destroyed
    bool prepared = false;  // a stimulus window: no compositor while full screen
    // Presentation thread only: the window's earliest answer, which its
    // refresh interval is measured from.
    std::optional<FrameClockAnswer> reference;
  };
  // A frame asked about, until it is answered.
  struct Asked {
    Watch* watch = nullptr;
    uint32_t serial = 0;
    int32_t frame = 0;  // 0: no stimulus (a first look at a clock, or a wake-up)
    int64_t askedNs = 0;
    X11Display display;
  };
  enum When { NextFrame, AtOnce };

  Watch& WatchFor(QWindow& window) {
    const auto id = static_cast<xcb_window_t>(window.winId());
    for (const auto& watch : m_watches) {
      if (watch->window == &window && watch->id == id && !watch->gone) return *watch;
    }
    auto watch = std::make_unique<Watch>();
    watch->window = &window;
    watch->id = id;
    watch->eid = xcb_generate_id(m_connection);
    // The queue first: an answer that came before it would go to Qt's own.
    watch->queue = xcb_register_for_special_xge(m_connection, &xcb_present_id, watch->eid, nullptr);
    xcb_present_select_input(m_connection, watch->eid, id, XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY);
    watch->screen = ScreenOfWindow(m_connection, id);
    m_compositor = HasCompositor(m_connection, watch->screen);
    window.installEventFilter(this);
    Watch& added = *watch;
    m_watches.push_back(std::move(watch));
    // The first look at the window's frame clock is the reference its
    // refresh interval is measured from.
    Ask(added, 0, NextFrame);
    return added;
  }

  void Ask(Watch& watch, int32_t frame, When when) {
    const uint32_t serial = ++m_serial;
    {
      const std::lock_guard lock(m_mutex);
      m_asks.push_back({&watch, serial, frame, MonotonicNowNs(), {m_simulated, m_compositor}});
    }
    m_changed.notify_one();
    // Divisor 1 asks for the first blank after the server handles the
    // request, which comes right after the frame's image; divisor 0 with a
    // target in the past is answered as the request is handled.
    xcb_present_notify_msc(m_connection, watch.id, serial, 0, when == NextFrame ? 1 : 0, 0);
    xcb_flush(m_connection);
  }

  // The window's native window is about to be destroyed, which drops the
  // blanks asked about in it unanswered: an answer at once, sent ahead of
  // the destruction, keeps the thread from waiting for them for ever.
  void ForgetWindow(const QObject* window) {
    for (const auto& watch : m_watches) {
      if (watch->window != window || watch->gone) continue;
      bool owed = false;
      {
        const std::lock_guard lock(m_mutex);
        for (const Asked& asked : m_asks) owed = owed || asked.watch == watch.get();
      }
      if (owed) Ask(*watch, 0, AtOnce);
      watch->gone = true;
    }
  }

  // EWMH: 1 asks a compositor to leave the window alone, so that its frames
  // reach the screen as they are; a compositor that honours it unredirects
  // a full-screen window.
  void SetBypassCompositor(const Watch& watch, bool bypass) {
    if (m_bypassAtom == XCB_ATOM_NONE) return;
    if (bypass) {
      const uint32_t one = 1;
      xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, watch.id, m_bypassAtom,
                          XCB_ATOM_CARDINAL, 32, 1, &one);
    } else {
      xcb_delete_property(m_connection, watch.id, m_bypassAtom);
    }
    xcb_flush(m_connection);
  }

  // The presentation thread.
  void Run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
      m_changed.wait(lock, [this] { return m_stopping || !m_asks.empty(); });
      if (m_asks.empty()) return;
      Watch* watch = m_asks.front().watch;
      lock.unlock();
      // Only while an answer is owed: the oldest ask's is certain to come.
      const Reply<xcb_generic_event_t> event(xcb_wait_for_special_event(m_connection, watch->queue));
      const int64_t readNs = MonotonicNowNs();
      lock.lock();
      if (!event) {
        // The connection broke: nothing owed will come.
        m_asks.clear();
        return;
      }
      auto* generic = reinterpret_cast<xcb_present_generic_event_t*>(event.get());
      if (generic->evtype != XCB_PRESENT_COMPLETE_NOTIFY) continue;
      const auto* complete = reinterpret_cast<xcb_present_complete_notify_event_t*>(event.get());
      const auto answered = std::find_if(m_asks.begin(), m_asks.end(), [&](const Asked& asked) {
        return asked.watch == watch && asked.serial == complete->serial;
      });
      if (answered == m_asks.end()) continue;
      const Asked asked = *answered;
      // A window's blanks are answered in order: what was asked in it
      // before is answered already, or was dropped with the window.
      std::deque<Asked> owed;
      for (auto it = m_asks.begin(); it != m_asks.end(); ++it) {
        if (it->watch != watch || it > answered) owed.push_back(*it);
      }
      m_asks = std::move(owed);
      lock.unlock();
      Report(*watch, asked, {complete->msc, complete->ust}, readNs);
      lock.lock();
    }
  }

  // The presentation thread.
  void Report(Watch& watch, const Asked& asked, const FrameClockAnswer& answer, int64_t readNs) {
    const std::optional<Presentation> presented =
        PresentationOfAnswer(answer, watch.reference, asked.display, asked.askedNs, readNs);
    if (!presented) return;
    if (!watch.reference || presented->refreshNs == 0) watch.reference = answer;
    if (asked.frame > 0) m_sink(asked.frame, *presented);
  }

  xcb_connection_t* const m_connection;
  const bool m_simulated;
  const PresentedSink m_sink;
  const xcb_atom_t m_bypassAtom;

  // Window thread only. Watches of destroyed windows are kept until the
  // thread has ended: it may be waiting on their queues.
  std::vector<std::unique_ptr<Watch>> m_watches;
  uint32_t m_serial = 0;
  bool m_compositor = false;  // as last looked at

  // Guarded by m_mutex: the window thread asks and stops, the presentation
  // thread takes the answered asks off.
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<Asked> m_asks;
  bool m_stopping = false;

  std::thread m_thread;
};

}  // namespace

std::unique_ptr<PresentationTimes> MakeX11PresentationTimes(PresentedSink sink) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return nullptr;
  const xcb_query_extension_reply_t* present = xcb_get_extension_data(connection, &xcb_present_id);
  if (present == nullptr || present->present == 0) return nullptr;
  const Reply<xcb_present_query_version_reply_t> version(xcb_present_query_version_reply(
      connection,
      xcb_present_query_version(connection, XCB_PRESENT_MAJOR_VERSION, XCB_PRESENT_MINOR_VERSION),
      nullptr));
  if (!version) return nullptr;
  const bool simulated = FrameClockSimulated(connection, RootOf(connection, DefaultScreen()));
  return std::make_unique<X11PresentationTimes>(connection, simulated, std::move(sink));
}

}  // namespace alacrity
