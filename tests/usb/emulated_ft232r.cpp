// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "emulated_ft232r.h"

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <umockdev.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <utility>

namespace alacrity::testing {

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint8_t BulkInEndpoint = 0x81;
constexpr uint8_t BulkOutEndpoint = 0x02;
constexpr std::size_t SetupSize = 8;
constexpr std::size_t CharactersPerPacket = EmulatedFt232r::PacketSize - 2;
// What an FT232R reports in every packet: CTS and DSR up (0x31 with the
// fixed bit), transmitter empty (0x60).
constexpr std::array<uint8_t, 2> ModemStatus = {0x31, 0x60};
constexpr uint8_t PowerUpLatencyMs = 16;

// Device descriptor (bcdDevice 6.00 makes libftdi take it for an FT232R;
// strings 1, 2, 3), then the one configuration: one vendor-specific
// interface with a bulk-in and a bulk-out endpoint of 64 bytes.
constexpr const char* DescriptorsHex =
    "12010002000000400304016000060102030109022000010100a02d"
    "0904000002ffffff020705810240000007050202400000";

// A USB string descriptor: length, type 3, UTF-16LE text (ASCII here).
std::vector<uint8_t> StringDescriptor(const std::string& text) {
  std::vector<uint8_t> out = {static_cast<uint8_t>(2 + 2 * text.size()), 3};
  for (const char c : text) {
    out.push_back(static_cast<uint8_t>(c));
    out.push_back(0);
  }
  return out;
}

void Unref(UMockdevIoctlData* data) {
  if (data != nullptr) g_object_unref(data);
}

}  // namespace

uint32_t Ft232rDivisorEighths(uint16_t value, uint16_t index) {
  // The fraction code is spread over the value's top two bits and the
  // index's lowest; it names eighths in this order.
  static constexpr std::array<uint32_t, 8> Eighths = {0, 4, 2, 1, 3, 5, 6, 7};
  const uint32_t whole = value & 0x3FFFu;
  if (whole <= 1) return 0;  // 0 and 1 are the 3 MHz and 2 MHz codes
  const uint32_t code = ((value >> 14) & 3u) | ((index & 1u) << 2);
  return whole * 8 + Eighths[code];
}

// One transfer libusb submitted: the client's urb (resolved), its buffer,
// and what the chip has put into it so far.
struct Urb {
  UMockdevIoctlData* urb = nullptr;
  UMockdevIoctlData* buffer = nullptr;
  std::vector<uint8_t> data;
  int status = 0;
  int failWith = 0;  // a failure status it is to end with, its data lost
};

struct EmulatedFt232r::Converter {
  std::string devnode;     // /dev/bus/usb/001/NNN
  std::string realNode;    // the testbed's file behind it
  std::string product;
  std::string serial;
  int doorbell = -1;       // our end of the node, a FIFO: see UpdateDoorbell
  bool rung = true;

  bool plugged = true;
  bool claimed = false;
  bool halted = false;
  int failNext = 0;
  int clearHalts = 0;
  uint8_t latencyMs = PowerUpLatencyMs;
  bool rts = false;
  std::vector<ControlTransfer> controls;

  Clock::time_point receiveStart;
  int64_t received = 0;
  int64_t delivered = 0;
  int64_t lost = 0;
  std::unique_ptr<BoxByteSource> source;
  std::deque<std::pair<uint8_t, Clock::time_point>> fifo;
  Clock::time_point lastPacketAt;
  DeliveryHook hook;

  std::deque<Urb> pendingIn;  // bulk-in transfers waiting for the chip
  std::deque<Urb> completed;  // done, waiting to be reaped

  ~Converter() {
    for (auto* list : {&pendingIn, &completed}) {
      for (Urb& urb : *list) {
        Unref(urb.buffer);
        Unref(urb.urb);
      }
    }
    if (doorbell != -1) ::close(doorbell);
  }
};

