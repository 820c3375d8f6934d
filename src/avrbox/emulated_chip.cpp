// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "emulated_chip.h"

#include <avr_extint.h>
#include <avr_ioport.h>
#include <avr_uart.h>
#include <sim_avr.h>
#include <sim_cycle_timers.h>
#include <sim_elf.h>
#include <sim_hex.h>
#include <sim_io.h>
#include <sim_irq.h>
#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// simavr 1.6 never frees a chip's IRQs (their names and hooks included) when
// the chip ends; LeakSanitizer, in the sanitizer build, is told so.
extern "C" const char* __lsan_default_suppressions() { return "leak:libsimavr.so\n"; }

namespace alacrity {
namespace {

// Registers of the ATmega328P in its data space (datasheet, register summary).
constexpr uint16_t PortD = 0x2B;
constexpr uint16_t DirectionD = 0x2A;
constexpr uint16_t WatchdogControl = 0x60;  // WDTCSR
constexpr uint16_t Timer1ControlA = 0x80;   // TCCR1A
constexpr uint16_t Timer1ControlB = 0x81;   // TCCR1B
constexpr uint16_t Timer1CompareLow = 0x88;   // OCR1AL
constexpr uint16_t Timer1CompareHigh = 0x89;  // OCR1AH
constexpr uint16_t UartStatusA = 0xC0;   // UCSR0A
constexpr uint16_t UartControlB = 0xC1;  // UCSR0B
constexpr uint16_t UartControlC = 0xC2;  // UCSR0C
constexpr uint16_t UartDivisorLow = 0xC4;   // UBRR0L
constexpr uint16_t UartDivisorHigh = 0xC5;  // UBRR0H

// The box's inputs on port D: input k (bit k of the status) on PD(k + 2).
constexpr int FirstInputPin = 2;
constexpr int InputCount = 5;

constexpr int64_t NanosecondsPerSecond = 1'000'000'000;

int64_t MonotonicNs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t{now.tv_sec} * NanosecondsPerSecond + now.tv_nsec;
}

// simavr's own logger prints its chatter on standard output, where
// alacrity-avrbox prints only its device; errors go to standard error.
void LogErrorsOnly(avr_t*, const int level, const char* format, va_list arguments) {
  if (level <= LOG_ERROR) std::vfprintf(stderr, format, arguments);
}

int DataBitsOf(uint8_t controlB, uint8_t controlC) {
  const int size = ((controlC >> 1) & 0x3) | (controlB & 0x4);  // UCSZ02:0
  switch (size) {
    case 0: return 5;
    case 1: return 6;
    case 2: return 7;
    case 7: return 9;
    default: return 8;
  }
}

// What elf_read_firmware allocated; the chip keeps copies.
void FreeImage(elf_firmware_t& firmware) {
  std::free(firmware.flash);
  std::free(firmware.eeprom);
  std::free(firmware.fuse);
  std::free(firmware.lockbits);
  for (uint32_t i = 0; i < firmware.symbolcount; ++i) std::free(firmware.symbol[i]);
  std::free(firmware.symbol);
}

bool LoadElf(avr_t* avr, const std::string& path) {
  elf_firmware_t firmware{};
  const bool read = elf_read_firmware(path.c_str(), &firmware) == 0 && firmware.flashsize > 0;
  if (read) {
    // The binary flashed onto a board names neither chip nor clock: the
    // board has them.
    std::strncpy(firmware.mmcu, "atmega328p", sizeof firmware.mmcu - 1);
    firmware.frequency = EmulatedChip::ClockHz;
    avr_load_firmware(avr, &firmware);
  }
  FreeImage(firmware);
  return read;
}

// What avrdude writes into the flash, chunk by chunk.
bool LoadHex(avr_t* avr, const std::string& path) {
  ihex_chunk_p chunks = nullptr;
  const int count = read_ihex_chunks(path.c_str(), &chunks);
  bool loaded = false;
  for (int i = 0; i < count; ++i) {
    const ihex_chunk_t& chunk = chunks[i];
    if (chunk.size == 0 || chunk.baseaddr + chunk.size > avr->flashend + 1) continue;
    avr_loadcode(avr, chunk.data, chunk.size, chunk.baseaddr);
    loaded = true;
  }
  if (count > 0) {
    free_ihex_chunks(chunks);
    std::free(chunks);  // free_ihex_chunks frees only what the chunks hold
  }
  avr->frequency = EmulatedChip::ClockHz;
  return loaded;
}

}  // namespace

