#include "IndexPage.h"

#include "WebText.h"
#include "check/PassportSummary.h"

std::string IndexPageHtml(const std::vector<TSiteEntry>& entries) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<title>Паспорта светофорных объектов</title>\n<link rel=\"stylesheet\" href=\"site.css\">\n</head>\n<body>\n"
      "<header>\n<h1>Паспорта светофорных объектов</h1>\n<p>Паспортов: " +
      std::to_string(entries.size()) +
      ".</p>\n</header>\n<main>\n<label class=\"search\">Поиск по номеру, адресу, типу: "
      "<input type=\"search\" id=\"search\" autocomplete=\"off\"></label>\n"
      "<p id=\"shown\" aria-live=\"polite\"></p>\n"
      "<div class=\"scroll\"><table id=\"passports\"><caption>Паспорта базы</caption><thead><tr>"
      "<th scope=\"col\">Паспорт</th><th scope=\"col\">Номер</th><th scope=\"col\">Адрес</th>"
      "<th scope=\"col\">Тип объекта</th><th scope=\"col\">Ошибки</th><th scope=\"col\">Предупреждения</th>"
      "</tr></thead><tbody>\n";
  for (const TSiteEntry& e : entries) {
    const std::string id = HtmlText(e.Id);
    html += "<tr><th scope=\"row\"><a href=\"" + id + "/index.html\">" + id + "</a></th><td>" + HtmlText(e.Number) +
            "</td><td class=\"addr\">" + HtmlText(e.Address) + "</td><td>" + HtmlText(ObjectTypeCaption(e.ObjectType)) +
            "</td><td class=\"n" + (e.Errors ? " bad" : "") + "\">" + std::to_string(e.Errors) + "</td><td class=\"n" +
            (e.Warnings ? " warn" : "") + "\">" + std::to_string(e.Warnings) + "</td></tr>\n";
  }
  html += "</tbody></table></div>\n</main>\n<script src=\"site.js\"></script>\n</body>\n</html>\n";
  return html;
}
