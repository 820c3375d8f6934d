// SPDX-FileCopyrightText: 2026 The alacrity authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/byte_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace alacrity {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Prefix(std::string_view text) {
  ByteWriter writer;
  writer.Text(text);
  const Bytes& all = writer.Data();
  return Bytes(all.begin(), all.end() - static_cast<std::ptrdiff_t>(text.size()));
}

// Reads one text, expecting the whole input to be consumed.
std::optional<std::string> ReadText(const Bytes& bytes) {
  ByteReader reader(bytes);
  std::string text = "unchanged";
  if (!reader.Text(text)) {
    EXPECT_EQ(reader.Offset(), 0u) << "a failed read consumed bytes";
    EXPECT_EQ(text, "unchanged");
    return std::nullopt;
  }
  EXPECT_EQ(reader.Remaining(), 0u);
  return text;
}

Bytes Cat(Bytes head, const Bytes& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

TEST(ByteStream, Int32IsLittleEndianTwosComplement) {
  ByteWriter writer;
  writer.Int32(-2);
  writer.Int32(0x01020304);
  EXPECT_EQ(writer.Data(), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1}));

  ByteReader reader(writer.Data());
  int32_t a = 0, b = 0, c = 42;
  ASSERT_TRUE(reader.Int32(a) && reader.Int32(b));
  EXPECT_EQ(a, -2);
  EXPECT_EQ(b, 0x01020304);
  EXPECT_FALSE(reader.Int32(c));
  EXPECT_EQ(c, 42);
}

TEST(ByteStream, TextPrefixPicksTheShortestFormAroundEachBoundary) {
  EXPECT_EQ(Prefix(std::string(254, 'a')), (Bytes{254}));
  EXPECT_EQ(Prefix(std::string(255, 'a')), (Bytes{0xFF, 0xFF, 0x00}));
  EXPECT_EQ(Prefix(std::string(300, 'a')), (Bytes{0xFF, 0x2C, 0x01}));
  EXPECT_EQ(Prefix(std::string(65533, 'a')), (Bytes{0xFF, 0xFD, 0xFF}));
  // FFFE would read as the wide marker and FFFF announces 32 bits.
  EXPECT_EQ(Prefix(std::string(65534, 'a')), (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}));
  EXPECT_EQ(Prefix(std::string(65535, 'a')), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
}

TEST(ByteStream, TextsRoundTripAsRawBytes) {
  for (std::size_t length : {0u, 1u, 254u, 255u, 65533u, 65534u, 70000u}) {
    std::string text(length, '\0');
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>(i * 7);
    ByteWriter writer;
    writer.Text(text);
    EXPECT_EQ(ReadText(writer.Data()), text) << length;
  }
}

TEST(ByteStream, ReadsTheSixtyFourBitLengthForm) {
  const Bytes prefix = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(ReadText(Cat(prefix, {3, 0, 0, 0, 0, 0, 0, 0, 'a', 'b', 'c'})), "abc");
  // Above 2^31 - 1 is an error even before the missing body is noticed.
  EXPECT_EQ(ReadText(Cat(prefix, {0, 0, 0, 0x80, 0, 0, 0, 0})), std::nullopt);
  EXPECT_EQ(ReadText(Cat(prefix, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})), std::nullopt);
}

TEST(ByteStream, WideTextsBecomeUtf8) {
  const Bytes marker = {0xFF, 0xFE, 0xFF};
  // "Aé€" and a surrogate pair for U+1F600.
  EXPECT_EQ(ReadText(Cat(marker, {5, 'A', 0, 0xE9, 0, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE})),
            "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  // A 16-bit character count, and after the marker FFFE is just a count.
  EXPECT_EQ(ReadText(Cat(marker, {0xFF, 2, 0, 'h', 0, 'i', 0})), "hi");
  Bytes fffe = Cat(marker, {0xFF, 0xFE, 0xFF});
  fffe.resize(fffe.size() + 2 * 0xFFFE, 0);
  EXPECT_EQ(ReadText(fffe)->size(), 0xFFFEu);
  // The body counts characters: 2 bytes each.
  EXPECT_EQ(ReadText(Cat(marker, {2, 'h', 0, 'i'})), std::nullopt);
}

TEST(ByteStream, DamagedTextsFailWithoutConsuming) {
  EXPECT_EQ(ReadText({}), std::nullopt);
  EXPECT_EQ(ReadText({0xFF, 0x2C}), std::nullopt);             // cut inside the 16-bit length
  EXPECT_EQ(ReadText({0xFF, 0xFF, 0xFF, 1, 0}), std::nullopt);  // cut inside the 32-bit length
  EXPECT_EQ(ReadText({0xFF, 0xFE, 0xFF}), std::nullopt);       // marker without a length
  EXPECT_EQ(ReadText({5, 'a', 'b'}), std::nullopt);             // body shorter than its length
  // Lengths of gigabytes in a few bytes of input must fail, not allocate.
  EXPECT_EQ(ReadText({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}), std::nullopt);
  EXPECT_EQ(ReadText({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}), std::nullopt);
}

}  // namespace
}  // namespace alacrity
