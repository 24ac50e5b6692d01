// The equipment dialog: the pick lists from config.ini, rows composed from
// them, and what Ok stores (rows and the description of the connection).
#include <gtest/gtest.h>

#include "InfoSaveFixture.h"
#include "tables/ComplFormModel.h"

using namespace tablesfixture;

namespace {

const std::vector<std::string> kController{"Контроллер", "УК-4", "1", "нет"};
const std::vector<std::string> kCable{"Кабель", "ТПП   5 x 1,5", "120 м", ""};

TComplPickLists Lists() { return {{"Кабель", "Светофор"}, {"ТПП", "КВВГ", "Т.1.1"}}; }

}  // namespace

TEST(ComplPickLists, EachSeriesIsReadFromOneUpwardsAndEndsAtTheFirstMissingOrEmptyKey) {
  TTempDir dir;
  // config.ini is in the passport files' code page.
  WriteBytes(dir.File("config.ini"), Encode1251(CrLf({"[DataBase]", "Naim_2=чужой", "[Compl_Form]", "Naim_1=Кабель",
                                           "Naim_3=Столб", "Type_1=ТПП", "Type_2=КВВГ", "Type_3=", "Type_4=АВВГ",
                                           "[Other]", "Naim_2=тоже чужой"})));
  const TComplPickLists lists = ReadComplPickLists(dir.File("config.ini"));
  EXPECT_EQ(lists.Names, (std::vector<std::string>{"Кабель"}));
  EXPECT_EQ(lists.Types, (std::vector<std::string>{"ТПП", "КВВГ"}));

  TInfoOnDisk disk;
  TComplFormModel form(disk.Info, lists);
  EXPECT_EQ(form.NAimLB.Items, (std::vector<std::string>{"", "Кабель"}));
  EXPECT_EQ(form.TipLB.Items, (std::vector<std::string>{"", "ТПП", "КВВГ"}));
  EXPECT_EQ(form.LineLB.Items, (std::vector<std::string>{"",   "1",  "2",  "3",  "4",  "5",  "6",  "7",
                                                         "8",  "9",  "10", "11", "12", "13", "14", "15",
                                                         "16", "17", "18", "19", "21"}));
  EXPECT_EQ(form.widthLB.Items, (std::vector<std::string>{"", "1,5", "2", "2,5", "4"}));

  // A section that is there but holds no series offers nothing.
  WriteBytes(dir.File("empty.ini"), Encode1251(CrLf({"[DataBase]", "LocalData=1", "[Compl_Form]", "Naim_2=Столб"})));
  const TComplPickLists none = ReadComplPickLists(dir.File("empty.ini"));
  EXPECT_TRUE(none.Names.empty());
  EXPECT_TRUE(none.Types.empty());
}

// Without the section, or without config.ini at all, the lists offer the
// usual equipment of an object.
TEST(ComplPickLists, WithoutTheSectionTheTypicalEquipmentIsOffered) {
  TTempDir dir;
  WriteBytes(dir.File("config.ini"), Encode1251(CrLf({"[DataBase]", "LocalData=1", "[Page]", "Naim_1=чужой"})));
  for (const std::string& path : {dir.File("config.ini"), dir.File("missing.ini")}) {
    SCOPED_TRACE(path);
    const TComplPickLists lists = ReadComplPickLists(path);
    EXPECT_EQ(lists.Names,
              (std::vector<std::string>{"Контроллер дорожный", "Светофор транспортный", "Светофор пешеходный",
                                        "Светофор трамвайный", "Секция дополнительная", "Табло вызывное пешеходное",
                                        "Кабель контрольный", "Кабель силовой", "Опора", "Стойка", "Консоль", "Трос",
                                        "Детектор транспорта"}));
    EXPECT_EQ(lists.Types, (std::vector<std::string>{"КС-2", "КС-4", "ДКС", "Т.1", "Т.2", "Т.4", "П.1", "КВВГ", "ТПП",
                                                     "ВВГ", "металлическая", "железобетонная", "индуктивный",
                                                     "радарный"}));
  }
  TInfoOnDisk disk;
  TComplFormModel form(disk.Info, ReadComplPickLists(dir.File("config.ini")));
  ASSERT_TRUE(form.Select("NAimLB", "Кабель контрольный"));
  ASSERT_TRUE(form.Select("TipLB", "КВВГ"));
  ASSERT_TRUE(form.Select("LineLB", "7"));
  ASSERT_TRUE(form.Select("widthLB", "1,5"));
  ASSERT_TRUE(form.PressButton("Добавить значения"));
  EXPECT_EQ(GridRows(form.Grid()).back(), (std::vector<std::string>{"Кабель контрольный", "КВВГ   7 x 1,5", "", ""}));
}

