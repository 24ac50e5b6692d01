#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "TestSupport.h"
#include "items/MainSign.h"
#include "items/TStolb.h"
#include "items/Sign.h"
#include "items/SignCatalog.h"
#include "items/WhiteSign.h"
#include "items/ArrowSign.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"

namespace {

// A default view (one world unit is one pixel) drawing on a recorder.
struct TScene {
  TRecordingCanvas Canvas;
  TDrawContext Ctx;
  explicit TScene(double signScale = 1.0) {
    Ctx.Canvas = &Canvas;
    Ctx.SignScale = signScale;
    Ctx.Normalize();
  }
};

std::unique_ptr<TSign> MakeSign(int kind) {
  std::unique_ptr<TSVItem> item = TSVObject::CreateItem(SignTypeCode(kind));
  auto* sign = dynamic_cast<TSign*>(item.get());
  if (!sign) return nullptr;
  item.release();
  sign->Kind = static_cast<std::uint8_t>(kind);
  return std::unique_ptr<TSign>(sign);
}

// A sign hanging at (100, 100), standing out from the stick towards the aim offset.
std::unique_ptr<TSign> StandingSign(int kind, double aimX = 0, double aimY = -10) {
  auto sign = MakeSign(kind);
  sign->AnchorX = 100;
  sign->AnchorY = 100;
  sign->OffsetX = aimX;
  sign->OffsetY = aimY;
  return sign;
}

std::string Reread(TSVItem& item, const std::string& bytes) {
  TTextReader r = TTextReader::FromBytes(bytes);
  item.LoadFromText(r);
  TTextWriter w;
  item.SaveToText(w);
  return w.Bytes();
}

TPoint Centre(const TCanvasOp& ellipse) {
  return TPoint{(ellipse.Points[0].x + ellipse.Points[1].x) / 2, (ellipse.Points[0].y + ellipse.Points[1].y) / 2};
}

}  // namespace

TEST(SignRecord, AHandWrittenDirectionPlateReadsIntoItsFieldsAndWritesBackUnchanged) {
  const std::string bytes = CrLf({"120.5 -40", "0.25 -3", "10 -20.125", "17", "text", "120.5 -40", "14 2", "30 2",
                                  "7.13", "0", "2", "0", "1", "2", "0", "1", "0"});
  TWhiteSign sign(34);
  EXPECT_EQ(Reread(sign, bytes), bytes);
  EXPECT_DOUBLE_EQ(sign.AnchorX, 120.5);
  EXPECT_DOUBLE_EQ(sign.Anchor2Y, -3);
  EXPECT_DOUBLE_EQ(sign.OffsetY, -20.125);
  EXPECT_EQ(sign.Kind, 17);
  ASSERT_TRUE(sign.Label);
  EXPECT_EQ(sign.Label->Text, "7.13");
  EXPECT_EQ(sign.Label->Color, clWhite);
  EXPECT_EQ(sign.Label->OwnerItem, &sign);
  EXPECT_EQ((std::array<int, 8>{sign.Cells[1], sign.Cells[2], sign.Cells[3], sign.Cells[4], sign.Cells[5],
                                sign.Cells[6], sign.Cells[7], sign.Cells[8]}),
            (std::array<int, 8>{0, 2, 0, 1, 2, 0, 1, 0}));
}

TEST(SignRecord, EveryClassKeepsItsKindAndLabelThroughAWriteAndARead) {
  // Kind 4 in a generic sign's record belongs to another class: it is kept all the same.
  for (const auto& [code, kind] : {std::pair<int, int>{13, 2}, {13, 4}, {14, 8}, {15, 6}, {22, 7}, {31, 16},
                                   {32, 14}, {35, 18}}) {
    const std::string bytes =
        CrLf({"1 2", "0 0", "-7.5 0", std::to_string(kind), "text", "1 2", "3 4", "5 6", "№ 5.19"});
    auto item = TSVObject::CreateItem(static_cast<std::uint32_t>(code));
    ASSERT_TRUE(item) << code;
    EXPECT_EQ(Reread(*item, bytes), bytes) << code;
    EXPECT_EQ(Reread(*item, CrLf({"1 2", "0 0", "0 0", std::to_string(kind), "notext"})),
              CrLf({"1 2", "0 0", "0 0", std::to_string(kind), "notext"}))
        << code;
  }
}

TEST(SignRecord, ALabelWithoutTextIsWrittenAsNotext) {
  auto sign = StandingSign(1);
  sign->Label = TSVText::MakeLabel(sign.get(), "", 1.0);
  TTextWriter w;
  sign->SaveToText(w);
  EXPECT_EQ(w.Bytes(), CrLf({"100 100", "0 0", "0 -10", "1", "notext"}));
}

