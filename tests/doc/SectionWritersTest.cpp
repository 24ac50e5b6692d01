// The command streams the passport's sections send to the word processor,
// written out by hand from what each section must do.
#include <gtest/gtest.h>

#include "plan/SVInfo.h"
#include "platform/ProgramDir.h"
#include "platform/WordBasic.h"

namespace {

using TWriter = void (TSVInfo::*)(TWordBasic&) const;

class SectionWriters : public ::testing::Test {
 protected:
  void SetUp() override { SetProgramDir("/opt/svp/"); }
  void TearDown() override { SetProgramDir(ExecutableDir()); }

  std::string Log(TWriter writer) {
    TWordRecorder rec;
    (Info.*writer)(rec);
    return rec.Log();
  }

  // Two phases whose own numbers (5, 9) differ from their rows and whose
  // times differ in every program.
  void TwoPhases() {
    Info.SetPhaseCount(2);
    TSVPhase& a = *Info.Phases.Item(1);
    a.Number = 5;
    a.TMin = 7;
    a.TMain = {0, 21, 33, 45};
    TSVPhase& b = *Info.Phases.Item(2);
    b.Number = 9;
    b.TMin = 4;
    b.TMain = {0, 18, 26, 31};
    Info.Phases.Tkk = 64;
  }

