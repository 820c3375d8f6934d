// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A response box without hardware: a pseudo-terminal whose far end behaves
// like the box's serial line, streaming exactly 1440 status bytes a second
// from a byte source. Point a serial port at its device (ALACRITY_COM1=...)
// and the real serial transport reads it. Used by alacrity-boxsim and by the
// tests that drive the serial transport end to end.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "pseudo_terminal.h"

namespace alacrity {

// Where the simulated box's status bytes come from.
class BoxByteSource {
 public:
  virtual ~BoxByteSource() = default;
  // Fills `out` with the next bytes and returns how many; fewer than asked
  // for means the source has ended.
  virtual std::size_t Read(std::span<uint8_t> out) = 0;
};

// A recorded byte stream, played once or over and over.
class RecordedStream : public BoxByteSource {
 public:
  RecordedStream(std::vector<uint8_t> bytes, bool loop);
  std::size_t Read(std::span<uint8_t> out) override;

 private:
  std::vector<uint8_t> m_bytes;
  bool m_loop;
  std::size_t m_next = 0;
};

// The status bit of the light sensor on a box that has one.
inline constexpr uint8_t LightSensorBit = 0x10;

// One step of a scripted subject: after `waitMs` with all buttons up, hold
// `buttons` (bit k for button k + 1; bit 4 the light sensor of a box that
// has one, seeing light) for `holdMs`.
struct PressStep {
  int32_t waitMs = 0;
  uint8_t buttons = 0;
  int32_t holdMs = 0;
};

// The longest wait or hold a step may ask for: an hour.
inline constexpr int32_t MaxStepMs = 3'600'000;

// Parses a press script: steps "WAIT:BUTTONS:HOLD" in milliseconds, separated
// by commas, blanks or line breaks, with '#' starting a comment to the end of
// the line. BUTTONS is a button number 1..4, or L for the light sensor
// seeing light, or several joined by '+' ("1+2", "3+L").
// Example: "500:1:100, 1200:3:150" presses button 1 for 100 ms after 500 ms,
// then button 3 for 150 ms after 1200 ms more. Nothing, with a reason in
// `error`, when the text is malformed or holds no step.
std::optional<std::vector<PressStep>> ParsePressScript(std::string_view text, std::string& error);

// Milliseconds of the script to whole status bytes of the box, truncated:
// trunc(ms × 1.44).
int64_t MillisecondsToBoxBytes(int32_t ms);

// A subject that presses as a script says, blind to the screen: times count
// from the end of the previous step, in status bytes.
class ScriptedSubject : public BoxByteSource {
 public:
  ScriptedSubject(std::vector<PressStep> steps, bool loop);
  std::size_t Read(std::span<uint8_t> out) override;

 private:
  std::vector<PressStep> m_steps;
  bool m_loop;
  std::size_t m_step = 0;
  int64_t m_waitLeft = 0;  // bytes of the current step's wait still to send
  int64_t m_holdLeft = 0;  // bytes of its hold still to send
  bool m_stepLoaded = false;
};

struct BoxSimulatorOptions {
  // Once the source has ended, keep sending 0 (no button held) as a box that
  // is left switched on does; otherwise streaming ends with the source.
  bool idleAfterEnd = true;
  // Bytes handed to the pseudo-terminal per write; each write happens once
  // its last byte is due, so 8 bytes make one write about every 5.6 ms.
  int bytesPerWrite = 8;
  // The box's clock: a sound box sends 1440 bytes a second. Another rate
  // plays a box whose clock is off.
  int bytesPerSecond = 1440;
  // Holds the stream back for stallMs once this many bytes have been sent
  // (negative: never), then sends what fell due meanwhile at once, as a
  // converter or a busy host does that delivers bytes in a burst.
  int64_t stallAfterBytes = -1;
  int stallMs = 0;
};

class BoxSimulator {
 public:
  BoxSimulator() = default;
  ~BoxSimulator();
  BoxSimulator(const BoxSimulator&) = delete;
  BoxSimulator& operator=(const BoxSimulator&) = delete;

  // Creates the pseudo-terminal. False (errno set) when none is available or
  // it is already open.
  bool Open();
  // The device to open as the box's serial port ("/dev/pts/N"); "" when
  // closed.
  const std::string& DevicePath() const { return m_terminal.DevicePath(); }

  // Starts streaming `source` at the options' rate on a thread of its own.
  // False when not open, already streaming, or the thread cannot start.
  bool Start(std::unique_ptr<BoxByteSource> source, BoxSimulatorOptions options = {});
  // Ends streaming within one write period. Nothing when not streaming.
  void Stop();
  // True once the source has ended and streaming stopped by itself.
  bool Finished() const { return m_finished.load(); }
  // When the bytes held back by a stall were written, on CLOCK_MONOTONIC in
  // nanoseconds; 0 before. No reader can have received them earlier.
  int64_t StallEndedNs() const { return m_stallEndedNs.load(); }

  // Waits until whoever reads the device has taken every byte written, for
  // at most `timeoutMs`. False on timeout.
  bool WaitUntilRead(int timeoutMs) const;

  // Stops streaming and closes the pseudo-terminal; the reading side sees a
  // hang-up.
  void Close();

  // Bytes written so far, and bytes dropped because nobody read them and
  // the terminal's queue was full (a real line loses them just so).
  int64_t BytesSent() const { return m_sent.load(); }
  int64_t BytesDropped() const { return m_dropped.load(); }

 private:
  void Stream(std::unique_ptr<BoxByteSource> source, BoxSimulatorOptions options);
  void Deliver(std::span<const uint8_t> bytes);

  PseudoTerminal m_terminal;  // the streaming thread writes the bytes here
  std::thread m_streamer;
  std::atomic<bool> m_stop{false};        // written by Stop
  std::atomic<bool> m_finished{false};    // written by the streaming thread
  std::atomic<int64_t> m_sent{0};         // written by the streaming thread
  std::atomic<int64_t> m_dropped{0};      // written by the streaming thread
  std::atomic<int64_t> m_stallEndedNs{0};  // written by the streaming thread
};

}  // namespace alacrity
