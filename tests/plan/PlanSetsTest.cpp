#include <gtest/gtest.h>

#include "PlanFixture.h"
#include "plan/Tramscheme.h"
#include "platform/Messages.h"

TEST(PhaseSet, ShrinkingFreesTheDroppedPhasesAndGrowingCreatesFreshOnes) {
  TPhaseSet set;
  set.SetCount(5);
  for (int i = 1; i <= 5; ++i) {
    set.Item(i)->Number = static_cast<std::uint8_t>(10 + i);
    set.Item(i)->TMain[1] = 40;
  }
  set.SetCount(3);
  EXPECT_EQ(set.Count, 3);
  EXPECT_EQ(set.Items[4], nullptr);
  EXPECT_EQ(set.Items[5], nullptr);
  EXPECT_EQ(set.Item(4), nullptr);
  EXPECT_EQ(set.Item(3)->Number, 13);
  set.SetCount(5);
  EXPECT_EQ(set.Item(3)->TMain[1], 40);
  EXPECT_EQ(set.Item(4)->Number, 4);
  EXPECT_EQ(set.Item(5)->Number, 5);
  EXPECT_EQ(set.Item(5)->TMain[1], 0);
  EXPECT_EQ(set.Item(5)->TMin, 0);
}

TEST(PhaseSet, StaysWithinItsSlotsWhateverCountIsAskedFor) {
  TPhaseSet set;
  set.SetCount(1000);
  EXPECT_EQ(set.Count, 255);
  EXPECT_NE(set.Item(255), nullptr);
  EXPECT_EQ(set.Item(256), nullptr);
  EXPECT_EQ(set.Item(0), nullptr);
  set.SetCount(-3);
  EXPECT_EQ(set.Count, 0);
  EXPECT_EQ(set.Items[1], nullptr);
}

TEST(PhaseSet, NumberTextOfAnythingButAWholeNumberIsZero) {
  TSVPhase phase;
  phase.SetNumberText(" 7 ");
  EXPECT_EQ(phase.NumberText(), "7");
  phase.SetNumberText("7а");
  EXPECT_EQ(phase.Number, 0);
  phase.SetNumberText("");
  EXPECT_EQ(phase.Number, 0);
}

TEST(DirectionSet, NewDirectionsAreNamedAndNumberedBySlotAndKnowTheirSet) {
  TNaprSet set;
  set.SetCount(3);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(set.Item(i)->Number, i);
    EXPECT_EQ(set.Item(i)->Name, std::to_string(i));
    EXPECT_EQ(set.Item(i)->Owner, &set);
    EXPECT_EQ(set.Item(i)->PhaseListText(), "");
  }
  set.Item(2)->SetName("Т7");
  set.SetCount(1);
  set.SetCount(2);
  EXPECT_EQ(set.Item(2)->Name, "2");
}

TEST(DirectionName, IsTrimmedCutToFiveCharactersAndNumberedByItsDigits) {
  TNaprSet set;
  set.SetCount(4);
  TSVNapr& d = *set.Item(4);
  d.SetName("  12а ");
  EXPECT_EQ(d.Name, "12а");
  EXPECT_EQ(d.Number, 12);
  d.SetName("Н3Пр45");  // six characters: the 5 kept hold the digits 3 and 4
  EXPECT_EQ(d.Name, "Н3Пр4");
  EXPECT_EQ(d.Number, 34);
  d.SetName("Трам");  // no digits: the number stays
  EXPECT_EQ(d.Name, "Трам");
  EXPECT_EQ(d.Number, 34);
  d.SetName("300");  // the number keeps the low 8 bits
  EXPECT_EQ(d.Number, 300 % 256);
}

TEST(DirectionPhases, MarkOnlyTheDigitsOneToSeven) {
  TSVNapr d;
  d.SetPhaseList("1,3 5");
  EXPECT_EQ(d.PhaseListText(), "1, 3, 5");
  EXPECT_TRUE(d.IsOpenIn(3));
  EXPECT_FALSE(d.IsOpenIn(2));
  d.SetPhaseList("0 8 9 ф");
  EXPECT_EQ(d.PhaseListText(), "");
  d.SetPhaseList("7, 2");
  EXPECT_EQ(d.PhaseListText(), "2, 7");
  EXPECT_FALSE(d.IsOpenIn(0));
  EXPECT_FALSE(d.IsOpenIn(8));
  EXPECT_FALSE(d.IsOpenIn(-1));
}

