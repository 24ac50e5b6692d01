#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RecordingView.h"
#include "TestSupport.h"
#include "items/CarHead.h"
#include "items/PedHead.h"
#include "items/TramHead.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVNapr.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"

namespace {

constexpr TColor kDark = 0x404040;

using TView = TRecordingView;

// A passport with directions 1, 2 and "3а" and two phases; heads added to
// it resolve their direction names there.
struct TPassport {
  TTempDir Dir;
  TSVObject Scheme{Dir.Path()};

  TPassport() {
    Directions().SetCount(3);
    Directions().PhaseCount = 2;
    Directions().Item(3)->SetName("3а");
  }
  TNaprSet& Directions() { return Scheme.Info->Directions; }
  TSVNapr* Napr(int i) { return Directions().Item(i); }

  template <class T>
  T* Add(std::uint32_t code) {
    auto item = std::make_unique<T>(code);
    T* raw = item.get();
    Scheme.AddItem(std::move(item));
    return raw;
  }
  template <class T>
  T* Load(std::uint32_t code, const std::string& bytes) {
    T* head = Add<T>(code);
    TTextReader r = TTextReader::FromBytes(bytes);
    head->LoadFromText(r);
    return head;
  }
};

// Phase 1 of 2 is shown with t seconds left; the direction is open or
// closed in phases 1 and 2 as asked.
void ShowPhase(TSVNapr* napr, bool openNow, bool openNext, double t) {
  napr->Phases[1] = openNow;
  napr->Phases[2] = openNext;
  napr->CurrentPhase = 1;
  napr->Remaining = t;
}

std::string Record(std::initializer_list<std::string> lines) { return Encode1251(CrLf(lines)); }

TScreenPoints Points(std::initializer_list<TPoint> list) {
  TScreenPoints pts{};
  int i = 0;
  for (TPoint p : list) pts[static_cast<std::size_t>(i++)] = p;
  return pts;
}

// Hangs the head on (100, 100) facing right, 50 symbol units away.
template <class T>
void HangFacingRight(T& head) {
  head.AnchorX = 100;
  head.AnchorY = 100;
  head.OffsetX = 50;
}

TCanvasOp Only(const std::vector<TCanvasOp>& ops) {
  EXPECT_EQ(ops.size(), 1u);
  return ops.at(0);
}

std::vector<TColor> LampFills(const TRecordingCanvas& c) {
  std::vector<TColor> fills;
  for (const TCanvasOp& op : c.OpsOf(TCanvasOpKind::Ellipse)) fills.push_back(op.Brush.Color);
  return fills;
}

}  // namespace

// --- stored lines ------------------------------------------------------------

TEST(HeadRecord, AVehicleHeadReadsArrowDirectionAndLabelAndWritesTheSameBytes) {
  TPassport p;
  const std::string bytes = Record({"10 20", "5 0", "5 -12", "3", "3а", "text", "10 20", "0 15", "20 15", "Н3 выезд"});
  auto* head = p.Load<TCarHead>(10, bytes);
  EXPECT_DOUBLE_EQ(head->AnchorY, 20);
  EXPECT_DOUBLE_EQ(head->OffsetY, -12);
  EXPECT_EQ(head->ArrowKind, 3);
  EXPECT_EQ(head->Napr, p.Napr(3));
  ASSERT_TRUE(head->Label);
  EXPECT_EQ(head->Label->Text, "Н3 выезд");
  EXPECT_EQ(head->Label->Color, clWhite);
  EXPECT_EQ(head->Label->OwnerItem, head);
  EXPECT_EQ(Saved(*head), bytes);
}

