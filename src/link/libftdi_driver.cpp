// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// FtdiDriver on libftdi1 over libusb.
//
// Threads. libftdi is not thread-safe per context, but the USB link uses one
// handle from two threads: its reader thread reads (and purges once as it
// starts, and drives the sync line through the engine), while the user
// interface thread drives the sync line when a stimulus is drawn. So:
//  - every libftdi call on a handle (configuration, purge, line control,
//    close) runs under that handle's `control` mutex;
//  - Read does not go through libftdi at all but issues libusb bulk
//    transfers itself (see Read for why). libusb's synchronous API may be
//    used on one device handle from several threads at once, so a read in
//    progress never holds up a line change, and the reader's own critical
//    section (the `read` mutex over its packet buffer) is never contended in
//    normal use;
//  - the handle table is guarded by `m_mutex`; a handle's state is held by
//    shared_ptr, so a Close racing a Read frees the context only after that
//    Read has returned.
// Nothing in here throws across the interface; failures are -1, 0 or nothing.

#include <ftdi.h>
#include <libusb.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>
#include <vector>

#include "ftdi_driver.h"
#include "ftdi_packets.h"

namespace alacrity {

namespace {

using Clock = std::chrono::steady_clock;

// Room for 32 full-speed packets; a high-speed converter's 512-byte packets
// still fit twice.
constexpr std::size_t RawBufferSize = 2048;
constexpr unsigned DefaultPacketSize = 64;

struct ContextDeleter {
  void operator()(ftdi_context* context) const { ftdi_free(context); }
};
using ContextPtr = std::unique_ptr<ftdi_context, ContextDeleter>;

// Every FTDI converter libftdi knows by its factory ids (vendor 0x0403 with
// the FT232/FT2232/FT4232/FT232H/FT-X product ids), in bus order, as seen
// from `context`. A listing failure is an empty list.
class DeviceList {
 public:
  explicit DeviceList(ftdi_context* context) {
    m_count = std::max(ftdi_usb_find_all(context, &m_head, 0, 0), 0);
  }
  ~DeviceList() {
    if (m_head != nullptr) ftdi_list_free(&m_head);
  }
  DeviceList(const DeviceList&) = delete;
  DeviceList& operator=(const DeviceList&) = delete;

  int Count() const { return m_count; }
  libusb_device* At(int index) const {
    ftdi_device_list* entry = m_head;
    for (int i = 0; entry != nullptr && i < index; ++i) entry = entry->next;
    return entry != nullptr ? entry->dev : nullptr;
  }

 private:
  ftdi_device_list* m_head = nullptr;
  int m_count = 0;
};

// One open converter with its own libftdi (and so libusb) context.
struct Device {
  ContextPtr context;
  std::mutex control;  // every libftdi call on `context`

  std::mutex read;     // the reader's buffer below
  std::vector<uint8_t> raw = std::vector<uint8_t>(RawBufferSize);
  // Characters of the last transfer that did not fit the caller's buffer.
  std::size_t pendingOffset = 0;
  std::size_t pendingCount = 0;

  ~Device() {
    const std::lock_guard lock(control);
    if (context) ftdi_usb_close(context.get());
  }
};

class LibFtdiDriver final : public FtdiDriver {
 public:
  // A context of its own for each listing: a failed libusb start (no USB on
  // this machine, no usbfs in a container) is then simply no device, and
  // the next start tries again.
  int DeviceCount() override {
    const ContextPtr context(ftdi_new());
    if (!context) return 0;
    return DeviceList(context.get()).Count();
  }

  int Open(int index) override {
    if (index < 0) return -1;
    // The device is looked up again in the new handle's own context (libusb
    // lists the bus in the same order each time), so that the open handle
    // depends on nothing else that could be freed.
    auto device = std::make_shared<Device>();
    device->context.reset(ftdi_new());
    if (!device->context) return -1;
    ftdi_context* const context = device->context.get();
    // The kernel's ftdi_sio driver has to let go of the converter for as
    // long as we hold it. Hand it back on close: every attached converter is
    // opened in turn to read its description, and the ones that are not the
    // box must come back as the serial ports they were.
    context->module_detach_mode = AUTO_DETACH_REATACH_SIO_MODULE;
    int opened = -1;
    {
      const DeviceList list(context);
      if (libusb_device* const usb = list.At(index); usb != nullptr) {
        opened = ftdi_usb_open_dev(context, usb);
      }
    }
    // Fails when another program holds the converter or we may not use it.
    if (opened != 0 || context->usb_dev == nullptr) return -1;

    const std::lock_guard lock(m_mutex);
    const int handle = m_nextHandle++;
    m_devices.emplace(handle, std::move(device));
    return handle;
  }