// An equipment list narrower than the grid keeps its width through an Ok
// without edits; "Удалить" right after an added row takes that row.
TEST(ComplFormDialog, ANarrowListKeepsItsWidthAndDeleteAfterAddTakesTheAddedRow) {
  std::string text = SampleInfoText();
  const std::string fourList =
      Encode1251(CrLf({"4 2", "Контроллер", "УК-4", "1", "нет", "Кабель", "ТПП   5 x 1,5", "120 м", ""}));
  const std::string threeList = Encode1251(CrLf({"3 2", "Контроллер", "УК-4", "1", "Кабель", "ТПП   5 x 1,5", "120 м"}));
  const std::size_t at = text.find(fourList);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, fourList.size(), threeList);
  TInfoOnDisk disk(text);
  ASSERT_TRUE(disk.Loaded);
  TComplFormModel form(disk.Info, Lists());
  ASSERT_TRUE(form.SelectRow(2));
  ASSERT_TRUE(form.PressButton("Добавить пустую"));
  ASSERT_TRUE(form.PressButton("Удалить"));
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(Rows(disk.Info.EquipmentTable),
            (TRows{{"Контроллер", "УК-4", "1"}, {"Кабель", "ТПП   5 x 1,5", "120 м"}}));
  EXPECT_FALSE(disk.Info.Modified);
}

TEST(ComplFormDialog, AddValuesComposesTheRowFromThePickListsAndSelectsIt) {
  struct Case {
    const char *Name, *Type, *Lines, *Width, *TypeCell;
  };
  // Type, then three blanks and the lines, " x" only with both, a blank and the width.
  const Case cases[] = {
      {"Кабель", "ТПП", "5", "1,5", "ТПП   5 x 1,5"},
      {"Кабель", "ТПП", "", "", "ТПП"},
      {"Светофор", "Т.1.1", "", "", "Т.1.1"},
      {"Кабель", "КВВГ", "21", "", "КВВГ   21"},
      {"Кабель", "КВВГ", "", "4", "КВВГ 4"},
      {"", "", "3", "2,5", "   3 x 2,5"},
      {"Светофор", "", "", "", ""},
  };
  for (const Case& c : cases) {
    TInfoOnDisk disk;
    TComplFormModel form(disk.Info, Lists());
    ASSERT_TRUE(form.Select("NAimLB", c.Name));
    ASSERT_TRUE(form.Select("TipLB", c.Type));
    ASSERT_TRUE(form.Select("LineLB", c.Lines));
    ASSERT_TRUE(form.Select("widthLB", c.Width));
    ASSERT_TRUE(form.PressButton("Добавить значения"));
    EXPECT_EQ(GridRows(form.Grid()), (TRows{kController, kCable, {c.Name, c.TypeCell, "", ""}})) << c.TypeCell;
    EXPECT_EQ(form.Grid().Selected(), 3);
  }
}

TEST(ComplFormDialog, PickListsTakeOnlyTheirOwnEntries) {
  TInfoOnDisk disk;
  TComplFormModel form(disk.Info, Lists());
  EXPECT_FALSE(form.Select("LineLB", "20")) << "the lines go from 19 to 21";
  EXPECT_FALSE(form.Select("widthLB", "1.5"));
  EXPECT_FALSE(form.Select("TipLB", "Кабель")) << "a name is not a type";
  EXPECT_FALSE(form.Select("NaimLB", "Кабель")) << "control names are exact";
  EXPECT_TRUE(form.Select("LineLB", "19"));
  EXPECT_EQ(form.LineLB.Index, 19);
  EXPECT_TRUE(form.Select("LineLB", "21"));
  EXPECT_EQ(form.LineLB.Index, 20);
}

