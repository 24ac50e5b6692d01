// The table of traffic organisation at a non-standard phase change: free
// text in eight columns, rows added and removed, everything stored on Ok.
#include <gtest/gtest.h>

#include "InfoTablesFixture.h"
#include "tables/ExoFormModel.h"

using Row = std::vector<std::string>;

namespace {
const Row kSampleRow = {"1", "2", "3", "9", "3", "2", "1, 2", "переход через фазу 2 запрещён при вызове трамвая"};
}

TEST(ExoForm, ShowsTheTableUnderItsEightHeaders) {
  TSampleTables s;
  TExoFormModel m(s.Info());
  EXPECT_EQ(Headers(m), (Row{"Направление", "Переключение фаз", "З", "ЗМ", "Ж", "Переключение фаз", "К", "КЖ"}));
  EXPECT_EQ(Widths(m), (std::vector<int>{71, 117, 30, 31, 31, 104, 30, 31}));
  ASSERT_EQ(m.Grid().RowCount(), 1);
  EXPECT_EQ(RowCells(m, 1), kSampleRow);
  EXPECT_STREQ(m.FormName(), "Texoform");
  EXPECT_EQ(m.Caption(), "ОДД при нестандартной смене фаз");
}

TEST(ExoForm, RowsAreAddedEmptyRemovedBySelectionAndStoredCellByCell) {
  TSampleTables s;
  TExoFormModel m(s.Info());
  ASSERT_TRUE(m.PressButton("Добавить "));
  ASSERT_TRUE(m.PressButton("Добавить "));
  EXPECT_FALSE(m.PressButton("Добавить"));
  EXPECT_EQ(RowCells(m, 2), Row(8, ""));
  const Row second = {"4", "1→3", "7,5", "", "x", "3→1", "-2", "КЖ"};
  for (int c = 0; c < 8; ++c) ASSERT_TRUE(m.SetCell(3, c, second[static_cast<std::size_t>(c)]));
  // The selection is on row 1: the sample row goes, the empty row and the
  // typed one move up.
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  const TSVTable& t = s.Info().ExoTable;
  EXPECT_EQ(t.ColCount, 8);
  ASSERT_EQ(t.RowCount, 2);
  for (int c = 1; c <= 8; ++c) {
    EXPECT_EQ(t.Cell(c, 1), "") << c;
    EXPECT_EQ(t.Cell(c, 2), second[static_cast<std::size_t>(c - 1)]) << c;
  }
  EXPECT_TRUE(s.Info().Modified);
}

TEST(ExoForm, AnEmptiedTableHasNoRowsAndCancelKeepsTheOldOne) {
  TSampleTables s;
  {
    TExoFormModel m(s.Info());
    ASSERT_TRUE(m.PressButton("Удалить"));
    EXPECT_FALSE(m.PressButton("Удалить"));
    EXPECT_EQ(m.Press(TDialogButton::Cancel), mrCancel);
    EXPECT_EQ(s.Info().ExoTable.RowCount, 1);
    EXPECT_FALSE(s.Info().Modified);
  }
  TExoFormModel m(s.Info());
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
    EXPECT_EQ(RowCells(m, 1), (Row{"1", "2", "3", "9", "3", "", "", ""}));
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
}

TEST(ExoForm, AddStopsAtTheLargestNumberOfRowsATableHolds) {
  TSampleTables s;
  TExoFormModel m(s.Info());
  int added = 0;
  while (m.PressButton("Добавить ")) ++added;
  EXPECT_EQ(added, 254);
}
