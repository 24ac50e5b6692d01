// Found by fuzzing info.txt: a direction name is trimmed and then cut to
// five characters, so the cut can leave a blank or a control character at
// its end. The written file keeps the name as it is held; reading that file
// trims it, and nothing else of the information changes.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "plan/SVInfo.h"

namespace {

const std::string kCutNames =
    CrLf({"ул. Садовая", "пер. Тихий", "1", "1", "1", "10 35 0 0", "40", "2",  // one phase, two directions
          "8 20 кольцо", "1", "2", "9 6 3 2 0", "да",                            // cut after a blank
          std::string("груп") + '\0' + "па", "1", "1", "6 3 3 0 0", "нет"});    // cut after a NUL

std::string LoadAndSave(const std::string& dir, const std::string& bytes, bool& whole) {
  WriteBytes(dir + "info.txt", bytes);
  TSVInfo info(nullptr, dir);
  whole = info.LoadAll();
  return info.SavedBytes();
}

}  // namespace

TEST(InfoRoundTrip, ANameCutAfterABlankOrControlCharacterLosesItOnTheNextReadingOnly) {
  TTempDir first, second;
  TMessageCapture messages;
  bool whole = false;
  const std::string saved = LoadAndSave(first.Path(), Encode1251(kCutNames), whole);
  ASSERT_TRUE(whole);
  EXPECT_NE(saved.find("\r\n8 20 \r\n"), std::string::npos);
  EXPECT_NE(saved.find(Encode1251("\r\nгруп") + std::string(1, '\0') + "\r\n"), std::string::npos);

  const std::string resaved = LoadAndSave(second.Path(), saved, whole);
  ASSERT_TRUE(whole);
  EXPECT_TRUE(messages.Messages.empty());
  std::string expected = saved;
  expected.replace(expected.find("\r\n8 20 \r\n"), 9, "\r\n8 20\r\n");
  expected.erase(expected.find(Encode1251("груп")) + 4, 1);
  EXPECT_EQ(resaved, expected);
}
