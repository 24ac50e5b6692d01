// Signal heads against the directions they show: a head that shows nothing
// stays dark in every phase, and a direction no head shows is a stream of
// traffic the scheme says nothing about.
#include <set>
#include <string>

#include "CheckRules.h"
#include "items/CarHead.h"
#include "items/PedHead.h"
#include "items/TramHead.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"

namespace {

constexpr int kHeadLayer = 12;

// The directions a head refers to, as slots of the passport (0 for none).
std::vector<int> HeadSlots(TCheckContext& ctx, TSVItem& item) {
  if (auto* car = dynamic_cast<TCarHead*>(&item)) return {ctx.SlotOf(car->Napr)};
  if (auto* ped = dynamic_cast<TPedHead*>(&item)) return {ctx.SlotOf(ped->Napr)};
  if (auto* tram = dynamic_cast<TTramHead*>(&item))
    return {ctx.SlotOf(tram->LeftNapr), ctx.SlotOf(tram->StraightNapr), ctx.SlotOf(tram->RightNapr)};
  return {};
}

}  // namespace

void CheckHeadNoDirection(TCheckContext& ctx, TFindingList& out) {
  ctx.ForEachInLayer(kHeadLayer, [&](TSVItem& item, TItemRef ref) {
    if (dynamic_cast<TTramHead*>(&item)) return;
    const std::vector<int> slots = HeadSlots(ctx, item);
    if (slots.empty() || slots[0] != 0) return;
    const char* kind = dynamic_cast<TPedHead*>(&item) ? "Пешеходный светофор" : "Транспортный светофор";
    out.Add(std::string(kind) + " не привязан ни к одному направлению паспорта: он не горит ни в одной фазе.")
        .Items = {ref};
  });
}

void CheckTramHeadEmpty(TCheckContext& ctx, TFindingList& out) {
  ctx.ForEachInLayer(kHeadLayer, [&](TSVItem& item, TItemRef ref) {
    if (!dynamic_cast<TTramHead*>(&item)) return;
    for (int slot : HeadSlots(ctx, item))
      if (slot != 0) return;
    out.Add("У трамвайного светофора не задано ни одно из трёх направлений (налево, прямо, направо).").Items = {ref};
  });
}

void CheckDirectionNoHead(TCheckContext& ctx, TFindingList& out) {
  std::set<int> shown;
  ctx.ForEachInLayer(kHeadLayer, [&](TSVItem& item, TItemRef) {
    for (int slot : HeadSlots(ctx, item)) shown.insert(slot);
  });
  const TNaprSet& dirs = ctx.Info.Directions;
  for (int i = 1; i <= dirs.Count; ++i) {
    if (shown.count(i)) continue;
    out.Add("Направление " + dirs.Item(i)->Name + " не показывает ни один светофор схемы.").Directions = {i};
  }
}
