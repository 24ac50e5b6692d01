#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "model/DrawContext.h"
#include "model/Geometry.h"
#include "platform/RecordingCanvas.h"

namespace {

TDrawContext DefaultContext(TCanvas& canvas) {
  TDrawContext ctx;
  ctx.Canvas = &canvas;
  ctx.Normalize();
  return ctx;
}

}  // namespace

TEST(ViewTransform, RoundsHalvesToTheEvenNeighbour) {
  TRecordingCanvas canvas;
  const TDrawContext ctx = DefaultContext(canvas);
  EXPECT_EQ(ctx.WorldToScreen(12.5, 7.5), (TPoint{12, 8}));
  EXPECT_EQ(ctx.WorldToScreen(13.5, -2.5), (TPoint{14, -2}));
}

TEST(ViewTransform, PositiveAngleTurnsWorldXTowardsScreenY) {
  TRecordingCanvas canvas;
  TDrawContext ctx = DefaultContext(canvas);
  ctx.Angle = kPi / 2;
  ctx.Normalize();
  EXPECT_EQ(ctx.WorldToScreen(10, 0), (TPoint{0, 10}));
  EXPECT_EQ(ctx.WorldToScreen(0, 10), (TPoint{-10, 0}));
}

TEST(ViewTransform, ScreenToWorldUndoesWorldToScreenWithinHalfAPixel) {
  TRecordingCanvas canvas;
  TDrawContext ctx = DefaultContext(canvas);
  ctx.OriginX = 37.25;
  ctx.OriginY = -12.5;
  ctx.Angle = 0.7;
  ctx.BaseScale = 1.3;
  ctx.Zoom = 2.5;
  ctx.Normalize();
  const double limit = std::sqrt(2.0) * 0.5 / (ctx.Zoom * ctx.BaseScale) + 1e-9;
  for (const auto& w : {TRealPoint{0, 0}, TRealPoint{123.456, -78.9}, TRealPoint{-1000.25, 333.75}}) {
    const TPoint s = ctx.WorldToScreen(w.x, w.y);
    const TRealPoint back = ctx.ScreenToWorld(s.x, s.y);
    EXPECT_LE(Distance(w.x, w.y, back.x, back.y), limit);
  }
}

TEST(ViewTransform, SymbolOffsetsKeepTheirPixelSizeWhateverTheZoom) {
  TRecordingCanvas canvas;
  TDrawContext ctx = DefaultContext(canvas);
  ctx.SignScale = 2;
  for (const double zoom : {0.5, 1.0, 4.0}) {
    ctx.Zoom = zoom;
    const TPoint base = ctx.WorldToScreen(100, 50);
    const TPoint moved = ctx.WorldOffsetToScreen(100, 50, 10, -5);
    EXPECT_EQ(moved.x - base.x, 20) << zoom;
    EXPECT_EQ(moved.y - base.y, -10) << zoom;
  }
}

TEST(ViewTransform, ZoomAtCentreKeepsThePointUnderTheCentreAndIgnoresOutOfRangeZooms) {
  TRecordingCanvas canvas(TRect{0, 0, 400, 300});
  TDrawContext ctx = DefaultContext(canvas);
  ctx.OriginX = 30;
  ctx.OriginY = -40;
  const TRealPoint before = ctx.ScreenToWorld(200, 150);

  ctx.ZoomAtCentre(21);
  ctx.ZoomAtCentre(0.05);
  EXPECT_EQ(ctx.Zoom, 1);
  EXPECT_EQ(ctx.OriginX, 30);
  EXPECT_EQ(ctx.OriginY, -40);

  ctx.ZoomAtCentre(20.9);
  EXPECT_EQ(ctx.Zoom, 20.9);
  EXPECT_NE(ctx.OriginX, 30);
  EXPECT_NE(ctx.OriginY, -40);
  const TRealPoint after = ctx.ScreenToWorld(200, 150);
  EXPECT_NEAR(after.x, before.x, 1e-9);
  EXPECT_NEAR(after.y, before.y, 1e-9);
}

TEST(ViewTransform, FitRectCentresTheSourceInTheTargetAndScalesItToFit) {
  TRecordingCanvas canvas;
  TDrawContext ctx = DefaultContext(canvas);
  ctx.FitRect(TRect{0, 0, 200, 100}, TRect{0, 0, 100, 100});
  EXPECT_EQ(ctx.Zoom, 0.5);
  EXPECT_EQ(ctx.WorldToScreen(0, 0), (TPoint{0, 25}));
  EXPECT_EQ(ctx.WorldToScreen(200, 100), (TPoint{100, 75}));
}

