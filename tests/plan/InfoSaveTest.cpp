#include <gtest/gtest.h>

#include <sys/stat.h>

#include "PlanFixture.h"
#include "platform/Codec1251.h"
#include "platform/Messages.h"

namespace {

void ExpectSameTable(const TSVTable& a, const TSVTable& b) {
  ASSERT_EQ(a.ColCount, b.ColCount);
  ASSERT_EQ(a.RowCount, b.RowCount);
  for (int r = 1; r <= a.RowCount; ++r)
    for (int c = 1; c <= a.ColCount; ++c) EXPECT_EQ(a.Cell(c, r), b.Cell(c, r)) << c << "," << r;
}

void ExpectSameInfo(const TSVInfo& a, const TSVInfo& b) {
  EXPECT_EQ(a.Address1, b.Address1);
  EXPECT_EQ(a.Address2, b.Address2);
  EXPECT_EQ(a.ObjectType, b.ObjectType);
  ASSERT_EQ(a.PhaseCount, b.PhaseCount);
  EXPECT_EQ(a.Phases.Tkk, b.Phases.Tkk);
  for (int i = 1; i <= a.PhaseCount; ++i) {
    EXPECT_EQ(a.Phases.Item(i)->Number, b.Phases.Item(i)->Number);
    EXPECT_EQ(a.Phases.Item(i)->TMin, b.Phases.Item(i)->TMin);
    EXPECT_EQ(a.Phases.Item(i)->TMain, b.Phases.Item(i)->TMain);
  }
  ASSERT_EQ(a.DirectionCount, b.DirectionCount);
  for (int i = 1; i <= a.DirectionCount; ++i) {
    const TSVNapr& x = *a.Directions.Item(i);
    const TSVNapr& y = *b.Directions.Item(i);
    EXPECT_EQ(x.Name, y.Name);
    EXPECT_EQ(x.Number, y.Number);
    EXPECT_EQ(x.Phases, y.Phases);
    EXPECT_EQ(x.ConflictText, y.ConflictText);
    EXPECT_EQ(x.TGreen, y.TGreen);
    EXPECT_EQ(x.TGreenFlash, y.TGreenFlash);
    EXPECT_EQ(x.TYellow, y.TYellow);
    EXPECT_EQ(x.TRed, y.TRed);
    EXPECT_EQ(x.TRedYellow, y.TRedYellow);
    EXPECT_EQ(x.RedControlText, y.RedControlText);
  }
  EXPECT_EQ(a.Comment, b.Comment);
  ExpectSameTable(a.EquipmentTable, b.EquipmentTable);
  ExpectSameTable(a.ChangeTable, b.ChangeTable);
  ExpectSameTable(a.ExoTable, b.ExoTable);
  EXPECT_EQ(a.ConnectionText, b.ConnectionText);
  ASSERT_EQ(a.TramScheme.Count, b.TramScheme.Count);
  for (int s = 1; s <= a.TramScheme.Count; ++s) {
    EXPECT_EQ(a.TramScheme.Schemes[s].Name, b.TramScheme.Schemes[s].Name);
    for (int l = 1; l <= 4; ++l) {
      EXPECT_EQ(a.TramScheme.Schemes[s].Lamps[l].Kind, b.TramScheme.Schemes[s].Lamps[l].Kind);
      EXPECT_EQ(a.TramScheme.Schemes[s].Lamps[l].Direction, b.TramScheme.Schemes[s].Lamps[l].Direction);
    }
  }
  EXPECT_EQ(a.RealScale, b.RealScale);
}

// Saves a's information into a fresh passport and reads it back.
void ExpectSurvivesSaveAndLoad(const TSVInfo& a) {
  TPlanFixture copy;
  WriteBytes(copy.Info.FileName, a.SavedBytes());
  TMessageCapture messages;
  ASSERT_TRUE(copy.Info.LoadAll());
  EXPECT_TRUE(messages.Messages.empty());
  ExpectSameInfo(a, copy.Info);
}

}  // namespace

TEST(InfoSave, TheSamplePassportsLoadCleanlyAndAreWrittenBackByteForByte) {
  for (const char* name : {"svo1", "svo2", "svo3"}) {
    SCOPED_TRACE(name);
    TSVInfo info(nullptr, SourcePath(std::string("data/Data/") + name + "/"));
    TMessageCapture messages;
    ASSERT_TRUE(info.LoadAll());
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_GT(info.PhaseCount, 0);
    EXPECT_EQ(info.SavedBytes(), ReadBytes(info.FileName));
  }
}

