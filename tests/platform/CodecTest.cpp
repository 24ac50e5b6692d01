#include <gtest/gtest.h>

#include <string>

#include "platform/Codec1251.h"

namespace {

// The published Windows-1251 assignments of 0x80..0xBF. 0x98 has no
// character; the codec keeps it as U+0098 so that such a byte survives.
constexpr char32_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

// What the code page holds at byte b >= 0x80: the table above, then А..я in
// alphabetical order from 0xC0.
char32_t Expected1251(int b) {
  return b >= 0xC0 ? char32_t{0x0410} + static_cast<char32_t>(b - 0xC0) : kUpperHalf[b - 0x80];
}

// UTF-8 of a code point from U+0080 to U+FFFF.
std::string Utf8(char32_t c) {
  std::string out;
  if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
  }
  out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  return out;
}

}  // namespace

TEST(Codec1251, EveryByteSurvivesADecodeEncodeRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Encode1251(Decode1251(all)), all);
}

TEST(Codec1251, EveryUpperByteIsTheCharacterOfThePublishedCodePageBothWays) {
  std::string bytes, text;
  for (int b = 0x80; b <= 0xFF; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Utf8(Expected1251(b));
    EXPECT_EQ(Decode1251(byte), utf8) << std::hex << b;
    EXPECT_EQ(Encode1251(utf8), byte) << std::hex << b;
    EXPECT_EQ(EncodeChar1251(Expected1251(b)), b) << std::hex << b;
    bytes += byte;
    text += utf8;
  }
  EXPECT_EQ(Decode1251(bytes), text);
  EXPECT_EQ(Encode1251(text), bytes);
}

TEST(Codec1251, CyrillicDecodesToUtf8AndCountsAsCharacters) {
  const std::string bytes = "\xCF\xF0\xE8\xE2\xE5\xF2";  // "Привет"
  const std::string text = Decode1251(bytes);
  EXPECT_EQ(text, "Привет");
  EXPECT_EQ(Utf8Length(text), 6u);
  EXPECT_EQ(Utf8Left(text, 5), "Приве");
  EXPECT_EQ(Encode1251("Ёё№"), "\xA8\xB8\xB9");
}

TEST(Codec1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Encode1251("a\xE4\xB8\xAD" "b"), "a?b");  // a CJK character
}
