// The sign, text, pole and white-sign dialogs: what each control fills, what
// Ok gives, and what survives to the next opening.
#include <gtest/gtest.h>

#include <set>

#include "edit/dialogs/SelSignFormModel.h"
#include "edit/dialogs/SetTextFormModel.h"
#include "edit/dialogs/StolbMenuFormModel.h"
#include "edit/dialogs/WhiteSignFormModel.h"
#include "items/STOLB.h"
#include "items/WhiteSign.h"
#include "platform/RecordingCanvas.h"

namespace {

struct TSignRow {
  const char* Caption;
  const char* Number;
  int Kind;
};

// The eighteen radio buttons with the catalogue number each proposes and
// the kind Ok gives, written out from the road-sign catalogue.
const TSignRow kSignRows[] = {
    {"Синий круглый знак", "", 1},           {"Треугольный знак", "", 2},
    {"Квадратный знак", "", 3},              {"Главная дорога", "2.1", 4},
    {"Красный круглый знак", "", 5},         {"Уступи дорогу", "2.4", 6},
    {"Stop", "2.5", 7},                      {"Конец главной дороги", "2.2", 8},
    {"Движение прямо", "4.1.1", 9},          {"Движение направо", "4.1.2", 10},
    {"Движение налево", "4.1.3", 11},        {"Движение прямо или направо", "4.1.4", 12},
    {"Движение прямо или налево", "4.1.5", 13}, {"Круговое движение", "4.3", 14},
    {"Движение направо или налево", "4.1.6", 15}, {"Въезд запрещен", "3.1", 16},
    {"Направление главной дороги", "7.13", 17}, {"Табличка", "7.", 18},
};

TEST(SignDialog, EveryRadioButtonProposesItsNumberAndOkGivesItsKind) {
  TSelSignFormModel form;
  // Start from a number typed by hand, so a button that proposes nothing
  // must visibly empty the field.
  ASSERT_TRUE(form.SetText("textfield", "9.99"));
  for (const TSignRow& row : kSignRows) {
    SCOPED_TRACE(row.Caption);
    ASSERT_TRUE(form.Check(row.Caption));
    EXPECT_EQ(form.Kind(), row.Kind);
    EXPECT_EQ(form.Number(), row.Number);
    EXPECT_EQ(form.Press(TDialogButton::Ok), row.Kind);
    form.SetText("textfield", "9.99");
  }
}

TEST(SignDialog, OkNeedsAChosenKindAndCancelOrCloseBoxPlaceNoSign) {
  TSelSignFormModel form;
  EXPECT_EQ(form.Kind(), 0);
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrNone);
  // The close box must not give 2, which would place a triangular sign.
  EXPECT_EQ(form.Press(TDialogButton::Close), TSelSignFormModel::kCancelled);
  EXPECT_EQ(form.Press(TDialogButton::Cancel), TSelSignFormModel::kCancelled);
  ASSERT_TRUE(form.Check("Stop"));
  EXPECT_EQ(form.Press(TDialogButton::Close), 19);
  EXPECT_EQ(form.Press(TDialogButton::Cancel), 19);
}

TEST(SignDialog, NumberFollowsTheButtonThatBecomesChecked) {
  TSelSignFormModel form;
  ASSERT_TRUE(form.Check("Stop"));
  EXPECT_EQ(form.Number(), "2.5");
  ASSERT_TRUE(form.Check("Синий круглый знак"));
  EXPECT_EQ(form.Number(), "");

  // Main road with the number cleared: a main-road sign without a label.
  ASSERT_TRUE(form.Check("Главная дорога"));
  ASSERT_TRUE(form.SetText("textfield", ""));
  EXPECT_EQ(form.Press(TDialogButton::Ok), 4);
  EXPECT_EQ(form.Number(), "");

  // A number edited for the checked button survives a second click on it,
  // not a change to another button and back.
  ASSERT_TRUE(form.SetText("textfield", "2.1 (доп.)"));
  ASSERT_TRUE(form.Check("Главная дорога"));
  EXPECT_EQ(form.Number(), "2.1 (доп.)");
  ASSERT_TRUE(form.Check("Табличка"));
  ASSERT_TRUE(form.Check("Главная дорога"));
  EXPECT_EQ(form.Number(), "2.1");
}

TEST(SignDialog, UnknownControlsAreRefusedAndLeaveTheChoice) {
  TSelSignFormModel form;
  ASSERT_TRUE(form.Check("Уступи дорогу"));
  EXPECT_FALSE(form.Check("Уступи дорогу "));  // a trailing blank is another caption
  EXPECT_FALSE(form.Check("stop"));
  EXPECT_FALSE(form.SetText("TextField", "1.1"));
  EXPECT_FALSE(form.Select("textfield", "1.1"));
  EXPECT_FALSE(form.ClickCell(1, 1));
  EXPECT_EQ(form.Kind(), 6);
  EXPECT_EQ(form.Number(), "2.4");
}

