// A real word processor reads what the export writes: the sample passport
// exported by svpass-cli, converted by LibreOffice to text and to HTML, shows
// its header line, every heading and every cell of every table in order.
// Skipped only where LibreOffice is not installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "TestSupport.h"

namespace {

using TRows = std::vector<std::vector<std::string>>;

bool HaveSoffice() { return std::system("command -v soffice >/dev/null 2>&1") == 0; }

std::string Collapse(const std::string& s) {
  std::string out;
  bool blank = false;
  for (const char c : s) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

// The visible text of an HTML fragment.
std::string HtmlText(const std::string& html) {
  std::string text;
  bool inTag = false;
  for (const char c : html) {
    if (c == '<') inTag = true;
    else if (c == '>') inTag = false;
    else if (!inTag) text += c;
  }
  const std::pair<const char*, const char*> entities[] = {
      {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&nbsp;", " "}, {"&amp;", "&"}};
  for (const auto& [from, to] : entities)
    for (std::size_t p; (p = text.find(from)) != std::string::npos;) text.replace(p, std::strlen(from), to);
  return Collapse(text);
}

// Every table of the page as rows of cell texts.
std::vector<TRows> HtmlTables(const std::string& html) {
  std::vector<TRows> tables;
  for (std::size_t t = html.find("<table"); t != std::string::npos; t = html.find("<table", t + 1)) {
    const std::size_t end = html.find("</table>", t);
    TRows rows;
    for (std::size_t r = html.find("<tr", t); r != std::string::npos && r < end; r = html.find("<tr", r + 1)) {
      const std::size_t rowEnd = html.find("</tr>", r);
      rows.emplace_back();
      for (std::size_t c = html.find("<td", r); c != std::string::npos && c < rowEnd; c = html.find("<td", c + 1)) {
        const std::size_t open = html.find('>', c) + 1;
        rows.back().push_back(HtmlText(html.substr(open, html.find("</td>", c) - open)));
      }
    }
    tables.push_back(rows);
  }
  return tables;
}

// The sample passport svo1 as its info.txt holds it, written out by hand.
const std::vector<TRows>& ExpectedTables() {
  static const std::vector<TRows> tables = {
      {{"Фаза", "Т мин., сек", "Т осн. по программам, сек"},
       {"", "", "I", "II", "III"},
       {"1", "12", "30", "25", "20"},
       {"2", "8", "12", "10", "8"},
       {"3", "12", "25", "20", "18"},
       {"4", "8", "10", "8", "8"}},
      {{"Направление", "Фазы", "Конфл. направл.", "Длительность сигналов, сек", "Контр. красных"},
       {"", "", "", "З", "ЗМ", "Ж", "К", "КЖ", ""},
       {"1", "1", "3, 4, 7, 8, 10", "9", "6", "3", "2", "0", "да"},
       {"2", "1, 2", "3, 4, 7, 8, 10", "9", "6", "3", "2", "0", "да"},
       {"3", "3", "1, 2, 5, 6, 9", "9", "6", "3", "2", "0", "да"},
       {"4", "3, 4", "1, 2, 5, 6, 9", "9", "6", "3", "2", "0", "да"},
       {"5", "1", "3, 4, 10", "6", "3", "3", "0", "0", "нет"},
       {"6", "1", "3, 4, 10", "6", "3", "3", "0", "0", "нет"},
       {"7", "3", "1, 2, 9", "6", "3", "3", "0", "0", "нет"},
       {"8", "3", "1, 2, 9", "6", "3", "3", "0", "0", "нет"},
       {"9", "2", "3, 4, 7, 8", "6", "3", "3", "0", "0", "да"},
       {"10", "4", "1, 2, 5, 6", "6", "3", "3", "0", "0", "да"}},
      {{"Направление", "Переключение фаз", "Сигналы, сек", "Переключение фаз", "Сигналы, сек"},
       {"", "", "З", "ЗМ", "Ж", "", "К", "КЖ"},
       {"2", "1-3", "9", "6", "3", "", "", ""},
       {"3", "", "", "", "", "1-3", "2", "0"}},
      {{"Наименование", "Тип", "Кол-во", "Примечания"},
       {"Контроллер дорожный", "КС-4", "1", "в шкафу у северо-западного угла"},
       {"Светофор транспортный", "Т.1", "8", "на консолях и стойках"},
       {"Светофор пешеходный", "П.1", "8", ""},
       {"Светофор трамвайный", "Т.4", "2", "по одному на направление"},
       {"Кабель контрольный", "КВВГ 14х1,5", "420", "метров"}},
      {{"Дата", "Тип", "Число секций", "Тип ДК", "Примечания"},
       {"", "", "Трансп.", "Доп. секций", "Пешех.", "Трамв.", "", ""},
       {"12.03.2019 г.", "Ввод в эксплуатацию", "8", "2", "8", "2", "КС-4", "Проект 17/19; Иванов И.И., отдел ОДД"},
       {"05.08.2021 г.", "Изменение режима", "", "", "", "", "",
        "Изменены длительности фаз программы II, Tкк 113; письмо 245, Петров П.П., отдел ОДД"}},
  };
  return tables;
}

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
