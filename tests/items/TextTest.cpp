#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "items/LabelIO.h"
#include "items/LinedText.h"
#include "items/SVText.h"
#include "items/SVRealText.h"
#include "model/Geometry.h"
#include "model/SVObject.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "platform/RecordingCanvas.h"
#include "platform/TextFile.h"

namespace {

// A default view (one world unit is one pixel) drawing on a recorder. With
// symbol scale 1 a label's characters are 14 pixels high and 7 wide.
struct TScene {
  TRecordingCanvas Canvas;
  TDrawContext Ctx;
  explicit TScene(double signScale = 1.0) {
    Ctx.Canvas = &Canvas;
    Ctx.SignScale = signScale;
    Ctx.Normalize();
  }
};

template <class T>
void Place(T& text, double ax, double ay, double bx, double by, double cx, double cy) {
  text.AnchorX = ax;
  text.AnchorY = ay;
  text.Anchor2X = bx;
  text.Anchor2Y = by;
  text.OffsetX = cx;
  text.OffsetY = cy;
}

// A placed label anchored at (100, 100) whose baseline starts at (110, 80)
// and runs to the right.
template <class T>
std::unique_ptr<T> RightwardLabel(const std::string& text, TColor color = 0x10FFFF) {
  auto label = std::make_unique<T>(33);
  label->SetDefaultFont();
  label->Text = text;
  label->Color = color;
  Place(*label, 100, 100, 10, -20, 60, -20);
  return label;
}

std::string Rewrite(TSVItem& item, const std::string& bytes) {
  TTextReader r = TTextReader::FromBytes(bytes);
  item.LoadFromText(r);
  TTextWriter w;
  item.SaveToText(w);
  return w.Bytes();
}

TPoint Pt(int x, int y) { return TPoint{x, y}; }

}  // namespace

// --- stored lines ------------------------------------------------------------------

TEST(TextRecord, LabelsAndFreeTextsReadTheirLinesAndWriteThemBackUnchanged) {
  const std::string plain = Encode1251(CrLf({"100 200.5", "-3.25 0", "12 -4", "  Пр. Мира, 5 "}));
  TSVText label(4);
  EXPECT_EQ(Rewrite(label, plain), plain);
  EXPECT_DOUBLE_EQ(label.AnchorY, 200.5);
  EXPECT_DOUBLE_EQ(label.Anchor2X, -3.25);
  EXPECT_DOUBLE_EQ(label.OffsetY, -4);
  EXPECT_EQ(label.Text, "  Пр. Мира, 5 ");
  EXPECT_EQ(label.Font.FaceName, "Arial Cyr");
  EXPECT_TRUE(label.Font.Italic);

  const std::string lined = Encode1251(CrLf({"1 2", "3 4", "5 6", "Ф1", "кабель 4х1,5"}));
  TLinedText two(33);
  EXPECT_EQ(Rewrite(two, lined), lined);
  EXPECT_EQ(two.Text, "Ф1");
  EXPECT_EQ(two.LowerText, "кабель 4х1,5");
  EXPECT_FALSE(two.Font.Italic);

  TSVRealText free(18);
  EXPECT_EQ(Rewrite(free, plain), plain);
  EXPECT_EQ(free.Font.Escapement, 150);
  EXPECT_EQ(free.Font.FaceName, "");
}

TEST(TextRecord, ALineBreakInsideATextCannotSplitTheRecord) {
  TLinedText label(33);
  label.Text = "ул.\r\nЛенина";
  label.LowerText = "a\nb";
  TTextWriter w;
  label.SaveToText(w);
  EXPECT_EQ(w.Bytes(), Encode1251(CrLf({"0 0", "0 0", "0 0", "ул.  Ленина", "a b"})));
}

