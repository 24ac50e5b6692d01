// Coordinates are formatted without printf (a save formats every number of
// the map); the text must stay the one printf's "%.5f" gives, trimmed.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>

#include "model/Geometry.h"

namespace {

std::string ByPrintf(double x) {
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.5f", x);
  std::string s(buf);
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s.empty() || s == "-") s = "0";
  return s;
}

}  // namespace

TEST(FormatCoord, WritesWhatPrintfWritesWithFiveDecimalsAndNoTrailingZeros) {
  for (const double x : {0.0, -0.0, 1.0, -1.0, 0.5, 0.000005, 0.000015, 2.675, -2.675, 1e-7, -1e-7, 123456.789012,
                         1e15 + 0.3, 1e20, -1e300, DBL_MAX, DBL_MIN, 110.5, 0.1 + 0.2})
    EXPECT_EQ(FormatCoord(x), ByPrintf(x)) << x;
  // Halfway cases of the fifth decimal, and a spread of magnitudes.
  double x = 0.000005;
  for (int i = 0; i < 2000; ++i, x = x * 1.0173 + 0.0000137) {
    EXPECT_EQ(FormatCoord(x), ByPrintf(x)) << x;
    EXPECT_EQ(FormatCoord(-x), ByPrintf(-x)) << -x;
  }
}
