#include <gtest/gtest.h>

#include <cmath>

#include "ProbeItems.h"
#include "TestSupport.h"
#include "model/AirSVItem.h"
#include "model/Geometry.h"
#include "model/RoundSVItem.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"

namespace {

struct TScreen {
  TRecordingCanvas Canvas{TRect{0, 0, 1000, 1000}};
  TDrawContext Ctx;
  TScreen() {
    Ctx.Canvas = &Canvas;
    Ctx.Normalize();
  }
};

TScreenPoints Points(std::initializer_list<TPoint> pts) {
  TScreenPoints out{};
  int i = 0;
  for (const TPoint& p : pts) out[static_cast<std::size_t>(i++)] = p;
  return out;
}

// The counter-clockwise sweep (decreasing angle, y down) that the canvas
// draws from the start ray to the end ray: does it pass q?
bool ArcPasses(const TCanvasOp& arc, TPoint q) {
  const double cx = (arc.Points[0].x + arc.Points[1].x) / 2.0, cy = (arc.Points[0].y + arc.Points[1].y) / 2.0;
  const double as = VectorAngle(cx, cy, arc.Points[2].x, arc.Points[2].y);
  const double ae = VectorAngle(cx, cy, arc.Points[3].x, arc.Points[3].y);
  const double aq = VectorAngle(cx, cy, q.x, q.y);
  const auto turn = [](double a) { return std::fmod(a + 4 * kPi, 2 * kPi); };
  return turn(as - aq) <= turn(as - ae);
}

}  // namespace

TEST(ItemBase, APlainItemHasNoExtentAndIsNeverVisible) {
  TScreen s;
  TSVItem item(99);
  EXPECT_EQ(item.GetBounds(s.Ctx), kNoExtent);
  EXPECT_FALSE(item.IsVisibleIn(s.Ctx));
  EXPECT_FALSE(item.SelectInRect(s.Ctx, TRect{-100, -100, 100, 100}));
  EXPECT_EQ(item.TextColor(), 0x808080u);
  EXPECT_TRUE(Saved(item).empty());
}

TEST(ItemBase, DrawItemPicksTheLookAndSkipsWhatCannotBeSeen) {
  TScreen s;
  TProbeLog log;
  TProbeLine line(1, "a", &log, 10, 10, 50, 50);
  DrawItem(line, s.Ctx, false);
  DrawItem(line, s.Ctx, true);
  line.Selected = true;
  DrawItem(line, s.Ctx, true);
  PrintItem(line, s.Ctx);
  EXPECT_EQ(log, (TProbeLog{"a:inactive", "a:active", "a:selected", "a:print"}));

  log.clear();
  line.Hidden = true;
  DrawItem(line, s.Ctx, true);
  PrintItem(line, s.Ctx);
  line.Hidden = false;
  s.Ctx.OriginX = 5000;  // off the canvas
  DrawItem(line, s.Ctx, false);
  PrintItem(line, s.Ctx);
  EXPECT_TRUE(log.empty());
}

TEST(LineItem, EndWithinToleranceIsFoundAndTheSecondWinsWhenBothQualify) {
  TScreen s;
  s.Ctx.HitTolerance = 3;
  TLineSVItem line(1);
  line.X1 = 100;
  line.Y1 = 100;
  line.X2 = 104;
  line.Y2 = 100;
  double x = 0, y = 0;
  ASSERT_TRUE(line.FindLineEnd(102, 101, s.Ctx, x, y));
  EXPECT_EQ(x, 104);
  ASSERT_TRUE(line.FindLineEnd(98, 97, s.Ctx, x, y));
  EXPECT_EQ(x, 100);
  EXPECT_FALSE(line.FindLineEnd(96, 100, s.Ctx, x, y));
  EXPECT_FALSE(line.FindLineEnd(108, 100, s.Ctx, x, y));
}