TEST(SignDialog, ChoiceAndNumberSurviveToTheNextOpening) {
  TSelSignFormModel form;
  ASSERT_TRUE(form.Check("Движение налево"));
  ASSERT_TRUE(form.SetText("textfield", "4.1.3*"));
  ASSERT_EQ(form.Press(TDialogButton::Cancel), 19);
  form.Prepare();
  EXPECT_EQ(form.Kind(), 11);
  EXPECT_EQ(form.Number(), "4.1.3*");
  EXPECT_EQ(form.Press(TDialogButton::Ok), 11);
}

TEST(SignDialog, RadioButtonsCoverEveryKindOnceTenLeftEightRight) {
  const auto& choices = TSelSignFormModel::Choices();
  ASSERT_EQ(choices.size(), 18u);
  std::set<int> kinds;
  std::set<std::string> names;
  int left = 0;
  for (const TSignChoice& c : choices) {
    kinds.insert(c.Kind);
    names.insert(c.Name);
    left += c.Column == 0;
  }
  EXPECT_EQ(kinds.size(), 18u);
  EXPECT_EQ(*kinds.begin(), 1);
  EXPECT_EQ(*kinds.rbegin(), 18);
  EXPECT_EQ(names.size(), 18u);
  EXPECT_EQ(left, 10);
  // Top of each column, as the user reads them.
  EXPECT_STREQ(choices[0].Name, "mainsi");
  EXPECT_EQ(TSelSignFormModel::KindCaption(choices[0].Kind), "Главная дорога");
  EXPECT_STREQ(choices[10].Name, "arrow1SB");
  EXPECT_EQ(TSelSignFormModel::KindCaption(choices[10].Kind), "Движение прямо");
  EXPECT_EQ(TSelSignFormModel::KindCaption(19), "");
}

TEST(TextDialog, OkGivesTheTextAndEveryOtherWayOutGivesNone) {
  TSetTextFormModel form;
  ASSERT_TRUE(form.SetText("textfield", "ШУ-1"));
  EXPECT_FALSE(form.SetText("TextField", "x"));
  struct {
    TDialogButton Button;
    int Result;
    const char* Text;
  } const rows[] = {
      {TDialogButton::Ok, mrOk, "ШУ-1"},
      {TDialogButton::Cancel, mrCancel, ""},  // "Без текста" and Esc
      {TDialogButton::Close, mrCancel, ""},
  };
  for (const auto& row : rows) {
    const int result = form.Press(row.Button);
    EXPECT_EQ(result, row.Result);
    EXPECT_EQ(form.TextFor(result), row.Text);
  }
  // The field is not cleared between uses.
  form.Prepare();
  EXPECT_EQ(form.Text(), "ШУ-1");
}

TEST(PoleDialog, OkSetsOwnershipAndMakesTheLabelFromTheField) {
  TStolbMenuFormModel form;
  // A new dialog proposes a foreign pole.
  EXPECT_EQ(form.StolbType(), 1);

  TSTOLB first(7);
  form.Prepare(&first);
  ASSERT_TRUE(form.Check("Свой"));
  ASSERT_TRUE(form.SetText("TextField", "оп.12"));
  ASSERT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_TRUE(first.Own);
  ASSERT_TRUE(first.Label);
  EXPECT_EQ(first.Label->TypeCode, 4u);
  EXPECT_EQ(first.Label->Text, "оп.12");
  EXPECT_EQ(first.Label->LowerText, "");
  EXPECT_EQ(first.Label->SizeFactor, 1.0);
  EXPECT_EQ(first.Label->OwnerItem, &first);

  // The next pole is offered the previous type and text.
  TSTOLB second(7);
  second.Own = false;
  form.Prepare(&second);
  EXPECT_EQ(form.StolbType(), 0);
  EXPECT_EQ(form.Text(), "оп.12");
  ASSERT_TRUE(form.Check("Чужой"));
  ASSERT_TRUE(form.SetText("TextField", ""));
  ASSERT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_FALSE(second.Own);
  EXPECT_FALSE(second.Label);
  EXPECT_EQ(form.Pole(), &second);
}

TEST(PoleDialog, CancelAndCloseBoxLeaveThePoleAsItWas) {
  for (TDialogButton button : {TDialogButton::Cancel, TDialogButton::Close}) {
    TStolbMenuFormModel form;
    TSTOLB pole(7);
    form.Prepare(&pole);
    ASSERT_TRUE(form.Check("Свой"));
    ASSERT_TRUE(form.SetText("TextField", "оп.3"));
    EXPECT_EQ(form.Press(button), mrCancel);
    EXPECT_FALSE(pole.Own);
    EXPECT_FALSE(pole.Label);
  }
  TStolbMenuFormModel form;
  EXPECT_FALSE(form.Check("Свой "));
  EXPECT_FALSE(form.SetText("textfield", "x"));
  EXPECT_EQ(form.StolbType(), 1);
}