struct EmulatedFt232r::Shared {
  UMockdevTestbed* testbed = nullptr;
  UMockdevIoctlBase* handler = nullptr;
  mutable std::mutex mutex;
  std::vector<std::unique_ptr<Converter>> converters;
  std::thread chip;
  std::atomic<bool> stop{false};

  Converter* Find(const char* devnode) {
    for (auto& converter : converters) {
      if (converter->devnode == devnode) return converter.get();
    }
    return nullptr;
  }
  Converter& At(int n) const { return *converters.at(static_cast<std::size_t>(n)); }
};

namespace {

using Converter = EmulatedFt232r::Converter;
using Shared = EmulatedFt232r::Shared;

// libusb waits for finished transfers with poll() on the device node,
// POLLOUT meaning "something to reap". The node is a FIFO that both libusb
// and the chip hold open: full, it is not writable; emptied, it is. So
// libusb sleeps until a transfer completes, as with the kernel, instead of
// spinning on a node that is always ready. Unplugged, it stays ready.
void UpdateDoorbell(Converter& converter) {
  const bool ring = !converter.completed.empty() || !converter.plugged;
  if (ring == converter.rung || converter.doorbell == -1) return;
  std::array<char, 4096> block{};
  if (ring) {
    while (::read(converter.doorbell, block.data(), block.size()) > 0) {
    }
  } else {
    while (::write(converter.doorbell, block.data(), block.size()) > 0) {
    }
  }
  converter.rung = ring;
}

void Complete(Converter& converter, Urb urb) {
  converter.completed.push_back(std::move(urb));
  UpdateDoorbell(converter);
}

// A standard or vendor control request: fills `reply` for IN requests and
// returns the status (0 or -EPIPE for a request the chip does not know).
int ControlRequest(Converter& converter, const ControlTransfer& setup, uint16_t length,
                   std::vector<uint8_t>& reply) {
  const bool vendor = (setup.requestType & 0x60) == 0x40;
  if (!vendor) {
    if (setup.requestType == 0x80 && setup.request == 6 && (setup.value >> 8) == 3) {
      const auto index = setup.value & 0xFF;
      if (index == 0) {
        reply = {4, 3, 0x09, 0x04};  // English (United States)
      } else if (index <= 3) {
        static const std::string Maker = "FTDI";
        reply = StringDescriptor(index == 1 ? Maker : index == 2 ? converter.product
                                                                 : converter.serial);
      } else {
        return -EPIPE;
      }
    } else if (setup.requestType == 0x80 && setup.request == 8) {
      reply = {1};  // the configuration in use
    } else {
      return -EPIPE;
    }
    if (reply.size() > length) reply.resize(length);
    return 0;
  }
  converter.controls.push_back(setup);
  switch (setup.request) {
    case FtdiReset:
      // A reset (0) or a purge of what waits for the host (2) empties the
      // receive buffer; the box never gets anything to transmit.
      if (setup.value == 0 || setup.value == FtdiPurgeToHost) {
        converter.lost += static_cast<int64_t>(converter.fifo.size());
        converter.fifo.clear();
      }
      break;
    case FtdiModemControl:
      if ((setup.value & 0x0200) != 0) converter.rts = (setup.value & 2) != 0;
      break;
    case FtdiSetLatencyTimer:
      converter.latencyMs = static_cast<uint8_t>(std::max<uint16_t>(setup.value & 0xFF, 1));
      break;
    case 0x0A:  // get latency timer
      reply = {converter.latencyMs};
      break;
    case 0x05:  // poll modem status
      reply = {ModemStatus[0], ModemStatus[1]};
      break;
    case 0x90:  // read EEPROM word: blank
      reply = {0xFF, 0xFF};
      break;
    default:
      break;  // flow control, event and error characters, baud rate, data
  }
  if (reply.size() > length) reply.resize(length);
  return 0;
}

void SubmitUrb(Converter& converter, UMockdevIoctlClient* client) {
  UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
  Urb urb;
  urb.urb = umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_urb), nullptr);
  auto* raw = reinterpret_cast<usbdevfs_urb*>(urb.urb->data);
  const auto length = static_cast<std::size_t>(std::max(raw->buffer_length, 0));
  urb.buffer = umockdev_ioctl_data_resolve(urb.urb, offsetof(usbdevfs_urb, buffer), length, nullptr);
  raw = reinterpret_cast<usbdevfs_urb*>(urb.urb->data);
  raw->actual_length = 0;
  raw->status = 0;

  if (raw->type == USBDEVFS_URB_TYPE_CONTROL && length >= SetupSize) {
    const uint8_t* setup = urb.buffer->data;
    ControlTransfer transfer;
    transfer.requestType = setup[0];
    transfer.request = setup[1];
    transfer.value = static_cast<uint16_t>(setup[2] | (setup[3] << 8));
    transfer.index = static_cast<uint16_t>(setup[4] | (setup[5] << 8));
    transfer.at = Clock::now();
    const auto wLength = static_cast<uint16_t>(setup[6] | (setup[7] << 8));
    std::vector<uint8_t> reply;
    raw->status = ControlRequest(converter, transfer, wLength, reply);
    if (raw->status == 0) {
      const bool in = (transfer.requestType & 0x80) != 0;
      const std::size_t count = in ? std::min(reply.size(), length - SetupSize) : wLength;
      if (in) std::copy_n(reply.begin(), count, urb.buffer->data + SetupSize);
      raw->actual_length = static_cast<int>(count);
    }
    Complete(converter, std::move(urb));
  } else if (raw->type == USBDEVFS_URB_TYPE_BULK && raw->endpoint == BulkInEndpoint) {
    if (converter.halted) {
      raw->status = -EPIPE;
      Complete(converter, std::move(urb));
    } else if (converter.failNext == -EPIPE) {
      converter.failNext = 0;
      converter.halted = true;
      raw->status = -EPIPE;
      Complete(converter, std::move(urb));
    } else {
      urb.failWith = std::exchange(converter.failNext, 0);
      converter.pendingIn.push_back(std::move(urb));
    }
  } else if (raw->type == USBDEVFS_URB_TYPE_BULK && raw->endpoint == BulkOutEndpoint) {
    raw->actual_length = raw->buffer_length;  // taken; the box has no receiver
    Complete(converter, std::move(urb));
  } else {
    raw->status = -EINVAL;
    Complete(converter, std::move(urb));
  }
  umockdev_ioctl_client_complete(client, 0, 0);
}

