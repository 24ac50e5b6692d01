// Curbs and tram tracks: their records, how pieces of one family join, the
// rails and sleepers drawn at real size, and the print forms chosen by the
// page set-up switches.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RecordingView.h"
#include "TestSupport.h"
#include "items/CB.h"
#include "items/RTram.h"
#include "items/SLB.h"
#include "items/Tram.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"

namespace {

struct TView : TRecordingView {
  using TRecordingView::TRecordingView;
  void PrintWith(bool colour, bool greyBorder, double lineFactor) {
    Ctx.ColorPrint = colour;
    Ctx.GrayBorder = greyBorder;
    Ctx.LineFactor = lineFactor;
  }
  std::vector<TCanvasOp> Of(TCanvasOpKind kind) const { return Canvas.OpsOf(kind); }
};

template <class T>
std::unique_ptr<T> Straight(std::uint32_t code, double x1, double y1, double x2, double y2) {
  auto item = std::make_unique<T>(code);
  item->X1 = x1;
  item->Y1 = y1;
  item->X2 = x2;
  item->Y2 = y2;
  return item;
}

// A quarter circle of radius 100 about (200, 200), from the east end
// counter-clockwise on the screen to the north end.
template <class T>
std::unique_ptr<T> Quarter(std::uint32_t code, double cx = 200, double cy = 200, double r = 100) {
  auto item = std::make_unique<T>(code);
  item->CX = cx;
  item->CY = cy;
  item->RX = cx + r;
  item->RY = cy;
  item->X1 = cx + r;
  item->Y1 = cy;
  item->X2 = cx;
  item->Y2 = cy - r;
  return item;
}

std::vector<TPoint> Pts(std::initializer_list<TPoint> p) { return p; }

}  // namespace

// --- records and joining -------------------------------------------------------

TEST(CurbRecords, PiecesKeepJustTheLinesOfTheirStraightOrArcBase) {
  const std::string straight = CrLf({"10 20.5", "-30 40"});
  const std::string arc = CrLf({"0 0", "50 0", "50 0", "0 -50"});
  for (const std::uint32_t code : {1u, 3u, 19u, 20u}) {
    const std::string& record = (code == 1 || code == 19) ? straight : arc;
    auto item = TSVObject::CreateItem(code);
    ASSERT_TRUE(item) << code;
    TTextReader r = TTextReader::FromBytes(record + CrLf({"4"}));
    item->LoadFromText(r);
    EXPECT_EQ(r.ReadInt(), 4) << code;
    EXPECT_EQ(Saved(*item), record) << code;
  }
  TRTram t(20);
  TTextReader r = TTextReader::FromBytes(arc);
  t.LoadFromText(r);
  EXPECT_DOUBLE_EQ(t.RX, 50);
  EXPECT_DOUBLE_EQ(t.Y2, -50);
}

TEST(CurbJoins, PiecesOfferTheirEndsOnlyToPiecesOfTheirOwnFamily) {
  TView v;
  std::vector<std::unique_ptr<TSVItem>> curbs, tracks;
  curbs.push_back(Straight<TSLB>(1, 0, 0, 300, 200));
  curbs.push_back(Quarter<TCB>(3));
  tracks.push_back(Straight<TTram>(19, 0, 0, 300, 200));
  tracks.push_back(Quarter<TRTram>(20));
  auto check = [&](TSVItem& item, std::initializer_list<std::uint32_t> accepted,
                   std::initializer_list<std::uint32_t> refused) {
    for (const std::uint32_t code : accepted) {
      double x = 0, y = 0;
      ASSERT_TRUE(item.FindAnchor(298, 202, v.Ctx, code, x, y)) << item.TypeCode << " to " << code;
      EXPECT_DOUBLE_EQ(x, 300);
      EXPECT_DOUBLE_EQ(y, 200);
    }
    for (const std::uint32_t code : refused) {
      double x = 0, y = 0;
      EXPECT_FALSE(item.FindAnchor(298, 202, v.Ctx, code, x, y)) << item.TypeCode << " to " << code;
    }
  };
  for (auto& c : curbs) check(*c, {1, 3}, {19, 20, 24, 25});
  for (auto& t : tracks) check(*t, {19, 20}, {1, 3, 24, 25});
}

