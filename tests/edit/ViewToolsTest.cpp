// The tool panel, the view tools, the base image, view mode, and the item
// dialogs' answers as the tools read them.
#include <cmath>

#include "EditFixture.h"
#include "items/CarHead.h"
#include "items/Napr.h"
#include "items/STOLB.h"
#include "items/Sign.h"
#include "items/TramHead.h"
#include "items/WhiteSign.h"
#include "model/Geometry.h"
#include "model/LineSVItem.h"

namespace {

using TEditPanel = TEditFixture;
using TEditView = TEditFixture;
using TEditDialogs = TEditFixture;

TEST_F(TEditPanel, the_panel_holds_every_tool_with_its_cursor_and_enabling_layer) {
  struct TRow {
    const char* Hint;
    int Cursor;
    int Layer;
  };
  const TRow want[] = {
      {"Выбор элемента схемы", kCursorArrow, 0},
      {"Прямой бордюр", 5, 4},
      {"Закругленный бордюр", 6, 4},
      {"Колодец", 12, 5},
      {"Кабель", 9, 2},
      {"Передвинуть схему", 10, 0},
      {"Контроллер", 14, 6},
      {"Увеличить изображение", 16, 0},
      {"Уменьшить изображение", 17, 0},
      {"Стойка или столб", 15, 10},
      {"Соединительная линия", 18, 8},
      {"Головка", 19, 8},
      {"Знак", 20, 8},
      {"Направление движения", 22, 7},
      {"Портал", 23, 10},
      {"Подпись", 21, 4},
      {"Прямой участок рельсов", 24, 4},
      {"Закругленный участок рельсов", 24, 4},
      {"Здание", 25, 1},
      {"Зебра", 26, 3},
      {"Стоп-линия", 26, 3},
      {"Пешеходный переход", 26, 3},
      {"Разделительная линия", 26, 3},
      {"Разрешенные направления движения", 26, 3},
      {"Телефонная коробка", 14, 6},
      {"Отдельный знак", 15, 8},
      {"Трос", 23, 8},
      {"Консоль", 23, 10},
      {"Щит силовой", 14, 6},
      {"Перенос", 10, 0},
      {"Подгонка под основу", kCursorCross, 0},
  };
  const auto& tools = TEditSession::Tools();
  ASSERT_EQ(tools.size(), std::size(want));
  for (std::size_t i = 0; i < tools.size(); ++i) {
    SCOPED_TRACE(want[i].Hint);
    EXPECT_EQ(tools[i].Hint, want[i].Hint);
    EXPECT_EQ(tools[i].Cursor, want[i].Cursor);
    EXPECT_EQ(tools[i].Layer, want[i].Layer);
  }
}

TEST_F(TEditPanel, a_layer_that_is_hidden_or_locked_disables_exactly_its_tools) {
  // Layer 8 locked, layer 3 hidden.
  Run("layer 8 1 0 1\nlayer 3 0 1 1\n");
  const auto& tools = TEditSession::Tools();
  for (std::size_t i = 0; i < tools.size(); ++i) {
    SCOPED_TRACE(tools[i].Hint);
    const bool off = tools[i].Layer == 8 || tools[i].Layer == 3;
    EXPECT_EQ(Session.ToolEnabled(static_cast<int>(i)), !off);
  }
  Run("tool \"Прямой бордюр\"\n");
  EXPECT_FALSE(Session.ChooseTool("Знак"));
  EXPECT_FALSE(Session.ChooseTool("Зебра"));
  EXPECT_FALSE(Session.ChooseTool("Нет такого"));
  EXPECT_EQ(Session.ToolHint(), "Прямой бордюр");
  Run("layer 8 1 1 1\ntool \"Знак\"\n");
  EXPECT_EQ(Session.Cursor(), 20);
}

TEST_F(TEditView, pan_zoom_in_and_zoom_out_move_the_view_as_the_viewer_does) {
  Run("tool \"Передвинуть схему\"\npress 100 100\nmove 120 90\nmove 130 "
      "80\nrelease 130 80\n");
  EXPECT_DOUBLE_EQ(Session.Context().OriginX, 40);
  EXPECT_DOUBLE_EQ(Session.Context().OriginY, 0);
  EXPECT_EQ(Session.PointCount(), 0);
  // A click with the zoom-in tool: zoom 3 about the centre (500, 350).
  Run("tool \"Увеличить изображение\"\nclick 200 200\n");
  EXPECT_DOUBLE_EQ(Session.Context().Zoom, 3);
  EXPECT_DOUBLE_EQ(Session.Context().OriginX, 40 + (40 - 500) * 0.5);
  EXPECT_DOUBLE_EQ(Session.Context().OriginY, 0 + (0 - 350) * 0.5);
  // Zoom-out: 3 * 2/3 about the centre.
  Run("tool \"Уменьшить изображение\"\nclick 10 10\n");
  EXPECT_NEAR(Session.Context().Zoom, 2, 1e-12);
  EXPECT_NEAR(Session.Context().OriginX, -190 + (-190 - 500) * (2.0 / 3 - 1), 1e-9);
  EXPECT_EQ(Session.PointCount(), 0);
}

TEST_F(TEditView, the_base_image_is_dragged_by_whole_image_pixels_and_toggled) {
  TRasterImage image;
  image.Width = 40;
  image.Height = 30;
  image.Pixels.assign(40 * 30, clRed);
  std::string error;
  EXPECT_FALSE(TryRun("command \"Спрятать/показать основу\"\n", error));
  Session.LoadBase(image);
  EXPECT_EQ(Session.BaseState(), TBaseState::Shown);
  EXPECT_EQ(Session.BaseMenuCaption(), "Спрятать");
  // Zoom 2: a drag of (61, 31) pixels moves the image Round(30.5), Round(15.5)
  // = (30, 16).
  Run("tool \"Передвинуть геосъемку\"\npress 100 100\nmove 130 120\nmove 161 "
      "131\nrelease 161 131\n");
  EXPECT_EQ(Session.Context().BaseImageX, 30);
  EXPECT_EQ(Session.Context().BaseImageY, 16);
  Run("command \"Спрятать/показать основу\"\n");
  EXPECT_EQ(Session.BaseState(), TBaseState::Hidden);
  EXPECT_EQ(Session.BaseMenuCaption(), "Показать");
  // The visible part only: at zoom 2 and origin (10, 20) the image from
  // world (30, 16) covers screen (70, 52)-(150, 112).
  Session.ToggleBase();
  bool drawn = false;
  for (const TCanvasOp& op : Canvas.Ops())
    if (op.Kind == TCanvasOpKind::StretchDraw) {
      drawn = true;
      EXPECT_EQ(op.Points[0], (TPoint{70, 52}));
      EXPECT_EQ(op.Points[1], (TPoint{150, 112}));
    }
  EXPECT_TRUE(drawn);
}

TEST_F(TEditView, aligning_turns_the_scheme_and_keeps_the_base_image_under_the_first_point) {
  TRasterImage image;
  image.Width = image.Height = 10;
  image.Pixels.assign(100, clBlue);
  Session.LoadBase(image);
  const TRealPoint first = Session.Context().ScreenToWorld(100, 100);
  // A scheme line to the right, the same line on the image downwards and
  // twice as long: the scheme turns a quarter and doubles.
  Run("tool \"Подогнать под геосъемку\"\nclick 100 100\nclick 300 100\nmove "
      "250 250\nclick 400 200\nclick 400 600\n");
  const TDrawContext& ctx = Session.Context();
  EXPECT_NEAR(ctx.Angle, kPi / 2, 1e-9);
  EXPECT_NEAR(ctx.BaseScale, 2, 1e-9);
  EXPECT_EQ(Session.PointCount(), 0);
  EXPECT_EQ(Session.ToolHint(), "Подгонка под основу");
  // The image moved by the way the first point went from the third click,
  // in image pixels at zoom 2.
  const TPoint now = ctx.WorldToScreen(first.x, first.y);
  EXPECT_EQ(ctx.BaseImageX, static_cast<int>(std::nearbyint((now.x - 400) / 2.0)));
  EXPECT_EQ(ctx.BaseImageY, static_cast<int>(std::nearbyint((now.y - 200) / 2.0)));
}

TEST_F(TEditView, a_zoom_drag_frames_the_view_once_it_is_ten_pixels_long_along_the_drag) {
  // Zoom 0.1, origin (0, 0). A drag of (8, 6) is 10 pixels long: the frame
  // (300, 300)-(308, 306) fills the 1000 x 700 box. Its centre (304, 303)
  // goes to (500, 350), then the scale is 0.1 / max(6/700, 8/1000).
  Run("view 0.1 0 0\ntool \"Увеличить изображение\"\npress 300 300\nmove 308 306\nrelease 308 306\n");
  const double f = 6.0 / 700;
  EXPECT_NEAR(Session.Context().Zoom, 0.1 / f, 1e-9);
  EXPECT_NEAR(Session.Context().OriginX, 500 + (196 - 500) / f, 1e-6);
  EXPECT_NEAR(Session.Context().OriginY, 350 + (47 - 350) / f, 1e-6);
  // A drag of (7, 7) is 9.9 pixels: a click, zoom 1.5 times about the centre.
  Run("view 0.1 0 0\npress 300 300\nmove 307 307\nrelease 307 307\n");
  EXPECT_NEAR(Session.Context().Zoom, 0.15, 1e-12);
  EXPECT_NEAR(Session.Context().OriginX, -250, 1e-9);
  EXPECT_NEAR(Session.Context().OriginY, -175, 1e-9);
}

class TEditAlign : public TEditFixture {
 protected:
  // Aligns with a base image: the scheme turns a quarter and doubles, its
  // origin stays (10, 20).
  void AlignQuarterTurn() {
    TRasterImage image;
    image.Width = image.Height = 10;
    image.Pixels.assign(100, clBlue);
    Session.LoadBase(image);
    Run("tool \"Подгонка под основу\"\nclick 100 100\nclick 300 100\nclick 400 200\nclick 400 600\n");
    ASSERT_NEAR(Session.Context().Angle, kPi / 2, 1e-9);
    ASSERT_NEAR(Session.Context().BaseScale, 2, 1e-9);
  }
};

TEST_F(TEditAlign, resetting_the_rotation_keeps_the_scheme_point_at_the_centre) {
  AlignQuarterTurn();
  // The centre (500, 350) shows world ((350 - 20) / 4, -(500 - 10) / 4) =
  // (82.5, -122.5); unturned at zoom 2 it stays there.
  Run("command \"Сбросить поворот\"\n");
  const TDrawContext& ctx = Session.Context();
  EXPECT_EQ(ctx.Angle, 0);
  EXPECT_EQ(ctx.BaseScale, 1);
  EXPECT_EQ(ctx.SinAngle, 0);
  EXPECT_EQ(ctx.CosAngle, 1);
  EXPECT_EQ(ctx.Zoom, 2);
  EXPECT_NEAR(ctx.OriginX, 500 - 82.5 * 2, 1e-9);
  EXPECT_NEAR(ctx.OriginY, 350 + 122.5 * 2, 1e-9);
  EXPECT_EQ(Session.BaseState(), TBaseState::Shown);
}

TEST_F(TEditAlign, leaving_the_editor_drops_the_alignment_with_the_base_image) {
  AlignQuarterTurn();
  Session.Close();
  EXPECT_EQ(Session.BaseState(), TBaseState::None);
  Session.Prepare();
  Session.Show();
  EXPECT_EQ(Session.Context().Angle, 0);
  EXPECT_EQ(Session.Context().BaseScale, 1);
  EXPECT_EQ(Session.Context().SinAngle, 0);
}

TEST_F(TEditView, view_mode_places_nothing_but_still_selects) {
  Run("tool \"Прямой бордюр\"\nclick 100 100\nclick 300 100\ncommand "
      "\"Редактирование/просмотр\"\n");
  EXPECT_FALSE(Session.Editing());
  Run("click 100 200\nclick 300 200\n");
  EXPECT_EQ(Items(4).size(), 1u);
  EXPECT_EQ(Session.PointCount(), 0);
  Run("tool \"Выбор элемента схемы\"\nclick 200 100\n");
  EXPECT_TRUE(Items(4)[0]->Selected);
  Run("command \"Редактирование/просмотр\"\n");
  EXPECT_TRUE(Session.Editing());
}

TEST_F(TEditView, the_changed_flag_follows_additions_deletions_and_saving) {
  EXPECT_FALSE(Session.Changed());
  Run("tool \"Прямой бордюр\"\nclick 100 100\nclick 300 100\n");
  EXPECT_TRUE(Session.Changed());
  Run("command \"Сохранить изменения\"\n");
  EXPECT_FALSE(Session.Changed());
  Run("key Ctrl+Z\n");
  EXPECT_TRUE(Session.Changed());
  Run("command \"Сохранить изменения\"\nkey Delete\n");
  // Nothing was selected: nothing deleted, nothing changed.
  EXPECT_FALSE(Session.Changed());
}

TEST_F(TEditView, undo_reaches_back_more_than_a_hundred_steps) {
  std::string script = "tool \"Прямой бордюр\"\n";
  for (int i = 0; i < 150; ++i) script += "click 100 " + std::to_string(100 + 3 * i) + "\nclick 300 100\n";
  Run(script);
  ASSERT_EQ(Items(4).size(), 150u);
  EXPECT_EQ(Session.UndoSteps(), 150);
  for (int i = 0; i < 150; ++i) Run("key Ctrl+Z\n");
  EXPECT_TRUE(Items(4).empty());
  EXPECT_EQ(Session.RedoSteps(), 150);
  for (int i = 0; i < 150; ++i) Run("key Ctrl+Y\n");
  EXPECT_EQ(Items(4).size(), 150u);
}

// A pole at world (50, 100) with a stick to screen (150, 260).
const char* kPoleAndStick =
    "tool \"Стойка или столб\"\ndialog TStolbMenuForm ok\nclick 110 220\n"
    "tool \"Соединительная линия\"\nclick 110 220\nclick 150 260\n";

TEST_F(TEditDialogs, the_sign_dialog_closed_by_its_close_box_places_no_sign) {
  Run(kPoleAndStick);
  Run("tool \"Знак\"\n"
      "dialog TSelSignForm check \"Треугольный знак\" close\nclick 150 "
      "260\nclick 190 260\n");
  EXPECT_TRUE(Items(11).empty());
  EXPECT_EQ(Session.PointCount(), 0);
  // Ok on the same choice places the triangular sign (kind 2), and a
  // cleared number gives it no label.
  Run("dialog TSelSignForm check \"Треугольный знак\" text textfield \"\" "
      "ok\nclick 150 260\nclick 190 260\n");
  auto* sign = Only<TSign>(11);
  ASSERT_NE(sign, nullptr);
  EXPECT_EQ(sign->TypeCode, 13u);
  EXPECT_EQ(sign->Kind, 2);
  EXPECT_FALSE(sign->Label);
  EXPECT_EQ(Session.Cursor(), 20);
}

TEST_F(TEditDialogs, a_sign_number_of_blanks_only_gives_no_label) {
  Run(kPoleAndStick);
  Run("tool \"Знак\"\n"
      "dialog TSelSignForm check \"Stop\" text textfield \"  \t \" ok\nclick 150 260\nclick 190 260\n");
  auto* sign = Only<TSign>(11);
  ASSERT_NE(sign, nullptr);
  EXPECT_EQ(sign->Kind, 7);
  EXPECT_FALSE(sign->Label);
  // No label placement follows: the sign tool's cursor, not the label's.
  EXPECT_EQ(Session.Cursor(), 20);
  EXPECT_EQ(Session.PointCount(), 0);
}

TEST_F(TEditDialogs, a_white_sign_takes_the_cells_clicked_and_a_labelled_sign_its_number) {
  Run(kPoleAndStick);
  // (60, 10) is cell 3 once; (110, 60) cell 1 twice; (100, 20) cell 2 three
  // times.
  Run("tool \"Знак\"\n"
      "dialog TSelSignForm check \"Направление главной дороги\" ok\n"
      "dialog TWhiteSignForm cell 60 10 cell 110 60 cell 110 60 cell 100 20 "
      "cell 100 20 cell 100 20 ok\n"
      "click 150 260\nclick 190 260\nclick 170 300\nclick 210 300\n");
  auto* white = Only<TWhiteSign>(11);
  ASSERT_NE(white, nullptr);
  EXPECT_EQ(white->Kind, 17);
  const int cells[9] = {0, 2, 0, 1, 0, 0, 0, 0, 0};
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(white->Cells[static_cast<std::size_t>(i)], cells[i]) << i;
  ASSERT_TRUE(white->Label);
  EXPECT_EQ(white->Label->Text, "7.13");
}

TEST_F(TEditDialogs, a_head_without_a_label_text_gets_no_label_and_a_cancelled_one_is_not_made) {
  Run(kPoleAndStick);
  Run("tool \"Головка\"\ndialog TSelHeadForm cancel\nclick 150 260\nclick 190 "
      "260\n");
  EXPECT_TRUE(Items(12).empty());
  // A tram head with "-" in every list: no directions, an empty label.
  Run("dialog TSelHeadForm check \"Трамвайная\" ok\nclick 150 260\nclick 190 "
      "260\n");
  auto* tram = Only<TTramHead>(12);
  ASSERT_NE(tram, nullptr);
  EXPECT_FALSE(tram->LeftNapr || tram->StraightNapr || tram->RightNapr);
  EXPECT_FALSE(tram->Label);
  EXPECT_EQ(Session.PointCount(), 0);
  EXPECT_EQ(Session.Cursor(), 19);
}

TEST_F(TEditDialogs, a_cancelled_pole_or_direction_leaves_nothing_and_a_pole_label_starts_at_the_pole) {
  Run("tool \"Стойка или столб\"\ndialog TStolbMenuForm text TextField \"С9\" "
      "cancel\nclick 110 220\n"
      "tool \"Направление движения\"\ndialog TSelNaprForm cancel\nclick 100 "
      "100\nclick 300 100\nclick 301 101\n");
  EXPECT_TRUE(Items(10).empty());
  EXPECT_TRUE(Items(7).empty());
  EXPECT_EQ(Session.UndoSteps(), 0);
  // The pole dialog remembers the text; Ok makes an own pole with a label
  // hung at the pole's click, world (50, 100).
  Run("tool \"Стойка или столб\"\ndialog TStolbMenuForm check \"Свой\" "
      "ok\nclick 110 220\nclick 150 200\nclick 190 "
      "200\n");
  auto* pole = Only<TSTOLB>(10);
  ASSERT_NE(pole, nullptr);
  EXPECT_TRUE(pole->Own);
  ASSERT_TRUE(pole->Label);
  EXPECT_EQ(pole->Label->Text, "С9");
  EXPECT_DOUBLE_EQ(pole->Label->AnchorX, 50);
  EXPECT_DOUBLE_EQ(pole->Label->AnchorY, 100);
  EXPECT_FALSE(pole->Label->Unplaced);
}

}  // namespace

