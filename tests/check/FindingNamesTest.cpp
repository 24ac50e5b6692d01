// A finding about an item names it as the user knows it: by its label.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "check/LabelOwners.h"
#include "check/PassportCheck.h"
#include "items/CarHead.h"
#include "items/LinedText.h"
#include "items/Napr.h"
#include "items/PedHead.h"
#include "items/STOLB.h"
#include "items/SVText.h"
#include "items/Stick.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "platform/Codec1251.h"

namespace {

// Two phases, directions 1 (phase 1) and 2 (phase 2), a cycle of
// 20 + 9 + 30 + 6 = 65 s that program I adds up to.
const std::string kInfo = CrLf({"ул. Садовая", "пер. Тихий", "1", "2",  //
                                "1", "5 20 0 0", "2", "5 30 0 0", "65",   //
                                "2",                                      //
                                "1", "1", "", "9 6 3 2 2", "",            //
                                "2", "2", "", "6 3 3 2 2", ""}) +
                          std::string(1, '\0') + CrLf({"", "4 0", "8 0", "8 0"}) + std::string(1, '\0') +
                          CrLf({"", "0", "1"});

struct TScheme {
  TTempDir Dir;
  std::unique_ptr<TSVObject> Scheme;

  TScheme() {
    WriteBytes(Dir.File("info.txt"), Encode1251(kInfo));
    WriteBytes(Dir.File("map.txt"), "");
    Scheme = std::move(LoadPassportQuietly(Dir.Path()).Scheme);
  }
  template <class T>
  T* Add(std::uint32_t code) {
    auto item = std::make_unique<T>(code);
    T* raw = item.get();
    Scheme->AddItem(std::move(item));
    return raw;
  }
  // Hung from the pole at (100, 100).
  static void Hang(TAirSVItem& item, double bx, double by, double ax, double ay) {
    item.AnchorX = 100, item.AnchorY = 100;
    item.Anchor2X = bx, item.Anchor2Y = by;
    item.OffsetX = ax, item.OffsetY = ay;
  }
  static void Label(TSVItem* owner, std::unique_ptr<TSVText>& slot, const std::string& text, double bx) {
    slot = TSVText::MakeLabel(owner, text, 1);
    Hang(*slot, bx, -10, bx + 10, -10);
  }
  // Poles and arrows: two lines on an underline; the upper one names the item.
  static void Label(TSVItem* owner, std::unique_ptr<TLinedText>& slot, const std::string& upper) {
    slot = TLinedText::MakeLabel(owner, upper, "ниже", 1);
    Hang(*slot, 0, -10, 10, -10);
  }
};

const char kNoDirection[] =
    "Транспортный светофор не привязан ни к одному направлению паспорта: он не горит ни в одной фазе.";
const char kInTheAir[] =
    "Объект висит в воздухе: в точке его крепления нет ни столба, ни стойки, ни консоли, которые могли бы его "
    "держать.";

}  // namespace

// A pole with a stick; head "Т4" without a direction, its label dragged far
// away; pedestrian head " Т5 " (blanks around) off the stick; an unlabelled
// head and one whose label is blanks only, both without a direction.
TEST(FindingNames, aFindingAboutALabelledItemBeginsWithItsLabelUnlessItQuotesIt) {
  TScheme s;
  auto* pole = s.Add<TSTOLB>(7);
  pole->X = 100, pole->Y = 100;
  TScheme::Hang(*s.Add<TStick>(8), 0, 0, 40, 0);
  auto* t4 = s.Add<TCarHead>(10);
  TScheme::Hang(*t4, 40, 0, 52, 0);
  TScheme::Label(t4, t4->Label, "Т4", 352);
  auto* t5 = s.Add<TPedHead>(12);
  TScheme::Hang(*t5, 20, 25, 20, 37);
  t5->Napr = s.Scheme->Info->Directions.Item(2);
  TScheme::Label(t5, t5->Label, " Т5 ", 70);
  auto* bare = s.Add<TCarHead>(10);
  TScheme::Hang(*bare, 30, 0, 30, -12);
  auto* blank = s.Add<TCarHead>(10);
  TScheme::Hang(*blank, 10, 0, 10, -12);
  TScheme::Label(blank, blank->Label, "   ", 70);
  for (int phase : {1, 2}) {
    auto* a = s.Add<TNapr>(16);
    a->Count = 2;
    a->Vertices[0] = {60, 130.0 + phase * 5};
    a->Vertices[1] = {150, 130.0 + phase * 5};
    a->Phase = static_cast<std::uint8_t>(phase);
  }

  std::vector<std::string> got;
  std::string far;
  for (const TFinding& f : CheckPassport(*s.Scheme, {})) {
    if (f.Code == "label-far")
      far = f.Message;
    else
      got.push_back(f.Code + " | " + f.Message);
  }
  // Layer 12, newest first: blank 12:0, bare 12:1, Т5 12:2, Т4 12:3.
  std::vector<std::string> want = {
      std::string("head-no-direction | ") + kNoDirection,
      std::string("head-no-direction | ") + kNoDirection,
      std::string("head-no-direction | Т4: ") + kNoDirection,
      std::string("hanging-no-carrier | Т5: ") + kInTheAir,
      "direction-no-head | Направление 1 не показывает ни один светофор схемы.",
  };
  std::sort(got.begin(), got.end());
  std::sort(want.begin(), want.end());
  EXPECT_EQ(got, want);
  // The far label is quoted already; it is not named twice.
  EXPECT_EQ(far.rfind("Подпись \"Т4\" стоит далеко", 0), 0u) << far;
}

TEST(FindingNames, theLabelOfEachKindOfOwnerIsFoundAndAnItemWithoutOneHasNone) {
  TScheme s;
  auto* pole = s.Add<TSTOLB>(7);
  auto* head = s.Add<TCarHead>(10);
  auto* arrow = s.Add<TNapr>(16);
  EXPECT_EQ(LabelTextOf(*pole), nullptr);
  EXPECT_EQ(LabelTextOf(*head), nullptr);
  TScheme::Label(pole, pole->Label, "Ст 2");
  TScheme::Label(arrow, arrow->Label, "Н1");
  ASSERT_NE(LabelTextOf(*pole), nullptr);
  EXPECT_EQ(*LabelTextOf(*pole), "Ст 2");
  ASSERT_NE(LabelTextOf(*arrow), nullptr);
  EXPECT_EQ(*LabelTextOf(*arrow), "Н1");
  EXPECT_EQ(LabelTextOf(*head), nullptr);
  EXPECT_EQ(LabelTextOf(*pole->Label), nullptr);
}