TEST(HeadRecord, DirectionsAreFoundByTheirNumberAndWrittenUnderTheirOwnName) {
  TPassport p;
  auto* ped = p.Load<TPedHead>(12, Record({"0 0", "0 0", "1 0", "Н3", "notext"}));
  EXPECT_EQ(ped->Napr, p.Napr(3));
  EXPECT_EQ(Saved(*ped), Record({"0 0", "0 0", "1 0", "3а", "notext"}));

  // Left, straight and right each name another direction, each kept in its place.
  auto* tram = p.Load<TTramHead>(11, Record({"0 0", "0 0", "1 0", "2", "Н3", "1", "notext"}));
  EXPECT_EQ(tram->LeftNapr, p.Napr(2));
  EXPECT_EQ(tram->StraightNapr, p.Napr(3));
  EXPECT_EQ(tram->RightNapr, p.Napr(1));
  EXPECT_EQ(Saved(*tram), Record({"0 0", "0 0", "1 0", "2", "3а", "1", "notext"}));
  // 7 is none of the passport's directions.
  auto* unknown = p.Load<TTramHead>(11, Record({"0 0", "0 0", "1 0", "no napr", "7", "3а", "notext"}));
  EXPECT_EQ(unknown->StraightNapr, nullptr);
  EXPECT_EQ(Saved(*unknown), Record({"0 0", "0 0", "1 0", "no napr", "no napr", "3а", "notext"}));
}

TEST(HeadRecord, NoNaprStaysWithoutADirectionEvenWhereADirectionIsNumberedZero) {
  TPassport p;
  p.Napr(1)->SetName("0");
  ASSERT_EQ(p.Napr(1)->Number, 0);
  auto* head = p.Load<TCarHead>(10, Record({"0 0", "0 0", "1 0", "0", "no napr", "notext"}));
  EXPECT_EQ(head->Napr, nullptr);
  EXPECT_EQ(Saved(*head), Record({"0 0", "0 0", "1 0", "0", "no napr", "notext"}));
}

TEST(HeadRecord, AWrongLabelKeywordIsReportedAndTheHeadKeepsNoLabel) {
  TPassport p;
  TMessageCapture messages;
  TTextReader r = TTextReader::FromBytes(Record({"0 0", "0 0", "1 0", "1", "txt", "12"}));
  auto* head = p.Add<TPedHead>(12);
  head->LoadFromText(r);
  EXPECT_FALSE(head->Label);
  EXPECT_EQ(head->Napr, p.Napr(1));
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Text, "Нарушение целостности базы. Ошибка в указании текстадля головки.");
  EXPECT_EQ(r.ReadInt(), 12);
}

TEST(HeadRecord, ALabelWithoutTextIsNotSaved) {
  TCarHead head(10);
  head.Label = TSVText::MakeLabel(&head, "", 1.0);
  EXPECT_EQ(Saved(head), Record({"0 0", "0 0", "0 0", "0", "no napr", "notext"}));
}

TEST(HeadRecord, AHeadWhoseDirectionWasRemovedFromTheTableShowsNoneAndSavesNoNapr) {
  TPassport p;
  auto* head = p.Add<TCarHead>(10);
  HangFacingRight(*head);
  head->Napr = p.Napr(3);
  ShowPhase(p.Napr(3), true, true, 5);
  p.Directions().SetCount(2);
  TView v;
  head->DrawInactive(v.Ctx);
  EXPECT_EQ(Only(v.Canvas.OpsOf(TCanvasOpKind::Pie)).Brush.Color, kDark);
  EXPECT_EQ(Saved(*head), Record({"100 100", "0 0", "50 0", "0", "no napr", "notext"}));
}

TEST(HeadRecord, TheFactoryMakesEachHeadKind) {
  EXPECT_TRUE(dynamic_cast<TCarHead*>(TSVObject::CreateItem(10).get()));
  EXPECT_TRUE(dynamic_cast<TTramHead*>(TSVObject::CreateItem(11).get()));
  EXPECT_TRUE(dynamic_cast<TPedHead*>(TSVObject::CreateItem(12).get()));
}

// --- vehicle head ----------------------------------------------------------------

