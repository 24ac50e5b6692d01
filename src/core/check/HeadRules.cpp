// Signal heads against the directions they show: a head that shows nothing
// stays dark in every phase, and a direction no head shows is a stream of
// traffic the scheme says nothing about.
#include <array>
#include <set>
#include <string>

#include "CheckRules.h"
#include "items/CarHead.h"
#include "items/PedHead.h"
#include "items/TramHead.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"

namespace {

constexpr int kHeadLayer = LayerNo(TLayerId::Heads);

// The directions a head refers to, as slots of the passport (0 for none).
struct THeadSlots {
  std::array<int, 3> Slot{};
  int Count = 0;
};

// One kind of head: how to recognise it and read its directions. Kinds are
// listed in a table, so the rules never switch over classes.
struct THeadKind {
  const char* Caption;
  bool Tram;
  bool (*Is)(TSVItem&);
  THeadSlots (*Slots)(TCheckContext&, TSVItem&);
};

template <class T>
bool Is(TSVItem& item) {
  return dynamic_cast<T*>(&item) != nullptr;
}

THeadSlots OneSlot(int slot) {
  THeadSlots s;
  s.Slot[0] = slot;
  s.Count = 1;
  return s;
}

const THeadKind kHeadKinds[] = {
    {"Транспортный светофор", false, Is<TCarHead>,
     [](TCheckContext& ctx, TSVItem& i) { return OneSlot(ctx.SlotOf(static_cast<TCarHead&>(i).Napr)); }},
    {"Пешеходный светофор", false, Is<TPedHead>,
     [](TCheckContext& ctx, TSVItem& i) { return OneSlot(ctx.SlotOf(static_cast<TPedHead&>(i).Napr)); }},
    {"Трамвайный светофор", true, Is<TTramHead>,
     [](TCheckContext& ctx, TSVItem& i) {
       auto& tram = static_cast<TTramHead&>(i);
       THeadSlots s;
       s.Slot = {ctx.SlotOf(tram.LeftNapr), ctx.SlotOf(tram.StraightNapr), ctx.SlotOf(tram.RightNapr)};
       s.Count = 3;
       return s;
     }},
};

const THeadKind* HeadKindOfClass(TSVItem& item) {
  for (const THeadKind& k : kHeadKinds)
    if (k.Is(item)) return &k;
  return nullptr;
}

// The kind of head an item is, nullptr for no head. A type code always makes
// the same class: the kind found for the first item of a code serves every
// later one.
const THeadKind* HeadKindOf(TSVItem& item) {
  if (item.TypeCode > 0xFF) return HeadKindOfClass(item);
  thread_local std::array<const THeadKind*, 256> kindOfCode{};
  thread_local std::array<bool, 256> known{};
  if (!known[item.TypeCode]) {
    kindOfCode[item.TypeCode] = HeadKindOfClass(item);
    known[item.TypeCode] = true;
  }
  return kindOfCode[item.TypeCode];
}

}  // namespace

void CheckHeadNoDirection(TCheckContext& ctx, TFindingList& out) {
  ctx.ForEachInLayer(kHeadLayer, [&](TSVItem& item, TItemRef ref) {
    const THeadKind* kind = HeadKindOf(item);
    if (!kind || kind->Tram || kind->Slots(ctx, item).Slot[0] != 0) return;
    const char* what = kind->Caption;
    out.Add(std::string(what) + " не привязан ни к одному направлению паспорта: он не горит ни в одной фазе.")
        .Items = {ref};
  });
}

void CheckTramHeadEmpty(TCheckContext& ctx, TFindingList& out) {
  ctx.ForEachInLayer(kHeadLayer, [&](TSVItem& item, TItemRef ref) {
    const THeadKind* kind = HeadKindOf(item);
    if (!kind || !kind->Tram) return;
    const THeadSlots s = kind->Slots(ctx, item);
    for (int k = 0; k < s.Count; ++k)
      if (s.Slot[static_cast<std::size_t>(k)] != 0) return;
    out.Add("У трамвайного светофора не задано ни одно из трёх направлений (налево, прямо, направо).").Items = {ref};
  });
}

void CheckDirectionNoHead(TCheckContext& ctx, TFindingList& out) {
  std::set<int> shown;
  ctx.ForEachInLayer(kHeadLayer, [&](TSVItem& item, TItemRef) {
    const THeadKind* kind = HeadKindOf(item);
    if (!kind) return;
    const THeadSlots s = kind->Slots(ctx, item);
    for (int k = 0; k < s.Count; ++k) shown.insert(s.Slot[static_cast<std::size_t>(k)]);
  });
  const TNaprSet& dirs = ctx.Info.Directions;
  for (int i = 1; i <= dirs.Count; ++i) {
    if (shown.count(i)) continue;
    out.Add("Направление " + dirs.Item(i)->Name + " не показывает ни один светофор схемы.").Directions = {i};
  }
}
