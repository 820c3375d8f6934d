// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record_codec.h"

#include <array>

namespace alacrity {

namespace {

// Checking the size up front keeps a short record from being half consumed.
bool HasBytes(const ByteReader& reader, std::size_t count) { return reader.Remaining() >= count; }

template <typename... Fields>
bool ReadInts(ByteReader& reader, Fields&... fields) {
  if (!HasBytes(reader, 4 * sizeof...(fields))) return false;
  return (reader.Int32(fields) && ...);
}

}  // namespace

void WriteRecord(ByteWriter& writer, const TestConfiguration& c) {
  for (int32_t value : {c.stimulusCount, c.timingMode, c.fixedTimeMs, c.randomLowerMs,
                        c.randomUpperMs, c.squareColor, c.circleColor, c.triangleColor,
                        c.crossColor}) {
    writer.Int32(value);
  }
  writer.Bytes(c.generateObject);
  writer.Int32(c.background);
  writer.Int32(c.falseResponse);
}

void WriteRecord(ByteWriter& writer, const VoiceSettings& voice) {
  writer.Int32(voice.voiceSignal);
  writer.Int32(voice.voiceLeadMs);
}

void WriteRecord(ByteWriter& writer, const ProtocolHeader& h) {
  for (int32_t value : {h.itemCount, h.background, h.falseResponse, h.squareColor, h.circleColor,
                        h.triangleColor, h.crossColor}) {
    writer.Int32(value);
  }
}

void WriteRecord(ByteWriter& writer, const ProtocolItem& item) {
  writer.Int32(item.generationMs);
  writer.Int32(item.object);
}

bool ReadRecord(ByteReader& reader, TestConfiguration& configuration) {
  if (!HasBytes(reader, TestConfigurationBytes)) return false;
  TestConfiguration c;
  const bool ok = ReadInts(reader, c.stimulusCount, c.timingMode, c.fixedTimeMs, c.randomLowerMs,
                           c.randomUpperMs, c.squareColor, c.circleColor, c.triangleColor,
                           c.crossColor) &&
                  reader.Bytes(c.generateObject) && ReadInts(reader, c.background, c.falseResponse);
  if (ok) configuration = c;
  return ok;
}

bool ReadRecord(ByteReader& reader, VoiceSettings& voice) {
  VoiceSettings v;
  if (!ReadInts(reader, v.voiceSignal, v.voiceLeadMs)) return false;
  voice = v;
  return true;
}

bool ReadRecord(ByteReader& reader, ProtocolHeader& header) {
  ProtocolHeader h;
  if (!ReadInts(reader, h.itemCount, h.background, h.falseResponse, h.squareColor, h.circleColor,
                h.triangleColor, h.crossColor)) {
    return false;
  }
  header = h;
  return true;
}

bool ReadRecord(ByteReader& reader, ProtocolItem& item) {
  ProtocolItem i;
  if (!ReadInts(reader, i.generationMs, i.object)) return false;
  item = i;
  return true;
}

}  // namespace alacrity