void ReapUrb(Converter& converter, UMockdevIoctlClient* client) {
  if (converter.completed.empty()) {
    umockdev_ioctl_client_complete(client, -1, converter.plugged ? EAGAIN : ENODEV);
    return;
  }
  Urb urb = std::move(converter.completed.front());
  converter.completed.pop_front();
  UpdateDoorbell(converter);
  auto* raw = reinterpret_cast<usbdevfs_urb*>(urb.urb->data);
  if (raw->type == USBDEVFS_URB_TYPE_BULK && raw->endpoint == BulkInEndpoint) {
    std::copy(urb.data.begin(), urb.data.end(), urb.buffer->data);
    raw->actual_length = static_cast<int>(urb.data.size());
    raw->status = urb.status;
  }
  UMockdevIoctlData* pointer =
      umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, sizeof(void*), nullptr);
  umockdev_ioctl_data_set_ptr(pointer, 0, urb.urb);
  umockdev_ioctl_client_complete(client, 0, 0);
  Unref(pointer);
  Unref(urb.buffer);
  Unref(urb.urb);
}

void DiscardUrb(Converter& converter, UMockdevIoctlClient* client) {
  UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
  const auto address = *reinterpret_cast<gulong*>(arg->data);
  const auto found = std::find_if(converter.pendingIn.begin(), converter.pendingIn.end(),
                                  [&](const Urb& urb) { return urb.urb->client_addr == address; });
  if (found == converter.pendingIn.end()) {
    umockdev_ioctl_client_complete(client, -1, EINVAL);
    return;
  }
  Urb urb = std::move(*found);
  converter.pendingIn.erase(found);
  // Packets already in it are handed over with the cancellation, as the
  // kernel does.
  urb.status = -ENOENT;
  Complete(converter, std::move(urb));
  umockdev_ioctl_client_complete(client, 0, 0);
}

