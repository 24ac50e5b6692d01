// Cables and cable wells: their records, piece symbols and colours, circles,
// and the snapping that lets wells, poles and controllers sit on cables.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RecordingView.h"
#include "TestSupport.h"
#include "items/ECable.h"
#include "items/WELL.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"

namespace {

using TView = TRecordingView;

std::unique_ptr<TECable> Cable(int type, double x1, double y1, double x2, double y2) {
  auto c = std::make_unique<TECable>(5);
  c->CableType = static_cast<std::uint8_t>(type);
  c->X1 = x1, c->Y1 = y1, c->X2 = x2, c->Y2 = y2;
  return c;
}

std::vector<TPoint> Pts(std::initializer_list<TPoint> p) { return p; }

}  // namespace

TEST(Cable, ReadsItsTypeAndLinedLabelInTheTypeColourAndWritesTheSameBytes) {
  const std::string record = Encode1251(
      CrLf({"0 0", "200.25 0", "3", "text", "100 0", "4 -6", "24 -6", "ВКПВГ 7х1,5", "20 м"}));
  TTextReader r = TTextReader::FromBytes(record);
  TECable c(5);
  c.LoadFromText(r);
  EXPECT_EQ(c.CableType, 3);
  EXPECT_DOUBLE_EQ(c.X2, 200.25);
  ASSERT_TRUE(c.Label);
  EXPECT_EQ(c.Label->Text, "ВКПВГ 7х1,5");
  EXPECT_EQ(c.Label->LowerText, "20 м");
  EXPECT_EQ(c.Label->Color, 0x0000FFu);
  EXPECT_EQ(c.Label->OwnerItem, &c);
  EXPECT_EQ(Saved(c), record);
}

TEST(Cable, KeepsATypeWithoutASymbolAndColoursItGrey) {
  const std::string record = CrLf({"0 0", "10 10", "200", "notext"});
  TTextReader r = TTextReader::FromBytes(record);
  TECable c(5);
  c.LoadFromText(r);
  EXPECT_EQ(c.CableType, 200);
  EXPECT_EQ(c.TextColor(), 0x808080u);
  EXPECT_EQ(Saved(c), record);
}

TEST(CableAndWell, ReportAWrongLabelKeywordInTheirOwnWordsAndReadOn) {
  TMessageCapture messages;
  TTextReader r = TTextReader::FromBytes(CrLf({"0 0", "5 5", "1", "label", "7 8", "txt", "9 9", "notext"}));
  TECable c(5);
  TWELL w(2), next(2);
  c.LoadFromText(r);
  w.LoadFromText(r);
  next.LoadFromText(r);
  ASSERT_EQ(messages.Messages.size(), 2u);
  EXPECT_EQ(messages.Messages[0].Text, "Нарушение целостности базы. Ошибка в указании текстадля кабеля.");
  EXPECT_EQ(messages.Messages[1].Text, "Нарушение целостности базы. Ошибка в указании текстадля колодца.");
  EXPECT_FALSE(c.Label);
  EXPECT_FALSE(w.Label);
  EXPECT_DOUBLE_EQ(w.X, 7);
  EXPECT_DOUBLE_EQ(next.Y, 9);
}

TEST(Cable, ShorterThanHalfAPieceIsOnePlainLineInItsColour) {
  TView v;
  auto c = Cable(3, 0, 100, 20, 100);
  c->DrawInactive(v.Ctx);
  const auto lines = v.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Points[1], (TPoint{20, 100}));
  EXPECT_EQ(lines[0].Pen.Color, 0x0000FFu);
  EXPECT_TRUE(v.Canvas.OpsOf(TCanvasOpKind::Polygon).empty());
}

TEST(Cable, OverheadPowerCableShowsFourDashesAndTwoArrowheadsPerPiece) {
  TView v;
  auto c = Cable(3, 0, 100, 112, 100);
  c->DrawInactive(v.Ctx);
  const auto dashes = v.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(dashes.size(), 8u);
  EXPECT_EQ(dashes[0].Points[0], (TPoint{0, 100}));
  EXPECT_EQ(dashes[0].Points[1], (TPoint{6, 100}));
  EXPECT_EQ(dashes[1].Points[0], (TPoint{12, 100}));
  EXPECT_EQ(dashes[7].Points[1], (TPoint{112, 100}));
  const auto heads = v.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(heads.size(), 4u);
  // The first points back towards the start of its piece, the second on.
  EXPECT_EQ(heads[0].Points, Pts({{14, 100}, {19, 102}, {19, 98}}));
  EXPECT_EQ(heads[1].Points, Pts({{42, 100}, {37, 102}, {37, 98}}));
  EXPECT_EQ(heads[2].Points[0], (TPoint{70, 100}));
  EXPECT_EQ(heads[0].Brush.Color, 0x0000FFu);
}

