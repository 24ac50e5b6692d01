// Labels placed after their items, cancelling, deleting, undo and redo, and
// what a save writes.
#include "EditFixture.h"
#include "items/Contr.h"
#include "items/ECable.h"
#include "items/SVText.h"
#include "items/WELL.h"
#include "model/LineSVItem.h"

namespace {

using TEditLabels = TEditFixture;
using TEditUndo = TEditFixture;

TEST_F(TEditLabels, a_cabinet_label_keeps_the_cabinets_first_click_and_takes_two_more) {
  // Cabinet clicks (200, 200) = world (95, 90) and (260, 200); label
  // clicks (230, 150) = world (110, 65) and (290, 150) = (140, 65).
  Run("tool \"Телефонная коробка\"\ndialog TSetTextForm text textfield "
      "\"ТК-3\" ok\n"
      "click 200 200\nclick 260 200\n");
  auto* box = Only<TContr>(6);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Kind, 1);
  ASSERT_TRUE(box->Label);
  EXPECT_EQ(Session.PointCount(), 1);
  EXPECT_EQ(Session.Cursor(), 21);
  Scheme.Layer(6).ShowText = false;
  Run("move 230 150\nclick 230 150\nclick 290 150\n");
  const TSVText& label = *box->Label;
  EXPECT_EQ(label.Text, "ТК-3");
  EXPECT_FALSE(label.Unplaced);
  // Anchor at the first click; offsets in symbol units (zoom 2, signs 1).
  EXPECT_DOUBLE_EQ(label.AnchorX, 95);
  EXPECT_DOUBLE_EQ(label.AnchorY, 90);
  EXPECT_DOUBLE_EQ(label.Anchor2X, (110 - 95) * 2);
  EXPECT_DOUBLE_EQ(label.Anchor2Y, (65 - 90) * 2);
  EXPECT_DOUBLE_EQ(label.OffsetX, (140 - 95) * 2);
  EXPECT_DOUBLE_EQ(label.OffsetY, (65 - 90) * 2);
  // Placing the label switches the labels of the cabinets' layer on and
  // gives the tool back.
  EXPECT_TRUE(Scheme.Layer(6).ShowText);
  EXPECT_EQ(Session.Cursor(), 14);
  EXPECT_EQ(Session.ToolHint(), "Телефонная коробка");
  EXPECT_EQ(Session.PointCount(), 0);
}

TEST_F(TEditLabels, a_well_label_hangs_on_the_well_centre_not_on_the_click) {
  // A well snapped onto a cable end at world (50, 100), clicked at (113, 223).
  Run("tool \"Кабель\"\ndialog TSelCableForm text TextField \"\" text "
      "DownTextField \"\" ok\n"
      "click 110 220\nclick 410 120\n"
      "tool \"Колодец\"\ndialog TSetTextForm text textfield \"К7\" ok\nclick "
      "112 221\n"
      "click 160 160\nclick 200 160\n");
  auto* well = Only<TWELL>(5);
  ASSERT_NE(well, nullptr);
  EXPECT_EQ(well->X, 50);
  EXPECT_EQ(well->Y, 100);
  ASSERT_TRUE(well->Label);
  EXPECT_EQ(well->Label->AnchorX, 50);
  EXPECT_EQ(well->Label->AnchorY, 100);
}

TEST_F(TEditLabels, the_text_dialog_without_a_text_or_closed_gives_no_label) {
  Run("tool \"Контроллер\"\n"
      "dialog TSetTextForm text textfield \"К1\" cancel\nclick 200 200\nclick "
      "260 200\n"
      "dialog TSetTextForm text textfield \"\" ok\nclick 300 200\nclick 360 "
      "200\n");
  const auto items = Items(6);
  ASSERT_EQ(items.size(), 2u);
  for (TSVItem* item : items) EXPECT_FALSE(dynamic_cast<TContr*>(item)->Label);
  EXPECT_EQ(Session.PointCount(), 0);
  EXPECT_EQ(Session.Cursor(), 14);
}

TEST_F(TEditLabels, cancelling_the_label_removes_its_item_and_its_undo_step) {
  Run("tool \"Прямой бордюр\"\nclick 100 100\nclick 200 100\n");
  // Esc, another tool, and a phase chosen (here straight on the session:
  // this passport has no phases for a script to choose).
  for (const char* cancel : {"key Esc", "tool \"Зебра\"", ""}) {
    SCOPED_TRACE(cancel);
    Run("tool \"Щит силовой\"\ndialog TSetTextForm text textfield \"Щ\" ok\n"
        "click 200 200\nclick 260 200\nclick 230 150\n" +
        std::string(cancel) + "\n");
    if (*cancel == '\0') Session.ChoosePhase(0);
    EXPECT_TRUE(Items(6).empty());
    EXPECT_EQ(Scheme.Layer(6).Count(), 0);
    EXPECT_EQ(Session.UndoSteps(), 1);
    EXPECT_EQ(Session.PointCount(), 0);
  }
  // The one undo step left is the curb's.
  Run("key Ctrl+Z\n");
  EXPECT_TRUE(Items(4).empty());
}

