#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RecordingView.h"
#include "TestSupport.h"
#include "items/Contr.h"
#include "items/TStolb.h"
#include "items/Stick.h"
#include "items/STOLB.h"
#include "items/Tros.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"

namespace {

using TView = TRecordingView;

// Lines as they stand in map.txt: Windows-1251, CR LF.
std::string Record(std::initializer_list<std::string> lines) { return Encode1251(CrLf(lines)); }

template <class T>
std::unique_ptr<T> Loaded(std::uint32_t code, const std::string& bytes) {
  auto item = std::make_unique<T>(code);
  TTextReader r = TTextReader::FromBytes(bytes);
  item->LoadFromText(r);
  return item;
}

std::vector<TCanvasOp> Lines(const TRecordingCanvas& c) { return c.OpsOf(TCanvasOpKind::Line); }

void ExpectLine(const TCanvasOp& op, TPoint a, TPoint b) {
  ASSERT_EQ(op.Points.size(), 2u);
  EXPECT_EQ(op.Points[0], a);
  EXPECT_EQ(op.Points[1], b);
}

TScreenPoints Points(std::initializer_list<TPoint> list) {
  TScreenPoints pts{};
  int i = 0;
  for (TPoint p : list) pts[static_cast<std::size_t>(i++)] = p;
  return pts;
}

const std::string kPoleMessage = "Нарушение целостности базы. Ошибка в указании текстадля стойки.";
const std::string kCabinetMessage = "Нарушение целостности базы. Ошибка в указании текстадля ДК (ШР, КР).";

}  // namespace

// --- stored lines ------------------------------------------------------------

TEST(Pole, ReadsItsRecordWithATwoLineLabelAndWritesTheSameBytes) {
  const std::string bytes = Record({"12.5 -3", "own", "text", "12.5 -3", "4 -10", "30 -10", "П1", "консоль"});
  auto pole = Loaded<TSTOLB>(7, bytes);
  EXPECT_DOUBLE_EQ(pole->X, 12.5);
  EXPECT_DOUBLE_EQ(pole->Y, -3);
  EXPECT_TRUE(pole->Own);
  ASSERT_TRUE(pole->Label);
  EXPECT_EQ(pole->Label->Text, "П1");
  EXPECT_EQ(pole->Label->LowerText, "консоль");
  EXPECT_EQ(pole->Label->OwnerItem, pole.get());
  EXPECT_EQ(pole->Label->Color, clWhite);
  EXPECT_EQ(Saved(*pole), bytes);
}

TEST(Pole, AnythingButExactlyOwnIsAForeignPole) {
  EXPECT_FALSE(Loaded<TSTOLB>(7, Record({"1 2", "own ", "notext"}))->Own);
  EXPECT_FALSE(Loaded<TSTOLB>(7, Record({"1 2", "OWN", "notext"}))->Own);
  auto other = Loaded<TSTOLB>(7, Record({"1 2", "other", "notext"}));
  EXPECT_FALSE(other->Own);
  EXPECT_EQ(Saved(*other), Record({"1 2", "other", "notext"}));
}

TEST(Pole, ALabelWithAnEmptyTextIsDroppedOnSave) {
  TSTOLB pole(7);
  pole.Label = TLinedText::MakeLabel(&pole, "", "нижний", 1.0);
  EXPECT_EQ(Saved(pole), Record({"0 0", "other", "notext"}));
  EXPECT_FALSE(Loaded<TSTOLB>(7, Saved(pole))->Label);
}

TEST(Pole, AWrongLabelKeywordIsReportedAndReadingGoesOn) {
  TMessageCapture messages;
  TTextReader r = TTextReader::FromBytes(Record({"1 2", "own", "texts", "7"}));
  TSTOLB pole(7);
  pole.LoadFromText(r);
  EXPECT_FALSE(pole.Label);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Text, kPoleMessage);
  EXPECT_EQ(r.ReadInt(), 7);
}

