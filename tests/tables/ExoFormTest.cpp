// The table of traffic organisation at a non-standard phase change: free
// text in eight columns, rows added and removed, everything stored on Ok.
#include <gtest/gtest.h>

#include "InfoTablesFixture.h"
#include "tables/ExoFormModel.h"

using Row = std::vector<std::string>;

namespace {
// svo1: at the change from phase 1 straight to phase 3, direction 2 closes
// with its З, ЗМ and Ж, and direction 3 opens with its К and КЖ.
const Row kClosing = {"2", "1-3", "9", "6", "3", "", "", ""};
const Row kOpening = {"3", "", "", "", "", "1-3", "2", "0"};
}

TEST(ExoForm, ShowsTheTableUnderItsEightHeaders) {
  TSampleTables s;
  TExoFormModel m(s.Info());
  EXPECT_EQ(Headers(m), (Row{"Направление", "Переключение фаз", "З", "ЗМ", "Ж", "Переключение фаз", "К", "КЖ"}));
  EXPECT_EQ(Widths(m), (std::vector<int>{71, 117, 30, 31, 31, 104, 30, 31}));
  ASSERT_EQ(m.Grid().RowCount(), 2);
  EXPECT_EQ(RowCells(m, 1), kClosing);
  EXPECT_EQ(RowCells(m, 2), kOpening);
  EXPECT_STREQ(m.FormName(), "Texoform");
  EXPECT_EQ(m.Caption(), "ОДД при нестандартной смене фаз");
}

TEST(ExoForm, RowsAreAddedEmptyRemovedBySelectionAndStoredCellByCell) {
  TSampleTables s;
  TExoFormModel m(s.Info());
  ASSERT_TRUE(m.PressButton("Добавить "));
  ASSERT_TRUE(m.PressButton("Добавить "));
  EXPECT_FALSE(m.PressButton("Добавить"));
  EXPECT_EQ(RowCells(m, 3), Row(8, ""));
  const Row typed = {"4", "1→3", "7,5", "", "x", "3→1", "-2", "КЖ"};
  for (int c = 0; c < 8; ++c) ASSERT_TRUE(m.SetCell(4, c, typed[static_cast<std::size_t>(c)]));
  // The last row added is selected; with the selection put on row 1 the
  // first sample row goes, the others move up.
  EXPECT_EQ(m.Grid().Selected(), 4);
  ASSERT_TRUE(m.SelectRow(1));
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  const TSVTable& t = s.Info().ExoTable;
  EXPECT_EQ(t.ColCount, 8);
  ASSERT_EQ(t.RowCount, 3);
  for (int c = 1; c <= 8; ++c) {
    const auto i = static_cast<std::size_t>(c - 1);
    EXPECT_EQ(t.Cell(c, 1), kOpening[i]) << c;
    EXPECT_EQ(t.Cell(c, 2), "") << c;
    EXPECT_EQ(t.Cell(c, 3), typed[i]) << c;
  }
  EXPECT_TRUE(s.Info().Modified);
}

TEST(ExoForm, AnEmptiedTableHasNoRowsAndCancelKeepsTheOldOne) {
  TSampleTables s;
  {
    TExoFormModel m(s.Info());
    ASSERT_TRUE(m.PressButton("Удалить"));
    ASSERT_TRUE(m.PressButton("Удалить"));
    EXPECT_FALSE(m.PressButton("Удалить"));
    EXPECT_EQ(m.Press(TDialogButton::Cancel), mrCancel);
    EXPECT_EQ(s.Info().ExoTable.RowCount, 2);
    EXPECT_FALSE(s.Info().Modified);
  }
  TExoFormModel m(s.Info());
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(s.Info().ExoTable.RowCount, 0);
  EXPECT_EQ(s.Info().ExoTable.Cell(1, 1), "");
}

TEST(ExoForm, ATableWithFewerColumnsWidensOnlyForTextTypedBeyondThem) {
  TSampleTables s;
  TSVTable& t = s.Info().ExoTable;
  t.SetColCount(5);
  {
    TExoFormModel m(s.Info());
    EXPECT_EQ(RowCells(m, 1), (Row{"2", "1-3", "9", "6", "3", "", "", ""}));
    EXPECT_EQ(RowCells(m, 2), (Row{"3", "", "", "", "", "", "", ""}));
    ASSERT_TRUE(m.SetCell(1, 0, "1а"));
    ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
    EXPECT_EQ(t.ColCount, 5);
    EXPECT_EQ(t.Cell(1, 1), "1а");
  }
  TExoFormModel m(s.Info());
  ASSERT_TRUE(m.SetCell(1, 6, "2, 3"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(t.ColCount, 7);
  EXPECT_EQ(t.Cell(7, 1), "2, 3");
  EXPECT_EQ(t.Cell(6, 1), "");
  EXPECT_EQ(t.Cell(5, 1), "3");
  EXPECT_EQ(t.Cell(7, 2), "");
}

TEST(ExoForm, AddStopsAtTheLargestNumberOfRowsATableHolds) {
  TSampleTables s;
  TExoFormModel m(s.Info());
  int added = 0;
  while (m.PressButton("Добавить ")) ++added;
  EXPECT_EQ(added, 253);
}

// A table of ten columns: the grid shows eight, and the ninth and tenth of
// each row go with their row when a row above it is deleted; a row added
// in the dialog has none.
TEST(ExoForm, TheHiddenNinthAndTenthColumnsMoveWithTheirRows) {
  TSampleTables s;
  TSVTable& t = s.Info().ExoTable;
  t.SetColCount(10);
  t.SetRowCount(3);
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 10; ++c) t.SetCell(c, r, std::string(1, static_cast<char>('a' + r - 1)) + std::to_string(c));
  TExoFormModel m(s.Info());
  ASSERT_TRUE(m.PressButton("Добавить "));
  ASSERT_TRUE(m.SetCell(4, 0, "d1"));
  ASSERT_TRUE(m.SelectRow(2));
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(t.ColCount, 10);
  ASSERT_EQ(t.RowCount, 3);
  const std::vector<Row> expected = {{"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "a10"},
                                     {"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9", "c10"},
                                     {"d1", "", "", "", "", "", "", "", "", ""}};
  for (int r = 1; r <= 3; ++r) {
    Row row;
    for (int c = 1; c <= 10; ++c) row.push_back(t.Cell(c, r));
    EXPECT_EQ(row, expected[static_cast<std::size_t>(r - 1)]) << "row " << r;
  }
}
