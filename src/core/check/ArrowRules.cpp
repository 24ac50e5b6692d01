// Direction arrows against the phases: an arrow is drawn only while its
// phase is shown, so an arrow of a phase the passport lacks is never seen and
// a phase without arrows shows the user no movement.
#include <set>
#include <string>

#include "CheckRules.h"
#include "items/Napr.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"

namespace {

constexpr int kArrowLayer = LayerNo(TLayerId::Directions);

}  // namespace

void CheckPhaseNoArrows(TCheckContext& ctx, TFindingList& out) {
  std::set<int> drawn;
  ctx.ForEachInLayer(kArrowLayer, [&](TSVItem& item, TItemRef) {
    if (auto* arrow = dynamic_cast<TNapr*>(&item)) drawn.insert(arrow->Phase);
  });
  for (int p = 1; p <= ctx.Info.PhaseCount; ++p) {
    if (drawn.count(p)) continue;
    out.Add("Для фазы " + std::to_string(p) + " не нарисовано ни одной стрелки направления движения.").Phases = {p};
  }
}

void CheckArrowUnknownPhase(TCheckContext& ctx, TFindingList& out) {
  ctx.ForEachInLayer(kArrowLayer, [&](TSVItem& item, TItemRef ref) {
    auto* arrow = dynamic_cast<TNapr*>(&item);
    if (!arrow || (arrow->Phase >= 1 && arrow->Phase <= ctx.Info.PhaseCount)) return;
    TFinding& f = out.Add("Стрелка направления движения относится к фазе " + std::to_string(arrow->Phase) +
                          ", которой нет в паспорте: её никогда не видно.");
    f.Items = {ref};
    f.Phases = {arrow->Phase};
  });
}