std::unique_ptr<EmulatedChip> EmulatedChip::Load(const std::string& path, std::string& error) {
  // simavr's reader neither says why a file failed nor copes with a
  // directory; a plain look first gives the reason.
  struct stat status{};
  if (::stat(path.c_str(), &status) != 0) {
    error = path + ": " + std::strerror(errno);
    return nullptr;
  }
  if (!S_ISREG(status.st_mode)) {
    error = path + ": not a regular file";
    return nullptr;
  }
  avr_global_logger_set(&LogErrorsOnly);
  avr_t* avr = avr_make_mcu_by_name("atmega328p");
  if (avr == nullptr || avr_init(avr) != 0) {
    error = "the simulator has no ATmega328P";
    return nullptr;
  }
  avr->log = LOG_ERROR;
  std::unique_ptr<EmulatedChip> chip(new EmulatedChip(avr));
  const bool loaded = path.ends_with(".hex") ? LoadHex(avr, path) : LoadElf(avr, path);
  if (!loaded) {
    error = path + ": no AVR program in it (an .elf or .hex built for the ATmega328P is needed)";
    return nullptr;
  }
  return chip;
}

EmulatedChip::EmulatedChip(avr_t* avr) : m_avr(avr) {
  m_avr->custom.data = this;
  m_avr->sleep = &EmulatedChip::Sleep;
  // The UART's bytes to us, not to the simulator's console dump.
  uint32_t flags = 0;
  avr_ioctl(m_avr, AVR_IOCTL_UART_GET_FLAGS('0'), &flags);
  flags &= ~uint32_t{AVR_UART_FLAG_STDIO};
  avr_ioctl(m_avr, AVR_IOCTL_UART_SET_FLAGS('0'), &flags);
  avr_irq_register_notify(avr_io_getirq(m_avr, AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_OUTPUT),
                          &EmulatedChip::OnUartByte, this);
  EdgesOnly();
  SetInputs(0);
}

EmulatedChip::~EmulatedChip() {
  avr_terminate(m_avr);
  // avr_terminate frees what the chip holds but not the chip, which
  // avr_make_mcu_by_name took from malloc.
  std::free(m_avr);
}

void EmulatedChip::OnUartByte(avr_irq_t*, uint32_t value, void* param) {
  auto* chip = static_cast<EmulatedChip*>(param);
  if (!chip->m_byteSink) return;
  // simavr hands over the whole data register; the line carries only the
  // frame's data bits.
  const int bits = std::min(chip->Line().dataBits, 8);
  const auto byte = static_cast<uint8_t>(value & ((1u << bits) - 1u));
  chip->m_byteSink(byte, chip->Cycle());
}

void EmulatedChip::EdgesOnly() {
  // Buttons 1 and 2 sit on the pins of INT0 and INT1. While such a pin is
  // low, simavr looks at it every cycle in case a level interrupt is wanted,
  // which would wake the chip 16 million times a second of a held button;
  // the firmware wants none, so edges are enough.
  avr_extint_set_strict_lvl_trig(m_avr, 0, 0);
  avr_extint_set_strict_lvl_trig(m_avr, 1, 0);
}

void EmulatedChip::SetOutsideInputs(uint8_t status) {
  m_outsideInputs = status;
  SetInputs(m_inputs);
}

void EmulatedChip::SetInputs(uint8_t inputs) {
  m_inputs = inputs;
  const uint8_t status = inputs | m_outsideInputs;
  // An active input pulls its pin to ground and holds it there even when the
  // firmware rewrites the port; an idle one floats at what the chip's
  // pull-up makes of it, or low without one.
  uint8_t activeMask = 0;
  for (int input = 0; input < InputCount; ++input) {
    if ((status & (1u << input)) != 0) activeMask |= static_cast<uint8_t>(1u << (input + FirstInputPin));
  }
  avr_ioport_external_t external{};
  external.name = 'D';
  external.mask = activeMask;
  external.value = 0;
  avr_ioctl(m_avr, AVR_IOCTL_IOPORT_SET_EXTERNAL('D'), &external);
  const uint8_t pulledUp = Register(PortD) & static_cast<uint8_t>(~Register(DirectionD));
  for (int input = 0; input < InputCount; ++input) {
    const int pin = input + FirstInputPin;
    const bool active = (activeMask & (1u << pin)) != 0;
    const uint32_t level = active ? 0u : (pulledUp >> pin) & 1u;
    avr_raise_irq(avr_io_getirq(m_avr, AVR_IOCTL_IOPORT_GETIRQ('D'), pin), level);
  }
}

