// The .docx and .odt writers, read back by readers that are not ours:
// python-docx for the .docx, Python's zipfile and ElementTree for the .odt
// (office_dump.py prints both in one plain form). A document made by hand
// with hostile texts, an uneven table and a landscape page must come back
// exactly as worked out below. Skipped only where python-docx is missing.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "LibreOfficeSupport.h"
#include "TestSupport.h"
#include "doc/DocFiles.h"
#include "doc/Docx.h"

namespace {

bool HavePythonDocx() { return std::system("/usr/bin/python3 -c 'import docx' >/dev/null 2>&1") == 0; }

// What office_dump.py prints for the files (stderr left to the test log).
std::string Dump(const std::string& args) {
  const std::string cmd = "/usr/bin/python3 '" + SourcePath("tests/doc/office_dump.py") + "' " + args;
  std::string out;
  if (FILE* p = popen(cmd.c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    const int status = pclose(p);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << cmd;
  }
  return out;
}

TParagraph Para(std::vector<TRun> runs, TAlign align = TAlign::Left, bool keepNext = false) {
  TParagraph p;
  p.Runs = std::move(runs);
  p.Align = align;
  p.KeepNext = keepNext;
  return p;
}

TRun Text(const std::string& text, bool bold = false, int size = 12) { return TRun{text, {bold, size}, ""}; }

TCell Cell(int right, std::vector<std::string> paras) {
  TCell c;
  c.Right = right;
  c.Paras.clear();
  for (const std::string& t : paras) c.Paras.push_back(t.empty() ? TParagraph{} : Para({Text(t)}));
  return c;
}

TBlock Block(TParagraph p) {
  TBlock b;
  b.Para = std::move(p);
  return b;
}

// A landscape page with margins of their own; a header of two formats; a
// kept heading; a paragraph of leading and double spaces, a tab, a
// bookmark and characters XML 1.0 cannot carry; a table whose two header
// rows span its columns differently, with a later row marked as a header
// that is not at the top (so not repeated); a justified closing line.
TDocument HostileDocument() {
  TDocument doc;
  doc.Page = {16838, 11906, 1000, 1100, 900, 800, 400, true};
  doc.Header.Blocks.push_back(
      Block(Para({Text("Паспорт <b>&", false, 9), Text(" ул. \"Мира\" 'A'", true, 12)}, TAlign::Center)));
  doc.Body.Blocks.push_back(
      Block(Para({Text("Заголовок ]]> <script>alert(1)</script>", true, 14)}, TAlign::Center, true)));
  doc.Body.Blocks.push_back(Block(Para({Text("  два  пробела\tтаб"), TRun{"", {}, "t-1"},
                                        Text("x\x01\x0By\xEF\xBF\xBEz\x7F", true, 10)})));
  TBlock table;
  table.IsTable = true;
  TRow r0{{Cell(2000, {"Фаза"}), Cell(5000, {"Длительность"})}, true};
  TRow r1{{Cell(2000, {""}), Cell(3500, {"З"}), Cell(5000, {"К"})}, true};
  TRow r2{{Cell(2000, {"1 & 2"}), Cell(3500, {"<9>"}), Cell(5000, {"a", "б"})}, false};
  TRow r3{{Cell(1000, {"x"}), Cell(5000, {"y"})}, true};
  table.Table.Rows = {r0, r1, r2, r3};
  doc.Body.Blocks.push_back(table);
  doc.Body.Blocks.push_back(Block(Para({Text("конец")}, TAlign::Justify)));
  return doc;
}

// Worked out by hand from the document above: the grid is every cell edge
// (1000, 2000, 3500, 5000 twips); the control characters, U+FFFE and DEL
// are gone, every space and the tab stay.
const char* const kExpected =
    "page 16838 11906 landscape top=1000 bottom=1100 left=900 right=800 header=400\n"
    "[header]\n"
    "P C | {9}Паспорт <b>&{b12} ул. \"Мира\" 'A'\n"
    "[body]\n"
    "P CK | {b14}Заголовок ]]> <script>alert(1)</script>\n"
    "P L | {12}  два  пробела\\tтаб{#t-1}{b10}xyz\n"
    "T 1000,1000,1500,1500\n"
    "RH | ~2 L:{12}Фаза | ~2 L:{12}Длительность\n"
    "RH | ~2 L: | L:{12}З | L:{12}К\n"
    "R | ~2 L:{12}1 & 2 | L:{12}<9> | L:{12}a ¶ L:{12}б\n"
    "R | L:{12}x | ~3 L:{12}y\n"
    "P J | {12}конец\n";

TEST(OfficeWriters, python_docx_and_an_xml_parser_read_back_every_text_format_cell_and_page_setting) {
  if (!HavePythonDocx()) GTEST_SKIP() << "python3-docx is not installed";
  TTempDir dir;
  const TDocument doc = HostileDocument();
  WriteDocFile(dir.File("h.docx"), WriteDocx(doc, dir.File("h.docx")));
  WriteDocFile(dir.File("h.odt"), WriteOdt(doc, dir.File("h.odt")));
  EXPECT_EQ(Dump("'" + dir.File("h.docx") + "'"), kExpected);
  // The .odt also lists the elements of its content.xml: only those the
  // writer means to write (the zip's mimetype is checked by the script).
  EXPECT_EQ(Dump("'" + dir.File("h.odt") + "'"),
            std::string(kExpected) +
                "elements office:automatic-styles office:body office:document-content office:text "
                "style:paragraph-properties style:style style:table-cell-properties style:table-column-properties "
                "style:table-properties style:table-row-properties style:text-properties table:covered-table-cell "
                "table:table table:table-cell table:table-column table:table-header-rows table:table-row "
                "text:bookmark text:p text:s text:span text:tab\n");
}

TEST(OfficeWriters, a_portrait_page_without_header_and_an_empty_body_still_make_files_both_readers_open) {
  if (!HavePythonDocx()) GTEST_SKIP() << "python3-docx is not installed";
  TTempDir dir;
  TDocument doc;
  doc.Page.Left = 1701;
  for (const char* ext : {"docx", "odt"}) {
    SCOPED_TRACE(ext);
    const std::string path = dir.File(std::string("e.") + ext);
    WriteDocFile(path, std::string(ext) == "docx" ? WriteDocx(doc, path) : WriteOdt(doc, path));
    const std::string dump = Dump("'" + path + "'");
    // Where a header would start means nothing without one.
    EXPECT_EQ(dump.substr(0, dump.find(" header=")), "page 11906 16838 portrait top=1440 bottom=1440 left=1701 right=1800");
    EXPECT_NE(dump.find("\n[header]\n[body]\n"), std::string::npos) << dump;
  }
}

// Word joins tables that touch and wants a paragraph at the end of every
// story; a table or a row without cells has nothing to show and neither
// format can hold one.
TEST(OfficeWriters, tables_that_touch_end_a_story_or_have_no_cells_still_make_valid_files) {
  if (!HavePythonDocx()) GTEST_SKIP() << "python3-docx is not installed";
  TTempDir dir;
  auto table = [](std::vector<TRow> rows) {
    TBlock b;
    b.IsTable = true;
    b.Table.Rows = std::move(rows);
    return b;
  };
  TDocument doc;
  doc.Header.Blocks = {table({TRow{{Cell(1440, {"h"})}, false}})};
  doc.Body.Blocks = {table({}), table({TRow{}, TRow{{Cell(1440, {"a"})}, true}}), table({TRow{{Cell(1440, {"b"})}, false}})};
  WriteDocFile(dir.File("t.docx"), WriteDocx(doc, "t.docx"));
  WriteDocFile(dir.File("t.odt"), WriteOdt(doc, "t.odt"));
  const std::string page = "page 11906 16838 portrait top=1440 bottom=1440 left=1800 right=1800 header=708\n";
  EXPECT_EQ(Dump("'" + dir.File("t.docx") + "'"), page +
                                                       "[header]\nT 1440\nR | L:{12}h\nP L | \n"
                                                       "[body]\nT 1440\nRH | L:{12}a\nP L | \nT 1440\nR | L:{12}b\nP L | \n");
  const std::string odt = Dump("'" + dir.File("t.odt") + "'");
  EXPECT_EQ(odt.substr(0, odt.find("elements")),
            page + "[header]\nT 1440\nR | L:{12}h\n[body]\nT 1440\nRH | L:{12}a\nT 1440\nR | L:{12}b\n");
}

TEST(OfficeWriters, the_same_document_packs_to_the_same_bytes) {
  const TDocument doc = HostileDocument();
  EXPECT_EQ(WriteDocx(doc, "a.docx"), WriteDocx(doc, "b.docx"));
  EXPECT_EQ(WriteOdt(doc, "a.odt"), WriteOdt(doc, "b.odt"));
}

}  // namespace

namespace {

// svpass-cli export: the format follows the file name; a file that cannot
// be written fails with its name, and nothing half-written is left beside it.
TEST(OfficeWriters, export_writes_each_format_by_its_name_and_names_a_file_it_cannot_write) {
  TTempDir dir;
  std::filesystem::create_directory(dir.File("taken.docx"));
  const std::string svo1 = "'" + SourcePath("data/Data/svo1") + "'";
  // The first bytes of each file; an .odt's mimetype entry is stored, so its
  // name and then its text stand plainly at the top of the file.
  const std::string odt = std::string("PK\x03\x04", 4);
  const struct {
    std::string Out;
    std::string Starts;  // empty: the file cannot be written
    const char* Why;
  } cases[] = {
      {dir.File("a.DOCX"), std::string("PK\x03\x04", 4), ""},
      {dir.File("a.odt"), odt, ""},
      {dir.File("a.rtf"), "{\\rtf1", ""},
      {dir.File("a.doc"), "{\\rtf1", ""},
      {dir.File("nowhere/a.odt"), "", "No such file or directory"},
      {dir.File("taken.docx"), "", "Is a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Out);
    const TToolRun run = RunTool("export " + svo1 + " --out '" + c.Out + "'");
    if (!c.Starts.empty()) {
      EXPECT_EQ(run.Code, 0) << run.Err;
      EXPECT_EQ(ReadBytes(c.Out).substr(0, c.Starts.size()), c.Starts);
      continue;
    }
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("Не удалось записать файл " + c.Out + ": " + c.Why), std::string::npos) << run.Err;
  }
  EXPECT_EQ(ReadBytes(dir.File("a.odt")).substr(30, 47), "mimetypeapplication/vnd.oasis.opendocument.text");
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.docx")));
  std::vector<std::string> left;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path())) left.push_back(e.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"a.DOCX", "a.doc", "a.odt", "a.rtf", "taken.docx"}));
}

}  // namespace

