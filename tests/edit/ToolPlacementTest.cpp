// Each tool family turns its clicks into the item its stored lines describe.
#include <cmath>

#include "EditFixture.h"
#include "items/ArrowSign.h"
#include "items/BrickSign.h"
#include "items/LeaveSign.h"
#include "items/MainSign.h"
#include "items/StopSign.h"
#include "items/TableSign.h"
#include "items/WhiteSign.h"
#include "items/Build.h"
#include "items/Contr.h"
#include "items/ECable.h"
#include "items/Ferma.h"
#include "items/MarkArrow.h"
#include "items/Napr.h"
#include "items/STOLB.h"
#include "items/SingleLine.h"
#include "items/Stick.h"
#include "items/Tros.h"
#include "items/WELL.h"
#include "model/LineSVItem.h"

namespace {

struct TLineCase {
  const char* Hint;
  int Layer;
  unsigned Code;
};

using TEditTools = TEditFixture;

TEST_F(TEditTools, two_click_tools_store_both_ends_in_world_units) {
  // Screen (110, 220) is world (50, 100); screen (350, 160) is world (170, 70).
  const TLineCase cases[] = {{"Прямой бордюр", 4, 1},
                             {"Прямой участок рельсов", 4, 19},
                             {"Стоп-линия", 3, 24},
                             {"Пешеходный переход", 3, 26},
                             {"Разделительная линия", 3, 25}};
  for (const TLineCase& c : cases) {
    SCOPED_TRACE(c.Hint);
    const std::size_t before = Items(c.Layer).size();
    Run(std::string("tool \"") + c.Hint + "\"\n" +
        "dialog TSelLineForm check \"Двойная\" ok\n"
        "click 110 220\nmove 300 200\nclick 350 160\n");
    const auto items = Items(c.Layer);
    ASSERT_EQ(items.size(), before + 1);
    auto* line = dynamic_cast<TLineSVItem*>(items.back());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->TypeCode, c.Code);
    EXPECT_DOUBLE_EQ(line->X1, 50);
    EXPECT_DOUBLE_EQ(line->Y1, 100);
    EXPECT_DOUBLE_EQ(line->X2, 170);
    EXPECT_DOUBLE_EQ(line->Y2, 70);
    EXPECT_TRUE(line->Selected);
    EXPECT_EQ(Session.PointCount(), 0);
  }
  // Only the separating line asked for its line type; "Двойная" is kind 3.
  auto* single = dynamic_cast<TSingleLine*>(Items(3).back());
  ASSERT_NE(single, nullptr);
  EXPECT_EQ(single->LineKind, 3);
  ASSERT_EQ(Host.Openings().size(), 1u);
  EXPECT_EQ(Host.Openings()[0].Form, "TSelLineForm");
}

TEST_F(TEditTools, a_cancelled_line_or_lane_arrow_dialog_leaves_nothing) {
  Run("tool \"Разделительная линия\"\ndialog TSelLineForm cancel\nclick 110 "
      "220\nclick 350 160\n"
      "tool \"Разрешенные направления движения\"\ndialog TSelArrowForm "
      "close\nclick 110 220\nclick 350 160\n");
  EXPECT_TRUE(Items(3).empty());
  Run("dialog TSelArrowForm check \"Прямо и направо\" ok\nclick 110 220\nclick "
      "350 160\n");
  auto* arrow = Only<TMarkArrow>(3);
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(arrow->ArrowKind, 4);
}

// A pole at screen (110, 220) = world (50, 100) and one at (410, 120) = (200,
// 50).
const char* kTwoPoles =
    "tool \"Стойка или столб\"\n"
    "dialog TStolbMenuForm text TextField \"\" ok\nclick 110 220\n"
    "dialog TStolbMenuForm ok\nclick 410 120\n";

