#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TestSupport.h"
#include "model/DrawContext.h"
#include "model/SVObject.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"

namespace {

// A wide scheme, 1000 × 200 world units, whose symbols stick out 40 pixels
// beyond its outline on every side whatever the zoom.
TRect WideSchemeBounds(const TDrawContext& ctx) {
  const TPoint a = ctx.WorldToScreen(0, 0);
  const TPoint b = ctx.WorldToScreen(1000, 200);
  return TRect{a.x - 40, a.y - 40, b.x + 40, b.y + 40};
}

}  // namespace

TEST(FitSettled, AFarZoomedOutSchemeFillsTheWidthOfTheWindowInOnePress) {
  TRecordingCanvas canvas(TRect{0, 0, 1920, 1080});
  TDrawContext ctx;
  ctx.Canvas = &canvas;
  ctx.Zoom = 0.06;
  ctx.OriginX = 1500;
  ctx.OriginY = -300;
  ctx.Normalize();
  ctx.FitSettled([&] { return WideSchemeBounds(ctx); }, TRect{0, 0, 1920, 1080}, TRect{5, 5, 1915, 1075});
  // The width decides: 1000·z + 80 = 1910 gives z = 1.83.
  EXPECT_NEAR(ctx.Zoom, 1.83, 1.83 * 0.001);
  const TRect b = WideSchemeBounds(ctx);
  EXPECT_NEAR(b.Left, 5, 3);
  EXPECT_NEAR(b.Right, 1915, 3);
  // Centred on both axes: the outline's centre (500, 100) on the window's (960, 540).
  const TPoint centre = ctx.WorldToScreen(500, 100);
  EXPECT_NEAR(centre.x, 960, 1);
  EXPECT_NEAR(centre.y, 540, 1);
}

TEST(FitSettled, ASamplePassportZoomedOutNineTimesIsWhollyShownByOneFit) {
  for (const char* name : {"svo1", "svo2", "svo3"}) {
    SCOPED_TRACE(name);
    TMessageCapture messages;
    TSVObject scheme(SourcePath(std::string("data/Data/") + name + "/"));
    scheme.LoadAll();
    ASSERT_GT(scheme.Layer(4).Count(), 0);
    TRecordingCanvas canvas(TRect{0, 0, 1280, 700});
    TDrawContext ctx;
    ctx.Canvas = &canvas;
    ctx.Normalize();
    const auto bounds = [&] { return scheme.BoundsShown(ctx); };
    const TRect outer{0, 0, 1280, 700}, inner{5, 5, 1275, 695};
    ctx.FitSettled(bounds, outer, inner);
    for (int i = 0; i < 9; ++i) ctx.ZoomAtCentre(ctx.Zoom * 2 / 3);
    ctx.FitSettled(bounds, outer, inner);
    const double once = ctx.Zoom;
    const TRect b = bounds();
    EXPECT_GE(b.Left, 4);
    EXPECT_GE(b.Top, 4);
    EXPECT_LE(b.Right, 1276);
    EXPECT_LE(b.Bottom, 696);
    // A second press would change nothing the user could see.
    ctx.FitSettled(bounds, outer, inner);
    EXPECT_NEAR(ctx.Zoom, once, once * 0.001);
  }
}
