// Edits made in the four signal-plan dialogs, saved into info.txt, read back
// by a fresh passport as they were typed.
#include <gtest/gtest.h>

#include "InfoTablesFixture.h"
#include "tables/ExoFormModel.h"
#include "tables/InfoFormModel.h"
#include "tables/NaprDataFormModel.h"
#include "tables/PhaseFormModel.h"

TEST(InfoTablesSaveReload, EditsInEveryDialogComeBackFromInfoTxt) {
  TSampleTables s;
  TSVInfo& info = s.Info();
  {
    TInfoFormModel m(info);
    ASSERT_TRUE(m.SetText("first", "ул. Садовая"));
    ASSERT_TRUE(m.SetText("Second", " ул. Лесная "));
    ASSERT_TRUE(m.SetText("CommField", "Строка 1\r\nСтрока 2"));
    ASSERT_TRUE(m.Check("Системный"));
    ASSERT_TRUE(m.SetText("phase", "5"));
    ASSERT_TRUE(m.SetText("Napr", "3"));
    ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  }
  {
    TPhaseFormModel m(info);
    ASSERT_EQ(m.Grid().RowCount(), 5);
    ASSERT_EQ(m.Grid().ColumnCount(), 3);
    ASSERT_TRUE(m.SetCell(5, 1, "7"));
    ASSERT_TRUE(m.SetCell(5, 2, "33"));
    ASSERT_TRUE(m.SetCell(2, 0, "6"));
    ASSERT_TRUE(m.SetText("TkkField", "121"));
    ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  }
  {
    TNaprDataFormModel m(info);
    ASSERT_TRUE(m.PressButton("Добавить "));
    ASSERT_TRUE(m.SetCell(4, TNaprDataFormModel::kName, "Т4"));
    ASSERT_TRUE(m.SetCell(4, TNaprDataFormModel::kPhases, "5, 2"));
    ASSERT_TRUE(m.SetCell(4, TNaprDataFormModel::kConflict, "1, 3"));
    ASSERT_TRUE(m.SetCell(4, TNaprDataFormModel::kGreen, "11"));
    ASSERT_TRUE(m.SetCell(4, TNaprDataFormModel::kRed, "2"));
    ASSERT_TRUE(m.SetCell(4, TNaprDataFormModel::kRedControl, "есть"));
    ASSERT_TRUE(m.SelectRow(2));
    ASSERT_TRUE(m.PressButton("Удалить"));
    ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  }
  {
    TExoFormModel m(info);
    ASSERT_TRUE(m.SetCell(1, 7, "только по вызову"));
    ASSERT_TRUE(m.PressButton("Добавить "));
    ASSERT_TRUE(m.SetCell(3, 0, "4"));
    ASSERT_TRUE(m.SetCell(3, 5, "5 - 1"));
    ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  }
  ASSERT_TRUE(info.Modified);
  ASSERT_TRUE(info.SaveAll());
  EXPECT_FALSE(info.Modified);

  auto again = s.Reload();
  const TSVInfo& r = *again->Info;
  EXPECT_EQ(r.Address1, "ул. Садовая");
  EXPECT_EQ(r.Address2, " ул. Лесная ");
  EXPECT_EQ(r.Comment, "Строка 1\r\nСтрока 2");
  EXPECT_EQ(r.ObjectType, 0);

  // Phases 1-4 of svo1 with their first main times, phase 2 renumbered 6,
  // phase 5 new; a system object keeps every program's time in the file.
  struct TPhase {
    int Number, TMin, M1, M2, M3;
  };
  const TPhase phases[] = {{1, 12, 30, 25, 20}, {6, 8, 12, 10, 8}, {3, 12, 25, 20, 18}, {4, 8, 10, 8, 8}, {5, 7, 33, 0, 0}};
  ASSERT_EQ(r.PhaseCount, 5);
  for (int k = 1; k <= 5; ++k) {
    const TSVPhase& p = *r.Phases.Item(k);
    const TPhase& e = phases[k - 1];
    EXPECT_EQ(p.Number, e.Number) << k;
    EXPECT_EQ(p.TMin, e.TMin) << k;
    EXPECT_EQ(p.TMain[1], e.M1) << k;
    EXPECT_EQ(p.TMain[2], e.M2) << k;
    EXPECT_EQ(p.TMain[3], e.M3) << k;
  }
  EXPECT_EQ(r.Phases.Tkk, 121);

  // Directions 1 and 3 of svo1 (2 was deleted), then the new one: green 11
  // gave flashing green 8 and yellow 5, red 2 gave red-and-yellow 2.
  struct TDirection {
    std::string Name;
    int Number;
    std::string Phases, Conflict;
    int G, GF, Y, R, RY;
    std::string RedControl;
  };
  const TDirection directions[] = {{"1", 1, "1", "3, 4, 7, 8, 10", 9, 6, 3, 2, 0, "да"},
                                   {"3", 3, "3", "1, 2, 5, 6, 9", 9, 6, 3, 2, 0, "да"},
                                   {"Т4", 4, "2, 5", "1, 3", 11, 8, 5, 2, 2, "есть"}};
  ASSERT_EQ(r.DirectionCount, 3);
  for (int k = 1; k <= 3; ++k) {
    const TSVNapr& d = *r.Directions.Item(k);
    const TDirection& e = directions[k - 1];
    EXPECT_EQ(d.Name, e.Name) << k;
    EXPECT_EQ(d.Number, e.Number) << k;
    EXPECT_EQ(d.PhaseListText(), e.Phases) << k;
    EXPECT_EQ(d.ConflictText, e.Conflict) << k;
    EXPECT_EQ(d.TGreen, e.G) << k;
    EXPECT_EQ(d.TGreenFlash, e.GF) << k;
    EXPECT_EQ(d.TYellow, e.Y) << k;
    EXPECT_EQ(d.TRed, e.R) << k;
    EXPECT_EQ(d.TRedYellow, e.RY) << k;
    EXPECT_EQ(d.RedControlText, e.RedControl) << k;
  }

  const std::vector<std::vector<std::string>> exo = {
      {"2", "1-3", "9", "6", "3", "", "", "только по вызову"},
      {"3", "", "", "", "", "1-3", "2", "0"},
      {"4", "", "", "", "", "5 - 1", "", ""}};
  ASSERT_EQ(r.ExoTable.ColCount, 8);
  ASSERT_EQ(r.ExoTable.RowCount, 3);
  for (int row = 1; row <= 3; ++row)
    for (int c = 1; c <= 8; ++c)
      EXPECT_EQ(r.ExoTable.Cell(c, row), exo[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(c - 1)])
          << row << "," << c;

  // What the dialogs did not touch survives too.
  EXPECT_EQ(r.ChangeTable.RowCount, 2);
  EXPECT_EQ(r.TramScheme.Count, 2);
  EXPECT_EQ(r.EquipmentTable.Cell(2, 1), "КС-4");
}
