#include <gtest/gtest.h>

#include "PlanFixture.h"

namespace {

// Two phases. Direction 1 closes after phase 1 with the default thresholds
// of a 9-second share; direction 2 opens in phase 2 with red-and-yellow for
// the last 2 s (TRed 2, TRedYellow 0); direction 3 is open in both phases;
// direction 4 is open in neither.
void TwoPhasePlan(TPlanFixture& f) {
  f.SetPhases({{10, 30, 30, 30}, {10, 20, 20, 20}});
  f.SetDirections({{"1", "1", 9, 6, 3, 2, 2},
                   {"2", "2", 9, 6, 3, 2, 0},
                   {"3", "1, 2", 9, 6, 3, 2, 2},
                   {"4", "", 9, 6, 3, 2, 2}});
}

TColor ColorAt(TPlanFixture& f, int slot, int phase, double remaining) {
  f.Time.Phase = phase;
  f.Time.Remaining = remaining;
  f.CopyClock();
  return f.Direction(slot).SignalColor();
}

}  // namespace

TEST(SignalColor, AClosingDirectionGoesGreenFlashingYellowRed) {
  TPlanFixture f;
  TwoPhasePlan(f);
  EXPECT_EQ(ColorAt(f, 1, 1, 30.0), kSignalGreen);
  EXPECT_EQ(ColorAt(f, 1, 1, 9.0), kSignalGreen);
  EXPECT_EQ(ColorAt(f, 1, 1, 8.5), kSignalGreen);  // flashing, bright half
  EXPECT_EQ(ColorAt(f, 1, 1, 6.0), kSignalDark);   // flashing, dark on whole seconds
  EXPECT_EQ(ColorAt(f, 1, 1, 5.5), kSignalYellow);
  EXPECT_EQ(ColorAt(f, 1, 1, 3.0), kSignalYellow);
  EXPECT_EQ(ColorAt(f, 1, 1, 2.5), kSignalRed);
  EXPECT_EQ(ColorAt(f, 1, 1, 0.0), kSignalRed);
}

TEST(SignalColor, FlashingGreenBlinksOnceASecondWithHalfSecondTicks) {
  TPlanFixture f;
  TwoPhasePlan(f);
  std::vector<TColor> colors;
  for (double t = 8.5; t >= 6.0; t -= 0.5) colors.push_back(ColorAt(f, 1, 1, t));
  EXPECT_EQ(colors, (std::vector<TColor>{kSignalGreen, kSignalDark, kSignalGreen, kSignalDark, kSignalGreen,
                                         kSignalDark}));
}

TEST(SignalColor, AnOpeningDirectionShowsYellowBeforeGreen) {
  TPlanFixture f;
  TwoPhasePlan(f);
  EXPECT_EQ(ColorAt(f, 2, 1, 10.0), kSignalRed);
  EXPECT_EQ(ColorAt(f, 2, 1, 2.0), kSignalRed);
  EXPECT_EQ(ColorAt(f, 2, 1, 1.5), kSignalYellow);
  EXPECT_EQ(ColorAt(f, 2, 2, 20.0), kSignalGreen);
}

TEST(SignalColor, AnOpeningDirectionWithEqualRedThresholdsGoesStraightFromRedToGreen) {
  TPlanFixture f;
  f.SetPhases({{10, 30, 30, 30}, {10, 20, 20, 20}});
  f.SetDirections({{"1", "2", 9, 6, 3, 2, 2}});
  EXPECT_EQ(ColorAt(f, 1, 1, 2.5), kSignalRed);
  EXPECT_EQ(ColorAt(f, 1, 1, 1.5), kSignalGreen);
}

TEST(SignalColor, StaysGreenThroughAndRedOutsideItsPhases) {
  TPlanFixture f;
  TwoPhasePlan(f);
  for (double t : {20.0, 5.0, 0.5}) {
    EXPECT_EQ(ColorAt(f, 3, 1, t), kSignalGreen);
    EXPECT_EQ(ColorAt(f, 3, 2, t), kSignalGreen);
    EXPECT_EQ(ColorAt(f, 4, 1, t), kSignalRed);
  }
}

TEST(SignalColor, AnUKDirectionIsGreenOnlyInThePhaseOfItsNumber) {
  TPlanFixture f(2);
  f.SetPhases({{5, 20, 20, 20}, {5, 20, 20, 20}, {5, 20, 20, 20}});
  // The phase marks and thresholds do not matter for this object type.
  f.SetDirections({{"1", "2, 3", 9, 6, 3, 2, 2}, {"Н2а", "", 9, 6, 3, 2, 2}, {"3", "1", 9, 6, 3, 2, 2}});
  EXPECT_EQ(ColorAt(f, 1, 1, 0.5), kSignalGreen);
  EXPECT_EQ(ColorAt(f, 1, 2, 20.0), kSignalRed);
  EXPECT_EQ(ColorAt(f, 2, 2, 6.0), kSignalGreen);
  EXPECT_EQ(ColorAt(f, 3, 1, 20.0), kSignalRed);
  EXPECT_EQ(ColorAt(f, 3, 3, 1.0), kSignalGreen);
}

TEST(SignalColor, GreenNowEndsWhereTheIntermediatePeriodBegins) {
  TPlanFixture f;
  TwoPhasePlan(f);
  ColorAt(f, 1, 1, 9.0);
  EXPECT_TRUE(f.Direction(1).IsGreenNow());
  ColorAt(f, 1, 1, 8.5);
  EXPECT_FALSE(f.Direction(1).IsGreenNow());
  // Green now ignores the next phase: an opening direction is not green yet.
  ColorAt(f, 2, 1, 1.0);
  EXPECT_FALSE(f.Direction(2).IsGreenNow());
  ColorAt(f, 4, 1, 20.0);
  EXPECT_FALSE(f.Direction(4).IsGreenNow());
}