TEST(SignRecord, AWrongLabelWordIsReportedOnceAndThePlateStillReadsItsCells) {
  TMessageCapture messages;
  TWhiteSign sign(34);
  TTextReader r = TTextReader::FromBytes(
      CrLf({"1 2", "0 0", "0 -10", "17", "texts", "2", "0", "0", "0", "1", "0", "0", "0", "35"}));
  sign.LoadFromText(r);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Text, "Нарушение целостности базы. Ошибка в указании текстадля знака.");
  EXPECT_FALSE(sign.Label);
  EXPECT_EQ(sign.Cells[1], 2);
  EXPECT_EQ(sign.Cells[5], 1);
  EXPECT_EQ(r.ReadInt(), 35);
}

TEST(SignCatalogue, EveryKindIsMadeByTheClassThatDrawsItAndLivesInTheSignLayer) {
  for (int kind = 1; kind <= kSignKindCount; ++kind) {
    const std::uint32_t code = SignTypeCode(kind);
    EXPECT_EQ(TSVObject::LayerOf(code), 11) << kind;
    auto sign = MakeSign(kind);
    ASSERT_TRUE(sign) << kind;
    TScene scene;
    sign->OffsetY = -10;
    sign->DrawInactive(scene.Ctx);
    EXPECT_FALSE(scene.Canvas.Ops().empty()) << "kind " << kind << " draws nothing in its own class";
  }
  EXPECT_EQ(SignTypeCode(0), 0u);
  EXPECT_EQ(SignTypeCode(19), 0u);
}

TEST(SignFrame, ARoundSignStandsOnItsBaseAndFacesItsAim) {
  TScene scene;
  auto up = StandingSign(1);
  up->DrawInactive(scene.Ctx);
  auto discs = scene.Canvas.OpsOf(TCanvasOpKind::Ellipse);
  ASSERT_EQ(discs.size(), 1u);
  EXPECT_EQ(discs[0].Points[0], (TPoint{88, 76}));
  EXPECT_EQ(discs[0].Points[1], (TPoint{112, 100}));
  // The exclamation bar runs from the centre towards the far edge, the dot near the stick.
  auto marks = scene.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0].Points[0], (TPoint{101, 82}));
  EXPECT_EQ(marks[1].Points[2], (TPoint{99, 94}));

  scene.Canvas.Clear();
  auto right = StandingSign(1, 10, 0);
  right->DrawInactive(scene.Ctx);
  EXPECT_EQ(Centre(scene.Canvas.OpsOf(TCanvasOpKind::Ellipse)[0]), (TPoint{112, 100}));

  // Aim and base at one point: the sign stands along +x, and selecting it is still well-defined.
  scene.Canvas.Clear();
  auto flat = StandingSign(1, 0, 0);
  flat->DrawInactive(scene.Ctx);
  EXPECT_EQ(Centre(scene.Canvas.OpsOf(TCanvasOpKind::Ellipse)[0]), (TPoint{112, 100}));
  EXPECT_TRUE(flat->SelectInRect(scene.Ctx, TRect{120, 95, 130, 105}));
  EXPECT_FALSE(flat->SelectInRect(scene.Ctx, TRect{60, 95, 90, 105}));
}

TEST(SignFrame, ZoomKeepsTheSignsSizeWhileTheSymbolScaleScalesSizeAndDistance) {
  auto sign = StandingSign(1);
  sign->Anchor2X = 10;  // hangs 10 symbol units right of the pole, facing up
  sign->OffsetX = 10;
  TScene zoomed;
  zoomed.Ctx.Zoom = 2;
  sign->DrawInactive(zoomed.Ctx);
  const TCanvasOp a = zoomed.Canvas.OpsOf(TCanvasOpKind::Ellipse)[0];
  EXPECT_EQ(a.Points[1].x - a.Points[0].x, 24);
  EXPECT_EQ(Centre(a), (TPoint{210, 188}));

  TScene big(2.0);
  sign->DrawInactive(big.Ctx);
  const TCanvasOp b = big.Canvas.OpsOf(TCanvasOpKind::Ellipse)[0];
  EXPECT_EQ(b.Points[1].x - b.Points[0].x, 48);
  EXPECT_EQ(Centre(b), (TPoint{120, 76}));
}