unsigned ArgumentWord(UMockdevIoctlClient* client) {
  UMockdevIoctlData* word =
      umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, sizeof(unsigned), nullptr);
  unsigned value = 0;
  if (word != nullptr) std::memcpy(&value, word->data, sizeof value);
  Unref(word);
  return value;
}

gboolean HandleIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data) {
  auto& shared = *static_cast<Shared*>(data);
  const std::lock_guard lock(shared.mutex);
  Converter* const converter = shared.Find(umockdev_ioctl_client_get_devnode(client));
  if (converter == nullptr) return FALSE;
  const gulong request = umockdev_ioctl_client_get_request(client);
  if (request == USBDEVFS_REAPURB || request == USBDEVFS_REAPURBNDELAY) {
    ReapUrb(*converter, client);
  } else if (!converter->plugged) {
    umockdev_ioctl_client_complete(client, -1, ENODEV);
  } else if (request == USBDEVFS_SUBMITURB) {
    SubmitUrb(*converter, client);
  } else if (request == USBDEVFS_DISCARDURB) {
    DiscardUrb(*converter, client);
  } else if (request == USBDEVFS_GET_CAPABILITIES) {
    UMockdevIoctlData* caps =
        umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, sizeof(uint32_t), nullptr);
    const uint32_t value = USBDEVFS_CAP_BULK_CONTINUATION | USBDEVFS_CAP_NO_PACKET_SIZE_LIM |
                           USBDEVFS_CAP_REAP_AFTER_DISCONNECT | USBDEVFS_CAP_ZERO_PACKET;
    std::memcpy(caps->data, &value, sizeof value);
    umockdev_ioctl_client_complete(client, 0, 0);
    Unref(caps);
  } else if (request == USBDEVFS_CLAIMINTERFACE || request == USBDEVFS_DISCONNECT_CLAIM) {
    converter->claimed = true;
    umockdev_ioctl_client_complete(client, 0, 0);
  } else if (request == USBDEVFS_RELEASEINTERFACE) {
    converter->claimed = false;
    umockdev_ioctl_client_complete(client, 0, 0);
  } else if (request == USBDEVFS_CLEAR_HALT) {
    if (ArgumentWord(client) == BulkInEndpoint) {
      converter->halted = false;
      ++converter->clearHalts;
    }
    umockdev_ioctl_client_complete(client, 0, 0);
  } else if (request == USBDEVFS_GETDRIVER) {
    umockdev_ioctl_client_complete(client, -1, ENODATA);  // ftdi_sio is not bound
  } else if (request == USBDEVFS_IOCTL || request == USBDEVFS_SETCONFIGURATION ||
             request == USBDEVFS_RESET || request == USBDEVFS_SETINTERFACE ||
             request == USBDEVFS_RESETEP) {
    umockdev_ioctl_client_complete(client, 0, 0);
  } else {
    std::fprintf(stderr, "emulated FT232R: ioctl 0x%lx not emulated\n", request);
    umockdev_ioctl_client_complete(client, -1, ENOTTY);
  }
  return TRUE;
}

