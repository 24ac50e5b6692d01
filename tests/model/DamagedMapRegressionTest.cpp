// Schemes from damaged files, found by fuzzing the map reader: they must
// read, fit and draw without leaving the int range and without stalling.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

#include "TestSupport.h"
#include "items/StopLine.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"

namespace {

// Counts primitives and keeps the largest coordinate it was handed.
class TMeasuringCanvas : public TCanvas {
 public:
  void LineTo(int x, int y) override { Take({PenPos, TPoint{x, y}}), PenPos = TPoint{x, y}; }
  void Polyline(const TPoint* pts, int count) override { Take(pts, count); }
  void Polygon(const TPoint* pts, int count) override { Take(pts, count); }
  void Ellipse(int l, int t, int r, int b) override { Take({{l, t}, {r, b}}); }
  void Rectangle(int l, int t, int r, int b) override { Take({{l, t}, {r, b}}); }
  void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override {
    Take({{l, t}, {r, b}, {x3, y3}, {x4, y4}});
  }
  void Pie(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override { Arc(l, t, r, b, x3, y3, x4, y4); }
  void FillRect(const TRect& r) override { Take({{r.Left, r.Top}, {r.Right, r.Bottom}}); }
  void StretchDraw(const TRect& r, const TRasterImage&) override { FillRect(r); }
  void TextOut(int x, int y, const std::string&) override { Take({{x, y}}); }
  TSize TextExtent(const std::string& text) override {
    return TSize{static_cast<int>(Utf8Length(text)) * 7, 14};
  }
  TRect ClipRect() const override { return TRect{0, 0, 1920, 1080}; }
  void SetClipRect(const TRect&) override {}

  long long Ops = 0;
  long long MaxAbs = 0;

 private:
  void Take(std::initializer_list<TPoint> pts) { Take(pts.begin(), static_cast<int>(pts.size())); }
  void Take(const TPoint* pts, int count) {
    ++Ops;
    for (int i = 0; i < count; ++i)
      MaxAbs = std::max({MaxAbs, std::llabs(pts[i].x), std::llabs(pts[i].y)});
  }
};

class DamagedMap : public ::testing::Test {
 protected:
  // One phase, so that direction arrows of phase 1 are kept and shown.
  DamagedMap() { WriteBytes(Dir.File("info.txt"), CrLf({"a", "b", "1", "1", "1", "10 20 0 0", "30", "0"})); }

  TSVObject& Load(const std::string& map) {
    WriteBytes(Dir.File("map.txt"), map);
    Scheme = std::make_unique<TSVObject>(Dir.Path());
    Scheme->LoadAll();
    Ctx.Canvas = &Canvas;
    Ctx.Normalize();
    Ctx.HitTolerance = 4;
    return *Scheme;
  }

  // The one item of a layer drawn in the viewer's look; the primitives it took.
  long long OpsOfOnlyItem(int layer) {
    EXPECT_EQ(Scheme->Layer(layer).Count(), 1);
    Canvas.Ops = 0;
    Scheme->Layer(layer).Items().front()->DrawInactive(Ctx);
    return Canvas.Ops;
  }

  TTempDir Dir;
  TMessageCapture Messages;
  std::unique_ptr<TSVObject> Scheme;
  TMeasuringCanvas Canvas;
  TDrawContext Ctx;
};

}  // namespace

TEST_F(DamagedMap, PointsFarBeyondAnyScreenFitAndDrawInEveryLookWithinWhatADeviceAddresses) {
  // A curb and a curb arc out at 1e300 and 1e12, as the fuzzer wrote them.
  TSVObject& scheme = Load(CrLf({"1", "1e300 -1e300", "-1e300 1e300", "3", "0 0", "1e12 0", "5 0", "-5 0", "0 5",
                                 "1e-300 1e-300", "7", "1e300 5", "own", "text", "1e300 5", "4 -4", "20 -4", "12",
                                 ""}));
  ASSERT_EQ(scheme.Layer(4).Count(), 2);
  Ctx.FitRect(scheme.BoundsShown(Ctx), Canvas.ClipRect());
  scheme.DrawAll(Ctx, false);
  scheme.SelectInRect(Ctx, Canvas.ClipRect());
  scheme.DrawAll(Ctx, true);
  scheme.PrintAll(Ctx);
  EXPECT_GT(Canvas.Ops, 0);
  EXPECT_LE(Canvas.MaxAbs, 1LL << 28);
}

TEST_F(DamagedMap, ScreenPointsStopAtTheRangeOfADeviceContext) {
  Ctx.Normalize();
  EXPECT_EQ(Ctx.WorldToScreen(1e300, -1e300), (TPoint{134217727, -134217727}));
  EXPECT_EQ(Ctx.WorldOffsetToScreen(0, 0, -1e300, 0).x, -134217727);
  EXPECT_EQ(Ctx.WorldToScreen(12.5, -3.5), (TPoint{12, -4}));
}

TEST(SegmentMeetsRectAtTheEnds, TakesSegmentsThatSpanTheWholeIntRange) {
  const TRect r{0, 0, 10, 10};
  EXPECT_TRUE(SegmentMeetsRect(r, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  EXPECT_TRUE(SegmentMeetsRect(r, INT_MAX, 5, INT_MIN, 5));
  EXPECT_FALSE(SegmentMeetsRect(r, INT_MIN, INT_MAX, INT_MAX, INT_MAX - 1));
}

TEST_F(DamagedMap, RunsMillionsOfPixelsLongDrawNoMorePiecesThanAMarkingPattern) {
  // Cable, gantry, stay and dashed arrow, each 1e8 pixels long at zoom 1.
  Load(CrLf({"5", "0 10", "1e8 10", "0", "notext", "17", "0 20", "1e8 20", "0", "30", "0 30", "1e8 30", "16", "2",
             "0 40", "1e8 40", "oneway", "run", "1", "1", "notext"}));
  const long long cable = OpsOfOnlyItem(2);
  EXPECT_GE(cable, kMaxPieces);
  EXPECT_LE(cable, 3LL * kMaxPieces + 8);
  // The arrow's shaft is drawn solid, with its head.
  const long long arrow = OpsOfOnlyItem(7);
  EXPECT_GE(arrow, 2);
  EXPECT_LE(arrow, 8);
  Canvas.Ops = 0;
  for (const auto& item : Scheme->Layer(9).Items()) item->DrawInactive(Ctx);
  EXPECT_GE(Canvas.Ops, 2LL * kMaxPieces);
  EXPECT_LE(Canvas.Ops, 2LL * kMaxPieces + 8);
  EXPECT_TRUE(Messages.Messages.empty()) << Messages.Messages.front().Text;
}
