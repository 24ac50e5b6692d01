// The direction, lane-arrow, line and cable dialogs: which control gives
// which value to the new item, the direction preview, and the cable
// dialog's type-only mode.
#include <gtest/gtest.h>

#include "edit/dialogs/SelArrowFormModel.h"
#include "edit/dialogs/SelCableFormModel.h"
#include "edit/dialogs/SelLineFormModel.h"
#include "edit/dialogs/SelNaprFormModel.h"
#include "items/ECable.h"
#include "items/MarkArrow.h"
#include "items/Napr.h"
#include "items/SingleLine.h"
#include "platform/RecordingCanvas.h"

namespace {

TEST(DirectionDialog, OkSetsTheFlagsOfTheCheckedItemsAndThePhaseShown) {
  struct {
    const char* Oneway;
    const char* Run;
    const char* Dotted;
    bool IsOneway, IsRun;
    int Dashed;
  } const rows[] = {
      {"Стрелка на обоих концах", "Зеленый ", "Прерывистая", false, true, 1},
      {"Стрелка на одном конце", "Красный", "Сплошная ", true, false, 0},
      {"Стрелка на обоих концах", "Красный", "Сплошная ", false, false, 0},
      {"Стрелка на одном конце", "Зеленый ", "Прерывистая", true, true, 1},
  };
  TSelNaprFormModel form;
  int phase = 2;
  for (const auto& row : rows) {
    TNapr arrow(16);
    arrow.Oneway = !row.IsOneway;
    arrow.Run = !row.IsRun;
    arrow.Dashed = static_cast<std::uint8_t>(7);
    form.Prepare(&arrow, phase);
    ASSERT_TRUE(form.Check(row.Oneway));
    ASSERT_TRUE(form.Check(row.Run));
    ASSERT_TRUE(form.Check(row.Dotted));
    ASSERT_EQ(form.Press(TDialogButton::Ok), mrOk);
    EXPECT_EQ(arrow.Oneway, row.IsOneway);
    EXPECT_EQ(arrow.Run, row.IsRun);
    EXPECT_EQ(arrow.Dashed, row.Dashed);
    EXPECT_EQ(arrow.Phase, phase);
    ++phase;
  }
  // Captions are exact, their trailing blanks included.
  EXPECT_FALSE(form.Check("Зеленый"));
  EXPECT_FALSE(form.Check("Сплошная"));
}

TEST(DirectionDialog, StartsOneWayGreenSolidAndCancelLeavesTheArrowAlone) {
  TSelNaprFormModel form;
  EXPECT_TRUE(form.Oneway());
  EXPECT_TRUE(form.Run());
  EXPECT_EQ(form.Dashed(), 0);
  for (TDialogButton button : {TDialogButton::Cancel, TDialogButton::Close}) {
    TNapr arrow(16);
    form.Prepare(&arrow, 3);
    ASSERT_TRUE(form.Check("Прерывистая"));
    ASSERT_TRUE(form.SetText("textfield", "Н2"));
    EXPECT_EQ(form.Press(button), mrCancel);
    EXPECT_FALSE(arrow.Oneway);
    EXPECT_FALSE(arrow.Run);
    EXPECT_EQ(arrow.Dashed, 0);
    EXPECT_EQ(arrow.Phase, 0);
  }
  // Choices and name are offered again.
  EXPECT_EQ(form.Dashed(), 1);
  EXPECT_EQ(form.Label(), "Н2");
  EXPECT_FALSE(form.SetText("TextField", "x"));
}

TEST(DirectionDialog, PreviewDrawsTheChosenLookFrom70To300OnTheBackground) {
  TSelNaprFormModel form;
  TNapr arrow(16);
  form.Prepare(&arrow, 4);
  const TColor background = 0xC8D0D4;
  const TColor green = 0x008000, red = 0x0000FF;

  // One-way, running, solid: the shaft, one head at the tip.
  TRecordingCanvas canvas(TRect{0, 0, 369, 25});
  form.DrawPreview(canvas, 369, 25, background);
  auto fills = canvas.OpsOf(TCanvasOpKind::FillRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].Points, (std::vector<TPoint>{{0, 0}, {369, 25}}));
  EXPECT_EQ(fills[0].Brush.Color, background);
  auto shafts = canvas.OpsOf(TCanvasOpKind::Polyline);
  ASSERT_EQ(shafts.size(), 1u);
  EXPECT_EQ(shafts[0].Points, (std::vector<TPoint>{{70, 10}, {300, 10}}));
  EXPECT_EQ(shafts[0].Pen.Color, green);
  auto heads = canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(heads.size(), 1u);
  for (const TPoint& p : heads[0].Points) EXPECT_GE(p.x, 280);

  // Both ends: a head at the tail too.
  ASSERT_TRUE(form.Check("Стрелка на обоих концах"));
  canvas.Clear();
  form.DrawPreview(canvas, 369, 25, background);
  heads = canvas.OpsOf(TCanvasOpKind::Polygon);
  ASSERT_EQ(heads.size(), 2u);
  for (const TPoint& p : heads[1].Points) EXPECT_LE(p.x, 90);