// A wide screen and a scheme away from its middle: the scheme's centre lands
// on the screen's centre on both axes, and the tighter axis decides the zoom.
TEST(ViewTransform, FitRectIntoAWideScreenCentresAnOffCentreSchemeOnBothAxes) {
  struct TCase {
    TRect Source;
    double Zoom;
    TPoint WorldCentre, TopLeft, BottomRight;
  };
  // Target 1920 x 1080, centre (960, 540); the context starts at zoom 1 and
  // origin 0, so screen and world points coincide before the fit.
  const TCase cases[] = {
      // 400 x 200 around (300, 150): the width decides, zoom 1920/400 = 4.8;
      // origin x = 960 - 300*4.8 = -480, y = 540 - 150*4.8 = -180;
      // corners (100*4.8-480, 50*4.8-180) and (500*4.8-480, 250*4.8-180).
      {TRect{100, 50, 500, 250}, 4.8, TPoint{300, 150}, TPoint{0, 60}, TPoint{1920, 1020}},
      // 100 x 300 around (80, 110): the height decides, zoom 1080/300 = 3.6;
      // origin x = 960 - 80*3.6 = 672, y = 540 - 110*3.6 = 144;
      // corners (30*3.6+672, -40*3.6+144) and (130*3.6+672, 260*3.6+144).
      {TRect{30, -40, 130, 260}, 3.6, TPoint{80, 110}, TPoint{780, 0}, TPoint{1140, 1080}},
  };
  for (const TCase& c : cases) {
    TRecordingCanvas canvas;
    TDrawContext ctx = DefaultContext(canvas);
    ctx.FitRect(c.Source, TRect{0, 0, 1920, 1080});
    EXPECT_NEAR(ctx.Zoom, c.Zoom, 1e-12) << c.Source.Left;
    EXPECT_EQ(ctx.WorldToScreen(c.WorldCentre.x, c.WorldCentre.y), (TPoint{960, 540})) << c.Source.Left;
    EXPECT_EQ(ctx.WorldToScreen(c.Source.Left, c.Source.Top), c.TopLeft) << c.Source.Left;
    EXPECT_EQ(ctx.WorldToScreen(c.Source.Right, c.Source.Bottom), c.BottomRight) << c.Source.Left;
  }
}

TEST(ViewTransform, FitRectIgnoresAnInvalidSourceAndOnlyCentresWhenNoZoomFits) {
  TRecordingCanvas canvas;
  TDrawContext ctx = DefaultContext(canvas);
  ctx.FitRect(TRect{10, 0, 0, 10}, TRect{0, 0, 100, 100});
  EXPECT_EQ(ctx.OriginX, 0);
  EXPECT_EQ(ctx.OriginY, 0);
  EXPECT_EQ(ctx.Zoom, 1);

  // 100 times too big: the zoom would be 0.01, so the scheme is only centred.
  ctx.FitRect(TRect{0, 0, 10000, 10000}, TRect{0, 0, 100, 100});
  EXPECT_EQ(ctx.Zoom, 1);
  EXPECT_EQ(ctx.OriginX, -4950);
  EXPECT_EQ(ctx.OriginY, -4950);
}

TEST(ViewTransform, FitRectIntoATargetWithoutAreaCentresWithoutDividingByZero) {
  TRecordingCanvas canvas;
  TDrawContext ctx = DefaultContext(canvas);
  ctx.FitRect(TRect{0, 0, 100, 100}, TRect{20, 20, 20, 80});
  EXPECT_EQ(ctx.Zoom, 1);
  EXPECT_EQ(ctx.OriginX, -30);
  EXPECT_EQ(ctx.OriginY, 0);
  // A single point fits at any zoom: it is centred and the zoom stays.
  TDrawContext fresh = DefaultContext(canvas);
  fresh.FitRect(TRect{5, 5, 5, 5}, TRect{0, 0, 100, 100});
  EXPECT_EQ(fresh.Zoom, 1);
  EXPECT_EQ(fresh.WorldToScreen(5, 5), (TPoint{50, 50}));
}

TEST(ViewTransform, AlignBySegmentsGivesTheSchemeSegmentTheBaseImageSegmentsDirectionAndLength) {
  TRecordingCanvas canvas;
  TDrawContext ctx = DefaultContext(canvas);
  std::array<TPoint, 100> pts{};
  pts[0] = {0, 0};
  pts[1] = {10, 0};
  pts[2] = {0, 0};
  pts[3] = {0, 20};
  ctx.AlignBySegments(pts);
  EXPECT_NEAR(ctx.BaseScale, 2, 1e-12);
  EXPECT_NEAR(ctx.Angle, kPi / 2, 1e-12);
  EXPECT_EQ(ctx.WorldToScreen(0, 0), (TPoint{0, 0}));
  EXPECT_EQ(ctx.WorldToScreen(10, 0), (TPoint{0, 20}));
}

TEST(ViewTransform, AlignBySegmentsWithADegenerateSegmentChangesNothing) {
  TRecordingCanvas canvas;
  TDrawContext ctx = DefaultContext(canvas);
  std::array<TPoint, 100> pts{};
  pts[0] = {5, 5};
  pts[1] = {5, 5};
  pts[2] = {0, 0};
  pts[3] = {0, 20};
  ctx.AlignBySegments(pts);
  EXPECT_EQ(ctx.BaseScale, 1);
  EXPECT_EQ(ctx.Angle, 0);
}