TEST(ComplFormDialog, EveryOpeningStartsWithThePickListsEmptyAndTheTableAsStored) {
  TInfoOnDisk disk;
  TComplFormModel form(disk.Info, Lists());
  form.Select("NAimLB", "Светофор");
  form.Select("TipLB", "КВВГ");
  form.Select("LineLB", "7");
  form.Select("widthLB", "2");
  form.PressButton("Добавить пустую");
  form.SetText("TextField", "другое");
  form.Fill();
  for (const TPickList* list : {&form.NAimLB, &form.TipLB, &form.LineLB, &form.widthLB}) {
    EXPECT_EQ(list->Index, 0);
    EXPECT_EQ(list->Text(), "");
  }
  EXPECT_EQ(GridRows(form.Grid()), (TRows{kController, kCable}));
  EXPECT_EQ(form.Connection(), "Подключение к АСУДД");
}

TEST(ComplFormDialog, AddEmptySelectsAnEmptyRowAndDeleteRemovesTheSelectedOne) {
  TInfoOnDisk disk;
  TComplFormModel form(disk.Info, Lists());
  ASSERT_TRUE(form.PressButton("Добавить пустую"));
  EXPECT_EQ(form.Grid().Selected(), 3);
  ASSERT_TRUE(form.SetCell(3, 2, "2"));
  ASSERT_TRUE(form.SelectRow(1));
  ASSERT_TRUE(form.PressButton("Удалить"));
  EXPECT_EQ(GridRows(form.Grid()), (TRows{kCable, {"", "", "2", ""}}));
  EXPECT_EQ(form.Grid().Selected(), 1);
  EXPECT_FALSE(form.PressButton("Добавить"));
}

TEST(ComplFormDialog, OkStoresRowsAndDescriptionWithLineBreaksAsCrLfAndWithoutNuls) {
  TInfoOnDisk disk;
  TComplFormModel form(disk.Info, Lists());
  form.Select("NAimLB", "Светофор");
  form.Select("TipLB", "Т.1.1");
  form.PressButton("Добавить значения");
  form.SetCell(3, 2, "4");
  // Line breaks as a text control gives them, a NUL pasted in the middle.
  ASSERT_TRUE(form.SetText("TextField", std::string("Первая\nвторая\r\nтре") + '\0' + "тья\r"));
  EXPECT_FALSE(form.SetText("TextFieldX", "x"));
  EXPECT_EQ(disk.Info.ConnectionText, "Подключение к АСУДД") << "nothing is stored before Ok";

  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(Rows(disk.Info.EquipmentTable), (TRows{kController, kCable, {"Светофор", "Т.1.1", "4", ""}}));
  EXPECT_EQ(disk.Info.ConnectionText, "Первая\r\nвторая\r\nтретья\r\n");
  EXPECT_TRUE(disk.Info.Modified);
}

TEST(ComplFormDialog, CancelDropsTheEditsAndOkWithoutEditsLeavesTheInformationUnmodified) {
  for (TDialogButton button : {TDialogButton::Cancel, TDialogButton::Close}) {
    TInfoOnDisk disk;
    TComplFormModel form(disk.Info, Lists());
    form.PressButton("Добавить пустую");
    form.SetText("TextField", "другое");
    EXPECT_EQ(form.Press(button), mrCancel);
    EXPECT_EQ(Rows(disk.Info.EquipmentTable), (TRows{kController, kCable}));
    EXPECT_EQ(disk.Info.ConnectionText, "Подключение к АСУДД");
    EXPECT_FALSE(disk.Info.Modified);
  }
  TInfoOnDisk disk;
  TComplFormModel form(disk.Info, Lists());
  form.Select("LineLB", "5");
  EXPECT_EQ(form.Press(TDialogButton::Ok), mrOk);
  EXPECT_FALSE(disk.Info.Modified);
}
