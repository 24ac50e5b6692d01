// What the document engine does with the commands the export relies on.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "doc/DocEngine.h"
#include "doc/Rtf.h"
#include "platform/ProgramDir.h"

namespace {

const char* kTwoParas =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}\\pard\\fs24 first\\par\\pard\\b\\fs28 bc\\par\\pard\\fs20 }";

class DocEngine : public ::testing::Test {
 protected:
  void SetUp() override { SetProgramDir(SourcePath("resources/")); }
  void TearDown() override { SetProgramDir(ExecutableDir()); }

  void Open(const std::string& rtf) {
    WriteBytes(Dir.File("doc.rtf"), rtf);
    Run("fileopen", {TWordArg::Named("name", Dir.File("doc.rtf"))});
  }
  void OpenFrame() { Open(ReadBytes(TemplatePath("empty.doc"))); }
  void Run(const std::string& cmd, const TWordArgs& args = {}) { Engine.Send(cmd, args); }
  void Type(const std::string& text) { Run("Insert", {TWordArg::Str(text)}); }
  const TStory& Body() { return Engine.Document().Body; }
  const TTable& TableAt(std::size_t block) {
    EXPECT_TRUE(Body().Blocks.at(block).IsTable);
    return Body().Blocks.at(block).Table;
  }

  TTempDir Dir;
  TDocEngine Engine;
};

TEST_F(DocEngine, next_cell_walks_the_header_then_appends_rows_shaped_like_the_last_one) {
  OpenFrame();
  Run("Insertfile", {TWordArg::Named("name", TemplatePath("phaseIII.doc"))});
  Run("EditGoTo", {TWordArg::Named("Destination", "t-1")});
  for (int i = 0; i < 7; ++i) Run("NextCell");
  // Cell 8 of the header is the last cell of its second row.
  EXPECT_EQ(Engine.Caret().Row, 1);
  EXPECT_EQ(Engine.Caret().Col, 4);
  const char* cells[2][5] = {{"1", "7", "21", "33", "45"}, {"2", "4", "18", "26", "31"}};
  for (auto& row : cells)
    for (const char* c : row) {
      Run("nextcell");
      Type(c);
    }
  const std::size_t tableBlock = 3;  // the empty line, the heading, the line under it, the table
  const TTable& t = TableAt(tableBlock);
  ASSERT_EQ(t.Rows.size(), 4u);
  const int rights[5] = {1500, 3200, 4900, 6600, 8300};
  for (int r = 2; r < 4; ++r) {
    ASSERT_EQ(t.Rows[r].Cells.size(), 5u);
    EXPECT_FALSE(t.Rows[r].Header);
    for (int c = 0; c < 5; ++c) {
      EXPECT_EQ(t.Rows[r].Cells[c].Text(), cells[r - 2][c]) << r << "," << c;
      EXPECT_EQ(t.Rows[r].Cells[c].Right, rights[c]);
      // Typed in the plain mark of the header cells, not in their bold captions.
      EXPECT_FALSE(t.Rows[r].Cells[c].Paras[0].Runs.at(0).Format.Bold);
    }
  }
  EXPECT_TRUE(t.Rows[0].Header);
  EXPECT_EQ(t.Rows[1].Cells[2].Text(), "I");
}