TEST(Cabinet, ReadsItsRecordWithKindAndLabelAndWritesTheSameBytes) {
  const std::string bytes = Record({"100 50", "120 50", "2", "text", "100 50", "0 20", "40 20", "ШР-1"});
  auto cab = Loaded<TContr>(6, bytes);
  EXPECT_DOUBLE_EQ(cab->X, 100);
  EXPECT_DOUBLE_EQ(cab->DirX, 120);
  EXPECT_EQ(cab->Kind, kCabinetPowerBoard);
  ASSERT_TRUE(cab->Label);
  EXPECT_EQ(cab->Label->Text, "ШР-1");
  EXPECT_EQ(cab->Label->Color, 0x10FFFFu);
  EXPECT_EQ(cab->Label->OwnerItem, cab.get());
  EXPECT_EQ(Saved(*cab), bytes);
}

TEST(Cabinet, AWrongLabelKeywordIsReportedWithTheCabinetMessage) {
  TMessageCapture messages;
  auto cab = Loaded<TContr>(6, Record({"1 2", "3 4", "1", "Text"}));
  EXPECT_FALSE(cab->Label);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Text, kCabinetMessage);
  EXPECT_EQ(Saved(*cab), Record({"1 2", "3 4", "1", "notext"}));
}

TEST(Cabinet, AKindWordThatIsNotANumberIsAnInputError) {
  TTextReader r = TTextReader::FromBytes(Record({"1 2", "3 4", "щит", "notext"}));
  TContr cab(6);
  EXPECT_THROW(cab.LoadFromText(r), TInOutError);
}

TEST(HangingCarriers, StickStandAndStayKeepTheirNumbersThroughSaveAndLoad) {
  const std::string stick = Record({"10.5 20", "0 0", "-12.25 30"});
  auto s = Loaded<TStick>(8, stick);
  EXPECT_DOUBLE_EQ(s->OffsetX, -12.25);
  EXPECT_EQ(Saved(*s), stick);

  const std::string stand = Record({"5 6", "0.5 -40"});
  auto st = Loaded<TTStolb>(28, stand);
  EXPECT_DOUBLE_EQ(st->X, 5);
  EXPECT_DOUBLE_EQ(st->DY, -40);
  EXPECT_EQ(Saved(*st), stand);

  const std::string stay = Record({"0 0", "300 -20"});
  auto t = Loaded<TTros>(30, stay);
  EXPECT_DOUBLE_EQ(t->X2, 300);
  EXPECT_EQ(Saved(*t), stay);
}

TEST(StreetFurniture, IsMadeByTheFactoryFromItsTypeCode) {
  EXPECT_TRUE(dynamic_cast<TContr*>(TSVObject::CreateItem(6).get()));
  EXPECT_TRUE(dynamic_cast<TSTOLB*>(TSVObject::CreateItem(7).get()));
  EXPECT_TRUE(dynamic_cast<TStick*>(TSVObject::CreateItem(8).get()));
  EXPECT_TRUE(dynamic_cast<TTStolb*>(TSVObject::CreateItem(28).get()));
  EXPECT_TRUE(dynamic_cast<TTros*>(TSVObject::CreateItem(30).get()));
}

// --- anchors -------------------------------------------------------------------

TEST(PoleAnchor, OffersItsCentreToCablesSticksGantriesAndStaysOnly) {
  TView v;
  TSTOLB pole(7);
  pole.X = 100;
  pole.Y = 200;
  double x = 0, y = 0;
  for (std::uint32_t code : {5u, 8u, 17u, 30u}) {
    x = y = 0;
    EXPECT_TRUE(pole.FindAnchor(103, 197, v.Ctx, code, x, y)) << code;
    EXPECT_DOUBLE_EQ(x, 100);
    EXPECT_DOUBLE_EQ(y, 200);
  }
  EXPECT_FALSE(pole.FindAnchor(100, 200, v.Ctx, 13, x, y));
  EXPECT_FALSE(pole.FindAnchor(100, 200, v.Ctx, 7, x, y));
  EXPECT_FALSE(pole.FindAnchor(104, 200, v.Ctx, 8, x, y));
}

