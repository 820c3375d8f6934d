// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serial_link.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "engine/host_clock.h"
#include "serial_devices.h"
#include "serial_port.h"

namespace alacrity {

namespace {

// The reader normally sleeps until a byte or the stop's wake-up arrives; this
// only bounds a stop whose wake-up write was somehow lost.
constexpr int ReaderWakeMs = 1000;

// The longest the reader leaves bytes queued on purpose: a small part of
// what the terminal's queue holds (4 KB, nearly three seconds of the box),
// and short enough that a silent box is still noticed within a second.
constexpr int64_t LongestReadPauseNs = 200'000'000;

bool InPortRange(int index) { return index >= 0 && index < SerialPortCount; }

void WakeReader(int wakeFd) {
  const uint64_t one = 1;
  // The counter cannot overflow from one write; a failure would only make the
  // reader notice the stop flag at its next periodic wake-up.
  (void)::write(wakeFd, &one, sizeof one);
}

// Sleeps `pauseNs` unless the stop's wake-up comes first: false then.
bool PauseUnlessStopped(int wake, int64_t pauseNs) {
  pollfd stop{wake, POLLIN, 0};
  const timespec timeout{static_cast<time_t>(pauseNs / 1'000'000'000),
                         static_cast<long>(pauseNs % 1'000'000'000)};
  // A signal cutting the pause short only means an early read.
  return ::ppoll(&stop, 1, &timeout, nullptr) <= 0 || stop.revents == 0;
}

}  // namespace

std::string SerialPortName(int index) {
  if (!InPortRange(index)) return "";
  return "COM" + std::to_string(index + 1);
}

std::string SerialDevicePath(int index) {
  if (!InPortRange(index)) return "";
  const std::string variable = "ALACRITY_" + SerialPortName(index);
  if (const char* device = std::getenv(variable.c_str()); device != nullptr && *device != '\0') {
    return device;
  }
  if (std::string assigned = AssignedSerialDevice(index); !assigned.empty()) return assigned;
  return "/dev/ttyS" + std::to_string(index);
}

SerialLink::~SerialLink() { SerialClose(); }

bool SerialLink::IsOpen() const { return m_fd != -1; }

int SerialLink::SerialOpen(int index) {
  const std::string path = SerialDevicePath(index);
  if (path.empty() && m_fd == -1) {
    m_openFailure = "no serial port number " + std::to_string(index + 1);
    return 0;
  }
  return SerialOpenDevice(path);
}

int SerialLink::SerialOpenDevice(const std::string& path) {
  if (m_fd != -1) {
    m_openFailure = path + ": already open";
    return 0;
  }
  m_readerEnded.store(false);
  m_path = path;
  if (path.empty()) {
    m_openFailure = "no serial device";
    return 0;
  }

  // A converter behind ftdi_sio holds bytes back for its latency timer
  // (16 ms by default); 1 ms where this user may set it. The settings
  // dialog tells the operator when that cannot be done.
  LowerLatencyTimer(path);
  const int port = serial_port::OpenBoxPort(path);
  if (port < 0) {
    m_openFailure = path + ": " +
                    (errno == ENOTTY ? "not a character device, so no serial port"
                                     : std::strerror(errno));
    return 0;
  }
  const int wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake < 0) {
    m_openFailure = path + ": " + std::strerror(errno);
    serial_port::ClosePort(port);
    return 0;
  }

  m_stop.store(false);
  m_readerReady.store(false);
  try {
    m_reader = std::thread(&SerialLink::SerialReader, this, port, wake);
  } catch (const std::exception&) {
    m_openFailure = path + ": the reader thread could not start";
    ::close(wake);
    serial_port::ClosePort(port);
    return 0;
  }
  m_openFailure.clear();
  m_fd = port;
  m_wakeFd = wake;
  // The reader purges the port as it starts; returning only afterwards means
  // every byte that arrives from now on reaches the engine.
  m_readerReady.wait(false);
  return 1;
}

void SerialLink::SerialClose() {
  if (m_fd == -1) return;
  m_stop.store(true);
  WakeReader(m_wakeFd);
  // After the join no byte can reach the engine any more.
  if (m_reader.joinable()) m_reader.join();
  serial_port::Purge(m_fd);
  ::close(m_wakeFd);
  serial_port::ClosePort(m_fd);
  m_wakeFd = -1;
  m_fd = -1;
}

void SerialLink::SerialReader(int port, int wake) {
  // Whatever queued before the run began is no part of it.
  serial_port::Purge(port);
  m_readerReady.store(true);
  m_readerReady.notify_one();
  // Every way out but a stop means the line is dead; the window polls this
  // to tell the operator, as the run would otherwise just freeze.
  if (!ReadUntilStopOrFailure(port, wake)) m_readerEnded.store(true);
}

bool SerialLink::ReadUntilStopOrFailure(int port, int wake) {
  std::array<uint8_t, SerialReadChunk> buffer;
  std::array<pollfd, 2> waits = {pollfd{port, POLLIN, 0}, pollfd{wake, POLLIN, 0}};
  int64_t pauseNs = 0;
  while (!m_stop.load()) {
    if (pauseNs > 0) {
      if (!PauseUnlessStopped(wake, pauseNs)) return true;
      OnReadPauseEnded(MonotonicNowNs());
      pauseNs = 0;
    }
    const int ready = ::poll(waits.data(), waits.size(), ReaderWakeMs);
    if (ready < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (m_stop.load() || waits[1].revents != 0) return true;
    const short events = waits[0].revents;
    if ((events & POLLIN) != 0) {
      const ssize_t got = ::read(port, buffer.data(), buffer.size());
      if (got > 0) {
        // Stamped before the bytes go on, so the engine can note when the
        // byte that starts a response count reached the host.
        if (m_sink == &OnDeviceByte) OnBytesReceived(MonotonicNowNs(), static_cast<std::size_t>(got));
        for (ssize_t i = 0; i < got; ++i) m_sink(buffer[static_cast<std::size_t>(i)]);
        // A full buffer may have left more queued: read on at once then.
        if (m_sink == &OnDeviceByte && static_cast<std::size_t>(got) < buffer.size()) {
          pauseNs = ReadPauseNs(LongestReadPauseNs);
        }
        continue;
      }
      // 0 is end of file: the device hung up (a USB adapter unplugged, the
      // far end of a pseudo-terminal closed). Any error other than "nothing
      // queued after all" is a failed line as well. Either ends the reader
      // as a failed wait does; the port stays open until SerialClose.
      if (got == 0 || (errno != EAGAIN && errno != EINTR)) return false;
    }
    // A hang-up that still had bytes queued was read above until read()
    // reported the end.
    if ((events & (POLLHUP | POLLERR | POLLNVAL)) != 0) return false;
  }
  return true;
}

}  // namespace alacrity
