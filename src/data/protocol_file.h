// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Protocol files (.alyprt): the header text "Alacrity_cfg_V1.0" with its length
// prefix, the name, the 28-byte protocol header, the voice settings and
// itemCount + 1 item records (the last one carries the slot after the last
// item, which nothing uses). With an empty name M items take 63 + 8 M bytes.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document_data.h"
#include "file_outcome.h"

namespace alacrity {

// The configuration file's header text, here with a length prefix.
inline constexpr std::string_view ProtocolHeaderText = "Alacrity_cfg_V1.0";

struct ProtocolImage {
  std::string name;
  ProtocolHeader header;
  VoiceSettings voice;
  std::vector<ProtocolItem> items;  // itemCount + 1 records, slot 0 first
};

// All or nothing: a wrong header gives "Incompatible protocol"; a file that
// ends inside any field, a malformed text or an itemCount outside 0..1199
// gives "Damaged protocol file".
ParseResult<ProtocolImage> ParseProtocol(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeProtocol(const Protocol& protocol, const VoiceSettings& voice);

// Replaces the name, the header, the slots the image holds and customVoice,
// and sets protocolLoaded.
void ApplyProtocolImage(const ProtocolImage& image, DocumentData& data);

// Replaces protocol (name, header, slots 0..itemCount), customVoice and sets
// protocolLoaded, only when the whole file was accepted.
FileOutcome LoadProtocol(const std::filesystem::path& path, DocumentData& data);

// Writes protocol and customVoice; changes no flag. Refuses an itemCount
// above the item table with "File Save Error".
FileOutcome SaveProtocol(const std::filesystem::path& path, const DocumentData& data);

}  // namespace alacrity