TEST(CabinetAnchor, OffersItsPositionToCablesOnly) {
  TView v;
  TContr cab(6);
  cab.X = 50;
  cab.Y = 60;
  double x = 0, y = 0;
  EXPECT_TRUE(cab.FindAnchor(47, 63, v.Ctx, 5, x, y));
  EXPECT_DOUBLE_EQ(x, 50);
  EXPECT_FALSE(cab.FindAnchor(50, 60, v.Ctx, 8, x, y));
  EXPECT_FALSE(cab.FindAnchor(54, 60, v.Ctx, 5, x, y));
}

TEST(StayAnchor, OffersTheNearestPointOfTheWireToSticksOnly) {
  TView v;
  TTros stay(30);
  stay.X1 = 0;
  stay.Y1 = 100;
  stay.X2 = 200;
  stay.Y2 = 100;
  double x = 0, y = 0;
  EXPECT_TRUE(stay.FindAnchor(70, 102, v.Ctx, 8, x, y));
  EXPECT_DOUBLE_EQ(x, 70);
  EXPECT_DOUBLE_EQ(y, 100);
  EXPECT_FALSE(stay.FindAnchor(70, 104, v.Ctx, 8, x, y));
  EXPECT_FALSE(stay.FindAnchor(70, 100, v.Ctx, 30, x, y));
  // Beyond the end the nearest point is the end itself.
  EXPECT_TRUE(stay.FindAnchor(202, 100, v.Ctx, 8, x, y));
  EXPECT_DOUBLE_EQ(x, 200);
}

namespace {
// A stick hanging on (100, 100), from its anchor 20 symbol units right to
// 20 units right and 40 up.
void HangStick(TStick& s) {
  s.AnchorX = 100;
  s.AnchorY = 100;
  s.Anchor2X = 20;
  s.OffsetX = 20;
  s.OffsetY = -40;
}
}  // namespace

TEST(StickAnchor, AnswersItsAnchorAndTheOffsetOfTheEndOrPlaceThatWasHit) {
  TView v(1, 2);  // symbol units are 2 pixels: base end at (140,100), aim end at (140,20)
  TStick s(8);
  HangStick(s);
  double x = 0, y = 0, x2 = 0, y2 = 0;
  ASSERT_TRUE(s.FindAnchorEx(141, 98, v.Ctx, 9, x, y, x2, y2));
  EXPECT_DOUBLE_EQ(x, 100);
  EXPECT_DOUBLE_EQ(y, 100);
  EXPECT_DOUBLE_EQ(x2, 20);
  EXPECT_DOUBLE_EQ(y2, 0);

  ASSERT_TRUE(s.FindAnchorEx(138, 22, v.Ctx, 13, x, y, x2, y2));
  EXPECT_DOUBLE_EQ(y2, -40);

  // Halfway along: 20 units up from the anchor's level.
  ASSERT_TRUE(s.FindAnchorEx(142, 60, v.Ctx, 8, x, y, x2, y2));
  EXPECT_DOUBLE_EQ(x2, 20);
  EXPECT_DOUBLE_EQ(y2, -20);

  EXPECT_FALSE(s.FindAnchorEx(144, 60, v.Ctx, 8, x, y, x2, y2));
  EXPECT_FALSE(s.FindAnchorEx(140, 60, v.Ctx, 5, x, y, x2, y2));
}

TEST(StickAnchor, WhenBothEndsAreUnderTheCursorTheAimEndWins) {
  TView v;
  TStick s(8);
  s.Anchor2X = 1;
  s.OffsetX = 3;  // ends 2 pixels apart
  double x = 0, y = 0, x2 = 0, y2 = 0;
  ASSERT_TRUE(s.FindAnchorEx(2, 0, v.Ctx, 9, x, y, x2, y2));
  EXPECT_DOUBLE_EQ(x2, 3);
}

