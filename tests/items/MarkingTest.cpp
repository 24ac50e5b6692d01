// Road markings: their records, the stripes, bands, dashes and arrows they
// paint at real size, and the ends they offer to each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "RecordingView.h"
#include "TestSupport.h"
#include "items/MarkArrow.h"
#include "items/StopLine.h"
#include "items/SingleLine.h"
#include "items/Zebra.h"
#include "items/PedLine.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"

namespace {

struct TView : TRecordingView {
  using TRecordingView::TRecordingView;
  std::vector<TCanvasOp> Polygons() const { return Canvas.OpsOf(TCanvasOpKind::Polygon); }
};

template <class T>
std::unique_ptr<T> Line(std::uint32_t code, double x1, double y1, double x2, double y2) {
  auto item = std::make_unique<T>(code);
  item->X1 = x1;
  item->Y1 = y1;
  item->X2 = x2;
  item->Y2 = y2;
  return item;
}

std::vector<TPoint> Pts(std::initializer_list<TPoint> p) { return p; }

int CentreX(const TCanvasOp& op) {
  int sum = 0;
  for (const TPoint p : op.Points) sum += p.x;
  return sum / static_cast<int>(op.Points.size());
}

}  // namespace

// --- records ---------------------------------------------------------------

TEST(MarkingRecords, ZebraStopAndCrossingLinesKeepJustTheirTwoEnds) {
  const std::string record = CrLf({"10.5 20", "-3 4.25"});
  for (const std::uint32_t code : {23u, 24u, 26u}) {
    auto item = TSVObject::CreateItem(code);
    ASSERT_TRUE(item) << code;
    TTextReader r = TTextReader::FromBytes(record + CrLf({"27"}));
    item->LoadFromText(r);
    auto* line = dynamic_cast<TLineSVItem*>(item.get());
    ASSERT_TRUE(line) << code;
    EXPECT_DOUBLE_EQ(line->X1, 10.5);
    EXPECT_DOUBLE_EQ(line->Y2, 4.25);
    EXPECT_EQ(r.ReadInt(), 27) << "the next record starts right after the two lines";
    EXPECT_EQ(Saved(*item), record) << code;
  }
}

TEST(MarkingRecords, LaneLineWritesItsKindAfterItsEndsAndKeepsAnUnknownKind) {
  TSingleLine line(25);
  TTextReader r = TTextReader::FromBytes(CrLf({"0 0", "100 0.5", "2", "24"}));
  line.LoadFromText(r);
  EXPECT_EQ(line.LineKind, 2);
  EXPECT_DOUBLE_EQ(line.Y2, 0.5);
  EXPECT_EQ(r.ReadInt(), 24);
  EXPECT_EQ(Saved(line), CrLf({"0 0", "100 0.5", "2"}));

  TTextReader odd = TTextReader::FromBytes(CrLf({"0 0", "100 0", "7"}));
  line.LoadFromText(odd);
  EXPECT_EQ(Saved(line), CrLf({"0 0", "100 0", "7"}));
  TView v;
  line.DrawInactive(v.Ctx);
  EXPECT_TRUE(v.Canvas.Ops().empty()) << "a kind outside the table draws nothing";
}

TEST(MarkingRecords, LaneArrowKeepsBaseAimAndKindAndAnUnknownKind) {
  TMarkArrow arrow(27);
  TTextReader r = TTextReader::FromBytes(CrLf({"100 200.125", "100 90", "3"}));
  arrow.LoadFromText(r);
  EXPECT_DOUBLE_EQ(arrow.BaseY, 200.125);
  EXPECT_DOUBLE_EQ(arrow.AimY, 90);
  EXPECT_EQ(arrow.ArrowKind, 3);
  EXPECT_EQ(Saved(arrow), CrLf({"100 200.125", "100 90", "3"}));

  arrow.ArrowKind = 9;
  const std::string odd = Saved(arrow);
  TMarkArrow back(27);
  TTextReader r2 = TTextReader::FromBytes(odd);
  back.LoadFromText(r2);
  EXPECT_EQ(back.ArrowKind, 9);
  TView v;
  back.DrawInactive(v.Ctx);
  EXPECT_TRUE(v.Canvas.Ops().empty());
}

// --- zebra -----------------------------------------------------------------