TEST(LineItem, IsSelectedByARectangleOnlyWhenTheSegmentMeetsIt) {
  TScreen s;
  TLineSVItem line(1);
  line.X2 = 100;
  EXPECT_TRUE(line.SelectInRect(s.Ctx, TRect{40, -2, 60, 2}));
  EXPECT_TRUE(line.Selected);
  EXPECT_FALSE(line.SelectInRect(s.Ctx, TRect{40, 5, 60, 10}));
  EXPECT_FALSE(line.Selected);
  EXPECT_EQ(line.GetBounds(s.Ctx), (TRect{0, 0, 100, 0}));
}

TEST(LineItem, PlacesItsEndsAtSnappedPointsOrUnderTheCursor) {
  TScreen s;
  s.Ctx.Zoom = 2;
  TSnapRecord snap{};
  snap[1].Found = true;
  snap[1].X = 7.25;
  snap[1].Y = -3.5;
  TLineSVItem line(1);
  line.PlaceAt(s.Ctx, Points({{40, 60}, {500, 500}}), snap, 2);
  EXPECT_EQ(line.X1, 20);
  EXPECT_EQ(line.Y1, 30);
  EXPECT_EQ(line.X2, 7.25);
  EXPECT_EQ(line.Y2, -3.5);
}

TEST(LineItem, RubberBandIsOneXorLineWhateverTheMode) {
  TScreen s;
  TLineSVItem line(1);
  line.DrawRubber(s.Ctx, Points({{1, 2}, {30, 40}}), 7);
  ASSERT_EQ(s.Canvas.Ops().size(), 1u);
  const TCanvasOp& op = s.Canvas.Ops()[0];
  EXPECT_EQ(op.Kind, TCanvasOpKind::Line);
  EXPECT_EQ(op.Points, (std::vector<TPoint>{{1, 2}, {30, 40}}));
  EXPECT_EQ(op.Pen.Mode, TPenMode::Xor);
  EXPECT_EQ(op.Pen.Style, TPenStyle::Solid);
  EXPECT_EQ(op.Pen.Color, 0x10FFFFu);
}

TEST(LineItem, WritesTwoPointLinesAndReadsThemBack) {
  TLineSVItem line(1);
  line.X1 = 10;
  line.Y1 = 20;
  line.X2 = 110.5;
  line.Y2 = 20;
  EXPECT_EQ(Saved(line), "10 20\r\n110.5 20\r\n");
  TTextReader r = TTextReader::FromBytes("10 20 extra words\r\n110.5 20\r\n1\r\n");
  TLineSVItem back(1);
  back.LoadFromText(r);
  EXPECT_EQ(back.X1, 10);
  EXPECT_EQ(back.X2, 110.5);
  EXPECT_EQ(r.ReadInt(), 1);
}

TEST(ArcItem, PlacedWithTheThirdClickOnEitherSideOfTheChordItBulgesThroughThatClick) {
  TScreen s;
  TSnapRecord none{};
  TRoundSVItem above(3), below(3);
  above.PlaceAt(s.Ctx, Points({{100, 100}, {300, 100}, {200, 0}}), none, 3);
  below.PlaceAt(s.Ctx, Points({{100, 100}, {300, 100}, {200, 200}}), none, 3);
  EXPECT_NEAR(above.CX, 200, 1e-3);
  EXPECT_NEAR(above.CY, 100, 1e-3);
  EXPECT_NEAR(above.Radius(), 100, 1e-3);
  EXPECT_EQ(above.GetBounds(s.Ctx), (TRect{100, 0, 300, 100}));
  EXPECT_EQ(below.GetBounds(s.Ctx), (TRect{100, 100, 300, 200}));
}

TEST(ArcItem, BoundsReachEveryExtremeThatTheArcPassesEvenPastDirectionZero) {
  TScreen s;
  TRoundSVItem arc(3);
  arc.CX = 500;
  arc.CY = 500;
  arc.RX = 600;
  arc.RY = 500;
  const auto at = [&](double deg, double& x, double& y) {
    x = 500 + 100 * std::cos(deg * kPi / 180);
    y = 500 + 100 * std::sin(deg * kPi / 180);
  };
  // From 350 degrees on through 0 to 10 degrees.
  at(350, arc.X2, arc.Y2);
  at(10, arc.X1, arc.Y1);
  EXPECT_EQ(arc.GetBounds(s.Ctx), (TRect{598, 483, 600, 517}));
  // From 300 degrees on through 0 and 90 to 100 degrees.
  at(300, arc.X2, arc.Y2);
  at(100, arc.X1, arc.Y1);
  EXPECT_EQ(arc.GetBounds(s.Ctx), (TRect{483, 413, 600, 600}));
}