TEST_F(TEditTools, carrier_items_take_the_carriers_anchor_exactly) {
  Run(kTwoPoles);
  ASSERT_EQ(Items(10).size(), 2u);
  // Clicks a pixel or two off the poles still hang on their centres.
  Run("tool \"Портал\"\nclick 111 221\nclick 409 121\n"
      "tool \"Трос\"\nclick 112 219\nclick 411 119\n"
      "tool \"Консоль\"\nclick 109 220\nclick 250 300\n"
      "tool \"Соединительная линия\"\nclick 411 121\nclick 450 160\n");
  const auto gantries = Items(9);
  ASSERT_EQ(gantries.size(), 3u);
  auto* portal = dynamic_cast<TFerma*>(gantries[0]);
  auto* stay = dynamic_cast<TTros*>(gantries[1]);
  auto* console = dynamic_cast<TFerma*>(gantries[2]);
  ASSERT_TRUE(portal && stay && console);
  EXPECT_EQ(portal->Cantilever, 0);
  EXPECT_EQ(console->Cantilever, 1);
  for (TLineSVItem* span : {static_cast<TLineSVItem*>(portal), static_cast<TLineSVItem*>(stay)}) {
    EXPECT_EQ(span->X1, 50);
    EXPECT_EQ(span->Y1, 100);
    EXPECT_EQ(span->X2, 200);
    EXPECT_EQ(span->Y2, 50);
  }
  // The console's free end is where it was clicked: (250 - 10) / 2, (300 - 20)
  // / 2.
  EXPECT_EQ(console->X1, 50);
  EXPECT_EQ(console->Y1, 100);
  EXPECT_EQ(console->X2, 120);
  EXPECT_EQ(console->Y2, 140);
  auto* stick = Only<TStick>(8);
  ASSERT_NE(stick, nullptr);
  EXPECT_EQ(stick->AnchorX, 200);
  EXPECT_EQ(stick->AnchorY, 50);
}

TEST_F(TEditTools, carrier_tools_ignore_clicks_that_find_nothing_and_never_run_out_of_points) {
  Run(kTwoPoles);
  std::string script;
  for (const char* tool : {"Соединительная линия", "Головка", "Знак", "Портал", "Консоль", "Трос"}) {
    script += std::string("tool \"") + tool + "\"\n";
    for (int i = 0; i < 130; ++i) script += "click " + std::to_string(600 + i % 7) + " 600\n";
  }
  Run(script);
  EXPECT_EQ(Session.PointCount(), 0);
  EXPECT_TRUE(Items(8).empty());
  EXPECT_TRUE(Items(9).empty());
  EXPECT_TRUE(Items(11).empty());
  EXPECT_TRUE(Items(12).empty());
  // Only the two pole dialogs ever opened.
  EXPECT_EQ(Host.Openings().size(), 2u);
  // A portal whose second end misses a pole waits for one that hits.
  Run("tool \"Портал\"\nclick 110 220\nclick 600 600\nclick 410 120\n");
  auto* portal = Only<TFerma>(9);
  ASSERT_NE(portal, nullptr);
  EXPECT_EQ(portal->X2, 200);
}

TEST_F(TEditTools, a_cable_between_wells_ends_on_their_centres_and_takes_type_and_leader_label) {
  // Wells at world (50, 100) and (200, 50).
  Run("tool \"Колодец\"\nclick 110 220\nclick 410 120\n"
      "tool \"Кабель\"\n"
      "dialog TSelCableForm check \"Линия связи \" text TextField \"2x1,5\" "
      "text DownTextField \"L=40\" ok\n"
      "click 112 222\nclick 408 118\n");
  auto* cable = Only<TECable>(2);
  ASSERT_NE(cable, nullptr);
  EXPECT_EQ(cable->X1, 50);
  EXPECT_EQ(cable->Y1, 100);
  EXPECT_EQ(cable->X2, 200);
  EXPECT_EQ(cable->Y2, 50);
  EXPECT_EQ(cable->CableType, 2);
  ASSERT_TRUE(cable->Label);
  EXPECT_EQ(cable->Label->Text, "2x1,5");
  EXPECT_EQ(cable->Label->LowerText, "L=40");
  // The leader label starts with no points; its first click snaps to the
  // cable (code 33), at the cable's middle pixel (260, 170).
  EXPECT_EQ(Session.PointCount(), 0);
  EXPECT_EQ(Session.Cursor(), 21);
  Run("click 260 170\nclick 300 100\nclick 380 100\n");
  EXPECT_FALSE(cable->Label->Unplaced);
  EXPECT_EQ(Session.Cursor(), 9);
  EXPECT_EQ(Session.ToolHint(), "Кабель");
}

