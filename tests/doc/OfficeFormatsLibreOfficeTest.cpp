// The .docx and .odt of the three sample passports read by independent
// clients: LibreOffice turns them into text and PDF pages, python-docx (and
// an XML parser for the .odt) finds their tables and page header. The RTF
// export of the same passport, converted by LibreOffice too, is the
// reference; svo1's tables are also checked against the values written out
// by hand. Each test starts LibreOffice once for all its files. Skipped only
// where LibreOffice, python-docx or poppler's tools are not installed.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "LibreOfficeSupport.h"
#include "TestSupport.h"

namespace {

bool Have(const char* check) { return std::system((std::string(check) + " >/dev/null 2>&1").c_str()) == 0; }

std::string Output(const std::string& cmd) {
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

// The RTF first: the reference the others are held to.
const char* const kFormats[] = {"rtf", "docx", "odt"};

class OfficeFormats : public ::testing::Test {
 protected:
  // svpass-cli exports sample n to svoN-EXT.EXT; the file's name.
  std::string Export(int n, const std::string& ext) {
    const std::string name = "svo" + std::to_string(n) + "-" + ext + "." + ext;
    const TToolRun run =
        RunTool("export '" + SourcePath("data/Data/svo" + std::to_string(n)) + "' --out '" + Dir.File(name) + "'");
    EXPECT_EQ(run.Code, 0) << run.Err;
    return name;
  }
  std::vector<std::string> ExportAll() {
    std::vector<std::string> files;
    for (int n = 1; n <= 3; ++n)
      for (const char* ext : kFormats) files.push_back(Export(n, ext));
    return files;
  }
  std::string Converted(int n, const std::string& ext, const std::string& to) {
    return ReadBytes(Dir.File("svo" + std::to_string(n) + "-" + ext + "." + to));
  }
  TTempDir Dir;
};

TEST_F(OfficeFormats, libreoffice_reads_every_heading_and_cell_of_the_docx_and_odt_as_of_the_rtf) {
  if (!HaveSoffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  ASSERT_TRUE(SofficeConvert(Dir, "txt:Text", ExportAll()));
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE("svo" + std::to_string(n));
    const std::vector<std::string> reference = TextLines(Converted(n, "rtf", "txt"));
    ASSERT_GT(reference.size(), 10u);
    EXPECT_EQ(TextLines(Converted(n, "docx", "txt")), reference);
    EXPECT_EQ(TextLines(Converted(n, "odt", "txt")), reference);
  }
}

// What office_dump.py --cells prints for one file: the page header's text
// and each table as rows of cells.
struct TCells {
  std::string Header;
  std::vector<TRows> Tables;
};

// The files' dumps, one after the other: each starts with its "H" line.
std::vector<TCells> DumpCells(const std::string& dump) {
  std::vector<TCells> files;
  std::size_t start = 0;
  for (std::size_t nl; (nl = dump.find('\n', start)) != std::string::npos; start = nl + 1) {
    const std::string line = dump.substr(start, nl - start);
    if (line.rfind("H ", 0) == 0) {
      files.push_back({line.substr(2), {}});
    } else if (line == "T" && !files.empty()) {
      files.back().Tables.emplace_back();
    } else if (!files.empty() && !files.back().Tables.empty()) {
      std::vector<std::string> cells;
      std::size_t from = 0;
      for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
        cells.push_back(line.substr(from, tab - from));
      cells.push_back(line.substr(from));
      files.back().Tables.back().push_back(cells);
    }
  }
  return files;
}

TEST_F(OfficeFormats, python_docx_finds_the_rtf_s_tables_cell_for_cell_and_the_address_in_the_page_header) {
  if (!HaveSoffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  if (!Have("/usr/bin/python3 -c 'import docx'")) GTEST_SKIP() << "python3-docx is not installed";
  std::vector<std::string> rtfs;
  for (int n = 1; n <= 3; ++n) {
    rtfs.push_back(Export(n, "rtf"));
    Export(n, "docx");
    Export(n, "odt");
  }
  ASSERT_TRUE(SofficeConvert(Dir, "html", rtfs));
  // One start of Python for the six files: svo1.docx, svo1.odt, svo2.docx, …
  std::string cmd = "/usr/bin/python3 '" + SourcePath("tests/doc/office_dump.py") + "' --cells";
  for (int n = 1; n <= 3; ++n)
    for (const char* ext : {"docx", "odt"})
      cmd += " '" + Dir.File("svo" + std::to_string(n) + "-" + ext + "." + ext) + "'";
  const std::vector<TCells> dumps = DumpCells(Output(cmd));
  ASSERT_EQ(dumps.size(), 6u);
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE("svo" + std::to_string(n));
    const std::string html = Converted(n, "rtf", "html");
    const std::vector<TRows> reference = HtmlTables(html);
    ASSERT_FALSE(reference.empty());
    const std::size_t div = html.find("<div title=\"header\">");
    ASSERT_NE(div, std::string::npos);
    const std::string address = HtmlText(html.substr(div, html.find("</div>", div) - div));
    EXPECT_NE(address.find("(Объект № " + std::to_string(n) + ")"), std::string::npos) << address;
    if (n == 1) {
      EXPECT_EQ(reference, ExpectedTables());
    }
    for (int f = 0; f < 2; ++f) {
      SCOPED_TRACE(f == 0 ? "docx" : "odt");
      const TCells& got = dumps[static_cast<std::size_t>(2 * (n - 1) + f)];
      EXPECT_EQ(got.Tables, reference);
      EXPECT_EQ(got.Header, address);
    }
  }
}

TEST_F(OfficeFormats, the_pdf_pages_libreoffice_lays_out_match_the_rtf_s_and_each_carries_the_address) {
  if (!HaveSoffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  if (!Have("command -v pdftotext") || !Have("command -v pdfinfo")) GTEST_SKIP() << "poppler-utils are not installed";
  ASSERT_TRUE(SofficeConvert(Dir, "pdf", ExportAll()));
  for (int n = 1; n <= 3; ++n) {
    const std::string object = "(Объект № " + std::to_string(n) + ")";
    std::string referenceInfo;
    for (const char* ext : kFormats) {
      SCOPED_TRACE("svo" + std::to_string(n) + "." + ext);
      const std::string pdf = Dir.File("svo" + std::to_string(n) + "-" + ext + ".pdf");
      std::string info;
      // The number of pages and their size, as the RTF's.
      for (const std::string& line : TextLines(Output("pdfinfo '" + pdf + "'")))
        if (line.rfind("Pages:", 0) == 0 || line.rfind("Page size:", 0) == 0) info += line + "\n";
      if (referenceInfo.empty()) referenceInfo = info;
      EXPECT_EQ(info, referenceInfo);
      EXPECT_NE(info.find("595.30"), std::string::npos) << info;  // A4 portrait
      const int pages = std::atoi(info.substr(info.find("Pages:") + 6).c_str());
      ASSERT_GE(pages, 1);
      for (int p = 1; p <= pages; ++p) {
        const std::string text = Collapse(
            Output("pdftotext -f " + std::to_string(p) + " -l " + std::to_string(p) + " '" + pdf + "' -"));
        EXPECT_EQ(text.rfind("Технический паспорт светофорного объекта", 0), 0u) << "page " << p << ": " << text;
        EXPECT_NE(text.find(object), std::string::npos) << "page " << p;
      }
    }
  }
}

}  // namespace