TEST(CarHead, IsAHalfDiscWhoseArcPassesThroughItsBase) {
  TView v;
  TCarHead head(10);
  HangFacingRight(head);
  head.DrawActive(v.Ctx);
  const TCanvasOp pie = Only(v.Canvas.OpsOf(TCanvasOpKind::Pie));
  const std::vector<TPoint> expected{{100, 88}, {124, 112}, {112, 88}, {112, 112}};
  EXPECT_EQ(pie.Points, expected);
  EXPECT_EQ(pie.Brush.Color, kDark);
  EXPECT_EQ(pie.Pen.Color, clWhite);
  EXPECT_TRUE(v.Canvas.OpsOf(TCanvasOpKind::Polygon).empty());

  // Base and aim on the same spot: the head faces +x.
  v.Canvas.Clear();
  head.OffsetX = 0;
  head.DrawActive(v.Ctx);
  EXPECT_EQ(Only(v.Canvas.OpsOf(TCanvasOpKind::Pie)).Points, expected);
}

TEST(CarHead, KeepsItsSizeOnScreenWhenZoomedAndScalesWithTheSymbols) {
  TView v(2, 0.5);
  TCarHead head(10);
  HangFacingRight(head);
  head.DrawActive(v.Ctx);
  const std::vector<TPoint> expected{{200, 194}, {212, 206}, {206, 194}, {206, 206}};
  EXPECT_EQ(Only(v.Canvas.OpsOf(TCanvasOpKind::Pie)).Points, expected);
}

TEST(CarHead, StraightArrowPointsToTheBaseAndRightArrowsMirrorLeftOnes) {
  TView v;
  TCarHead head(10);
  HangFacingRight(head);
  head.ArrowKind = 1;
  head.DrawActive(v.Ctx);
  const TCanvasOp straight = Only(v.Canvas.OpsOf(TCanvasOpKind::Polygon));
  ASSERT_EQ(straight.Points.size(), 7u);
  EXPECT_EQ(straight.Points[3], (TPoint{101, 100}));
  EXPECT_EQ(straight.Brush.Color, clWhite);

  std::vector<std::vector<TPoint>> shapes;
  for (std::uint8_t kind : {2, 4, 3, 5}) {
    v.Canvas.Clear();
    head.ArrowKind = kind;
    head.DrawActive(v.Ctx);
    shapes.push_back(Only(v.Canvas.OpsOf(TCanvasOpKind::Polygon)).Points);
  }
  ASSERT_EQ(shapes[0].size(), 7u);
  ASSERT_EQ(shapes[2].size(), 14u);
  // A left turn points to the +y side of a head facing right.
  EXPECT_EQ(shapes[0][0], (TPoint{107, 108}));
  for (std::size_t pair : {0u, 2u}) {
    ASSERT_EQ(shapes[pair].size(), shapes[pair + 1].size());
    for (std::size_t i = 0; i < shapes[pair].size(); ++i) {
      EXPECT_EQ(shapes[pair + 1][i].x, shapes[pair][i].x);
      EXPECT_EQ(shapes[pair + 1][i].y, 200 - shapes[pair][i].y);
    }
  }

  v.Canvas.Clear();
  head.ArrowKind = 6;
  head.DrawActive(v.Ctx);
  EXPECT_TRUE(v.Canvas.OpsOf(TCanvasOpKind::Polygon).empty());
}

TEST(CarHead, ShowsItsDirectionsSignalWithABlackArrowOnALitBody) {
  TPassport p;
  auto* head = p.Add<TCarHead>(10);
  HangFacingRight(*head);
  head->ArrowKind = 1;
  head->Napr = p.Napr(2);
  head->Label = TSVText::MakeLabel(head, "Н2", 1.0);
  head->Label->Unplaced = false;
  head->Label->AnchorX = head->Label->AnchorY = 100;
  head->Label->Anchor2X = 10;
  head->Label->OffsetX = 30;
  TView v;

  ShowPhase(p.Napr(2), true, true, 10);
  head->DrawInactive(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Pie).at(0).Brush.Color, kSignalGreen);
  const TCanvasOp arrow = v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0);
  EXPECT_EQ(arrow.Brush.Color, clBlack);
  EXPECT_EQ(arrow.Pen.Color, clBlack);
  EXPECT_EQ(v.Canvas.Ops().back().Kind, TCanvasOpKind::Text);

  // The dark half of a flashing green keeps the arrow white.
  v.Canvas.Clear();
  p.Napr(2)->TGreen = 9;
  p.Napr(2)->TGreenFlash = 6;
  ShowPhase(p.Napr(2), true, false, 7);
  head->DrawInactive(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Pie).at(0).Brush.Color, kDark);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0).Brush.Color, clWhite);

  v.Canvas.Clear();
  head->DrawSelected(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Pie).at(0).Brush.Color, clBlue);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0).Brush.Color, clWhite);

  v.Canvas.Clear();
  head->Napr = nullptr;
  head->DrawInactive(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Pie).at(0).Brush.Color, kDark);
}

