// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The response box on an ATmega328P at 16 MHz (Arduino Uno, Nano and their
// clones): one status byte per tick, 1440 ticks a second, on the serial line
// at 14400 baud with 5 data bits, no parity and one stop bit.
//
//   bit 0..3  buttons 1..4 on D2..D5 (PD2..PD5), set while held
//   bit 4     light sensor on D6 (PD6), set while it sees light
//
// Every input is active low with the chip's pull-up on: a button closes to
// ground, a sensor module pulls its output low in light. A pin left open
// reads 0, so a box built without a sensor never sets bit 4.
//
// Timing: timer 1 in CTC mode counts 11111 cycles of the crystal per tick,
// 16 MHz / 11111 = 1440.0144 Hz (+10 ppm against 1440). Each compare match
// samples the pins and hands the byte to the UART at the same cycle after the
// match every time (the CPU only sleeps in between), so the stream has no
// drift of its own beyond the crystal's. No debouncing: a bouncing contact
// shows in the bytes as it happened and the program sees its first closure.

#include <avr/interrupt.h>
#include <avr/io.h>
#include <avr/sleep.h>
#include <avr/wdt.h>
#include <stdint.h>

#if F_CPU != 16000000UL
#error "the tick period below is counted for a 16 MHz crystal"
#endif

// Cycles per tick: OCR1A + 1 with the timer running at the CPU clock.
#define TICK_CYCLES 11111u

// UBRR0 = 68 at normal speed: 16 MHz / (16 x 69) = 14492.75 baud, +0.64 %
// against 14400, well within what a receiver tolerates. The faster bit
// keeps 11111 cycles at 10.06 bit times, so frames start at least ten bit
// times apart: a converter that can only read 7 or 8 data bits still finds
// the line idle up to its stop bit and reads the byte with its upper bits
// set instead of a framing error. (UBRR0 = 138 with U2X0 would be -0.08 %,
// but its bit of 1112 cycles fits 11111 only 9.99 times, so every 125th
// frame would follow its predecessor after nine bit times.)
#define BAUD_DIVISOR 68u

// The inputs, all on port D: buttons on PD2..PD5, the light sensor on PD6.
#define INPUT_MASK 0x7Cu
// The board's LED on D13 (PB5) shows what the light sensor sees, so the
// sensor can be placed and its threshold set without a computer.
#define LED_BIT PB5

// The watchdog stays on after a reset it caused; it must be off before
// anything else runs, or the start-up could be reset over and over.
void stop_watchdog_early(void) __attribute__((naked, used, section(".init3")));
void stop_watchdog_early(void) {
  MCUSR = 0;
  wdt_disable();
}

// The status byte of the pins as read: active-low inputs inverted, PD2..PD6
// shifted down to bits 0..4.
static inline uint8_t status_of(uint8_t pins) { return (uint8_t)((uint8_t)~pins & INPUT_MASK) >> 2; }

ISR(TIMER1_COMPA_vect) {
  // The pins first, so the sample is taken the same number of cycles after
  // every compare match.
  const uint8_t status = status_of(PIND);
  UDR0 = status;
  if (status & 0x10u) {
    PORTB |= (uint8_t)(1u << LED_BIT);
  } else {
    PORTB &= (uint8_t)~(1u << LED_BIT);
  }
  // Only a running tick keeps the box alive: should the timer or its
  // interrupt ever stop, the watchdog restarts the box within 30 ms.
  wdt_reset();
}

static void set_up_inputs(void) {
  DDRD &= (uint8_t)~INPUT_MASK;
  PORTD |= INPUT_MASK;  // pull-ups
  DDRB |= (uint8_t)(1u << LED_BIT);
}

static void set_up_line(void) {
  UBRR0H = (uint8_t)(BAUD_DIVISOR >> 8);
  UBRR0L = (uint8_t)BAUD_DIVISOR;
  UCSR0A = 0;                // normal speed, no multi-processor mode
  UCSR0C = 0;                // asynchronous, no parity, one stop bit, 5 data bits
  UCSR0B = (1u << TXEN0);    // send only: the box never listens
}

static void set_up_tick(void) {
  TCCR1A = 0;
  OCR1A = TICK_CYCLES - 1u;
  TIMSK1 = (1u << OCIE1A);
  TCCR1B = (1u << WGM12) | (1u << CS10);  // CTC on OCR1A, clock undivided
}

int main(void) {
  set_up_inputs();
  set_up_line();
  wdt_enable(WDTO_30MS);
  set_up_tick();
  set_sleep_mode(SLEEP_MODE_IDLE);
  sei();
  for (;;) {
    sleep_mode();
  }
}
