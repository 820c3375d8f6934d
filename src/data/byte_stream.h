// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Little-endian integers and length-prefixed texts, the primitive encodings
// of the protocol and test data files.
//
// A text is its length prefix and its bytes, no terminator:
//   L < 255            one byte L
//   L < 65534          FF, then L as uint16
//   L < 4294967295     FF FF FF, then L as uint32
// Readers also accept FF FF FF FF FF FF FF then a uint64 length (at most
// 2147483647), and the wide form FF FE FF + prefix counting UTF-16 units +
// 2L bytes of UTF-16LE, which is converted to UTF-8. Writers never write
// the wide form, and the 64-bit form only for a text of 4 GiB or more.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace alacrity {

class ByteWriter {
 public:
  void Int32(int32_t value);
  void Bytes(std::span<const uint8_t> bytes);
  void Text(std::string_view text);

  const std::vector<uint8_t>& Data() const { return m_data; }

 private:
  std::vector<uint8_t> m_data;
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : m_data(data) {}

  // Each read returns false, and consumes nothing, when the data end inside
  // the field or (for a text) its prefix is malformed or its length runs past
  // the end of the data.
  [[nodiscard]] bool Int32(int32_t& value);
  [[nodiscard]] bool Bytes(std::span<uint8_t> out);
  [[nodiscard]] bool Text(std::string& text);

  std::size_t Remaining() const { return m_data.size() - m_offset; }
  std::size_t Offset() const { return m_offset; }

 private:
  std::span<const uint8_t> m_data;
  std::size_t m_offset = 0;
};

}  // namespace alacrity
