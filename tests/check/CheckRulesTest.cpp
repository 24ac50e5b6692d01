// Each rule of the passport check against a small passport that is clean,
// then against the same passport with one fault put in.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "check/PassportCheck.h"
#include "items/CarHead.h"
#include "items/Napr.h"
#include "items/PedHead.h"
#include "items/STOLB.h"
#include "items/SVText.h"
#include "items/Stick.h"
#include "items/TramHead.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Codec1251.h"

namespace {

// Two phases, two directions (1 open in phase 1, 2 open in phase 2), a
// local object with only program I in use. Intermediate times: phase 1
// closes direction 1 (З 9), phase 2 closes direction 2 (З 6); the cycle is
// 20 + 9 + 30 + 6 = 65 seconds.
const std::string kInfo = CrLf({"ул. Садовая", "пер. Тихий", "1", "2",  //
                                "1", "5 20 0 0", "2", "5 30 0 0", "65",   //
                                "2",                                      //
                                "1", "1", "", "9 6 3 2 2", "",            //
                                "2", "2", "", "6 3 3 2 2", ""}) +
                          std::string(1, '\0') + CrLf({"", "4 0", "8 0", "8 0"}) + std::string(1, '\0') +
                          CrLf({"", "0", "1"});

// The scheme: a pole at (100, 100) with a stick 40 symbol units long to the
// right; a vehicle head on the stick's end (direction 1), a pedestrian head
// half-way along it (direction 2); an arrow for each phase below the pole.
struct TPassport {
  TTempDir Dir;
  std::unique_ptr<TSVObject> Scheme;
  TSTOLB* Pole = nullptr;
  TStick* Stick = nullptr;
  TCarHead* Car = nullptr;
  TPedHead* Ped = nullptr;

  explicit TPassport(const std::string& info = kInfo) {
    WriteBytes(Dir.File("info.txt"), Encode1251(info));
    WriteBytes(Dir.File("map.txt"), "");
    Scheme = std::move(LoadPassportQuietly(Dir.Path()).Scheme);
    Pole = Add<TSTOLB>(7);
    Pole->X = 100, Pole->Y = 100;
    Stick = Add<TStick>(8);
    Hang(*Stick, 0, 0, 40, 0);
    Car = Add<TCarHead>(10);
    Hang(*Car, 40, 0, 52, 0);
    Car->Napr = Napr(1);
    Ped = Add<TPedHead>(12);
    Hang(*Ped, 20, 0, 20, 12);
    Ped->Napr = Napr(2);
    AddArrow(1);
    AddArrow(2);
  }
  TSVInfo& Info() { return *Scheme->Info; }
  TSVNapr* Napr(int i) { return Info().Directions.Item(i); }

