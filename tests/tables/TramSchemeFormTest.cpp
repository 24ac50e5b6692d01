// The tram-head dialog: the groups shown for the number of schemes, lamp
// kinds and directions within their range, and Ok storing all four groups.
#include <gtest/gtest.h>

#include "InfoSaveFixture.h"
#include "tables/TramSchemeFormModel.h"

using namespace tablesfixture;

namespace {

using TLampRow = std::vector<std::pair<int, int>>;

// The four lamps of a group as (kind, direction).
TLampRow Lamps(const TTramSchemeFormModel::TGroup& g) {
  TLampRow row;
  for (int l = 1; l <= 4; ++l) row.emplace_back(g.Lamps[l].Kind, g.Lamps[l].Direction);
  return row;
}

TLampRow Lamps(const TTramSchemeEntry& s) {
  TLampRow row;
  for (int l = 1; l <= 4; ++l) row.emplace_back(s.Lamps[l].Kind, s.Lamps[l].Direction);
  return row;
}

}  // namespace

TEST(TramSchemeDialog, OpensWithTheStoredSchemesAndShowsOnlyTheirGroups) {
  TInfoOnDisk disk;
  ASSERT_TRUE(disk.Loaded);
  TTramSchemeFormModel form(disk.Info);
  EXPECT_EQ(form.Count(), 2);
  EXPECT_EQ(form.Group(1).Name, "Г 1");
  EXPECT_EQ(Lamps(form.Group(1)), (TLampRow{{0, 1}, {1, 2}, {2, 3}, {3, 1}}));
  EXPECT_EQ(form.Group(2).Name, "Г 2");
  EXPECT_EQ(Lamps(form.Group(2)), (TLampRow{{2, 2}, {2, 3}, {0, 1}, {3, 3}}));
  // Schemes the passport lacks: named after their group as the first two
  // are, red lamps on the lowest direction.
  for (int g : {3, 4}) {
    EXPECT_EQ(form.Group(g).Name, "Г " + std::to_string(g));
    EXPECT_EQ(Lamps(form.Group(g)), (TLampRow{{0, 1}, {0, 1}, {0, 1}, {0, 1}}));
  }
  const bool shown[] = {false, true, true, false, false, false};
  for (int g = 0; g <= 5; ++g) EXPECT_EQ(form.GroupShown(g), shown[g]) << g;
  EXPECT_EQ(form.MaxDirection(), 3);
  EXPECT_STREQ(form.FormName(), "TTramSForm");
}

TEST(TramSchemeDialog, TheNumberOfSchemesIsCorrectedIntoZeroToFourAndDecidesWhichGroupsTakeChanges) {
  struct Case {
    int Typed, Count;
  };
  const Case cases[] = {{3, 3}, {0, 0}, {4, 4}, {7, 4}, {-2, 0}, {1, 1}};
  for (const Case& c : cases) {
    TInfoOnDisk disk;
    TTramSchemeFormModel form(disk.Info);
    ASSERT_TRUE(form.Spin("NumSpin", c.Typed));
    EXPECT_EQ(form.Count(), c.Count) << c.Typed;
    for (int g = 1; g <= 4; ++g) {
      const bool shown = g <= c.Count;
      EXPECT_EQ(form.GroupShown(g), shown);
      EXPECT_EQ(form.SetTramName(g, "имя"), shown) << c.Typed << " group " << g;
      EXPECT_EQ(form.SetTramLamp(g, 2, "Желт.", "2"), shown) << c.Typed << " group " << g;
    }
  }
  TInfoOnDisk disk;
  TTramSchemeFormModel form(disk.Info);
  EXPECT_FALSE(form.Spin("Numspin", 3));
  EXPECT_EQ(form.Count(), 2);
}

TEST(TramSchemeDialog, LampChangesTakeTheListsKindsAndWholeDirectionsCorrectedIntoOneToTheDirectionCount) {
  struct Case {
    const char* Kind;
    const char* Direction;
    bool Taken;
    int StoredKind, StoredDirection;
  };
  // The passport has three directions; lamp 3 of group 2 starts as red 1.
  const Case cases[] = {
      {"Зелен.", "2", true, 2, 2},   {"Фаза", " 3 ", true, 3, 3}, {"Желт.", "7", true, 1, 3},
      {"Красн.", "0", true, 0, 1},   {"Желт.", "-5", true, 1, 1}, {"Жёлт.", "2", false, 0, 1},
      {"Зелен.", "2.5", false, 0, 1}, {"Зелен.", "", false, 0, 1}, {"Зелен.", "2a", false, 0, 1},
      {"", "2", false, 0, 1},
  };
  for (const Case& c : cases) {
    TInfoOnDisk disk;
    TTramSchemeFormModel form(disk.Info);
    EXPECT_EQ(form.SetTramLamp(2, 3, c.Kind, c.Direction), c.Taken) << c.Kind << " " << c.Direction;
    EXPECT_EQ(form.Group(2).Lamps[3].Kind, c.StoredKind) << c.Kind << " " << c.Direction;
    EXPECT_EQ(form.Group(2).Lamps[3].Direction, c.StoredDirection) << c.Kind << " " << c.Direction;
    // The other lamps of the group stay as they were.
    EXPECT_EQ(Lamps(form.Group(2))[0], std::make_pair(2, 2));
    EXPECT_EQ(Lamps(form.Group(2))[1], std::make_pair(2, 3));
    EXPECT_EQ(Lamps(form.Group(2))[3], std::make_pair(3, 3));
  }
  TInfoOnDisk disk;
  TTramSchemeFormModel form(disk.Info);
  EXPECT_FALSE(form.SetTramLamp(1, 0, "Зелен.", "1"));
  EXPECT_FALSE(form.SetTramLamp(1, 5, "Зелен.", "1"));
}

