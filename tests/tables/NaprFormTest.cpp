// The direction table: what it shows, the rule that fills the derived times
// when a green or red time is typed, its rows, and what Ok takes.
#include <gtest/gtest.h>

#include "InfoTablesFixture.h"
#include "tables/NaprDataFormModel.h"

using Row = std::vector<std::string>;
using M = TNaprDataFormModel;

TEST(NaprDataForm, ShowsEveryDirectionWithItsThresholds) {
  TSampleTables s;
  M m(s.Info());
  EXPECT_EQ(Headers(m), (Row{"Направление", "Фазы", "Конфл. направл.", "З", "ЗМ", "Ж", "К", "КЖ", "Контр. красных"}));
  EXPECT_EQ(Widths(m), (std::vector<int>{56, 56, 88, 31, 31, 29, 30, 31, 88}));
  EXPECT_TRUE(m.RangeSelection());
  // The ten direction records of svo1.
  const std::vector<Row> expected = {
      {"1", "1", "3, 4, 7, 8, 10", "9", "6", "3", "2", "0", "да"},
      {"2", "1, 2", "3, 4, 7, 8, 10", "9", "6", "3", "2", "0", "да"},
      {"3", "3", "1, 2, 5, 6, 9", "9", "6", "3", "2", "0", "да"},
      {"4", "3, 4", "1, 2, 5, 6, 9", "9", "6", "3", "2", "0", "да"},
      {"5", "1", "3, 4, 10", "6", "3", "3", "0", "0", "нет"},
      {"6", "1", "3, 4, 10", "6", "3", "3", "0", "0", "нет"},
      {"7", "3", "1, 2, 9", "6", "3", "3", "0", "0", "нет"},
      {"8", "3", "1, 2, 9", "6", "3", "3", "0", "0", "нет"},
      {"9", "2", "3, 4, 7, 8", "6", "3", "3", "0", "0", "да"},
      {"10", "4", "1, 2, 5, 6", "6", "3", "3", "0", "0", "да"}};
  ASSERT_EQ(m.Grid().RowCount(), 10);
  for (int r = 1; r <= 10; ++r) {
    EXPECT_EQ(RowCells(m, r), expected[static_cast<std::size_t>(r - 1)]) << "row " << r;
    EXPECT_EQ(m.RememberedGreen(r), r <= 4 ? 9 : 6) << r;
    EXPECT_EQ(m.RememberedRed(r), r <= 4 ? 2 : 0) << r;
  }
}