// A row that NextCell appends copies the formatting of the row above it cell
// by cell: the right edge, and the alignment and mark of the cell's last
// paragraph (what an empty paragraph types with). Every cell differs from
// its neighbours and each first paragraph from the last, so a row copied
// from one cell, or from first paragraphs, is caught.
TEST_F(DocEngine, a_row_appended_past_the_last_cell_copies_every_cell_s_formatting_from_the_row_above) {
  Open("{\\rtf1\\ansi\\pard\\par"
       "\\trowd\\trhdr\\cellx900\\cellx2500\\cellx2800\\cellx6100"
       "\\pard\\intbl\\qc\\b\\fs20 {\\*\\bkmkstart t-1}{\\*\\bkmkend t-1}a\\cell"
       "\\pard\\intbl\\qr\\b0\\fs36 b1\\par\\pard\\intbl\\qj\\b\\fs16 b2\\cell"
       "\\pard\\intbl\\ql\\b0\\fs28 c\\cell"
       "\\pard\\intbl\\qc\\fs24 d1\\par\\pard\\intbl\\qr\\b\\fs44 d2\\cell\\row"
       "\\pard\\par}");
  Run("EditGoTo", {TWordArg::Named("Destination", "t-1")});
  for (int i = 0; i < 3; ++i) Run("NextCell");
  // Past the fourth cell: a new row, and typing goes into its first cell.
  Run("NextCell");
  EXPECT_EQ(Engine.Caret().Row, 1);
  EXPECT_EQ(Engine.Caret().Col, 0);
  const TTable& t = TableAt(1);
  ASSERT_EQ(t.Rows.size(), 2u);
  const TRow& added = t.Rows[1];
  EXPECT_FALSE(added.Header);
  struct TWant {
    int Right;
    TAlign Align;
    bool Bold;
    int Size;
  };
  // Worked out from the row above: the last paragraph of each cell.
  const TWant want[4] = {{900, TAlign::Center, true, 10},
                         {2500, TAlign::Justify, true, 8},
                         {2800, TAlign::Left, false, 14},
                         {6100, TAlign::Right, true, 22}};
  ASSERT_EQ(added.Cells.size(), 4u);
  for (int c = 0; c < 4; ++c) {
    SCOPED_TRACE(c);
    const TCell& cell = added.Cells[c];
    EXPECT_EQ(cell.Right, want[c].Right);
    ASSERT_EQ(cell.Paras.size(), 1u);
    EXPECT_EQ(cell.Text(), "");
    EXPECT_EQ(cell.Paras[0].Align, want[c].Align);
    EXPECT_EQ(cell.Paras[0].Mark.Bold, want[c].Bold);
    EXPECT_EQ(cell.Paras[0].Mark.Size, want[c].Size);
  }
  // Text typed into each new cell takes that cell's format.
  for (int c = 0; c < 4; ++c) {
    if (c) Run("NextCell");
    EXPECT_EQ(Engine.TypingFormat().Bold, want[c].Bold) << c;
    EXPECT_EQ(Engine.TypingFormat().Size, want[c].Size) << c;
    Type(std::string(1, static_cast<char>('w' + c)));
  }
  for (int c = 0; c < 4; ++c) {
    const TRun& run = TableAt(1).Rows[1].Cells[c].Paras[0].Runs.at(0);
    EXPECT_EQ(run.Text, std::string(1, static_cast<char>('w' + c)));
    EXPECT_EQ(run.Format.Size, want[c].Size) << c;
  }
}

// A paragraph typed all in bold and ended by a paragraph mark is a heading:
// it and the empty lines under it keep with what follows, so a heading never
// stays alone at the foot of a page. Other lines do not.
TEST_F(DocEngine, a_typed_heading_and_the_empty_lines_under_it_keep_with_the_next_paragraph) {
  OpenFrame();
  // As the comment's section types it, then a cycle-time line in bold that
  // no paragraph mark ends.
  for (const char* cmd : {"InsertPara", "leftpara"}) Run(cmd);
  Run("fontsize", {TWordArg::Num(14)});
  Run("bold");
  Type("Комментарий к таблицам:");
  Run("bold");
  Run("InsertPara");
  Run("InsertPara");
  Type("первая\nвторая");
  Run("InsertPara");
  Run("bold");
  Type("кусок ");
  Run("bold");
  Type("жирного");
  Run("InsertPara");
  Run("bold");
  Type("T kk = 40 сек");
  const std::vector<std::pair<std::string, bool>> want = {
      {"", false},  {"Комментарий к таблицам:", true}, {"", true}, {"первая", false}, {"вторая", false},
      {"кусок жирного", false}, {"T kk = 40 сек", false}};
  ASSERT_EQ(Body().Blocks.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(Body().Blocks[i].Para.Text(), want[i].first) << i;
    EXPECT_EQ(Body().Blocks[i].Para.KeepNext, want[i].second) << i;
  }
  // The template's heading and the line under it keep with its table; the
  // line the file begins with does not, nor the paragraph it went into.
  Run("Insertfile", {TWordArg::Named("name", TemplatePath("compl.doc"))});
  Run("EditGoTo", {TWordArg::Named("Destination", "t-1")});
  const std::size_t table = Engine.Caret().Block;
  EXPECT_FALSE(Body().Blocks[table - 3].Para.KeepNext);
  EXPECT_EQ(Body().Blocks[table - 2].Para.Text(), "Таблица комплектации СО");
  EXPECT_TRUE(Body().Blocks[table - 2].Para.KeepNext);
  EXPECT_TRUE(Body().Blocks[table - 1].Para.KeepNext);
  // Saved and read back, the keeping stays.
  Run("FileSave");
  const TDocument back = ReadRtf(ReadBytes(Dir.File("doc.rtf")));
  ASSERT_EQ(back.Body.Blocks.size(), Body().Blocks.size());
  for (std::size_t i = 0; i < back.Body.Blocks.size(); ++i) {
    if (back.Body.Blocks[i].IsTable) continue;
    EXPECT_EQ(back.Body.Blocks[i].Para.KeepNext, Body().Blocks[i].Para.KeepNext) << i;
  }
}

