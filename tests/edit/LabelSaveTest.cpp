// Saving while a label follows the mouse, and the changed flag against what
// map.txt holds.
#include "EditFixture.h"
#include "items/STOLB.h"
#include "model/LineSVItem.h"

namespace {

using TEditLabelSave = TEditFixture;

// A curb from world (50, 100) to (170, 70), saved.
const char* kSavedCurb =
    "tool \"Прямой бордюр\"\nclick 110 220\nclick 350 160\n"
    "command \"Сохранить изменения\"\n";
// A pole at screen (410, 120) whose label "С9" then follows the mouse.
const char* kPoleLabelFollowing =
    "tool \"Стойка или столб\"\ndialog TStolbMenuForm text TextField \"С9\" ok\n"
    "click 410 120\nmove 450 160\n";

TEST_F(TEditLabelSave, saving_during_label_placement_writes_neither_the_label_nor_its_pole) {
  Run(kSavedCurb);
  const std::string onDisk = ReadBytes(Dir.File("map.txt"));
  ASSERT_FALSE(onDisk.empty());
  Run(kPoleLabelFollowing);
  ASSERT_EQ(Items(10).size(), 1u);
  EXPECT_TRUE(Session.Changed());
  Run("command \"Сохранить изменения\"\n");
  // The placement was cancelled as by Esc: the pole is gone from the scheme
  // and from the file, and what is on the screen is what is on disk.
  EXPECT_TRUE(Items(10).empty());
  EXPECT_EQ(ReadBytes(Dir.File("map.txt")), onDisk);
  EXPECT_FALSE(Session.Changed());
  EXPECT_EQ(Session.PointCount(), 0);
  // The pole tool is ready for the next pole (its own cursor, not the
  // label's 21), and Esc now changes nothing.
  EXPECT_EQ(Session.Cursor(), 15);
  Run("key Esc\n");
  EXPECT_FALSE(Session.Changed());
  TSVObject loaded(Dir.Path());
  loaded.LoadAll();
  EXPECT_TRUE(loaded.Layer(10).Items().empty());
  ASSERT_EQ(loaded.Layer(4).Items().size(), 1u);
  auto* curb = dynamic_cast<TLineSVItem*>(loaded.Layer(4).Items().front().get());
  ASSERT_NE(curb, nullptr);
  EXPECT_EQ(curb->X2, 170);
  EXPECT_EQ(curb->Y2, 70);
}

TEST_F(TEditLabelSave, a_finished_label_is_saved_where_it_was_placed) {
  // Label clicks (450, 160) = world (220, 70) and (490, 160) = (240, 70):
  // offsets from the pole at (200, 50) times zoom 2: (40, 40) and (80, 40).
  Run(kPoleLabelFollowing);
  Run("click 450 160\nclick 490 160\ncommand \"Сохранить изменения\"\n");
  EXPECT_FALSE(Session.Changed());
  TSVObject loaded(Dir.Path());
  loaded.LoadAll();
  ASSERT_EQ(loaded.Layer(10).Items().size(), 1u);
  auto* pole = dynamic_cast<TSTOLB*>(loaded.Layer(10).Items().front().get());
  ASSERT_TRUE(pole && pole->Label);
  EXPECT_EQ(pole->Label->Text, "С9");
  EXPECT_EQ(pole->Label->AnchorX, 200);
  EXPECT_EQ(pole->Label->AnchorY, 50);
  EXPECT_EQ(pole->Label->Anchor2X, 40);
  EXPECT_EQ(pole->Label->Anchor2Y, 40);
  EXPECT_EQ(pole->Label->OffsetX, 80);
  EXPECT_EQ(pole->Label->OffsetY, 40);
}

TEST_F(TEditLabelSave, cancelling_a_label_leaves_the_changed_flag_as_it_was_before_its_item) {
  // Saved, then a pole placed and its label cancelled: the scheme is the
  // one on disk again.
  Run(kSavedCurb);
  Run(kPoleLabelFollowing);
  Run("key Esc\n");
  EXPECT_TRUE(Items(10).empty());
  EXPECT_FALSE(Session.Changed());
  // An unsaved curb before the pole stays an unsaved edit.
  Run("tool \"Прямой бордюр\"\nclick 110 420\nclick 350 460\n");
  Run(kPoleLabelFollowing);
  Run("tool \"Выбор элемента схемы\"\n");
  EXPECT_TRUE(Items(10).empty());
  EXPECT_TRUE(Session.Changed());
}

}  // namespace