// Row 1 of svo1 holds З 9, ЗМ 6, Ж 3, К 2, КЖ 0; ЗМ is first set by hand to
// 5 so that a rule that fires when it should not shows.
TEST(NaprDataForm, TypingAGreenOrRedTimeFillsTheDerivedTimesOnlyWhenItChanged) {
  struct TCase {
    const char* What;
    std::vector<std::pair<int, std::string>> Typed;  // column, text, in order
    Row Times;                                      // З ЗМ Ж К КЖ afterwards
    int Green, Red;                                 // remembered afterwards
  };
  const TCase cases[] = {
      {"a larger green", {{M::kGreen, "20"}}, {"20", "17", "14", "2", "0"}, 20, 2},
      {"a small green goes negative", {{M::kGreen, "2"}}, {"2", "-1", "-4", "2", "0"}, 2, 2},
      {"the same green changes nothing", {{M::kGreen, "9"}}, {"9", "5", "3", "2", "0"}, 9, 2},
      {"the same green with blanks changes nothing", {{M::kGreen, " 9 "}}, {" 9 ", "5", "3", "2", "0"}, 9, 2},
      {"a green beyond 8 bits is a new green", {{M::kGreen, "265"}}, {"265", "262", "259", "2", "0"}, 265, 2},
      {"a green typed key by key", {{M::kGreen, "1"}, {M::kGreen, "12"}}, {"12", "9", "6", "2", "0"}, 12, 2},
      {"back to the remembered green after a change",
       {{M::kGreen, "1"}, {M::kGreen, "9"}},
       {"9", "6", "3", "2", "0"},
       9,
       2},
      {"not a number", {{M::kGreen, "7.5"}}, {"7.5", "5", "3", "2", "0"}, 9, 2},
      {"a red", {{M::kRed, "4"}}, {"9", "5", "3", "4", "4"}, 9, 4},
      {"the same red changes nothing", {{M::kRed, "2"}}, {"9", "5", "3", "2", "0"}, 9, 2},
      {"the derived columns have no rule", {{M::kYellow, "30"}, {M::kRedYellow, "8"}}, {"9", "5", "30", "2", "8"}, 9, 2},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TSampleTables s;
    M m(s.Info());
    ASSERT_TRUE(m.SetCell(1, M::kGreenFlash, "5"));
    for (const auto& [col, text] : c.Typed) ASSERT_TRUE(m.SetCell(1, col, text));
    Row times;
    for (int col = M::kGreen; col <= M::kRedYellow; ++col) times.push_back(m.Grid().Cell(1, col));
    EXPECT_EQ(times, c.Times);
    EXPECT_EQ(m.RememberedGreen(1), c.Green);
    EXPECT_EQ(m.RememberedRed(1), c.Red);
    // The rule works on its own row only.
    EXPECT_EQ(RowCells(m, 2), (Row{"2", "1, 2", "3, 4, 7, 8, 10", "9", "6", "3", "2", "0", "да"}));
  }
}

TEST(NaprDataForm, ANewRowIsNumberedWithZeroTimesAndCanBeConfirmedAsItIs) {
  TSampleTables s;
  M m(s.Info());
  ASSERT_TRUE(m.PressButton("Добавить "));
  EXPECT_FALSE(m.PressButton("Добавить"));
  ASSERT_EQ(m.Grid().RowCount(), 11);
  EXPECT_EQ(RowCells(m, 11), (Row{"11", "", "", "0", "0", "0", "0", "0", ""}));
  EXPECT_EQ(m.RememberedGreen(11), 0);
  // Typing 0 over the 0 it shows derives nothing.
  ASSERT_TRUE(m.SetCell(11, M::kGreenFlash, "4"));
  ASSERT_TRUE(m.SetCell(11, M::kGreen, "0"));
  EXPECT_EQ(m.Grid().Cell(11, M::kGreenFlash), "4");
  ASSERT_TRUE(m.SetCell(11, M::kGreenFlash, "0"));

  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  ASSERT_EQ(s.Info().DirectionCount, 11);
  const TSVNapr& d = *s.Info().Directions.Item(11);
  EXPECT_EQ(d.Name, "11");
  EXPECT_EQ(d.Number, 11);
  EXPECT_EQ(d.PhaseListText(), "");
  EXPECT_EQ(d.TGreen + d.TGreenFlash + d.TYellow + d.TRed + d.TRedYellow, 0);
}

TEST(NaprDataForm, DeleteRemovesTheSelectedRowAndItsRememberedTimesMoveUpWithTheRowsBelow) {
  TSampleTables s;
  M m(s.Info());
  ASSERT_TRUE(m.SelectRow(4));
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_EQ(m.Grid().RowCount(), 9);
  EXPECT_EQ(m.Grid().Selected(), 4);
  const char* names[] = {"1", "2", "3", "5", "6", "7", "8", "9", "10"};
  for (int r = 1; r <= 9; ++r) EXPECT_EQ(m.Grid().Cell(r, M::kName), names[r - 1]) << r;
  // Row 4 is now direction 5 with green 6: typing 6 there is no change.
  EXPECT_EQ(m.RememberedGreen(4), 6);
  ASSERT_TRUE(m.SetCell(4, M::kGreen, "6"));
  EXPECT_EQ(m.Grid().Cell(4, M::kGreenFlash), "3");
  EXPECT_EQ(m.Grid().Cell(4, M::kYellow), "3");

  ASSERT_TRUE(m.SelectRow(9));
  ASSERT_TRUE(m.PressButton("Удалить"));
  EXPECT_EQ(m.Grid().Selected(), 8);
  EXPECT_FALSE(m.SelectRow(9));
  EXPECT_FALSE(m.SelectRow(0));

  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  const TNaprSet& set = s.Info().Directions;
  ASSERT_EQ(s.Info().DirectionCount, 8);
  ASSERT_EQ(set.Count, 8);
  EXPECT_EQ(set.Item(4)->Name, "5");
  EXPECT_EQ(set.Item(4)->Number, 5);
  EXPECT_EQ(set.Item(4)->TGreen, 6);
  EXPECT_EQ(set.Item(4)->RedControlText, "нет");
  EXPECT_EQ(set.Item(8)->Name, "9");
}

