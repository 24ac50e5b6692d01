#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "items/Napr.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"

namespace {

struct TScene {
  TRecordingCanvas Canvas;
  TDrawContext Ctx;
  TScene() {
    Ctx.Canvas = &Canvas;
    Ctx.Normalize();
    Ctx.HitTolerance = 3;
  }
};

// A passport with `phases` phases showing phase `shown`.
struct TPassport {
  TTempDir Dir;
  TSVObject Scheme{Dir.Path()};
  TPassport(int phases, int shown) {
    Scheme.Info->PhaseCount = static_cast<std::uint8_t>(phases);
    Scheme.Time->Phase = shown;
  }
  // Adds an arrow the way the scheme reader does, then reads its lines.
  TNapr* Read(const std::string& bytes) {
    auto item = std::make_unique<TNapr>(16);
    TNapr* napr = item.get();
    EXPECT_EQ(Scheme.AddItem(std::move(item)), 7);
    TTextReader r = TTextReader::FromBytes(bytes);
    napr->LoadFromText(r);
    return Scheme.Layer(7).Count() > 0 && Scheme.Layer(7).Items().back().get() == napr ? napr : nullptr;
  }
};

std::unique_ptr<TNapr> Arrow(std::vector<TRealPoint> pts, bool run = true, bool oneway = true, int dashed = 0) {
  auto napr = std::make_unique<TNapr>(16);
  for (std::size_t i = 0; i < pts.size(); ++i) napr->Vertices[i] = pts[i];
  napr->Count = static_cast<std::uint8_t>(pts.size());
  napr->Run = run;
  napr->Oneway = oneway;
  napr->Dashed = static_cast<std::uint8_t>(dashed);
  napr->Phase = 1;
  return napr;
}

std::string Record(int phase, const std::string& label = "notext") {
  return CrLf({"2", "0 0", "100 0", "oneway", "run", "0", std::to_string(phase), label});
}

TPoint Pt(int x, int y) { return TPoint{x, y}; }
using TPts = std::vector<TPoint>;

TPts LinePoints(const TRecordingCanvas& c) {
  TPts out;
  for (const auto& op : c.OpsOf(TCanvasOpKind::Line)) out.insert(out.end(), op.Points.begin(), op.Points.end());
  return out;
}

}  // namespace

// --- stored lines ------------------------------------------------------------------

TEST(NaprRecord, AnArrowWithItsLabelIsReadIntoItsFieldsAndWrittenBackByteForByte) {
  const std::string bytes = Encode1251(
      CrLf({"3", "0 0", "100 0", "100 50.5", "dual", "stop", "1", "2", "text", "1 2", "3 4", "5 6", "Н1", ""}));
  TNapr napr(16);
  TTextReader r = TTextReader::FromBytes(bytes);
  napr.LoadFromText(r);
  EXPECT_EQ(napr.Count, 3);
  EXPECT_DOUBLE_EQ(napr.Vertices[2].y, 50.5);
  EXPECT_FALSE(napr.Oneway);
  EXPECT_FALSE(napr.Run);
  EXPECT_EQ(napr.Dashed, 1);
  EXPECT_EQ(napr.Phase, 2);
  ASSERT_TRUE(napr.Label);
  EXPECT_EQ(napr.Label->TypeCode, 33u);
  EXPECT_EQ(napr.Label->OwnerItem, &napr);
  EXPECT_EQ(napr.Label->Color, 0x0000FFu);
  EXPECT_EQ(napr.Label->Text, "Н1");
  TTextWriter w;
  napr.SaveToText(w);
  EXPECT_EQ(w.Bytes(), bytes);

  const std::string plain = Record(4);
  TNapr other(16);
  TTextReader r2 = TTextReader::FromBytes(plain);
  other.LoadFromText(r2);
  EXPECT_TRUE(other.Oneway);
  EXPECT_TRUE(other.Run);
  EXPECT_FALSE(other.Label);
  TTextWriter w2;
  other.SaveToText(w2);
  EXPECT_EQ(w2.Bytes(), plain);
}

TEST(NaprRecord, OnlyTheExactWordsMeanOneWayAndRunning) {
  TNapr napr(16);
  TTextReader r = TTextReader::FromBytes(CrLf({"2", "0 0", "1 1", "Oneway", "run ", "0", "1", "notext"}));
  napr.LoadFromText(r);
  EXPECT_FALSE(napr.Oneway);
  EXPECT_FALSE(napr.Run);
  EXPECT_EQ(napr.TextColor(), 0x0000FFu);
}

