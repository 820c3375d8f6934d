// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Configuration files (.alycfg): a fixed 81-byte image, the 17-character
// header without length prefix, then portIndex, the 48-byte custom
// configuration, reservedValue and the custom voice settings.
//
// Older files may end early: a load applies every field that is complete
// before the end and leaves the rest as it was.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document_data.h"
#include "file_io.h"
#include "file_outcome.h"

namespace alacrity {

inline constexpr std::string_view ConfigurationHeaderText = "Alacrity_cfg_V1.0";
inline constexpr std::size_t ConfigurationFileBytes = 81;

// The fields a configuration file holds, each only when the file holds it whole.
struct ConfigurationImage {
  std::optional<int32_t> portIndex;
  std::optional<TestConfiguration> customConfiguration;
  std::optional<int32_t> reservedValue;
  std::optional<VoiceSettings> customVoice;
};

// Refuses a short or different header with "Incompatible data".
ParseResult<ConfigurationImage> ParseConfiguration(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeConfiguration(const DocumentData& data);
void ApplyConfigurationImage(const ConfigurationImage& image, DocumentData& data);

struct [[nodiscard]] ConfigurationLoad {
  enum class Kind { Loaded, DefaultsApplied, Refused };
  Kind kind = Kind::Refused;
  // Why: set when Refused; when DefaultsApplied, "Error opening file" and the
  // reason, for a caller that asked for this very file.
  std::string message;
};

// A file that cannot be opened gives the built-in defaults, silently (a first
// start has no default configuration file). A refused file changes nothing.
// Never touches the results.
ConfigurationLoad LoadConfiguration(const std::filesystem::path& path, DocumentData& data);

// Not ok, with the file and the reason, when the file could not be written.
// Only the Save Configuration command shows that; the save at exit is silent.
WriteResult SaveConfiguration(const std::filesystem::path& path, const DocumentData& data);

}  // namespace alacrity
