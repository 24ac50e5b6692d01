// The general information: what it shows, how Ok reads the counts, and what
// it tells the main window afterwards.
#include <gtest/gtest.h>

#include "InfoTablesFixture.h"
#include "tables/InfoFormModel.h"
#include "tables/TableForms.h"

TEST(InfoForm, ShowsTheAddressTypeCountsCommentAndObjectNumber) {
  TSampleTables s;
  TInfoFormModel m(s.Info());
  EXPECT_EQ(m.NumLabel(), "Номер светофорного объекта: 1");
  EXPECT_EQ(m.Text("first"), "ул. Ленина");
  EXPECT_EQ(m.Text("Second"), "пр. Мира");
  EXPECT_EQ(m.Text("Napr"), "10");
  EXPECT_EQ(m.Text("phase"), "4");
  EXPECT_EQ(m.ObjectType(), 1);
  EXPECT_EQ(m.Text("CommField"),
            "Трамвайная линия проходит по оси ул. Ленина.\r\n"
            "Пешеходные переходы через пр. Мира оборудованы вызывными кнопками.\r\n"
            "Режим \"жёлтое мигание\" с 23:00 до 6:00.");
  EXPECT_EQ(m.Text("NumLabel"), "");
  EXPECT_FALSE(m.SetText("NumLabel", "2"));
  EXPECT_STREQ(m.FormName(), "TInfoForm");
  EXPECT_EQ(TInfoFormModel::Caption(), "Общая информация  по объекту");
}

// A count is a whole number from 0 to 255, blanks around it allowed.
TEST(InfoForm, OkTakesCountsThatAreWholeNumbersWithinTheSets) {
  struct TCase {
    std::string Napr, Phase;
    int Directions, Phases;
  };
  const TCase cases[] = {{"12", "3", 12, 3}, {" 7 ", "+5", 7, 5}, {"255", "0", 255, 0}, {"\t6", "007", 6, 7}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Napr + " / " + c.Phase);
    TSampleTables s;
    TInfoFormModel m(s.Info());
    ASSERT_TRUE(m.SetText("Napr", c.Napr));
    ASSERT_TRUE(m.SetText("phase", c.Phase));
    TMessageCapture shown;
    ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
    EXPECT_TRUE(shown.Messages.empty());
    EXPECT_EQ(m.BadField(), "");
    const TSVInfo& info = s.Info();
    EXPECT_EQ(info.DirectionCount, c.Directions);
    EXPECT_EQ(info.Directions.Count, c.Directions);
    EXPECT_EQ(info.PhaseCount, c.Phases);
    EXPECT_EQ(info.Phases.Count, c.Phases);
    EXPECT_EQ(info.Directions.PhaseCount, c.Phases);
    EXPECT_EQ(m.PhaseSelectorCount(), c.Phases);
  }
}

// Any other count is refused with a message naming the field and the text:
// the dialog stays open and nothing of it is stored, not the other count,
// not the address, not the type.
TEST(InfoForm, OkRefusesACountThatIsNotAWholeNumberWithinTheSetsAndStoresNothing) {
  struct TCase {
    std::string Napr, Phase, Field, Message;
  };
  const std::string range = " — допустимы значения от 0 до 255.";
  const TCase cases[] = {
      {"abc", "3", "Napr", "Поле «Направлений»: «abc» — не целое число."},
      {"7", "7.5", "phase", "Поле «Фаз»: «7.5» — не целое число."},
      {"7 направлений", "2", "Napr", "Поле «Направлений»: «7 направлений» — не целое число."},
      {"12", "2,5", "phase", "Поле «Фаз»: «2,5» — не целое число."},
      {"", "2", "Napr", "Поле «Направлений»: «» — не целое число."},
      {"6", "0x7", "phase", "Поле «Фаз»: «0x7» — не целое число."},
      {"-3", "1", "Napr", "Поле «Направлений»: «-3»" + range},
      {"300", "2", "Napr", "Поле «Направлений»: «300»" + range},
      {"5", " 99999999999999 ", "phase", "Поле «Фаз»: «99999999999999»" + range},
      // Both bad: the first field is named.
      {"x", "y", "Napr", "Поле «Направлений»: «x» — не целое число."},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Napr + " / " + c.Phase);
    TSampleTables s;
    TInfoFormModel m(s.Info());
    ASSERT_TRUE(m.SetText("first", "ул. Другая"));
    ASSERT_TRUE(m.Check("УК"));
    ASSERT_TRUE(m.SetText("Napr", c.Napr));
    ASSERT_TRUE(m.SetText("phase", c.Phase));
    TMessageCapture shown;
    EXPECT_EQ(m.Press(TDialogButton::Ok), mrNone);
    ASSERT_EQ(shown.Messages.size(), 1u);
    EXPECT_EQ(shown.Messages[0].Severity, TMessageSeverity::Error);
    EXPECT_EQ(shown.Messages[0].Text, c.Message);
    EXPECT_EQ(m.BadField(), c.Field);
    const TSVInfo& info = s.Info();
    EXPECT_EQ(info.DirectionCount, 10);
    EXPECT_EQ(info.Directions.Count, 10);
    EXPECT_EQ(info.PhaseCount, 4);
    EXPECT_EQ(info.Phases.Count, 4);
    EXPECT_EQ(info.Phases.Item(4)->TMain[1], 10);
    EXPECT_EQ(info.Address1, "ул. Ленина");
    EXPECT_EQ(info.ObjectType, 1);
    EXPECT_FALSE(info.Modified);
  }
}

