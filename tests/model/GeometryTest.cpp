#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

#include "model/Geometry.h"

TEST(Rectangles, UnionAndIntersectionFallBackOnTheValidRectangle) {
  const TRect r{1, 2, 30, 40};
  EXPECT_EQ(UnionRects(kEmptyRect, r), r);
  EXPECT_EQ(UnionRects(r, kNoExtent), r);
  EXPECT_EQ(UnionRects(kEmptyRect, kNoExtent), kEmptyRect);
  EXPECT_EQ(UnionRects(r, TRect{-5, 10, 20, 50}), (TRect{-5, 2, 30, 50}));
  EXPECT_EQ(IntersectRects(kNoExtent, r), r);
  EXPECT_EQ(IntersectRects(kNoExtent, kEmptyRect), kEmptyRect);
  EXPECT_EQ(IntersectRects(r, TRect{10, 10, 50, 50}), (TRect{10, 10, 30, 40}));
}

TEST(Rectangles, IntersectionOfDisjointRectanglesIsInvalid) {
  EXPECT_FALSE(IsValidRect(IntersectRects(TRect{0, 0, 10, 10}, TRect{20, 0, 30, 10})));
}

TEST(Rectangles, MeetWhenTheyShareOnlyAnEdgeButNeverWhenOneIsInvalid) {
  EXPECT_TRUE(RectsMeet(TRect{0, 0, 10, 10}, TRect{10, 0, 20, 10}));
  EXPECT_TRUE(RectsMeet(TRect{0, 0, 10, 10}, TRect{10, 10, 20, 20}));
  EXPECT_FALSE(RectsMeet(TRect{0, 0, 10, 10}, TRect{11, 0, 20, 10}));
  EXPECT_FALSE(RectsMeet(TRect{0, 0, 10, 10}, kNoExtent));
  EXPECT_FALSE(RectsMeet(kEmptyRect, TRect{-1000, -1000, 1000, 1000}));
}

TEST(Rectangles, SplitAcrossTheLongerSideSharingTheDividingLine) {
  TRect a, b;
  SplitRect(TRect{0, 0, 101, 20}, a, b);
  EXPECT_EQ(a, (TRect{0, 0, 50, 20}));  // 50.5 rounds to the even 50
  EXPECT_EQ(b, (TRect{50, 0, 101, 20}));
  SplitRect(TRect{0, 0, 20, 20}, a, b);
  EXPECT_EQ(a, (TRect{0, 0, 20, 10}));
  EXPECT_EQ(b, (TRect{0, 10, 20, 20}));
}