TEST(StandAnchor, OffersItsBaseAndArmEndAtTheArmEnd) {
  TView v;
  TTStolb st(28);
  st.X = 50;
  st.Y = 50;
  st.DX = 0;
  st.DY = -30;
  double x = 0, y = 0, x2 = 0, y2 = 0;
  ASSERT_TRUE(st.FindAnchorEx(52, 22, v.Ctx, 13, x, y, x2, y2));
  EXPECT_DOUBLE_EQ(x, 50);
  EXPECT_DOUBLE_EQ(y, 50);
  EXPECT_DOUBLE_EQ(x2, 0);
  EXPECT_DOUBLE_EQ(y2, -30);
  EXPECT_FALSE(st.FindAnchorEx(50, 50, v.Ctx, 13, x, y, x2, y2));
  EXPECT_FALSE(st.FindAnchorEx(50, 20, v.Ctx, 5, x, y, x2, y2));
}

// --- placing -------------------------------------------------------------------

TEST(Placing, PoleAndCabinetTakeTheSnappedPointAndTheCabinetAnUnsnappedDirection) {
  TView v(2);
  TSnapRecord snap{};
  snap[0].Found = true;
  snap[0].X = 7;
  snap[0].Y = 8;
  snap[1].Found = true;
  snap[1].X = 99;
  TSTOLB pole(7);
  pole.PlaceAt(v.Ctx, Points({{40, 60}}), snap, 1);
  EXPECT_DOUBLE_EQ(pole.X, 7);
  EXPECT_DOUBLE_EQ(pole.Y, 8);

  TContr cab(6);
  cab.PlaceAt(v.Ctx, Points({{40, 60}, {100, 60}}), snap, 2);
  EXPECT_DOUBLE_EQ(cab.X, 7);
  EXPECT_DOUBLE_EQ(cab.DirX, 50);
  EXPECT_DOUBLE_EQ(cab.DirY, 30);

  snap[0].Found = false;
  pole.PlaceAt(v.Ctx, Points({{40, 60}}), snap, 1);
  EXPECT_DOUBLE_EQ(pole.X, 20);
  EXPECT_DOUBLE_EQ(pole.Y, 30);
}

TEST(Placing, AStandsArmIsKeptInSymbolUnits) {
  TView v(2, 0.5);
  TTStolb st(28);
  st.PlaceAt(v.Ctx, Points({{40, 60}, {70, 20}}), TSnapRecord{}, 2);
  EXPECT_DOUBLE_EQ(st.X, 20);
  EXPECT_DOUBLE_EQ(st.Y, 30);
  // The arm ends at world (35, 10), (15, -20) from the base: times zoom 2
  // over sign scale 0.5.
  EXPECT_DOUBLE_EQ(st.DX, 60);
  EXPECT_DOUBLE_EQ(st.DY, -80);
  EXPECT_EQ(st.GetBounds(v.Ctx), (TRect{40, 20, 70, 60}));
}

// --- looks -------------------------------------------------------------------

TEST(PoleLook, IsADiscOfTwoAndAHalfSymbolUnitsFilledByOwnershipAndLook) {
  TView v(1, 2);
  TSTOLB pole(7);
  pole.X = 100;
  pole.Y = 50;
  pole.Own = true;
  pole.DrawActive(v.Ctx);
  pole.DrawInactive(v.Ctx);
  pole.DrawSelected(v.Ctx);
  pole.Own = false;
  pole.DrawActive(v.Ctx);
  pole.DrawInactive(v.Ctx);
  const auto discs = v.Canvas.OpsOf(TCanvasOpKind::Ellipse);
  ASSERT_EQ(discs.size(), 5u);
  const TColor fills[] = {0xCCCCCC, 0xFFFFFF, 0xFF0000, 0x404040, 0x404040};
  for (std::size_t i = 0; i < 5; ++i) {
    // Radius 2.5 units of 2 pixels around (100, 50), in every look.
    EXPECT_EQ(discs[i].Points[0], (TPoint{95, 45})) << i;
    EXPECT_EQ(discs[i].Points[1], (TPoint{105, 55})) << i;
    EXPECT_EQ(discs[i].Brush.Color, fills[i]) << i;
    EXPECT_EQ(discs[i].Brush.Style, TBrushStyle::Solid);
    EXPECT_EQ(discs[i].Pen.Color, clWhite);
  }
  EXPECT_EQ(pole.GetBounds(v.Ctx), (TRect{95, 45, 105, 55}));
}

