// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "box_simulator.h"

#include <time.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <exception>

#include "keyboard_box.h"

namespace alacrity {

namespace {

constexpr int64_t NanosecondsPerSecond = 1'000'000'000;
// Bursts larger than this (100 ms of the stream) would let a stop wait too
// long and bunch the bytes up more than any real line does.
constexpr int MaxBytesPerWrite = BoxBytesPerSecond / 10;

// The moment the byte with 0-based index `count - 1` has fully arrived on
// the line: `count` byte periods after the start. Whole seconds and the
// remainder are computed apart so that neither overflows nor rounds.
timespec DueTime(const timespec& start, int64_t count, int64_t bytesPerSecond) {
  const int64_t seconds = count / bytesPerSecond;
  const int64_t remainder = count % bytesPerSecond;
  int64_t nanoseconds = start.tv_nsec + remainder * NanosecondsPerSecond / bytesPerSecond;
  timespec due{};
  due.tv_sec = start.tv_sec + static_cast<time_t>(seconds + nanoseconds / NanosecondsPerSecond);
  due.tv_nsec = static_cast<long>(nanoseconds % NanosecondsPerSecond);
  return due;
}

void SleepUntil(const timespec& due) {
  // Absolute deadlines: time lost to scheduling is made up by the next
  // writes instead of accumulating as drift.
  while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
  }
}

std::optional<int32_t> ParseMilliseconds(std::string_view text) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (value < 0 || value > MaxStepMs) return std::nullopt;
  return value;
}

std::optional<uint8_t> ParseButtons(std::string_view text) {
  uint8_t inputs = 0;
  while (true) {
    const std::size_t plus = text.find('+');
    const std::string_view name = text.substr(0, plus);
    if (name == "L") {
      inputs |= LightSensorBit;
    } else if (name.size() == 1 && name[0] >= '1' && name[0] <= '4') {
      inputs = static_cast<uint8_t>(inputs | (1u << (name[0] - '1')));
    } else {
      return std::nullopt;
    }
    if (plus == std::string_view::npos) return inputs;
    text.remove_prefix(plus + 1);
  }
}

std::optional<PressStep> ParseStep(std::string_view token) {
  const std::size_t first = token.find(':');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = token.find(':', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const auto wait = ParseMilliseconds(token.substr(0, first));
  const auto buttons = ParseButtons(token.substr(first + 1, second - first - 1));
  const auto hold = ParseMilliseconds(token.substr(second + 1));
  // A hold shorter than one byte period would press nothing at all.
  if (!wait || !buttons || !hold || MillisecondsToBoxBytes(*hold) < 1) return std::nullopt;
  return PressStep{*wait, *buttons, *hold};
}

bool IsSeparator(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

RecordedStream::RecordedStream(std::vector<uint8_t> bytes, bool loop)
    : m_bytes(std::move(bytes)), m_loop(loop) {}

std::size_t RecordedStream::Read(std::span<uint8_t> out) {
  std::size_t filled = 0;
  // An empty recording ends at once, looped or not.
  while (filled < out.size() && !m_bytes.empty()) {
    if (m_next == m_bytes.size()) {
      if (!m_loop) break;
      m_next = 0;
    }
    const std::size_t count = std::min(out.size() - filled, m_bytes.size() - m_next);
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_next), count,
                out.begin() + static_cast<std::ptrdiff_t>(filled));
    m_next += count;
    filled += count;
  }
  return filled;
}

int64_t MillisecondsToBoxBytes(int32_t ms) {
  // × 1.44 in integers: 144 / 100 = 36 / 25, exact for every int32.
  return int64_t{ms} * 36 / 25;
}

std::optional<std::vector<PressStep>> ParsePressScript(std::string_view text, std::string& error) {
  std::vector<PressStep> steps;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == '#') {
      at = text.find('\n', at);
      if (at == std::string_view::npos) break;
      continue;
    }
    if (IsSeparator(text[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && !IsSeparator(text[end]) && text[end] != '#') ++end;
    const std::string_view token = text.substr(at, end - at);
    const std::optional<PressStep> step = ParseStep(token);
    if (!step) {
      error = "step " + std::to_string(steps.size() + 1) + " \"" + std::string(token) +
              "\": expected WAIT:BUTTONS:HOLD, milliseconds 0.." + std::to_string(MaxStepMs) +
              " (HOLD at least 1) and buttons 1..4 or L (the light sensor) joined by '+'";
      return std::nullopt;
    }
    steps.push_back(*step);
    at = end;
  }
  if (steps.empty()) {
    error = "the script holds no step";
    return std::nullopt;
  }
  return steps;
}

