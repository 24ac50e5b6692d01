// The comparison of two passports: hand-made pairs of passports, each with
// the differences an engineer would name, worked out by hand from the files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "history/PassportDiff.h"
#include "model/TypeCodes.h"
#include "platform/Codec1251.h"

namespace {

// The lines of the sample passport's info.txt: a УК object of three phases
// ("5 20 18 15": Т мин. 5, then Т осн. I, II, III) and three directions.
std::vector<std::string> InfoLines() {
  const std::string bytes = ReadBytes(SourcePath("data/Data/svo3/info.txt"));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    lines.push_back(bytes.substr(start, end - start));
    start = end == std::string::npos ? bytes.size() : end + 2;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += l + "\r\n";
  return s;
}

const std::string& BaseInfo() {
  static const std::string info = Join(InfoLines());
  return info;
}

// The info.txt with line `at` (0 the first) replaced by `with` (none: removed).
std::string InfoWith(std::size_t at, std::vector<std::string> with, std::size_t count = 1) {
  std::vector<std::string> lines = InfoLines();
  lines.erase(lines.begin() + static_cast<long>(at), lines.begin() + static_cast<long>(at + count));
  lines.insert(lines.begin() + static_cast<long>(at), with.begin(), with.end());
  return Join(lines);
}

using TEntry = std::vector<std::string>;

TEntry Curb(const char* p1, const char* p2) { return {"1", p1, p2}; }
TEntry RoundCurb(const char* p1) { return {"3", p1, "970 564", "960 554", "950 564"}; }
TEntry Well(const char* p) { return {"2", p, "notext"}; }
TEntry Sign(const char* p, const char* label) {
  return {"13", p, "14 0", "14 20", "3", "text", p, "-40 22", "-30 22", label};
}
TEntry MainSign(const char* p, const char* label) {
  return {"14", p, "12 30", "12 50", "4", "text", p, "-40 22", "-30 22", label};
}

std::string Map(std::initializer_list<TEntry> entries) {
  std::string s;
  for (const TEntry& e : entries) s += Join(e);
  return s;
}

// An item as it shows in the comparison: its layer, its type and the lines
// after the type code.
TDiffItem Item(int layer, const TEntry& e) {
  return {layer, static_cast<std::uint32_t>(std::stoul(e[0])), std::vector<std::string>(e.begin() + 1, e.end())};
}

TJsonValue Num(const char* text) {
  TJsonValue v;
  v.Kind = TJsonValue::TKind::Number;
  v.Text = text;
  return v;
}
TJsonValue Str(const std::string& text) {
  TJsonValue v;
  v.Kind = TJsonValue::TKind::String;
  v.Text = text;
  return v;
}
TJsonValue Arr(std::vector<TJsonValue> items) {
  TJsonValue v;
  v.Kind = TJsonValue::TKind::Array;
  v.Items = std::move(items);
  return v;
}
TJsonValue Obj(std::vector<std::pair<std::string, TJsonValue>> members) {
  TJsonValue v;
  v.Kind = TJsonValue::TKind::Object;
  v.Members = std::move(members);
  return v;
}
const TJsonValue kNull;

struct TCase {
  const char* Name;
  std::string InfoBefore, MapBefore, InfoAfter, MapAfter;
  TPassportDiff Expected;
  std::string Summary;
};

TPassportFiles Files(const std::string& info, const std::string& map) { return {"svo5", map, info}; }

std::vector<TCase> Cases() {
  const std::string info = BaseInfo();
  std::vector<TCase> cases;
  {
    TCase c{"moved curb", info, Map({Curb("960 554", "1200 554"), Well("100 100")}), info,
            Map({Curb("970 554", "1210 554"), Well("100 100")}), {}, "схема: перемещён бордюр"};
    c.Expected.Scheme.Changed = {{Item(4, Curb("960 554", "1200 554")), Item(4, Curb("970 554", "1210 554"))}};
    cases.push_back(c);
  }
  {
    TCase c{"changed sign label", info, Map({Sign("505 224", "5.19.1")}), info, Map({Sign("505 224", "5.19.2")}), {},
            "схема: изменён знак 5.19.2"};
    c.Expected.Scheme.Changed = {{Item(11, Sign("505 224", "5.19.1")), Item(11, Sign("505 224", "5.19.2"))}};
    cases.push_back(c);
  }
  {
    // Line 28 is the equipment table's "columns rows"; its cells follow.
    TCase c{"added equipment row", info, Map({}),
            InfoWith(28, {"4 1", Encode1251("Контроллер"), Encode1251("КС-2"), "1", ""}), Map({}), {},
            "таблица «оборудование»: добавлена строка 1"};
    c.Expected.Info = {{"/equipment/rows/0", kNull, Arr({Str("Контроллер"), Str("КС-2"), Str("1"), Str("")})}};
    cases.push_back(c);
  }
  {
    // Three phases become two: the third record (lines 8 and 9) goes.
    TCase c{"removed phase", info, Map({}), InfoWith(8, {}, 2), Map({}), {}, "удалена фаза 3"};
    c.Expected.Info = {{"/phases/2", Obj({{"number", Num("3")}, {"tmin", Num("5")}, {"tmain", Arr({Num("10"), Num("10"), Num("10")})}}),
                        kNull}};
    c.InfoAfter = InfoWith(3, {"2"});
    c.InfoAfter = [&] {
      std::vector<std::string> lines = InfoLines();
      lines[3] = "2";
      lines.erase(lines.begin() + 8, lines.begin() + 10);
      return Join(lines);
    }();
    cases.push_back(c);
  }
  {
    TCase c{"main time and objects", InfoWith(7, {"5 15 12 10"}), Map({Curb("960 554", "1200 554"), Well("725 716")}),
            InfoWith(7, {"5 18 12 10"}), Map({MainSign("488 110", "2.1"), Curb("960 560", "1200 560")}), {},
            "Фаза 2: основной такт программы I 15 → 18 с; схема: добавлен знак 2.1, удалён колодец, перемещён бордюр"};
    c.Expected.Info = {{"/phases/1/tmain/0", Num("15"), Num("18")}};
    c.Expected.Scheme.Added = {Item(11, MainSign("488 110", "2.1"))};
    c.Expected.Scheme.Removed = {Item(5, Well("725 716"))};
    c.Expected.Scheme.Changed = {{Item(4, Curb("960 554", "1200 554")), Item(4, Curb("960 560", "1200 560"))}};
    cases.push_back(c);
  }
  {
    // Two equal wells; one of them moves. The other is unchanged, so only
    // one well is named, and the one that moved is paired with itself.
    TCase c{"changed well beside an identical one", info, Map({Well("100 100"), Well("100 100")}), info,
            Map({Well("100 100"), Well("103 100")}), {}, "схема: перемещён колодец"};
    c.Expected.Scheme.Changed = {{Item(5, Well("100 100")), Item(5, Well("103 100"))}};
    cases.push_back(c);
  }
  {
    // The nearer of two wells is the one that moved; the farther is gone.
    TCase c{"nearest first", info, Map({Well("150 0"), Well("0 0")}), info, Map({Well("60 0")}), {},
            "схема: удалён колодец, перемещён колодец"};
    c.Expected.Scheme.Removed = {Item(5, Well("150 0"))};
    c.Expected.Scheme.Changed = {{Item(5, Well("0 0")), Item(5, Well("60 0"))}};
    cases.push_back(c);
  }
  {
    TCase c{"nearest first, the other way", info, Map({Well("60 0")}), info, Map({Well("150 0"), Well("0 0")}), {},
            "схема: добавлен колодец, перемещён колодец"};
    c.Expected.Scheme.Added = {Item(5, Well("150 0"))};
    c.Expected.Scheme.Changed = {{Item(5, Well("60 0")), Item(5, Well("0 0"))}};
    cases.push_back(c);
  }
  {
    // 100 units apart is still one item; 101 is two.
    TCase c{"at most 100 apart", info, Map({Curb("0 0", "10 0"), Well("0 0")}), info,
            Map({Curb("0 100", "10 100"), Well("0 101")}), {},
            "схема: добавлен колодец, удалён колодец, перемещён бордюр"};
    c.Expected.Scheme.Added = {Item(5, Well("0 101"))};
    c.Expected.Scheme.Removed = {Item(5, Well("0 0"))};
    c.Expected.Scheme.Changed = {{Item(4, Curb("0 0", "10 0")), Item(4, Curb("0 100", "10 100"))}};
    cases.push_back(c);
  }
  {
    TCase c{"another type is another item", info, Map({Curb("960 564", "1000 564")}), info,
            Map({RoundCurb("960 564")}), {}, "схема: добавлен бордюр, удалён бордюр"};
    c.Expected.Scheme.Added = {Item(4, RoundCurb("960 564"))};
    c.Expected.Scheme.Removed = {Item(4, Curb("960 564", "1000 564"))};
    cases.push_back(c);
  }
  {
    // Both wells are 10 away: the one earlier in the file is taken.
    TCase c{"ties in file order", info, Map({Well("-10 0"), Well("10 0")}), info, Map({Well("0 0")}), {},
            "схема: удалён колодец, перемещён колодец"};
    c.Expected.Scheme.Removed = {Item(5, Well("10 0"))};
    c.Expected.Scheme.Changed = {{Item(5, Well("-10 0")), Item(5, Well("0 0"))}};
    cases.push_back(c);
  }
  {
    // A file written by hand spells numbers its own way: what the items
    // store is the same. Only the well that really moved is named.
    TCase c{"spelling of numbers is no change", info, Map({Well("100.0 100"), Well("+5 0.50")}), info,
            Map({Well("5 0.5"), Well("100 100.00"), Well("7 7")}), {}, "схема: добавлен колодец"};
    c.Expected.Scheme.Added = {Item(5, Well("7 7"))};
    cases.push_back(c);
  }
  {
    TCase c{"order in a layer is no change", info, Map({Well("1 1"), Well("2 2"), Curb("0 0", "5 5")}), info,
            Map({Curb("0 0", "5 5"), Well("2 2"), Well("1 1")}), {}, ""};
    cases.push_back(c);
  }
  return cases;
}

TEST(PassportDiff, CasesByHand) {
  for (const TCase& c : Cases()) {
    SCOPED_TRACE(c.Name);
    const TPassportDiff diff = DiffPassports(Files(c.InfoBefore, c.MapBefore), Files(c.InfoAfter, c.MapAfter));
    EXPECT_EQ(DiffToJson(diff), DiffToJson(c.Expected));
    EXPECT_EQ(SummarizeDiff(diff), c.Summary);
    EXPECT_EQ(IsEmpty(diff), c.Summary.empty());
  }
}

TEST(PassportDiff, ComputedPartsOfThePlanAreNoDifference) {
  // Another object type (line 2) changes the colours and the green-now state
  // the plan computes at the clock's moment, and the missing info.txt of one
  // side makes every field differ: neither may hide behind the other.
  const TPassportDiff type =
      DiffPassports(Files(BaseInfo(), Map({})), Files(InfoWith(2, {"1"}), Map({})));
  ASSERT_EQ(type.Info.size(), 1u);
  EXPECT_EQ(type.Info[0].Path, "/objectType");
  EXPECT_EQ(JsonText(type.Info[0].Before), "2");
  EXPECT_EQ(JsonText(type.Info[0].After), "1");

  // Two versions of one passport never differ in the object number; two
  // passports do.
  const TPassportDiff other = DiffPassports({"svo5", std::string(), BaseInfo()}, {"svo12", std::string(), BaseInfo()});
  ASSERT_EQ(other.Info.size(), 1u);
  EXPECT_EQ(other.Info[0].Path, "/objectNumber");
  EXPECT_EQ(JsonText(other.Info[0].After), "\"12\"");
}

TEST(PassportDiff, JsonOfASmallCase) {
  const TPassportDiff diff = DiffPassports(Files(InfoWith(5, {"5 20 18 15"}), Map({Well("0 0"), Curb("1 2", "3 4")})),
                                           Files(InfoWith(5, {"7 20 18 15"}), Map({Well("0 5")})));
  EXPECT_EQ(DiffToJson(diff),
            "{\n"
            "  \"info\": [\n"
            "    {\n"
            "      \"path\": \"/phases/0/tmin\",\n"
            "      \"before\": 5,\n"
            "      \"after\": 7\n"
            "    }\n"
            "  ],\n"
            "  \"scheme\": {\n"
            "    \"added\": [],\n"
            "    \"removed\": [\n"
            "      {\n"
            "        \"layer\": 4,\n"
            "        \"type\": 1,\n"
            "        \"lines\": [\n"
            "          \"1 2\",\n"
            "          \"3 4\"\n"
            "        ]\n"
            "      }\n"
            "    ],\n"
            "    \"changed\": [\n"
            "      {\n"
            "        \"before\": {\n"
            "          \"layer\": 5,\n"
            "          \"type\": 2,\n"
            "          \"lines\": [\n"
            "            \"0 0\",\n"
            "            \"notext\"\n"
            "          ]\n"
            "        },\n"
            "        \"after\": {\n"
            "          \"layer\": 5,\n"
            "          \"type\": 2,\n"
            "          \"lines\": [\n"
            "            \"0 5\",\n"
            "            \"notext\"\n"
            "          ]\n"
            "        }\n"
            "      }\n"
            "    ]\n"
            "  }\n"
            "}\n");
}

TEST(PassportDiff, HostileTextsStayData) {
  // A label with quotes, a backslash and markup is one JSON string.
  const TPassportDiff diff = DiffPassports(Files(BaseInfo(), Map({})),
                                           Files(BaseInfo(), Map({Sign("1 1", "<b>\"x\\y\"</b>")})));
  const std::string json = DiffToJson(diff);
  EXPECT_NE(json.find("\"<b>\\\"x\\\\y\\\"</b>\""), std::string::npos) << json;
  EXPECT_EQ(SummarizeDiff(diff), "схема: добавлен знак <b>\"x\\y\"</b>");
}

TEST(PassportDiff, LargeSchemesAreReadSideBySide) {
  // Above the size where both sides are read at once: the same answer.
  std::string before, after;
  for (int i = 0; i < 12000; ++i) {
    const std::string p = std::to_string(i) + " " + std::to_string(i % 97);
    before += Join(Well(p.c_str()));
    after += Join(Well(i == 7000 ? "7000 40" : p.c_str()));
  }
  const TPassportDiff diff = DiffPassports(Files(BaseInfo(), before), Files(BaseInfo(), after));
  ASSERT_EQ(diff.Scheme.Changed.size(), 1u);
  EXPECT_EQ(diff.Scheme.Changed[0].Before.Lines[0], "7000 16");
  EXPECT_EQ(diff.Scheme.Changed[0].After.Lines[0], "7000 40");
  EXPECT_TRUE(diff.Scheme.Added.empty());
  EXPECT_TRUE(diff.Scheme.Removed.empty());
}

}  // namespace