TEST(PoleLook, PrintsInvertedWithARadiusThatGrowsWithTheLineFactorAndCoversTheLeader) {
  TView v;
  v.Ctx.LineFactor = 10;
  TSTOLB pole(7);
  pole.X = 100;
  pole.Y = 100;
  pole.Own = true;
  pole.Label = TLinedText::MakeLabel(&pole, "П1", "", 1.0);
  pole.Label->Unplaced = false;
  pole.Label->AnchorX = 100;
  pole.Label->AnchorY = 100;
  pole.Label->Anchor2X = 20;
  pole.Label->OffsetX = 60;
  pole.DrawPrint(v.Ctx);
  const auto& ops = v.Canvas.Ops();
  ASSERT_FALSE(ops.empty());
  const TCanvasOp& disc = ops.back();
  ASSERT_EQ(disc.Kind, TCanvasOpKind::Ellipse);
  EXPECT_EQ(disc.Points[0], (TPoint{94, 94}));  // Round(5.5) = 6
  EXPECT_EQ(disc.Points[1], (TPoint{106, 106}));
  EXPECT_EQ(disc.Pen.Color, clWhite);
  EXPECT_EQ(disc.Pen.Width, 2);  // Round(1.5)
  EXPECT_EQ(disc.Brush.Color, clBlack);
  EXPECT_EQ(v.Canvas.Texts(), std::vector<std::string>{"П1"});

  v.Canvas.Clear();
  pole.Own = false;
  v.Ctx.LineFactor = 1;
  pole.DrawPrint(v.Ctx);
  const TCanvasOp& foreign = v.Canvas.Ops().back();
  EXPECT_EQ(foreign.Points[0], (TPoint{98, 98}));  // Round(2.5) = 2
  EXPECT_EQ(foreign.Points[1], (TPoint{102, 102}));
  EXPECT_EQ(foreign.Pen.Color, clBlack);
  EXPECT_EQ(foreign.Pen.Width, 1);
  EXPECT_EQ(foreign.Brush.Color, clWhite);
}

TEST(PoleLook, APoleOutsideTheWindowIsNotDrawnEvenWhereItsLabelWouldShow) {
  TView v;
  TSTOLB pole(7);
  pole.X = -10;
  pole.Y = 500;
  pole.Label = TLinedText::MakeLabel(&pole, "П1", "", 1.0);
  pole.Label->Unplaced = false;
  pole.Label->AnchorX = -10;
  pole.Label->AnchorY = 500;
  pole.Label->Anchor2X = 40;
  pole.Label->OffsetX = 80;
  DrawItem(pole, v.Ctx, false);
  EXPECT_TRUE(v.Canvas.Ops().empty());

  pole.X = 2;  // the disc reaches into the window: the label comes with it
  DrawItem(pole, v.Ctx, false);
  EXPECT_EQ(v.Canvas.Texts(), std::vector<std::string>{"П1"});
}

TEST(CabinetLook, ACabinetOutsideTheWindowIsDrawnWhenItsLabelIsInside) {
  TView v;
  TContr cab(6);
  cab.X = -30;
  cab.Y = 500;
  cab.DirX = 0;
  cab.DirY = 500;
  cab.Label = TSVText::MakeLabel(&cab, "ДК", 1.0);
  cab.Label->Unplaced = false;
  cab.Label->AnchorX = -30;
  cab.Label->AnchorY = 500;
  cab.Label->Anchor2X = 60;
  cab.Label->OffsetX = 100;
  DrawItem(cab, v.Ctx, false);
  EXPECT_EQ(v.Canvas.Texts(), std::vector<std::string>{"ДК"});
}

