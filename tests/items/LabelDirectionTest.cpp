#include <gtest/gtest.h>

#include "items/SVText.h"
#include "model/Geometry.h"

// Labels straight across or up and down the screen take their direction
// without an arc tangent; it must be the one the general rule gives.
TEST(TextEscapement, IsTheDirectionFromBaseToAimCountedCounterClockwiseAsSeen) {
  EXPECT_EQ(TextEscapement({5, 5}, {25, 5}), 0);
  EXPECT_EQ(TextEscapement({25, 5}, {5, 5}), 1800);
  EXPECT_EQ(TextEscapement({5, 25}, {5, 5}), 900);
  EXPECT_EQ(TextEscapement({5, 5}, {5, 25}), 2700);
  EXPECT_EQ(TextEscapement({0, 0}, {10, -10}), 450);
  EXPECT_EQ(TextEscapement({0, 0}, {10, 10}), 3150);
  // A label whose two points coincide reads upwards.
  EXPECT_EQ(TextEscapement({7, 7}, {7, 7}), 900);
  for (const TPoint p : {TPoint{3, 0}, TPoint{-3, 0}, TPoint{0, 3}, TPoint{0, -3}, TPoint{0, 0}, TPoint{-10, 1}}) {
    const double general = 10.0 * VectorAngle(0, 0, p.x, -p.y) * 180.0 / kPi;
    EXPECT_EQ(TextEscapement({0, 0}, p), Round(general)) << p.x << "," << p.y;
  }
}