TEST(FindNapr, MatchesByNumberAloneAndTakesTheLowestSlot) {
  TNaprSet set;
  set.SetCount(4);
  set.Item(1)->SetName("Т9");
  set.Item(2)->SetName("3");
  set.Item(3)->SetName("3а");
  set.Item(4)->SetName("Пеш");  // keeps number 4
  EXPECT_EQ(set.findNapr("3"), set.Item(2));
  EXPECT_EQ(set.findNapr("Н3"), set.Item(2));
  EXPECT_EQ(set.findNapr("3а"), set.Item(2));
  EXPECT_EQ(set.findNapr("9"), set.Item(1));
  EXPECT_EQ(set.findNapr(" 4 "), set.Item(4));
  EXPECT_EQ(set.findNapr("5"), nullptr);
  EXPECT_EQ(set.findNapr("Пеш"), nullptr);  // no digits looks for number 0
}

TEST(TextTable, ColumnsAreCutAtTenAndDroppedCellsAreCleared) {
  TSVTable t(4);
  t.SetRowCount(2);
  t.SetCell(4, 2, "x");
  t.SetCell(1, 1, "a");
  t.SetCell(5, 1, "outside");  // ignored: only 4 columns
  t.SetColCount(3);
  t.SetColCount(12);
  EXPECT_EQ(t.ColCount, 10);
  EXPECT_EQ(t.Cell(4, 2), "");
  EXPECT_EQ(t.Cell(5, 1), "");
  EXPECT_EQ(t.Cell(1, 1), "a");
  t.SetRowCount(0);
  t.SetRowCount(2);
  EXPECT_EQ(t.Cell(1, 1), "");
  t.SetRowCount(999);
  EXPECT_EQ(t.RowCount, 255);
  EXPECT_EQ(t.Cell(11, 1), "");
  EXPECT_EQ(t.Cell(1, 256), "");
}

TEST(TramScheme, LampLabelsNameTheSignalAndDirection) {
  EXPECT_EQ(TTramscheme::LampLabel(0, 9), "Красн. 9н");
  EXPECT_EQ(TTramscheme::LampLabel(1, 10), "Жёлт. 10н");
  EXPECT_EQ(TTramscheme::LampLabel(2, 9), "Зелен. 9н");
  EXPECT_EQ(TTramscheme::LampLabel(3, 9), "Фаза");
  EXPECT_EQ(TTramscheme::LampLabel(4, 9), "");
}

TEST(PassportInfo, AddressTextJoinsTheTrimmedLines) {
  TPlanFixture f;
  f.Info.Address1 = "  ул. Ленина ";
  f.Info.Address2 = "\tпр. Мира  ";
  EXPECT_EQ(f.Info.AddressText(), "ул. Ленина - пр. Мира");
}

TEST(PassportInfo, ObjectNumberFollowsSvoInTheDirectoryName) {
  TMessageCapture messages;
  EXPECT_EQ(TSVInfo(nullptr, ".\\Data\\svo1\\").ObjectNumber(), "1");
  EXPECT_EQ(TSVInfo(nullptr, "/var/db/Data/svo12345678/").ObjectNumber(), "");  // "svo" not in the last 8
  ASSERT_EQ(messages.Messages.size(), 1u);
  EXPECT_EQ(TSVInfo(nullptr, "/db/svo12345/").ObjectNumber(), "12345");
  EXPECT_EQ(TSVInfo(nullptr, "/db/svo42").ObjectNumber(), "42");
  EXPECT_EQ(TSVInfo(nullptr, "/db/object7/").ObjectNumber(), "");
  ASSERT_EQ(messages.Messages.size(), 2u);
  // The last 8 characters, not bytes: Cyrillic letters count once and are
  // never cut in half.
  EXPECT_EQ(TSVInfo(nullptr, "/db/svo1ЖЖЖЖ/").ObjectNumber(), "1ЖЖЖЖ");
  EXPECT_EQ(TSVInfo(nullptr, "/db/svo12ЖЖЖЖ/").ObjectNumber(), "");
  ASSERT_EQ(messages.Messages.size(), 3u);
  EXPECT_EQ(messages.Messages[1].Text, "Нарушение в базе. Директория с началом на svo не найдена!");
}