TEST(NaprRecord, AWrongLabelKeywordIsReportedAndTheArrowStaysWithoutALabel) {
  TMessageCapture messages;
  TPassport passport(2, 1);
  TNapr* napr = passport.Read(Record(1, "txt"));
  ASSERT_TRUE(napr);
  EXPECT_FALSE(napr->Label);
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Text, "Нарушение целостности базы. Ошибка в указании текстадля направления.");

  // An arrow of a phase beyond the passport's goes even so: kept, it would
  // be written back and vanish at the next reading.
  TNapr* beyond = passport.Read(Record(3, "txt"));
  EXPECT_FALSE(beyond);
  EXPECT_EQ(messages.Messages.size(), 2u);
}

TEST(NaprRecord, AVertexCountOutsideTwoToAHundredRejectsTheArrowBeforeItsPoints) {
  for (const char* count : {"1", "101", "-3", "100000000000"}) {
    TMessageCapture messages;
    TPassport passport(2, 1);
    const std::string bytes = CrLf({count, "0 0", "1 1"});
    TNapr* napr = passport.Read(bytes);
    EXPECT_FALSE(napr) << count;
    EXPECT_EQ(passport.Scheme.Layer(7).Count(), 0) << count;
    ASSERT_EQ(messages.Messages.size(), 1u) << count;
    EXPECT_EQ(messages.Messages[0].Text.rfind("Нарушение целостности базы.", 0), 0u) << count;
  }
  // A hundred is the most an arrow holds.
  std::vector<std::string> lines{"100"};
  for (int i = 0; i < 100; ++i) lines.push_back(std::to_string(i) + " 0");
  for (const char* s : {"oneway", "run", "0", "1", "notext"}) lines.push_back(s);
  std::string bytes;
  for (const auto& l : lines) bytes += l + "\r\n";
  TPassport passport(2, 1);
  TNapr* napr = passport.Read(bytes);
  ASSERT_TRUE(napr);
  EXPECT_EQ(napr->Count, 100);
  EXPECT_DOUBLE_EQ(napr->Vertices[99].x, 99);
}

TEST(NaprRecord, AnArrowOfAPhaseThePassportNoLongerHasIsDroppedOnReading) {
  TMessageCapture messages;
  TPassport passport(2, 1);
  passport.Scheme.Layer(7).Editable = false;  // reading does not depend on what the user may edit
  EXPECT_TRUE(passport.Read(Record(2)));
  EXPECT_FALSE(passport.Read(Record(3, "text\r\n0 0\r\n0 0\r\n0 0\r\nx\r\ny")));
  EXPECT_EQ(passport.Scheme.Layer(7).Count(), 1);
  EXPECT_FALSE(passport.Scheme.Layer(7).Editable);
  EXPECT_TRUE(messages.Messages.empty());
}

TEST(NaprRecord, AfterThePhasesAreCutToTwoTheSchemeReadsOnWithoutTheArrowsOfPhaseThree) {
  TTempDir dir;
  {
    TSVObject before(dir.Path());
    before.Info->SetPhaseCount(2);
    ASSERT_TRUE(before.Info->SaveAll());
  }
  const std::string freeText = CrLf({"18", "0 0", "0 0", "10 0", "x"});
  WriteBytes(dir.File("map.txt"), CrLf({"16"}) + Record(3) + CrLf({"16"}) + Record(2) + freeText);
  TMessageCapture messages;
  TSVObject scheme(dir.Path());
  scheme.LoadAll();
  EXPECT_TRUE(messages.Messages.empty());
  ASSERT_EQ(scheme.Layer(7).Count(), 1);
  EXPECT_EQ(static_cast<TNapr&>(*scheme.Layer(7).Items()[0]).Phase, 2);
  EXPECT_EQ(scheme.Layer(4).Count(), 1);
  ASSERT_TRUE(scheme.SaveMap());
  EXPECT_EQ(ReadBytes(dir.File("map.txt")), freeText + CrLf({"16"}) + Record(2));  // layer 4 before 7
}

// --- phase ---------------------------------------------------------------------------

TEST(NaprPhase, AnArrowIsDrawnAndSelectedOnlyWhileItsPhaseIsShown) {
  TPassport passport(3, 2);
  auto item = Arrow({{0, 0}, {100, 0}});
  item->Phase = 3;
  TNapr* napr = item.get();
  passport.Scheme.AddItem(std::move(item));
  TScene scene;
  napr->DrawActive(scene.Ctx);
  napr->DrawInactive(scene.Ctx);
  napr->DrawSelected(scene.Ctx);
  napr->DrawPrint(scene.Ctx);
  EXPECT_TRUE(scene.Canvas.Ops().empty());
  const TRect across{40, -5, 60, 5};
  EXPECT_FALSE(napr->SelectInRect(scene.Ctx, across));
  napr->Selected = true;
  EXPECT_TRUE(napr->SelectInRect(scene.Ctx, TRect{0, 50, 10, 60}));  // left as it was

  passport.Scheme.Time->Phase = 3;
  EXPECT_FALSE(napr->SelectInRect(scene.Ctx, TRect{0, 50, 10, 60}));
  EXPECT_TRUE(napr->SelectInRect(scene.Ctx, across));
  napr->DrawInactive(scene.Ctx);
  EXPECT_FALSE(scene.Canvas.Ops().empty());

  scene.Canvas.Clear();
  passport.Scheme.Time->Phase = 1;
  napr->DrawPlain(scene.Ctx);
  EXPECT_FALSE(scene.Canvas.Ops().empty());
}