TEST(CarHead, PrintsInColourOnlyWithColourPrintingAndADirection) {
  TPassport p;
  auto* head = p.Add<TCarHead>(10);
  HangFacingRight(*head);
  head->ArrowKind = 2;
  head->Napr = p.Napr(1);
  ShowPhase(p.Napr(1), false, false, 3);
  TView v;
  v.Ctx.LineFactor = 12;
  head->DrawPrint(v.Ctx);
  const TCanvasOp body = v.Canvas.OpsOf(TCanvasOpKind::Pie).at(0);
  EXPECT_EQ(body.Brush.Color, clWhite);
  EXPECT_EQ(body.Pen.Color, clBlack);
  EXPECT_EQ(body.Pen.Width, 2);
  const TCanvasOp arrow = v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0);
  EXPECT_EQ(arrow.Pen.Width, 1);
  EXPECT_EQ(arrow.Brush.Color, clBlack);

  v.Canvas.Clear();
  v.Ctx.ColorPrint = true;
  head->DrawPrint(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Pie).at(0).Brush.Color, kSignalRed);

  v.Canvas.Clear();
  head->Napr = nullptr;
  head->DrawPrint(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Pie).at(0).Brush.Color, clWhite);
}

// --- pedestrian head -------------------------------------------------------------

TEST(PedHead, IsARectangleOfEightTenthsOfAHeadFacingItsAim) {
  TView v;
  TPedHead head(12);
  HangFacingRight(head);
  head.DrawActive(v.Ctx);
  const TCanvasOp body = Only(v.Canvas.OpsOf(TCanvasOpKind::Polygon));
  const std::vector<TPoint> expected{{100, 110}, {110, 110}, {110, 90}, {100, 90}};
  EXPECT_EQ(body.Points, expected);
  EXPECT_EQ(body.Brush.Color, kDark);
}

TEST(PedHead, ShowsRedWhereItsDirectionShowsYellow) {
  TPassport p;
  auto* head = p.Add<TPedHead>(12);
  HangFacingRight(*head);
  head->Napr = p.Napr(1);
  p.Napr(1)->TGreen = 9;
  p.Napr(1)->TGreenFlash = 6;
  p.Napr(1)->TYellow = 3;
  ShowPhase(p.Napr(1), true, false, 4);
  ASSERT_EQ(p.Napr(1)->SignalColor(), kSignalYellow);
  TView v;
  head->DrawInactive(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0).Brush.Color, kSignalRed);

  v.Canvas.Clear();
  v.Ctx.ColorPrint = true;
  head->DrawPrint(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0).Brush.Color, kSignalRed);

  v.Canvas.Clear();
  ShowPhase(p.Napr(1), true, true, 4);
  head->DrawInactive(v.Ctx);
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0).Brush.Color, kSignalGreen);
}

// --- tram head -------------------------------------------------------------------

TEST(TramHead, IsAHexagonWithFourLampsInTheirPlaces) {
  TView v;
  TTramHead head(11);
  HangFacingRight(head);
  head.DrawInactive(v.Ctx);
  const TCanvasOp body = Only(v.Canvas.OpsOf(TCanvasOpKind::Polygon));
  const std::vector<TPoint> hexagon{{100, 112}, {108, 112}, {116, 104}, {116, 96}, {108, 88}, {100, 88}};
  EXPECT_EQ(body.Points, hexagon);
  const auto lamps = v.Canvas.OpsOf(TCanvasOpKind::Ellipse);
  ASSERT_EQ(lamps.size(), 4u);
  EXPECT_EQ(lamps[0].Points[0], (TPoint{109, 97}));   // any open
  EXPECT_EQ(lamps[1].Points[0], (TPoint{101, 105}));  // left
  EXPECT_EQ(lamps[2].Points[0], (TPoint{101, 89}));   // right
  EXPECT_EQ(lamps[3].Points[0], (TPoint{101, 97}));   // straight
  EXPECT_EQ(lamps[3].Points[1], (TPoint{107, 103}));
  EXPECT_EQ(lamps[0].Pen.Color, clWhite);

  v.Canvas.Clear();
  head.DrawActive(v.Ctx);
  head.DrawSelected(v.Ctx);
  EXPECT_TRUE(v.Canvas.OpsOf(TCanvasOpKind::Ellipse).empty());
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(1).Brush.Color, clBlue);
}