TEST(Rectangles, SizesOfRectanglesAtTheEndsOfTheIntRangeSaturate) {
  const TRect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  EXPECT_EQ(RectWidth(huge), INT_MAX);
  EXPECT_EQ(RectHeight(huge), INT_MAX);
  EXPECT_EQ(RectWidth(TRect{5, 0, 2, 0}), -3);
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndAbsurdValuesAreClamped) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(2.6), 3);
  EXPECT_EQ(Round(1e300), INT_MAX);
  EXPECT_EQ(Round(-1e300), INT_MIN);
  EXPECT_EQ(Round(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Segments, MeetARectangleWhenTheyCrossItTouchItOrLieInside) {
  const TRect r{10, 10, 20, 20};
  EXPECT_TRUE(SegmentMeetsRect(r, 0, 15, 30, 15));   // horizontal, through
  EXPECT_TRUE(SegmentMeetsRect(r, 15, 0, 15, 30));   // vertical, through
  EXPECT_TRUE(SegmentMeetsRect(r, 0, 0, 30, 30));    // diagonal, through
  EXPECT_TRUE(SegmentMeetsRect(r, 12, 12, 18, 18));  // wholly inside
  EXPECT_TRUE(SegmentMeetsRect(r, 0, 20, 20, 0));    // touches a corner
  EXPECT_TRUE(SegmentMeetsRect(r, 20, 0, 20, 10));   // ends on the edge
  EXPECT_TRUE(SegmentMeetsRect(r, 30, 15, 15, 15));  // second end inside
  EXPECT_FALSE(SegmentMeetsRect(r, 0, 9, 9, 0));     // passes the corner
  EXPECT_FALSE(SegmentMeetsRect(r, 0, 25, 30, 25));
  EXPECT_FALSE(SegmentMeetsRect(r, 25, 0, 25, 30));
  EXPECT_FALSE(SegmentMeetsRect(r, 5, 5, 5, 5));
  EXPECT_TRUE(SegmentMeetsRect(r, 15, 15, 15, 15));
}

TEST(Segments, NearestPointIsTheFootOfThePerpendicularOrTheNearerEnd) {
  TRealPoint p = NearestPointOnSegment(5, 7, 0, 0, 10, 0);
  EXPECT_DOUBLE_EQ(p.x, 5);
  EXPECT_DOUBLE_EQ(p.y, 0);
  p = NearestPointOnSegment(-3, 4, 0, 0, 10, 0);
  EXPECT_DOUBLE_EQ(p.x, 0);
  p = NearestPointOnSegment(14, -4, 0, 0, 10, 0);
  EXPECT_DOUBLE_EQ(p.x, 10);
  p = NearestPointOnSegment(14, -4, 3, 3, 3, 3);
  EXPECT_DOUBLE_EQ(p.x, 3);
  EXPECT_DOUBLE_EQ(p.y, 3);
}

TEST(Vectors, DirectionOfCoincidingPointsFallsBackToTheXAxis) {
  double dx = 0, dy = 0;
  DirectionVector(0, 0, 3, 4, 10, dx, dy);
  EXPECT_DOUBLE_EQ(dx, 6);
  EXPECT_DOUBLE_EQ(dy, 8);
  DirectionVector(7, 7, 7, 7, 10, dx, dy);
  EXPECT_DOUBLE_EQ(dx, 10);
  EXPECT_DOUBLE_EQ(dy, 0);
}

TEST(Vectors, AngleRunsFromPlusXTowardsPlusYInEveryQuadrant) {
  EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 1, 0), 0);
  EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 1, 1), kPi / 4);
  EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 0, 1), kPi / 2);
  EXPECT_DOUBLE_EQ(VectorAngle(0, 0, -1, 1), 3 * kPi / 4);
  EXPECT_DOUBLE_EQ(VectorAngle(0, 0, -1, 0), kPi);
  EXPECT_DOUBLE_EQ(VectorAngle(0, 0, -1, -1), 5 * kPi / 4);
  EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 0, -1), 3 * kPi / 2);
  EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 1, -1), 7 * kPi / 4);
  EXPECT_DOUBLE_EQ(VectorAngle(4, 4, 4, 4), kPi / 2);
}

TEST(Vectors, LocalFrameTurnsTheAcrossAxisAQuarterTowardsPlusY) {
  EXPECT_EQ(LocalToScreen(100, 100, 1, 0, 5, 20), (TPoint{120, 105}));
  EXPECT_EQ(LocalToScreen(100, 100, 0, 1, 5, 20), (TPoint{95, 120}));
}

TEST(Circles, ThroughThreePointsOrRadiusZeroWhenTheyAreCollinear) {
  double cx = 0, cy = 0, r = 0;
  CircleThrough(0, 0, 2, 0, 1, 1, cx, cy, r);
  EXPECT_NEAR(cx, 1, 1e-12);
  EXPECT_NEAR(cy, 0, 1e-12);
  EXPECT_NEAR(r, 1, 1e-12);
  CircleThrough(100, 100, 300, 100, 200, 0, cx, cy, r);
  EXPECT_NEAR(cx, 200, 1e-9);
  EXPECT_NEAR(cy, 100, 1e-9);
  EXPECT_NEAR(r, 100, 1e-9);
  CircleThrough(0, 0, 1, 1, 5, 5, cx, cy, r);
  EXPECT_EQ(cx, 0);
  EXPECT_EQ(cy, 0);
  EXPECT_EQ(r, 0);
}

TEST(CoordinateText, KeepsFiveDecimalsWithoutTrailingZerosWhateverTheWidth) {
  EXPECT_EQ(FormatCoord(125.5), "125.5");
  EXPECT_EQ(FormatCoord(100), "100");
  EXPECT_EQ(FormatCoord(-0.25), "-0.25");
  EXPECT_EQ(FormatCoord(0), "0");
  EXPECT_EQ(FormatCoord(10), "10");
  EXPECT_EQ(FormatCoord(-1.000001), "-1");
  EXPECT_EQ(FormatCoord(1234567.123456), "1234567.12346");
  EXPECT_EQ(FormatCoord(0.00001), "0.00001");
  EXPECT_EQ(FormatCoord(1e20), "100000000000000000000");
  // What is not a number is still written as one the map reader takes.
  EXPECT_EQ(FormatCoord(std::numeric_limits<double>::quiet_NaN()), "0");
  EXPECT_EQ(FormatCoord(std::numeric_limits<double>::infinity()), FormatCoord(DBL_MAX));
  EXPECT_EQ(FormatCoord(-std::numeric_limits<double>::infinity()), FormatCoord(-DBL_MAX));
}
