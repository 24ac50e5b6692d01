// The head dialog: its lists follow the passport's directions, the label is
// composed from the choice, the head kind decides what is enabled and what
// Ok answers, and the new head gets the directions chosen.
#include <gtest/gtest.h>

#include "edit/dialogs/SelHeadFormModel.h"
#include "items/CarHead.h"
#include "items/PedHead.h"
#include "items/TramHead.h"
#include "plan/SVNapr.h"

namespace {

using TItems = std::vector<std::string>;

// Directions named as engineers name them: a number, sometimes a letter.
void Name(TNaprSet& set, const TItems& names) {
  set.SetCount(static_cast<int>(names.size()));
  for (std::size_t i = 0; i < names.size(); ++i) set.Item(static_cast<int>(i) + 1)->SetName(names[i]);
}

TEST(HeadDialog, ListsAreRefilledFromTheDirectionsKeepingChoicesStillValid) {
  TNaprSet four, two;
  Name(four, {"1", "2т", "3п", "4"});
  Name(two, {"7", "8п"});
  TSelHeadFormModel form;
  form.Prepare(four);
  EXPECT_EQ(form.NaprBox().Items, (TItems{"1", "2т", "3п", "4"}));
  for (const char* name : {"leftBox", "forbox", "rightbox"}) {
    EXPECT_EQ(form.List(name)->Items, (TItems{"-", "1", "2т", "3п", "4"})) << name;
    EXPECT_EQ(form.List(name)->Index, 0) << name;
  }
  EXPECT_EQ(form.NaprBox().Index, 0);

  // NaprBox at its last item (index 3), the tram lists at 4, 1 and 2.
  ASSERT_TRUE(form.Select("NaprBox", "4"));
  ASSERT_TRUE(form.Check("Трамвайная"));
  ASSERT_TRUE(form.Select("leftBox", "4"));
  ASSERT_TRUE(form.Select("forbox", "1"));
  ASSERT_TRUE(form.Select("rightbox", "2т"));

  // Two directions: NaprBox offers indexes 0..1 and the tram lists 1..2, so
  // index 3 of NaprBox and 4 of leftBox fall back to the first item; forbox
  // and rightbox keep their places, now naming the new directions.
  form.Prepare(two);
  EXPECT_EQ(form.NaprBox().Items, (TItems{"7", "8п"}));
  EXPECT_EQ(form.NaprBox().Index, 0);
  EXPECT_EQ(form.LeftBox().Items, (TItems{"-", "7", "8п"}));
  EXPECT_EQ(form.LeftBox().Index, 0);
  EXPECT_EQ(form.ForBox().Index, 1);
  EXPECT_EQ(form.RightBox().Index, 2);

  // Back to four: every surviving index is kept.
  ASSERT_TRUE(form.Check("Транспортная"));
  ASSERT_TRUE(form.Select("NaprBox", "8п"));
  form.Prepare(four);
  EXPECT_EQ(form.NaprBox().Index, 1);
  EXPECT_EQ(form.ForBox().Index, 1);
  EXPECT_EQ(form.RightBox().Index, 2);

  // Index 2 is past the end of a two-direction NaprBox but the last item
  // of a tram list, whose first item is "-".
  ASSERT_TRUE(form.Select("NaprBox", "3п"));
  form.Prepare(two);
  EXPECT_EQ(form.NaprBox().Index, 0);
  EXPECT_EQ(form.RightBox().Index, 2);
  EXPECT_EQ(form.RightBox().Text(), "8п");
}

TEST(HeadDialog, TheHeadKindDecidesTheEnabledControlsTheLabelAndTheResult) {
  TNaprSet set;
  Name(set, {"1", "2т", "3п"});
  struct {
    const char* Kind;
    bool Napr, Arrow, Tram;
    const char* Label;
    int Result;
  } const rows[] = {
      {"Пешеходная", true, false, false, "3пн ", TSelHeadFormModel::kPedestrian},
      {"Трамвайная", false, false, true, "2тн 1н ", TSelHeadFormModel::kTram},
      {"Транспортная", true, true, false, "3пн ", TSelHeadFormModel::kVehicle},
  };
  TSelHeadFormModel form;
  form.Prepare(set);
  ASSERT_TRUE(form.Select("NaprBox", "3п"));
  // Tram lists are disabled for a vehicle head; choose tram once to set them.
  EXPECT_FALSE(form.Select("leftBox", "2т"));
  ASSERT_TRUE(form.Check("Трамвайная"));
  ASSERT_TRUE(form.Select("leftBox", "2т"));
  ASSERT_TRUE(form.Select("rightbox", "1"));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Kind);
    ASSERT_TRUE(form.Check(row.Kind));
    EXPECT_EQ(form.NaprBox().Enabled, row.Napr);
    EXPECT_EQ(form.ArrowGroup().Enabled, row.Arrow);
    EXPECT_EQ(form.LeftBox().Enabled, row.Tram);
    EXPECT_EQ(form.ForBox().Enabled, row.Tram);
    EXPECT_EQ(form.RightBox().Enabled, row.Tram);
    EXPECT_EQ(form.Label(), row.Label);
    EXPECT_EQ(form.Select("NaprBox", "1"), row.Napr);
    EXPECT_EQ(form.Select("forbox", "-"), row.Tram);
    EXPECT_EQ(form.Check("Налево"), row.Arrow);
    EXPECT_EQ(form.Press(TDialogButton::Ok), row.Result);
    EXPECT_EQ(form.Press(TDialogButton::Cancel), TSelHeadFormModel::kCancelled);
    EXPECT_EQ(form.Press(TDialogButton::Close), TSelHeadFormModel::kCancelled);
    if (row.Napr) {
      ASSERT_TRUE(form.Select("NaprBox", "3п"));
    }
  }
}

