#pragma once
// What the tests that read documents back through LibreOffice share: whether
// it is installed, the texts and tables of its HTML, and the sample
// passport svo1's tables worked out by hand.
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"

namespace {

// Converts the files of `dir` (names, not paths) to `format` ("txt:Text",
// "pdf", "html") with one start of LibreOffice, which costs more than the
// conversions; the profile lives in `dir`, so tests running at once never
// share one. The results are named after the files, in `dir`.
inline bool SofficeConvert(const TTempDir& dir, const std::string& format, const std::vector<std::string>& files) {
  std::string cmd = "cd '" + dir.Path() + "' && soffice -env:UserInstallation=file://" + dir.Path() +
                    "profile --headless --convert-to " + format + " --outdir '" + dir.Path() + "'";
  for (const std::string& f : files) cmd += " '" + f + "'";
  return std::system((cmd + " >/dev/null 2>&1").c_str()) == 0;
}

// The lines of a text file that hold more than blanks, blanks collapsed.
std::string Collapse(const std::string& s);
inline std::vector<std::string> TextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t nl = 0; start < text.size(); start = nl + 1) {
    nl = text.find('\n', start);
    if (nl == std::string::npos) nl = text.size();
    std::string line = Collapse(text.substr(start, nl - start));
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

using TRows = std::vector<std::vector<std::string>>;

inline bool HaveSoffice() { return std::system("command -v soffice >/dev/null 2>&1") == 0; }

inline std::string Collapse(const std::string& s) {
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
inline std::string HtmlText(const std::string& html) {
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
inline std::vector<TRows> HtmlTables(const std::string& html) {
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
inline const std::vector<TRows>& ExpectedTables() {
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

}  // namespace