namespace {

// LibreOffice opens the hostile document in both formats and gives its
// texts back literally, line by line as the word processor shows them.
TEST(OfficeWriters, libreoffice_reads_the_hostile_texts_back_literally) {
  if (!HaveSoffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  TTempDir dir;
  const TDocument doc = HostileDocument();
  WriteDocFile(dir.File("h-docx.docx"), WriteDocx(doc, "h.docx"));
  WriteDocFile(dir.File("h-odt.odt"), WriteOdt(doc, "h.odt"));
  ASSERT_TRUE(SofficeConvert(dir, "txt:Text", {"h-docx.docx", "h-odt.odt"}));
  const std::vector<std::string> expected = {"Заголовок ]]> <script>alert(1)</script>",
                                             "  два  пробела\tтабxyz",
                                             "Фаза", "Длительность", "З", "К", "1 & 2", "<9>", "a", "б", "x", "y",
                                             "конец"};
  for (const char* file : {"h-docx.txt", "h-odt.txt"}) {
    SCOPED_TRACE(file);
    std::string text = ReadBytes(dir.File(file));
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
      std::string line = text.substr(start, nl - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) lines.push_back(line);
    }
    EXPECT_EQ(lines, expected);
  }
}

std::string PdfPage(const std::string& pdf, int page) {
  const std::string cmd = "pdftotext -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" + pdf + "' -";
  std::string out;
  if (FILE* p = popen(cmd.c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
  }
  return out;
}

// A table three pages long: LibreOffice lays out the .docx and the .odt
// with the page header and the table's two header rows on every page, and
// never splits a row of three lines between two pages.
TEST(OfficeWriters, libreoffice_repeats_the_header_rows_and_the_page_header_on_every_page_and_keeps_rows_whole) {
  if (!HaveSoffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext is not installed";
  TTempDir dir;
  TDocument doc;
  doc.Header.Blocks.push_back(Block(Para({Text("Адрес: ул. \"Мира\" & <пр.>", true)}, TAlign::Center)));
  doc.Body.Blocks.push_back(Block(Para({Text("Таблица направлений", true, 14)}, TAlign::Center, true)));
  TBlock table;
  table.IsTable = true;
  table.Table.Rows.push_back(TRow{{Cell(2000, {"Направление"}), Cell(6000, {"Сигналы"})}, true});
  table.Table.Rows.push_back(TRow{{Cell(2000, {""}), Cell(4000, {"Зелёный"}), Cell(6000, {"Красный"})}, true});
  const int rows = 70;
  for (int i = 1; i <= rows; ++i) {
    const std::string n = std::to_string(i);
    table.Table.Rows.push_back(
        TRow{{Cell(2000, {"строка " + n}), Cell(4000, {n + "-а", n + "-б", n + "-в"}), Cell(6000, {n})}, false});
  }
  doc.Body.Blocks.push_back(table);
  doc.Body.Blocks.push_back(Block(Para({Text("Конец")})));
  WriteDocFile(dir.File("long-docx.docx"), WriteDocx(doc, "long.docx"));
  WriteDocFile(dir.File("long-odt.odt"), WriteOdt(doc, "long.odt"));
  ASSERT_TRUE(SofficeConvert(dir, "pdf", {"long-docx.docx", "long-odt.odt"}));
  for (const char* file : {"long-docx.pdf", "long-odt.pdf"}) {
    SCOPED_TRACE(file);
    int row = 1;
    int page = 1;
    for (; row <= rows && page <= 10; ++page) {
      const std::string text = PdfPage(dir.File(file), page);
      ASSERT_FALSE(text.empty()) << "page " << page << " before row " << row;
      EXPECT_EQ(text.rfind("Адрес: ул. \"Мира\" & <пр.>\n", 0), 0u) << "page " << page;
      for (const char* head : {"Направление", "Сигналы", "Зелёный", "Красный"})
        EXPECT_NE(text.find(head), std::string::npos) << head << " on page " << page;
      // Every row that starts on this page ends on it.
      const int first = row;
      for (; row <= rows; ++row) {
        const std::string n = std::to_string(row);
        const bool starts = text.find(n + "-а\n") != std::string::npos;
        if (!starts) break;
        EXPECT_NE(text.find(n + "-в\n"), std::string::npos) << "row " << n << " split after page " << page;
      }
      ASSERT_GT(row, first) << "no row on page " << page;
    }
    EXPECT_GT(row, rows);
    EXPECT_GE(page - 1, 3) << "the table was meant to fill three pages";
  }
}

}  // namespace
