// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display/displayserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cmath>
#include <cstring>

namespace alacrity {
namespace {

// The path of the compositor's socket as libwayland-client finds it.
QString WaylandSocketPath() {
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
  if (QDir::isAbsolutePath(display)) return display;
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtime.isEmpty()) return {};
  return QDir(runtime).filePath(display);
}

// The process listening on a Unix socket: connects for a moment and asks
// the kernel who accepted. A compositor takes a client that connects and
// leaves without a word as it takes any client that quits.
pid_t SocketPeer(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  sockaddr_un address{};
  if (bytes.isEmpty() || static_cast<size_t>(bytes.size()) >= sizeof(address.sun_path)) return -1;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  pid_t pid = -1;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) {
    ucred credentials{};
    socklen_t length = sizeof(credentials);
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0) pid = credentials.pid;
  }
  ::close(fd);
  return pid;
}

}  // namespace

QString WaylandCompositorName() {
  const pid_t pid = SocketPeer(WaylandSocketPath());
  if (pid > 0) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (comm.open(QIODevice::ReadOnly)) {
      const QString name = QString::fromLocal8Bit(comm.readAll()).trimmed();
      if (!name.isEmpty()) return name;
    }
  }
  // A sandbox hides the peer; the session's desktop name is the next best.
  return qEnvironmentVariable("XDG_CURRENT_DESKTOP");
}

DisplayServer CurrentDisplayServer() {
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("xcb")) return {QStringLiteral("X11"), {}, false};
  if (platform.startsWith(QLatin1String("wayland"))) {
    return {QStringLiteral("Wayland"), WaylandCompositorName(), true};
  }
  return {platform, {}, false};
}

QString DisplayServerText(const DisplayServer& server) {
  if (server.compositor.isEmpty()) return server.name;
  return QStringLiteral("%1 (%2)").arg(server.name, server.compositor);
}

QString CompositorDelayNote(const DisplayServer& server, const QScreen* stimulusScreen) {
  if (!server.composited) return {};
  const QString who =
      server.compositor.isEmpty()
          ? QCoreApplication::translate("DisplayServer", "a %1 compositor").arg(server.name)
          : QCoreApplication::translate("DisplayServer", "the %1 compositor %2")
                .arg(server.name, server.compositor);
  const qreal hz = stimulusScreen != nullptr ? stimulusScreen->refreshRate() : 0;
  const QString frame = hz > 0 ? QCoreApplication::translate("DisplayServer", " (%1 ms at %2 Hz)")
                                     .arg(std::lround(1000.0 / hz))
                                     .arg(std::lround(hz))
                               : QString();
  return QCoreApplication::translate("DisplayServer",
                                     "Shown through %1: each picture reaches the screen about one "
                                     "frame%2 later than in an X11 session.")
      .arg(who, frame);
}

}  // namespace alacrity