  template <class T>
  T* Add(std::uint32_t code) {
    auto item = std::make_unique<T>(code);
    T* raw = item.get();
    Scheme->AddItem(std::move(item));
    return raw;
  }
  void Hang(TAirSVItem& item, double bx, double by, double ax, double ay) {
    item.AnchorX = 100, item.AnchorY = 100;
    item.Anchor2X = bx, item.Anchor2Y = by;
    item.OffsetX = ax, item.OffsetY = ay;
  }
  TNapr* AddArrow(int phase) {
    TNapr* a = Add<TNapr>(16);
    a->Count = 2;
    a->Vertices[0] = {60, 130 + phase * 5.0};
    a->Vertices[1] = {150, 130 + phase * 5.0};
    a->Run = true;
    a->Phase = static_cast<std::uint8_t>(phase);
    return a;
  }
  std::vector<TFinding> Check() { return CheckPassport(*Scheme, {}); }
};

// A finding without its message, for comparing whole lists.
struct TExpect {
  std::string Code;
  TFindingSeverity Severity;
  std::vector<TItemRef> Items;
  std::vector<int> Directions;
  std::vector<int> Phases;
};

std::string Describe(const std::string& code, TFindingSeverity s, const std::vector<TItemRef>& items,
                     const std::vector<int>& dirs, const std::vector<int>& phases) {
  std::string t = code + (s == TFindingSeverity::Error ? " E" : " W") + " items";
  for (const TItemRef& r : items) t += " " + std::to_string(r.Layer) + ":" + std::to_string(r.Index);
  t += " dirs";
  for (int d : dirs) t += " " + std::to_string(d);
  t += " phases";
  for (int p : phases) t += " " + std::to_string(p);
  return t;
}

std::vector<std::string> Described(const std::vector<TFinding>& findings) {
  std::vector<std::string> out;
  for (const TFinding& f : findings) {
    EXPECT_FALSE(f.Message.empty()) << f.Code;
    out.push_back(Describe(f.Code, f.Severity, f.Items, f.Directions, f.Phases));
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<std::string> Described(const std::vector<TExpect>& expects) {
  std::vector<std::string> out;
  for (const TExpect& e : expects) out.push_back(Describe(e.Code, e.Severity, e.Items, e.Directions, e.Phases));
  std::sort(out.begin(), out.end());
  return out;
}

constexpr auto E = TFindingSeverity::Error;
constexpr auto W = TFindingSeverity::Warning;

struct TCase {
  const char* Name;
  std::function<void(TPassport&)> Fault;
  std::vector<TExpect> Expected;
};

TEST(PassportCheck, theCleanPassportHasNoFindings) {
  TPassport p;
  EXPECT_EQ(Described(p.Check()), std::vector<std::string>{});
}

// Layer 12 in dump order: the pedestrian head (newest) is 12:0, the vehicle
// head 12:1. Layer 7: the phase-2 arrow is 7:0, the phase-1 arrow 7:1.
TEST(PassportCheck, eachFaultIsFoundWithWhatItConcernsAndNothingElse) {
  const std::vector<TCase> cases = {
      {"vehicle head without direction", [](TPassport& p) { p.Car->Napr = nullptr; },
       {{"head-no-direction", E, {{12, 1}}, {}, {}}, {"direction-no-head", W, {}, {1}, {}}}},
      {"pedestrian head on a direction since removed",
       [](TPassport& p) {
         p.Info().SetDirectionCount(1);  // frees direction 2 under the head
         p.Info().Phases.Tkk = 0;
       },
       {{"head-no-direction", E, {{12, 0}}, {}, {}}, {"phase-nothing-open", W, {}, {}, {2}}}},
      {"tram head with no direction",
       [](TPassport& p) {
         auto* t = p.Add<TTramHead>(11);
         p.Hang(*t, 30, 0, 30, -12);
       },
       {{"tram-head-empty", W, {{12, 0}}, {}, {}}}},
      {"tram head with one direction is fine",
       [](TPassport& p) {
         auto* t = p.Add<TTramHead>(11);
         p.Hang(*t, 30, 0, 30, -12);
         t->RightNapr = p.Napr(2);
       },
       {}},
      {"direction that no head shows",
       [](TPassport& p) {
         p.Info().SetDirectionCount(3);
         p.Napr(3)->SetName("3а");
         p.Napr(3)->SetPhaseList("1");
       },
       {{"direction-no-head", W, {}, {3}, {}}}},
      {"direction named without digits", [](TPassport& p) { p.Napr(2)->SetName("Пш"); },
       {{"direction-name-no-digits", W, {}, {2}, {}}}},
      {"direction open in a phase the passport lacks", [](TPassport& p) { p.Napr(2)->SetPhaseList("2, 3"); },
       {{"direction-unknown-phase", E, {}, {2}, {3}}}},
      // З 9 < ЗМ 10, and ЗМ 10 overruns the 9 s intermediate time of phase 1.
      {"green shorter than its flashing", [](TPassport& p) { p.Napr(1)->TGreenFlash = 10; },
       {{"direction-thresholds", E, {}, {1}, {}}, {"direction-thresholds", E, {}, {1}, {1}}}},
      // ЗМ 9 equals the 9 s intermediate time of phase 1 and ЗМ 6 the 6 s of
      // phase 2: each flashing just fits and nothing is found.
      {"flashing green as long as the intermediate time",
       [](TPassport& p) {
         p.Napr(1)->TGreenFlash = 9;
         p.Napr(2)->TGreenFlash = 6;
       },
       {}},
      {"flashing shorter than yellow", [](TPassport& p) { p.Napr(2)->TYellow = 4; },
       {{"direction-thresholds", E, {}, {2}, {}}}},
      {"negative red time", [](TPassport& p) { p.Napr(2)->TRed = 65535; },
       {{"direction-thresholds", E, {}, {2}, {}}}},
      {"phase without arrows",
       [](TPassport& p) { p.Scheme->Layer(7).RemoveLayerItem(p.Scheme->Layer(7).Items().back().get()); },
       {{"phase-no-arrows", W, {}, {}, {2}}}},
      {"arrow of phase 0 and of phase 3",
       [](TPassport& p) {
         p.AddArrow(0);
         p.AddArrow(3);
       },
       {{"arrow-unknown-phase", E, {{7, 1}}, {}, {0}}, {"arrow-unknown-phase", E, {{7, 0}}, {}, {3}}}},
      // Direction 2 open nowhere: phase 2 opens nothing and closes nothing,
      // so the cycle becomes 20 + 9 + 30 + 0 = 59.
      {"phase in which nothing opens", [](TPassport& p) { p.Napr(2)->SetPhaseList(""); },
       {{"phase-nothing-open", W, {}, {}, {2}}, {"cycle-mismatch", W, {}, {}, {}}}},
      {"an УК object opens each direction in the phase of its number",
       [](TPassport& p) {
         p.Info().ObjectType = 2;
         p.Napr(1)->SetPhaseList("");
         p.Napr(2)->SetPhaseList("");
         p.Info().Phases.Tkk = 0;
       },
       {}},
      {"cycle time that programs I does not add up to", [](TPassport& p) { p.Info().Phases.Tkk = 70; },
       {{"cycle-mismatch", W, {}, {}, {}}}},
      // Program II: 25 + 9 + 10 + 6 = 50, not 65; program III stays unused.
      {"program II in use and off the cycle",
       [](TPassport& p) {
         p.Info().Phases.Item(1)->TMain[2] = 25;
         p.Info().Phases.Item(2)->TMain[2] = 10;
       },
       {{"cycle-mismatch", W, {}, {}, {}}}},
      {"a system object has no program II",
       [](TPassport& p) {
         p.Info().ObjectType = 0;
         p.Info().Phases.Item(1)->TMain[2] = 25;
       },
       {}},
      // The scheme spans about 92 x 52 units, taken as the least area of
      // 100: a pole 5 000 units to the right is more than ten times that
      // away, one 550 units off is not.
      {"pole clicked far away",
       [](TPassport& p) {
         auto* far = p.Add<TSTOLB>(7);
         far->X = 5150, far->Y = 120;
       },
       {{"item-stray", W, {{10, 0}}, {}, {}}}},
      {"pole beside the crossing is no stray",
       [](TPassport& p) {
         auto* near = p.Add<TSTOLB>(7);
         near->X = 700, near->Y = 120;
       },
       {}},
      // The head ends at x 100 + 52; its label starts 300 units right of that.
      {"label far from its head",
       [](TPassport& p) {
         p.Car->Label = TSVText::MakeLabel(p.Car, "1", 1);
         p.Hang(*p.Car->Label, 352, 0, 362, 0);
       },
       {{"label-far", W, {{12, 1}}, {}, {}}}},
      {"label beside its head",
       [](TPassport& p) {
         p.Car->Label = TSVText::MakeLabel(p.Car, "1", 1);
         p.Hang(*p.Car->Label, 70, -10, 80, -10);
       },
       {}},
      {"stick whose pole has moved",
       [](TPassport& p) {
         p.Pole->X = 130;
       },
       {{"hanging-no-carrier", E, {{8, 0}}, {}, {}}}},
      {"head beside the stick", [](TPassport& p) { p.Car->Anchor2Y = 25; },
       {{"hanging-no-carrier", E, {{12, 1}}, {}, {}}}},
  };
  for (const TCase& c : cases) {
    TPassport p;
    c.Fault(p);
    const std::vector<TFinding> findings = p.Check();
    EXPECT_EQ(Described(findings), Described(c.Expected)) << c.Name;
    // Where the user mends it: the phases' times and cycle, the directions'
    // names, phases and times, or (no table) the scheme itself.
    const std::map<std::string, std::string> tables = {{"cycle-mismatch", "TPhaseForm"},
                                                       {"direction-thresholds", "TNaprDataForm"},
                                                       {"direction-unknown-phase", "TNaprDataForm"},
                                                       {"direction-name-no-digits", "TNaprDataForm"},
                                                       {"phase-nothing-open", "TNaprDataForm"}};
    for (const TFinding& f : findings) {
      const auto t = tables.find(f.Code);
      EXPECT_EQ(f.Table, t == tables.end() ? std::string() : t->second) << c.Name << ": " << f.Code;
    }
  }
}

TEST(PassportCheck, aHeadStoredUnderANameThePassportNoLongerHasIsFoundAfterLoading) {
  TPassport p;
  ASSERT_TRUE(p.Scheme->SaveMap());
  // Direction 1 renamed to "5": the head's stored name "1" finds nothing.
  std::string info = kInfo;
  info.replace(info.find("2\r\n1\r\n1\r\n"), 9, "2\r\n5\r\n1\r\n");
  WriteBytes(p.Dir.File("info.txt"), Encode1251(info));
  TLoadedPassport again = LoadPassportQuietly(p.Dir.Path());
  EXPECT_EQ(again.Messages.size(), 0u);
  EXPECT_EQ(Described(CheckPassport(*again.Scheme, again.Messages)),
            Described({{"head-no-direction", E, {{12, 1}}, {}, {}}, {"direction-no-head", W, {}, {1}, {}}}));
}

TEST(PassportCheck, everyMessageOfLoadingIsAFindingErrorsAsErrors) {
  TPassport p;
  const std::vector<TMessage> messages = {{TMessageSeverity::Info, "Нарушение целостности базы. текст"},
                                          {TMessageSeverity::Error, "Не могу считать из файла. Ошибка № 5"}};
  const std::vector<TFinding> f = CheckPassport(*p.Scheme, messages);
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0].Code, "load-message");
  EXPECT_EQ(f[0].Severity, W);
  EXPECT_NE(f[0].Message.find("Нарушение целостности базы. текст"), std::string::npos);
  EXPECT_EQ(f[1].Code, "load-message");
  EXPECT_EQ(f[1].Severity, E);
  EXPECT_NE(f[1].Message.find("Ошибка № 5"), std::string::npos);
}

TEST(PassportCheck, aMapWithAnUnknownTypeCodeGivesAnErrorFindingAndNoBox) {
  TTempDir dir;
  WriteBytes(dir.File("info.txt"), Encode1251(kInfo));
  WriteBytes(dir.File("map.txt"), CrLf({"29", "1 2"}));
  TMessageCapture global;
  TLoadedPassport p = LoadPassportQuietly(dir.Path());
  EXPECT_TRUE(global.Messages.empty());
  ASSERT_EQ(p.Messages.size(), 1u);
  std::vector<TFinding> f = CheckPassport(*p.Scheme, p.Messages);
  const auto load = std::count_if(f.begin(), f.end(), [](const TFinding& x) {
    return x.Code == "load-message" && x.Severity == TFindingSeverity::Error;
  });
  EXPECT_EQ(load, 1);
}

}  // namespace
