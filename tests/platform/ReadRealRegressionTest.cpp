// Reals are converted without a stream per number (the map reader reads
// hundreds of thousands of them); the values must stay what they were.
#include <gtest/gtest.h>

#include <cfloat>

#include "platform/TextFile.h"

namespace {

double Real(const std::string& token) {
  TTextReader in = TTextReader::FromBytes(token + "\r\n");
  return in.ReadReal();
}

}  // namespace

TEST(ReadReal, GivesTheNearestDoubleOfEveryFormTheFilesHold) {
  EXPECT_EQ(Real("0.1"), 0.1);
  EXPECT_EQ(Real("+1.5"), 1.5);
  EXPECT_EQ(Real("-0.00001"), -0.00001);
  EXPECT_EQ(Real("5."), 5.0);
  EXPECT_EQ(Real(".25"), 0.25);
  EXPECT_EQ(Real("110.5"), 110.5);
  EXPECT_EQ(Real("1E3"), 1000.0);
  EXPECT_EQ(Real("123456789012345678901234567890"), 123456789012345678901234567890.0);
  EXPECT_EQ(Real("2.5e-308"), 2.5e-308);
}

TEST(ReadReal, KeepsValuesBeyondTheRangeOfADoubleFiniteAsBefore) {
  EXPECT_EQ(Real("1e400"), DBL_MAX);
  EXPECT_EQ(Real("-1e400"), -DBL_MAX);
  EXPECT_EQ(Real("1e-400"), 0.0);
}
