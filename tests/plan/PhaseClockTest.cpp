#include <gtest/gtest.h>

#include "PlanFixture.h"

namespace {

// Three phases; direction 1 closes after phase 1 (green share 9), direction 2
// after phase 2 (share 6), direction 3 is open in 1 and 2 and closes after 2
// with share 4, direction 4 is open in phase 3 and after it.
void ThreePhasePlan(TPlanFixture& f) {
  f.SetPhases({{10, 30, 20, 15}, {8, 12, 10, 8}, {5, 7, 6, 5}});
  f.SetDirections({{"1", "1", 9, 6, 3, 2, 2},
                   {"2", "2", 6, 3, 3, 0, 0},
                   {"3", "1, 2", 4, 2, 1, 0, 0},
                   {"4", "3", 5, 2, 1, 0, 0}});
}

}  // namespace

TEST(IntermediateTime, IsTheLongestGreenShareOfTheDirectionsThatLoseGreen) {
  TPlanFixture f;
  ThreePhasePlan(f);
  EXPECT_EQ(f.Time.IntermediateTime(1), 9);  // direction 3 stays open: only direction 1 counts
  EXPECT_EQ(f.Time.IntermediateTime(2), 6);  // directions 2 (6) and 3 (4) close
  EXPECT_EQ(f.Time.IntermediateTime(3), 5);  // wraps to phase 1, direction 4 closes
}

TEST(IntermediateTime, IsZeroWhenNoDirectionClosesAndThePhaseLastsItsMainTime) {
  TPlanFixture f;
  f.SetPhases({{5, 20, 20, 20}, {5, 10, 10, 10}});
  f.SetDirections({{"1", "1, 2", 9, 6, 3, 0, 0}});
  EXPECT_EQ(f.Time.IntermediateTime(1), 0);
  f.Time.SetPhase(1);
  EXPECT_DOUBLE_EQ(f.Time.Remaining, 20.0);
}

TEST(IntermediateTime, KeepsAGreenShareAbove255Seconds) {
  TPlanFixture f;
  f.SetPhases({{5, 20, 20, 20}, {5, 10, 10, 10}});
  f.SetDirections({{"1", "1", 300, 6, 3, 0, 0}});
  EXPECT_EQ(f.Time.IntermediateTime(1), 300);
}

TEST(IntermediateTime, WrapsAtTheDirectionSetsPhaseCountNotTheClocks) {
  TPlanFixture f;
  ThreePhasePlan(f);
  // The phase table grew to 4 phases, the phase selector was not rebuilt.
  f.Info.SetPhaseCount(4);
  EXPECT_EQ(f.Info.Directions.GetNextPhase(3), 1);
  EXPECT_EQ(f.Time.IntermediateTime(3), 5);
  EXPECT_EQ(f.Time.NextPhase(3), 4);
}

TEST(PhaseClock, StartsAtPhaseZeroWithNothingLeft) {
  TPlanFixture f;
  EXPECT_EQ(f.Time.Phase, 0);
  EXPECT_EQ(f.Time.Program, 0);
  EXPECT_DOUBLE_EQ(f.Time.Remaining, 0.0);
}

TEST(PhaseClock, SetPhaseStartsThePhaseWithMainPlusIntermediateTime) {
  TPlanFixture f;
  ThreePhasePlan(f);
  f.Time.SetPhase(2);
  EXPECT_EQ(f.Time.Phase, 2);
  EXPECT_DOUBLE_EQ(f.Time.Remaining, 12 + 6);
  // A phase the passport does not have has no main time, only what closes.
  f.Time.SetPhase(9);
  EXPECT_EQ(f.Time.Phase, 9);
  EXPECT_DOUBLE_EQ(f.Time.Remaining, 0.0);
  // Zero and below only clear the remaining time.
  f.Time.SetPhase(2);
  f.Time.SetPhase(0);
  EXPECT_EQ(f.Time.Phase, 2);
  EXPECT_DOUBLE_EQ(f.Time.Remaining, 0.0);
}

TEST(PhaseClock, TheProgramChoosesTheMainTimeOfALocalObject) {
  TPlanFixture f;
  ThreePhasePlan(f);
  const int expected[] = {30, 20, 15, 0};
  for (int program = 0; program <= 3; ++program) {
    f.Time.Program = static_cast<std::uint8_t>(program);
    EXPECT_EQ(f.Time.MainTime(1), expected[program]) << "program " << program;
  }
  f.Time.Program = 2;
  f.Time.SetPhase(1);
  EXPECT_DOUBLE_EQ(f.Time.Remaining, 15 + 9);
}

TEST(PhaseClock, ASystemObjectUsesTheFirstMainTimeInEveryProgram) {
  TPlanFixture f(0);
  ThreePhasePlan(f);
  for (int program = 0; program <= 3; ++program) {
    f.Time.Program = static_cast<std::uint8_t>(program);
    f.Time.SetPhase(1);
    EXPECT_DOUBLE_EQ(f.Time.Remaining, 30 + 9) << "program " << program;
  }
}

TEST(PhaseClock, TickCarriesTheOvershootIntoTheNextPhase) {
  TPlanFixture f;
  ThreePhasePlan(f);
  f.Time.SetPhase(1);
  f.Time.Remaining = 0.5;
  f.Time.Tick(0.5);
  EXPECT_EQ(f.Time.Phase, 2);
  EXPECT_DOUBLE_EQ(f.Time.Remaining, 18.0);
  f.Time.Remaining = 0.3;
  f.Time.Tick(0.5);
  EXPECT_EQ(f.Time.Phase, 3);
  EXPECT_DOUBLE_EQ(f.Time.Remaining, 7 + 5 - 0.2);
}

TEST(PhaseClock, RunsThroughEveryPhaseAndWrapsToTheFirst) {
  TPlanFixture f;
  ThreePhasePlan(f);
  f.Time.SetPhase(1);
  std::vector<int> seen;
  for (int i = 0; i < 2 * (39 + 18 + 12) + 1; ++i) {
    f.Time.Tick(0.5);
    if (seen.empty() || seen.back() != f.Time.Phase) seen.push_back(f.Time.Phase);
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 1}));
}

TEST(PhaseClock, StandsStillWithoutPhases) {
  TPlanFixture f;
  f.Time.Phase = 1;
  f.Time.Remaining = 3.0;
  f.Time.Tick(0.5);
  EXPECT_EQ(f.Time.Phase, 1);
  EXPECT_DOUBLE_EQ(f.Time.Remaining, 3.0);
}

TEST(PhaseClock, NextPhaseWrapsAtThePassportsPhaseCount) {
  TPlanFixture f;
  ThreePhasePlan(f);
  EXPECT_EQ(f.Time.NextPhase(1), 2);
  EXPECT_EQ(f.Time.NextPhase(3), 1);
  EXPECT_EQ(f.Info.Directions.GetNextPhase(3), 1);
  EXPECT_EQ(f.Info.Directions.GetNextPhase(1), 2);
}