// --- drawing -------------------------------------------------------------------------

TEST(NaprDrawing, ADashedArrowOfAHundredPixelsStartsWithADashAtTheTail) {
  TScene scene;
  Arrow({{0, 0}, {100, 0}}, true, true, 1)->DrawInactive(scene.Ctx);
  EXPECT_EQ(LinePoints(scene.Canvas), (TPts{Pt(0, 0), Pt(15, 0), Pt(35, 0), Pt(50, 0), Pt(70, 0), Pt(85, 0)}));
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Line).at(0).Pen.Width, 2);
}

TEST(NaprDrawing, ADashBegunOnOneSegmentRunsOnAlongTheNext) {
  TScene scene;
  Arrow({{0, 0}, {5, 0}, {5, 50}}, true, true, 1)->DrawActive(scene.Ctx);
  EXPECT_EQ(LinePoints(scene.Canvas), (TPts{Pt(0, 0), Pt(5, 0), Pt(5, 0), Pt(5, 2), Pt(5, 12), Pt(5, 19), Pt(5, 29),
                                            Pt(5, 36), Pt(5, 46), Pt(5, 50)}));
}

TEST(NaprDrawing, ARunningTwoWayArrowHasNotchedHeadsAtBothEnds) {
  TScene scene;
  Arrow({{0, 0}, {100, 0}}, true, false)->DrawInactive(scene.Ctx);
  const auto shaft = scene.Canvas.OpsOf(TCanvasOpKind::Polyline);
  ASSERT_EQ(shaft.size(), 1u);
  EXPECT_EQ(shaft[0].Points, (TPts{Pt(0, 0), Pt(100, 0)}));
  EXPECT_EQ(shaft[0].Pen.Color, 0x008000u);
  const auto heads = scene.Canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(heads.size(), 2u);
  EXPECT_EQ(heads[0].Points, (TPts{Pt(84, -5), Pt(104, 0), Pt(84, 5), Pt(88, 0)}));
  EXPECT_EQ(heads[1].Points, (TPts{Pt(16, 5), Pt(-4, 0), Pt(16, -5), Pt(12, 0)}));
  EXPECT_EQ(heads[0].Pen.Width, 1);
  EXPECT_EQ(heads[0].Brush.Color, 0x008000u);
  EXPECT_EQ(heads[0].Brush.Style, TBrushStyle::Solid);
}

TEST(NaprDrawing, AStoppedTwoWayArrowHasOnlyTheBarAtItsTip) {
  TScene scene;
  Arrow({{0, 0}, {100, 0}}, false, false)->DrawInactive(scene.Ctx);
  EXPECT_TRUE(scene.Canvas.OpsOf(TCanvasOpKind::Polygon).empty());
  const auto bars = scene.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].Points, (TPts{Pt(100, -10), Pt(100, 10)}));
  EXPECT_EQ(bars[0].Pen.Color, 0x0000FFu);
  EXPECT_EQ(bars[0].Pen.Width, 2);
}

TEST(NaprDrawing, SelectedAndPrintedArrowsTakeTheirOwnColoursAndSizes) {
  TScene scene;
  auto napr = Arrow({{0, 0}, {100, 0}});
  napr->DrawSelected(scene.Ctx);
  auto head = scene.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0);
  EXPECT_EQ(head.Pen.Color, 0xFF0000u);
  EXPECT_EQ(head.Brush.Color, 0x404040u);
  EXPECT_EQ(head.Points[1], Pt(104, 0));

  scene.Canvas.Clear();
  scene.Ctx.LineFactor = 10;
  napr->DrawPrint(scene.Ctx);
  const auto shaft = scene.Canvas.OpsOf(TCanvasOpKind::Polyline).at(0);
  EXPECT_EQ(shaft.Pen.Color, clBlack);
  EXPECT_EQ(shaft.Pen.Width, 3);
  head = scene.Canvas.OpsOf(TCanvasOpKind::Polygon).at(0);
  EXPECT_EQ(head.Points[1], Pt(107, 0));  // 0.2 of a 35-pixel head beyond the tip

  scene.Canvas.Clear();
  scene.Ctx.ColorPrint = true;
  napr->DrawPrint(scene.Ctx);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Polyline).at(0).Pen.Color, 0x008000u);
}

