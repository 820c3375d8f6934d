// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The response box's firmware on a simulated ATmega328P: the very .elf that
// is flashed onto a board, run instruction by instruction by simavr. Its five
// inputs are driven as the box's buttons and light sensor drive them, and
// every byte its UART sends is handed on with the cycle it was sent at,
// either as fast as the host can (tests) or in step with the wall clock (a
// box a program reads in real time).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

struct avr_t;
struct avr_irq_t;

namespace alacrity {

// What the chip's registers set its serial line to.
struct LineSettings {
  int divisor = 0;            // UBRR0
  bool doubleSpeed = false;   // U2X0
  int dataBits = 0;
  int stopBits = 0;
  bool parity = false;
  bool transmitting = false;  // TXEN0
  double baud = 0.0;
};

// The box's inputs from a cycle of the chip on: bits 0..3 the buttons held,
// bit 4 the light sensor seeing light.
struct InputChange {
  uint64_t cycle = 0;
  uint8_t status = 0;
};

class EmulatedChip {
 public:
  static constexpr uint32_t ClockHz = 16'000'000;

  // Loads the firmware onto a fresh chip, from the .elf the compiler wrote or
  // the .hex that is flashed onto a board; nothing, with a reason in
  // `error`, when the file cannot be read or holds no AVR program.
  static std::unique_ptr<EmulatedChip> Load(const std::string& path, std::string& error);
  ~EmulatedChip();
  EmulatedChip(const EmulatedChip&) = delete;
  EmulatedChip& operator=(const EmulatedChip&) = delete;

  // Every byte the UART sends, as a receiver set to the line's data bits
  // reads it, with the cycle it was handed to the UART.
  using ByteSink = std::function<void(uint8_t byte, uint64_t cycle)>;
  void SetByteSink(ByteSink sink) { m_byteSink = std::move(sink); }

  // The changes of the inputs, in order: asked for the next one each time
  // the previous has been applied (at its very cycle, even while the chip
  // sleeps); nothing once there are no more. Replaces any earlier source.
  using InputSource = std::function<std::optional<InputChange>()>;
  void SetInputSource(InputSource source);
  // The inputs as they are from now on.
  void SetInputs(uint8_t status);
  // Inputs held from outside besides (the screen under the light sensor, as
  // a program under test tells it), active whatever SetInputs says.
  void SetOutsideInputs(uint8_t status);

  // While the chip sleeps, wait until the wall clock reaches the cycle it
  // wakes at, counting from now = the current cycle; or never wait.
  void PaceWithWallClock(bool on);

  // Runs until the cycle count reaches `cycle`. False once the chip has
  // stopped for good (crashed, or asleep with interrupts off).
  bool RunUntil(uint64_t cycle);
  uint64_t Cycle() const;

  // The reset pin: the firmware starts again from the top. The inputs stay
  // as they are; an input source must be set again.
  void Reset();

  LineSettings Line() const;
  // Cycles from one compare match of timer 1 in CTC mode to the next; 0
  // when the timer does not run so.
  int64_t TickCycles() const;
  bool WatchdogOn() const;

 private:
  explicit EmulatedChip(avr_t* avr);
  static void OnUartByte(avr_irq_t* irq, uint32_t value, void* param);
  static uint64_t ApplyDueChange(avr_t* avr, uint64_t when, void* param);
  static void Sleep(avr_t* avr, uint64_t cycles);
  void ScheduleNextChange();
  void EdgesOnly();
  uint8_t Register(uint16_t address) const;

  avr_t* m_avr = nullptr;
  ByteSink m_byteSink;
  InputSource m_inputSource;
  std::optional<InputChange> m_pending;  // the next change, its timer set
  uint8_t m_inputs = 0;
  uint8_t m_outsideInputs = 0;
  bool m_paced = false;
  int64_t m_wallOriginNs = 0;  // CLOCK_MONOTONIC at cycle m_wallOriginCycle
  uint64_t m_wallOriginCycle = 0;
};

}  // namespace alacrity