TEST_F(DocEngine, line_down_steps_paragraphs_and_table_rows_and_stops_at_the_end_of_the_document) {
  Open(kTwoParas);
  Run("LineDown", {TWordArg::Num(1)});
  EXPECT_EQ(Engine.Caret().Block, 1u);
  EXPECT_EQ(Engine.Caret().Offset, 0u);
  Run("LineDown", {TWordArg::Num(1)});
  EXPECT_EQ(Engine.Caret().Block, 2u);
  Run("LineDown", {TWordArg::Num(5)});
  EXPECT_EQ(Engine.Caret().Block, 2u);
  Type("z");
  EXPECT_EQ(Body().Blocks[2].Para.Text(), "z");
  // Typing at the end of a paragraph that has text goes after it.
  Open(kTwoParas);
  Run("LineDown", {TWordArg::Num(1)});
  Run("CharRight");
  Run("LineDown", {TWordArg::Num(0)});
  Type("X");
  EXPECT_EQ(Body().Blocks[1].Para.Text(), "bXc");
}

TEST_F(DocEngine, each_template_s_table_is_as_many_lines_down_as_its_section_steps) {
  struct TCase {
    const char* File;
    int Lines;
    std::size_t HeaderCells;
  };
  const TCase cases[] = {{"phaseI.doc", 3, 3},   {"phaseIII.doc", 3, 8}, {"napr.doc", 3, 14},
                         {"compl.doc", 3, 4},    {"Change.doc", 2, 13},  {"ExoNapr.doc", 4, 13}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.File);
    // Into a paragraph that already holds text, as after an earlier section.
    Open(kTwoParas);
    Run("LineDown", {TWordArg::Num(1)});
    Run("LineDown", {TWordArg::Num(9)});
    Run("Insertfile", {TWordArg::Named("name", TemplatePath(c.File))});
    Run("LineDown", {TWordArg::Num(c.Lines - 1)});
    EXPECT_FALSE(Engine.Caret().InTable());
    Run("LineDown", {TWordArg::Num(1)});
    EXPECT_TRUE(Engine.Caret().InTable());
    EXPECT_EQ(Engine.Caret().Row, 0);
    EXPECT_EQ(Engine.Caret().Col, 0);
    const std::size_t tableBlock = Engine.Caret().Block;
    std::size_t cells = 0;
    for (const TRow& r : TableAt(tableBlock).Rows) cells += r.Cells.size();
    EXPECT_EQ(cells, c.HeaderCells);
    // The text of the paragraph the file went into stays in front of it.
    EXPECT_EQ(Body().Blocks[1].Para.Text(), "bc");
    // The bookmark is where the steps down end.
    Run("EditGoTo", {TWordArg::Named("Destination", "t-1")});
    EXPECT_EQ(Engine.Caret().Block, tableBlock);
    EXPECT_EQ(Engine.Caret().Row, 0);
    EXPECT_EQ(Engine.Caret().Col, 0);
  }
}

TEST_F(DocEngine, a_second_inserted_template_takes_the_bookmark_and_leaving_its_table_types_below_it) {
  OpenFrame();
  Run("Insertfile", {TWordArg::Named("name", TemplatePath("compl.doc"))});
  Run("EditGoTo", {TWordArg::Named("Destination", "t-1")});
  Run("TableSelectTable");
  Run("CharRight");
  Run("insertPara");
  Type("after one");
  Run("Insertfile", {TWordArg::Named("name", TemplatePath("Change.doc"))});
  EXPECT_EQ(Bookmarks(Body()), std::vector<std::string>{"t-1"});
  Run("EditGoTo", {TWordArg::Named("Destination", "t-1")});
  const std::size_t second = Engine.Caret().Block;
  EXPECT_EQ(TableAt(second).Rows[0].Cells[0].Text(), "Дата");
  Run("TableSelectTable");
  Run("CharRight");
  Type("after two");
  ASSERT_EQ(Body().Blocks.size(), second + 2);
  EXPECT_EQ(Body().Blocks[second + 1].Para.Text(), "after two");
  // compl's table, an empty paragraph, then "after one" ended by Change's empty first line.
  EXPECT_EQ(TableAt(3).Rows[0].Cells[0].Text(), "Наименование");
  EXPECT_EQ(Body().Blocks[4].Para.Text(), "");
  EXPECT_EQ(Body().Blocks[5].Para.Text(), "after one");
  EXPECT_EQ(Body().Blocks[6].Para.Text(), "Таблица изменений СО");
}