TEST(NaprDrawing, TheRubberBandRunsThroughThePointsAndTheMouseWithASquareAtEach) {
  TScene scene;
  TNapr napr(16);
  TScreenPoints pts{};
  pts[0] = Pt(0, 0);
  pts[1] = Pt(50, 0);
  pts[2] = Pt(50, 40);
  napr.DrawRubber(scene.Ctx, pts, 2);
  const auto line = scene.Canvas.OpsOf(TCanvasOpKind::Polyline).at(0);
  EXPECT_EQ(line.Points, (TPts{Pt(0, 0), Pt(50, 0), Pt(50, 40)}));
  EXPECT_EQ(line.Pen.Mode, TPenMode::Xor);
  EXPECT_EQ(line.Pen.Color, 0x10FFFFu);
  const auto squares = scene.Canvas.OpsOf(TCanvasOpKind::Rectangle);
  ASSERT_EQ(squares.size(), 3u);
  EXPECT_EQ(squares[2].Points, (TPts{Pt(48, 38), Pt(52, 42)}));
}

// --- geometry ------------------------------------------------------------------------

TEST(NaprGeometry, OffersTheNearestPointOfItsPathToNewArrowsAndLinedTextsOnly) {
  TScene scene;
  auto napr = Arrow({{0, 0}, {100, 0}, {100, 100}});
  double x = 0, y = 0;
  EXPECT_TRUE(napr->FindAnchor(50, 2, scene.Ctx, 33, x, y));
  EXPECT_DOUBLE_EQ(x, 50);
  EXPECT_DOUBLE_EQ(y, 0);
  EXPECT_TRUE(napr->FindAnchor(103, 60, scene.Ctx, 16, x, y));
  EXPECT_DOUBLE_EQ(x, 100);
  EXPECT_DOUBLE_EQ(y, 60);
  EXPECT_FALSE(napr->FindAnchor(50, 4, scene.Ctx, 16, x, y));
  EXPECT_FALSE(napr->FindAnchor(50, 0, scene.Ctx, 8, x, y));
}

TEST(NaprGeometry, PlacingStartsAtTheSnappedPointAndTakesTheOtherClicksInWorld) {
  TScene scene;
  scene.Ctx.Zoom = 2;
  TScreenPoints pts{};
  pts[0] = Pt(0, 0);
  pts[1] = Pt(100, 0);
  pts[2] = Pt(100, 60);
  TSnapRecord snap{};
  snap[0].Found = true;
  snap[0].X = 7;
  snap[0].Y = 8;
  TNapr napr(16);
  napr.PlaceAt(scene.Ctx, pts, snap, 3);
  EXPECT_EQ(napr.Count, 3);
  EXPECT_DOUBLE_EQ(napr.Vertices[0].x, 7);
  EXPECT_DOUBLE_EQ(napr.Vertices[1].x, 50);
  EXPECT_DOUBLE_EQ(napr.Vertices[2].y, 30);
}

TEST(NaprGeometry, BoundsHoldEveryVertexAndTheLabelWhileItsLayerShowsTexts) {
  TPassport passport(1, 1);
  auto item = Arrow({{0, 0}, {100, 0}, {50, 80}});
  item->Label = TLinedText::MakeLabel(item.get(), "abc", "", 1.0);
  item->Label->AnchorX = 300;  // the text stands at (300, 300) and runs right
  item->Label->AnchorY = 300;
  item->Label->OffsetX = 10;
  item->Label->Unplaced = false;
  TNapr* napr = item.get();
  passport.Scheme.AddItem(std::move(item));
  TScene scene;
  EXPECT_EQ(passport.Scheme.BoundsShown(scene.Ctx), (TRect{0, 0, 321, 314}));
  passport.Scheme.Layer(7).ShowText = false;
  EXPECT_EQ(passport.Scheme.BoundsShown(scene.Ctx), (TRect{0, 0, 100, 81}));
  EXPECT_EQ(napr->GetBounds(scene.Ctx), (TRect{0, 0, 100, 81}));
}

TEST(NaprGeometry, TheLabelIsDrawnInTheArrowsLook) {
  TScene scene;
  auto napr = Arrow({{0, 0}, {100, 0}});
  napr->Label = TLinedText::MakeLabel(napr.get(), "abc", "", 1.0);
  napr->Label->OffsetX = 10;
  napr->Label->Unplaced = false;
  EXPECT_EQ(napr->Label->Color, 0x008000u);
  napr->DrawSelected(scene.Ctx);
  const auto lines = scene.Canvas.OpsOf(TCanvasOpKind::Polyline);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].Pen.Style, TPenStyle::Dot);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Text).at(0).FontColor, 0xFF0000u);
}