  // Held and dashed: 15-pixel dashes with 20-pixel gaps from the tail, and a
  // 20-pixel bar across the tip instead of heads.
  ASSERT_TRUE(form.Check("Красный"));
  ASSERT_TRUE(form.Check("Прерывистая"));
  canvas.Clear();
  form.DrawPreview(canvas, 369, 25, background);
  EXPECT_TRUE(canvas.OpsOf(TCanvasOpKind::Polygon).empty());
  EXPECT_TRUE(canvas.OpsOf(TCanvasOpKind::Polyline).empty());
  const auto lines = canvas.OpsOf(TCanvasOpKind::Line);
  const int starts[] = {70, 105, 140, 175, 210, 245, 280};
  ASSERT_EQ(lines.size(), 8u);
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(lines[i].Points, (std::vector<TPoint>{{starts[i], 10}, {starts[i] + 15, 10}})) << i;
    EXPECT_EQ(lines[i].Pen.Color, red);
  }
  EXPECT_EQ(lines[7].Points, (std::vector<TPoint>{{300, 0}, {300, 20}}));

  // The preview never touches the arrow being placed.
  EXPECT_EQ(arrow.Count, 0);
  EXPECT_EQ(arrow.Phase, 0);
}

TEST(LaneArrowAndLineDialogs, EachCaptionGivesItsKindToTheNewItem) {
  const char* arrows[] = {"Только прямо", "Налево", "Направо", "Прямо и налево", "Прямо и направо"};
  TSelArrowFormModel arrowForm;
  EXPECT_EQ(arrowForm.ArrowKind(), 0);
  // Walk backwards so a kind left over from the previous step cannot pass.
  for (int kind = 4; kind >= 0; --kind) {
    ASSERT_TRUE(arrowForm.Check(arrows[kind]));
    EXPECT_EQ(arrowForm.Press(TDialogButton::Ok), mrOk);
    TMarkArrow arrow(27);
    arrow.ArrowKind = 9;
    arrowForm.Fill(arrow);
    EXPECT_EQ(arrow.ArrowKind, kind) << arrows[kind];
  }
  EXPECT_FALSE(arrowForm.Check("Прямо"));
  EXPECT_EQ(arrowForm.Press(TDialogButton::Cancel), mrCancel);
  EXPECT_EQ(arrowForm.Press(TDialogButton::Close), mrCancel);

  const char* lines[] = {"Сплошная", "Длинные штрихи", "Короткие штрихи", "Двойная"};
  TSelLineFormModel lineForm;
  EXPECT_EQ(lineForm.LineKind(), 0);
  for (int kind = 3; kind >= 0; --kind) {
    ASSERT_TRUE(lineForm.Check(lines[kind]));
    EXPECT_EQ(lineForm.Press(TDialogButton::Ok), mrOk);
    TSingleLine line(25);
    line.LineKind = 9;
    lineForm.Fill(line);
    EXPECT_EQ(line.LineKind, kind) << lines[kind];
  }
  EXPECT_FALSE(lineForm.Check("Сплошная "));
  EXPECT_EQ(lineForm.Press(TDialogButton::Cancel), mrCancel);
  EXPECT_EQ(lineForm.Press(TDialogButton::Close), mrCancel);
}

TEST(CableDialog, EachTypeCaptionGivesItsTypeAndTheTextsMakeTheLabel) {
  const char* types[] = {"Кабель питания",           "Контрольный кабель",           "Линия связи ",
                         "Воздушный  кабель питания", "Воздушный контрольный кабель", "Воздушная линия связи"};
  TSelCableFormModel form;
  form.Prepare();
  for (int type = 5; type >= 0; --type) {
    ASSERT_TRUE(form.Check(types[type]));
    TECable cable(5);
    cable.CableType = 9;
    form.Fill(cable);
    EXPECT_EQ(cable.CableType, type) << types[type];
  }
  EXPECT_FALSE(form.Check("Линия связи"));
  EXPECT_FALSE(form.Check("Воздушный кабель питания"));
  EXPECT_FALSE(form.HasLabel());
  ASSERT_TRUE(form.SetText("DownTextField", "АКВБбШв 7x1,5"));
  EXPECT_TRUE(form.HasLabel());
  EXPECT_EQ(form.UpperText(), "");
  EXPECT_EQ(form.LowerText(), "АКВБбШв 7x1,5");
  ASSERT_TRUE(form.SetText("TextField", "L=45 м"));
  EXPECT_EQ(form.UpperText(), "L=45 м");
  EXPECT_FALSE(form.SetText("textfield", "x"));
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(form.Press(TDialogButton::Cancel), mrCancel);
  EXPECT_EQ(form.Press(TDialogButton::Close), mrCancel);
}

TEST(CableDialog, TypeChangeDisablesTheTextsUntilTheDialogClosesWhateverTheResult) {
  for (TDialogButton button : {TDialogButton::Ok, TDialogButton::Cancel, TDialogButton::Close}) {
    TSelCableFormModel form;
    ASSERT_TRUE(form.SetText("TextField", "верх"));
    ASSERT_TRUE(form.SetText("DownTextField", "низ"));
    form.PrepareTypeChange();
    EXPECT_FALSE(form.TextsEnabled());
    EXPECT_FALSE(form.SetText("TextField", "другой"));
    EXPECT_FALSE(form.SetText("DownTextField", ""));
    // The type stays choosable.
    ASSERT_TRUE(form.Check("Воздушная линия связи"));
    EXPECT_EQ(form.CableType(), 5);
    form.Press(button);
    EXPECT_TRUE(form.TextsEnabled());
    // The texts typed for cables before are still offered.
    EXPECT_EQ(form.UpperText(), "верх");
    EXPECT_EQ(form.LowerText(), "низ");
    form.Prepare();
    EXPECT_TRUE(form.SetText("TextField", "новый"));
  }
}

}  // namespace
