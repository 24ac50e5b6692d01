#include <gtest/gtest.h>

#include <string>

#include "platform/Codec1251.h"

TEST(Codec1251, EveryByteSurvivesADecodeEncodeRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Encode1251(Decode1251(all)), all);
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