TEST_F(TEditTools, a_stick_hangs_on_a_stay_and_a_head_on_the_stick_end) {
  Run(kTwoPoles);
  Run("tool \"Соединительная линия\"\nclick 110 220\nclick 150 260\n"
      "tool \"Головка\"\n"
      "dialog TSelHeadForm check \"Пешеходная\" text textfield \"Ф2\" ok\n"
      "click 150 260\nclick 190 260\n");
  auto* stick = Only<TStick>(8);
  ASSERT_NE(stick, nullptr);
  EXPECT_EQ(stick->AnchorX, 50);
  EXPECT_EQ(stick->AnchorY, 100);
  const auto heads = Items(12);
  ASSERT_EQ(heads.size(), 1u);
  EXPECT_EQ(heads[0]->TypeCode, 12u);
  auto* head = dynamic_cast<TAirSVItem*>(heads[0]);
  // The head hangs on the stick's anchor with the stick's offset to its end.
  EXPECT_EQ(head->AnchorX, stick->AnchorX);
  EXPECT_EQ(head->AnchorY, stick->AnchorY);
  EXPECT_EQ(head->Anchor2X, stick->OffsetX);
  EXPECT_EQ(head->Anchor2Y, stick->OffsetY);
  EXPECT_EQ(Session.Cursor(), 21);
}

TEST_F(TEditTools, a_building_closes_near_any_earlier_point_but_a_direction_not_on_its_first) {
  // (102, 101) is 2.2 pixels from the first point: the outline closes.
  Run("tool \"Здание\"\nclick 100 100\nclick 300 100\nclick 300 250\nclick 102 "
      "101\n");
  auto* build = Only<TBuild>(1);
  ASSERT_NE(build, nullptr);
  ASSERT_EQ(build->VertexCount, 3);
  const double want[3][2] = {{45, 40}, {145, 40}, {145, 115}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(build->Vertices[static_cast<std::size_t>(i)].x, want[i][0]) << i;
    EXPECT_EQ(build->Vertices[static_cast<std::size_t>(i)].y, want[i][1]) << i;
  }
  // The same clicks for a direction go on; (299, 252) closes at point 2.
  Run("tool \"Направление движения\"\ndialog TSelNaprForm ok\n"
      "click 100 100\nclick 300 100\nclick 300 250\nclick 101 101\nclick 299 "
      "252\n");
  auto* napr = Only<TNapr>(7);
  ASSERT_NE(napr, nullptr);
  ASSERT_EQ(napr->Count, 4);
  const double path[4][2] = {{45, 40}, {145, 40}, {145, 115}, {45.5, 40.5}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(napr->Vertices[static_cast<std::size_t>(i)].x, path[i][0]) << i;
    EXPECT_EQ(napr->Vertices[static_cast<std::size_t>(i)].y, path[i][1]) << i;
  }
}

TEST_F(TEditTools, a_path_of_a_hundred_clicks_ends_at_the_hundredth_with_ninety_nine_points) {
  for (const char* tool : {"Здание", "Направление движения"}) {
    SCOPED_TRACE(tool);
    std::string script = std::string("tool \"") + tool + "\"\ndialog TSelNaprForm ok\n";
    // Far apart points on a zigzag: none closes the path.
    for (int i = 0; i < 100; ++i)
      script += "click " + std::to_string(20 + 9 * i) + " " + std::to_string(i % 2 ? 300 : 500) + "\n";
    Run(script);
    EXPECT_EQ(Session.PointCount(), 0);
  }
  auto* build = Only<TBuild>(1);
  auto* napr = Only<TNapr>(7);
  ASSERT_TRUE(build && napr);
  EXPECT_EQ(build->VertexCount, 99);
  EXPECT_EQ(napr->Count, 99);
  // The 99th vertex is the 99th click, (20 + 9 * 98, 500) on screen; the
  // 98th is (20 + 9 * 97, 300).
  EXPECT_EQ(build->Vertices[98].x, (20 + 9 * 98 - 10) / 2.0);
  EXPECT_EQ(napr->Vertices[98].y, (500 - 20) / 2.0);
  EXPECT_EQ(napr->Vertices[97].y, (300 - 20) / 2.0);
}

TEST_F(TEditTools, keypad_zoom_keeps_the_first_point_of_a_placement_on_its_world_position) {
  // Click 1 at world (50, 100). KP+ zooms to 3 about (500, 350): origin
  // becomes (10 + (10 - 500) / 2, 20 + (20 - 350) / 2) = (-235, -145).
  // Click 2 at screen (65, 155) is then world (100, 100).
  Run("tool \"Прямой бордюр\"\nclick 110 220\nkey KP+\n");
  EXPECT_DOUBLE_EQ(Session.Context().Zoom, 3);
  EXPECT_EQ(Session.Placement().Points[0], (TPoint{-85, 155}));
  Run("click 65 155\n");
  auto* curb = Only<TLineSVItem>(4);
  ASSERT_NE(curb, nullptr);
  EXPECT_DOUBLE_EQ(curb->X1, 50);
  EXPECT_DOUBLE_EQ(curb->Y1, 100);
  EXPECT_DOUBLE_EQ(curb->X2, 100);
  EXPECT_DOUBLE_EQ(curb->Y2, 100);
}