TEST(LabelKeyword, TextReadsALabelForTheOwnerAndNotextReadsNone) {
  TSVItem owner(7);
  TTextReader r = TTextReader::FromBytes(CrLf({"text", "1 2", "3 4", "5 6", "up", "down", "notext", "next"}));
  auto label = LoadLinedLabel(r, &owner, 33, 0x123456, "unused");
  ASSERT_TRUE(label);
  EXPECT_EQ(label->TypeCode, 33u);
  EXPECT_EQ(label->OwnerItem, &owner);
  EXPECT_EQ(label->Color, 0x123456u);
  EXPECT_EQ(label->LowerText, "down");
  EXPECT_FALSE(LoadTextLabel(r, &owner, 4, 0, "unused"));
  EXPECT_EQ(r.ReadLine(), "next");
}

TEST(LabelKeyword, AnyOtherWordIsReportedAndReadingGoesOnWithTheNextLine) {
  TMessageCapture messages;
  TTextReader r = TTextReader::FromBytes(CrLf({"Text", "7"}));
  EXPECT_FALSE(LoadTextLabel(r, nullptr, 4, 0, "Нарушение целостности базы. Ошибка в указании текстадля знака."));
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Text, "Нарушение целостности базы. Ошибка в указании текстадля знака.");
  EXPECT_EQ(r.ReadInt(), 7);
}

TEST(LabelKeyword, OnlyALabelWithUpperTextIsWritten) {
  auto write = [](TSVText* label) {
    TTextWriter w;
    SaveLabel(w, label);
    return w.Bytes();
  };
  EXPECT_EQ(write(nullptr), CrLf({"notext"}));
  auto empty = TSVText::MakeLabel(nullptr, "", 1.0);
  EXPECT_EQ(write(empty.get()), CrLf({"notext"}));
  auto lowerOnly = TLinedText::MakeLabel(nullptr, "", "below", 1.0);
  EXPECT_EQ(write(lowerOnly.get()), CrLf({"notext"}));
  auto full = TLinedText::MakeLabel(nullptr, "A", "B", 1.0);
  EXPECT_EQ(write(full.get()), CrLf({"text", "0 0", "0 0", "0 0", "A", "B"}));
}

// --- fonts -------------------------------------------------------------------------

TEST(TextFont, EscapementFollowsTheDirectionOnTheScreenCounterClockwise) {
  TScene scene;
  TSVText label(4);
  label.SetDefaultFont();
  const struct {
    double dx, dy;
    int escapement;
  } cases[] = {{10, 0, 0}, {0, -10, 900}, {-10, 0, 1800}, {0, 10, 2700}, {10, -10, 450}, {0, 0, 900}};
  for (const auto& c : cases) {
    Place(label, 0, 0, 50, 50, 50 + c.dx, 50 + c.dy);
    label.RefreshFont(scene.Ctx);
    EXPECT_EQ(label.Font.Escapement, c.escapement) << c.dx << "," << c.dy;
    EXPECT_EQ(label.Font.Orientation, c.escapement);
    EXPECT_EQ(scene.Canvas.Font(), label.Font);
  }
}

TEST(TextFont, HeightFollowsTheSymbolScaleAndTheLabelsSizeFactor) {
  TScene half(0.5);
  TSVText loaded(4);  // size factor 0, as after reading a file
  loaded.SetDefaultFont();
  loaded.RefreshFont(half.Ctx);
  EXPECT_EQ(loaded.Font.Height, -7);
  EXPECT_EQ(loaded.SizeFactor, 1.0);

  auto doubled = TSVText::MakeLabel(nullptr, "x", 2.0);
  TScene scene;
  doubled->RefreshFont(scene.Ctx);
  EXPECT_EQ(doubled->Font.Height, -28);

  auto free = TSVRealText::MakeFreeText("x");
  free->OffsetX = 10;
  free->RefreshFont(half.Ctx);
  EXPECT_EQ(free->Font.Height, 9);
  EXPECT_EQ(free->Font.Escapement, 0);

  // So small that the cell height rounds to 0: the text must still lose the
  // lean its font starts with.
  TScene tiny(0.02);
  auto level = TSVRealText::MakeFreeText("x");
  level->OffsetX = 1000;
  level->RefreshFont(tiny.Ctx);
  EXPECT_EQ(level->Font.Escapement, 0);
}

