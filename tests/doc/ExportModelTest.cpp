// The export dialog's rules: which boxes it offers, the gauge steps, the
// document frame around the sections, and what reaches the disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "doc/Rtf.h"
#include "export/ExportModel.h"
#include "plan/SVInfo.h"
#include "platform/Messages.h"
#include "platform/ProgramDir.h"

namespace {

class TFakeHost : public TExportHost, public TDocOutput {
 public:
  bool ChooseExportFile(std::string& path) override {
    ++Asked;
    if (File.empty()) return false;
    path = File;
    return true;
  }
  bool ChoosePrinter() override { return PrinterOk; }
  TDocOutput* Output() override { return this; }
  void SetBusy(bool busy) override { Busy.push_back(busy); }
  void WritePdf(const TDocument&, const std::string& path) override { WriteBytes(path, "%PDF"); }
  void Print(const TDocument& doc) override { Printed.push_back(doc); }
  void Show(const std::string& path, bool) override { Shown.push_back(path); }

  std::string File;
  bool PrinterOk = true;
  int Asked = 0;
  std::vector<bool> Busy;
  std::vector<TDocument> Printed;
  std::vector<std::string> Shown;
};

class ExportDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    SetProgramDir(SourcePath("resources/"));
    std::filesystem::create_directories(Dir.File("svo7"));
    Info.Address1 = "  ул. Садовая ";
    Info.Address2 = " пер. Тихий";
    Model.Host = &Host;
    Model.OnGauge = [this](int g) { Gauges.push_back(g); };
  }
  void TearDown() override { SetProgramDir(ExecutableDir()); }

  std::vector<std::string> Lines(const std::string& prefix) {
    std::vector<std::string> out;
    for (const std::string& l : Model.LastCommands)
      if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
  }

  TTempDir Dir;
  TSVInfo Info{nullptr, Dir.File("svo7/")};
  TExportModel Model;
  TFakeHost Host;
  std::vector<int> Gauges;
  TMessageCapture Messages;
};

TEST_F(ExportDialog, the_plan_sections_are_offered_to_every_type_but_uk_and_all_boxes_start_checked) {
  for (int type : {0, 1, 2}) {
    SCOPED_TRACE(type);
    Info.ObjectType = type;
    Model.Boxes[esPhases].Checked = false;
    Model.Boxes[esComm].Checked = false;
    Model.Prepare(Info);
    for (int i = 0; i < esCount; ++i) {
      const bool plan = i <= esExonapr;
      EXPECT_EQ(Model.Boxes[i].Enabled, !(plan && type == 2)) << Model.Boxes[i].Name;
      EXPECT_EQ(Model.Boxes[i].Checked, !(plan && type == 2)) << Model.Boxes[i].Name;
    }
    EXPECT_EQ(Model.Gauge, 0);
  }
  // A disabled box cannot be clicked; an enabled one toggles.
  EXPECT_FALSE(Model.Check("Организация движения по фазам"));
  EXPECT_FALSE(Model.Boxes[esPhases].Checked);
  EXPECT_TRUE(Model.Check("Таблица изменений СО "));
  EXPECT_FALSE(Model.Boxes[esTextable].Checked);
  EXPECT_TRUE(Model.Check("Открыть Word"));
  EXPECT_TRUE(Model.WordBox);
}

