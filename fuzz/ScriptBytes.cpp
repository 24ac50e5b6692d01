#include "ScriptBytes.h"

#include "edit/EditSession.h"
#include "model/SVObject.h"
#include "platform/TextFile.h"

namespace {

const char* const kForms[] = {"TStolbMenuForm", "TSelSignForm",  "TSetTextForm",  "TWhiteSignForm", "TSelHeadForm",
                              "TSelNaprForm",   "TSelArrowForm", "TSelCableForm", "TSelLineForm"};
const char* const kCaptions[] = {
    "Свой",     "Чужой",        "Главная дорога",   "Stop",           "Направление главной дороги",
    "Табличка", "Пешеходная",   "Трамвайная",       "Налево",         "Прерывистая",
    "Двойная",  "Линия связи ", "Треугольный знак", "Движение налево"};
const char* const kFields[] = {"TextField", "textfield", "DownTextField"};
const char* const kLists[] = {"NaprBox", "leftBox", "forbox", "rightbox"};
const char* const kKeys[] = {"Esc", "Delete", "Ctrl+Z", "Ctrl+Y", "KP+", "KP-"};
const char* const kCommands[] = {"Показать целиком", "Редактирование/просмотр", "Отменить последнее действие",
                                 "Вернуть отменённое", "Смена типа кабеля"};


std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

std::string NextLine(TBytes& b) {
  const auto pt = [&b] { return std::to_string(b.Coord(1040)) + " " + std::to_string(b.Coord(740)); };
  switch (b.Next() % 12) {
    case 0: {
      const auto& tools = TEditSession::Tools();
      return "tool " + Quoted(tools[static_cast<std::size_t>(b.Next()) % tools.size()].Hint);
    }
    case 1:
    case 2:
      return "click " + pt();
    case 3:
      return "press " + pt();
    case 4:
      return "move " + pt();
    case 5:
      return "release " + pt();
    case 6:
      return std::string("key ") + Pick(b, kKeys);
    case 7:
      return std::string("command ") + Quoted(Pick(b, kCommands));
    case 8:
      return "tick";
    case 9:
      return "layer " + std::to_string(1 + b.Next() % 12) + " " + std::to_string(b.Next() % 2) + " " +
             std::to_string(b.Next() % 2) + " " + std::to_string(b.Next() % 2);
    default: {
      std::string line = std::string("dialog ") + Pick(b, kForms);
      const int actions = b.Next() % 3;
      for (int i = 0; i < actions; ++i) {
        switch (b.Next() % 4) {
          case 0:
            line += " check " + Quoted(Pick(b, kCaptions));
            break;
          case 1:
            line += std::string(" text ") + Pick(b, kFields) + " " + Quoted(std::string(b.Next() % 3, 'A'));
            break;
          case 2:
            line += std::string(" select ") + Pick(b, kLists) + " " + Quoted(std::to_string(b.Next() % 5));
            break;
          default:
            line += " cell " + std::to_string(b.Next() % 120) + " " + std::to_string(b.Next() % 120);
            break;
        }
      }
      static const char* const kButtons[] = {" ok", " cancel", " close"};
      return line + Pick(b, kButtons);
    }
  }
}

std::vector<std::string> LayerEntries(TSVObject& scheme, int n) {
  std::vector<std::string> entries;
  for (const auto& item : scheme.Layer(n).Items()) {
    if (item->Hidden) continue;
    TTextWriter w;
    item->SaveToText(w);
    entries.push_back(std::to_string(item->TypeCode) + "\n" + w.Bytes());
  }
  return entries;
}