TEST_F(DocEngine, the_header_takes_the_centred_address_on_its_third_line_and_the_body_is_untouched) {
  OpenFrame();
  Run("ViewHeader");
  Run("LineDown", {TWordArg::Num(2)});
  Run("CenterPara");
  Type("ул. Ленина - пр. Мира (Объект № 1)");
  Run("CloseViewHeaderFooter");
  Type("body");
  const TStory& h = Engine.Document().Header;
  ASSERT_EQ(h.Blocks.size(), 3u);
  EXPECT_EQ(h.Blocks[0].Para.Text(), "Технический паспорт светофорного объекта");
  EXPECT_EQ(h.Blocks[1].Para.Text(), "");
  EXPECT_EQ(h.Blocks[2].Para.Text(), "ул. Ленина - пр. Мира (Объект № 1)");
  EXPECT_EQ(h.Blocks[2].Para.Align, TAlign::Center);
  EXPECT_TRUE(h.Blocks[2].Para.Runs[0].Format.Bold);
  ASSERT_EQ(Body().Blocks.size(), 1u);
  EXPECT_EQ(Body().Blocks[0].Para.Text(), "body");
}

TEST_F(DocEngine, bold_toggles_font_size_sticks_and_line_breaks_start_paragraphs) {
  Open(kTwoParas);
  Run("fontsize", {TWordArg::Num(14)});
  Run("bold");
  Type("A");
  Run("Bold");
  Type("b");
  Run("BOLD");
  Type("C\r\nd\ne");
  const TParagraph& p = Body().Blocks[0].Para;
  ASSERT_EQ(p.Runs.size(), 3u);
  const std::pair<const char*, bool> runs[] = {{"A", true}, {"b", false}, {"C", true}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(p.Runs[i].Text, runs[i].first);
    EXPECT_EQ(p.Runs[i].Format.Bold, runs[i].second);
    EXPECT_EQ(p.Runs[i].Format.Size, 14);
  }
  EXPECT_EQ(Body().Blocks[1].Para.Text(), "d");
  // The text after the caret moves down with the last line.
  const TParagraph& last = Body().Blocks[2].Para;
  ASSERT_EQ(last.Runs.size(), 2u);
  EXPECT_EQ(last.Runs[0].Text, "e");
  EXPECT_TRUE(last.Runs[0].Format.Bold);
  EXPECT_EQ(last.Runs[1].Text, "first");
  EXPECT_FALSE(last.Runs[1].Format.Bold);
  EXPECT_EQ(last.Runs[1].Format.Size, 12);
  EXPECT_EQ(Body().Blocks[3].Para.Text(), "bc");
}

TEST_F(DocEngine, page_setup_takes_inches_with_a_comma_and_unknown_commands_are_refused_by_name) {
  OpenFrame();
  Run("filepagesetup", {TWordArg::Named("TopMargin", "0,5 \"")});
  Run("filepagesetup", {TWordArg::Named("BottomMargin", "1 \""), TWordArg::Named("LeftMargin", "1,2 \""),
                        TWordArg::Named("RightMargin", "2,5 cm"), TWordArg::NamedNum("Orientation", 1)});
  const TPageSetup& pg = Engine.Document().Page;
  EXPECT_EQ(pg.Top, 720);
  EXPECT_EQ(pg.Bottom, 1440);
  EXPECT_EQ(pg.Left, 1728);
  EXPECT_EQ(pg.Right, 1417);  // 2.5 cm = 1417.3 twips
  EXPECT_TRUE(pg.Landscape);
  EXPECT_GT(pg.Width, pg.Height);
  try {
    Run("ToolsMacro", {TWordArg::Str("x")});
    FAIL();
  } catch (const TDocError& e) {
    EXPECT_NE(std::string(e.what()).find("ToolsMacro"), std::string::npos);
  }
  EXPECT_THROW(Run("filepagesetup", {TWordArg::Named("TopMargin", "много")}), TDocError);
  EXPECT_THROW(Run("EditGoTo", {TWordArg::Named("Destination", "t-1")}), TDocError);
  EXPECT_THROW(Run("NextCell"), TDocError);
}

