#include "SVtime.h"

#include <algorithm>

#include "SVInfo.h"

int TSVtime::MainTime(int p) const {
  const TSVPhase* phase = Info->Phases.Item(p);
  if (!phase || p > Info->PhaseCount) return 0;
  if (Info->IsSystem()) return phase->TMain[1];
  if (Program > 2) return 0;
  return phase->TMain[static_cast<std::size_t>(Program) + 1];
}

int TSVtime::IntermediateTime(int p) const {
  const TNaprSet& set = Info->Directions;
  const int next = set.GetNextPhase(p);
  int longest = 0;
  for (int i = 1; i <= set.Count; ++i) {
    const TSVNapr& d = *set.Items[static_cast<std::size_t>(i)];
    if (d.IsOpenIn(p) && !d.IsOpenIn(next)) longest = std::max<int>(longest, d.TGreen);
  }
  return longest;
}

int TSVtime::NextPhase(int p) const {
  const int q = static_cast<std::uint8_t>(p);
  return q < Info->PhaseCount ? q + 1 : 1;
}

void TSVtime::SetPhase(int p) {
  if (p <= 0) {
    Remaining = 0.0;
    return;
  }
  Phase = p;
  Remaining = Duration(p);
}

void TSVtime::Tick(double dt) {
  if (Info->PhaseCount == 0) return;
  Remaining -= dt;
  if (Remaining > 0.0) return;
  Phase = NextPhase(Phase);
  Remaining += Duration(Phase);
}
