#include <gtest/gtest.h>

#include <random>

#include "PlanFixture.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "store/OpenPassport.h"

namespace {

const std::string NUL(1, '\0');

// A small local passport: 2 phases, 2 directions, one row per table, one
// tram scheme. Pieces can be swapped to damage it.
struct TPassportText {
  std::string Phases = CrLf({"2", "1", "5 20 15 10", "2", "5 12 10 8", "50"});
  std::string Directions = CrLf({"2", "1", "1", "2", "9 6 3 2 2", "да", "2", "2", "1", "6 3 3 0 0", "нет"});
  std::string Comment = "строка 1\r\nстрока 2" + NUL + "\r\n";
  std::string Equipment = CrLf({"4 1", "Контроллер", "КС-2", "1", ""});
  std::string Changes = CrLf({"8 1", "1", "01.02.2020", "ввод", "", "", "", "", ""});
  std::string Exo = CrLf({"8 0"});
  std::string Connection = "линия 3" + NUL + "\r\n";
  std::string Tram = CrLf({"1", "Г 1", "0 9", "1 9", "2 9", "3 9"});
  std::string Scale = CrLf({"1.5"});

  std::string Bytes() const {
    return Encode1251(CrLf({"ул. Ленина", "пр. Мира", "1"}) + Phases + Directions + Comment + Equipment + Changes +
                      Exo + Connection + Tram + Scale);
  }
};

class InfoLoad : public ::testing::Test {
 protected:
  bool Load(const std::string& bytes) {
    WriteBytes(f.Info.FileName, bytes);
    return f.Info.LoadAll();
  }
  std::string ReadError() const {
    return "Не могу считать из файла. Ошибка № 106. Источник ошибки - TSVInfo.LoadAll(). Имя файла - " +
           f.Info.FileName + ".";
  }

  TPlanFixture f;
  TMessageCapture messages;
};

}  // namespace

TEST_F(InfoLoad, ReadsEverySectionInFileOrder) {
  ASSERT_TRUE(Load(TPassportText().Bytes()));
  EXPECT_TRUE(messages.Messages.empty());
  const TSVInfo& i = f.Info;
  EXPECT_EQ(i.Address1, "ул. Ленина");
  EXPECT_EQ(i.ObjectType, 1);
  EXPECT_EQ(i.PhaseCount, 2);
  EXPECT_EQ(i.Phases.Item(2)->TMain[3], 8);
  EXPECT_EQ(i.Phases.Tkk, 50);
  EXPECT_EQ(i.DirectionCount, 2);
  EXPECT_EQ(i.Directions.PhaseCount, 2);
  EXPECT_EQ(i.Directions.Item(1)->ConflictText, "2");
  EXPECT_EQ(i.Directions.Item(1)->TRedYellow, 2);
  EXPECT_EQ(i.Directions.Item(2)->RedControlText, "нет");
  EXPECT_EQ(i.Comment, "строка 1\r\nстрока 2");
  EXPECT_EQ(i.EquipmentTable.Cell(2, 1), "КС-2");
  EXPECT_EQ(i.ChangeTable.Cell(3, 1), "ввод");
  EXPECT_EQ(i.ExoTable.ColCount, 8);
  EXPECT_EQ(i.ExoTable.RowCount, 0);
  EXPECT_EQ(i.ConnectionText, "линия 3");
  EXPECT_EQ(i.TramScheme.Count, 1);
  EXPECT_EQ(i.TramScheme.Schemes[1].Name, "Г 1");
  EXPECT_EQ(i.TramScheme.Schemes[1].Lamps[4].Kind, 3);
  EXPECT_EQ(i.TramScheme.Schemes[1].Lamps[4].Direction, 9);
  EXPECT_DOUBLE_EQ(i.RealScale, 1.5);
}

TEST_F(InfoLoad, AMissingFileReadsAsEmptyAndIsNotWrittenUnlessCreationIsAskedFor) {
  // A reader leaves the directory as it found it.
  ASSERT_FALSE(FileExists(f.Info.FileName));
  f.Info.Address1 = "старый";
  ASSERT_TRUE(f.Info.LoadAll());
  EXPECT_FALSE(FileExists(f.Info.FileName));
  EXPECT_TRUE(f.Info.FileMissing);
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_EQ(f.Info.Address1, "");
  EXPECT_EQ(f.Info.PhaseCount, 0);
  EXPECT_DOUBLE_EQ(f.Info.RealScale, 0.0);
  // The viewer opening the passport asked for creates it.
  ASSERT_TRUE(ReadInfoFile(f.Info, TMissingFile::CreateEmpty));
  EXPECT_TRUE(f.Info.FileMissing);
  EXPECT_TRUE(FileExists(f.Info.FileName));
  ASSERT_TRUE(f.Info.LoadAll());
  EXPECT_FALSE(f.Info.FileMissing);
}