TEST(NaprDataForm, DeletingEveryRowLeavesNoDirectionsAndNothingMoreToDelete) {
  TSampleTables s;
  M m(s.Info());
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(m.PressButton("Удалить")) << i;
  EXPECT_FALSE(m.PressButton("Удалить"));
  EXPECT_EQ(m.Grid().Selected(), 0);
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(s.Info().DirectionCount, 0);
  EXPECT_EQ(s.Info().Directions.Count, 0);
}

TEST(NaprDataForm, OkStoresNamesPhasesTextsAndTimesOfEveryRow) {
  TSampleTables s;
  M m(s.Info());
  const Row typed = {"  12ab34  ", "3, 0, 8, 5,1", "2,  6", "15", "11", "8", "5", "3", "нет\r\nда"};
  for (int col = 0; col < 9; ++col) ASSERT_TRUE(m.SetCell(2, col, typed[static_cast<std::size_t>(col)]));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  const TSVNapr& d = *s.Info().Directions.Item(2);
  // Trimmed and cut to five characters: "12ab3"; its digits give 123.
  EXPECT_EQ(d.Name, "12ab3");
  EXPECT_EQ(d.Number, 123);
  EXPECT_EQ(d.PhaseListText(), "1, 3, 5");
  EXPECT_EQ(d.ConflictText, "2,  6");
  EXPECT_EQ(d.TGreen, 15);
  EXPECT_EQ(d.TGreenFlash, 11);
  EXPECT_EQ(d.TYellow, 8);
  EXPECT_EQ(d.TRed, 5);
  EXPECT_EQ(d.TRedYellow, 3);
  // A line break cannot live in a one-line field of info.txt.
  EXPECT_EQ(d.RedControlText, "нет  да");
  EXPECT_EQ(s.Info().Directions.Item(3)->Name, "3");
  EXPECT_TRUE(s.Info().Modified);
}

