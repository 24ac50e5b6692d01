#include "PrintEntry.h"

#include "plan/SVInfo.h"

TPrintEntryRule PrintEntryRule(TPrintEntry entry) {
  switch (entry) {
    case TPrintEntry::CurrentScheme:
      return {TPrintMode::Scheme, "", false};
    case TPrintEntry::Tsrd:
      return {TPrintMode::Scheme, "Схема расстановки ТСРД", true};
    case TPrintEntry::Odd:
      return {TPrintMode::Scheme, "Схема ОДД", true};
    case TPrintEntry::Cable:
      return {TPrintMode::Scheme, "Схема кабельного хозяйства", true};
    case TPrintEntry::TimeDiagram:
      return {TPrintMode::TimeDiagram, "Временная диаграмма работы СО", false};
    case TPrintEntry::TramHeads:
      return {TPrintMode::TramHeads, "Схемы подключения трамвайных головок", false};
  }
  return {TPrintMode::Scheme, "", false};
}

std::string PrintTitle(const TSVInfo& info, TPrintEntry entry) {
  std::string title = info.AddressText() + " (Объект № " + info.ObjectNumber() + ") ";
  const std::string heading = PrintEntryRule(entry).Heading;
  if (!heading.empty()) title += "\r\n" + heading;
  return title;
}

std::string PrintFileName(const std::string& passportDir, TPrintMode mode) {
  std::string dir = passportDir;
  while (!dir.empty() && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
  const std::size_t sep = dir.find_last_of("/\\");
  std::string name = sep == std::string::npos ? dir : dir.substr(sep + 1);
  if (name.empty()) name = "svpass";
  const char* what = mode == TPrintMode::TimeDiagram ? "временная диаграмма"
                     : mode == TPrintMode::TramHeads ? "трамвайные головки"
                                                      : "схема";
  return name + " " + what + ".pdf";
}