// Items named by their lines as well as their type: a cabinet by its kind,
// a span by its form, a sign by its label or else its kind's number or
// caption; a type nobody named by its code.
TEST(PassportDiff, SummaryNamesItemsByWhatTheyHold) {
  struct TNamed {
    std::uint32_t Type;
    std::vector<std::string> Lines;
    const char* Expected;
  };
  const TNamed cases[] = {
      {TypeCode::Contr, {"10 10", "0", "0"}, "добавлен контроллер"},
      {TypeCode::Contr, {"10 10", "0", "1"}, "добавлена телефонная коробка"},
      {TypeCode::Contr, {"10 10", "0", "2"}, "добавлен щит силовой"},
      {TypeCode::Ferma, {"10 10", "0", "1"}, "добавлена консоль"},
      {TypeCode::Ferma, {"10 10", "0", "0"}, "добавлен портал"},
      {TypeCode::MainSign, {"10 10", "0", "0", "4", "notext"}, "добавлен знак 2.1"},
      {TypeCode::Sign, {"10 10", "0", "0", "2", "notext"}, "добавлен знак Треугольный знак"},
      {TypeCode::Sign, {"10 10", "0", "0", "2", "text", "", "", "", "3.24"}, "добавлен знак 3.24"},
      {TypeCode::Build, {"10 10"}, "добавлено здание"},
      {TypeCode::Zebra, {"10 10"}, "добавлена зебра"},
      {999, {"10 10"}, "добавлен элемент типа 999"},
  };
  for (const TNamed& c : cases) {
    SCOPED_TRACE(c.Expected);
    TPassportDiff diff;
    diff.Scheme.Added = {TDiffItem{1, c.Type, c.Lines}};
    EXPECT_EQ(SummarizeDiff(diff), std::string("схема: ") + c.Expected);
  }
}
