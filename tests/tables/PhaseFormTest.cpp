// The phase table: what it shows, how its rows grow and shrink, and what Ok
// takes from the cells.
#include <gtest/gtest.h>

#include "InfoTablesFixture.h"
#include "tables/PlanGridForm.h"
#include "tables/PhaseFormModel.h"

using Row = std::vector<std::string>;

TEST(PhaseForm, ShowsEveryPhaseOfALocalObjectWithItsThreeMainTimes) {
  TSampleTables s;
  TPhaseFormModel m(s.Info());
  EXPECT_EQ(Headers(m), (Row{"Фаза", "Т мин.", "Т осн. - I", "Т осн. - II", "Т осн. - III"}));
  EXPECT_EQ(Widths(m), (std::vector<int>{56, 62, 54, 58, 58}));
  // svo1: phase lines "12 30 25 20", "8 12 10 8", "12 25 20 18", "8 10 8 8".
  const std::vector<Row> expected = {
      {"1", "12", "30", "25", "20"}, {"2", "8", "12", "10", "8"}, {"3", "12", "25", "20", "18"}, {"4", "8", "10", "8", "8"}};
  ASSERT_EQ(m.Grid().RowCount(), 4);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(RowCells(m, r), expected[static_cast<std::size_t>(r - 1)]) << "row " << r;
  EXPECT_EQ(m.TkkField(), "113");
  EXPECT_STREQ(m.FormName(), "TPhaseForm");
  EXPECT_EQ(m.Caption(), "Организация движения по фазам");
}