// --- curbs on screen ----------------------------------------------------------

TEST(StraightCurb, IsAGreyLineWiderWhenViewedAndHandledWhileEdited) {
  auto curb = Straight<TSLB>(1, 0, 100, 100, 100);
  TView active;
  curb->DrawActive(active.Ctx);
  const auto& ops = active.Canvas.Ops();
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[0].Kind, TCanvasOpKind::Line);
  EXPECT_EQ(ops[0].Pen.Color, 0x808080u);
  EXPECT_EQ(ops[0].Pen.Width, 1);
  EXPECT_EQ(ops[1].Points, Pts({{-3, 97}, {3, 103}}));
  EXPECT_EQ(ops[2].Brush.Color, 0x707070u);

  TView viewed;
  curb->DrawInactive(viewed.Ctx);
  ASSERT_EQ(viewed.Canvas.Ops().size(), 1u);
  EXPECT_EQ(viewed.Canvas.Ops()[0].Pen.Width, 2);

  TView selected;
  curb->DrawSelected(selected.Ctx);
  ASSERT_EQ(selected.Canvas.Ops().size(), 3u);
  EXPECT_EQ(selected.Canvas.Ops()[0].Pen.Color, clBlue);
}

TEST(CurvedCurb, DrawsItsArcFromTheFirstEndCounterClockwiseToTheSecond) {
  auto curb = Quarter<TCB>(3, 100, 100, 50);
  TView v;
  curb->DrawActive(v.Ctx);
  const auto arcs = v.Of(TCanvasOpKind::Arc);
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].Points, Pts({{50, 50}, {150, 150}, {150, 100}, {100, 50}}));
  const auto handles = v.Of(TCanvasOpKind::FillRect);
  ASSERT_EQ(handles.size(), 2u);
  EXPECT_EQ(handles[0].Points, Pts({{147, 97}, {153, 103}}));
  EXPECT_EQ(handles[1].Points, Pts({{97, 47}, {103, 53}}));
}

// --- curbs in print -------------------------------------------------------------

TEST(CurbPrint, FollowsTheColourAndGreyBorderSwitches) {
  auto curb = Straight<TSLB>(1, 0, 100, 100, 100);
  struct TCase {
    bool Colour, Grey;
    double Factor;
    bool Band;
    TColor Pen;
    int Width;
  };
  const TCase cases[] = {
      {true, true, 3, false, 0xB0B0B0, 2},  {true, false, 3, false, clBlack, 2},
      {false, false, 3, false, clBlack, 2}, {false, true, 3, true, clBlack, 1},
      {false, true, 2, false, clBlack, 1},  {false, true, 2.5, true, clBlack, 1},
  };
  for (const TCase& c : cases) {
    TView v;
    v.PrintWith(c.Colour, c.Grey, c.Factor);
    curb->DrawPrint(v.Ctx);
    ASSERT_EQ(v.Canvas.Ops().size(), 1u);
    const TCanvasOp& op = v.Canvas.Ops()[0];
    EXPECT_EQ(op.Kind, c.Band ? TCanvasOpKind::Polygon : TCanvasOpKind::Line) << c.Colour << c.Grey << c.Factor;
    EXPECT_EQ(op.Pen.Color, c.Pen) << c.Colour << c.Grey << c.Factor;
    EXPECT_EQ(op.Pen.Width, c.Width) << c.Colour << c.Grey << c.Factor;
    if (c.Band) {
      EXPECT_EQ(op.Brush.Color, 0xB0B0B0u);
    }
  }
  TView band;
  band.PrintWith(false, true, 3);
  curb->DrawPrint(band.Ctx);
  EXPECT_EQ(band.Canvas.Ops()[0].Points, Pts({{0, 99}, {100, 99}, {100, 101}, {0, 101}}));
}