TEST(ArcItem, OffersItsEndsForAnyTypeAndIsSelectedByItsChord) {
  TScreen s;
  s.Ctx.HitTolerance = 3;
  TRoundSVItem arc(3);
  arc.X1 = 100;
  arc.Y1 = 100;
  arc.X2 = 300;
  arc.Y2 = 100;
  arc.CX = 200;
  arc.CY = 100;
  arc.RX = 300;
  arc.RY = 100;
  double x = 0, y = 0;
  EXPECT_TRUE(arc.FindAnchor(302, 98, s.Ctx, 77, x, y));
  EXPECT_EQ(x, 300);
  EXPECT_FALSE(arc.FindAnchor(200, 0, s.Ctx, 3, x, y));
  EXPECT_TRUE(arc.SelectInRect(s.Ctx, TRect{190, 95, 210, 105}));
  EXPECT_FALSE(arc.SelectInRect(s.Ctx, TRect{190, 0, 210, 10}));
}

TEST(ArcItem, WritesCentreRadiusPointAndEndsAndReadsThemBack) {
  TRoundSVItem arc(3);
  arc.CX = 1.5;
  arc.CY = 2;
  arc.RX = 11.5;
  arc.RY = 2;
  arc.X1 = -8.5;
  arc.Y1 = 2;
  arc.X2 = 11.5;
  arc.Y2 = 2.000001;
  const std::string text = Saved(arc);
  EXPECT_EQ(text, "1.5 2\r\n11.5 2\r\n-8.5 2\r\n11.5 2\r\n");
  TTextReader r = TTextReader::FromBytes(text);
  TRoundSVItem back(3);
  back.LoadFromText(r);
  EXPECT_EQ(Saved(back), text);
}

TEST(ArcItem, PlacedOnEndsFarBeyondAnyScreenIsStillWrittenAsNumbersTheMapReads) {
  TScreen s;
  TSnapRecord snap{};
  snap[0] = TSnapEntry{1e300, 0, true, 0, 0};
  snap[1] = TSnapEntry{0, 1e300, true, 0, 0};
  TRoundSVItem arc(3);
  arc.PlaceAt(s.Ctx, Points({{0, 0}, {10, 10}, {5, 0}}), snap, 3);
  TTextReader r = TTextReader::FromBytes(Saved(arc) + "1\r\n");
  TRoundSVItem back(3);
  back.LoadFromText(r);
  EXPECT_EQ(back.X1 + back.X2, 1e300);
  EXPECT_EQ(r.ReadInt(), 1);  // the next entry is still there
}