TEST_F(TEditLabels, free_text_needs_a_text_and_then_two_more_clicks) {
  Run("tool \"Подпись\"\nclick 100 100\n");
  EXPECT_TRUE(Items(4).empty());
  EXPECT_EQ(Session.PointCount(), 0);
  Run("dialog TSetTextForm text textfield \"ул. Ленина\" ok\nclick 100 "
      "100\nmove 150 100\nclick 150 100\n");
  EXPECT_TRUE(Items(4).empty());
  Scheme.Layer(4).ShowText = false;
  Run("click 250 60\n");
  const auto items = Items(4);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0]->TypeCode, 18u);
  EXPECT_TRUE(Scheme.Layer(4).ShowText);
  auto* text = dynamic_cast<TAirSVItem*>(items[0]);
  // Anchor at the dialog's click, world (45, 40); start (150, 100) = (70, 40).
  EXPECT_DOUBLE_EQ(text->AnchorX, 45);
  EXPECT_DOUBLE_EQ(text->AnchorY, 40);
  EXPECT_DOUBLE_EQ(text->Anchor2X, (70 - 45) * 2);
  EXPECT_DOUBLE_EQ(text->Anchor2Y, 0);
}

// Three curbs, A at y 100, B at y 200 and C at y 300 on the screen.
const char* kThreeCurbs =
    "tool \"Прямой бордюр\"\n"
    "click 100 100\nclick 300 100\nclick 100 200\nclick "
    "300 200\nclick 100 300\nclick 300 300\n"
    "tool \"Выбор элемента схемы\"\n";

TEST_F(TEditUndo, undo_and_redo_step_through_deletions_one_at_a_time) {
  Run(kThreeCurbs);
  const auto all = Items(4);
  ASSERT_EQ(all.size(), 3u);
  TSVItem* b = all[1];
  TSVItem* c = all[2];
  Run("click 200 200\nkey Delete\nclick 200 300\nkey Delete\n");
  ASSERT_EQ(Items(4).size(), 1u);
  EXPECT_EQ(Session.UndoSteps(), 5);
  // The first undo restores only the second deletion, selected.
  Run("key Ctrl+Z\n");
  EXPECT_FALSE(c->Hidden);
  EXPECT_TRUE(c->Selected);
  EXPECT_TRUE(b->Hidden);
  Run("key Ctrl+Z\n");
  EXPECT_FALSE(b->Hidden);
  EXPECT_TRUE(b->Selected);
  EXPECT_FALSE(c->Selected);
  // Redo deletes B again; a new action drops the rest of the redo steps.
  Run("key Ctrl+Y\n");
  EXPECT_TRUE(b->Hidden);
  EXPECT_EQ(Session.RedoSteps(), 1);
  Run("click 200 100\nkey Delete\n");
  EXPECT_EQ(Session.RedoSteps(), 0);
  EXPECT_EQ(Items(4).size(), 1u);
}

TEST_F(TEditUndo, delete_with_nothing_selected_is_no_step_so_undo_takes_back_the_last_addition) {
  Run(kThreeCurbs);
  const auto all = Items(4);
  ASSERT_EQ(all.size(), 3u);
  // A click on empty ground deselects everything; Delete then does nothing.
  Run("click 600 600\nkey Delete\n");
  EXPECT_EQ(Session.UndoSteps(), 3);
  Run("key Ctrl+Z\n");
  EXPECT_FALSE(all[0]->Hidden);
  EXPECT_FALSE(all[1]->Hidden);
  EXPECT_TRUE(all[2]->Hidden);
}

TEST_F(TEditUndo, delete_leaves_selected_items_of_hidden_or_locked_layers_alone) {
  // A building (layer 1), a stop line (layer 3) and a curb (layer 4), all
  // in one selection frame; then layer 1 is hidden and layer 4 locked, the
  // selection kept as the layers dialog keeps it.
  Run("tool \"Здание\"\ndialog TSetTextForm cancel\n"
      "click 100 100\nclick 200 100\nclick 200 150\nclick 100 100\n"
      "tool \"Стоп-линия\"\nclick 100 200\nclick 300 200\n"
      "tool \"Прямой бордюр\"\nclick 100 300\nclick 300 300\n"
      "tool \"Выбор элемента схемы\"\npress 50 50\nmove 400 350\nrelease 400 350\n");
  TSVItem* building = Only<TSVItem>(1);
  TSVItem* stop = Only<TSVItem>(3);
  TSVItem* curb = Only<TSVItem>(4);
  ASSERT_TRUE(building && stop && curb);
  ASSERT_TRUE(building->Selected && stop->Selected && curb->Selected);
  Run("layer 1 0 1 1\nlayer 4 1 0 1\nkey Delete\n");
  EXPECT_FALSE(building->Hidden);
  EXPECT_TRUE(stop->Hidden);
  EXPECT_FALSE(curb->Hidden);
  // Undo brings back the stop line alone.
  Run("layer 1 1 1 1\nlayer 4 1 1 1\nkey Ctrl+Z\n");
  EXPECT_FALSE(stop->Hidden);
  EXPECT_TRUE(stop->Selected);
  EXPECT_FALSE(building->Selected);
  EXPECT_FALSE(curb->Selected);
}