TEST(TramHead, LightsTheLampsOfOpenDirectionsOrTheRowOfThreeWhenAllAreClosed) {
  TPassport p;
  auto* head = p.Add<TTramHead>(11);
  HangFacingRight(*head);
  head->LeftNapr = p.Napr(1);
  head->StraightNapr = p.Napr(2);
  head->RightNapr = p.Napr(3);
  for (int i = 1; i <= 3; ++i) ShowPhase(p.Napr(i), false, true, 5);
  TView v;
  head->DrawInactive(v.Ctx);
  // Lamps in drawing order: any open, left, right, straight.
  EXPECT_EQ(LampFills(v.Canvas), (std::vector<TColor>{kDark, 0x20FFFF, 0x20FFFF, 0x20FFFF}));

  v.Canvas.Clear();
  ShowPhase(p.Napr(2), true, true, 5);
  head->DrawInactive(v.Ctx);
  EXPECT_EQ(LampFills(v.Canvas), (std::vector<TColor>{0x20FFFF, kDark, kDark, 0x20FFFF}));
  EXPECT_TRUE(head->AnyOpen && head->StraightLamp && !head->LeftLamp && !head->RightLamp);

  // Open but already in its intermediate period: not green any more.
  v.Canvas.Clear();
  p.Napr(2)->TGreen = 6;
  head->DrawInactive(v.Ctx);
  EXPECT_EQ(LampFills(v.Canvas), (std::vector<TColor>{kDark, 0x20FFFF, 0x20FFFF, 0x20FFFF}));
}

TEST(TramHead, PrintsSilverDarkLampsInColourAndWhiteLampsOtherwise) {
  TPassport p;
  auto* head = p.Add<TTramHead>(11);
  HangFacingRight(*head);
  head->RightNapr = p.Napr(1);
  ShowPhase(p.Napr(1), true, true, 5);
  TView v;
  v.Ctx.LineFactor = 6;
  v.Ctx.ColorPrint = true;
  head->DrawPrint(v.Ctx);
  EXPECT_EQ(LampFills(v.Canvas), (std::vector<TColor>{0x20FFFF, clSilver, 0x20FFFF, clSilver}));
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0).Brush.Color, clWhite);

  v.Canvas.Clear();
  v.Ctx.ColorPrint = false;
  head->DrawPrint(v.Ctx);
  EXPECT_EQ(LampFills(v.Canvas), (std::vector<TColor>(4, clWhite)));
}

// --- bounds, selection, rubber band, placing ---------------------------------------

TEST(HeadBounds, HoldTheWholeBodyOnBothSidesOfItsAxis) {
  TView v;
  TCarHead car(10);
  car.AnchorX = car.AnchorY = 100;
  car.OffsetY = -50;  // facing up the screen
  EXPECT_EQ(car.GetBounds(v.Ctx), (TRect{88, 88, 112, 100}));

  TTramHead tram(11);
  HangFacingRight(tram);
  EXPECT_EQ(tram.GetBounds(v.Ctx), (TRect{100, 88, 116, 112}));

  car.Label = TSVText::MakeLabel(&car, "Н1", 1.0);
  car.Label->AnchorX = car.Label->AnchorY = 100;
  car.Label->Anchor2X = 100;
  car.Label->OffsetX = 200;
  const TRect withLabel = car.GetBounds(v.Ctx);
  EXPECT_EQ(withLabel.Left, 88);
  EXPECT_GT(withLabel.Right, 200);
}