TEST(ArcItem, RubberArcPassesTheThirdPointOnEitherSide) {
  for (const TPoint q : {TPoint{200, 0}, TPoint{200, 200}, TPoint{260, 20}, TPoint{140, 180}, TPoint{280, 160}}) {
    TScreen s;
    TRoundSVItem arc(3);
    arc.DrawRubber(s.Ctx, Points({{100, 100}, {300, 100}, q}), 2);
    const auto arcs = s.Canvas.OpsOf(TCanvasOpKind::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_TRUE(ArcPasses(arcs[0], q)) << q.x << "," << q.y;
    EXPECT_EQ(arcs[0].Pen.Mode, TPenMode::Xor);
    const auto squares = s.Canvas.OpsOf(TCanvasOpKind::Polyline);
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_EQ(squares[0].Points.front(), (TPoint{198, 98}));
  }
}

TEST(ArcItem, RubberDrawsTheChordFirstAndNothingForADegenerateThirdPoint) {
  TScreen s;
  TRoundSVItem arc(3);
  arc.DrawRubber(s.Ctx, Points({{100, 100}, {300, 100}, {300, 100}}), 1);
  EXPECT_EQ(s.Canvas.OpsOf(TCanvasOpKind::Line).size(), 1u);
  s.Canvas.Clear();
  arc.DrawRubber(s.Ctx, Points({{100, 100}, {300, 100}, {300, 100}}), 2);
  arc.DrawRubber(s.Ctx, Points({{100, 100}, {300, 100}, {200, 0}}), 3);
  EXPECT_TRUE(s.Canvas.Ops().empty());
  // Collinear points mark a centre but draw no arc.
  arc.DrawRubber(s.Ctx, Points({{100, 100}, {300, 100}, {200, 100}}), 2);
  EXPECT_TRUE(s.Canvas.OpsOf(TCanvasOpKind::Arc).empty());
}

TEST(ArcItem, RubberOfThreeClicksAllButOnOneLineStaysWithinTheDeviceRange) {
  TScreen s;
  TRoundSVItem arc(3);
  // One pixel off the line over 8000 pixels: a radius of about 6e10.
  arc.DrawRubber(s.Ctx, Points({{0, 0}, {8001, 2}, {4000, 1}}), 2);
  for (const TCanvasOp& op : s.Canvas.Ops())
    for (const TPoint& p : op.Points) {
      EXPECT_LE(std::abs(p.x), 134217727);
      EXPECT_LE(std::abs(p.y), 134217727);
    }
}

TEST(HangingItem, PlacedOnACarrierTakesItsAnchorAndOffsetAndAimsInSymbolUnits) {
  TScreen s;
  s.Ctx.Zoom = 2;
  s.Ctx.SignScale = 4;
  TSnapRecord snap{};
  snap[0] = TSnapEntry{10, 20, true, 3, -1};
  TAirSVItem item(8);
  TMessageCapture messages;
  item.PlaceAt(s.Ctx, Points({{0, 0}, {60, 100}}), snap, 2);
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_EQ(item.AnchorX, 10);
  EXPECT_EQ(item.AnchorY, 20);
  EXPECT_EQ(item.Anchor2X, 3);
  EXPECT_EQ(item.Anchor2Y, -1);
  // The cursor is at world (30, 50): 20 units right of the anchor and 30
  // below it, which at zoom 2 and sign scale 4 is 10 and 15 symbol units.
  EXPECT_EQ(item.OffsetX, 10);
  EXPECT_EQ(item.OffsetY, 15);
  EXPECT_EQ(item.AimPoint(s.Ctx), (TPoint{60, 100}));
}

TEST(HangingItem, PlacedWithoutACarrierIsStillMadeAndSaysSo) {
  TScreen s;
  TSnapRecord none{};
  TAirSVItem item(8);
  item.AnchorX = 5;
  TMessageCapture messages;
  item.PlaceAt(s.Ctx, Points({{0, 0}, {15, 0}}), none, 2);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Severity, TMessageSeverity::Info);
  EXPECT_EQ(messages.Messages[0].Text, "Ошибка. AirSVItem не прицепился, но создался");
  EXPECT_EQ(item.AnchorX, 5);
  EXPECT_EQ(item.OffsetX, 10);
}

TEST(HangingItem, KeepsAllSixNumbersToFiveDecimalsThroughTheFile) {
  TAirSVItem item(8);
  item.AnchorX = 1234.567891;
  item.AnchorY = -0.000004;
  item.Anchor2X = 3;
  item.Anchor2Y = -2.5;
  item.OffsetX = 0.123456;
  item.OffsetY = 99999.999999;
  const std::string text = Saved(item);
  EXPECT_EQ(text, "1234.56789 -0\r\n3 -2.5\r\n0.12346 100000\r\n");
  TTextReader r = TTextReader::FromBytes(text);
  TAirSVItem back(8);
  back.LoadFromText(r);
  EXPECT_DOUBLE_EQ(back.AnchorX, 1234.56789);
  EXPECT_DOUBLE_EQ(back.AnchorY, 0);
  EXPECT_DOUBLE_EQ(back.Anchor2Y, -2.5);
  EXPECT_DOUBLE_EQ(back.OffsetX, 0.12346);
  EXPECT_DOUBLE_EQ(back.OffsetY, 100000);
}
