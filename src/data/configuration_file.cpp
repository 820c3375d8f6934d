// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "configuration_file.h"

#include <algorithm>

#include "byte_stream.h"
#include "file_io.h"
#include "record_codec.h"

namespace alacrity {

namespace {

std::span<const uint8_t> HeaderBytes() {
  return {reinterpret_cast<const uint8_t*>(ConfigurationHeaderText.data()),
          ConfigurationHeaderText.size()};
}

}  // namespace

ParseResult<ConfigurationImage> ParseConfiguration(std::span<const uint8_t> bytes) {
  const auto header = HeaderBytes();
  if (bytes.size() < header.size() || !std::equal(header.begin(), header.end(), bytes.begin())) {
    return {std::nullopt, MessageIncompatibleData};
  }

  // Older files end early; each field counts only when it is there whole, and
  // a missing field ends the file, since the next could not start after it.
  ByteReader reader(bytes.subspan(header.size()));
  ConfigurationImage image;
  int32_t port = 0;
  TestConfiguration configuration;
  int32_t reserved = 0;
  VoiceSettings voice;
  if (reader.Int32(port)) {
    image.portIndex = port;
    if (ReadRecord(reader, configuration)) {
      image.customConfiguration = configuration;
      if (reader.Int32(reserved)) {
        image.reservedValue = reserved;
        if (ReadRecord(reader, voice)) image.customVoice = voice;
      }
    }
  }
  return {image, {}};
}

std::vector<uint8_t> EncodeConfiguration(const DocumentData& data) {
  ByteWriter writer;
  writer.Bytes(HeaderBytes());
  writer.Int32(data.portIndex);
  WriteRecord(writer, data.customConfiguration);
  writer.Int32(data.reservedValue);
  WriteRecord(writer, data.customVoice);
  return writer.Data();
}

void ApplyConfigurationImage(const ConfigurationImage& image, DocumentData& data) {
  if (image.portIndex) data.portIndex = *image.portIndex;
  if (image.customConfiguration) data.customConfiguration = *image.customConfiguration;
  if (image.reservedValue) data.reservedValue = *image.reservedValue;
  if (image.customVoice) data.customVoice = *image.customVoice;
}

ConfigurationLoad LoadConfiguration(const std::filesystem::path& path, DocumentData& data) {
  // Anything past the fixed image is not ours to read.
  const auto file = ReadFileBytes(path, ConfigurationFileBytes);
  if (!file) {
    ApplyDefaultConfiguration(data);
    return {ConfigurationLoad::Kind::DefaultsApplied,
            WithFailure(MessageErrorOpeningFile, file.failure)};
  }
  auto parsed = ParseConfiguration(file->bytes);
  if (!parsed.image) return {ConfigurationLoad::Kind::Refused, parsed.message};
  ApplyConfigurationImage(*parsed.image, data);
  return {ConfigurationLoad::Kind::Loaded, {}};
}

WriteResult SaveConfiguration(const std::filesystem::path& path, const DocumentData& data) {
  return WriteFileAtomically(path, EncodeConfiguration(data));
}

}  // namespace alacrity