TEST(TextFont, TheRubberBandSharesTheCacheSoTheNextDrawingIsTurnedBack) {
  TScene scene;
  auto label = RightwardLabel<TSVText>("abc");
  Place(*label, 100, 100, 10, -20, 10, -60);  // running upwards
  label->DrawInactive(scene.Ctx);
  TScreenPoints pts{};
  pts[0] = Pt(0, 0);
  pts[1] = Pt(50, 50);
  label->DrawRubber(scene.Ctx, pts, 1);
  label->DrawInactive(scene.Ctx);
  const auto texts = scene.Canvas.OpsOf(TCanvasOpKind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].Font.Escapement, 900);
  EXPECT_EQ(texts[1].Font.Escapement, 0);
  EXPECT_EQ(texts[2].Font.Escapement, 900);
}

// --- single-line labels ---------------------------------------------------------------

TEST(PlainLabel, EditingShowsADottedLeaderAndAnUnderlineOfTheTextsWidth) {
  TScene scene;
  auto label = RightwardLabel<TSVText>("abc", 0x10FFFF);
  label->DrawActive(scene.Ctx);
  const auto lines = scene.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{Pt(100, 100), Pt(110, 80)}));
  EXPECT_EQ(lines[1].Points, (std::vector<TPoint>{Pt(110, 80), Pt(131, 80)}));
  EXPECT_EQ(lines[0].Pen.Style, TPenStyle::Dot);
  EXPECT_EQ(lines[0].Pen.Color, 0x10FFFFu);
  const auto texts = scene.Canvas.OpsOf(TCanvasOpKind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Points[0], Pt(110, 80));
  EXPECT_EQ(texts[0].Align, TTextAlign::BaselineLeft);
  EXPECT_EQ(texts[0].FontColor, 0x10FFFFu);
  EXPECT_TRUE(texts[0].TextTransparent);
  EXPECT_EQ(label->GetBounds(scene.Ctx), (TRect{110, 66, 131, 80}));
}

TEST(PlainLabel, TheOtherLooksWriteOnlyTheTextInTheirColours) {
  TScene scene;
  auto label = RightwardLabel<TSVText>("abc", 0x10FFFF);
  label->DrawSelected(scene.Ctx);
  auto ops = scene.Canvas.OpsOf(TCanvasOpKind::Text);
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].FontColor, clWhite);
  EXPECT_FALSE(ops[0].TextTransparent);
  EXPECT_EQ(ops[0].BackColor, 0xFF0000u);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Line).size(), 1u);

  scene.Canvas.Clear();
  label->DrawPrint(scene.Ctx);
  label->DrawInactive(scene.Ctx);
  ops = scene.Canvas.OpsOf(TCanvasOpKind::Text);
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].FontColor, clBlack);
  EXPECT_EQ(ops[1].FontColor, 0x10FFFFu);
  EXPECT_TRUE(ops[1].TextTransparent);
  EXPECT_TRUE(scene.Canvas.OpsOf(TCanvasOpKind::Line).empty());
}

TEST(PlainLabel, AnUnplacedLabelIsLeftOutWhileEditingButAnUnplacedLinedLabelEverywhereOnScreen) {
  TScene scene;
  auto plain = RightwardLabel<TSVText>("abc");
  plain->Unplaced = true;
  plain->DrawActive(scene.Ctx);
  plain->DrawSelected(scene.Ctx);
  EXPECT_TRUE(scene.Canvas.Ops().empty());
  plain->DrawInactive(scene.Ctx);
  EXPECT_EQ(scene.Canvas.Texts().size(), 1u);

  scene.Canvas.Clear();
  auto lined = RightwardLabel<TLinedText>("abc");
  lined->Unplaced = true;
  lined->DrawActive(scene.Ctx);
  lined->DrawInactive(scene.Ctx);
  lined->DrawSelected(scene.Ctx);
  EXPECT_TRUE(scene.Canvas.Ops().empty());
  lined->DrawPrint(scene.Ctx);
  EXPECT_FALSE(scene.Canvas.Ops().empty());
}

