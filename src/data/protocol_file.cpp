// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "protocol_file.h"

#include <algorithm>
#include <utility>

#include "byte_stream.h"
#include "file_io.h"
#include "record_codec.h"

namespace alacrity {

namespace {

ParseResult<ProtocolImage> Damaged() { return {std::nullopt, MessageDamagedProtocolFile}; }

}  // namespace

ParseResult<ProtocolImage> ParseProtocol(std::span<const uint8_t> bytes) {
  ByteReader reader(bytes);
  std::string header;
  if (!reader.Text(header) || header != ProtocolHeaderText) {
    return {std::nullopt, MessageIncompatibleProtocol};
  }

  ProtocolImage image;
  if (!reader.Text(image.name) || !ReadRecord(reader, image.header) ||
      !ReadRecord(reader, image.voice)) {
    return Damaged();
  }
  // The count must fit the item table before it sizes anything.
  const int32_t count = image.header.itemCount;
  if (count < 0 || count > MaxProtocolItems) return Damaged();

  const auto records = static_cast<std::size_t>(count) + 1;
  if (reader.Remaining() / 8 < records) return Damaged();
  image.items.resize(records);
  for (ProtocolItem& item : image.items) {
    if (!ReadRecord(reader, item)) return Damaged();
  }
  return {std::move(image), {}};
}

std::vector<uint8_t> EncodeProtocol(const Protocol& protocol, const VoiceSettings& voice) {
  ByteWriter writer;
  writer.Text(ProtocolHeaderText);
  writer.Text(protocol.name);
  WriteRecord(writer, protocol.header);
  WriteRecord(writer, voice);
  // The record after the last item goes along (readers ignore it); never
  // more slots than the table has.
  const int32_t count = std::min(protocol.header.itemCount, MaxProtocolItems);
  for (int32_t slot = 0; slot <= count; ++slot) {
    WriteRecord(writer, protocol.items[static_cast<std::size_t>(slot)]);
  }
  return writer.Data();
}

void ApplyProtocolImage(const ProtocolImage& image, DocumentData& data) {
  data.protocol.name = image.name;
  data.protocol.header = image.header;
  // Slots past the file's records keep what they held.
  const std::size_t records = std::min(image.items.size(), data.protocol.items.size());
  std::copy_n(image.items.begin(), records, data.protocol.items.begin());
  data.customVoice = image.voice;
  data.protocolLoaded = 1;
}

FileOutcome LoadProtocol(const std::filesystem::path& path, DocumentData& data) {
  const auto file = ReadFileBytes(path);
  if (!file) return {false, WithFailure(MessageErrorOpeningFile, file.failure)};
  auto parsed = ParseProtocol(file->bytes);
  if (!parsed.image) return {false, parsed.message};
  ApplyProtocolImage(*parsed.image, data);
  return {true, {}};
}

FileOutcome SaveProtocol(const std::filesystem::path& path, const DocumentData& data) {
  // A count beyond the table has no items to write; saving it would store a
  // file that says more than it holds.
  if (data.protocol.header.itemCount > MaxProtocolItems) return {false, MessageFileSaveError};
  const auto bytes = EncodeProtocol(data.protocol, data.customVoice);
  // A file larger than a load reads could not be opened again.
  if (bytes.size() > MaxReadableFileBytes) return {false, MessageFileSaveError};
  if (const WriteResult written = WriteFileAtomically(path, bytes); !written) {
    return {false, WithFailure(MessageFileSaveError, written.failure)};
  }
  return {true, {}};
}

}  // namespace alacrity