TEST_F(DocEngine, a_missing_template_is_an_error_naming_the_file_and_the_document_is_saved_whole) {
  OpenFrame();
  const std::string missing = Dir.File("nowhere.doc");
  try {
    Run("Insertfile", {TWordArg::Named("name", missing)});
    FAIL();
  } catch (const TDocError& e) {
    EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
  }
  Type("Ж");
  Run("FileSave");
  const TDocument back = ReadRtf(ReadBytes(Dir.File("doc.rtf")));
  EXPECT_EQ(back.Body.Blocks.at(0).Para.Text(), "Ж");
  EXPECT_EQ(back.Header.Blocks.size(), 3u);
}

class TShowRecorder : public TDocOutput {
 public:
  void WritePdf(const TDocument&, const std::string&) override {}
  void Print(const TDocument&) override {}
  void Show(const std::string& path, bool asked) override {
    Shown.push_back(path);
    Asked.push_back(asked);
  }
  std::vector<bool> Asked;
  std::vector<std::string> Shown;
};

// Shown only at the end, as the export does when "Открыть Word" is left
// unchecked: the document is opened all the same, but nobody asked for it.
TEST(DocEngineShow, a_document_shown_only_when_finished_was_not_asked_for) {
  TTempDir dir;
  TShowRecorder out;
  TDocEngine engine(&out);
  const std::string target = dir.File("t.doc");
  engine.StageCopy(SourcePath("resources/template/empty.doc"), target);
  engine.Send("fileopen", {TWordArg::Named("name", target)});
  engine.Send("FileSave");
  engine.Send("AppShow");
  engine.Send("AppShow");
  EXPECT_EQ(out.Shown, (std::vector<std::string>{target, target}));
  EXPECT_EQ(out.Asked, (std::vector<bool>{false, true}));
}

TEST(DocEngineShow, app_show_opens_the_document_only_once_its_file_holds_what_it_shows) {
  TTempDir dir;
  TShowRecorder out;
  TDocEngine engine(&out);
  const std::string target = dir.File("t.doc");
  engine.StageCopy(SourcePath("resources/template/empty.doc"), target);
  engine.Send("AppShow");  // nothing open yet
  engine.Send("fileopen", {TWordArg::Named("name", target)});
  engine.Send("AppShow");  // only in memory: no file to open
  EXPECT_FALSE(std::filesystem::exists(target));
  engine.Send("Insert", {TWordArg::Str("x")});
  engine.Send("FileSave");
  engine.Send("Insert", {TWordArg::Str("y")});
  engine.Send("AppShow");  // edited after saving
  EXPECT_TRUE(out.Shown.empty());
  engine.Send("FileSave");
  engine.Send("appshow");
  EXPECT_EQ(out.Shown, std::vector<std::string>{target});
  // The word processor was shown before the document was finished: the
  // user asked to see it.
  EXPECT_EQ(out.Asked, std::vector<bool>{true});
  EXPECT_EQ(ReadRtf(ReadBytes(target)).Body.Blocks.at(0).Para.Text(), "xy");
  EXPECT_TRUE(engine.Visible());
}

}  // namespace

TEST(DocMeasure, LengthsOfThePageSetUpBecomeTwipsAndAnythingElseIsRefused) {
  // Twips worked out by hand: 1 in = 1440, 1 cm = 1440 / 2.54 ≈ 566.93, 1 pt = 20.
  const std::pair<const char*, int> good[] = {
      {"2.5cm", 1417}, {"2,5 cm", 1417}, {" 1.75\"", 2520}, {"0.3in", 432}, {"12mm", 680}, {"10,5pt", 210}, {"7", 140}};
  for (const auto& [text, twips] : good) EXPECT_EQ(ParseMeasure(text), twips) << text;
  for (const char* text : {"", "cm", "-1cm", "2.5 km", "inf", "nan", "1e3cm", "2.5.1cm", "200000"})
    EXPECT_THROW(ParseMeasure(text), TDocError) << text;
}