  std::optional<std::string> Description(int handle) override {
    const auto device = Find(handle);
    if (!device) return std::nullopt;
    const std::lock_guard lock(device->control);
    // The description is the product string the converter's EEPROM holds.
    // Read through libusb directly: libftdi's string helper closes the
    // handle when a string cannot be read.
    libusb_device_handle* const usb = device->context->usb_dev;
    if (usb == nullptr) return std::nullopt;
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(libusb_get_device(usb), &descriptor) != 0) return std::nullopt;
    if (descriptor.iProduct == 0) return std::string();  // no product string
    unsigned char text[256];
    const int length =
        libusb_get_string_descriptor_ascii(usb, descriptor.iProduct, text, sizeof text);
    if (length < 0) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(length));
  }

  void Close(int handle) override {
    std::shared_ptr<Device> device;
    {
      const std::lock_guard lock(m_mutex);
      const auto it = m_devices.find(handle);
      if (it == m_devices.end()) return;
      device = std::move(it->second);
      m_devices.erase(it);
    }
    // The converter is closed when the last user lets go, which is here
    // unless a Read is still running on it.
  }

  void SetBaudRate(int handle, int baud) override {
    WithContext(handle, [baud](ftdi_context* context) { ftdi_set_baudrate(context, baud); });
  }

  void SetDataCharacteristics(int handle, int wordLength, int stopBits, int parity) override {
    if (wordLength < 5 || wordLength > 8 || stopBits < 0 || stopBits > 2 || parity < 0 ||
        parity > 4) {
      return;
    }
    // The box sends 5-bit characters. The converter's SET_DATA request takes
    // the word length (5 to 8) as a plain number and libftdi forwards its
    // bits argument unchanged; the enum merely names only 7 and 8. Its range
    // of values is 0..15, so 5 is a valid value of it. The stop-bit and
    // parity codes are the same numbers as in FTDI's own library.
    WithContext(handle, [=](ftdi_context* context) {
      ftdi_set_line_property(context, static_cast<ftdi_bits_type>(wordLength),
                             static_cast<ftdi_stopbits_type>(stopBits),
                             static_cast<ftdi_parity_type>(parity));
    });
  }

  void Purge(int handle) override {
    const auto device = Find(handle);
    if (!device) return;
    {
      // Both directions at once: libftdi's older purge calls had receive
      // and transmit swapped, the 1.5 tcioflush has not.
      const std::lock_guard lock(device->control);
      ftdi_tcioflush(device->context.get());
    }
    const std::lock_guard lock(device->read);
    device->pendingCount = 0;
  }

  void SetLatencyTimer(int handle, int ms) override {
    const auto latency = static_cast<unsigned char>(std::clamp(ms, 1, 255));
    WithContext(handle,
                [latency](ftdi_context* context) { ftdi_set_latency_timer(context, latency); });
  }

  std::optional<int> LatencyTimer(int handle) override {
    std::optional<int> latency;
    WithContext(handle, [&latency](ftdi_context* context) {
      unsigned char value = 0;
      if (ftdi_get_latency_timer(context, &value) == 0) latency = value;
    });
    return latency;
  }