// An object type outside the three (a damaged info.txt) is kept by Ok
// unless the user picks one.
TEST(InfoForm, AnUnknownObjectTypeIsKeptUnlessOneIsPicked) {
  TSampleTables s;
  s.Info().ObjectType = 7;
  {
    TInfoFormModel m(s.Info());
    EXPECT_EQ(m.ObjectType(), 7);
    ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
    EXPECT_EQ(s.Info().ObjectType, 7);
  }
  TInfoFormModel m(s.Info());
  ASSERT_TRUE(m.Check("Системный"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  EXPECT_EQ(s.Info().ObjectType, 0);
}

TEST(InfoForm, NewCountsKeepTheRemainingRecordsAndCreateNumberedOnes) {
  TSampleTables s;
  TInfoFormModel m(s.Info());
  ASSERT_TRUE(m.SetText("Napr", "12"));
  ASSERT_TRUE(m.SetText("phase", "2"));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  const TSVInfo& info = s.Info();
  EXPECT_EQ(info.Directions.Item(10)->ConflictText, "1, 2, 5, 6");
  EXPECT_EQ(info.Directions.Item(11)->Name, "11");
  EXPECT_EQ(info.Directions.Item(12)->Number, 12);
  EXPECT_EQ(info.Directions.Item(12)->TGreen, 0);
  EXPECT_EQ(info.Phases.Item(2)->TMain[1], 12);
  EXPECT_EQ(info.Phases.Item(3), nullptr);
}

TEST(InfoForm, TheObjectTypeDecidesWhetherTheSignalPlanEntriesAreOn) {
  struct TCase {
    const char* Caption;
    int Type;
    bool PlanEntries;
  };
  const TCase cases[] = {{"УК", 2, false}, {"Системный", 0, true}, {"Локальный", 1, true}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Caption);
    TSampleTables s;
    s.Info().ObjectType = 2;
    TInfoFormModel m(s.Info());
    EXPECT_FALSE(m.PlanEntriesEnabled());
    ASSERT_TRUE(m.Check(c.Caption));
    EXPECT_EQ(m.ObjectType(), c.Type);
    ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
    EXPECT_EQ(s.Info().ObjectType, c.Type);
    EXPECT_EQ(m.PlanEntriesEnabled(), c.PlanEntries);
  }
  TSampleTables s;
  TInfoFormModel m(s.Info());
  EXPECT_FALSE(m.Check("Ук"));
  EXPECT_FALSE(m.Check("Системный "));
}

TEST(InfoForm, OkStoresTheTextsAsInfoTxtCanHoldThem) {
  TSampleTables s;
  TInfoFormModel m(s.Info());
  ASSERT_TRUE(m.SetText("first", " ул. Новая,\r\nд. 5 "));
  ASSERT_TRUE(m.SetText("Second", "пер. Тихий"));
  ASSERT_TRUE(m.SetText("CommField", std::string("до\0после\r\nконец", 27)));
  ASSERT_EQ(m.Press(TDialogButton::Ok), mrOk);
  const TSVInfo& info = s.Info();
  // A line break would split the address line in two; a NUL would end the
  // comment on the next reading.
  EXPECT_EQ(info.Address1, " ул. Новая,  д. 5 ");
  EXPECT_EQ(info.Address2, "пер. Тихий");
  EXPECT_EQ(info.Comment, "допосле\r\nконец");
  EXPECT_EQ(info.AddressText(), "ул. Новая,  д. 5 - пер. Тихий");
  EXPECT_TRUE(info.Modified);
}

TEST(InfoForm, CancelAndAnUnchangedOkLeaveThePassportAsItWas) {
  TSampleTables s;
  {
    TInfoFormModel m(s.Info());
    ASSERT_TRUE(m.SetText("Napr", "1"));
    ASSERT_TRUE(m.Check("УК"));
    EXPECT_EQ(m.Press(TDialogButton::Cancel), mrCancel);
  }
  EXPECT_EQ(s.Info().DirectionCount, 10);
  EXPECT_EQ(s.Info().ObjectType, 1);
  TInfoFormModel m(s.Info());
  EXPECT_EQ(m.Press(TDialogButton::Ok), mrOk);
  EXPECT_FALSE(s.Info().Modified);
}

TEST(InfoForm, TheTableFormsOpenByTheirWindowClassNames) {
  TSampleTables s;
  for (const char* name : {"TInfoForm", "TPhaseForm", "TNaprDataForm", "Texoform"}) {
    auto model = OpenTableForm(name, *s.Passport, TTableFormEnv{});
    ASSERT_NE(model, nullptr) << name;
    EXPECT_STREQ(model->FormName(), name);
  }
  EXPECT_EQ(OpenTableForm("TNoSuchForm", *s.Passport, TTableFormEnv{}), nullptr);
  EXPECT_EQ(OpenTableForm("tinfoform", *s.Passport, TTableFormEnv{}), nullptr);
}
