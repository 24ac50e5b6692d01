// Buildings and gantries: their records, outlines, trusses and the points
// they offer to sticks and stays.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RecordingView.h"
#include "TestSupport.h"
#include "items/Build.h"
#include "items/Ferma.h"
#include "model/Geometry.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"

namespace {

using TView = TRecordingView;

std::unique_ptr<TBuild> SquareBuilding() {
  auto b = std::make_unique<TBuild>(21);
  b->Vertices[0] = {0, 0};
  b->Vertices[1] = {100, 0};
  b->Vertices[2] = {100, 100};
  b->Vertices[3] = {0, 100};
  b->VertexCount = 4;
  return b;
}

const std::string kTriangle = Encode1251(CrLf(
    {"3", "10 20", "110.5 20", "60 80.25", "text", "60 50", "5 -10", "25 -10", "Дом 5"}));

}  // namespace

TEST(Building, ReadsATriangleWithItsLabelAndWritesTheSameBytes) {
  TTextReader r = TTextReader::FromBytes(kTriangle);
  TBuild b(21);
  b.LoadFromText(r);
  ASSERT_EQ(b.VertexCount, 3);
  EXPECT_DOUBLE_EQ(b.Vertices[1].x, 110.5);
  EXPECT_DOUBLE_EQ(b.Vertices[2].y, 80.25);
  ASSERT_TRUE(b.Label);
  EXPECT_EQ(b.Label->Text, "Дом 5");
  EXPECT_EQ(b.Label->Color, 0xFFFFFFu);
  EXPECT_EQ(b.Label->OwnerItem, &b);
  EXPECT_DOUBLE_EQ(b.Label->AnchorX, 60);
  EXPECT_EQ(Saved(b), kTriangle);
}

TEST(Building, WritesNotextForAMissingOrEmptyLabel) {
  auto b = SquareBuilding();
  EXPECT_EQ(Saved(*b), CrLf({"4", "0 0", "100 0", "100 100", "0 100", "notext"}));
  b->Label = TSVText::MakeLabel(b.get(), "", 1.0);
  EXPECT_EQ(Saved(*b), CrLf({"4", "0 0", "100 0", "100 100", "0 100", "notext"}));

  TBuild empty(21);
  EXPECT_EQ(Saved(empty), CrLf({"0", "notext"}));
  TTextReader r = TTextReader::FromBytes(CrLf({"0", "notext"}));
  empty.LoadFromText(r);
  EXPECT_EQ(empty.VertexCount, 0);
  EXPECT_TRUE(r.Eof());
}

TEST(Building, ReportsAWrongLabelKeywordAndReadsTheNextRecordInStep) {
  TMessageCapture messages;
  TTextReader r = TTextReader::FromBytes(CrLf({"2", "0 0", "5 5", "texte", "1", "7 8", "notext"}));
  TBuild first(21), second(21);
  first.LoadFromText(r);
  second.LoadFromText(r);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Text, "Нарушение целостности базы. Ошибка в указании текстадля здания.");
  EXPECT_FALSE(first.Label);
  EXPECT_EQ(first.VertexCount, 2);
  ASSERT_EQ(second.VertexCount, 1);
  EXPECT_DOUBLE_EQ(second.Vertices[0].x, 7);
}

TEST(Building, RejectsAnOutlineTheBuildingCannotHoldButStaysInStepWithTheFile) {
  std::string tooLong = "101\r\n";
  for (int i = 0; i < 101; ++i) tooLong += std::to_string(i) + " 1\r\n";
  tooLong += CrLf({"text", "0 0", "1 1", "2 1", "x", "1", "3 4", "notext"});
  TMessageCapture messages;
  TTextReader r = TTextReader::FromBytes(tooLong);
  TBuild rejected(21), next(21);
  rejected.LoadFromText(r);
  next.LoadFromText(r);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Text.rfind("Нарушение целостности базы.", 0), 0u);
  EXPECT_EQ(rejected.VertexCount, 0);
  EXPECT_FALSE(rejected.Label);
  ASSERT_EQ(next.VertexCount, 1);
  EXPECT_DOUBLE_EQ(next.Vertices[0].y, 4);

  TMessageCapture negative;
  TTextReader n = TTextReader::FromBytes(CrLf({"-3", "notext"}));
  TBuild b(21);
  b.LoadFromText(n);
  EXPECT_EQ(negative.Messages.size(), 1u);
  EXPECT_EQ(b.VertexCount, 0);

  std::string full = "100\r\n";
  for (int i = 0; i < 100; ++i) full += std::to_string(i) + " 2\r\n";
  full += "notext\r\n";
  TMessageCapture none;
  TTextReader f = TTextReader::FromBytes(full);
  b.LoadFromText(f);
  EXPECT_TRUE(none.Messages.empty());
  EXPECT_EQ(b.VertexCount, 100);
  EXPECT_EQ(Saved(b), full);

  // A count byte set past the slots by other code still uses only the slots.
  b.VertexCount = 200;
  EXPECT_EQ(Saved(b), full);
  TView v;
  b.DrawInactive(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0).Points.size(), 100u);
}