TEST_F(TEditUndo, undo_after_an_addition_removes_that_item_not_the_selection) {
  Run(kThreeCurbs);
  const auto all = Items(4);
  // Select A and B with a rectangle, then undo: C, the last added, goes.
  Run("press 50 50\nmove 350 250\nrelease 350 250\n");
  EXPECT_TRUE(all[0]->Selected);
  EXPECT_TRUE(all[1]->Selected);
  Run("command \"Отменить последнее действие\"\n");
  EXPECT_FALSE(all[0]->Hidden);
  EXPECT_FALSE(all[1]->Hidden);
  EXPECT_TRUE(all[2]->Hidden);
  Run("key Ctrl+Z\nkey Ctrl+Z\n");
  EXPECT_TRUE(Items(4).empty());
  Run("command \"Вернуть отменённое\"\n");
  ASSERT_EQ(Items(4).size(), 1u);
  EXPECT_EQ(Items(4)[0], all[0]);
}

TEST_F(TEditUndo, a_click_selects_only_what_meets_its_pixel) {
  Run(kThreeCurbs);
  Run("click 150 200\n");
  const auto all = Items(4);
  EXPECT_FALSE(all[0]->Selected);
  EXPECT_TRUE(all[1]->Selected);
  EXPECT_FALSE(all[2]->Selected);
}

TEST_F(TEditUndo, deleted_and_undone_items_are_not_saved_and_the_rest_loads_back) {
  Run(kThreeCurbs);
  Run("click 200 200\nkey Delete\n"
      "tool \"Колодец\"\ndialog TSetTextForm text textfield \"К2\" ok\nclick "
      "500 500\nclick 540 470\nclick 600 470\n"
      "tool \"Прямой бордюр\"\nclick 100 600\nclick 300 600\nkey Ctrl+Z\n"
      "command \"Сохранить изменения\"\n");
  EXPECT_FALSE(Session.Changed());
  EXPECT_EQ(Session.UndoSteps(), 5);
  TSVObject loaded(Dir.Path());
  loaded.LoadAll();
  for (int n = 1; n <= kLayerCount; ++n) {
    SCOPED_TRACE(n);
    const auto want = Items(n);
    std::vector<TSVItem*> got;
    for (const auto& p : loaded.Layer(n).Items()) got.push_back(p.get());
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(Saved(*got[i]), Saved(*want[i]));
  }
  // Curbs A and C only: at world y (100 - 20) / 2 = 40 and (300 - 20) / 2 =
  // 140.
  const auto curbs = Items(4);
  ASSERT_EQ(curbs.size(), 2u);
  EXPECT_EQ(dynamic_cast<TLineSVItem*>(curbs[0])->Y1, 40);
  EXPECT_EQ(dynamic_cast<TLineSVItem*>(curbs[1])->Y1, 140);
}

TEST_F(TEditUndo, the_cable_type_change_needs_a_selected_cable_and_is_undone) {
  Run("command \"Смена типа кабеля\"\n");
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_EQ(Messages.Messages[0].Text, "Не был выбран ни один участок кабеля.");
  EXPECT_TRUE(Host.Openings().empty());
  Run("tool \"Кабель\"\ndialog TSelCableForm check \"Кабель питания\" "
      "ok\nclick 100 100\nclick 300 100\n"
      "dialog TSelCableForm check \"Воздушная линия связи\" ok\ncommand "
      "\"Смена типа кабеля\"\n");
  auto* cable = Only<TECable>(2);
  ASSERT_NE(cable, nullptr);
  EXPECT_EQ(cable->CableType, 5);
  Run("key Ctrl+Z\n");
  EXPECT_EQ(cable->CableType, 0);
  EXPECT_FALSE(cable->Hidden);
}

TEST_F(TEditUndo, disabled_tools_and_bad_lines_are_refused_with_their_line_number) {
  std::string error;
  EXPECT_FALSE(TryRun("layer 4 1 0 1\n\n# comment\ntool \"Прямой бордюр\"\n", error));
  EXPECT_EQ(error.rfind("line 4:", 0), 0u) << error;
  EXPECT_FALSE(TryRun("click 10\n", error));
  EXPECT_EQ(error.rfind("line 1:", 0), 0u) << error;
  // A dialog answer the dialog cannot take fails at its opening, naming the
  // line that queued it.
  EXPECT_FALSE(
      TryRun("tool \"Колодец\"\ndialog TSetTextForm select NaprBox "
             "\"1\" ok\nclick 100 100\n",
             error));
  EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
}

}  // namespace