TEST(Zebra, StripesSitOnBothEndsWhenTheLengthIsAWholeNumberOfGaps) {
  // At zoom 1.7 a stripe spacing is exactly 25 pixels and the stripes reach 42.5 to each side.
  TView v(1.7);
  auto z = Line<TZebra>(23, 0, 0, 100 / 1.7, 0);
  z->DrawInactive(v.Ctx);
  const auto stripes = v.Polygons();
  ASSERT_EQ(stripes.size(), 5u);
  std::vector<int> centres;
  for (const auto& s : stripes) centres.push_back(CentreX(s));
  EXPECT_EQ(centres, (std::vector<int>{0, 25, 50, 75, 100}));
  EXPECT_EQ(stripes[0].Points, Pts({{4, -42}, {4, 42}, {-4, 42}, {-4, -42}}));
  EXPECT_EQ(stripes[0].Brush.Color, clWhite);
}

TEST(Zebra, WithoutRoomForOneGapOrWithoutARealSizeDrawsNothing) {
  TView v;
  Line<TZebra>(23, 0, 0, 5, 0)->DrawInactive(v.Ctx);
  EXPECT_TRUE(v.Polygons().empty());

  TTempDir dir;
  TSVObject scheme(dir.Path());
  scheme.Info->RealScale = 0;
  auto owned = Line<TZebra>(23, 0, 0, 500, 0);
  TZebra* z = owned.get();
  scheme.AddItem(std::move(owned));
  z->DrawInactive(v.Ctx);
  EXPECT_TRUE(v.Polygons().empty());
}

TEST(Zebra, IsLaidWhereClickedEvenWhenTheClickSnapped) {
  TView v;
  TZebra z(23);
  TScreenPoints pts{};
  pts[0] = {10, 20};
  pts[1] = {110, 20};
  TSnapRecord snap{};
  snap[0].Found = true;
  snap[0].X = 500;
  snap[0].Y = 500;
  z.PlaceAt(v.Ctx, pts, snap, 2);
  EXPECT_DOUBLE_EQ(z.X1, 10);
  EXPECT_DOUBLE_EQ(z.Y1, 20);
  EXPECT_DOUBLE_EQ(z.X2, 110);
  double x = 0, y = 0;
  EXPECT_FALSE(z.FindAnchor(10, 20, v.Ctx, 24, x, y));
}

// --- looks -----------------------------------------------------------------

TEST(LineMarkings, DrawTheirLooksAndShowHandlesOnlyWhileEdited) {
  auto stop = Line<TStopLine>(24, 10, 11, 60, 11);
  TView active;
  stop->DrawActive(active.Ctx);
  const auto& ops = active.Canvas.Ops();
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[0].Kind, TCanvasOpKind::Polygon);
  EXPECT_EQ(ops[0].Pen.Style, TPenStyle::Dot);
  EXPECT_EQ(ops[0].Pen.Color, clWhite);
  EXPECT_EQ(ops[0].Brush.Color, 0x404040u);
  EXPECT_EQ(ops[1].Kind, TCanvasOpKind::FillRect);
  EXPECT_EQ(ops[1].Brush.Color, 0x707070u);
  EXPECT_EQ(ops[1].Points, Pts({{7, 8}, {13, 14}}));
  EXPECT_EQ(ops[2].Points, Pts({{57, 8}, {63, 14}}));

  TView selected;
  stop->DrawSelected(selected.Ctx);
  ASSERT_EQ(selected.Canvas.Ops().size(), 3u);
  EXPECT_EQ(selected.Canvas.Ops()[0].Pen.Color, clBlue);
  EXPECT_EQ(selected.Canvas.Ops()[0].Brush.Color, 0x404040u);

  TView print;
  stop->DrawPrint(print.Ctx);
  ASSERT_EQ(print.Canvas.Ops().size(), 1u);
  EXPECT_EQ(print.Canvas.Ops()[0].Pen.Color, clBlack);
  EXPECT_EQ(print.Canvas.Ops()[0].Brush.Color, 0xE0E0E0u);

  // A selected zebra keeps white outlines and turns its stripes blue.
  TView zebra;
  Line<TZebra>(23, 0, 0, 100, 0)->DrawSelected(zebra.Ctx);
  const auto stripes = zebra.Polygons();
  ASSERT_FALSE(stripes.empty());
  EXPECT_EQ(stripes[0].Pen.Color, clWhite);
  EXPECT_EQ(stripes[0].Brush.Color, clBlue);
  EXPECT_EQ(zebra.Canvas.OpsOf(TCanvasOpKind::FillRect).size(), 2u);
}