TEST(Cable, CommunicationLinesShowARingInTheMiddleOfEachPiece) {
  TView v;
  auto c = Cable(2, 0, 100, 56, 100);
  c->DrawActive(v.Ctx);
  const auto lines = v.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Points[1], (TPoint{20, 100}));
  EXPECT_EQ(lines[1].Points[0], (TPoint{36, 100}));
  const auto rings = v.Canvas.OpsOf(TCanvasOpKind::Ellipse);
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0].Points, Pts({{27, 99}, {29, 101}}));
  EXPECT_EQ(rings[0].Pen.Color, 0x60FF60u);
  EXPECT_EQ(rings[0].Brush.Color, 0x404040u);
  EXPECT_TRUE(v.Canvas.OpsOf(TCanvasOpKind::Polygon).empty());
  // Handles on both ends in the cable's colour.
  const auto handles = v.Canvas.OpsOf(TCanvasOpKind::FillRect);
  ASSERT_EQ(handles.size(), 2u);
  EXPECT_EQ(handles[1].Points, Pts({{53, 97}, {59, 103}}));
  EXPECT_EQ(handles[1].Brush.Color, 0x60FF60u);

  v.Canvas.Clear();
  c->CableType = 5;
  c->DrawInactive(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Line).size(), 4u);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Ellipse).size(), 1u);
}

TEST(Cable, SelectedIsBlueWithGreyFillsAndBrightHandles) {
  TView v;
  auto c = Cable(0, 0, 0, 56, 0);
  c->DrawSelected(v.Ctx);
  const auto heads = v.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(heads.size(), 2u);
  EXPECT_EQ(heads[0].Pen.Color, 0xFF0000u);
  EXPECT_EQ(heads[0].Brush.Color, 0xB0B0B0u);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::FillRect)[0].Brush.Color, 0x00F0F0u);
}

TEST(Cable, OfAnUnknownTypeIsStillShownAsAGreyRun) {
  TView v;
  auto c = Cable(9, 0, 0, 300, 0);
  c->DrawInactive(v.Ctx);
  const auto lines = v.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Points[1], (TPoint{300, 0}));
  EXPECT_EQ(lines[0].Pen.Color, 0x808080u);
  EXPECT_TRUE(v.Canvas.OpsOf(TCanvasOpKind::Polygon).empty());
}

TEST(Cable, PrintsWithDeviceSizedPiecesAndPens) {
  TView v;
  v.Ctx.LineFactor = 10;
  auto power = Cable(0, 0, 0, 280, 0);
  power->DrawPrint(v.Ctx);
  auto lines = v.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Pen.Color, clBlack);
  EXPECT_EQ(lines[0].Pen.Width, 3);
  // The arrowheads' thin pen does not leak into the next piece.
  EXPECT_EQ(lines[1].Pen.Width, 3);
  const auto heads = v.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(heads.size(), 4u);
  EXPECT_EQ(heads[0].Pen.Width, 1);
  EXPECT_EQ(heads[0].Brush.Color, clBlack);
  // Symbol size max(2, 10): the base of the first head is 18 pixels behind its tip.
  EXPECT_EQ(heads[0].Points[1], (TPoint{53, 5}));

  v.Canvas.Clear();
  v.Ctx.ColorPrint = true;
  auto link = Cable(2, 0, 0, 140, 0);
  link->DrawPrint(v.Ctx);
  lines = v.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Pen.Color, 0x60FF60u);
  EXPECT_EQ(lines[0].Pen.Width, 2);

  v.Canvas.Clear();
  auto unknown = Cable(6, 0, 0, 140, 0);
  unknown->DrawPrint(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Line)[0].Pen.Width, 1);
}

TEST(Cable, OffersItsEndsAndNearestPointToWellsPolesControllersCablesAndLabels) {
  TView v;
  auto c = Cable(0, 0, 100, 200, 100);
  double x = 0, y = 0;
  for (std::uint32_t code : {2u, 5u, 6u, 7u, 33u}) {
    ASSERT_TRUE(c->FindAnchor(101, 102, v.Ctx, code, x, y)) << code;
    EXPECT_DOUBLE_EQ(x, 101);
    EXPECT_DOUBLE_EQ(y, 100);
  }
  ASSERT_TRUE(c->FindAnchor(198, 98, v.Ctx, 2, x, y));
  EXPECT_DOUBLE_EQ(x, 200);
  EXPECT_DOUBLE_EQ(y, 100);
  EXPECT_FALSE(c->FindAnchor(101, 102, v.Ctx, 8, x, y));
  EXPECT_FALSE(c->FindAnchor(101, 104, v.Ctx, 2, x, y));
  EXPECT_FALSE(c->FindAnchor(205, 100, v.Ctx, 2, x, y));
}