TEST(CabinetLook, AControllerIsARectangleWithThreeHatchLinesAlongItsDirection) {
  TView v;
  TContr cab(6);
  cab.X = 100;
  cab.Y = 100;
  cab.DirX = 100;
  cab.DirY = 0;  // facing up the screen: u = (0, -9), w = (9, 0)
  cab.DrawInactive(v.Ctx);
  const auto polys = v.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(polys.size(), 1u);
  const std::vector<TPoint> body{{104, 109}, {104, 91}, {96, 91}, {96, 109}};
  EXPECT_EQ(polys[0].Points, body);  // (±1 along, ±0.5 across), halves to even
  EXPECT_EQ(polys[0].Brush.Color, 0x404040u);
  EXPECT_EQ(polys[0].Pen.Color, 0x10FFFFu);
  const auto lines = Lines(v.Canvas);
  ASSERT_EQ(lines.size(), 3u);
  ExpectLine(lines[0], {104, 109}, {96, 91});
  ExpectLine(lines[1], {104, 103}, {98, 91});
  ExpectLine(lines[2], {104, 97}, {102, 91});
  EXPECT_EQ(cab.GetBounds(v.Ctx), (TRect{91, 91, 109, 109}));
}

TEST(CabinetLook, ATelephoneBoxIsAHalfDiscBehindARectangle) {
  TView v;
  TContr cab(6);
  cab.Kind = kCabinetTelephone;
  cab.X = 100;
  cab.Y = 100;
  cab.DirX = 200;
  cab.DirY = 100;  // facing right: the half-disc lies above, the box below
  cab.DrawSelected(v.Ctx);
  const auto pies = v.Canvas.OpsOf(TCanvasOpKind::Pie);
  ASSERT_EQ(pies.size(), 1u);
  const std::vector<TPoint> pie{{91, 91}, {109, 109}, {127, 100}, {73, 100}};
  EXPECT_EQ(pies[0].Points, pie);
  EXPECT_EQ(pies[0].Brush.Color, clBlue);
  const auto polys = v.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(polys.size(), 1u);
  const std::vector<TPoint> box{{104, 104}, {104, 100}, {96, 100}, {96, 104}};
  EXPECT_EQ(polys[0].Points, box);
  // The selected look keeps its handle.
  ASSERT_EQ(v.Canvas.OpsOf(TCanvasOpKind::FillRect).size(), 1u);
}

TEST(CabinetLook, APowerBoardHasACentreLineAndAnUnknownKindDrawsOnlyItsLabel) {
  TView v;
  TContr cab(6);
  cab.Kind = kCabinetPowerBoard;
  cab.X = 100;
  cab.Y = 100;
  cab.DirX = 100;
  cab.DirY = 100;  // no direction: the symbol lies along +x
  cab.DrawInactive(v.Ctx);
  ASSERT_EQ(Lines(v.Canvas).size(), 1u);
  ExpectLine(Lines(v.Canvas)[0], {91, 100}, {109, 100});

  v.Canvas.Clear();
  cab.Kind = 3;
  cab.Label = TSVText::MakeLabel(&cab, "КР", 1.0);
  cab.Label->Unplaced = false;
  cab.Label->AnchorX = cab.Label->AnchorY = 100;
  cab.Label->Anchor2X = 10;
  cab.Label->OffsetX = 30;
  cab.DrawInactive(v.Ctx);
  EXPECT_EQ(v.Canvas.Ops().size(), 1u);
  EXPECT_EQ(v.Canvas.Texts(), std::vector<std::string>{"КР"});
}

TEST(CabinetLook, EditsWithoutFillAndAHandleAndPrintsBlackOnWhite) {
  TView v;
  TContr cab(6);
  cab.X = 100;
  cab.Y = 100;
  cab.DirX = 150;
  cab.DirY = 100;
  cab.DrawActive(v.Ctx);
  const auto poly = v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0);
  EXPECT_EQ(poly.Brush.Style, TBrushStyle::Clear);
  const auto handles = v.Canvas.OpsOf(TCanvasOpKind::FillRect);
  ASSERT_EQ(handles.size(), 1u);
  EXPECT_EQ(handles[0].Points[0], (TPoint{97, 97}));
  EXPECT_EQ(handles[0].Points[1], (TPoint{103, 103}));
  EXPECT_EQ(handles[0].Brush.Color, 0x00F0F0u);

  v.Canvas.Clear();
  v.Ctx.LineFactor = 20;
  cab.DrawPrint(v.Ctx);
  const auto printed = v.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0);
  EXPECT_EQ(printed.Pen.Color, clBlack);
  EXPECT_EQ(printed.Pen.Width, 3);
  EXPECT_EQ(printed.Brush.Color, clWhite);
  EXPECT_TRUE(v.Canvas.OpsOf(TCanvasOpKind::FillRect).empty());
}