// --- stop line -------------------------------------------------------------

TEST(StopLine, IsABandEightUnitsWideThatNeverThinsBelowAPixel) {
  TView near;
  Line<TStopLine>(24, 10, 11, 60, 11)->DrawInactive(near.Ctx);
  ASSERT_EQ(near.Polygons().size(), 1u);
  EXPECT_EQ(near.Polygons()[0].Points, Pts({{10, 7}, {60, 7}, {60, 15}, {10, 15}}));

  TView far(0.05);
  Line<TStopLine>(24, 200, 220, 1200, 220)->DrawInactive(far.Ctx);
  ASSERT_EQ(far.Polygons().size(), 1u);
  EXPECT_EQ(far.Polygons()[0].Points, Pts({{10, 10}, {60, 10}, {60, 12}, {10, 12}}));
}

TEST(StopLine, TakesItsWidthFromThePassportsRealScale) {
  TTempDir dir;
  TSVObject scheme(dir.Path());
  scheme.Info->RealScale = 0.5;
  auto owned = Line<TStopLine>(24, 10, 20, 40, 20);
  TStopLine* stop = owned.get();
  scheme.AddItem(std::move(owned));
  TView v(4);  // 4 × 0.5: two pixels per unit
  stop->DrawInactive(v.Ctx);
  ASSERT_EQ(v.Polygons().size(), 1u);
  EXPECT_EQ(v.Polygons()[0].Points, Pts({{40, 72}, {160, 72}, {160, 88}, {40, 88}}));
}

// --- lane line -------------------------------------------------------------

TEST(LaneLine, DashesDivideTheLineIntoEightyUnitSteps) {
  auto line = Line<TSingleLine>(25, 0, 100, 400, 100);
  line->LineKind = 1;
  TView longDashes;
  line->DrawInactive(longDashes.Ctx);
  auto dashes = longDashes.Polygons();
  ASSERT_EQ(dashes.size(), 5u);
  EXPECT_EQ(dashes[0].Points, Pts({{0, 101}, {0, 99}, {60, 99}, {60, 101}}));
  EXPECT_EQ(dashes[4].Points, Pts({{320, 101}, {320, 99}, {380, 99}, {380, 101}}));

  line->LineKind = 2;
  TView shortDashes;
  line->DrawInactive(shortDashes.Ctx);
  dashes = shortDashes.Polygons();
  ASSERT_EQ(dashes.size(), 5u);
  EXPECT_EQ(dashes[1].Points, Pts({{80, 101}, {80, 99}, {100, 99}, {100, 101}}));
}

TEST(LaneLine, ShortLineLosesItsDashesButNotItsSolidOrDoubleBands) {
  auto line = Line<TSingleLine>(25, 0, 100, 39, 100);
  auto count = [&](std::uint8_t kind) {
    line->LineKind = kind;
    TView v;
    line->DrawInactive(v.Ctx);
    return v.Polygons();
  };
  EXPECT_TRUE(count(1).empty());
  EXPECT_TRUE(count(2).empty());
  const auto solid = count(0);
  ASSERT_EQ(solid.size(), 1u);
  EXPECT_EQ(solid[0].Points, Pts({{0, 99}, {39, 99}, {39, 101}, {0, 101}}));
  const auto twin = count(3);
  ASSERT_EQ(twin.size(), 2u);
  EXPECT_EQ(twin[0].Points, Pts({{0, 96}, {39, 96}, {39, 98}, {0, 98}}));
  EXPECT_EQ(twin[1].Points, Pts({{0, 102}, {39, 102}, {39, 104}, {0, 104}}));
}

TEST(LineMarkings, AnAbsurdlyLongLineDrawsABoundedNumberOfPieces) {
  auto line = Line<TSingleLine>(25, 0, 0, 1e9, 0);
  line->LineKind = 2;
  TView v;
  line->DrawInactive(v.Ctx);
  EXPECT_EQ(v.Polygons().size(), static_cast<std::size_t>(kMaxPieces));
}

// --- pedestrian crossing line ------------------------------------------------