void ClientVanished(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data) {
  auto& shared = *static_cast<Shared*>(data);
  const std::lock_guard lock(shared.mutex);
  if (Converter* converter = shared.Find(umockdev_ioctl_client_get_devnode(client))) {
    converter->claimed = false;
    for (auto* list : {&converter->pendingIn, &converter->completed}) {
      for (Urb& urb : *list) {
        Unref(urb.buffer);
        Unref(urb.urb);
      }
      list->clear();
    }
    UpdateDoorbell(*converter);
  }
}

// One millisecond of the chip: the box's bytes come in, packets go out.
void ChipStep(Converter& converter, Clock::time_point now) {
  if (!converter.plugged) return;
  const auto due = std::chrono::duration_cast<std::chrono::nanoseconds>(now - converter.receiveStart)
                       .count() *
                   EmulatedFt232r::BytesPerSecond / 1'000'000'000;
  if (due > converter.received) {
    std::vector<uint8_t> bytes(static_cast<std::size_t>(due - converter.received), 0);
    if (converter.source) {
      if (converter.source->Read(bytes) < bytes.size()) converter.source.reset();
    }
    int64_t position = converter.received;
    for (const uint8_t byte : bytes) {
      // Each byte is stamped with the moment its stop bit ended on the line.
      ++position;
      const auto arrived = converter.receiveStart + std::chrono::nanoseconds(
                                                        position * 1'000'000'000 /
                                                        EmulatedFt232r::BytesPerSecond);
      // An overrun loses the new byte, as the chip's full FIFO does.
      if (converter.fifo.size() < EmulatedFt232r::ReceiveBufferSize) {
        converter.fifo.emplace_back(byte, arrived);
      } else {
        ++converter.lost;
      }
    }
    converter.received = due;
  }

  while (!converter.halted && !converter.pendingIn.empty()) {
    Urb& urb = converter.pendingIn.front();
    const auto size = static_cast<std::size_t>(
        reinterpret_cast<usbdevfs_urb*>(urb.urb->data)->buffer_length);
    const bool timerRanOut = now - converter.lastPacketAt >= std::chrono::milliseconds(converter.latencyMs);
    bool shortPacket = false;
    while (urb.data.size() + EmulatedFt232r::PacketSize <= size) {
      const bool full = converter.fifo.size() >= CharactersPerPacket;
      if (!full && !timerRanOut) break;
      const std::size_t count = std::min(converter.fifo.size(), CharactersPerPacket);
      urb.data.insert(urb.data.end(), ModemStatus.begin(), ModemStatus.end());
      for (std::size_t i = 0; i < count; ++i) {
        const auto [byte, at] = converter.fifo.front();
        converter.fifo.pop_front();
        urb.data.push_back(byte);
        if (urb.failWith != 0) {
          ++converter.lost;
        } else {
          ++converter.delivered;
          if (converter.hook) converter.hook(byte, at);
        }
      }
      converter.lastPacketAt = now;
      if (!full) {
        shortPacket = true;
        break;
      }
    }
    const bool filled = urb.data.size() + EmulatedFt232r::PacketSize > size;
    if (!shortPacket && !filled) break;
    Urb done = std::move(urb);
    converter.pendingIn.pop_front();
    if (done.failWith != 0) {
      done.data.clear();
      done.status = done.failWith;
    }
    Complete(converter, std::move(done));
  }
}

void ChipThread(Shared& shared) {
  auto next = Clock::now();
  while (!shared.stop.load()) {
    next += std::chrono::milliseconds(1);
    std::this_thread::sleep_until(next);
    const auto now = Clock::now();
    if (now - next > std::chrono::milliseconds(50)) next = now;  // a stalled machine: no burst
    const std::lock_guard lock(shared.mutex);
    for (auto& converter : shared.converters) ChipStep(*converter, now);
    }
}

}  // namespace