TEST(Well, ReadsItsLabelInYellowAndWritesTheSameBytes) {
  const std::string record = Encode1251(CrLf({"35.5 -12", "text", "35.5 -12", "5 -5", "15 -5", "К-3"}));
  TTextReader r = TTextReader::FromBytes(record);
  TWELL w(2);
  w.LoadFromText(r);
  EXPECT_DOUBLE_EQ(w.X, 35.5);
  EXPECT_DOUBLE_EQ(w.Y, -12);
  ASSERT_TRUE(w.Label);
  EXPECT_EQ(w.Label->Text, "К-3");
  EXPECT_EQ(w.Label->Color, 0x10FFFFu);
  EXPECT_EQ(Saved(w), record);
  w.Label->Text.clear();
  EXPECT_EQ(Saved(w), CrLf({"35.5 -12", "notext"}));
}

TEST(Well, OffersItsCentreToCablesOnly) {
  TView v;
  TWELL w(2);
  w.X = 50, w.Y = 60;
  double x = 0, y = 0;
  ASSERT_TRUE(w.FindAnchor(53, 57, v.Ctx, 5, x, y));
  EXPECT_DOUBLE_EQ(x, 50);
  EXPECT_DOUBLE_EQ(y, 60);
  EXPECT_FALSE(w.FindAnchor(54, 60, v.Ctx, 5, x, y));
  EXPECT_FALSE(w.FindAnchor(50, 60, v.Ctx, 2, x, y));
}

TEST(Well, IsPlacedOnItsSnapPointOrUnderTheClick) {
  TView v;
  v.Ctx.Zoom = 2;
  TScreenPoints pts{};
  pts[0] = {40, 60};
  TSnapRecord snap{};
  TWELL w(2);
  w.PlaceAt(v.Ctx, pts, snap, 1);
  EXPECT_DOUBLE_EQ(w.X, 20);
  EXPECT_DOUBLE_EQ(w.Y, 30);
  snap[0].Found = true;
  snap[0].X = 7.5;
  snap[0].Y = 8.5;
  w.PlaceAt(v.Ctx, pts, snap, 1);
  EXPECT_DOUBLE_EQ(w.X, 7.5);
  EXPECT_DOUBLE_EQ(w.Y, 8.5);
}

TEST(Well, IsACircleOfSymbolOrRealSizeWhicheverIsLarger) {
  TView v;
  TWELL w(2);
  w.X = 100, w.Y = 100;
  w.DrawInactive(v.Ctx);
  auto circles = v.Canvas.OpsOf(TCanvasOpKind::Ellipse);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0].Points, Pts({{96, 96}, {104, 104}}));
  EXPECT_EQ(circles[0].Pen.Color, 0x10FFFFu);
  EXPECT_EQ(circles[0].Brush.Color, 0x404040u);

  v.Canvas.Clear();
  v.Ctx.Zoom = 3;
  w.DrawSelected(v.Ctx);
  circles = v.Canvas.OpsOf(TCanvasOpKind::Ellipse);
  EXPECT_EQ(circles[0].Points, Pts({{288, 288}, {312, 312}}));
  EXPECT_EQ(circles[0].Brush.Color, 0xFF0000u);

  v.Canvas.Clear();
  v.Ctx.Zoom = 1;
  v.Ctx.LineFactor = 12;
  w.DrawPrint(v.Ctx);
  circles = v.Canvas.OpsOf(TCanvasOpKind::Ellipse);
  EXPECT_EQ(circles[0].Points, Pts({{88, 88}, {112, 112}}));
  EXPECT_EQ(circles[0].Pen.Width, 2);
  EXPECT_EQ(circles[0].Pen.Color, clBlack);
  EXPECT_EQ(circles[0].Brush.Color, clWhite);
}

TEST(Well, BoundsHoldTheWholeCircleAndSelectionTestsTheCentre) {
  TView v;
  TWELL w(2);
  w.X = 100, w.Y = 100;
  EXPECT_EQ(w.GetBounds(v.Ctx), (TRect{96, 96, 104, 104}));
  v.Ctx.Zoom = 3;
  EXPECT_EQ(w.GetBounds(v.Ctx), (TRect{288, 288, 312, 312}));
  EXPECT_TRUE(w.SelectInRect(v.Ctx, TRect{299, 299, 301, 301}));
  EXPECT_FALSE(w.SelectInRect(v.Ctx, TRect{290, 290, 298, 298}));
  EXPECT_FALSE(w.Selected);
}

