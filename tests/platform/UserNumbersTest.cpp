// Numbers in the windows read "29,5"; typed ones may use either separator.
#include <gtest/gtest.h>

#include <string>

#include "platform/UserNumbers.h"

TEST(UserNumbers, AreShownWithADecimalComma) {
  struct TCase {
    std::string Got, Want;
  } cases[] = {
      {FormatUserGeneral(29.5, 5), "29,5"},
      {FormatUserGeneral(-0.25, 5), "-0,25"},
      {FormatUserGeneral(1234.5, 5), "1234,5"},
      {FormatUserGeneral(123.456, 5), "123,46"},  // five significant digits, rounded up
      {FormatUserGeneral(99999.4, 5), "99999"},
      {FormatUserGeneral(0.000123456, 5), "0,00012346"},
      {FormatUserGeneral(12, 5), "12"},
      {FormatUserGeneral(0, 5), "0"},
      {FormatUserFixed(2.345, 2), "2,35"},     // 2.345 is stored a little above the half
      {FormatUserFixed(2.675, 2), "2,67"},     // and 2.675 a little below it
      {FormatUserFixed(0.125, 2), "0,12"},     // an exact half goes to even
      {FormatUserFixed(1234.5, 0), "1234"},
      {FormatUserFixed(-3.5, 1), "-3,5"},
      {FormatUserTrimmed(0.75, 3), "0,75"},
      {FormatUserTrimmed(1234.5, 3), "1234,5"},
      {FormatUserTrimmed(0.9996, 3), "1"},     // rounds up to 1,000
      {FormatUserTrimmed(-0.0004, 3), "0"},    // no minus before a zero
      {FormatUserTrimmed(1000, 3), "1000"},    // zeros go only from the decimals
      {FormatUserTrimmed(-12.0625, 3), "-12,062"},
  };
  for (const TCase& c : cases) EXPECT_EQ(c.Got, c.Want);
}

TEST(UserNumbers, TypedTakeACommaOrAPointAndNothingElse) {
  struct TCase {
    const char* Text;
    bool Ok;
    double Value;
  } cases[] = {
      {"12,75", true, 12.75},   {"12.75", true, 12.75}, {" 3,0 ", true, 3.0},  {"\t-0,25", true, -0.25},
      {"+1.5", true, 1.5},      {",5", true, 0.5},      {"7,", true, 7.0},     {"1234,5", true, 1234.5},
      {"1,2,3", false, 0},      {"1.2.3", false, 0},    {"1,2.3", false, 0},   {"", false, 0},
      {"   ", false, 0},        {"abc", false, 0},      {"inf", false, 0},     {"nan", false, 0},
      {"-inf", false, 0},       {"1e400", false, 0},    {"1e3", false, 0},     {"-", false, 0},
      {",", false, 0},          {"1 000", false, 0},    {"12,5 %", false, 0},  {"--1", false, 0},
      {"0x10", false, 0},
  };
  for (const auto& c : cases) {
    double v = -7;
    EXPECT_EQ(ParseUserReal(c.Text, v), c.Ok) << c.Text;
    EXPECT_EQ(v, c.Ok ? c.Value : -7) << c.Text;
  }
  // A number of 400 digits is beyond a double.
  double v = -7;
  EXPECT_FALSE(ParseUserReal("1" + std::string(400, '0'), v));
  EXPECT_EQ(v, -7);
}

TEST(UserNumbers, ALeadingNumberIsTheLongestNumberTheTextStartsWith) {
  struct TCase {
    const char* Text;
    bool Ok;
    double Value;
  } cases[] = {
      {"125 %", true, 125},   {"12,5 %", true, 12.5}, {" 0.75x", true, 0.75}, {"-2", true, -2},
      {"1,2,3", true, 1.2},   {"1e400", true, 1},     {"abc", false, 0},      {"% 5", false, 0},
      {"", false, 0},
  };
  for (const auto& c : cases) {
    double v = -7;
    EXPECT_EQ(ParseLeadingUserReal(c.Text, v), c.Ok) << c.Text;
    EXPECT_EQ(v, c.Ok ? c.Value : -7) << c.Text;
  }
}