TEST(Building, OffersTheNearestPointOfAnyWallToSticksAndStays) {
  TView v;
  auto b = SquareBuilding();
  double x = 0, y = 0;
  // The closing wall, from the last vertex back to the first.
  ASSERT_TRUE(b->FindAnchor(2, 50, v.Ctx, 8, x, y));
  EXPECT_DOUBLE_EQ(x, 0);
  EXPECT_DOUBLE_EQ(y, 50);
  ASSERT_TRUE(b->FindAnchor(98, 40, v.Ctx, 30, x, y));
  EXPECT_DOUBLE_EQ(x, 100);
  EXPECT_DOUBLE_EQ(y, 40);
  // Near a corner the first wall in order wins.
  ASSERT_TRUE(b->FindAnchor(1, 2, v.Ctx, 8, x, y));
  EXPECT_DOUBLE_EQ(x, 1);
  EXPECT_DOUBLE_EQ(y, 0);
  EXPECT_FALSE(b->FindAnchor(50, 50, v.Ctx, 8, x, y));
  EXPECT_FALSE(b->FindAnchor(2, 50, v.Ctx, 7, x, y));
  EXPECT_FALSE(b->FindAnchor(2, 50, v.Ctx, 5, x, y));
}

TEST(Building, IsSelectedByARectangleAcrossAnyWallButNotByOneInsideIt) {
  TView v;
  auto b = SquareBuilding();
  EXPECT_TRUE(b->SelectInRect(v.Ctx, TRect{-2, 40, 2, 60}));
  EXPECT_TRUE(b->Selected);
  EXPECT_TRUE(b->SelectInRect(v.Ctx, TRect{40, 98, 60, 120}));
  EXPECT_FALSE(b->SelectInRect(v.Ctx, TRect{40, 40, 60, 60}));
  EXPECT_FALSE(b->Selected);
}

TEST(Building, DrawsAHatchedOutlineWithHandlesWhileEditing) {
  TView v;
  auto b = SquareBuilding();
  b->DrawActive(v.Ctx);
  const auto lines = v.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3].Points[0], (TPoint{0, 100}));
  EXPECT_EQ(lines[3].Points[1], (TPoint{0, 0}));
  EXPECT_EQ(lines[0].Pen.Color, 0x909090u);
  const auto handles = v.Canvas.OpsOf(TCanvasOpKind::FillRect);
  ASSERT_EQ(handles.size(), 4u);
  EXPECT_EQ(handles[2].Points[0], (TPoint{97, 97}));
  EXPECT_EQ(handles[2].Points[1], (TPoint{103, 103}));
  EXPECT_EQ(handles[2].Brush.Style, TBrushStyle::DiagCross);
  EXPECT_EQ(handles[2].Brush.Color, 0x505050u);
  EXPECT_TRUE(v.Canvas.OpsOf(TCanvasOpKind::Polygon).empty());

  v.Canvas.Clear();
  b->DrawSelected(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Line)[0].Pen.Color, 0xFF0000u);
}

TEST(Building, IsAFilledPolygonOnTheViewerAndOnPaper) {
  TView v;
  auto b = SquareBuilding();
  b->DrawInactive(v.Ctx);
  auto polys = v.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].Points.size(), 4u);
  EXPECT_EQ(polys[0].Pen.Color, 0x909090u);
  EXPECT_EQ(polys[0].Brush.Style, TBrushStyle::Solid);
  EXPECT_EQ(polys[0].Brush.Color, 0x505050u);

  v.Canvas.Clear();
  b->DrawPrint(v.Ctx);
  polys = v.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].Pen.Color, clBlack);
  EXPECT_EQ(polys[0].Brush.Color, clSilver);
  EXPECT_EQ(polys[0].Brush.Style, TBrushStyle::Solid);
}

TEST(Building, BoundsSpanTheFirstWallAndAPixelAroundEveryOtherVertex) {
  TView v;
  TBuild b(21);
  EXPECT_FALSE(IsValidRect(b.GetBounds(v.Ctx)));
  b.Vertices[0] = {10, 10};
  b.Vertices[1] = {50, 20};
  b.Vertices[2] = {30, 60};
  b.VertexCount = 3;
  EXPECT_EQ(b.GetBounds(v.Ctx), (TRect{10, 10, 50, 61}));
  b.VertexCount = 1;
  EXPECT_EQ(b.GetBounds(v.Ctx), (TRect{10, 10, 10, 10}));
}