TEST(CabinetLook, RubberBandIsAnUnfilledXorOutlineOfItsKind) {
  TView v;
  TContr cab(6);
  cab.Kind = kCabinetTelephone;
  cab.DrawRubber(v.Ctx, Points({{100, 100}, {100, 0}}), 1);
  const auto pie = v.Canvas.OpsOf(TCanvasOpKind::Pie).at(0);
  EXPECT_EQ(pie.Pen.Mode, TPenMode::Xor);
  EXPECT_EQ(pie.Pen.Color, 0x10FFFFu);
  EXPECT_EQ(pie.Brush.Style, TBrushStyle::Clear);
  EXPECT_EQ(pie.Points[2], (TPoint{100, 73}));
}

TEST(StickLook, KeepsItsLengthOnScreenWhileThePolesItHangsOnSpreadWithTheZoom) {
  TView v1(1), v2(2);
  TStick s(8);
  HangStick(s);
  s.DrawInactive(v1.Ctx);
  s.DrawInactive(v2.Ctx);
  ExpectLine(Lines(v1.Canvas).at(0), {120, 100}, {120, 60});
  ExpectLine(Lines(v2.Canvas).at(0), {220, 200}, {220, 160});
  EXPECT_EQ(s.GetBounds(v2.Ctx), (TRect{220, 160, 220, 200}));
}

TEST(StickLook, EditingShowsGreyHandlesAtBothEndsAndPrintingAThickerBlackLine) {
  TView v;
  TStick s(8);
  HangStick(s);
  s.DrawSelected(v.Ctx);
  EXPECT_EQ(Lines(v.Canvas).at(0).Pen.Color, clBlue);
  const auto handles = v.Canvas.OpsOf(TCanvasOpKind::FillRect);
  ASSERT_EQ(handles.size(), 2u);
  EXPECT_EQ(handles[0].Points[0], (TPoint{117, 97}));
  EXPECT_EQ(handles[1].Points[1], (TPoint{123, 63}));
  EXPECT_EQ(handles[1].Brush.Color, 0x707070u);

  v.Canvas.Clear();
  v.Ctx.LineFactor = 12;
  s.DrawPrint(v.Ctx);
  EXPECT_EQ(Lines(v.Canvas).at(0).Pen.Width, 2);
  EXPECT_EQ(Lines(v.Canvas).at(0).Pen.Color, clBlack);
}

TEST(StickLook, IsSelectedWhenTheRectangleCrossesTheLine) {
  TView v;
  TStick s(8);
  HangStick(s);
  EXPECT_TRUE(s.SelectInRect(v.Ctx, TRect{110, 70, 130, 80}));
  EXPECT_TRUE(s.Selected);
  EXPECT_FALSE(s.SelectInRect(v.Ctx, TRect{125, 70, 130, 80}));
  EXPECT_FALSE(s.Selected);
}

TEST(StandLook, IsACrossBarOfTwelveSymbolUnitsSquareToTheArm) {
  TView v(1, 0.5);
  TTStolb st(28);
  st.X = 100;
  st.Y = 100;
  st.DX = 0;
  st.DY = -60;  // arm up to (100, 70)
  st.DrawActive(v.Ctx);
  const auto lines = Lines(v.Canvas);
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], {103, 100}, {97, 100});
  ExpectLine(lines[1], {100, 100}, {100, 70});
  const auto handles = v.Canvas.OpsOf(TCanvasOpKind::FillRect);
  ASSERT_EQ(handles.size(), 1u);
  EXPECT_EQ(handles[0].Points[0], (TPoint{97, 67}));

  v.Canvas.Clear();
  st.DY = 0;  // no arm: the bar stands across +x
  st.DrawInactive(v.Ctx);
  ExpectLine(Lines(v.Canvas).at(0), {100, 103}, {100, 97});
}