TEST(WhiteSignDialog, ClickPicksTheCellOfItsSector) {
  // (x, y) in picture pixels; the centre is (60, 60) and y grows downwards,
  // so the angle is that of (x - 60, 60 - y) counted counter-clockwise.
  struct {
    int X, Y, Cell;
  } const rows[] = {
      {110, 60, 1},   // 0
      {100, 20, 2},   // 45 degrees
      {60, 10, 3},    // 90
      {20, 20, 4},    // 135
      {10, 60, 5},    // 180
      {20, 100, 6},   // 225
      {60, 110, 7},   // 270
      {100, 100, 8},  // 315
      {60, 60, 3},    // the centre itself counts as straight up
      {160, 19, 1},   // atan(41/100) = 22.29 degrees, just inside cell 1
      {160, 18, 2},   // atan(42/100) = 22.78 degrees, just past 22.5
      {160, 101, 1},  // 360 - 22.29 = 337.71 degrees, past 337.5
      {160, 102, 8},  // 360 - 22.78 = 337.22 degrees
      {19, 0, 4},     // (-41, 60): 124.3 degrees, between 112.5 and 157.5
      {0, 119, 6},    // (-60, -59): 224.5 degrees, between 202.5 and 247.5
  };
  for (const auto& row : rows) {
    EXPECT_EQ(TWhiteSignFormModel::CellAt(row.X, row.Y), row.Cell) << row.X << "," << row.Y;
  }
}

TEST(WhiteSignDialog, ClicksCycleOnlyTheirCellInTheSignItself) {
  TWhiteSignFormModel form;
  EXPECT_FALSE(form.ClickCell(60, 10));  // no sign bound yet
  TWhiteSign sign(34);
  form.Prepare(&sign);
  const int expected[3] = {1, 2, 0};
  for (int click = 0; click < 3; ++click) {
    ASSERT_TRUE(form.ClickCell(60, 10));
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(sign.Cells[i], i == 3 ? expected[click] : 0) << i;
  }
  ASSERT_TRUE(form.ClickCell(100, 100));
  ASSERT_TRUE(form.ClickCell(100, 100));
  ASSERT_TRUE(form.ClickCell(10, 60));
  const std::array<std::uint8_t, 9> cells{0, 0, 0, 0, 0, 1, 0, 0, 2};
  EXPECT_EQ(sign.Cells, cells);
  EXPECT_EQ(form.Cells(), cells);
  // Ok and the close box both leave the cells as clicked.
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(form.Press(TDialogButton::Close), mrCancel);
  EXPECT_EQ(sign.Cells, cells);
}

TEST(WhiteSignDialog, PictureShowsASecondaryStubToTheInnerPointAndTheMainRoadToTheCentre) {
  TWhiteSign sign(34);
  sign.Cells[1] = 1;  // right, secondary
  sign.Cells[2] = 1;  // up-right, secondary
  sign.Cells[3] = 2;  // up, main road
  TWhiteSignFormModel form;
  form.Prepare(&sign);
  TRecordingCanvas canvas(TRect{0, 0, 120, 120});
  form.DrawPicture(canvas);
  const auto& ops = canvas.Ops();
  ASSERT_EQ(ops.size(), 4u);
  EXPECT_EQ(ops[0].Kind, TCanvasOpKind::Polygon);
  EXPECT_EQ(ops[0].Points, (std::vector<TPoint>{{1, 1}, {119, 1}, {119, 119}, {1, 119}}));
  EXPECT_EQ(ops[0].Brush.Color, clWhite);
  EXPECT_EQ(ops[0].Pen.Width, 2);
  // Cell 1: (a, c) = (1, 0.9) -> (60 + 54, 120 - 60); (1, 0.2) -> (72, 60).
  EXPECT_EQ(ops[1].Points, (std::vector<TPoint>{{114, 60}, {72, 60}}));
  EXPECT_EQ(ops[1].Pen.Width, 3);
  // Cell 2: (1.9, 0.9) -> (114, 6); (1.2, 0.2) -> (72, 48).
  EXPECT_EQ(ops[2].Points, (std::vector<TPoint>{{114, 6}, {72, 48}}));
  EXPECT_EQ(ops[2].Pen.Width, 3);
  // Cell 3: (1.9, 0) -> (60, 6), thick, to the centre (60, 60).
  EXPECT_EQ(ops[3].Points, (std::vector<TPoint>{{60, 6}, {60, 60}}));
  EXPECT_EQ(ops[3].Pen.Width, 6);
  for (std::size_t i = 1; i < ops.size(); ++i) {
    EXPECT_EQ(ops[i].Kind, TCanvasOpKind::Line);
    EXPECT_EQ(ops[i].Pen.Color, clBlack);
  }
}

}  // namespace
