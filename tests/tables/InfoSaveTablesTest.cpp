// Edits made in the change log, equipment and tram-head dialogs survive
// writing info.txt and reading it again.
#include <gtest/gtest.h>

#include "InfoSaveFixture.h"
#include "tables/ComplFormModel.h"
#include "tables/TexFormModel.h"
#include "tables/TramSchemeFormModel.h"

using namespace tablesfixture;

TEST(InfoSaveTables, EditsOfTheThreeDialogsAreWhatAFreshReadingOfTheSavedFileGives) {
  TInfoOnDisk disk;
  ASSERT_TRUE(disk.Loaded);
  {
    TTexFormModel log(disk.Info, "05.03.2024 г.");
    log.SelectRow(1);
    log.PressButton("Удалить");
    log.PressButton("Добавить ");
    log.SetCell(2, 1, "Установка");
    log.SetCell(2, 7, "новый ДК");
    ASSERT_EQ(log.Press(TDialogButton::Ok), mrOk);
  }
  {
    TComplFormModel equipment(disk.Info, {{"Светофор"}, {"Т.1.1"}});
    equipment.Select("NAimLB", "Светофор");
    equipment.Select("TipLB", "Т.1.1");
    equipment.Select("LineLB", "3");
    equipment.PressButton("Добавить значения");
    equipment.SetCell(3, 2, "6");
    equipment.SetText("TextField", std::string("Кабель от ТП-12\nк шкафу") + '\0' + " ДК\n");
    ASSERT_EQ(equipment.Press(TDialogButton::Ok), mrOk);
  }
  {
    TTramSchemeFormModel tram(disk.Info);
    tram.Spin("NumSpin", 3);
    tram.SetTramName(3, " Южная ");
    tram.SetTramLamp(3, 1, "Фаза", "1");
    tram.SetTramLamp(3, 2, "Зелен.", "3");
    tram.SetTramLamp(3, 3, "Желт.", "2");
    tram.SetTramLamp(3, 4, "Красн.", "3");
    ASSERT_EQ(tram.Press(TDialogButton::Ok), mrOk);
  }
  ASSERT_TRUE(disk.Info.Modified);
  ASSERT_TRUE(disk.Info.SaveAll());
  EXPECT_FALSE(disk.Info.Modified);

  const std::unique_ptr<TSVInfo> read = disk.Reloaded();
  EXPECT_TRUE(disk.Messages.Messages.empty());
  EXPECT_EQ(Rows(read->ChangeTable),
            (TRows{{"03.06.2021 г.", "Ремонт", "4", "1", "2", "1", "ДКС", ""},
                   {"05.03.2024 г.", "Установка", "", "", "", "", "", "новый ДК"}}));
  EXPECT_EQ(Rows(read->EquipmentTable), (TRows{{"Контроллер", "УК-4", "1", "нет"},
                                               {"Кабель", "ТПП   5 x 1,5", "120 м", ""},
                                               {"Светофор", "Т.1.1   3", "6", ""}}));
  EXPECT_EQ(read->ConnectionText, "Кабель от ТП-12\r\nк шкафу ДК\r\n");
  ASSERT_EQ(read->TramScheme.Count, 3);
  const std::vector<std::string> names{"", "Г 1", "Г 2", "Южная"};
  const int lamps[4][4][2] = {{}, {{0, 1}, {1, 2}, {2, 3}, {3, 1}}, {{2, 2}, {2, 3}, {0, 1}, {3, 3}},
                              {{3, 1}, {2, 3}, {1, 2}, {0, 3}}};
  for (int s = 1; s <= 3; ++s) {
    EXPECT_EQ(read->TramScheme.Schemes[s].Name, names[s]);
    for (int l = 1; l <= 4; ++l) {
      EXPECT_EQ(read->TramScheme.Schemes[s].Lamps[l].Kind, lamps[s][l - 1][0]) << s << "/" << l;
      EXPECT_EQ(read->TramScheme.Schemes[s].Lamps[l].Direction, lamps[s][l - 1][1]) << s << "/" << l;
    }
  }
  // What the dialogs did not touch reads back as it was.
  EXPECT_EQ(read->Comment, "Комментарий");
  EXPECT_EQ(read->Address1, "ул. Садовая");
  EXPECT_EQ(read->DirectionCount, 3);
  EXPECT_EQ(read->ExoTable.RowCount, 0);
  EXPECT_EQ(read->RealScale, 1.0);
}

TEST(InfoSaveTables, TheDescriptionIsStoredUpToItsNulWithItsLineBreaksAndTheTramSchemesAfterIt) {
  TInfoOnDisk disk;
  TComplFormModel equipment(disk.Info, {});
  equipment.SetText("TextField", std::string("А\n") + '\0' + "Б");
  equipment.Press(TDialogButton::Ok);
  ASSERT_TRUE(disk.Info.SaveAll());
  const std::string bytes = ReadBytes(disk.Dir.File("info.txt"));
  // The exo table, the description (a NUL typed into it dropped), its NUL,
  // then the tram schemes.
  const std::string expected = Encode1251(CrLf({"8 0", "А"})) + Encode1251("Б") + std::string(1, '\0') + "\r\n" +
                               Encode1251(CrLf({"2", "Г 1"}));
  EXPECT_NE(bytes.find(expected), std::string::npos);
}