namespace {

bool SameOp(const TCanvasOp& a, const TCanvasOp& b) {
  return a.Kind == b.Kind && a.Points == b.Points && a.Pen.Mode == b.Pen.Mode && a.Pen.Color == b.Pen.Color;
}

TEST_F(TEditView, a_rubber_band_is_erased_by_drawing_it_again_before_the_next) {
  Run("tool \"Прямой бордюр\"\nclick 100 100\n");
  Session.MouseMove(200, 150);
  const std::vector<TCanvasOp> first = Canvas.Ops();
  ASSERT_FALSE(first.empty());
  for (const TCanvasOp& op : first) EXPECT_EQ(op.Pen.Mode, TPenMode::Xor);
  Canvas.Clear();
  Session.MouseMove(260, 90);
  const std::vector<TCanvasOp>& both = Canvas.Ops();
  ASSERT_EQ(both.size(), 2 * first.size());
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_TRUE(SameOp(both[i], first[i])) << i;
  // The new band goes to the new cursor position.
  bool reaches = false;
  for (std::size_t i = first.size(); i < both.size(); ++i)
    for (const TPoint& p : both[i].Points) reaches = reaches || p == TPoint{260, 90};
  EXPECT_TRUE(reaches);
}

TEST_F(TEditView, the_selection_drag_shows_a_dotted_white_xor_frame) {
  Run("tool \"Выбор элемента схемы\"\npress 300 200\n");
  Session.MouseMove(120, 260);
  const auto frames = Canvas.OpsOf(TCanvasOpKind::Rectangle);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].Points[0], (TPoint{120, 200}));
  EXPECT_EQ(frames[0].Points[1], (TPoint{300, 260}));
  EXPECT_EQ(frames[0].Pen.Style, TPenStyle::Dot);
  EXPECT_EQ(frames[0].Pen.Mode, TPenMode::Xor);
  EXPECT_EQ(frames[0].Pen.Color, clWhite);
  EXPECT_EQ(frames[0].Brush.Style, TBrushStyle::Clear);
}

}  // namespace