bool RunUnderUmockdev(int argc, char** argv) {
  (void)argc;
  constexpr const char* Preload = "libumockdev-preload.so.0";
  if (void* loaded = ::dlopen(Preload, RTLD_NOW | RTLD_NOLOAD)) {
    ::dlclose(loaded);
    return true;
  }
  // Once only: a second start without it means the library is missing.
  if (::getenv("ALACRITY_UMOCKDEV_REEXEC") != nullptr) {
    std::fprintf(stderr, "%s could not be preloaded (is umockdev installed?)\n", Preload);
    return false;
  }
  ::setenv("ALACRITY_UMOCKDEV_REEXEC", "1", 1);
  const char* existing = ::getenv("LD_PRELOAD");
  std::string preload = Preload;
  if (existing != nullptr && *existing != '\0') preload += std::string(":") + existing;
  // AddressSanitizer insists on being the first library loaded.
  Dl_info asan{};
  if (void* init = ::dlsym(RTLD_DEFAULT, "__asan_init");
      init != nullptr && ::dladdr(init, &asan) != 0 && asan.dli_fname != nullptr) {
    preload = std::string(asan.dli_fname) + ":" + preload;
  }
  ::setenv("LD_PRELOAD", preload.c_str(), 1);
  ::execv("/proc/self/exe", argv);
  std::perror("re-running under umockdev's preload library");
  return false;
}

EmulatedFt232r::EmulatedFt232r() : m_shared(std::make_unique<Shared>()) {
  m_shared->testbed = umockdev_testbed_new();
  m_shared->handler = umockdev_ioctl_base_new();
  g_signal_connect(m_shared->handler, "handle-ioctl", G_CALLBACK(HandleIoctl), m_shared.get());
  g_signal_connect(m_shared->handler, "client-vanished", G_CALLBACK(ClientVanished),
                   m_shared.get());
  m_shared->chip = std::thread(ChipThread, std::ref(*m_shared));
}

EmulatedFt232r::~EmulatedFt232r() {
  m_shared->stop.store(true);
  m_shared->chip.join();
  {
    const std::lock_guard lock(m_shared->mutex);
    m_shared->converters.clear();
  }
  g_object_unref(m_shared->handler);
  g_object_unref(m_shared->testbed);
}