void EmulatedChip::SetInputSource(InputSource source) {
  avr_cycle_timer_cancel(m_avr, &EmulatedChip::ApplyDueChange, this);
  m_inputSource = std::move(source);
  m_pending.reset();
  ScheduleNextChange();
}

void EmulatedChip::ScheduleNextChange() {
  while (m_inputSource) {
    m_pending = m_inputSource();
    if (!m_pending) return;
    if (m_pending->cycle > Cycle()) {
      avr_cycle_timer_register(m_avr, m_pending->cycle - Cycle(), &EmulatedChip::ApplyDueChange,
                               this);
      return;
    }
    SetInputs(m_pending->status);  // due already
  }
}

uint64_t EmulatedChip::ApplyDueChange(avr_t*, uint64_t, void* param) {
  auto* chip = static_cast<EmulatedChip*>(param);
  if (chip->m_pending) chip->SetInputs(chip->m_pending->status);
  chip->m_pending.reset();
  // Registered anew (or not) by ScheduleNextChange; 0 ends this one.
  chip->ScheduleNextChange();
  return 0;
}

void EmulatedChip::PaceWithWallClock(bool on) {
  m_paced = on;
  m_wallOriginNs = MonotonicNs();
  m_wallOriginCycle = Cycle();
}

void EmulatedChip::Sleep(avr_t* avr, uint64_t cycles) {
  auto* chip = static_cast<EmulatedChip*>(avr->custom.data);
  if (!chip->m_paced) return;
  // An absolute deadline per wake-up: time lost to the host is made up at
  // the next one instead of adding up as drift.
  const uint64_t wakeCycle = avr->cycle + cycles - chip->m_wallOriginCycle;
  const int64_t dueNs = chip->m_wallOriginNs +
                        static_cast<int64_t>(wakeCycle / ClockHz) * NanosecondsPerSecond +
                        static_cast<int64_t>(wakeCycle % ClockHz) * NanosecondsPerSecond / ClockHz;
  const timespec due{static_cast<time_t>(dueNs / NanosecondsPerSecond),
                     static_cast<long>(dueNs % NanosecondsPerSecond)};
  while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
  }
}

bool EmulatedChip::RunUntil(uint64_t cycle) {
  while (m_avr->cycle < cycle) {
    const int state = avr_run(m_avr);
    if (state == cpu_Done || state == cpu_Crashed) return false;
  }
  return true;
}

uint64_t EmulatedChip::Cycle() const { return m_avr->cycle; }

void EmulatedChip::Reset() {
  // The reset clears the chip's timers, the input source's among them.
  avr_reset(m_avr);
  EdgesOnly();
  m_inputSource = nullptr;
  m_pending.reset();
  SetInputs(m_inputs);
  if (m_paced) PaceWithWallClock(true);
}

uint8_t EmulatedChip::Register(uint16_t address) const { return m_avr->data[address]; }

LineSettings EmulatedChip::Line() const {
  LineSettings line;
  const uint8_t controlB = Register(UartControlB);
  const uint8_t controlC = Register(UartControlC);
  line.divisor = ((Register(UartDivisorHigh) & 0x0F) << 8) | Register(UartDivisorLow);
  line.doubleSpeed = (Register(UartStatusA) & 0x02) != 0;
  line.dataBits = DataBitsOf(controlB, controlC);
  line.stopBits = (controlC & 0x08) != 0 ? 2 : 1;
  line.parity = (controlC & 0x30) != 0;
  line.transmitting = (controlB & 0x08) != 0;
  line.baud = static_cast<double>(ClockHz) / ((line.doubleSpeed ? 8.0 : 16.0) * (line.divisor + 1));
  return line;
}

int64_t EmulatedChip::TickCycles() const {
  // CTC on OCR1A: WGM13:0 = 0100.
  const bool compareMode = (Register(Timer1ControlA) & 0x03) == 0 &&
                           (Register(Timer1ControlB) & 0x18) == 0x08;
  static constexpr int64_t Prescalers[] = {0, 1, 8, 64, 256, 1024, 0, 0};
  const int64_t prescaler = Prescalers[Register(Timer1ControlB) & 0x07];
  if (!compareMode || prescaler == 0) return 0;
  const int64_t top = (Register(Timer1CompareHigh) << 8) | Register(Timer1CompareLow);
  return (top + 1) * prescaler;
}

bool EmulatedChip::WatchdogOn() const {
  return (Register(WatchdogControl) & 0x08) != 0;  // WDE: a timeout resets the chip
}

}  // namespace alacrity