TEST_F(TEditView, the_wheel_zooms_about_the_cursor_and_keeps_a_curb_in_progress_on_the_scheme) {
  // Screen (200, 300) is world (95, 140): the curb's first point, not snapped.
  Run("tool \"Прямой бордюр\"\nclick 200 300\n");
  ASSERT_EQ(Session.PointCount(), 1);
  // Two notches at (310, 120), world (150, 50): zoom 2 × 1.25² = 3.125.
  Session.Wheel(310, 120, 2);
  const TDrawContext& v = Session.Context();
  EXPECT_DOUBLE_EQ(v.Zoom, 3.125);
  EXPECT_EQ(v.WorldToScreen(150, 50), (TPoint{310, 120}));
  // The origin, world (0, 0), moves away from the cursor by the zoom's ratio:
  // 310 + (10 − 310) · 1.5625 = −158.75, 120 + (20 − 120) · 1.5625 = −36.25.
  EXPECT_DOUBLE_EQ(v.OriginX, -158.75);
  EXPECT_DOUBLE_EQ(v.OriginY, -36.25);
  // The first point follows the scheme: 310 + (200 − 310) · 1.5625 = 138.125,
  // 120 + (300 − 120) · 1.5625 = 401.25.
  EXPECT_EQ(Session.Place().Points[0], (TPoint{138, 401}));
  // Three notches back towards the user at another point, then past the
  // smallest zoom: nothing moves.
  Session.Wheel(700, 50, -3);
  EXPECT_DOUBLE_EQ(v.Zoom, 3.125 / 1.953125);
  EXPECT_DOUBLE_EQ(v.OriginX, 700 + (-158.75 - 700) * 0.512);
  const double origin = v.OriginX;
  Session.Wheel(700, 50, -20);
  EXPECT_DOUBLE_EQ(v.OriginX, origin);
}
