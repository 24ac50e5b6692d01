// The one-line Russian account of a comparison: what a version's history
// shows as its summary and what a version is recorded with.
#include <cstdint>
#include <cstdlib>
#include <map>

#include "PassportDiff.h"
#include "SchemeMatch.h"
#include "items/SignCatalog.h"
#include "model/TypeCodes.h"
#include "platform/Codec1251.h"

namespace {

enum class TGender { He, She, It };

struct TNoun {
  const char* Word;
  TGender Gender;
  // A sign: named by its number too.
  bool Sign = false;
};

// What an engineer calls an item of each type; three types are named by
// their lines as well (below).
const std::map<std::uint32_t, TNoun>& PlainNouns() {
  static const std::map<std::uint32_t, TNoun> nouns{
      {TypeCode::SLB, {"бордюр", TGender::He}},
      {TypeCode::CB, {"бордюр", TGender::He}},
      {TypeCode::WELL, {"колодец", TGender::He}},
      {TypeCode::ECable, {"кабель", TGender::He}},
      {TypeCode::Contr, {"контроллер", TGender::He}},
      {TypeCode::STOLB, {"столб", TGender::He}},
      {TypeCode::Stick, {"соединительная линия", TGender::She}},
      {TypeCode::CarHead, {"транспортная головка", TGender::She}},
      {TypeCode::TramHead, {"трамвайная головка", TGender::She}},
      {TypeCode::PedHead, {"пешеходная головка", TGender::She}},
      {TypeCode::Sign, {"знак", TGender::He, true}},
      {TypeCode::MainSign, {"знак", TGender::He, true}},
      {TypeCode::LeaveSign, {"знак", TGender::He, true}},
      {TypeCode::StopSign, {"знак", TGender::He, true}},
      {TypeCode::BrickSign, {"знак", TGender::He, true}},
      {TypeCode::ArrowSign, {"знак", TGender::He, true}},
      {TypeCode::WhiteSign, {"знак", TGender::He, true}},
      {TypeCode::TableSign, {"знак", TGender::He, true}},
      {TypeCode::Napr, {"направление движения", TGender::It}},
      {TypeCode::Ferma, {"портал", TGender::He}},
      {TypeCode::SVRealText, {"подпись", TGender::She}},
      {TypeCode::Tram, {"участок рельсов", TGender::He}},
      {TypeCode::RTram, {"участок рельсов", TGender::He}},
      {TypeCode::Build, {"здание", TGender::It}},
      {TypeCode::Zebra, {"зебра", TGender::She}},
      {TypeCode::StopLine, {"стоп-линия", TGender::She}},
      {TypeCode::SingleLine, {"разделительная линия", TGender::She}},
      {TypeCode::PedLine, {"пешеходный переход", TGender::He}},
      {TypeCode::MarkArrow, {"стрелка разметки", TGender::She}},
      {TypeCode::TStolb, {"отдельный знак", TGender::He}},
      {TypeCode::Tros, {"трос", TGender::He}},
  };
  return nouns;
}

// The name of an item as an engineer says it, from its type and lines.
TNoun ItemNoun(const TDiffItem& item, std::string& extra) {
  const auto line = [&item](std::size_t i) { return i < item.Lines.size() ? item.Lines[i] : std::string(); };
  const auto found = PlainNouns().find(item.Type);
  if (found == PlainNouns().end()) {
    extra = "типа " + std::to_string(item.Type);
    return {"элемент", TGender::He};
  }
  const TNoun noun = found->second;
  if (item.Type == TypeCode::Contr) {
    const int kind = std::atoi(line(2).c_str());
    if (kind == 1) return {"телефонная коробка", TGender::She};
    if (kind == 2) return {"щит силовой", TGender::He};
  } else if (item.Type == TypeCode::Ferma) {
    if (std::atoi(line(2).c_str()) == 1) return {"консоль", TGender::She};
  } else if (noun.Sign) {
    // The sign's label is its number; an unlabelled sign is named by its kind.
    if (line(4) == "text" && !line(8).empty()) {
      extra = line(8);
    } else if (const TSignKindInfo* kind = FindSignKind(std::atoi(line(3).c_str()))) {
      extra = *kind->DefaultNumber ? kind->DefaultNumber : kind->Caption;
    }
  }
  return noun;
}

const char* Participle(const char* he, const char* she, const char* it, TGender g) {
  return g == TGender::He ? he : g == TGender::She ? she : it;
}

std::string ItemPhrase(const char* he, const char* she, const char* it, const TDiffItem& item) {
  std::string extra;
  const TNoun noun = ItemNoun(item, extra);
  std::string s = std::string(Participle(he, she, it, noun.Gender)) + ' ' + noun.Word;
  if (!extra.empty()) s += ' ' + extra;
  return s;
}

bool IsPointLine(const std::string& line) {
  std::vector<std::string> one{line};
  double x = 0, y = 0;
  return FirstPoint(one, x, y);
}

// Moved: only the lines of points differ, nothing else of the item.
bool OnlyMoved(const TChangedItem& c) {
  if (c.Before.Lines.size() != c.After.Lines.size()) return false;
  for (std::size_t i = 0; i < c.Before.Lines.size(); ++i)
    if (c.Before.Lines[i] != c.After.Lines[i] && !(IsPointLine(c.Before.Lines[i]) && IsPointLine(c.After.Lines[i])))
      return false;
  return true;
}

// A text value on one line, and short: a summary is one line.
std::string ShortText(const std::string& text) {
  constexpr std::size_t kLongest = 40;
  std::string line;
  for (char c : text) line += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
  if (Utf8Length(line) > kLongest) line = Utf8Left(line, kLongest - 1) + "…";
  return line;
}

std::string ValueText(const TJsonValue& v) {
  switch (v.Kind) {
    case TJsonValue::TKind::Null: return "—";
    case TJsonValue::TKind::String: return "«" + ShortText(v.Text) + "»";
    case TJsonValue::TKind::Number: return v.Text;
    case TJsonValue::TKind::Bool: return v.Flag ? "да" : "нет";
    default: return JsonText(v);
  }
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 1;
  while (start <= path.size()) {
    const std::size_t end = path.find('/', start);
    parts.push_back(path.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return parts;
}

int Index(const std::string& s) { return std::atoi(s.c_str()) + 1; }

const std::map<std::string, std::string>& FieldNames() {
  static const std::map<std::string, std::string> names = {
      {"address1", "первая строка адреса"}, {"address2", "вторая строка адреса"},
      {"objectNumber", "номер СО"},        {"objectType", "тип объекта"},
      {"realScale", "масштаб"},            {"tkk", "T кк"},
      {"comment", "описание"},             {"connection", "связь"},
  };
  return names;
}

const std::map<std::string, std::string>& DirectionFields() {
  static const std::map<std::string, std::string> names = {
      {"name", "имя"},   {"number", "номер"},   {"phases", "фазы"}, {"conflict", "конфл. направл."},
      {"tGreen", "З"},   {"tGreenFlash", "ЗМ"}, {"tYellow", "Ж"},   {"tRed", "К"},
      {"tRedYellow", "КЖ"}, {"redControl", "контр. красных"},
  };
  return names;
}

const std::map<std::string, std::string>& TableNames() {
  static const std::map<std::string, std::string> names = {
      {"equipment", "оборудование"},
      {"changes", "журнал изменений"},
      {"exo", "ОДД при нестандартной смене фаз"},
  };
  return names;
}

std::string Change(const TInfoDifference& d, const char* unit = "") {
  return ValueText(d.Before) + " → " + ValueText(d.After) + unit;
}

// One information difference in words; a path the words do not know is
// said as it is.
std::string InfoPhrase(const TInfoDifference& d) {
  const std::vector<std::string> p = SplitPath(d.Path);
  if (p.empty()) return d.Path + ": " + Change(d);
  const bool added = d.Before.IsNull(), removed = d.After.IsNull();
  if (p[0] == "phases" && p.size() >= 2) {
    const std::string phase = "фаза " + std::to_string(Index(p[1]));
    if (p.size() == 2) return (added ? "добавлена " : removed ? "удалена " : "изменена ") + phase;
    const std::string head = "Фаза " + std::to_string(Index(p[1])) + ": ";
    if (p[2] == "tmain" && p.size() == 4) {
      static const char* const kPrograms[] = {"I", "II", "III"};
      const int k = Index(p[3]) - 1;
      const std::string program = k >= 0 && k < 3 ? kPrograms[k] : std::to_string(k + 1);
      return head + "основной такт программы " + program + " " + Change(d, " с");
    }
    if (p[2] == "tmin") return head + "Т мин. " + Change(d, " с");
    if (p[2] == "number") return head + "номер " + Change(d);
    return head + d.Path + ' ' + Change(d);
  }
  if (p[0] == "directions" && p.size() >= 2) {
    const std::string number = std::to_string(Index(p[1]));
    if (p.size() == 2) return (added ? "добавлено направление " : removed ? "удалено направление " : "изменено направление ") + number;
    const auto field = DirectionFields().find(p[2]);
    const bool seconds = p[2].size() > 1 && p[2][0] == 't' && p[2] != "tram";
    return "Направление " + number + ": " + (field != DirectionFields().end() ? field->second : p[2]) + ' ' +
           Change(d, seconds ? " с" : "");
  }
  const auto table = TableNames().find(p[0]);
  if (table != TableNames().end()) {
    const std::string name = "таблица «" + table->second + "»";
    if (p.size() == 3 && p[1] == "rows")
      return name + ": " + (added ? "добавлена строка " : removed ? "удалена строка " : "изменена строка ") +
             std::to_string(Index(p[2]));
    if (p.size() == 4 && p[1] == "rows")
      return name + ", строка " + std::to_string(Index(p[2])) + ", столбец " + std::to_string(Index(p[3])) + ": " +
             Change(d);
    if (p.size() == 2 && p[1] == "cols") return name + ": число столбцов " + Change(d);
  }
  if (p[0] == "tram") return "изменены схемы трамвайных головок";
  const auto field = FieldNames().find(p[0]);
  if (field != FieldNames().end() && p.size() == 1) return field->second + ' ' + Change(d);
  return d.Path + ": " + Change(d);
}

// Up to this many phrases a part, then "и ещё N".
constexpr std::size_t kMostPhrases = 8;

std::string JoinCounted(const std::vector<std::string>& phrases, const char* separator) {
  // The same phrase several times is said once with its count.
  std::vector<std::pair<std::string, int>> counted;
  for (const std::string& p : phrases) {
    bool found = false;
    for (auto& c : counted)
      if (c.first == p) ++c.second, found = true;
    if (!found) counted.emplace_back(p, 1);
  }
  std::string out;
  std::size_t shown = 0, rest = 0;
  for (const auto& [phrase, count] : counted) {
    if (shown == kMostPhrases) {
      rest += static_cast<std::size_t>(count);
      continue;
    }
    if (!out.empty()) out += separator;
    out += phrase;
    if (count > 1) out += " (×" + std::to_string(count) + ")";
    ++shown;
  }
  if (rest > 0) out += std::string(separator) + "и ещё " + std::to_string(rest);
  return out;
}

}  // namespace

std::string SummarizeDiff(const TPassportDiff& diff) {
  std::vector<std::string> info;
  for (const TInfoDifference& d : diff.Info) info.push_back(InfoPhrase(d));
  std::vector<std::string> scheme;
  for (const TDiffItem& item : diff.Scheme.Added) scheme.push_back(ItemPhrase("добавлен", "добавлена", "добавлено", item));
  for (const TDiffItem& item : diff.Scheme.Removed) scheme.push_back(ItemPhrase("удалён", "удалена", "удалено", item));
  for (const TChangedItem& c : diff.Scheme.Changed)
    scheme.push_back(OnlyMoved(c) ? ItemPhrase("перемещён", "перемещена", "перемещено", c.After)
                                  : ItemPhrase("изменён", "изменена", "изменено", c.After));
  std::string out = JoinCounted(info, "; ");
  if (!scheme.empty()) {
    if (!out.empty()) out += "; ";
    out += "схема: " + JoinCounted(scheme, ", ");
  }
  return out;
}