TEST(PlainLabel, CoincidentOffsetsWriteUpwardsButUnderlineToTheRight) {
  TScene scene;
  auto label = RightwardLabel<TSVText>("abc");
  Place(*label, 100, 100, 10, -20, 10, -20);
  label->DrawActive(scene.Ctx);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Text)[0].Font.Escapement, 900);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Line)[1].Points[1], Pt(131, 80));
}

TEST(PlainLabel, ALeftwardTextIsUpsideDownAndStillStartsAtItsBasePoint) {
  TScene scene;
  auto label = RightwardLabel<TSVText>("abc");
  Place(*label, 100, 100, 10, -20, -40, -20);
  label->DrawActive(scene.Ctx);
  const auto text = scene.Canvas.OpsOf(TCanvasOpKind::Text)[0];
  EXPECT_EQ(text.Font.Escapement, 1800);
  EXPECT_EQ(text.Points[0], Pt(110, 80));
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Line)[1].Points[1], Pt(89, 80));
  // The box lies above the upside-down baseline, i.e. below it on the screen.
  EXPECT_EQ(label->GetBounds(scene.Ctx), (TRect{89, 80, 110, 94}));
}

TEST(PlainLabel, PlacingTakesTheSnappedAnchorAndKeepsTheClickedTextPositionAtAnyZoom) {
  TScene scene;
  scene.Ctx.Zoom = 2;
  TScreenPoints pts{};
  pts[0] = Pt(10, 10);
  pts[1] = Pt(30, 10);
  pts[2] = Pt(50, 10);
  TSnapRecord snap{};
  snap[0].Found = true;
  snap[0].X = 100;
  snap[0].Y = 100;
  auto label = TSVText::MakeLabel(nullptr, "abc", 1.0);
  label->PlaceAt(scene.Ctx, pts, snap, 3);
  EXPECT_FALSE(label->Unplaced);
  EXPECT_DOUBLE_EQ(label->AnchorX, 100);
  EXPECT_DOUBLE_EQ(label->Anchor2X, -170);
  EXPECT_DOUBLE_EQ(label->OffsetY, -190);
  EXPECT_EQ(label->BasePoint(scene.Ctx), pts[1]);
  EXPECT_EQ(label->AimPoint(scene.Ctx), pts[2]);

  auto free = TSVRealText::MakeFreeText("abc");
  free->PlaceAt(scene.Ctx, pts, snap, 3);
  EXPECT_DOUBLE_EQ(free->AnchorX, 5);
  EXPECT_EQ(free->BasePoint(scene.Ctx), pts[1]);
}

// --- lined labels -------------------------------------------------------------------

TEST(LinedLabel, TheUpperTextStandsOnTheUnderlineAndTheLowerTextHangsUnderIt) {
  TScene scene;
  auto label = RightwardLabel<TLinedText>("abc", 0x10FFFF);
  label->LowerText = "de";
  label->DrawInactive(scene.Ctx);
  const auto lines = scene.Canvas.OpsOf(TCanvasOpKind::Polyline);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{Pt(100, 100), Pt(110, 80), Pt(131, 80)}));
  EXPECT_EQ(lines[0].Pen.Style, TPenStyle::Solid);
  const auto texts = scene.Canvas.OpsOf(TCanvasOpKind::Text);
  ASSERT_EQ(texts.size(), 2u);
  // Centre of the 21-pixel width (10.5 rounds to 10), raised by 0.9 of the 14-pixel height.
  EXPECT_EQ(texts[0].Points[0], Pt(120, 67));
  EXPECT_EQ(texts[1].Points[0], Pt(120, 80));
  EXPECT_EQ(texts[0].Align, TTextAlign::CenterTop);
  EXPECT_EQ(texts[1].Text, "de");
  EXPECT_EQ(label->GetBounds(scene.Ctx), (TRect{110, 66, 131, 94}));
}