TEST(PhaseForm, ASystemObjectShowsOneMainTimeAndOkLeavesTheOtherProgramsAlone) {
  TSampleTables s;
  s.Info().ObjectType = 0;
  TPhaseFormModel m(s.Info());
  EXPECT_EQ(Headers(m), (Row{"Фаза", "Т мин.", "Т осн"}));
  EXPECT_EQ(Widths(m), (std::vector<int>{56, 62, 54}));
  EXPECT_EQ(RowCells(m, 3), (Row{"3", "12", "25"}));
  ASSERT_TRUE(m.SetCell(3, 2, "41"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  const TSVPhase& p = *s.Info().Phases.Item(3);
  EXPECT_EQ(p.TMain[1], 41);
  EXPECT_EQ(p.TMain[2], 20);
  EXPECT_EQ(p.TMain[3], 18);
}

TEST(PhaseForm, AddNumbersTheNewRowAndDeleteRenumbersTheNewLastRow) {
  TSampleTables s;
  TPhaseFormModel m(s.Info());
  ASSERT_TRUE(m.SelectRow(2));
  ASSERT_TRUE(m.PressButton("Добавить"));
  EXPECT_EQ(RowCells(m, 5), (Row{"5", "", "", "", ""}));
  EXPECT_EQ(m.Grid().Selected(), 5);
  // The direction table's caption with its blank is not this dialog's.
  EXPECT_FALSE(m.PressButton("Добавить "));
  EXPECT_EQ(m.Grid().RowCount(), 5);

  ASSERT_TRUE(m.SetCell(3, 0, "7"));
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_EQ(m.Grid().RowCount(), 3);
  EXPECT_EQ(RowCells(m, 3), (Row{"3", "12", "25", "20", "18"}));
  EXPECT_EQ(m.Grid().Cell(2, 0), "2");

  for (int i = 0; i < 3; ++i) ASSERT_TRUE(m.PressButton("Удалить"));
  EXPECT_EQ(m.Grid().RowCount(), 0);
  EXPECT_FALSE(m.PressButton("Удалить"));
}

TEST(PhaseForm, AddStopsAtTheLargestNumberOfPhasesASetHolds) {
  TSampleTables s;
  TPhaseFormModel m(s.Info());
  int added = 0;
  while (m.PressButton("Добавить")) ++added;
  EXPECT_EQ(added, 255 - 4);
  EXPECT_EQ(m.Grid().Cell(255, 0), "255");
}

TEST(PhaseForm, OkStoresTheRowsTheCountAndTheCycleTime) {
  TSampleTables s;
  TPhaseFormModel m(s.Info());
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_TRUE(m.PressButton("Добавить"));
  for (auto [col, text] : std::vector<std::pair<int, std::string>>{{1, " 6 "}, {2, "+31"}, {3, "0"}, {4, "65535"}})
    ASSERT_TRUE(m.SetCell(3, col, text));
  ASSERT_TRUE(m.SetCell(1, 0, "9"));
  ASSERT_TRUE(m.SetText("TkkField", " 97"));
  EXPECT_FALSE(m.SetText("Napr", "1"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);

  TSVInfo& info = s.Info();
  ASSERT_EQ(info.PhaseCount, 3);
  ASSERT_EQ(info.Phases.Count, 3);
  EXPECT_EQ(info.Phases.Item(4), nullptr);
  struct TPhase {
    int Number, TMin, M1, M2, M3;
  };
  const TPhase expected[] = {{9, 12, 30, 25, 20}, {2, 8, 12, 10, 8}, {3, 6, 31, 0, 65535}};
  for (int r = 1; r <= 3; ++r) {
    const TSVPhase& p = *info.Phases.Item(r);
    const TPhase& e = expected[r - 1];
    EXPECT_EQ(p.Number, e.Number) << r;
    EXPECT_EQ(p.TMin, e.TMin) << r;
    EXPECT_EQ(p.TMain[1], e.M1) << r;
    EXPECT_EQ(p.TMain[2], e.M2) << r;
    EXPECT_EQ(p.TMain[3], e.M3) << r;
  }
  EXPECT_EQ(info.Phases.Tkk, 97);
  EXPECT_TRUE(info.Modified);
  // The directions wrap at the new number of phases, as the phase selector
  // rebuilt after Ok does.
  EXPECT_EQ(info.Directions.PhaseCount, 3);
}

struct TBadCell {
  std::string Text;
  std::string Fault;
};

// A bad time refuses Ok as a whole: nothing is stored, neither the rows
// before it nor the cells of its row before it, and the dialog stays open
// with the selection on the bad row.
TEST(PhaseForm, ABadTimeRefusesOkNamingItsRowAndColumnAndStoresNothing) {
  const std::string range = " — допустимы значения от 0 до 65535.";
  const TBadCell cases[] = {
      {"7.5", "«7.5» — не целое число."},
      {"", "«» — не целое число."},
      {"1 2", "«1 2» — не целое число."},
      {"12с", "«12с» — не целое число."},
      {"$1F", "«$1F» — не целое число."},
      {"99999999999", "«99999999999»" + range},
      {"-1", "«-1»" + range},
      {"65536", "«65536»" + range},
  };
  for (const TBadCell& bad : cases) {
    SCOPED_TRACE(bad.Text);
    TSampleTables s;
    TPhaseFormModel m(s.Info());
    ASSERT_TRUE(m.SetCell(1, 3, "44"));
    ASSERT_TRUE(m.SetCell(3, 1, "5"));
    ASSERT_TRUE(m.SetCell(3, 2, " " + bad.Text));
    ASSERT_TRUE(m.SetCell(4, 1, "3"));
    ASSERT_TRUE(m.SetText("TkkField", "50"));
    ASSERT_TRUE(m.PressButton("Удалить"));
    ASSERT_TRUE(m.SelectRow(1));
    TMessageCapture shown;
    EXPECT_EQ(m.Press(TDialogButton::Ok), mrNone);
    ASSERT_EQ(shown.Messages.size(), 1u);
    EXPECT_EQ(shown.Messages[0].Severity, TMessageSeverity::Error);
    EXPECT_EQ(shown.Messages[0].Text, "Строка 3, столбец «Т осн. - I»: " + bad.Fault);
    EXPECT_EQ(m.BadEntry().Row, 3);
    EXPECT_EQ(m.BadEntry().Column, 2);
    EXPECT_EQ(m.BadEntry().Field, "");
    EXPECT_EQ(m.Grid().Selected(), 3);
    // svo1 as read: four phases, "12 30 25 20", "8 12 10 8", "12 25 20 18", "8 10 8 8".
    const TSVInfo& info = s.Info();
    EXPECT_EQ(info.PhaseCount, 4);
    EXPECT_EQ(info.Phases.Count, 4);
    EXPECT_EQ(info.Phases.Item(1)->TMain[2], 25);
    EXPECT_EQ(info.Phases.Item(3)->TMin, 12);
    EXPECT_EQ(info.Phases.Item(3)->TMain[1], 25);
    EXPECT_EQ(info.Phases.Item(4)->TMin, 8);
    EXPECT_EQ(info.Phases.Tkk, 113);
    EXPECT_FALSE(info.Modified);
  }
}

// The empty cells of a row added with "Добавить" are refused by name too;
// once every cell is mended, the same dialog's Ok stores everything.
TEST(PhaseForm, AnAddedRowLeftEmptyIsRefusedAtItsFirstCellAndOkTakesItOnceFilled) {
  TSampleTables s;
  TPhaseFormModel m(s.Info());
  ASSERT_TRUE(m.SetCell(2, 1, "7"));
  ASSERT_TRUE(m.PressButton("Добавить"));
  ASSERT_TRUE(m.SetCell(5, 2, "33"));
  TMessageCapture shown;
  EXPECT_EQ(m.Press(TDialogButton::Ok), mrNone);
  EXPECT_EQ(Texts(shown), (Row{"Строка 5, столбец «Т мин.»: «» — не целое число."}));
  EXPECT_EQ(m.BadEntry().Row, 5);
  EXPECT_EQ(m.BadEntry().Column, 1);
  EXPECT_EQ(s.Info().PhaseCount, 4);
  EXPECT_EQ(s.Info().Phases.Item(2)->TMin, 8);

  ASSERT_TRUE(m.SetCell(5, 1, "6"));
  EXPECT_EQ(m.Press(TDialogButton::Ok), mrNone);
  EXPECT_EQ(shown.Messages.back().Text, "Строка 5, столбец «Т осн. - II»: «» — не целое число.");
  EXPECT_EQ(m.BadEntry().Column, 3);
  ASSERT_TRUE(m.SetCell(5, 3, "21"));
  ASSERT_TRUE(m.SetCell(5, 4, "19"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(m.BadEntry().Row, 0);
  ASSERT_EQ(s.Info().PhaseCount, 5);
  const TSVPhase& p = *s.Info().Phases.Item(5);
  EXPECT_EQ(p.TMin, 6);
  EXPECT_EQ(p.TMain[1], 33);
  EXPECT_EQ(p.TMain[2], 21);
  EXPECT_EQ(p.TMain[3], 19);
  EXPECT_EQ(s.Info().Phases.Item(2)->TMin, 7);
}

TEST(PhaseForm, ABadCycleTimeIsRefusedByItsFieldAfterEveryRowIsChecked) {
  TSampleTables s;
  TPhaseFormModel m(s.Info());
  ASSERT_TRUE(m.SetCell(4, 4, "17"));
  ASSERT_TRUE(m.SetText("TkkField", "1,5"));
  TMessageCapture shown;
  EXPECT_EQ(m.Press(TDialogButton::Ok), mrNone);
  EXPECT_EQ(Texts(shown), (Row{"Поле «T кк»: «1,5» — не целое число."}));
  EXPECT_EQ(m.BadEntry().Row, 0);
  EXPECT_EQ(m.BadEntry().Field, "TkkField");
  EXPECT_EQ(s.Info().Phases.Item(4)->TMain[3], 8);
  EXPECT_EQ(s.Info().Phases.Tkk, 113);
  EXPECT_FALSE(s.Info().Modified);
}

TEST(PhaseForm, OkWithoutChangesAndCancelLeaveThePassportUnmodified) {
  TSampleTables s;
  {
    TPhaseFormModel m(s.Info());
    EXPECT_EQ(m.Press(TDialogButton::Ok), mrOk);
    EXPECT_FALSE(s.Info().Modified);
  }
  TPhaseFormModel m(s.Info());
  ASSERT_TRUE(m.SetCell(2, 1, "99"));
  ASSERT_TRUE(m.PressButton("Добавить"));
  EXPECT_EQ(m.Press(TDialogButton::Cancel), mrCancel);
  EXPECT_EQ(m.Press(TDialogButton::Close), mrCancel);
  EXPECT_EQ(s.Info().Phases.Item(2)->TMin, 8);
  EXPECT_EQ(s.Info().PhaseCount, 4);
  EXPECT_FALSE(s.Info().Modified);
}

TEST(StrictInteger, TakesOnlyASignAndDigitsWithin32Bits) {
  struct TCase {
    std::string Text;
    bool Ok;
    long long Value;
  };
  const TCase cases[] = {{"0", true, 0},         {"+15", true, 15},        {"-15", true, -15},
                         {"007", true, 7},       {"2147483647", true, 2147483647LL},
                         {"-2147483648", true, -2147483648LL},             {"2147483648", false, 0},
                         {" 5", false, 0},       {"5 ", false, 0},         {"", false, 0},
                         {"+", false, 0},        {"+-5", false, 0},        {"1e3", false, 0},
                         {"0x1F", false, 0},     {"7.0", false, 0}};
  for (const TCase& c : cases) {
    long long v = -999;
    EXPECT_EQ(StrictInteger(c.Text, v), c.Ok) << c.Text;
    if (c.Ok) {
      EXPECT_EQ(v, c.Value) << c.Text;
    }
  }
}