TEST(TramSchemeDialog, OkStoresTheCountAndAllFourGroupsWithNamesTrimmed) {
  TInfoOnDisk disk;
  TTramSchemeFormModel form(disk.Info);
  ASSERT_TRUE(form.Spin("NumSpin", 4));
  ASSERT_TRUE(form.SetTramName(1, "  Северная  "));
  ASSERT_TRUE(form.SetTramLamp(1, 4, "Зелен.", "3"));
  ASSERT_TRUE(form.SetTramName(3, "Г 3"));
  ASSERT_TRUE(form.SetTramLamp(3, 1, "Фаза", "2"));
  ASSERT_TRUE(form.SetTramLamp(4, 2, "Желт.", "3"));
  ASSERT_TRUE(form.Spin("NumSpin", 2));
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);

  const TTramscheme& t = disk.Info.TramScheme;
  EXPECT_EQ(t.Count, 2);
  EXPECT_EQ(t.Schemes[1].Name, "Северная");
  EXPECT_EQ(Lamps(t.Schemes[1]), (TLampRow{{0, 1}, {1, 2}, {2, 3}, {2, 3}}));
  EXPECT_EQ(t.Schemes[2].Name, "Г 2");
  EXPECT_EQ(Lamps(t.Schemes[2]), (TLampRow{{2, 2}, {2, 3}, {0, 1}, {3, 3}}));
  // The hidden groups keep what was typed while they were shown.
  EXPECT_EQ(t.Schemes[3].Name, "Г 3");
  EXPECT_EQ(Lamps(t.Schemes[3]), (TLampRow{{3, 2}, {0, 1}, {0, 1}, {0, 1}}));
  EXPECT_EQ(t.Schemes[4].Name, "Г 4");
  EXPECT_EQ(Lamps(t.Schemes[4]), (TLampRow{{0, 1}, {1, 3}, {0, 1}, {0, 1}}));
  EXPECT_TRUE(disk.Info.Modified);
}

TEST(TramSchemeDialog, CancelDropsTheEditsAndAnUnchangedOkLeavesTheInformationUnmodified) {
  for (TDialogButton button : {TDialogButton::Cancel, TDialogButton::Close}) {
    TInfoOnDisk disk;
    TTramSchemeFormModel form(disk.Info);
    form.Spin("NumSpin", 1);
    form.SetTramName(1, "другое");
    EXPECT_EQ(form.Press(button), mrCancel);
    EXPECT_EQ(disk.Info.TramScheme.Count, 2);
    EXPECT_EQ(disk.Info.TramScheme.Schemes[1].Name, "Г 1");
    EXPECT_FALSE(disk.Info.Modified);
  }
  TInfoOnDisk disk;
  TTramSchemeFormModel form(disk.Info);
  form.SetTramName(2, "Г 2 ");
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_FALSE(disk.Info.Modified) << "a trailing blank is trimmed away";
}

TEST(TramSchemeDialog, ALampKindTheListDoesNotOfferStaysAsReadUntilTheUserPicksOne) {
  std::string text = SampleInfoText();
  const std::string lamps = Encode1251(CrLf({"Г 2", "2 2"}));
  const std::size_t at = text.find(lamps);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, lamps.size(), Encode1251(CrLf({"Г 2", "7 2"})));
  TInfoOnDisk disk(text);
  ASSERT_TRUE(disk.Loaded);
  TTramSchemeFormModel form(disk.Info);
  EXPECT_EQ(form.Group(2).Lamps[1].Kind, 7);
  form.Press(TDialogButton::Ok);
  EXPECT_EQ(disk.Info.TramScheme.Schemes[2].Lamps[1].Kind, 7);
  EXPECT_FALSE(disk.Info.Modified);
}

TEST(TramSchemeDialog, WithoutDirectionsTheLampDirectionsStayAtOne) {
  std::string text = SampleInfoText();
  TInfoOnDisk disk(text);
  disk.Info.SetDirectionCount(0);
  TTramSchemeFormModel form(disk.Info);
  EXPECT_EQ(form.MaxDirection(), 1);
  EXPECT_EQ(Lamps(form.Group(1)), (TLampRow{{0, 1}, {1, 1}, {2, 1}, {3, 1}}));
  EXPECT_TRUE(form.SetTramLamp(1, 1, "Красн.", "5"));
  EXPECT_EQ(form.Group(1).Lamps[1].Direction, 1);
}

// A third scheme taken into use gets the name "Г 3", as the first two have
// "Г 1" and "Г 2"; a stored scheme whose name was cleared stays unnamed.
TEST(TramSchemeDialog, AThirdSchemeIsNamedAfterItsGroup) {
  TInfoOnDisk disk;
  disk.Info.TramScheme.Schemes[2].Name = "";
  TTramSchemeFormModel form(disk.Info);
  EXPECT_EQ(form.Group(2).Name, "");
  ASSERT_TRUE(form.Spin("NumSpin", 3));
  ASSERT_TRUE(form.SetTramLamp(3, 1, "Зелен.", "2"));
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  const TTramscheme& t = disk.Info.TramScheme;
  ASSERT_EQ(t.Count, 3);
  EXPECT_EQ(t.Schemes[1].Name, "Г 1");
  EXPECT_EQ(t.Schemes[2].Name, "");
  EXPECT_EQ(t.Schemes[3].Name, "Г 3");
  EXPECT_EQ(Lamps(t.Schemes[3]), (TLampRow{{2, 2}, {0, 1}, {0, 1}, {0, 1}}));
}
