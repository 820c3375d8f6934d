// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "byte_stream.h"

#include <optional>

#include "text_encoding.h"

namespace alacrity {

namespace {

constexpr uint8_t WidePrefixByte = 0xFF;
constexpr uint16_t Wide16Marker = 0xFFFF;  // 32-bit length follows
constexpr uint16_t WideTextMarker = 0xFFFE;
constexpr uint32_t Wide32Marker = 0xFFFFFFFF;  // 64-bit length follows
constexpr uint64_t MaxTextLength = 0x7FFFFFFF;

void PutLe(std::vector<uint8_t>& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
}

// Reads little-endian values at a cursor that only the caller commits, so a
// failed field leaves the reader where it was.
class Cursor {
 public:
  Cursor(std::span<const uint8_t> data, std::size_t offset) : m_data(data), m_offset(offset) {}

  std::optional<uint64_t> Le(std::size_t bytes) {
    if (m_data.size() - m_offset < bytes) {
      return std::nullopt;
    }
    uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
      value |= uint64_t{m_data[m_offset + i]} << (8 * i);
    }
    m_offset += bytes;
    return value;
  }

  std::size_t Offset() const { return m_offset; }
  std::size_t Remaining() const { return m_data.size() - m_offset; }

 private:
  std::span<const uint8_t> m_data;
  std::size_t m_offset;
};

struct TextLength {
  uint64_t length = 0;
  bool wide = false;
};

// The prefix table, with the wide marker recognised only in the first 16-bit
// slot: after it, FFFE is an ordinary length.
std::optional<TextLength> ReadTextLength(Cursor& cursor) {
  bool wide = false;
  auto byte = cursor.Le(1);
  if (!byte) return std::nullopt;
  if (*byte < WidePrefixByte) return TextLength{*byte, wide};

  auto word = cursor.Le(2);
  if (!word) return std::nullopt;
  if (*word == WideTextMarker) {
    wide = true;
    byte = cursor.Le(1);
    if (!byte) return std::nullopt;
    if (*byte < WidePrefixByte) return TextLength{*byte, wide};
    word = cursor.Le(2);
    if (!word) return std::nullopt;
  }
  if (*word < Wide16Marker) return TextLength{*word, wide};

  auto dword = cursor.Le(4);
  if (!dword) return std::nullopt;
  if (*dword < Wide32Marker) return TextLength{*dword, wide};

  auto qword = cursor.Le(8);
  if (!qword || *qword > MaxTextLength) return std::nullopt;
  return TextLength{*qword, wide};
}

}  // namespace

void ByteWriter::Int32(int32_t value) { PutLe(m_data, static_cast<uint32_t>(value), 4); }

void ByteWriter::Bytes(std::span<const uint8_t> bytes) {
  m_data.insert(m_data.end(), bytes.begin(), bytes.end());
}

void ByteWriter::Text(std::string_view text) {
  const uint64_t length = text.size();
  if (length < WidePrefixByte) {
    PutLe(m_data, length, 1);
  } else if (length < WideTextMarker) {
    m_data.push_back(WidePrefixByte);
    PutLe(m_data, length, 2);
  } else if (length < Wide32Marker) {
    m_data.push_back(WidePrefixByte);
    PutLe(m_data, Wide16Marker, 2);
    PutLe(m_data, length, 4);
  } else {
    // Only reachable with a text of 4 GiB; the 64-bit form is the one prefix
    // that can say its length.
    m_data.push_back(WidePrefixByte);
    PutLe(m_data, Wide16Marker, 2);
    PutLe(m_data, Wide32Marker, 4);
    PutLe(m_data, length, 8);
  }
  m_data.insert(m_data.end(), text.begin(), text.end());
}

bool ByteReader::Int32(int32_t& value) {
  Cursor cursor(m_data, m_offset);
  auto raw = cursor.Le(4);
  if (!raw) return false;
  value = static_cast<int32_t>(static_cast<uint32_t>(*raw));
  m_offset = cursor.Offset();
  return true;
}

bool ByteReader::Bytes(std::span<uint8_t> out) {
  if (Remaining() < out.size()) return false;
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = m_data[m_offset + i];
  }
  m_offset += out.size();
  return true;
}

bool ByteReader::Text(std::string& text) {
  Cursor cursor(m_data, m_offset);
  auto length = ReadTextLength(cursor);
  if (!length) return false;
  // Compared before anything is allocated: a damaged prefix may claim gigabytes.
  const uint64_t byteCount = length->wide ? length->length * 2 : length->length;
  if (byteCount > cursor.Remaining()) return false;

  auto body = m_data.subspan(cursor.Offset(), static_cast<std::size_t>(byteCount));
  if (length->wide) {
    text = Utf16LeToUtf8(body);
  } else {
    text.assign(body.begin(), body.end());
  }
  m_offset = cursor.Offset() + body.size();
  return true;
}

}  // namespace alacrity
