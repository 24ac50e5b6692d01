// The change log dialog: rows dated today, deleting the selected row, and
// what Ok stores into the change log.
#include <gtest/gtest.h>

#include "InfoSaveFixture.h"
#include "model/SVObject.h"
#include "tables/TableForms.h"
#include "tables/TexFormModel.h"

using namespace tablesfixture;

namespace {

const std::vector<std::string> kFirstChange{"12.01.2020 г.", "Реконструкция", "4", "0", "2", "0", "ДКС",
                                            "заменён контроллер"};
const std::vector<std::string> kSecondChange{"03.06.2021 г.", "Ремонт", "4", "1", "2", "1", "ДКС", ""};

std::vector<std::string> DatedRow(const std::string& date) {
  std::vector<std::string> row(8);
  row[0] = date;
  return row;
}

}  // namespace

TEST(ChangeLogDate, DayAndMonthHaveTwoDigitsTheYearFourThenABlankAndTheYearMark) {
  struct Case {
    int Day, Month, Year;
    const char* Text;
  };
  const Case cases[] = {{5, 3, 2024, "05.03.2024 г."},
                        {31, 12, 1999, "31.12.1999 г."},
                        {1, 10, 2026, "01.10.2026 г."},
                        {29, 2, 800, "29.02.0800 г."}};
  for (const Case& c : cases) EXPECT_EQ(ChangeLogDate(c.Day, c.Month, c.Year), c.Text) << c.Text;
}

TEST(ChangeLogDialog, OpensWithEveryCellOfTheLogUnderTheEightCaptionsWithTheirWidths) {
  TInfoOnDisk disk;
  ASSERT_TRUE(disk.Loaded);
  TTexFormModel form(disk.Info, "05.03.2024 г.");
  const TTextGrid& grid = form.Grid();
  const std::vector<std::pair<std::string, int>> columns{{"Дата", 64},   {"Тип", 80},    {"Трансп.", 41},
                                                         {"Доп. секций", 37}, {"Пешех.", 38}, {"Трамв.", 39},
                                                         {"Тип ДК", 76}, {"Примечания", 168}};
  ASSERT_EQ(grid.ColumnCount(), 8);
  for (int c = 0; c < 8; ++c) {
    EXPECT_EQ(grid.Column(c).Caption, columns[c].first);
    EXPECT_EQ(grid.Column(c).Width, columns[c].second);
  }
  EXPECT_EQ(GridRows(grid), (TRows{kFirstChange, kSecondChange}));
  EXPECT_STREQ(form.FormName(), "TtexForm");
}

TEST(ChangeLogDialog, AddAppendsRowsDatedTodayBelowTheOthersAndOkStoresThemAll) {
  TInfoOnDisk disk;
  TTexFormModel form(disk.Info, "05.03.2024 г.");
  ASSERT_TRUE(form.PressButton("Добавить "));
  ASSERT_TRUE(form.PressButton("Добавить "));
  EXPECT_FALSE(form.PressButton("Добавить")) << "the caption has a trailing blank";
  ASSERT_TRUE(form.SetCell(3, 1, "Новый"));
  ASSERT_TRUE(form.SetCell(4, 7, "вторая"));
  EXPECT_EQ(disk.Info.ChangeTable.RowCount, 2) << "nothing is stored before Ok";
  EXPECT_FALSE(disk.Info.Modified);

  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  std::vector<std::string> third = DatedRow("05.03.2024 г.");
  third[1] = "Новый";
  std::vector<std::string> fourth = DatedRow("05.03.2024 г.");
  fourth[7] = "вторая";
  EXPECT_EQ(Rows(disk.Info.ChangeTable), (TRows{kFirstChange, kSecondChange, third, fourth}));
  EXPECT_TRUE(disk.Info.Modified);
}

TEST(ChangeLogDialog, DeleteRemovesTheSelectedRowAndTheSelectionStaysOnItsNumberOrTheNewLast) {
  TInfoOnDisk disk;
  TTexFormModel form(disk.Info, "07.07.2027 г.");
  ASSERT_TRUE(form.PressButton("Добавить "));
  ASSERT_TRUE(form.SelectRow(2));
  ASSERT_TRUE(form.PressButton("Удалить"));
  EXPECT_EQ(GridRows(form.Grid()), (TRows{kFirstChange, DatedRow("07.07.2027 г.")}));
  EXPECT_EQ(form.Grid().Selected(), 2);
  ASSERT_TRUE(form.PressButton("Удалить"));
  EXPECT_EQ(GridRows(form.Grid()), (TRows{kFirstChange}));
  EXPECT_EQ(form.Grid().Selected(), 1);
  ASSERT_TRUE(form.PressButton("Удалить"));
  EXPECT_EQ(form.Grid().RowCount(), 0);
  EXPECT_EQ(form.Grid().Selected(), 0);
  EXPECT_FALSE(form.PressButton("Удалить")) << "nothing left to delete";
  EXPECT_FALSE(form.SelectRow(1));

  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(disk.Info.ChangeTable.RowCount, 0);
  EXPECT_EQ(disk.Info.ChangeTable.ColCount, 8);
  EXPECT_TRUE(disk.Info.Modified);
}

