// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Linux terminal settings for the response box's port. The kernel's termios2
// (from <asm/termbits.h>) is the only way to ask for 14400 baud, which has no
// Bnnnn constant; that header redefines struct termios and so must never meet
// <termios.h>, which is why every termios detail of the link lives here.

#include "serial_port.h"

#include <asm/termbits.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "serial_link.h"

namespace alacrity::serial_port {

namespace {

LineFlags FromKernel(const termios2& settings) {
  return LineFlags{.input = settings.c_iflag,
                   .output = settings.c_oflag,
                   .control = settings.c_cflag,
                   .local = settings.c_lflag,
                   .minBytes = settings.c_cc[VMIN],
                   .timeoutDeciseconds = settings.c_cc[VTIME],
                   .inputSpeed = settings.c_ispeed,
                   .outputSpeed = settings.c_ospeed};
}

void ToKernel(const LineFlags& flags, termios2& settings) {
  settings.c_iflag = flags.input;
  settings.c_oflag = flags.output;
  settings.c_cflag = flags.control;
  settings.c_lflag = flags.local;
  settings.c_cc[VMIN] = flags.minBytes;
  settings.c_cc[VTIME] = flags.timeoutDeciseconds;
  settings.c_ispeed = flags.inputSpeed;
  settings.c_ospeed = flags.outputSpeed;
}

// Read-modify-write, so that whatever the box does not care about stays as
// the port had it. A device that is no terminal keeps what it has.
void ApplyBoxSettings(int fd) {
  termios2 settings{};
  if (::ioctl(fd, TCGETS2, &settings) != 0) return;
  ToKernel(BoxLineFlags(FromKernel(settings)), settings);
  (void)::ioctl(fd, TCSETS2, &settings);
}

}  // namespace

LineFlags BoxLineFlags(const LineFlags& port) {
  LineFlags box = port;

  // Every byte is a tick, so nothing may be dropped, inserted or changed on
  // the way in: no break or parity-error handling that swallows a byte
  // (IGNBRK, IGNPAR) or marks it with extra bytes (PARMRK), no stripping of
  // the eighth bit, no CR/LF translation, and no software flow control, which
  // would eat the status bytes 0x11 and 0x13 as XON/XOFF. Parity checking is
  // on, as the box's settings have always had it; with no parity bit a
  // framing error then arrives as a 0 byte, which still counts as a tick.
  box.input &= ~static_cast<uint32_t>(IGNBRK | BRKINT | IGNPAR | PARMRK | ISTRIP | INLCR |
                                      IGNCR | ICRNL | IUCLC | IXON | IXOFF | IXANY | IMAXBEL);
  box.input |= INPCK;

  // The link never writes to the box.
  box.output &= ~static_cast<uint32_t>(OPOST);

  // 14400 baud as a custom rate for both directions (an input field of 0
  // means "as the output"), 5 data bits, no parity, one stop bit, receiver
  // on, and CLOCAL so that the box's missing carrier line neither blocks the
  // open nor hangs the port up. No RTS/CTS: the box has no handshake.
  box.control &= ~static_cast<uint32_t>(CBAUD | CIBAUD | CSIZE | PARENB | PARODD | CMSPAR |
                                        CSTOPB | CRTSCTS);
  box.control |= BOTHER | CS5 | CREAD | CLOCAL;
  box.inputSpeed = static_cast<uint32_t>(SerialBaudRate);
  box.outputSpeed = static_cast<uint32_t>(SerialBaudRate);

  // Raw input: no line editing, no echo back to the box, and no signals from
  // status bytes that happen to equal ^C or ^Z.
  box.local &= ~static_cast<uint32_t>(ICANON | ECHO | ECHOE | ECHOK | ECHONL | ECHOCTL |
                                      ECHOPRT | ECHOKE | ISIG | IEXTEN);

  // A read returns what is queued at once; the reader waits in poll().
  box.minBytes = 0;
  box.timeoutDeciseconds = 0;
  return box;
}

bool UsesCustomRate(uint32_t control) { return (control & CBAUD) == BOTHER; }

int DataBits(uint32_t control) {
  switch (control & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
  }
}

std::optional<LineFlags> ReadLineFlags(int fd) {
  termios2 settings{};
  if (::ioctl(fd, TCGETS2, &settings) != 0) return std::nullopt;
  return FromKernel(settings);
}

int OpenBoxPort(const std::string& path) {
  // Non-blocking: an open must not wait for a carrier the box does not give.
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  // A regular file or a pipe would be read as a stream of buttons in no
  // time at all: only a terminal device can have a box behind it.
  if (struct stat status{}; ::fstat(fd, &status) != 0 || !S_ISCHR(status.st_mode)) {
    (void)::close(fd);
    errno = ENOTTY;
    return -1;
  }
  // No other program may open the port while a run owns it (root may).
  (void)::ioctl(fd, TIOCEXCL);
  ApplyBoxSettings(fd);
  // DTR and RTS stay asserted for the whole run, as the box expects. A
  // pseudo-terminal has no modem lines and answers ENOTTY; nothing to do.
  int lines = TIOCM_DTR | TIOCM_RTS;
  (void)::ioctl(fd, TIOCMBIS, &lines);
  Purge(fd);
  return fd;
}

void Purge(int fd) { (void)::ioctl(fd, TCFLSH, TCIOFLUSH); }

void ClosePort(int fd) {
  (void)::ioctl(fd, TIOCNXCL);
  // A close interrupted by a signal has still released the descriptor on
  // Linux; retrying could close someone else's.
  (void)::close(fd);
}

}  // namespace alacrity::serial_port
