#include "SignalPlan.h"

#include <algorithm>

#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "plan/SVtime.h"

namespace {

int StateIndex(std::vector<TDirectionState>& known, const TDirectionState& s) {
  const auto it = std::find(known.begin(), known.end(), s);
  if (it != known.end()) return static_cast<int>(it - known.begin());
  known.push_back(s);
  return static_cast<int>(known.size()) - 1;
}

}  // namespace

TSignalPlan ComputeSignalPlan(TSVObject& scheme) {
  TSVtime& time = *scheme.Time;
  const TNaprSet& directions = scheme.Info->Directions;
  const TSVtime saved = time;
  TSignalPlan plan;
  plan.States.resize(directions.Count);
  const auto record = [&](TProgramCycle& cycle) {
    scheme.CopyTimingToDirections();
    TPlanStep step{time.Phase, time.Remaining, {}};
    step.States.reserve(directions.Count);
    for (int i = 1; i <= directions.Count; ++i) {
      const TSVNapr* d = directions.Item(i);
      step.States.push_back(StateIndex(plan.States[static_cast<std::size_t>(i - 1)],
                                       TDirectionState{d->SignalColor(), d->IsGreenNow(), time.Phase, time.Remaining}));
    }
    cycle.Steps.push_back(std::move(step));
  };
  for (int k = 0; k < kProgramCount; ++k) {
    TProgramCycle& cycle = plan.Programs[static_cast<std::size_t>(k)];
    time.Program = static_cast<std::uint8_t>(k);
    for (int p = 1; p <= scheme.Info->PhaseCount; ++p) {
      cycle.PhaseStarts.emplace_back(p, static_cast<int>(cycle.Steps.size()));
      // The phase's first moment is what picking it shows, a phase of no
      // length included; then the clock runs down as the animation's does.
      time.SetPhase(p);
      do {
        record(cycle);
        time.Remaining -= kPlanStep;
      } while (time.Remaining > 0);
    }
  }
  time = saved;
  scheme.CopyTimingToDirections();
  return plan;
}