TEST(PedestrianLine, DashesEndOnDivisionPointsTwentyUnitsApart) {
  TView v;
  Line<TPedLine>(26, 0, 50, 100, 50)->DrawInactive(v.Ctx);
  const auto dashes = v.Polygons();
  ASSERT_EQ(dashes.size(), 5u);
  EXPECT_EQ(dashes[0].Points, Pts({{20, 48}, {20, 52}, {8, 52}, {8, 48}}));
  EXPECT_EQ(dashes[4].Points, Pts({{100, 48}, {100, 52}, {88, 52}, {88, 48}}));

  TView shortLine;
  Line<TPedLine>(26, 0, 50, 9, 50)->DrawInactive(shortLine.Ctx);
  EXPECT_TRUE(shortLine.Polygons().empty()) << "shorter than half a step";
}

// --- lane arrow --------------------------------------------------------------

namespace {
std::unique_ptr<TMarkArrow> Arrow(int kind, double bx, double by, double ax, double ay) {
  auto a = std::make_unique<TMarkArrow>(27);
  a->ArrowKind = kind;
  a->BaseX = bx;
  a->BaseY = by;
  a->AimX = ax;
  a->AimY = ay;
  return a;
}
}  // namespace

TEST(LaneArrow, StraightArrowRunsSixtyFourUnitsFromItsBaseTowardsItsAim) {
  TView v;
  Arrow(0, 100, 100, 1000, 100)->DrawInactive(v.Ctx);
  ASSERT_EQ(v.Polygons().size(), 1u);
  EXPECT_EQ(v.Polygons()[0].Points,
            Pts({{100, 99}, {142, 99}, {142, 92}, {164, 100}, {142, 108}, {142, 101}, {100, 101}}));
}

TEST(LaneArrow, TurnsToTheLeftOrRightOfTravelAsItsKindSays) {
  // Travel northwards on the screen: the left of the traffic is to the west.
  struct TCase {
    int Kind;
    bool LeftBranch;
  };
  for (const TCase c : {TCase{1, true}, TCase{2, false}, TCase{3, true}, TCase{4, false}}) {
    TView v;
    Arrow(c.Kind, 100, 200, 100, 0)->DrawInactive(v.Ctx);
    const auto arrows = v.Polygons();
    ASSERT_EQ(arrows.size(), 1u) << c.Kind;
    const auto& pts = arrows[0].Points;
    const auto [lo, hi] = std::minmax_element(pts.begin(), pts.end(),
                                              [](TPoint a, TPoint b) { return a.x < b.x; });
    if (c.LeftBranch) {
      EXPECT_EQ(lo->x, 78) << c.Kind;
      EXPECT_LE(hi->x, 108) << c.Kind;
    } else {
      EXPECT_EQ(hi->x, 122) << c.Kind;
      EXPECT_GE(lo->x, 92) << c.Kind;
    }
  }
}

TEST(LaneArrow, IsBoundedAroundAndSelectedByItsBasePoint) {
  TView v(2);
  auto a = Arrow(0, 100, 100, 200, 100);
  EXPECT_EQ(a->GetBounds(v.Ctx), (TRect{72, 72, 328, 328}));
  EXPECT_TRUE(a->SelectInRect(v.Ctx, TRect{190, 190, 210, 210}));
  EXPECT_TRUE(a->Selected);
  EXPECT_FALSE(a->SelectInRect(v.Ctx, TRect{250, 190, 330, 210})) << "the tip alone does not select it";
  EXPECT_FALSE(a->Selected);
}

TEST(LaneArrow, TakesASnappedBaseButAlwaysTheClickedAim) {
  TView v;
  TMarkArrow a(27);
  TScreenPoints pts{};
  pts[0] = {10, 10};
  pts[1] = {90, 40};
  TSnapRecord snap{};
  a.PlaceAt(v.Ctx, pts, snap, 2);
  EXPECT_DOUBLE_EQ(a.BaseX, 10);
  snap[0] = TSnapEntry{12.5, 7.25, true, 0, 0};
  snap[1] = TSnapEntry{500, 500, true, 0, 0};
  a.PlaceAt(v.Ctx, pts, snap, 2);
  EXPECT_DOUBLE_EQ(a.BaseX, 12.5);
  EXPECT_DOUBLE_EQ(a.BaseY, 7.25);
  EXPECT_DOUBLE_EQ(a.AimX, 90);
  EXPECT_DOUBLE_EQ(a.AimY, 40);
}