TEST(LinedLabel, TheLeaderMeetsTheUnderlineAtItsNearerEndAndAtTheStartOnATie) {
  TScene scene;
  auto label = RightwardLabel<TLinedText>("abc");
  Place(*label, 140, 100, -30, -20, 20, -20);  // underline (110, 80)-(131, 80), anchor to the right
  label->DrawActive(scene.Ctx);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Polyline)[0].Points,
            (std::vector<TPoint>{Pt(140, 100), Pt(131, 80), Pt(110, 80)}));

  scene.Canvas.Clear();
  label->Text = "ab";  // underline (110, 80)-(124, 80); (117, 100) is as far from both ends
  Place(*label, 117, 100, -7, -20, 43, -20);
  label->DrawActive(scene.Ctx);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Polyline)[0].Points,
            (std::vector<TPoint>{Pt(117, 100), Pt(110, 80), Pt(124, 80)}));
}

TEST(LinedLabel, EachLookHasItsPenAndTextColour) {
  const struct {
    void (TLinedText::*draw)(TDrawContext&);
    TColor color;
    TPenStyle style;
    int width;
  } looks[] = {{&TLinedText::DrawActive, 0x008000, TPenStyle::Dot, 1},
               {&TLinedText::DrawInactive, 0x008000, TPenStyle::Solid, 1},
               {&TLinedText::DrawSelected, 0xFF0000, TPenStyle::Dot, 1},
               {&TLinedText::DrawPrint, clBlack, TPenStyle::Solid, 2}};
  for (const auto& look : looks) {
    TScene scene;
    scene.Ctx.LineFactor = 12;
    auto label = RightwardLabel<TLinedText>("abc", 0x008000);
    ((*label).*look.draw)(scene.Ctx);
    const auto line = scene.Canvas.OpsOf(TCanvasOpKind::Polyline).at(0);
    EXPECT_EQ(line.Pen.Color, look.color);
    EXPECT_EQ(line.Pen.Style, look.style);
    EXPECT_EQ(line.Pen.Width, look.width);
    EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Text).at(0).FontColor, look.color);
  }
  TScene thin;
  thin.Ctx.LineFactor = 3;
  RightwardLabel<TLinedText>("abc")->DrawPrint(thin.Ctx);
  EXPECT_EQ(thin.Canvas.OpsOf(TCanvasOpKind::Polyline).at(0).Pen.Width, 1);
}

TEST(LinedLabel, TheRubberBandShowsBothTextsAtTheMouseThenTurnsThemTowardsIt) {
  TScene scene;
  auto label = TLinedText::MakeLabel(nullptr, "up", "down", 2.0);
  TScreenPoints pts{};
  pts[0] = Pt(0, 0);
  pts[1] = Pt(40, 40);
  pts[2] = Pt(40, 0);
  label->DrawRubber(scene.Ctx, pts, 1);
  auto texts = scene.Canvas.OpsOf(TCanvasOpKind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Points[0], Pt(40, 40));
  EXPECT_EQ(texts[0].Font.Height, -14);  // the size factor is not applied
  EXPECT_EQ(texts[0].Font.Escapement, 0);
  EXPECT_EQ(texts[0].FontColor, 0x10FFFFu);
  EXPECT_EQ(texts[1].Align, TTextAlign::LeftTop);
  const auto line = scene.Canvas.OpsOf(TCanvasOpKind::Line).at(0);
  EXPECT_EQ(line.Pen.Mode, TPenMode::Xor);
  EXPECT_EQ(line.Points, (std::vector<TPoint>{Pt(0, 0), Pt(40, 40)}));

  scene.Canvas.Clear();
  label->DrawRubber(scene.Ctx, pts, 2);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Line).size(), 2u);
  texts = scene.Canvas.OpsOf(TCanvasOpKind::Text);
  EXPECT_EQ(texts.at(0).Points[0], Pt(40, 40));
  EXPECT_EQ(texts.at(0).Font.Escapement, 900);

  scene.Canvas.Clear();
  label->DrawRubber(scene.Ctx, pts, 3);
  EXPECT_TRUE(scene.Canvas.Ops().empty());
}