TEST(StayLook, TheViewerSkipsAStayOfSevenPixelsThatTheEditorStillShows) {
  TView v;
  TTros stay(30);
  stay.X2 = 7;
  stay.DrawInactive(v.Ctx);
  EXPECT_TRUE(v.Canvas.Ops().empty());
  stay.DrawActive(v.Ctx);
  ASSERT_EQ(Lines(v.Canvas).size(), 1u);
  EXPECT_EQ(Lines(v.Canvas)[0].Pen.Style, TPenStyle::Dot);

  v.Canvas.Clear();
  stay.X2 = 8;
  stay.DrawInactive(v.Ctx);
  ASSERT_EQ(Lines(v.Canvas).size(), 1u);
  ExpectLine(Lines(v.Canvas)[0], {0, 0}, {8, 0});
}

TEST(StayLook, IsDrawnInPiecesOfFourteenPixelsOnScreenAndByLineFactorInPrint) {
  TView v;
  TTros stay(30);
  stay.X2 = 30;
  stay.Y2 = 40;  // 50 pixels: 4 pieces
  stay.DrawInactive(v.Ctx);
  const auto lines = Lines(v.Canvas);
  ASSERT_EQ(lines.size(), 4u);
  ExpectLine(lines[0], {0, 0}, {8, 10});  // 7.5 rounds to 8
  ExpectLine(lines[3], {22, 30}, {30, 40});
  for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].Points[0], lines[i - 1].Points[1]);

  v.Canvas.Clear();
  v.Ctx.LineFactor = 5;  // pieces of 30 device pixels, pen Round(0.5) = 0 -> 1
  stay.DrawPrint(v.Ctx);
  ASSERT_EQ(Lines(v.Canvas).size(), 2u);
  EXPECT_EQ(Lines(v.Canvas)[0].Pen.Width, 1);
  EXPECT_EQ(Lines(v.Canvas)[0].Pen.Color, clBlack);
}

TEST(StayLook, SelectionAndBoundsFollowTheWire) {
  TView v;
  TTros stay(30);
  stay.X2 = 100;
  EXPECT_TRUE(stay.SelectInRect(v.Ctx, TRect{40, -2, 60, 2}));
  EXPECT_FALSE(stay.SelectInRect(v.Ctx, TRect{40, 5, 60, 10}));
  stay.DrawSelected(v.Ctx);
  EXPECT_EQ(Lines(v.Canvas).at(0).Pen.Color, clBlue);
}

TEST(ShownLabels, APolesLabelFollowsTheShowTextSwitchOfThePoleLayer) {
  TTempDir dir;
  TSVObject scheme(dir.Path());
  auto owned = std::make_unique<TSTOLB>(7);
  TSTOLB* pole = owned.get();
  pole->X = pole->Y = 100;
  pole->Label = TLinedText::MakeLabel(pole, "П1", "", 1.0);
  pole->Label->Unplaced = false;
  pole->Label->AnchorX = pole->Label->AnchorY = 100;
  pole->Label->Anchor2X = 10;
  pole->Label->OffsetX = 30;
  ASSERT_EQ(scheme.AddItem(std::move(owned)), 10);
  TView v;
  pole->DrawInactive(v.Ctx);
  EXPECT_EQ(v.Canvas.Texts().size(), 1u);
  v.Canvas.Clear();
  scheme.Layer(10).ShowText = false;
  pole->DrawInactive(v.Ctx);
  EXPECT_TRUE(v.Canvas.Texts().empty());
  EXPECT_EQ(v.Canvas.OpsOf(TCanvasOpKind::Ellipse).size(), 1u);
}