TEST_F(ExportDialog, a_uk_object_gets_the_header_then_its_four_sections_each_followed_by_two_lines_down) {
  Info.ObjectType = 2;
  Info.Comment = "к";
  Info.ConnectionText = "п";
  Model.Prepare(Info);
  Gauges.clear();
  TWordRecorder rec;
  Model.WriteDocumentBody(rec);
  const std::string t = "\"" + ProgramDir() + "template/";
  EXPECT_EQ(rec.Log(),
            "ViewHeader\nLineDown 2\nCenterPara\nInsert \"ул. Садовая - пер. Тихий (Объект № 7)\"\n"
            "CloseViewHeaderFooter\n"
            "InsertPara\nleftpara\nfontsize 14\nbold\nInsert \"Комментарий к таблицам:\"\nbold\n"
            "InsertPara\nInsertPara\nInsert \"к\"\nInsertPara\nInsertPara\nInsert \" \"\nLineDown 2\n"
            "Insertfile name=" + t + "compl.doc\"\nLineDown 3\nEditGoTo Destination=\"t-1\"\n"
            "NextCell\nNextCell\nNextCell\nTableSelectTable\nCharRight\ninsertPara\nLeftPara\nLineDown 2\n"
            "Insertfile name=" + t + "Change.doc\"\nLineDown 2\nEditGoTo Destination=\"t-1\"\n"
            "NextCell\nNextCell\nNextCell\nNextCell\nNextCell\nNextCell\nNextCell\nNextCell\nNextCell\nNextCell\n"
            "NextCell\nNextCell\nTableSelectTable\nCharRight\ninsertPara\nLeftPara\nLineDown 2\n"
            "InsertPara\nleftpara\nfontsize 14\nbold\nInsert \"Описание подключения СО:\"\nbold\n"
            "InsertPara\nInsertPara\nInsertPara\nInsertPara\nInsert \"п\"\nLineDown 2\n");
  EXPECT_EQ(Gauges, (std::vector<int>{20, 65, 75, 85, 90}));
  // Every written section unchecked its box: a second run writes the header only.
  for (const TExportBox& b : Model.Boxes) EXPECT_FALSE(b.Checked) << b.Name;
  TWordRecorder again;
  Model.WriteDocumentBody(again);
  EXPECT_EQ(again.Lines().size(), 5u);
}

TEST_F(ExportDialog, export_saves_the_whole_document_into_the_chosen_file_and_shows_it) {
  Info.ObjectType = 0;
  Info.SetPhaseCount(1);
  Info.Phases.Item(1)->TMin = 6;
  Info.Phases.Item(1)->TMain[1] = 27;
  Info.Phases.Tkk = 40;
  Model.Prepare(Info);
  Gauges.clear();
  Host.File = Dir.File("out.doc");
  ASSERT_TRUE(Model.PressButton("Экспорт"));
  EXPECT_EQ(Model.Result, mrOk);
  EXPECT_TRUE(Messages.Messages.empty());
  EXPECT_EQ(Gauges, (std::vector<int>{5, 10, 15, 20, 30, 50, 60, 65, 75, 85, 90, 100}));
  EXPECT_EQ(Host.Busy, (std::vector<bool>{true, false}));
  EXPECT_EQ(Host.Shown, std::vector<std::string>{Host.File});
  EXPECT_EQ(Model.LastCommands.front(), "fileopen name=\"" + Host.File + "\"");
  EXPECT_EQ(Model.LastCommands.back(), "AppShow");
  EXPECT_EQ(Model.LastCommands[Model.LastCommands.size() - 2], "FileSave");

  const TDocument d = ReadRtf(ReadBytes(Host.File));
  EXPECT_EQ(d.Header.Blocks.at(2).Para.Text(), "ул. Садовая - пер. Тихий (Объект № 7)");
  // The phase table: its header row and the one phase.
  const TTable* phases = nullptr;
  for (const TBlock& b : d.Body.Blocks)
    if (b.IsTable && !phases) phases = &b.Table;
  ASSERT_NE(phases, nullptr);
  ASSERT_EQ(phases->Rows.size(), 2u);
  const char* row[3] = {"1", "6", "27"};
  for (int c = 0; c < 3; ++c) EXPECT_EQ(phases->Rows[1].Cells[c].Text(), row[c]);
  bool cycle = false;
  for (const TBlock& b : d.Body.Blocks) cycle = cycle || (!b.IsTable && b.Para.Text() == "T kk = 40 сек");
  EXPECT_TRUE(cycle);
}