// --- free texts ---------------------------------------------------------------------

TEST(FreeText, IsWhiteOnScreenAndBlackInPrint) {
  TScene scene;
  auto text = TSVRealText::MakeFreeText("Hello");
  Place(*text, 0, 0, 50, 50, 100, 50);
  text->DrawActive(scene.Ctx);
  auto lines = scene.Canvas.OpsOf(TCanvasOpKind::Line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{Pt(0, 0), Pt(50, 50)}));
  EXPECT_EQ(lines[1].Points, (std::vector<TPoint>{Pt(50, 50), Pt(95, 50)}));
  EXPECT_EQ(lines[1].Pen.Color, clWhite);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Text).at(0).FontColor, clWhite);

  scene.Canvas.Clear();
  text->DrawSelected(scene.Ctx);
  EXPECT_FALSE(scene.Canvas.OpsOf(TCanvasOpKind::Text).at(0).TextTransparent);
  scene.Canvas.Clear();
  text->DrawPrint(scene.Ctx);
  EXPECT_EQ(scene.Canvas.OpsOf(TCanvasOpKind::Text).at(0).FontColor, clBlack);
  EXPECT_TRUE(scene.Canvas.OpsOf(TCanvasOpKind::Line).empty());
}

TEST(FreeText, IsSelectedWhereTheRectangleCrossesTheDiagonalOfItsBox) {
  TScene scene;
  auto text = TSVRealText::MakeFreeText("Hello");  // 45 x 18 above (50, 50)
  Place(*text, 0, 0, 50, 50, 100, 50);
  EXPECT_EQ(text->GetBounds(scene.Ctx), (TRect{50, 32, 95, 50}));
  EXPECT_TRUE(text->SelectInRect(scene.Ctx, TRect{88, 30, 100, 40}));
  EXPECT_TRUE(text->Selected);
  EXPECT_FALSE(text->SelectInRect(scene.Ctx, TRect{52, 30, 60, 36}));
  EXPECT_FALSE(text->Selected);
}

// --- ShowText ------------------------------------------------------------------------

TEST(TextVisibility, TextsFollowTheShowTextSwitchOfTheirOwnersLayer) {
  TTempDir dir;
  TSVObject scheme(dir.Path());
  auto ownerItem = std::make_unique<TSVItem>(7);
  TSVItem* owner = ownerItem.get();
  ASSERT_EQ(scheme.AddItem(std::move(ownerItem)), 10);
  auto label = RightwardLabel<TLinedText>("abc");
  label->OwnerItem = owner;
  auto freeItem = TSVRealText::MakeFreeText("Hello");
  TSVRealText* free = freeItem.get();
  free->OffsetX = 10;
  ASSERT_EQ(scheme.AddItem(std::move(freeItem)), 4);

  TScene scene;
  EXPECT_TRUE(IsValidRect(label->GetBounds(scene.Ctx)));
  EXPECT_TRUE(IsValidRect(free->GetBounds(scene.Ctx)));

  scheme.Layer(10).ShowText = false;
  scheme.Layer(4).ShowText = false;
  EXPECT_EQ(label->GetBounds(scene.Ctx), kNoExtent);
  EXPECT_EQ(free->GetBounds(scene.Ctx), kNoExtent);
  for (TSVItem* item : {static_cast<TSVItem*>(label.get()), static_cast<TSVItem*>(free)}) {
    item->DrawActive(scene.Ctx);
    item->DrawInactive(scene.Ctx);
    item->DrawSelected(scene.Ctx);
    item->DrawPrint(scene.Ctx);
  }
  EXPECT_TRUE(scene.Canvas.Ops().empty());
}
