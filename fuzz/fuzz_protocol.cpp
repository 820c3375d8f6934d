// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes: the parser must not crash, and whatever it accepts must survive
// being applied, saved and read again (wide texts come back as UTF-8 both
// times, so the images compare equal).

#include <cstdint>
#include <cstdlib>
#include <span>

#include "data/file_kind.h"
#include "data/protocol_file.h"

using namespace alacrity;

namespace {

bool SameImage(const ProtocolImage& a, const ProtocolImage& b) {
  return a.name == b.name && a.header == b.header && a.voice == b.voice && a.items == b.items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const auto parsed = ParseProtocol(bytes);
  if (!parsed.image) {
    if (parsed.message.empty()) std::abort();
    return 0;
  }
  const ProtocolImage& image = *parsed.image;
  if (DetectFileKind(bytes) != FileKind::Protocol) std::abort();
  if (image.items.size() != static_cast<size_t>(image.header.itemCount) + 1) std::abort();

  static DocumentData document;
  document = DocumentData{};
  ApplyProtocolImage(image, document);
  const auto again = ParseProtocol(EncodeProtocol(document.protocol, document.customVoice));
  if (!again.image || !SameImage(image, *again.image)) std::abort();
  return 0;
}