TEST(SignLooks, ARedRoundSignHasAWhiteFieldOnScreenAndSilverInMonochromePrint) {
  auto sign = StandingSign(5);
  TScene screen;
  sign->DrawInactive(screen.Ctx);
  auto discs = screen.Canvas.OpsOf(TCanvasOpKind::Ellipse);
  ASSERT_EQ(discs.size(), 2u);
  EXPECT_EQ(discs[0].Pen.Color, kSignRed);
  EXPECT_EQ(discs[0].Brush.Color, kSignRed);
  EXPECT_EQ(discs[1].Brush.Color, clWhite);
  EXPECT_EQ(discs[1].Points[1].x - discs[1].Points[0].x, 20);  // 0.8 R
  EXPECT_EQ(screen.Canvas.OpsOf(TCanvasOpKind::Polygon)[0].Brush.Color, clBlack);

  TScene print;
  print.Ctx.LineFactor = 30;
  sign->DrawPrint(print.Ctx);
  discs = print.Canvas.OpsOf(TCanvasOpKind::Ellipse);
  EXPECT_EQ(discs[0].Pen.Color, clBlack);
  EXPECT_EQ(discs[0].Pen.Width, 3);
  EXPECT_EQ(discs[0].Brush.Color, clSilver);
  print.Canvas.Clear();
  print.Ctx.ColorPrint = true;
  sign->DrawPrint(print.Ctx);
  EXPECT_EQ(print.Canvas.OpsOf(TCanvasOpKind::Ellipse)[0].Brush.Color, kSignRed);
  EXPECT_EQ(print.Canvas.OpsOf(TCanvasOpKind::Ellipse)[0].Pen.Width, 3);
}

TEST(SignLooks, AKindOfAnotherClassDrawsOnlyItsLabelInEveryLook) {
  auto sign = StandingSign(1);
  sign->Kind = 4;
  sign->Label = TSVText::MakeLabel(sign.get(), "2.1", 1.0);
  sign->Label->AnchorX = 100;
  sign->Label->AnchorY = 100;
  sign->Label->Anchor2X = 20;
  sign->Label->OffsetX = 40;
  sign->Label->Unplaced = false;
  TScene scene;
  sign->DrawActive(scene.Ctx);
  sign->DrawInactive(scene.Ctx);
  sign->DrawSelected(scene.Ctx);
  sign->DrawPrint(scene.Ctx);
  EXPECT_TRUE(scene.Canvas.OpsOf(TCanvasOpKind::Ellipse).empty());
  EXPECT_TRUE(scene.Canvas.OpsOf(TCanvasOpKind::Polygon).empty());
  EXPECT_EQ(scene.Canvas.Texts().size(), 4u);
}

TEST(SignLooks, OnlyTheEndOfTheMainRoadIsStruckThrough) {
  TScene scene;
  StandingSign(4)->DrawInactive(scene.Ctx);
  EXPECT_TRUE(scene.Canvas.OpsOf(TCanvasOpKind::Line).empty());
  auto diamonds = scene.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(diamonds.size(), 2u);
  EXPECT_EQ(diamonds[1].Brush.Color, kSignYellow);
  EXPECT_EQ(diamonds[0].Points[2], (TPoint{100, 66}));  // 2 x 16.92 away from the stick

  scene.Canvas.Clear();
  StandingSign(8)->DrawInactive(scene.Ctx);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Line).size(), 3u);
}

TEST(SignLooks, TheDirectionPlateDrawsThinAndThickRoadsAndIgnoresOtherCellValues) {
  auto plate = StandingSign(17);
  auto* white = static_cast<TWhiteSign*>(plate.get());
  TScene scene(2.0);
  plate->DrawInactive(scene.Ctx);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Polygon).size(), 1u);
  EXPECT_TRUE(scene.Canvas.OpsOf(TCanvasOpKind::Line).empty());

  white->Cells[1] = 1;  // right: a thin road from the edge towards the centre
  white->Cells[3] = 2;  // up: the main road, thick, right into the centre
  white->Cells[5] = 3;
  scene.Canvas.Clear();
  plate->DrawInactive(scene.Ctx);
  auto roads = scene.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(roads.size(), 2u);
  EXPECT_EQ(roads[0].Points[0], (TPoint{122, 76}));
  EXPECT_EQ(roads[0].Points[1], (TPoint{107, 76}));
  EXPECT_EQ(roads[0].Pen.Width, 2);
  EXPECT_EQ(roads[1].Points[0], (TPoint{100, 54}));
  EXPECT_EQ(roads[1].Points[1], (TPoint{100, 76}));
  EXPECT_EQ(roads[1].Pen.Width, 4);
  EXPECT_EQ(roads[1].Pen.Color, clBlack);
}

TEST(SignArrows, GoingStraightOrLeftIsTheMirrorOfGoingStraightOrRightAndEveryArrowStaysOnItsDisc) {
  const auto right = TArrowSign::ArrowsOf(12), left = TArrowSign::ArrowsOf(13);
  ASSERT_EQ(right[0].Count, left[0].Count);
  for (int i = 0; i < right[0].Count; ++i) {
    EXPECT_DOUBLE_EQ(right[0].Points[i].a, left[0].Points[i].a);
    EXPECT_DOUBLE_EQ(right[0].Points[i].c, -left[0].Points[i].c);
  }
  for (int kind = 9; kind <= 15; ++kind) {
    for (const TArrowShape& s : TArrowSign::ArrowsOf(kind))
      for (int i = 0; i < s.Count; ++i)
        EXPECT_LT(std::hypot(s.Points[i].a - 1, s.Points[i].c), 1.0) << "kind " << kind << " vertex " << i;
  }
  EXPECT_TRUE(TArrowSign::ArrowsOf(16).empty());
}