TEST_F(InfoLoad, AMissingFileIsCreatedEmptyAndGivesAnEmptyPassport) {
  ASSERT_FALSE(FileExists(f.Info.FileName));
  ASSERT_TRUE(ReadInfoFile(f.Info, TMissingFile::CreateEmpty));
  EXPECT_TRUE(FileExists(f.Info.FileName));
  EXPECT_EQ(ReadBytes(f.Info.FileName), "");
  ASSERT_TRUE(Load(""));
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_EQ(f.Info.Address1, "");
  EXPECT_EQ(f.Info.ObjectType, 0);
  EXPECT_EQ(f.Info.PhaseCount, 0);
  EXPECT_EQ(f.Info.DirectionCount, 0);
  EXPECT_EQ(f.Info.EquipmentTable.ColCount, 0);
  EXPECT_EQ(f.Info.TramScheme.Count, 0);
  EXPECT_DOUBLE_EQ(f.Info.RealScale, 0.0);
}

TEST_F(InfoLoad, AMissingPassportDirectoryIsReportedAndNothingIsRead) {
  TSVInfo info(nullptr, f.Dir.Path() + "no/such/dir/");
  EXPECT_FALSE(info.LoadAll());
  EXPECT_FALSE(ReadInfoFile(info, TMissingFile::CreateEmpty));
  ASSERT_EQ(messages.Messages.size(), 2u);
  EXPECT_EQ(messages.Messages[0].Severity, TMessageSeverity::Error);
  EXPECT_EQ(messages.Messages[0].Text.rfind("Не могу считать из файла. Ошибка № ", 0), 0u);
  EXPECT_DOUBLE_EQ(info.RealScale, 1.0);
}

TEST_F(InfoLoad, ACommentWithoutItsNulSwallowsTheRestOfTheFile) {
  TPassportText text;
  text.Comment = "без конца\r\n";
  text.Connection = "линия 3\r\n";
  ASSERT_TRUE(Load(text.Bytes()));
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_EQ(f.Info.Comment.rfind("без конца\r\n4 1\r\nКонтроллер\r\n", 0), 0u);
  EXPECT_EQ(f.Info.EquipmentTable.ColCount, 0);
  EXPECT_EQ(f.Info.ChangeTable.RowCount, 0);
  EXPECT_EQ(f.Info.ConnectionText, "");
  EXPECT_EQ(f.Info.TramScheme.Count, 0);
  EXPECT_DOUBLE_EQ(f.Info.RealScale, 0.0);
}

TEST_F(InfoLoad, ACommentWithoutItsNulRunsToTheConnectionTextsNul) {
  TPassportText text;
  text.Comment = "без конца\r\n";
  EXPECT_FALSE(Load(text.Bytes()));
  const std::string tail = "\r\nлиния 3";
  ASSERT_GT(f.Info.Comment.size(), tail.size());
  EXPECT_EQ(f.Info.Comment.substr(f.Info.Comment.size() - tail.size()), tail);
  // The tram schemes are then read as the equipment table.
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Text, ReadError());
}

TEST_F(InfoLoad, ANonNumericFieldStopsTheLoadAndKeepsWhatWasReadBefore) {
  ASSERT_TRUE(Load(TPassportText().Bytes()));
  TPassportText text;
  text.Phases = CrLf({"2", "1", "7 21 15 10", "2", "7 2x 10 8", "50"});
  text.Comment = "новый" + NUL;
  EXPECT_FALSE(Load(text.Bytes()));
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Severity, TMessageSeverity::Error);
  EXPECT_EQ(messages.Messages[0].Text, ReadError());
  // Read before the bad field:
  EXPECT_EQ(f.Info.Phases.Item(1)->TMain[1], 21);
  EXPECT_EQ(f.Info.Phases.Item(2)->TMin, 7);
  // Not reached: the earlier load's contents stay.
  EXPECT_EQ(f.Info.Phases.Item(2)->TMain[1], 12);
  EXPECT_EQ(f.Info.Comment, "строка 1\r\nстрока 2");
  EXPECT_EQ(f.Info.TramScheme.Count, 1);
  EXPECT_DOUBLE_EQ(f.Info.RealScale, 1.5);
}

TEST_F(InfoLoad, ABadScaleIsReportedAfterEverythingElseWasRead) {
  TPassportText text;
  text.Scale = CrLf({"1,5"});
  EXPECT_FALSE(Load(text.Bytes()));
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Text, ReadError());
  EXPECT_EQ(f.Info.TramScheme.Count, 1);
}

TEST_F(InfoLoad, PhasesAreResizedAndDirectionsStartFreshOnEveryLoad) {
  TPassportText five;
  five.Phases = CrLf({"5", "1", "1 1 1 1", "2", "2 2 2 2", "3", "3 3 3 3", "4", "4 4 4 4", "5", "5 5 5 5", "0"});
  ASSERT_TRUE(Load(five.Bytes()));
  EXPECT_EQ(f.Info.Phases.Count, 5);
  f.Direction(1).Remaining = 7.5;
  f.Direction(1).CurrentPhase = 3;
  ASSERT_TRUE(Load(TPassportText().Bytes()));
  EXPECT_EQ(f.Info.Phases.Count, 2);
  EXPECT_EQ(f.Info.Phases.Items[3], nullptr);
  EXPECT_EQ(f.Info.Phases.Items[5], nullptr);
  EXPECT_EQ(f.Info.Directions.PhaseCount, 2);
  EXPECT_DOUBLE_EQ(f.Direction(1).Remaining, 0.0);
  EXPECT_EQ(f.Direction(1).CurrentPhase, 0);
  EXPECT_EQ(f.Direction(1).Owner, &f.Info.Directions);
  ASSERT_TRUE(Load(five.Bytes()));
  EXPECT_EQ(f.Info.Phases.Item(5)->TMain[2], 5);
  EXPECT_TRUE(messages.Messages.empty());
}

