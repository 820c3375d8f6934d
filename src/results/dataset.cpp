// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/dataset.h"

#include <cstdint>
#include <cstdio>
#include <map>

#include "data/text_encoding.h"

namespace alacrity {
namespace {

bool IsAsciiAlphanumeric(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The letters of Latin-1 (U+00C0..U+00FF) without their accents; "" for the
// two signs in that range, which are dropped like other punctuation.
constexpr std::string_view Latin1Folded[64] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

}  // namespace

std::string SubjectKeyword(std::string_view name) {
  const std::string utf8 = ToDisplayUtf8(name);
  std::string keyword;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (IsAsciiAlphanumeric(c)) {
      keyword += c;
      continue;
    }
    // Two-byte UTF-8 sequences C3 80..C3 BF are U+00C0..U+00FF.
    const auto lead = static_cast<unsigned char>(c);
    if (lead == 0xC3 && i + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[i + 1]);
      if (next >= 0x80 && next <= 0xBF) {
        keyword += Latin1Folded[next - 0x80];
        ++i;
      }
    }
  }
  return keyword.empty() ? "unnamed" : keyword;
}

std::vector<std::string> SubjectKeywords(const std::vector<DatasetTest>& tests) {
  std::map<std::string, std::string> byName;       // display name -> keyword
  std::map<std::string, std::string> nameOfKeyword;  // keyword -> display name
  std::vector<std::string> keywords;
  for (const DatasetTest& test : tests) {
    const std::string name = ToDisplayUtf8(test.data->subject.name);
    auto known = byName.find(name);
    if (known == byName.end()) {
      const std::string base = SubjectKeyword(name);
      std::string keyword = base;
      for (int n = 2; nameOfKeyword.contains(keyword); ++n) keyword = base + std::to_string(n);
      nameOfKeyword.emplace(keyword, name);
      known = byName.emplace(name, keyword).first;
    }
    keywords.push_back(known->second);
  }
  return keywords;
}

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace alacrity