TEST(Well, OnAPassportDrawsAtTheRealScaleAndHidesItsLabelWithTheLayerTexts) {
  TTempDir dir;
  TSVObject scheme(dir.Path());
  scheme.Info->RealScale = 2;
  auto owned = std::make_unique<TWELL>(2);
  TWELL* w = owned.get();
  w->X = 100, w->Y = 100;
  w->Label = TSVText::MakeLabel(w, "К-1", 1.0);
  w->Label->Unplaced = false;
  w->Label->AnchorX = 100, w->Label->AnchorY = 100;
  w->Label->Anchor2X = 20, w->Label->Anchor2Y = 0;
  w->Label->OffsetX = 40, w->Label->OffsetY = 0;
  ASSERT_EQ(scheme.AddItem(std::move(owned)), 5);

  TView v;
  w->DrawInactive(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Ellipse)[0].Points[0], (TPoint{92, 92}));
  EXPECT_EQ(v.Canvas.Texts(), std::vector<std::string>{"К-1"});
  const TRect withLabel = w->GetBounds(v.Ctx);
  EXPECT_GT(withLabel.Right, 108);

  scheme.Layer(5).ShowText = false;
  v.Canvas.Clear();
  w->DrawInactive(v.Ctx);
  EXPECT_TRUE(v.Canvas.Texts().empty());
  EXPECT_EQ(w->GetBounds(v.Ctx), (TRect{92, 92, 108, 108}));
}

TEST(Well, AtAnAbsurdRealOrSymbolScaleIsStillACircleAroundItsCentre) {
  TTempDir dir;
  TSVObject scheme(dir.Path());
  scheme.Info->RealScale = 1e12;
  auto owned = std::make_unique<TWELL>(2);
  TWELL* w = owned.get();
  w->X = 100, w->Y = 100;
  scheme.AddItem(std::move(owned));
  TView v;
  const TRect r = w->GetBounds(v.Ctx);
  EXPECT_TRUE(IsValidRect(r));
  EXPECT_TRUE(PointInRect(100, 100, r));
  w->DrawInactive(v.Ctx);
  const TCanvasOp circle = v.Canvas.OpsOf(TCanvasOpKind::Ellipse).at(0);
  EXPECT_LT(circle.Points[0].x, 100);
  EXPECT_GT(circle.Points[1].x, 100);
  v.Ctx.SignScale = 1e12;
  EXPECT_TRUE(IsValidRect(w->GetBounds(v.Ctx)));
}

TEST(CablePlant, AWellPlacedNearTheMiddleOfACableSnapsOntoIt) {
  TTempDir dir;
  TSVObject scheme(dir.Path());
  scheme.AddItem(Cable(1, 0, 100, 200, 140));
  TView v;
  double x = 0, y = 0;
  ASSERT_TRUE(scheme.FindAnchor(100, 121, 2, v.Ctx, x, y));
  TScreenPoints pts{};
  pts[0] = {100, 121};
  TSnapRecord snap{};
  snap[0].Found = true;
  snap[0].X = x;
  snap[0].Y = y;
  TWELL w(2);
  w.PlaceAt(v.Ctx, pts, snap, 1);
  // On the line y = 100 + x / 5.
  EXPECT_NEAR(w.Y, 100 + w.X / 5, 1e-9);
  EXPECT_NEAR(w.X, 100, 1);
}

TEST(CablePlant, APassportOfWellsAndCablesLoadsIntoItsLayersAndSavesUnchanged) {
  TTempDir dir;
  // In layer order, each layer oldest first: the order the scheme is saved in.
  const std::string map = Encode1251(CrLf({"21", "2", "0 20", "100 20", "notext", "5", "0 0", "100 0", "4", "text",
                                           "50 0", "5 5", "30 5", "АКВБбШп", "", "2", "0 0", "notext", "2", "100 0",
                                           "text", "100 0", "5 -5", "15 -5", "К-2", "17", "0 50", "100 50", "0"}));
  WriteBytes(dir.File("map.txt"), map);
  WriteBytes(dir.File("info.txt"), "");
  TSVObject scheme(dir.Path());
  TMessageCapture messages;
  scheme.LoadAll();
  EXPECT_EQ(scheme.Layer(5).Count(), 2);
  EXPECT_EQ(scheme.Layer(2).Count(), 1);
  EXPECT_EQ(scheme.Layer(1).Count(), 1);
  EXPECT_EQ(scheme.Layer(9).Count(), 1);
  auto* cable = dynamic_cast<TECable*>(scheme.Layer(2).Items()[0].get());
  ASSERT_TRUE(cable && cable->Label);
  EXPECT_EQ(cable->Label->Color, 0x10FFFFu);
  EXPECT_TRUE(messages.Messages.empty());
  ASSERT_TRUE(scheme.SaveMap());
  EXPECT_EQ(ReadBytes(dir.File("map.txt")), map);
}