TEST(ChangeLogDialog, CancelAndTheCloseBoxDropTheEditsAndOkWithoutEditsLeavesTheInformationUnmodified) {
  for (TDialogButton button : {TDialogButton::Cancel, TDialogButton::Close}) {
    TInfoOnDisk disk;
    TTexFormModel form(disk.Info, "05.03.2024 г.");
    form.SetCell(1, 0, "изменено");
    form.PressButton("Добавить ");
    EXPECT_EQ(form.Press(button), mrCancel);
    EXPECT_EQ(Rows(disk.Info.ChangeTable), (TRows{kFirstChange, kSecondChange}));
    EXPECT_FALSE(disk.Info.Modified);
  }
  TInfoOnDisk disk;
  TTexFormModel form(disk.Info, "05.03.2024 г.");
  form.SetCell(2, 1, "Ремонт");  // the text it already holds
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_FALSE(disk.Info.Modified);
}

TEST(ChangeLogDialog, ACellHoldsOneLineWithoutNulsAndCellsOutsideTheGridAreRefused) {
  TInfoOnDisk disk;
  TTexFormModel form(disk.Info, "05.03.2024 г.");
  ASSERT_TRUE(form.SetCell(1, 7, std::string("две\r\nстроки\nи") + '\0' + "ноль"));
  EXPECT_EQ(form.Grid().Cell(1, 7), "две  строки иноль");
  EXPECT_FALSE(form.SetCell(0, 0, "x"));
  EXPECT_FALSE(form.SetCell(3, 0, "x"));
  EXPECT_FALSE(form.SetCell(1, 8, "x"));
  EXPECT_FALSE(form.SetCell(1, -1, "x"));
}

TEST(ChangeLogDialog, AFullLogOfTwoHundredFiftyFiveRowsRefusesAnotherRowInsteadOfLosingIt) {
  TInfoOnDisk disk;
  TTexFormModel form(disk.Info, "05.03.2024 г.");
  for (int i = 3; i <= 255; ++i) ASSERT_TRUE(form.PressButton("Добавить ")) << i;
  EXPECT_FALSE(form.PressButton("Добавить "));
  ASSERT_TRUE(form.SetCell(255, 7, "последняя"));
  EXPECT_EQ(form.Grid().RowCount(), 255);
  form.Press(TDialogButton::Ok);
  EXPECT_EQ(disk.Info.ChangeTable.RowCount, 255);
  EXPECT_EQ(disk.Info.ChangeTable.Cell(8, 255), "последняя");
  EXPECT_EQ(disk.Info.ChangeTable.Cell(1, 255), "05.03.2024 г.");
}

TEST(ChangeLogDialog, ColumnsBeyondTheShownEightMoveWithTheirRowAndANarrowLogIsWidenedToKeepTypedText) {
  // A log of 10 columns: a deleted row takes its ninth and tenth cell along.
  std::string wide = SampleInfoText();
  const std::string narrowLog = Encode1251(CrLf({"8 2", "12.01.2020 г.", "Реконструкция", "4", "0", "2", "0", "ДКС",
                                                 "заменён контроллер", "03.06.2021 г.", "Ремонт", "4", "1", "2", "1",
                                                 "ДКС", ""}));
  const std::string wideLog = Encode1251(CrLf({"10 2", "a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "a10",
                                               "b1", "b2", "b3", "b4", "b5", "b6", "b7", "b8", "b9", "b10"}));
  const std::size_t at = wide.find(narrowLog);
  ASSERT_NE(at, std::string::npos);
  {
    TInfoOnDisk disk(std::string(wide).replace(at, narrowLog.size(), wideLog));
    ASSERT_TRUE(disk.Loaded);
    TTexFormModel form(disk.Info, "05.03.2024 г.");
    ASSERT_TRUE(form.SelectRow(1));
    ASSERT_TRUE(form.PressButton("Удалить"));
    form.Press(TDialogButton::Ok);
    EXPECT_EQ(Rows(disk.Info.ChangeTable), (TRows{{"b1", "b2", "b3", "b4", "b5", "b6", "b7", "b8", "b9", "b10"}}));
  }
  // A log of 3 columns: text typed into the eighth is kept.
  const std::string threeLog = Encode1251(CrLf({"3 1", "c1", "c2", "c3"}));
  TInfoOnDisk disk(std::string(wide).replace(at, narrowLog.size(), threeLog));
  ASSERT_TRUE(disk.Loaded);
  TTexFormModel form(disk.Info, "05.03.2024 г.");
  ASSERT_TRUE(form.SetCell(1, 7, "примечание"));
  form.Press(TDialogButton::Ok);
  EXPECT_EQ(Rows(disk.Info.ChangeTable), (TRows{{"c1", "c2", "c3", "", "", "", "", "примечание"}}));
}

