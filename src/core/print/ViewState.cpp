#include "ViewState.h"

#include "plan/SVInfo.h"
#include "plan/SVtime.h"

TViewStateKeeper::TViewStateKeeper(TSVObject& scheme)
    : Scheme_(scheme), Phase_(scheme.Time->Phase), Program_(scheme.Time->Program), Remaining_(scheme.Time->Remaining) {
  const TNaprSet& set = scheme.Info->Directions;
  for (int i = 1; i <= set.Count; ++i) {
    const TSVNapr* napr = set.Item(i);
    Directions_.push_back(napr ? TDirectionState{napr->Remaining, napr->CurrentPhase} : TDirectionState{0, 0});
  }
  for (int n = 1; n <= kLayerCount; ++n) {
    Visible_[static_cast<std::size_t>(n)] = scheme.Layer(n).Visible;
    Editable_[static_cast<std::size_t>(n)] = scheme.Layer(n).Editable;
  }
}

void TViewStateKeeper::Restore() {
  TSVtime& time = *Scheme_.Time;
  time.Phase = Phase_;
  time.Program = Program_;
  time.Remaining = Remaining_;
  TNaprSet& set = Scheme_.Info->Directions;
  for (int i = 1; i <= set.Count && i <= static_cast<int>(Directions_.size()); ++i) {
    if (TSVNapr* napr = set.Item(i)) {
      napr->Remaining = Directions_[static_cast<std::size_t>(i - 1)].Remaining;
      napr->CurrentPhase = Directions_[static_cast<std::size_t>(i - 1)].Phase;
    }
  }
  for (int n = 1; n <= kLayerCount; ++n) {
    Scheme_.Layer(n).Visible = Visible_[static_cast<std::size_t>(n)];
    Scheme_.Layer(n).Editable = Editable_[static_cast<std::size_t>(n)];
  }
}
