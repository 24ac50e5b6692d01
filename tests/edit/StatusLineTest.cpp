// The status line: what the active tool needs at each step, and why a click
// was ignored.
#include "EditFixture.h"

namespace {

using TEditStatus = TEditFixture;

TEST_F(TEditStatus, every_tool_asks_for_its_first_step) {
  for (const TToolInfo& tool : TEditSession::Tools()) {
    SCOPED_TRACE(tool.Hint);
    ASSERT_TRUE(Session.ChooseTool(tool.Hint));
    EXPECT_FALSE(Session.Status().empty());
  }
}

TEST_F(TEditStatus, a_two_click_tool_and_a_building_ask_for_each_point_in_turn) {
  Run("tool \"Прямой бордюр\"\n");
  EXPECT_EQ(Session.Status(), "Щёлкните начало бордюра");
  Run("click 110 220\n");
  EXPECT_EQ(Session.Status(), "Щёлкните конец бордюра");
  Run("click 350 160\n");
  EXPECT_EQ(Session.Status(), "Щёлкните начало бордюра");
  Run("tool \"Здание\"\n");
  EXPECT_EQ(Session.Status(), "Щёлкните первый угол здания");
  Run("click 100 100\n");
  EXPECT_EQ(Session.Status(), "Щёлкните следующий угол здания");
  Run("click 200 100\nclick 200 200\n");
  EXPECT_EQ(Session.Status(), "Щёлкните следующий угол; щелчок рядом с одним из прежних углов замыкает здание");
}

TEST_F(TEditStatus, a_head_clicked_on_a_pole_says_why_and_the_stick_end_goes_on) {
  Run("tool \"Стойка или столб\"\ndialog TStolbMenuForm text TextField \"\" ok\nclick 110 220\n"
      "tool \"Соединительная линия\"\n");
  EXPECT_EQ(Session.Status(),
            "Щёлкните столб, портал, трос, здание или соединительную линию, к которым крепится новая линия");
  Run("click 110 220\n");
  EXPECT_EQ(Session.Status(), "Щёлкните конец соединительной линии");
  // A second pole, without a stick, at screen (410, 120).
  Run("click 150 260\ntool \"Стойка или столб\"\ndialog TStolbMenuForm ok\nclick 410 120\n"
      "tool \"Головка\"\nclick 410 120\n");
  EXPECT_EQ(Session.Status(),
            "Здесь нет конца соединительной линии или стойки отдельного знака: головка вешается только на них");
  EXPECT_EQ(Session.PointCount(), 0);
  // The next click, on the stick's end, is taken and the note goes.
  Run("click 150 260\n");
  EXPECT_EQ(Session.Status(), "Щёлкните, куда обращена головка");
  Run("key Esc\n");
  EXPECT_EQ(Session.Status(),
            "Щёлкните конец соединительной линии или стойки отдельного знака, на которой висит головка");
}

TEST_F(TEditStatus, a_label_is_asked_for_after_its_item_and_then_the_tool_again) {
  Run("tool \"Стойка или столб\"\ndialog TStolbMenuForm text TextField \"С9\" ok\n");
  EXPECT_EQ(Session.Status(), "Щёлкните место столба");
  Run("click 110 220\n");
  EXPECT_EQ(Session.Status(), "Щёлкните, где начинается подпись");
  Run("click 150 220\n");
  EXPECT_EQ(Session.Status(), "Щёлкните, куда направлена подпись");
  Run("click 190 220\n");
  EXPECT_EQ(Session.Status(), "Щёлкните место столба");
  // A cable's leader label starts with a click of its own.
  Run("tool \"Кабель\"\ndialog TSelCableForm text TextField \"4x2.5\" ok\nclick 300 300\nclick 500 300\n");
  EXPECT_EQ(Session.Status(), "Щёлкните кабель или направление там, откуда пойдёт выноска подписи");
}

TEST_F(TEditStatus, the_alignment_asks_for_two_points_on_the_scheme_then_two_on_the_base) {
  Run("tool \"Подгонка под основу\"\n");
  EXPECT_EQ(Session.Status(), "Основа не загружена: загрузите её командой «Основа» → «Загрузить»");
  TRasterImage image;
  image.Width = image.Height = 10;
  image.Pixels.assign(100, clBlue);
  Session.LoadBase(image);
  EXPECT_EQ(Session.Status(), "Укажите первую точку на схеме");
  Run("click 100 100\n");
  EXPECT_EQ(Session.Status(), "Укажите вторую точку на схеме");
  Run("click 300 100\n");
  EXPECT_EQ(Session.Status(), "Укажите первую точку на основе");
  Run("click 400 200\n");
  EXPECT_EQ(Session.Status(), "Укажите вторую точку на основе");
  Run("click 400 600\n");
  EXPECT_EQ(Session.Status(), "Укажите первую точку на схеме");
}

TEST_F(TEditStatus, view_mode_says_that_placing_tools_place_nothing) {
  Run("tool \"Прямой бордюр\"\ncommand \"Редактирование/просмотр\"\n");
  EXPECT_EQ(Session.Status(), "Режим просмотра: схема не изменяется; вернуться к правке — «Редактирование/просмотр»");
  Run("tool \"Передвинуть схему\"\n");
  EXPECT_EQ(Session.Status(), "Нажмите кнопку мыши на схеме и перетащите схему");
}

}  // namespace