TEST(ChangeLogDialog, TheTableDialogsOpenByTheirWindowNames) {
  TMessageCapture messages;
  TTempDir dir;
  WriteBytes(dir.File("info.txt"), SampleInfoText());
  TSVObject passport(dir.Path());
  ASSERT_TRUE(passport.Info->LoadAll());
  const TTableFormEnv env{"05.03.2024 г.", dir.File("config.ini")};
  for (const char* name : {"TtexForm", "TComplForm", "TTramSForm"}) {
    const std::unique_ptr<TDialogModel> form = OpenTableForm(name, passport, env);
    ASSERT_TRUE(form) << name;
    EXPECT_STREQ(form->FormName(), name);
  }
  const std::unique_ptr<TDialogModel> log = OpenTableForm("TtexForm", passport, env);
  ASSERT_TRUE(log->PressButton("Добавить "));
  log->Press(TDialogButton::Ok);
  EXPECT_EQ(passport.Info->ChangeTable.Cell(1, 3), "05.03.2024 г.");
  EXPECT_FALSE(OpenTableForm("TtexForm ", passport, env));
}

TEST(ChangeLogDialog, DeleteRightAfterAddRemovesTheAddedRowNotTheFirstChange) {
  TInfoOnDisk disk;
  TTexFormModel form(disk.Info, "05.03.2024 г.");
  EXPECT_EQ(form.Grid().Selected(), 1);
  ASSERT_TRUE(form.PressButton("Добавить "));
  EXPECT_EQ(form.Grid().Selected(), 3);
  ASSERT_TRUE(form.PressButton("Удалить"));
  EXPECT_EQ(GridRows(form.Grid()), (TRows{kFirstChange, kSecondChange}));
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_FALSE(disk.Info.Modified);
}

// A log narrower than the grid keeps its width through an Ok without edits
// (nothing to save, info.txt unchanged) and through text typed only into
// the columns it has; text typed beyond widens it just far enough.
TEST(ChangeLogDialog, ANarrowLogIsWidenedOnlyAsFarAsTextWasTypedBeyondIt) {
  const std::string narrowLog = Encode1251(CrLf({"8 2", "12.01.2020 г.", "Реконструкция", "4", "0", "2", "0", "ДКС",
                                                 "заменён контроллер", "03.06.2021 г.", "Ремонт", "4", "1", "2", "1",
                                                 "ДКС", ""}));
  const std::string fiveLog =
      Encode1251(CrLf({"5 2", "01.02.2003 г.", "Ввод", "6", "0", "4", "05.06.2007 г.", "Ремонт", "6", "2", "4"}));
  std::string text = SampleInfoText();
  const std::size_t at = text.find(narrowLog);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, narrowLog.size(), fiveLog);
  {
    TInfoOnDisk disk(text);
    ASSERT_TRUE(disk.Loaded);
    TTexFormModel form(disk.Info, "05.03.2024 г.");
    ASSERT_TRUE(form.SetCell(2, 4, "5"));
    ASSERT_TRUE(form.SetCell(2, 4, "4"));  // back to what it held
    EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
    EXPECT_EQ(disk.Info.ChangeTable.ColCount, 5);
    EXPECT_FALSE(disk.Info.Modified);
  }
  TInfoOnDisk disk(text);
  TTexFormModel form(disk.Info, "05.03.2024 г.");
  ASSERT_TRUE(form.SetCell(1, 6, "ДКС"));
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(Rows(disk.Info.ChangeTable), (TRows{{"01.02.2003 г.", "Ввод", "6", "0", "4", "", "ДКС"},
                                                {"05.06.2007 г.", "Ремонт", "6", "2", "4", "", ""}}));
  EXPECT_TRUE(disk.Info.Modified);
}