TEST_F(InfoLoad, SmallFieldsKeepTheLowBitsOfTheNumberRead) {
  TPassportText text;
  text.Phases = CrLf({"1", "257", "65537 70000 0 0", "65536"});
  text.Directions = CrLf({"1", "1", "1", "", "65545 6 3 2 2", ""});
  ASSERT_TRUE(Load(text.Bytes()));
  EXPECT_EQ(f.Info.Phases.Item(1)->Number, 1);
  EXPECT_EQ(f.Info.Phases.Item(1)->TMin, 1);
  EXPECT_EQ(f.Info.Phases.Item(1)->TMain[1], 70000 - 65536);
  EXPECT_EQ(f.Info.Phases.Tkk, 0);
  EXPECT_EQ(f.Direction(1).TGreen, 9);
}

TEST_F(InfoLoad, CountsBeyondThePassportsLimitsAreRefusedAsDamage) {
  struct TCase {
    const char* What;
    std::string TPassportText::*Field;
    std::string Bytes;
  };
  const TCase cases[] = {
      {"phases", &TPassportText::Phases, CrLf({"256"})},
      {"negative phases", &TPassportText::Phases, CrLf({"-1"})},
      {"directions", &TPassportText::Directions, CrLf({"300"})},
      {"columns", &TPassportText::Equipment, CrLf({"11 1"})},
      {"rows", &TPassportText::Changes, CrLf({"8 256"})},
      {"tram schemes", &TPassportText::Tram, CrLf({"5"})},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TPlanFixture fresh;
    TMessageCapture seen;
    TPassportText text;
    text.*c.Field = c.Bytes;
    WriteBytes(fresh.Info.FileName, text.Bytes());
    EXPECT_FALSE(fresh.Info.LoadAll());
    ASSERT_EQ(seen.Messages.size(), 1u);
    EXPECT_EQ(seen.Messages[0].Text.rfind("Нарушение целостности базы. Недопустимое число ", 0), 0u);
    EXPECT_NE(seen.Messages[0].Text.find(fresh.Info.FileName), std::string::npos);
    EXPECT_EQ(fresh.Info.Address1, "ул. Ленина");
    EXPECT_DOUBLE_EQ(fresh.Info.RealScale, 1.0);
  }
}

TEST_F(InfoLoad, ALongDirectionNameIsCutAndTheCountAt255Fits) {
  std::string dirs = "255\r\n";
  for (int i = 1; i <= 255; ++i) dirs += CrLf({"Направление" + std::to_string(i), "1", "", "0 0 0 0 0", ""});
  TPassportText text;
  text.Directions = dirs;
  ASSERT_TRUE(Load(text.Bytes()));
  EXPECT_EQ(f.Info.DirectionCount, 255);
  EXPECT_EQ(f.Direction(255).Name, "Напра");
  EXPECT_EQ(f.Direction(255).Number, 255);  // no digit in the kept name: slot number stays
  EXPECT_EQ(f.Info.Comment, "строка 1\r\nстрока 2");
}

TEST(InfoLoadDamage, DamagedCopiesOfASamplePassportNeverReadPastTheirSlots) {
  const std::string sample = ReadBytes(SourcePath("data/Data/svo1/info.txt"));
  std::mt19937 random(20240501);
  for (int round = 0; round < 300; ++round) {
    std::string bytes = sample;
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = random() % bytes.size();
      switch (random() % 3) {
        case 0:
          bytes[at] = static_cast<char>("0123456789 \r\n\0x-"[random() % 17]);
          break;
        case 1:
          bytes.erase(at, 1 + random() % 8);
          break;
        default:
          bytes.insert(at, std::to_string(random() % 400));
      }
      if (bytes.empty()) bytes = "0";
    }
    TPlanFixture f;
    TMessageCapture messages;
    WriteBytes(f.Info.FileName, bytes);
    const bool loaded = f.Info.LoadAll();
    EXPECT_EQ(loaded, messages.Messages.empty());
    EXPECT_EQ(f.Info.Phases.Count, f.Info.PhaseCount);
    EXPECT_LE(f.Info.EquipmentTable.ColCount, kMaxTableCols);
    EXPECT_LE(f.Info.TramScheme.Count, kMaxTramSchemes);
    for (int i = 1; i <= f.Info.Directions.Count; ++i) ASSERT_NE(f.Info.Directions.Item(i), nullptr);
    f.Time.SetPhase(1);
    for (int t = 0; t < 20; ++t) f.Time.Tick(0.5);
  }
}