TEST(SignBounds, HoldEverythingASignDrawsWhicheverWayItFaces) {
  for (int kind = 1; kind <= kSignKindCount; ++kind) {
    for (const auto& [ax, ay] : {std::pair<double, double>{0, -10}, {10, 0}, {7, 7}, {-3, 9}}) {
      auto sign = StandingSign(kind, ax, ay);
      if (auto* plate = dynamic_cast<TWhiteSign*>(sign.get())) plate->Cells.fill(2);
      TScene scene(1.5);
      const TRect r = sign->GetBounds(scene.Ctx);
      sign->DrawInactive(scene.Ctx);
      for (const TCanvasOp& op : scene.Canvas.Ops())
        for (const TPoint& p : op.Points)
          EXPECT_TRUE(PointInRect(p.x, p.y, r)) << "kind " << kind << " aim " << ax << "," << ay << " point "
                                                << p.x << "," << p.y;
    }
  }
}

TEST(SignScheme, ASignPlacedOnAStandsArmHangsAtTheArmEndWhateverTheZoom) {
  TTempDir dir;
  TSVObject scheme(dir.Path());
  auto stand = std::make_unique<TTStolb>(28);
  stand->X = 100;
  stand->Y = 100;
  stand->DY = -20;
  scheme.AddItem(std::move(stand));
  TScene scene;
  TSnapRecord snap{};
  ASSERT_TRUE(scheme.FindAnchorEx(100, 80, 13, scene.Ctx, snap[0].X, snap[0].Y, snap[0].X2, snap[0].Y2));
  snap[0].Found = true;
  TScreenPoints pts{};
  pts[0] = TPoint{100, 80};
  pts[1] = TPoint{100, 40};
  auto sign = MakeSign(16);
  sign->PlaceAt(scene.Ctx, pts, snap, 2);
  TSign& placed = *sign;
  scheme.AddItem(std::move(sign));

  scene.Ctx.Zoom = 3;
  scene.Ctx.OriginX = -200;
  scene.Ctx.OriginY = -200;
  placed.DrawInactive(scene.Ctx);
  // The foot of the stand is at (100, 100) on screen; the arm end 20 pixels above it.
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Ellipse)[0].Points[1], (TPoint{112, 80}));
}

TEST(SignScheme, HidingTheSignLayersTextsHidesTheLabelAndLeavesItOutOfTheBounds) {
  TTempDir dir;
  TSVObject scheme(dir.Path());
  auto sign = StandingSign(16);
  sign->Label = TSVText::MakeLabel(sign.get(), "3.1", 1.0);
  sign->Label->AnchorX = 100;
  sign->Label->AnchorY = 100;
  sign->Label->Anchor2X = 200;
  sign->Label->OffsetX = 300;
  sign->Label->Unplaced = false;
  TSign& s = *sign;
  scheme.AddItem(std::move(sign));
  TScene scene;
  EXPECT_GT(s.GetBounds(scene.Ctx).Right, 300);
  s.DrawInactive(scene.Ctx);
  EXPECT_EQ(scene.Canvas.Texts().size(), 1u);

  scheme.Layer(11).ShowText = false;
  scene.Canvas.Clear();
  EXPECT_EQ(s.GetBounds(scene.Ctx).Right, 112);
  s.DrawInactive(scene.Ctx);
  EXPECT_TRUE(scene.Canvas.Texts().empty());
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Ellipse).size(), 1u);
}

TEST(SignRubber, ShowsTheOutlineOfARoundSignBetweenTheTwoClicks) {
  TScene scene;
  TSign sign(13);
  TScreenPoints pts{};
  pts[0] = TPoint{50, 50};
  pts[1] = TPoint{50, 200};
  sign.DrawRubber(scene.Ctx, pts, 1);
  auto circles = scene.Canvas.OpsOf(TCanvasOpKind::Ellipse);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0].Points[0], (TPoint{38, 50}));
  EXPECT_EQ(circles[0].Points[1], (TPoint{62, 74}));
  EXPECT_EQ(circles[0].Pen.Mode, TPenMode::Xor);
  EXPECT_EQ(circles[0].Pen.Color, kRubberColor);
  EXPECT_EQ(circles[0].Brush.Style, TBrushStyle::Clear);
}