TEST(CurbPrint, CurvedBandFollowsTheArcWithAHundredSegmentsPerTurn) {
  TView v;
  v.PrintWith(false, true, 3);
  Quarter<TCB>(3, 100, 100, 50)->DrawPrint(v.Ctx);
  const auto bands = v.Of(TCanvasOpKind::Polygon);
  ASSERT_EQ(bands.size(), 1u);
  const auto& pts = bands[0].Points;
  ASSERT_EQ(pts.size(), 52u);
  EXPECT_EQ(pts[0], (TPoint{151, 100}));
  EXPECT_EQ(pts[25], (TPoint{100, 49}));
  EXPECT_EQ(pts[26], (TPoint{100, 51}));
  EXPECT_EQ(pts[51], (TPoint{149, 100}));

  // Both ends in one direction from the centre: the band has no length.
  auto flat = Quarter<TCB>(3, 100, 100, 50);
  flat->X2 = 200;
  flat->Y2 = 100;
  TView none;
  none.PrintWith(false, true, 3);
  flat->DrawPrint(none.Ctx);
  EXPECT_TRUE(none.Canvas.Ops().empty());
}

// --- tracks on screen ---------------------------------------------------------

TEST(StraightTrack, ThreeGaugeHalvesLongHasFourSleepersOneAtEachEnd) {
  TView v;
  Straight<TTram>(19, 0, 100, 30, 100)->DrawInactive(v.Ctx);
  const auto lines = v.Of(TCanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].Points, Pts({{0, 110}, {30, 110}}));
  EXPECT_EQ(lines[1].Points, Pts({{0, 90}, {30, 90}}));
  EXPECT_EQ(lines[0].Pen.Width, 1);
  EXPECT_EQ(lines[0].Pen.Color, 0x808080u);
  for (int j = 0; j < 4; ++j) {
    EXPECT_EQ(lines[2 + j].Points, Pts({{10 * j, 87}, {10 * j, 113}})) << j;
    EXPECT_EQ(lines[2 + j].Pen.Width, 2) << "a quarter of 10 is 2.5, rounded to even";
  }
}

TEST(StraightTrack, ShorterThanOneSleeperSpacingOrWithoutSizeHasRailsOnly) {
  TView v;
  Straight<TTram>(19, 0, 100, 9, 100)->DrawSelected(v.Ctx);
  EXPECT_EQ(v.Of(TCanvasOpKind::Line).size(), 2u);
  EXPECT_EQ(v.Of(TCanvasOpKind::Line)[0].Pen.Color, clBlue);
  EXPECT_EQ(v.Of(TCanvasOpKind::FillRect).size(), 2u);

  TTempDir dir;
  TSVObject scheme(dir.Path());
  scheme.Info->RealScale = 0;
  for (const std::uint32_t code : {19u, 20u}) {
    std::unique_ptr<TSVItem> owned;
    if (code == 19)
      owned = Straight<TTram>(code, 0, 100, 300, 100);
    else
      owned = Quarter<TRTram>(code);
    TSVItem* track = owned.get();
    scheme.AddItem(std::move(owned));
    TView flat;
    track->DrawInactive(flat.Ctx);
    flat.PrintWith(false, true, 1);
    track->DrawPrint(flat.Ctx);
    EXPECT_LE(flat.Canvas.Ops().size(), 4u) << code;
  }
}

TEST(CurvedTrack, RailsFollowTheArcAtEitherSideAndSleepersSpanTheSweep) {
  TView v;
  Quarter<TRTram>(20)->DrawInactive(v.Ctx);
  const auto arcs = v.Of(TCanvasOpKind::Arc);
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_EQ(arcs[0].Points, Pts({{90, 90}, {310, 310}, {300, 200}, {200, 100}}));
  EXPECT_EQ(arcs[1].Points, Pts({{110, 110}, {290, 290}, {300, 200}, {200, 100}}));
  // A quarter turn of radius 100 is 157 pixels long: 15 spacings of 10.
  const auto sleepers = v.Of(TCanvasOpKind::Line);
  ASSERT_EQ(sleepers.size(), 16u);
  EXPECT_EQ(sleepers.front().Points, Pts({{313, 200}, {287, 200}}));
  EXPECT_EQ(sleepers.back().Points, Pts({{200, 87}, {200, 113}}));
}