TEST(HeadDialog, LabelIsComposedFromTheListsInLeftStraightRightOrder) {
  TNaprSet set;
  Name(set, {"1", "2т", "3п"});
  TSelHeadFormModel form;
  form.Prepare(set);
  EXPECT_EQ(form.Label(), "1н ");  // an empty label is filled at opening
  ASSERT_TRUE(form.Select("NaprBox", "2т"));
  EXPECT_EQ(form.Label(), "2тн ");
  ASSERT_TRUE(form.Check("Трамвайная"));
  EXPECT_EQ(form.Label(), "");  // all three lists at "-"
  ASSERT_TRUE(form.Select("rightbox", "1"));
  EXPECT_EQ(form.Label(), "1н ");
  ASSERT_TRUE(form.Select("leftBox", "3п"));
  EXPECT_EQ(form.Label(), "3пн 1н ");
  ASSERT_TRUE(form.Select("forbox", "2т"));
  EXPECT_EQ(form.Label(), "3пн 2тн 1н ");
  ASSERT_TRUE(form.Select("leftBox", "-"));
  EXPECT_EQ(form.Label(), "2тн 1н ");
  EXPECT_FALSE(form.Select("forbox", "5"));
  EXPECT_FALSE(form.Select("NaprBox ", "1"));
  EXPECT_EQ(form.Label(), "2тн 1н ");
}

TEST(HeadDialog, TypedLabelSurvivesTheNextOpeningAndAnEmptyOneIsRefilledForTheKind) {
  TNaprSet set;
  Name(set, {"1", "2т"});
  TSelHeadFormModel form;
  form.Prepare(set);
  ASSERT_TRUE(form.SetText("textfield", "Т-4"));
  // Clicking the kind already checked is no change of kind.
  ASSERT_TRUE(form.Check("Транспортная"));
  EXPECT_EQ(form.Label(), "Т-4");
  // Picking the direction already chosen is no change either.
  ASSERT_TRUE(form.Select("NaprBox", "1"));
  EXPECT_EQ(form.Label(), "Т-4");
  ASSERT_EQ(form.Press(TDialogButton::Ok), 1);
  form.Prepare(set);
  EXPECT_EQ(form.Label(), "Т-4");

  // A tram head whose label was emptied gets its tram label again, not the
  // name of the vehicle list it does not use.
  ASSERT_TRUE(form.Check("Трамвайная"));
  ASSERT_TRUE(form.Select("forbox", "2т"));
  ASSERT_TRUE(form.SetText("textfield", ""));
  form.Prepare(set);
  EXPECT_EQ(form.Label(), "2тн ");
}

