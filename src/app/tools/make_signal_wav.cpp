// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's signal sound: a 1 kHz tone of 100 ms followed by
// 300 ms of silence, 16-bit mono PCM at 22050 Hz. The silence is there on
// purpose: some PulseAudio sinks cut a sound this short to a few
// milliseconds, while the padded one plays whole. The tone fades in and out
// over 5 ms so it starts and ends without a click.
//
// Usage: make_signal_wav OUTPUT.wav

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double ToneHz = 1000.0;
constexpr int ToneMs = 100;
constexpr int SilenceMs = 300;
constexpr int FadeMs = 5;
constexpr double Amplitude = 0.6 * 32767.0;

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFFu));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFFu));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, value & 0xFFFFu);
  PutU16(out, value >> 16);
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

std::vector<int16_t> Samples() {
  const int toneSamples = SampleRate * ToneMs / 1000;
  const int fadeSamples = SampleRate * FadeMs / 1000;
  const int totalSamples = toneSamples + SampleRate * SilenceMs / 1000;
  std::vector<int16_t> samples(static_cast<std::size_t>(totalSamples), 0);
  for (int i = 0; i < toneSamples; ++i) {
    double gain = 1.0;
    if (i < fadeSamples) gain = static_cast<double>(i) / fadeSamples;
    if (toneSamples - i < fadeSamples) gain = static_cast<double>(toneSamples - i) / fadeSamples;
    const double phase = 2.0 * std::numbers::pi * ToneHz * i / SampleRate;
    samples[static_cast<std::size_t>(i)] = static_cast<int16_t>(std::lround(Amplitude * gain * std::sin(phase)));
  }
  return samples;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.wav\n", argv[0]);
    return 2;
  }
  const std::vector<int16_t> samples = Samples();
  const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> wav;
  PutTag(wav, "RIFF");
  PutU32(wav, 36 + dataBytes);
  PutTag(wav, "WAVE");
  PutTag(wav, "fmt ");
  PutU32(wav, 16);              // PCM format chunk
  PutU16(wav, 1);               // PCM
  PutU16(wav, 1);               // mono
  PutU32(wav, SampleRate);
  PutU32(wav, SampleRate * 2);  // bytes per second
  PutU16(wav, 2);               // bytes per frame
  PutU16(wav, 16);              // bits per sample
  PutTag(wav, "data");
  PutU32(wav, dataBytes);
  for (const int16_t sample : samples) PutU16(wav, static_cast<uint16_t>(sample));

  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
  if (!out) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