TEST(NaprDataForm, ABadTimeRefusesOkWithNothingStoredAndTheSelectionOnItsRow) {
  TSampleTables s;
  M m(s.Info());
  ASSERT_TRUE(m.SetCell(2, M::kRedControl, "проверено"));
  ASSERT_TRUE(m.SetCell(3, M::kName, "3а"));
  ASSERT_TRUE(m.SetCell(3, M::kGreen, "10"));  // ЗМ 7, Ж 4
  ASSERT_TRUE(m.SetCell(3, M::kRed, "4,5"));
  ASSERT_TRUE(m.SetCell(4, M::kGreen, "11"));
  ASSERT_TRUE(m.SelectRow(1));
  ASSERT_TRUE(m.PressButton("Удалить"));  // row 3 becomes row 2
  ASSERT_TRUE(m.SelectRow(7));
  TMessageCapture shown;
  EXPECT_EQ(m.Press(TDialogButton::Ok), mrNone);
  EXPECT_EQ(Texts(shown), (Row{"Строка 2, столбец «К»: «4,5» — не целое число."}));
  EXPECT_EQ(m.BadEntry().Row, 2);
  EXPECT_EQ(m.BadEntry().Column, M::kRed);
  EXPECT_EQ(m.Grid().Selected(), 2);
  // svo1 as read: ten directions, 1 to 4 with З 9, Ж 3, К 2 and "да".
  const TNaprSet& set = s.Info().Directions;
  EXPECT_EQ(s.Info().DirectionCount, 10);
  EXPECT_EQ(set.Count, 10);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(set.Item(i)->Name, std::to_string(i)) << i;
    EXPECT_EQ(set.Item(i)->TGreen, 9) << i;
    EXPECT_EQ(set.Item(i)->TYellow, 3) << i;
    EXPECT_EQ(set.Item(i)->TRed, 2) << i;
    EXPECT_EQ(set.Item(i)->RedControlText, "да") << i;
  }
  EXPECT_FALSE(s.Info().Modified);

  // Mended, the same dialog stores every row.
  ASSERT_TRUE(m.SetCell(2, M::kRed, "5"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(set.Count, 9);
  EXPECT_EQ(set.Item(1)->RedControlText, "проверено");
  EXPECT_EQ(set.Item(2)->Name, "3а");
  EXPECT_EQ(set.Item(2)->TYellow, 4);
  EXPECT_EQ(set.Item(2)->TRedYellow, 5);
  EXPECT_EQ(set.Item(3)->TGreenFlash, 8);
}

// "Добавить" selects the new row, so "Удалить" right after it takes that
// row and not the first direction.
TEST(NaprDataForm, DeleteRightAfterAddRemovesTheAddedRow) {
  TSampleTables s;
  M m(s.Info());
  ASSERT_TRUE(m.SelectRow(3));
  ASSERT_TRUE(m.PressButton("Добавить "));
  EXPECT_EQ(m.Grid().Selected(), 11);
  ASSERT_TRUE(m.SetCell(11, M::kConflict, "новое"));
  ASSERT_TRUE(m.PressButton("Удалить"));
  ASSERT_EQ(m.Grid().RowCount(), 10);
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(m.Grid().Cell(r, M::kName), std::to_string(r)) << r;
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(s.Info().DirectionCount, 10);
  EXPECT_EQ(s.Info().Directions.Item(1)->ConflictText, "3, 4, 7, 8, 10");
  EXPECT_FALSE(s.Info().Modified);
}

TEST(NaprDataForm, AnAddedRowWhoseTimeWasClearedIsRefusedByRowAndColumn) {
  TSampleTables s;
  M m(s.Info());
  ASSERT_TRUE(m.PressButton("Добавить "));
  ASSERT_TRUE(m.SetCell(11, M::kYellow, ""));
  TMessageCapture shown;
  EXPECT_EQ(m.Press(TDialogButton::Ok), mrNone);
  EXPECT_EQ(Texts(shown), (Row{"Строка 11, столбец «Ж»: «» — не целое число."}));
  EXPECT_EQ(s.Info().DirectionCount, 10);
}

TEST(NaprDataForm, ANegativeDerivedTimeIsRefusedRatherThanStoredAsAHugeOne) {
  TSampleTables s;
  M m(s.Info());
  ASSERT_TRUE(m.SetCell(5, M::kGreen, "4"));  // ЗМ 1, Ж -2
  TMessageCapture shown;
  EXPECT_EQ(m.Press(TDialogButton::Ok), mrNone);
  EXPECT_EQ(Texts(shown), (Row{"Строка 5, столбец «Ж»: «-2» — допустимы значения от 0 до 65535."}));
  EXPECT_EQ(m.BadEntry().Column, M::kYellow);
  EXPECT_EQ(s.Info().Directions.Item(5)->TYellow, 3);
  ASSERT_TRUE(m.SetCell(5, M::kYellow, "0"));
  EXPECT_EQ(m.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(s.Info().Directions.Item(5)->TGreenFlash, 1);
  EXPECT_EQ(s.Info().Directions.Item(5)->TYellow, 0);
}