  int Read(int handle, std::span<uint8_t> buffer, int timeoutMs) override {
    const auto device = Find(handle);
    if (!device || device->context->usb_dev == nullptr) return -1;
    if (buffer.empty()) return 0;
    const std::lock_guard lock(device->read);
    if (device->pendingCount > 0) return TakePending(*device, buffer);

    // Not ftdi_read_data: it keeps reading until the caller's buffer is
    // full or a packet comes back empty. With the latency timer at 1 ms and
    // a byte every 0.69 ms, nearly every packet carries a character, so it
    // would hand over 1024 bytes only every 0.7 s and the screen would see
    // each phase that late. One bulk transfer returns at the first short
    // packet, i.e. within about a millisecond, with what has arrived.
    ftdi_context* const context = device->context.get();
    const std::size_t packetSize =
        context->max_packet_size > FtdiStatusBytes ? context->max_packet_size : DefaultPacketSize;
    // As many whole packets as the caller can take, so that normally
    // nothing is left over; a tiny buffer still asks for one packet and the
    // rest waits in `pending`. libusb reports an overflow unless the request
    // is a multiple of the packet size.
    const std::size_t packets =
        std::clamp<std::size_t>(buffer.size() / (packetSize - FtdiStatusBytes), 1,
                                std::max<std::size_t>(device->raw.size() / packetSize, 1));
    const int request = static_cast<int>(std::min(packets * packetSize, device->raw.size()));

    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
      const auto left =
          std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
      // libusb takes 0 as "no time limit".
      const auto waitMs = static_cast<unsigned>(std::max<long long>(left, 1));
      int got = 0;
      // libftdi's naming is from the chip's side: out_ep is our bulk-in
      // endpoint.
      const int result = libusb_bulk_transfer(context->usb_dev,
                                              static_cast<unsigned char>(context->out_ep),
                                              device->raw.data(), request, &got, waitMs);
      if (result == 0 || result == LIBUSB_ERROR_TIMEOUT) {
        const std::size_t count =
            CompactFtdiPayload(std::span(device->raw).first(static_cast<std::size_t>(got)),
                               packetSize);
        if (count > 0) {
          device->pendingOffset = 0;
          device->pendingCount = count;
          return TakePending(*device, buffer);
        }
        // Only status bytes: the converter's latency timer ran out with
        // nothing received. Ask again until the caller's time is up.
      } else if (result == LIBUSB_ERROR_PIPE) {
        // The endpoint stalled and stays halted until the halt is cleared;
        // the converter's buffer still holds what came in meanwhile.
        const int cleared =
            libusb_clear_halt(context->usb_dev, static_cast<unsigned char>(context->out_ep));
        return cleared == LIBUSB_ERROR_NO_DEVICE ? -1 : FtdiReadRecovered;
      } else if (result == LIBUSB_ERROR_OVERFLOW || result == LIBUSB_ERROR_IO) {
        // An overrun (the converter sent more than asked for) or a damaged
        // transfer on a noisy cable: that transfer's bytes are lost, the
        // next one may well succeed. An unplugged converter is not mistaken
        // for this for long: the next transfer reports it as gone.
        return FtdiReadRecovered;
      } else if (result != LIBUSB_ERROR_INTERRUPTED) {
        return -1;  // unplugged: gone for good
      }
      if (result == LIBUSB_ERROR_TIMEOUT || Clock::now() >= deadline) return 0;
    }
  }

  void AssertSecondLine(int handle) override {
    WithContext(handle, [](ftdi_context* context) { ftdi_setrts(context, 1); });
  }

  // Line control A raises RTS, which then stays up for the whole run; B and
  // C raise and drop DTR, the sync line. Which output the box watches is a
  // matter of its cable, not of anything visible from here, and this is the
  // only place that decides it: a box wired the other way round needs only
  // these three functions swapped.
  void AssertSyncLine(int handle) override {
    WithContext(handle, [](ftdi_context* context) { ftdi_setdtr(context, 1); });
  }
  void ReleaseSyncLine(int handle) override {
    WithContext(handle, [](ftdi_context* context) { ftdi_setdtr(context, 0); });
  }

 private:
  std::shared_ptr<Device> Find(int handle) {
    const std::lock_guard lock(m_mutex);
    const auto it = m_devices.find(handle);
    return it != m_devices.end() ? it->second : nullptr;
  }

  // Runs one libftdi call on the handle's context; nothing for an unknown
  // handle. The results are not used: the link relies only on the open.
  template <typename Call>
  void WithContext(int handle, Call call) {
    const auto device = Find(handle);
    if (!device) return;
    const std::lock_guard lock(device->control);
    call(device->context.get());
  }

  static int TakePending(Device& device, std::span<uint8_t> buffer) {
    const std::size_t count = std::min(device.pendingCount, buffer.size());
    const auto first = device.raw.begin() + static_cast<std::ptrdiff_t>(device.pendingOffset);
    std::copy(first, first + static_cast<std::ptrdiff_t>(count), buffer.begin());
    device.pendingOffset += count;
    device.pendingCount -= count;
    return static_cast<int>(count);
  }

  std::mutex m_mutex;  // m_devices and m_nextHandle
  std::map<int, std::shared_ptr<Device>> m_devices;
  int m_nextHandle = 0;
};

}  // namespace

std::unique_ptr<FtdiDriver> MakeLibFtdiDriver() {
  return std::make_unique<LibFtdiDriver>();
}

}  // namespace alacrity