TEST(HeadSelection, MeetsTheAxisOfOneAndAQuarterHeads) {
  TView v;
  TPedHead head(12);
  HangFacingRight(head);
  EXPECT_TRUE(head.SelectInRect(v.Ctx, TRect{114, 95, 120, 105}));
  EXPECT_TRUE(head.Selected);
  EXPECT_FALSE(head.SelectInRect(v.Ctx, TRect{116, 95, 120, 105}));
  EXPECT_FALSE(head.SelectInRect(v.Ctx, TRect{100, 102, 110, 110}));
  EXPECT_FALSE(head.Selected);
}

TEST(HeadRubber, IsAnUnfilledXorHalfDiscAtTheFirstPointFacingTheMouse) {
  TView v;
  THead head(9);
  head.DrawRubber(v.Ctx, Points({{100, 100}, {100, 300}}), 1);
  const TCanvasOp pie = Only(v.Canvas.OpsOf(TCanvasOpKind::Pie));
  const std::vector<TPoint> expected{{88, 100}, {112, 124}, {112, 112}, {88, 112}};
  EXPECT_EQ(pie.Points, expected);
  EXPECT_EQ(pie.Pen.Mode, TPenMode::Xor);
  EXPECT_EQ(pie.Pen.Color, 0x10FFFFu);
  EXPECT_EQ(pie.Brush.Style, TBrushStyle::Clear);
}

TEST(HeadPlacing, HangsOnTheStickAnswerAndAimsInSymbolUnits) {
  TView v(2, 0.5);
  v.Ctx.OriginX = 10;
  v.Ctx.OriginY = -20;
  TSnapRecord snap{};
  snap[0] = TSnapEntry{30, 35, true, 8, -4};
  std::unique_ptr<THead> heads[] = {std::make_unique<TCarHead>(10), std::make_unique<TPedHead>(12),
                                    std::make_unique<TTramHead>(11)};
  TMessageCapture messages;
  for (const auto& head : heads) {
    // The aim (90, 20) is world ((90 - 10) / 2, (20 + 20) / 2) = (40, 20),
    // (10, -15) from the anchor: times zoom 2 over sign scale 0.5 that is
    // (40, -60) symbol units.
    head->PlaceAt(v.Ctx, Points({{0, 0}, {90, 20}}), snap, 2);
    EXPECT_DOUBLE_EQ(head->AnchorX, 30) << head->TypeCode;
    EXPECT_DOUBLE_EQ(head->AnchorY, 35) << head->TypeCode;
    EXPECT_DOUBLE_EQ(head->Anchor2X, 8) << head->TypeCode;
    EXPECT_DOUBLE_EQ(head->Anchor2Y, -4) << head->TypeCode;
    EXPECT_DOUBLE_EQ(head->OffsetX, 40) << head->TypeCode;
    EXPECT_DOUBLE_EQ(head->OffsetY, -60) << head->TypeCode;
    EXPECT_EQ(head->AimPoint(v.Ctx), (TPoint{90, 20})) << head->TypeCode;
  }
  EXPECT_TRUE(messages.Messages.empty());
}

TEST(HeadPlacing, WithoutACarrierTheHeadIsMadeAllTheSameAfterItsMessage) {
  TView v;
  TMessageCapture messages;
  TPedHead ped(12);
  ped.PlaceAt(v.Ctx, Points({{0, 0}, {10, 20}}), TSnapRecord{}, 2);
  TTramHead tram(11);
  tram.PlaceAt(v.Ctx, Points({{0, 0}, {10, 20}}), TSnapRecord{}, 2);
  ASSERT_EQ(messages.Messages.size(), 2u);
  EXPECT_EQ(messages.Messages[0].Text, "Ошибка. stick не прицепился, но создался");
  EXPECT_EQ(messages.Messages[1].Text, "Ошибка. tramhead не прицепился, но создался");
  EXPECT_DOUBLE_EQ(tram.AnchorX, 0);
  EXPECT_DOUBLE_EQ(tram.OffsetX, 10);
  EXPECT_DOUBLE_EQ(tram.OffsetY, 20);
}