TEST(CurvedTrack, OnAPassportOfAbsurdScaleKeepsItsRailArcsAndBoundsAroundTheCentre) {
  TTempDir dir;
  TSVObject scheme(dir.Path());
  scheme.Info->RealScale = 1e12;
  auto owned = Quarter<TRTram>(20);
  TRTram* track = owned.get();
  scheme.AddItem(std::move(owned));
  TView v;
  EXPECT_TRUE(IsValidRect(track->GetBounds(v.Ctx)));
  track->DrawInactive(v.Ctx);
  const auto arcs = v.Of(TCanvasOpKind::Arc);
  ASSERT_FALSE(arcs.empty());
  for (const TCanvasOp& arc : arcs) {
    EXPECT_LT(arc.Points[0].x, 200);
    EXPECT_GT(arc.Points[1].x, 200);
  }
}

// --- tracks in print ------------------------------------------------------------

TEST(TrackPrint, BandsTheTrackOnlyInBlackAndWhiteWithGreyBordersAtALargeEnoughZoom) {
  auto track = Straight<TTram>(19, 0, 100, 30, 100);
  TView banded;
  banded.PrintWith(false, true, 1);
  track->DrawPrint(banded.Ctx);
  const auto bands = banded.Of(TCanvasOpKind::Polygon);
  ASSERT_EQ(bands.size(), 6u) << "four sleepers and two rails";
  EXPECT_TRUE(banded.Of(TCanvasOpKind::Line).empty());
  EXPECT_EQ(bands[0].Points, Pts({{-1, 87}, {1, 87}, {1, 113}, {-1, 113}}));
  EXPECT_EQ(bands[4].Points, Pts({{0, 109}, {30, 109}, {30, 111}, {0, 111}}));
  EXPECT_EQ(bands[5].Points, Pts({{0, 89}, {30, 89}, {30, 91}, {0, 91}}));
  EXPECT_EQ(bands[0].Brush.Color, 0xB0B0B0u);
  EXPECT_EQ(bands[0].Pen.Color, clBlack);
  EXPECT_EQ(bands[0].Pen.Width, 1);

  TView small(0.5);
  small.PrintWith(false, true, 1);
  track->DrawPrint(small.Ctx);
  EXPECT_TRUE(small.Of(TCanvasOpKind::Polygon).empty());
  ASSERT_FALSE(small.Of(TCanvasOpKind::Line).empty());
  EXPECT_EQ(small.Of(TCanvasOpKind::Line)[0].Pen.Color, clBlack);

  TView colour;
  colour.PrintWith(true, true, 1);
  track->DrawPrint(colour.Ctx);
  ASSERT_EQ(colour.Of(TCanvasOpKind::Line).size(), 6u);
  EXPECT_EQ(colour.Of(TCanvasOpKind::Line)[0].Pen.Color, 0xB0B0B0u);
}

TEST(TrackPrint, CurvedBandsFollowTheArcOuterEdgeFirst) {
  TView v;
  v.PrintWith(false, true, 1);
  Quarter<TRTram>(20)->DrawPrint(v.Ctx);
  const auto bands = v.Of(TCanvasOpKind::Polygon);
  ASSERT_EQ(bands.size(), 18u) << "sixteen sleepers and two rails";
  const auto& outerRail = bands[16].Points;
  ASSERT_EQ(outerRail.size(), 52u);
  EXPECT_EQ(outerRail[0], (TPoint{311, 200}));   // radius 110.625
  EXPECT_EQ(outerRail[51], (TPoint{309, 200}));  // radius 109.375
  EXPECT_EQ(bands[17].Points[0], (TPoint{291, 200}));
}
