// A real word processor reads what the export writes: the sample passport
// exported by svpass-cli, converted by LibreOffice to text and to HTML, shows
// its header line, every heading and every cell of every table in order.
// Skipped only where LibreOffice is not installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "LibreOfficeSupport.h"
#include "TestSupport.h"

namespace {

class LibreOfficeCheck : public ::testing::Test {
 protected:
  // soffice keeps its profile in the temporary directory, not in $HOME.
  std::string Convert(const std::string& file, const std::string& format) {
    const std::string cmd = "cd '" + Dir.Path() + "' && soffice -env:UserInstallation=file://" + Dir.Path() +
                            "profile --headless --convert-to " + format + " --outdir '" + Dir.Path() + "' '" +
                            file + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    return Dir.File("svo1." + format.substr(0, format.find(':')));
  }
  TTempDir Dir;
};

TEST_F(LibreOfficeCheck, the_exported_sample_reads_back_with_its_header_headings_and_every_table_cell) {
  if (!HaveSoffice()) GTEST_SKIP() << "LibreOffice (soffice) is not installed";
  const std::string doc = Dir.File("svo1.doc");
  const std::string cli = std::string(SVPASS_CLI) + " export '" + SourcePath("data/Data/svo1") + "' --out '" + doc +
                          "' 2>/dev/null";
  ASSERT_EQ(std::system(cli.c_str()), 0) << cli;

  const std::string html = ReadBytes(Convert(doc, "html"));
  // The header: the trimmed address lines and the object number.
  const std::size_t header = html.find("<div title=\"header\">");
  ASSERT_NE(header, std::string::npos);
  const std::string headerText = HtmlText(html.substr(header, html.find("</div>", header) - header));
  EXPECT_EQ(headerText, "Технический паспорт светофорного объекта ул. Ленина - пр. Мира (Объект № 1)");

  const std::vector<TRows> tables = HtmlTables(html);
  const std::vector<TRows>& expected = ExpectedTables();
  ASSERT_EQ(tables.size(), expected.size());
  for (std::size_t t = 0; t < expected.size(); ++t) {
    SCOPED_TRACE("table " + std::to_string(t + 1));
    ASSERT_EQ(tables[t].size(), expected[t].size());
    for (std::size_t r = 0; r < expected[t].size(); ++r) EXPECT_EQ(tables[t][r], expected[t][r]) << "row " << r;
  }

  // The plain text: headings, free texts and every filled cell, in order.
  const std::string text = ReadBytes(Convert(doc, "txt:Text"));
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(Collapse(text.substr(start, nl - start)));
  std::vector<std::string> wanted = {"Организация движения по фазам"};
  auto cells = [&](const TRows& rows) {
    for (const auto& row : rows)
      for (const std::string& c : row)
        if (!c.empty()) wanted.push_back(c);
  };
  cells(expected[0]);
  wanted.push_back("T kk = 113 сек");
  wanted.push_back("Организация движения по направлениям");
  cells(expected[1]);
  wanted.insert(wanted.end(), {"Организация движения", "при нестандартной смене фаз"});
  cells(expected[2]);
  wanted.insert(wanted.end(), {"Комментарий к таблицам:", "Трамвайная линия проходит по оси ул. Ленина.",
                               "Пешеходные переходы через пр. Мира оборудованы вызывными кнопками.",
                               "Режим \"жёлтое мигание\" с 23:00 до 6:00."});
  wanted.push_back("Таблица комплектации СО");
  cells(expected[3]);
  wanted.push_back("Таблица изменений СО");
  cells(expected[4]);
  wanted.insert(wanted.end(), {"Описание подключения СО:", "Объект подключён к районной линии связи, канал 3.",
                               "Питание от ТП-118, фидер 4."});
  std::size_t at = 0;
  for (const std::string& w : wanted) {
    const auto it = std::find(lines.begin() + static_cast<std::ptrdiff_t>(at), lines.end(), w);
    ASSERT_NE(it, lines.end()) << "missing, or out of order: " << w;
    at = static_cast<std::size_t>(it - lines.begin()) + 1;
  }
}

}  // namespace