TEST_F(ExportDialog, a_cancelled_save_dialog_sends_nothing_writes_nothing_and_keeps_the_dialog_open) {
  Model.Prepare(Info);
  Gauges.clear();
  Host.File.clear();
  EXPECT_TRUE(Model.PressButton("Экспорт"));
  EXPECT_EQ(Host.Asked, 1);
  EXPECT_EQ(Model.Result, mrNone);
  EXPECT_TRUE(Model.LastCommands.empty());
  EXPECT_TRUE(Gauges.empty());
  EXPECT_TRUE(Host.Busy.empty());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()), {}), 1);  // svo7 only
}

TEST_F(ExportDialog, a_failed_export_names_the_missing_template_and_leaves_the_old_file_as_it_was) {
  Model.Prepare(Info);
  TTempDir program;
  std::filesystem::create_directories(program.File("template"));
  WriteBytes(program.File("template/empty.doc"), ReadBytes(SourcePath("resources/template/empty.doc")));
  SetProgramDir(program.Path());
  Host.File = Dir.File("kept.doc");
  WriteBytes(Host.File, "old contents");
  EXPECT_TRUE(Model.PressButton("Экспорт"));
  // The dialog closes as after any export.
  EXPECT_EQ(Model.Result, mrOk);
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_EQ(Messages.Messages[0].Severity, TMessageSeverity::Error);
  EXPECT_NE(Messages.Messages[0].Text.find(program.File("template/phaseI.doc")), std::string::npos);
  EXPECT_EQ(ReadBytes(Host.File), "old contents");
  EXPECT_TRUE(Host.Shown.empty());
  EXPECT_EQ(Host.Busy, (std::vector<bool>{true, false}));
  // Without the frame template nothing is written at all: not the target,
  // not a copy of an older frame.
  std::filesystem::remove(program.File("template/empty.doc"));
  Messages.Messages.clear();
  EXPECT_FALSE(Model.ExportTo(Dir.File("new.doc"), Host));
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_NE(Messages.Messages[0].Text.find(program.File("template/empty.doc")), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Dir.File("new.doc")));
  EXPECT_TRUE(Model.LastCommands.empty());
  Messages.Messages.clear();
  EXPECT_FALSE(Model.PrintNow(Host));
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_NE(Messages.Messages[0].Text.find(program.File("template/empty.doc")), std::string::npos);
  EXPECT_TRUE(Host.Printed.empty());
  // An unwritable target is named too.
  SetProgramDir(SourcePath("resources/"));
  Messages.Messages.clear();
  EXPECT_FALSE(Model.ExportTo(Dir.File("no/such/dir/x.doc"), Host));
  ASSERT_EQ(Messages.Messages.size(), 1u);
  EXPECT_NE(Messages.Messages[0].Text.find(Dir.File("no/such/dir/x.doc")), std::string::npos);
}