TEST_F(TEditTools, edge_scrolling_moves_the_placement_with_the_scheme) {
  // Near the left edge; the scheme moves 5 pixels right per tick after the
  // sixth.
  Run("tool \"Прямой бордюр\"\nclick 110 220\nmove 3 300\n");
  for (int i = 0; i < 8; ++i) Run("tick\n");
  EXPECT_DOUBLE_EQ(Session.Context().OriginX, 10 + 3 * 5);
  EXPECT_EQ(Session.Placement().Points[0], (TPoint{125, 220}));
}

TEST_F(TEditTools, every_move_near_an_edge_starts_the_scrolling_delay_again) {
  // Near the right edge (the paint box is 1000 wide): four ticks, then a
  // move along the edge; the scheme moves 5 pixels left only at the sixth
  // tick after that move.
  Run("move 995 300\ntick\ntick\ntick\ntick\nmove 996 310\n");
  for (int i = 0; i < 5; ++i) Run("tick\n");
  EXPECT_DOUBLE_EQ(Session.Context().OriginX, 10);
  Run("tick\n");
  EXPECT_DOUBLE_EQ(Session.Context().OriginX, 10 - 5);
  EXPECT_DOUBLE_EQ(Session.Context().OriginY, 20);
}

struct TSignCase {
  const char* Caption;
  int Kind;
  unsigned Code;
  bool (*IsClass)(TSVItem*);
};

template <typename T>
bool Is(TSVItem* item) {
  return dynamic_cast<T*>(item) != nullptr;
}

// Exactly a plain sign, none of the special classes.
bool IsPlainSign(TSVItem* item) {
  return Is<TSign>(item) && !Is<TMainSign>(item) && !Is<TLeaveSign>(item) && !Is<TStopSign>(item) &&
         !Is<TArrowSign>(item) && !Is<TBrickSign>(item) && !Is<TWhiteSign>(item) && !Is<TTableSign>(item);
}

TEST_F(TEditTools, every_kind_chosen_in_the_sign_dialog_places_a_sign_of_its_class) {
  const TSignCase cases[] = {
      {"Синий круглый знак", 1, 13, IsPlainSign},
      {"Треугольный знак", 2, 13, IsPlainSign},
      {"Квадратный знак", 3, 13, IsPlainSign},
      {"Главная дорога", 4, 14, Is<TMainSign>},
      {"Красный круглый знак", 5, 13, IsPlainSign},
      {"Уступи дорогу", 6, 15, Is<TLeaveSign>},
      {"Stop", 7, 22, Is<TStopSign>},
      {"Конец главной дороги", 8, 14, Is<TMainSign>},
      {"Движение прямо", 9, 32, Is<TArrowSign>},
      {"Движение направо", 10, 32, Is<TArrowSign>},
      {"Движение налево", 11, 32, Is<TArrowSign>},
      {"Движение прямо или направо", 12, 32, Is<TArrowSign>},
      {"Движение прямо или налево", 13, 32, Is<TArrowSign>},
      {"Круговое движение", 14, 32, Is<TArrowSign>},
      {"Движение направо или налево", 15, 32, Is<TArrowSign>},
      {"Въезд запрещен", 16, 31, Is<TBrickSign>},
      {"Направление главной дороги", 17, 34, Is<TWhiteSign>},
      {"Табличка", 18, 35, Is<TTableSign>},
  };
  // A pole at world (50, 100) with a stick to screen (150, 260): each sign
  // hangs on the stick's end.
  Run("tool \"Стойка или столб\"\ndialog TStolbMenuForm text TextField \"\" ok\nclick 110 220\n"
      "tool \"Соединительная линия\"\nclick 110 220\nclick 150 260\ntool \"Знак\"\n");
  for (const TSignCase& c : cases) {
    SCOPED_TRACE(c.Caption);
    std::string script = std::string("dialog TSelSignForm check \"") + c.Caption + "\" text textfield \"\" ok\n";
    if (c.Kind == 17) script += "dialog TWhiteSignForm ok\n";
    Run(script + "click 150 260\nclick 190 260\n");
    const auto signs = Items(11);
    ASSERT_FALSE(signs.empty());
    TSVItem* sign = signs.back();
    EXPECT_EQ(sign->TypeCode, c.Code);
    EXPECT_TRUE(c.IsClass(sign));
    auto* placed = dynamic_cast<TSign*>(sign);
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->Kind, c.Kind);
  }
  EXPECT_EQ(Items(11).size(), 18u);
}

}  // namespace
