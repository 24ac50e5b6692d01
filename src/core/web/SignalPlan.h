#pragma once
// The signal plan of a passport second by second: for each timing program
// the whole cycle in the viewer's animation steps, and what every direction
// shows at each step. A published page looks the plan up instead of working
// it out again.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/Types.h"

class TSVObject;

// What a direction's heads show: its signal colour and whether it is green
// now (a tram head's lamps follow the second).
struct TDirectionState {
  TColor Color = 0;
  bool GreenNow = false;
  // A moment of the clock that gives this state.
  int Phase = 0;
  double Remaining = 0;
  friend bool operator==(const TDirectionState& a, const TDirectionState& b) {
    return a.Color == b.Color && a.GreenNow == b.GreenNow;
  }
};

struct TPlanStep {
  int Phase = 0;
  double Remaining = 0;
  // Per direction slot (0-based): its index into TSignalPlan::States.
  std::vector<int> States;
};

struct TProgramCycle {
  std::vector<TPlanStep> Steps;
  // (phase, index of its first step), in phase order.
  std::vector<std::pair<int, int>> PhaseStarts;
};

// The animation's step: the viewer's clock ticks every half second.
constexpr double kPlanStep = 0.5;
constexpr int kProgramCount = 3;

struct TSignalPlan {
  // Per direction slot (0-based): the distinct states it takes.
  std::vector<std::vector<TDirectionState>> States;
  std::array<TProgramCycle, kProgramCount> Programs;
};

// Every phase of every program from its first moment (as picking the phase
// shows it) down to its last step. The clock is left as it was found.
TSignalPlan ComputeSignalPlan(TSVObject& scheme);