TEST(InfoSave, ANonCanonicalFileReadsBackToTheSameInformation) {
  const std::string nul(1, '\0');
  TPlanFixture f;
  WriteBytes(f.Info.FileName,
             Encode1251(CrLf({"  ул. Садовая  ", "", " 2 ", "1", "  1", "3   10 10  10   extra", "30",
                              "1",   " Н12а ", "3,1 ,x", "", "9  6 3 2 2", "", "комментарий" + nul + " 4   1",
                              "а",   "б", "в", "г", "8 0", "8 0", nul + "1", "Г 1", "0 9", "1 9", "2 9", "3 9",
                              "0.25"})));
  TMessageCapture messages;
  ASSERT_TRUE(f.Info.LoadAll());
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_EQ(f.Direction(1).Name, "Н12а");
  EXPECT_EQ(f.Info.EquipmentTable.Cell(4, 1), "г");
  EXPECT_EQ(f.Info.ConnectionText, "");
  ExpectSurvivesSaveAndLoad(f.Info);
}

TEST(InfoSave, AnEmptyPassportIsWrittenInTheLayoutItIsReadIn) {
  TPlanFixture f;
  ASSERT_TRUE(f.Info.LoadAll());
  const std::string nul(1, '\0');
  EXPECT_EQ(f.Info.SavedBytes(), CrLf({"", "", "0", "0", "0", "0", nul, "0 0", "0 0", "0 0", nul, "0", "0"}));
  ExpectSurvivesSaveAndLoad(f.Info);
}

TEST(InfoSave, EditsThatCannotBeStoredAsTheyAreKeepThePassportReadable) {
  TPlanFixture f;
  f.Info.Address1 = "ул.\r\nЛенина";
  f.Info.SetPhaseCount(1);
  f.Info.SetDirectionCount(1);
  f.Direction(1).ConflictText = "2\n3";
  f.Info.Comment = "до" + std::string(1, '\0') + "после\r\n";
  f.Info.EquipmentTable.SetRowCount(1);
  f.Info.EquipmentTable.SetCell(1, 1, "шкаф\r\nКС");
  f.Info.ConnectionText = "канал 3";
  f.Info.RealScale = 0.1;
  ASSERT_TRUE(f.Info.SaveAll());
  TPlanFixture back;
  WriteBytes(back.Info.FileName, ReadBytes(f.Info.FileName));
  TMessageCapture messages;
  ASSERT_TRUE(back.Info.LoadAll());
  EXPECT_TRUE(messages.Messages.empty());
  EXPECT_EQ(back.Info.Address1, "ул.  Ленина");
  EXPECT_EQ(back.Direction(1).ConflictText, "2 3");
  EXPECT_EQ(back.Info.Comment, "допосле\r\n");
  EXPECT_EQ(back.Info.EquipmentTable.Cell(1, 1), "шкаф  КС");
  EXPECT_EQ(back.Info.ConnectionText, "канал 3");
  EXPECT_EQ(back.Info.RealScale, 0.1);
}

TEST(InfoSave, AFailedWriteIsReportedAndLeavesTheOldFile) {
  TPlanFixture f;
  WriteBytes(f.Info.FileName, "old");
  // A directory where the temporary copy would go makes the write fail.
  ASSERT_EQ(::mkdir((f.Info.FileName + ".tmp~").c_str(), 0755), 0);
  TMessageCapture messages;
  EXPECT_FALSE(f.Info.SaveAll());
  EXPECT_EQ(ReadBytes(f.Info.FileName), "old");
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(messages.Messages[0].Severity, TMessageSeverity::Error);
  EXPECT_EQ(messages.Messages[0].Text, "Не могу записать в файл. Ошибка № 2. Источник ошибки - TSVInfo.SaveAll(). Имя файла - " +
                                           f.Info.FileName + ".");
  ::rmdir((f.Info.FileName + ".tmp~").c_str());

  TSVInfo nowhere(nullptr, f.Dir.Path() + "missing/");
  EXPECT_FALSE(nowhere.SaveAll());
  EXPECT_EQ(messages.Messages.size(), 2u);
}