TEST(HeadDialog, AnObjectWithoutDirectionsGivesHeadsWithoutDirectionOrLabel) {
  TNaprSet none;
  TSelHeadFormModel form;
  form.Prepare(none);
  EXPECT_TRUE(form.NaprBox().Items.empty());
  EXPECT_EQ(form.NaprBox().Index, -1);
  EXPECT_EQ(form.LeftBox().Items, (TItems{"-"}));
  // No direction name, so no "н" on its own.
  EXPECT_EQ(form.Label(), "");
  TCarHead car(10);
  TSVNapr stale;
  car.Napr = &stale;
  form.Fill(car);
  EXPECT_EQ(car.Napr, nullptr);
  ASSERT_TRUE(form.Check("Трамвайная"));
  EXPECT_EQ(form.Label(), "");
  TTramHead tram(11);
  form.Fill(tram);
  EXPECT_EQ(tram.LeftNapr, nullptr);
  EXPECT_EQ(tram.StraightNapr, nullptr);
  EXPECT_EQ(tram.RightNapr, nullptr);
}

TEST(HeadDialog, FillGivesTheNewHeadTheChosenDirectionsAndArrow) {
  TNaprSet set;
  Name(set, {"1", "2т", "3п"});
  TSelHeadFormModel form;
  form.Prepare(set);
  ASSERT_TRUE(form.Select("NaprBox", "3п"));
  const char* arrows[] = {"нет", "Только прямо", "Налево", "Налево и прямо", "Направо", "Направо и прямо"};
  for (int kind = 0; kind < 6; ++kind) {
    ASSERT_TRUE(form.Check(arrows[kind]));
    TCarHead car(10);
    form.Fill(car);
    EXPECT_EQ(car.ArrowKind, kind) << arrows[kind];
    EXPECT_EQ(car.Napr, set.Item(3));
  }
  ASSERT_TRUE(form.Check("Пешеходная"));
  ASSERT_TRUE(form.Select("NaprBox", "2т"));
  TPedHead ped(12);
  form.Fill(ped);
  EXPECT_EQ(ped.Napr, set.Item(2));

  ASSERT_TRUE(form.Check("Трамвайная"));
  ASSERT_TRUE(form.Select("leftBox", "3п"));
  ASSERT_TRUE(form.Select("forbox", "-"));
  ASSERT_TRUE(form.Select("rightbox", "1"));
  TTramHead tram(11);
  form.Fill(tram);
  EXPECT_EQ(tram.LeftNapr, set.Item(3));
  EXPECT_EQ(tram.StraightNapr, nullptr);
  EXPECT_EQ(tram.RightNapr, set.Item(1));
}

}  // namespace

namespace {

TEST(HeadDialog, TheResultMakesTheHeadOfItsKindFilledFromTheChoice) {
  TNaprSet set;
  Name(set, {"1", "2т", "3п"});
  TSelHeadFormModel form;
  form.Prepare(set);
  ASSERT_TRUE(form.Select("NaprBox", "2т"));
  ASSERT_TRUE(form.Check("Налево и прямо"));
  ASSERT_TRUE(form.Check("Трамвайная"));
  ASSERT_TRUE(form.Select("rightbox", "3п"));
  // Whatever kind is checked, the result decides the class.
  auto car = form.MakeHead(TSelHeadFormModel::kVehicle);
  auto* carHead = dynamic_cast<TCarHead*>(car.get());
  ASSERT_TRUE(carHead);
  EXPECT_EQ(carHead->TypeCode, 10u);
  EXPECT_EQ(carHead->Napr, set.Item(2));
  EXPECT_EQ(carHead->ArrowKind, 3);
  auto ped = form.MakeHead(TSelHeadFormModel::kPedestrian);
  ASSERT_TRUE(dynamic_cast<TPedHead*>(ped.get()));
  EXPECT_EQ(ped->TypeCode, 12u);
  EXPECT_EQ(static_cast<TPedHead&>(*ped).Napr, set.Item(2));
  auto tram = form.MakeHead(form.Press(TDialogButton::Ok));
  auto* tramHead = dynamic_cast<TTramHead*>(tram.get());
  ASSERT_TRUE(tramHead);
  EXPECT_EQ(tramHead->TypeCode, 11u);
  EXPECT_EQ(tramHead->LeftNapr, nullptr);
  EXPECT_EQ(tramHead->StraightNapr, nullptr);
  EXPECT_EQ(tramHead->RightNapr, set.Item(3));
  EXPECT_FALSE(form.MakeHead(TSelHeadFormModel::kCancelled));
  EXPECT_FALSE(form.MakeHead(0));
}

}  // namespace