TEST(LaneArrow, RubberBandIsAnXorArrowOfTheViewsRealLength) {
  TView v;
  v.Ctx.ObjectScale = 0.5;
  TMarkArrow a(27);
  TScreenPoints pts{};
  pts[0] = {10, 10};
  pts[1] = {110, 10};
  a.DrawRubber(v.Ctx, pts, 1);
  const auto lines = v.Canvas.OpsOf(TCanvasOpKind::Polyline);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Points, Pts({{10, 10}, {42, 10}, {36, 16}, {36, 4}, {42, 10}}));
  EXPECT_EQ(lines[0].Pen.Mode, TPenMode::Xor);
  EXPECT_EQ(lines[0].Pen.Color, 0x10FFFFu);
}

// --- snapping ----------------------------------------------------------------

TEST(MarkingAnchors, StopAndLaneLinesOfferTheirEndsOnlyToEachOther) {
  TView v;
  std::vector<std::unique_ptr<TSVItem>> offering;
  offering.push_back(Line<TStopLine>(24, 0, 0, 100, 50));
  offering.push_back(Line<TSingleLine>(25, 0, 0, 100, 50));
  for (auto& item : offering) {
    for (const std::uint32_t code : {24u, 25u}) {
      double x = 0, y = 0;
      ASSERT_TRUE(item->FindAnchor(102, 48, v.Ctx, code, x, y)) << item->TypeCode << " to " << code;
      EXPECT_DOUBLE_EQ(x, 100);
      EXPECT_DOUBLE_EQ(y, 50);
    }
    for (const std::uint32_t code : {1u, 23u, 26u, 27u}) {
      double x = 0, y = 0;
      EXPECT_FALSE(item->FindAnchor(102, 48, v.Ctx, code, x, y)) << item->TypeCode << " to " << code;
    }
  }
  double x = 0, y = 0;
  EXPECT_FALSE(Line<TPedLine>(26, 0, 0, 100, 50)->FindAnchor(100, 50, v.Ctx, 26, x, y));
}

TEST(MarkingBounds, BandsStayInSightWhileTheirCentreLineIsJustOutsideTheWindow) {
  // The canvas clip is 0..1000; each line runs 10 pixels above the window,
  // and what it paints reaches down into it.
  TView view;
  auto zebra = Line<TZebra>(23, 100, -10, 300, -10);
  auto stop = Line<TStopLine>(24, 100, -3, 300, -3);
  for (TSVItem* item : {static_cast<TSVItem*>(zebra.get()), static_cast<TSVItem*>(stop.get())}) {
    view.Canvas.Clear();
    EXPECT_TRUE(item->IsVisibleIn(view.Ctx));
    DrawItem(*item, view.Ctx, false);
    EXPECT_FALSE(view.Polygons().empty());
  }
  // Far from the window nothing is drawn.
  auto far = Line<TZebra>(23, 100, -200, 300, -200);
  EXPECT_FALSE(far->IsVisibleIn(view.Ctx));
}

TEST(MarkingBounds, AnAbsurdPassportScaleStillGivesBoundsAroundWhatIsPainted) {
  TTempDir dir;
  TSVObject scheme(dir.Path());
  scheme.Info->RealScale = 1e12;
  auto arrow = std::make_unique<TMarkArrow>(27);
  arrow->BaseX = 100, arrow->BaseY = 100, arrow->AimX = 200, arrow->AimY = 100;
  std::vector<TSVItem*> items{arrow.get()};
  scheme.AddItem(std::move(arrow));
  for (const std::uint32_t code : {23u, 24u, 25u}) {
    std::unique_ptr<TLineSVItem> line;
    if (code == 23) line = Line<TZebra>(code, 100, 100, 300, 100);
    if (code == 24) line = Line<TStopLine>(code, 100, 100, 300, 100);
    if (code == 25) line = Line<TSingleLine>(code, 100, 100, 300, 100);
    items.push_back(line.get());
    scheme.AddItem(std::move(line));
  }
  TView v;
  for (TSVItem* item : items) {
    const TRect r = item->GetBounds(v.Ctx);
    EXPECT_TRUE(IsValidRect(r)) << item->TypeCode;
    EXPECT_LT(r.Top, -1000) << item->TypeCode;
    EXPECT_GT(r.Bottom, 1000) << item->TypeCode;
    EXPECT_TRUE(item->IsVisibleIn(v.Ctx)) << item->TypeCode;
  }
}