// Templates are files a user may replace. A damaged one ends the export
// with one error that names the template and says what is wrong with it; the
// chosen file keeps what it held.
TEST_F(ExportDialog, a_damaged_template_is_refused_by_name_and_reason_and_the_chosen_file_is_kept) {
  const std::string shipped = SourcePath("resources/template/");
  const std::string rowWithoutCells = "\\trowd\\cellx700\\row\n";
  auto insertBeforeFirstRow = [](std::string doc, const std::string& what) {
    return doc.insert(doc.find("\\trowd"), what);
  };
  auto insertAfterLastRow = [](std::string doc, const std::string& what) {
    return doc.insert(doc.rfind("\\row") + 5, what);
  };
  struct TCase {
    const char* File;
    std::string Bytes;
    const char* Reason;
  };
  const TCase cases[] = {
      // A row without cells at the top of the directions' table: the
      // engine would step the caret into its first cell.
      {"napr.doc", insertBeforeFirstRow(ReadBytes(shipped + "napr.doc"), rowWithoutCells),
       "в таблице есть строка без ячеек"},
      // ... under the equipment table's header, where new rows copy the last.
      {"compl.doc", insertAfterLastRow(ReadBytes(shipped + "compl.doc"), "\\trowd\\row\n"),
       "в таблице есть строка без ячеек"},
      // ... in the frame's page header, which the export types into first.
      {"empty.doc",
       ReadBytes(shipped + "empty.doc").insert(ReadBytes(shipped + "empty.doc").find("{\\header") + 8, rowWithoutCells),
       "в таблице есть строка без ячеек"},
      {"Change.doc", "PK\x03\x04 a document of another format", "это не документ RTF"},
      // The bookmark the section looks for is gone: the command that
      // missed it names the template inserted before it.
      {"phaseIII.doc", [&] {
         std::string d = ReadBytes(shipped + "phaseIII.doc");
         for (std::size_t at; (at = d.find("t-1")) != std::string::npos;) d.replace(at, 3, "t-2");
         return d;
       }(), "нет закладки t-1"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.File);
    TTempDir program;
    std::filesystem::create_directories(program.File("template"));
    for (const auto& e : std::filesystem::directory_iterator(shipped))
      std::filesystem::copy_file(e.path(), program.File("template/" + e.path().filename().string()));
    WriteBytes(program.File(std::string("template/") + c.File), c.Bytes);
    SetProgramDir(program.Path());
    Info.ObjectType = 1;
    Info.SetPhaseCount(2);
    Info.SetDirectionCount(1);
    Info.EquipmentTable.SetRowCount(1);
    Model.Prepare(Info);
    Messages.Messages.clear();
    Host.Shown.clear();
    const std::string target = Dir.File("kept.doc");
    WriteBytes(target, "old contents");
    EXPECT_FALSE(Model.ExportTo(target, Host));
    ASSERT_EQ(Messages.Messages.size(), 1u);
    const TMessage& m = Messages.Messages[0];
    EXPECT_EQ(m.Severity, TMessageSeverity::Error);
    EXPECT_EQ(m.Text.rfind("Экспорт не выполнен. ", 0), 0u) << m.Text;
    EXPECT_NE(m.Text.find(program.File(std::string("template/") + c.File)), std::string::npos) << m.Text;
    EXPECT_NE(m.Text.find(c.Reason), std::string::npos) << m.Text;
    EXPECT_EQ(ReadBytes(target), "old contents");
    EXPECT_TRUE(Host.Shown.empty());
  }
}

TEST_F(ExportDialog, print_lays_out_a_temporary_copy_outside_the_program_directory_with_the_print_margins) {
  Info.ObjectType = 1;
  Model.Prepare(Info);
  Gauges.clear();
  ASSERT_TRUE(Model.PressButton("Печать"));
  EXPECT_TRUE(Messages.Messages.empty());
  ASSERT_EQ(Host.Printed.size(), 1u);
  const TPageSetup& pg = Host.Printed[0].Page;
  EXPECT_EQ(pg.Top, 1440);
  EXPECT_EQ(pg.Bottom, 1440);
  EXPECT_EQ(pg.Left, 1728);
  EXPECT_EQ(pg.Right, 1440);
  EXPECT_FALSE(pg.Landscape);
  EXPECT_EQ(Gauges, (std::vector<int>{5, 10, 15, 20, 30, 50, 60, 65, 75, 85, 90, 95, 100}));
  const auto tail = std::vector<std::string>(Model.LastCommands.end() - 3, Model.LastCommands.end());
  EXPECT_EQ(tail, (std::vector<std::string>{
                      "filepagesetup TopMargin=\"1 \\\"\"",
                      "filepagesetup BottomMargin=\"1 \\\"\" LeftMargin=\"1,2 \\\"\" RightMargin=\"1 \\\"\" "
                      "Orientation=0",
                      "FilePrint background=1 Range=0 Type=0 NumCopies=\"1\""}));
  const std::string open = Model.LastCommands.front();
  const std::string temp = open.substr(std::string("fileopen name=\"").size(), open.size() - 16);
  EXPECT_EQ(temp.rfind(ProgramDir(), 0), std::string::npos) << temp;
  EXPECT_NE(temp.find("temp.doc"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(temp));
  EXPECT_TRUE(Host.Shown.empty());
  // A cancelled print dialog prints nothing.
  Host.PrinterOk = false;
  Model.Prepare(Info);
  Model.PressButton("Печать");
  EXPECT_EQ(Host.Printed.size(), 1u);
}

}  // namespace