TEST(Building, TakesItsOutlineFromTheClicksAndShowsThemAsAnXorPolyline) {
  TView v;
  v.Ctx.Zoom = 2;
  v.Ctx.OriginX = 10;
  TScreenPoints pts{};
  pts[0] = {10, 0};
  pts[1] = {30, 0};
  pts[2] = {30, 40};
  TBuild b(21);
  b.PlaceAt(v.Ctx, pts, TSnapRecord{}, 3);
  ASSERT_EQ(b.VertexCount, 3);
  EXPECT_DOUBLE_EQ(b.Vertices[1].x, 10);
  EXPECT_DOUBLE_EQ(b.Vertices[2].y, 20);

  b.DrawRubber(v.Ctx, pts, 2);
  const auto lines = v.Canvas.OpsOf(TCanvasOpKind::Polyline);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Points.size(), 3u);
  EXPECT_EQ(lines[0].Pen.Mode, TPenMode::Xor);
  EXPECT_EQ(lines[0].Pen.Color, 0x10FFFFu);
}

TEST(Gantry, KeepsItsEndsAndKindThroughTheFile) {
  const std::string record = CrLf({"0 100.5", "120 100", "1"});
  TTextReader r = TTextReader::FromBytes(record);
  TFerma g(17);
  g.LoadFromText(r);
  EXPECT_EQ(g.Cantilever, 1);
  EXPECT_DOUBLE_EQ(g.Y1, 100.5);
  EXPECT_DOUBLE_EQ(g.X2, 120);
  EXPECT_EQ(Saved(g), record);
}

TEST(Gantry, PortalIsABandWithOneTrussVPerPanel) {
  TView v;
  TFerma g(17);
  g.X1 = 0, g.Y1 = 100, g.X2 = 120, g.Y2 = 100;
  g.DrawInactive(v.Ctx);
  const auto body = v.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(body.size(), 1u);
  EXPECT_EQ(body[0].Points, (std::vector<TPoint>{{0, 102}, {0, 98}, {120, 98}, {120, 102}}));
  EXPECT_EQ(body[0].Pen.Color, clWhite);
  EXPECT_EQ(body[0].Brush.Color, 0x404040u);
  const auto vs = v.Canvas.OpsOf(TCanvasOpKind::Polyline);
  ASSERT_EQ(vs.size(), 10u);
  EXPECT_EQ(vs[0].Points, (std::vector<TPoint>{{0, 102}, {6, 98}, {12, 102}}));
  EXPECT_EQ(vs[9].Points[2], (TPoint{120, 102}));
}

TEST(Gantry, CantileverIsTwoThirdsAsWideAsAPortal) {
  TView v;
  v.Ctx.SignScale = 3;
  TFerma g(17);
  g.X1 = 0, g.Y1 = 100, g.X2 = 120, g.Y2 = 100;
  g.Cantilever = 1;
  g.DrawActive(v.Ctx);
  const auto body = v.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(body.size(), 1u);
  EXPECT_EQ(body[0].Points[0], (TPoint{0, 104}));
  EXPECT_EQ(body[0].Points[1], (TPoint{0, 96}));
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polyline).size(), 5u);
}

TEST(Gantry, ShorterThanHalfAPanelShowsOnlyItsBand) {
  TView v;
  TFerma g(17);
  g.X1 = 0, g.Y1 = 0, g.X2 = 5, g.Y2 = 0;
  g.DrawSelected(v.Ctx);
  ASSERT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polygon).size(), 1u);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polygon)[0].Pen.Color, 0xFF0000u);
  EXPECT_TRUE(v.Canvas.OpsOf(TCanvasOpKind::Polyline).empty());
}

TEST(Gantry, PrintsInBlackOnWhiteWithAPenScaledToTheDevice) {
  TView v;
  v.Ctx.LineFactor = 14;
  TFerma g(17);
  g.X1 = 0, g.Y1 = 0, g.X2 = 60, g.Y2 = 0;
  g.DrawPrint(v.Ctx);
  const auto body = v.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(body.size(), 1u);
  EXPECT_EQ(body[0].Pen.Color, clBlack);
  EXPECT_EQ(body[0].Pen.Width, 2);
  EXPECT_EQ(body[0].Brush.Color, clWhite);
}

TEST(Gantry, OffersPointsOfItsCentreLineToSticksOnly) {
  TView v;
  TFerma g(17);
  g.X1 = 0, g.Y1 = 100, g.X2 = 120, g.Y2 = 100;
  double x = 0, y = 0;
  ASSERT_TRUE(g.FindAnchor(50, 102, v.Ctx, 8, x, y));
  EXPECT_DOUBLE_EQ(x, 50);
  EXPECT_DOUBLE_EQ(y, 100);
  EXPECT_FALSE(g.FindAnchor(50, 102, v.Ctx, 13, x, y));
  EXPECT_FALSE(g.FindAnchor(50, 104, v.Ctx, 8, x, y));
  EXPECT_FALSE(g.FindAnchor(125, 100, v.Ctx, 8, x, y));
}
