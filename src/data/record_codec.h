// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fixed records as the files lay them out, shared by the three formats so
// that a field order is written down once.

#include "byte_stream.h"
#include "records.h"

namespace alacrity {

void WriteRecord(ByteWriter& writer, const TestConfiguration& configuration);
void WriteRecord(ByteWriter& writer, const VoiceSettings& voice);
void WriteRecord(ByteWriter& writer, const ProtocolHeader& header);
void WriteRecord(ByteWriter& writer, const ProtocolItem& item);

// Each read fills the record only when the data hold all of it, and then
// consumes it; otherwise it returns false and consumes nothing.
[[nodiscard]] bool ReadRecord(ByteReader& reader, TestConfiguration& configuration);
[[nodiscard]] bool ReadRecord(ByteReader& reader, VoiceSettings& voice);
[[nodiscard]] bool ReadRecord(ByteReader& reader, ProtocolHeader& header);
[[nodiscard]] bool ReadRecord(ByteReader& reader, ProtocolItem& item);

}  // namespace alacrity