int EmulatedFt232r::AddConverter(const std::string& product, const std::string& serial) {
  auto converter = std::make_unique<Converter>();
  int n = 0;
  {
    const std::lock_guard lock(m_shared->mutex);
    n = static_cast<int>(m_shared->converters.size());
  }
  const int devnum = n + 2;  // 1 is the root hub
  char node[32];
  std::snprintf(node, sizeof node, "bus/usb/001/%03d", devnum);
  converter->devnode = std::string("/dev/") + node;
  converter->product = product;
  converter->serial = serial;

  char* root = umockdev_testbed_get_root_dir(m_shared->testbed);
  converter->realNode = std::string(root) + converter->devnode;
  g_free(root);

  // The handler first, so that the device can be used the moment it
  // appears.
  umockdev_testbed_attach_ioctl(m_shared->testbed, converter->devnode.c_str(), m_shared->handler,
                                nullptr);
  const std::string port = "1-" + std::to_string(n + 1);
  const std::string description =
      "P: /devices/pci0000:00/0000:00:14.0/usb1/" + port + "\n" +
      "N: " + node + "\n"
      "E: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DRIVER=usb\n"
      "E: BUSNUM=001\nE: DEVNUM=" + std::string(node + 12) + "\n"
      "E: DEVNAME=" + converter->devnode + "\n"
      "A: busnum=1\\n\nA: devnum=" + std::to_string(devnum) + "\\n\n"
      "A: speed=12\\n\nA: bConfigurationValue=1\\n\nA: bNumConfigurations=1\\n\n"
      "A: idVendor=0403\\n\nA: idProduct=6001\\n\nA: bcdDevice=0600\\n\n"
      "A: manufacturer=FTDI\\n\nA: product=" + product + "\\n\nA: serial=" + serial + "\\n\n"
      "H: descriptors=" + DescriptorsHex + "\n";
  umockdev_testbed_add_from_string(m_shared->testbed, description.c_str(), nullptr);

  // The node becomes the doorbell FIFO (see UpdateDoorbell), one page deep
  // and full: nothing to reap yet.
  ::unlink(converter->realNode.c_str());
  if (::mkfifo(converter->realNode.c_str(), 0666) == 0) {
    converter->doorbell = ::open(converter->realNode.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (converter->doorbell != -1) ::fcntl(converter->doorbell, F_SETPIPE_SZ, 4096);
  }
  converter->rung = true;
  UpdateDoorbell(*converter);

  converter->receiveStart = Clock::now();
  converter->lastPacketAt = converter->receiveStart;
  const std::lock_guard lock(m_shared->mutex);
  m_shared->converters.push_back(std::move(converter));
  return n;
}

void EmulatedFt232r::Stream(int n, std::unique_ptr<BoxByteSource> source) {
  const std::lock_guard lock(m_shared->mutex);
  m_shared->At(n).source = std::move(source);
}

void EmulatedFt232r::FailNextBulkIn(int n, int negativeErrno) {
  const std::lock_guard lock(m_shared->mutex);
  m_shared->At(n).failNext = negativeErrno;
}

void EmulatedFt232r::Unplug(int n) {
  const std::lock_guard lock(m_shared->mutex);
  Converter& converter = m_shared->At(n);
  converter.plugged = false;
  converter.claimed = false;  // whatever held it, the kernel let go
  while (!converter.pendingIn.empty()) {
    Urb urb = std::move(converter.pendingIn.front());
    converter.pendingIn.pop_front();
    urb.data.clear();
    // What a host controller usually reports for a transfer cut off by the
    // unplugging; everything after it fails with ENODEV.
    urb.status = -EPROTO;
    converter.completed.push_back(std::move(urb));
  }
  UpdateDoorbell(converter);
}

std::vector<ControlTransfer> EmulatedFt232r::ControlTransfers(int n) const {
  const std::lock_guard lock(m_shared->mutex);
  return m_shared->At(n).controls;
}

int EmulatedFt232r::ClearHaltCount(int n) const {
  const std::lock_guard lock(m_shared->mutex);
  return m_shared->At(n).clearHalts;
}

bool EmulatedFt232r::InterfaceClaimed(int n) const {
  const std::lock_guard lock(m_shared->mutex);
  return m_shared->At(n).claimed;
}

uint8_t EmulatedFt232r::LatencyTimerMs(int n) const {
  const std::lock_guard lock(m_shared->mutex);
  return m_shared->At(n).latencyMs;
}

bool EmulatedFt232r::Rts(int n) const {
  const std::lock_guard lock(m_shared->mutex);
  return m_shared->At(n).rts;
}

int64_t EmulatedFt232r::BytesDelivered(int n) const {
  const std::lock_guard lock(m_shared->mutex);
  return m_shared->At(n).delivered;
}

int64_t EmulatedFt232r::BytesLost(int n) const {
  const std::lock_guard lock(m_shared->mutex);
  return m_shared->At(n).lost;
}

void EmulatedFt232r::OnDelivery(int n, DeliveryHook hook) {
  const std::lock_guard lock(m_shared->mutex);
  m_shared->At(n).hook = std::move(hook);
}

}  // namespace alacrity::testing

// ThreadSanitizer cannot see GLib's own locks (futexes, not pthread calls),
// so umockdev's worker thread, its allocations and its teardown all look
// like races with the thread that made it. The calls those libraries make
// are left out; every access of our own code, the ioctl handler's
// included, is still checked.
extern "C" const char* __tsan_default_suppressions();
extern "C" const char* __tsan_default_suppressions() {
  return "called_from_lib:libglib-2.0.so\n"
         "called_from_lib:libgobject-2.0.so\n"
         "called_from_lib:libgio-2.0.so\n"
         "called_from_lib:libumockdev.so\n";
}