  TSVInfo Info{nullptr, "/data/svo42/"};
};

TEST_F(SectionWriters, a_system_object_writes_row_number_tmin_and_one_main_time_per_phase_then_the_cycle_time) {
  Info.ObjectType = 0;
  TwoPhases();
  EXPECT_EQ(Log(&TSVInfo::ExportPhases),
            "Insertfile name=\"/opt/svp/template/phaseI.doc\"\n"
            "LineDown 3\n"
            "EditGoTo Destination=\"t-1\"\n"
            "Nextcell\nNextcell\n"
            "NextCell\nInsert \"1\"\nNextCell\nInsert \"7\"\nNextCell\nInsert \"21\"\n"
            "NextCell\nInsert \"2\"\nNextCell\nInsert \"4\"\nNextCell\nInsert \"18\"\n"
            "TableSelectTable\nCharRight\ninsertPara\nLeftPara\n"
            "fontsize 14\nbold\nInsert \"T kk = 64 сек\"\n");
}

TEST_F(SectionWriters, other_objects_write_three_main_times_per_phase_after_an_eight_cell_header) {
  Info.ObjectType = 1;
  TwoPhases();
  EXPECT_EQ(Log(&TSVInfo::ExportPhases),
            "Insertfile name=\"/opt/svp/template/phaseIII.doc\"\n"
            "LineDown 3\n"
            "EditGoTo Destination=\"t-1\"\n"
            "Nextcell\nNextcell\nNextcell\nNextcell\nNextcell\nNextcell\nNextcell\n"
            "NextCell\nInsert \"1\"\nNextCell\nInsert \"7\"\nNextCell\nInsert \"21\"\nNextCell\nInsert \"33\"\n"
            "NextCell\nInsert \"45\"\n"
            "NextCell\nInsert \"2\"\nNextCell\nInsert \"4\"\nNextCell\nInsert \"18\"\nNextCell\nInsert \"26\"\n"
            "NextCell\nInsert \"31\"\n"
            "TableSelectTable\nCharRight\ninsertPara\nLeftPara\n"
            "fontsize 14\nbold\nInsert \"T kk = 64 сек\"\n");
  // An УК object is not a system one either.
  Info.ObjectType = 2;
  EXPECT_EQ(Log(&TSVInfo::ExportPhases).substr(0, 60), "Insertfile name=\"/opt/svp/template/phaseIII.doc\"\nLineDown 3\n");
}

TEST_F(SectionWriters, directions_write_nine_cells_a_row_with_the_row_number_in_fourteen_points) {
  Info.SetDirectionCount(2);
  TSVNapr& a = *Info.Directions.Item(1);
  a.SetName("7");
  a.SetPhaseList("13");
  a.ConflictText = "2, 4";
  a.TGreen = 9;
  a.TGreenFlash = 6;
  a.TYellow = 3;
  a.TRed = 2;
  a.TRedYellow = 1;
  a.RedControlText = "да";
  TSVNapr& b = *Info.Directions.Item(2);
  b.SetName("8");
  b.SetPhaseList("2");
  b.TGreen = 12;
  b.TGreenFlash = 8;
  b.TYellow = 5;
  b.TRed = 4;
  b.TRedYellow = 0;
  std::string header;
  for (int i = 0; i < 13; ++i) header += "Nextcell\n";
  EXPECT_EQ(Log(&TSVInfo::ExportDirections),
            "Insertfile name=\"/opt/svp/template/napr.doc\"\nLineDown 3\nEditGoTo Destination=\"t-1\"\n" + header +
                "NextCell\nfontsize 14\nInsert \"1\"\nNextCell\nInsert \"1, 3\"\nNextCell\nInsert \"2, 4\"\n"
                "NextCell\nInsert \"9\"\nNextCell\nInsert \"6\"\nNextCell\nInsert \"3\"\nNextCell\nInsert \"2\"\n"
                "NextCell\nInsert \"1\"\nNextCell\nInsert \"да\"\n"
                "NextCell\nfontsize 14\nInsert \"2\"\nNextCell\nInsert \"2\"\nNextCell\nInsert \"\"\n"
                "NextCell\nInsert \"12\"\nNextCell\nInsert \"8\"\nNextCell\nInsert \"5\"\nNextCell\nInsert \"4\"\n"
                "NextCell\nInsert \"0\"\nNextCell\nInsert \"\"\n"
                "TableSelectTable\nCharRight\ninsertPara\nLeftPara\n");
}

TEST_F(SectionWriters, free_texts_get_a_bold_heading_and_keep_their_line_breaks) {
  Info.Comment = "Режим \"ЖМ\"\r\nночью";
  Info.ConnectionText = "Кабель\tКВВГ";
  EXPECT_EQ(Log(&TSVInfo::ExportComment),
            "InsertPara\nleftpara\nfontsize 14\nbold\nInsert \"Комментарий к таблицам:\"\nbold\n"
            "InsertPara\nInsertPara\nInsert \"Режим \\\"ЖМ\\\"\\r\\nночью\"\nInsertPara\nInsertPara\nInsert \" \"\n");
  EXPECT_EQ(Log(&TSVInfo::ExportConnection),
            "InsertPara\nleftpara\nfontsize 14\nbold\nInsert \"Описание подключения СО:\"\nbold\n"
            "InsertPara\nInsertPara\nInsertPara\nInsertPara\nInsert \"Кабель\\tКВВГ\"\n");
}

TEST_F(SectionWriters, text_tables_fill_every_cell_row_by_row_after_their_header) {
  Info.EquipmentTable.SetRowCount(2);
  const char* equipment[2][4] = {{"Контроллер", "КС-4", "1", ""}, {"Светофор", "Т.1", "8", "консоли"}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 4; ++c) Info.EquipmentTable.SetCell(c + 1, r + 1, equipment[r][c]);
  EXPECT_EQ(Log(&TSVInfo::ExportEquipment),
            "Insertfile name=\"/opt/svp/template/compl.doc\"\nLineDown 3\nEditGoTo Destination=\"t-1\"\n"
            "NextCell\nNextCell\nNextCell\n"
            "NextCell\nInsert \"Контроллер\"\nNextCell\nInsert \"КС-4\"\nNextCell\nInsert \"1\"\nNextCell\nInsert \"\"\n"
            "NextCell\nInsert \"Светофор\"\nNextCell\nInsert \"Т.1\"\nNextCell\nInsert \"8\"\n"
            "NextCell\nInsert \"консоли\"\n"
            "TableSelectTable\nCharRight\ninsertPara\nLeftPara\n");

  Info.ChangeTable.SetRowCount(1);
  std::string cells;
  for (int c = 1; c <= 8; ++c) {
    Info.ChangeTable.SetCell(c, 1, "c" + std::to_string(c * 11));
    cells += "NextCell\nInsert \"c" + std::to_string(c * 11) + "\"\n";
  }
  std::string header;
  for (int i = 0; i < 12; ++i) header += "NextCell\n";
  EXPECT_EQ(Log(&TSVInfo::ExportChanges),
            "Insertfile name=\"/opt/svp/template/Change.doc\"\nLineDown 2\nEditGoTo Destination=\"t-1\"\n" + header +
                cells + "TableSelectTable\nCharRight\ninsertPara\nLeftPara\n");
}

TEST_F(SectionWriters, the_non_standard_change_table_is_left_out_whole_when_empty) {
  EXPECT_EQ(Log(&TSVInfo::ExportExo), "");
  Info.ExoTable.SetRowCount(1);
  std::string cells;
  for (int c = 1; c <= 8; ++c) {
    Info.ExoTable.SetCell(c, 1, std::string(1, static_cast<char>('a' + c)));
    cells += "NextCell\nInsert \"" + std::string(1, static_cast<char>('a' + c)) + "\"\n";
  }
  std::string header;
  for (int i = 0; i < 12; ++i) header += "NextCell\n";
  EXPECT_EQ(Log(&TSVInfo::ExportExo),
            "Insertfile name=\"/opt/svp/template/ExoNapr.doc\"\nLineDown 4\nEditGoTo Destination=\"t-1\"\n" + header +
                cells + "TableSelectTable\nCharRight\ninsertPara\nLeftPara\n");
}

TEST(WordCommandLog, arguments_are_written_as_json_texts_bare_integers_and_named_values) {
  struct TCase {
    std::string Command;
    TWordArgs Args;
    std::string Line;
  };
  const TCase cases[] = {
      {"EditGoTo", {TWordArg::Named("Destination", "t-1")}, "EditGoTo Destination=\"t-1\""},
      {"LineDown", {TWordArg::Num(3)}, "LineDown 3"},
      {"filepagesetup", {TWordArg::Named("TopMargin", "1 \"")}, "filepagesetup TopMargin=\"1 \\\"\""},
      {"FilePrint",
       {TWordArg::NamedNum("background", 1), TWordArg::NamedNum("Range", 0), TWordArg::Named("NumCopies", "1")},
       "FilePrint background=1 Range=0 NumCopies=\"1\""},
      {"Insert", {TWordArg::Str("a\\b\x01\tЖ")}, "Insert \"a\\\\b\\u0001\\tЖ\""},
      {"Nextcell", {}, "Nextcell"},
      {"fontsize", {TWordArg::Num(-14)}, "fontsize -14"},
  };
  for (const TCase& c : cases) EXPECT_EQ(FormatWordCommand(c.Command, c.Args), c.Line);
}

}  // namespace