ScriptedSubject::ScriptedSubject(std::vector<PressStep> steps, bool loop)
    : m_steps(std::move(steps)), m_loop(loop) {}

std::size_t ScriptedSubject::Read(std::span<uint8_t> out) {
  std::size_t filled = 0;
  while (filled < out.size()) {
    if (!m_stepLoaded) {
      if (m_step == m_steps.size()) {
        if (!m_loop || m_steps.empty()) break;
        m_step = 0;
      }
      m_waitLeft = MillisecondsToBoxBytes(m_steps[m_step].waitMs);
      m_holdLeft = MillisecondsToBoxBytes(m_steps[m_step].holdMs);
      m_stepLoaded = true;
    }
    if (m_waitLeft > 0) {
      out[filled++] = 0;
      --m_waitLeft;
    } else if (m_holdLeft > 0) {
      out[filled++] = m_steps[m_step].buttons;
      --m_holdLeft;
    } else {
      m_stepLoaded = false;
      ++m_step;
    }
  }
  return filled;
}

BoxSimulator::~BoxSimulator() { Close(); }

bool BoxSimulator::Open() { return m_terminal.Open(); }

bool BoxSimulator::Start(std::unique_ptr<BoxByteSource> source, BoxSimulatorOptions options) {
  if (m_terminal.DevicePath().empty() || !source) return false;
  if (m_streamer.joinable()) {
    if (!m_finished.load()) return false;  // still streaming
    m_streamer.join();
  }
  options.bytesPerWrite = std::clamp(options.bytesPerWrite, 1, MaxBytesPerWrite);
  options.bytesPerSecond = std::clamp(options.bytesPerSecond, 1, 1'000'000);
  options.stallMs = std::clamp(options.stallMs, 0, MaxStepMs);
  m_stop.store(false);
  m_finished.store(false);
  m_stallEndedNs.store(0);
  try {
    m_streamer = std::thread(&BoxSimulator::Stream, this, std::move(source), options);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

void BoxSimulator::Stop() {
  m_stop.store(true);
  if (m_streamer.joinable()) m_streamer.join();
}

bool BoxSimulator::WaitUntilRead(int timeoutMs) const { return m_terminal.WaitUntilRead(timeoutMs); }

void BoxSimulator::Close() {
  Stop();
  m_terminal.Close();
}

void BoxSimulator::Stream(std::unique_ptr<BoxByteSource> source, BoxSimulatorOptions options) {
  std::array<uint8_t, MaxBytesPerWrite> burst{};
  const auto size = static_cast<std::size_t>(options.bytesPerWrite);
  timespec start{};
  ::clock_gettime(CLOCK_MONOTONIC, &start);
  int64_t due = 0;
  bool sourceEnded = false;
  bool stalled = false;
  while (!m_stop.load()) {
    due += options.bytesPerWrite;
    timespec dueTime = DueTime(start, due, options.bytesPerSecond);
    if (!stalled && options.stallAfterBytes >= 0 && due > options.stallAfterBytes) {
      // Later writes keep their due times, so the held-back bytes follow in
      // one quick run once the stall is over.
      stalled = true;
      dueTime = DueTime(dueTime, options.stallMs, 1000);  // stallMs milliseconds later
    }
    SleepUntil(dueTime);
    if (m_stop.load()) break;
    if (stalled && m_stallEndedNs.load() == 0) {
      timespec now{};
      ::clock_gettime(CLOCK_MONOTONIC, &now);
      m_stallEndedNs.store(int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec);
    }
    std::size_t count = 0;
    if (!sourceEnded) {
      count = source->Read(std::span(burst.data(), size));
      sourceEnded = count < size;
    }
    if (sourceEnded && options.idleAfterEnd) {
      std::fill(burst.begin() + static_cast<std::ptrdiff_t>(count),
                burst.begin() + static_cast<std::ptrdiff_t>(size), uint8_t{0});
      count = size;
    }
    Deliver(std::span(burst.data(), count));
    if (sourceEnded && !options.idleAfterEnd) {
      m_finished.store(true);
      return;
    }
  }
}

void BoxSimulator::Deliver(std::span<const uint8_t> bytes) {
  const std::size_t written = m_terminal.Write(bytes);
  m_sent.fetch_add(static_cast<int64_t>(written));
  m_dropped.fetch_add(static_cast<int64_t>(bytes.size() - written));
}

}  // namespace alacrity
