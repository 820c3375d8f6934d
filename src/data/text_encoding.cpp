// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_encoding.h"

#include <cstddef>

namespace alacrity {

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t cp) {
  auto put = [&out](char32_t byte) { out.push_back(static_cast<char>(static_cast<uint8_t>(byte))); };
  if (cp < 0x80) {
    put(cp);
  } else if (cp < 0x800) {
    put(0xC0 | (cp >> 6));
    put(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    put(0xE0 | (cp >> 12));
    put(0x80 | ((cp >> 6) & 0x3F));
    put(0x80 | (cp & 0x3F));
  } else {
    put(0xF0 | (cp >> 18));
    put(0x80 | ((cp >> 12) & 0x3F));
    put(0x80 | ((cp >> 6) & 0x3F));
    put(0x80 | (cp & 0x3F));
  }
}

// Length of the valid UTF-8 sequence at text[i], or 0 when it is not one.
// Overlong forms, surrogates and code points above U+10FFFF are invalid.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  auto at = [&text](std::size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = at(i);
  if (lead < 0x80) return 1;

  std::size_t length = 0;
  uint8_t low = 0x80;  // allowed range of the second byte
  uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() - i < length) return 0;
  if (at(i + 1) < low || at(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string Utf16LeToUtf8(std::span<const uint8_t> bytes) {
  std::string out;
  out.reserve(bytes.size());
  const std::size_t units = bytes.size() / 2;
  auto unit = [&bytes](std::size_t k) {
    return static_cast<char32_t>(bytes[2 * k] | (bytes[2 * k + 1] << 8));
  };
  for (std::size_t k = 0; k < units; ++k) {
    const char32_t first = unit(k);
    if (IsHighSurrogate(first) && k + 1 < units && IsLowSurrogate(unit(k + 1))) {
      AppendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (unit(k + 1) - 0xDC00));
      ++k;
    } else if (IsHighSurrogate(first) || IsLowSurrogate(first)) {
      AppendUtf8(out, ReplacementCharacter);
    } else {
      AppendUtf8(out, first);
    }
  }
  // A dangling odd byte is half a character: mark it rather than drop it.
  if (bytes.size() % 2 != 0) AppendUtf8(out, ReplacementCharacter);
  return out;
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string ToDisplayUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    AppendUtf8(out, static_cast<uint8_t>(c));
  }
  return out;
}

}  // namespace alacrity
