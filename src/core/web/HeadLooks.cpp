#include "HeadLooks.h"

#include <set>

#include "SignalPlan.h"
#include "items/CarHead.h"
#include "items/PedHead.h"
#include "items/TramHead.h"
#include "json/PassportJson.h"
#include "model/SVItem.h"
#include "model/SVObject.h"
#include "model/TypeCodes.h"
#include "plan/SVInfo.h"

namespace {

int SlotOf(const TSVObject& scheme, const TSVNapr* napr) {
  const TNaprSet& set = scheme.Info->Directions;
  for (int i = 1; napr && i <= set.Count; ++i)
    if (set.Item(i) == napr) return i;
  return 0;
}

const TSVItem* HeadItem(const TSVObject& scheme, int layer, int index) {
  if (layer != LayerNo(TLayerId::Heads) || index < 0) return nullptr;
  const auto& items = const_cast<TSVObject&>(scheme).Layer(layer).Items();
  return static_cast<std::size_t>(index) < items.size() ? items[static_cast<std::size_t>(index)].get() : nullptr;
}

// One group of the canvas's output: the item's index and what is inside.
struct TGroup {
  int Index;
  std::string Inner;
};

std::vector<TGroup> ItemGroups(const std::string& svg) {
  static const std::string open = "<g data-type=\"", index = "data-index=\"", close = "</g>\n";
  std::vector<TGroup> groups;
  for (std::size_t at = svg.find(open); at != std::string::npos; at = svg.find(open, at)) {
    const std::size_t i = svg.find(index, at) + index.size();
    const std::size_t body = svg.find(">\n", i) + 2;
    const std::size_t end = svg.find(close, body);
    groups.push_back({std::stoi(svg.substr(i, svg.find('"', i) - i)), svg.substr(body, end - body)});
    at = end;
  }
  return groups;
}

}  // namespace

std::vector<int> HeadDirectionSlots(const TSVObject& scheme, const TSVItem& item) {
  if (const auto* car = dynamic_cast<const TCarHead*>(&item)) return {SlotOf(scheme, car->Napr)};
  if (const auto* ped = dynamic_cast<const TPedHead*>(&item)) return {SlotOf(scheme, ped->Napr)};
  if (const auto* tram = dynamic_cast<const TTramHead*>(&item))
    return {SlotOf(scheme, tram->LeftNapr), SlotOf(scheme, tram->StraightNapr), SlotOf(scheme, tram->RightNapr)};
  return {};
}

TSvgCanvas::TItemTags HeadTags(const TSVObject& scheme, int layer, int index) {
  const TSVItem* item = HeadItem(scheme, layer, index);
  if (!item || dynamic_cast<const TTramHead*>(item)) return {};
  const std::vector<int> slots = HeadDirectionSlots(scheme, *item);
  if (slots.size() != 1 || slots[0] == 0) return {};
  const TSVNapr& napr = *scheme.Info->Directions.Item(slots[0]);
  return {{"data-direction", std::to_string(napr.Number)}, {"data-state", ColorText(napr.SignalColor())}};
}

int HeadLookValue(const THeadLook& head, const TSignalPlan& plan, int slot, int state) {
  if (slot == 0) return -1;
  return head.GreenOnly ? plan.States[static_cast<std::size_t>(slot - 1)][static_cast<std::size_t>(state)].GreenNow
                        : state;
}

std::string HeadLookKey(const THeadLook& head, const TSignalPlan& plan, const std::vector<int>& states) {
  std::string key;
  for (std::size_t i = 0; i < head.Slots.size(); ++i) {
    if (i > 0) key += ',';
    const int slot = head.Slots[i];
    key += slot == 0 ? std::string("-")
                     : std::to_string(HeadLookValue(head, plan, slot, states[static_cast<std::size_t>(slot - 1)]));
  }
  return key;
}

THeadLooks DrawHeadLooks(TSVObject& scheme, TDrawContext& ctx, const TSignalPlan& plan, TTextMeasure& measure,
                         int width, int height, TColor background) {
  const int layer = LayerNo(TLayerId::Heads);
  const auto& items = scheme.Layer(layer).Items();
  const std::size_t slotCount = plan.States.size();
  THeadLooks looks;
  // The distinct moments of the plan: most steps repeat another's states.
  std::set<std::vector<int>> moments;
  for (const TProgramCycle& cycle : plan.Programs)
    for (const TPlanStep& step : cycle.Steps) moments.insert(step.States);
  // What each head still needs: per slot what the head reads of its state.
  std::vector<std::set<std::vector<int>>> pending;
  for (std::size_t i = 0; i < items.size(); ++i) {
    THeadLook head{static_cast<int>(i), HeadDirectionSlots(scheme, *items[i]), {},
                   // A tram head lights its lamps by green-now alone.
                   dynamic_cast<const TTramHead*>(items[i].get()) != nullptr};
    bool any = false;
    for (int s : head.Slots) any = any || s != 0;
    if (!any) continue;
    std::set<std::vector<int>> needed;
    for (const std::vector<int>& states : moments) {
      std::vector<int> combo;
      for (int s : head.Slots)
        combo.push_back(HeadLookValue(head, plan, s, s == 0 ? 0 : states[static_cast<std::size_t>(s - 1)]));
      needed.insert(combo);
    }
    looks.Heads.push_back(std::move(head));
    pending.push_back(std::move(needed));
  }
  std::map<std::string, int> drawingIds;
  TCanvas* const shown = ctx.Canvas;
  const TNaprSet& directions = scheme.Info->Directions;
  for (;;) {
    // A round: every head's combination that fits the states chosen so far;
    // a slot read by green-now alone takes its first state of that kind.
    std::vector<int> chosen(slotCount, -1);
    std::vector<bool> drawNow(looks.Heads.size(), false);
    bool any = false;
    for (std::size_t h = 0; h < looks.Heads.size(); ++h) {
      const THeadLook& head = looks.Heads[h];
      for (const std::vector<int>& combo : pending[h]) {
        std::vector<int> pick(head.Slots.size(), -1);
        bool fits = true;
        for (std::size_t j = 0; j < head.Slots.size() && fits; ++j) {
          const int slot = head.Slots[j];
          if (slot == 0) continue;
          const int now = chosen[static_cast<std::size_t>(slot - 1)];
          if (now >= 0) {
            fits = HeadLookValue(head, plan, slot, now) == combo[j];
            pick[j] = now;
            continue;
          }
          const auto& states = plan.States[static_cast<std::size_t>(slot - 1)];
          for (std::size_t k = 0; k < states.size() && pick[j] < 0; ++k)
            if (HeadLookValue(head, plan, slot, static_cast<int>(k)) == combo[j]) pick[j] = static_cast<int>(k);
          fits = pick[j] >= 0;
        }
        if (!fits) continue;
        for (std::size_t j = 0; j < head.Slots.size(); ++j)
          if (head.Slots[j] != 0) chosen[static_cast<std::size_t>(head.Slots[j] - 1)] = pick[j];
        any = true;
        drawNow[h] = true;
        break;
      }
    }
    if (!any) break;
    std::vector<int> states(slotCount);
    for (std::size_t s = 0; s < slotCount; ++s) {
      states[s] = std::max(chosen[s], 0);
      const TDirectionState& st = plan.States[s][static_cast<std::size_t>(states[s])];
      TSVNapr* napr = directions.Item(static_cast<int>(s) + 1);
      napr->CurrentPhase = static_cast<std::uint8_t>(st.Phase);
      napr->Remaining = st.Remaining;
    }
    TSvgCanvas canvas(width, height, measure, background);
    canvas.ItemTags = [&scheme](int l, std::uint32_t, int index) { return HeadTags(scheme, l, index); };
    ctx.Canvas = &canvas;
    // Only the heads that take a new look in this round, each as the layer
    // draws it, newest first as there.
    canvas.BeginLayer(layer);
    for (std::size_t h = looks.Heads.size(); h-- > 0;) {
      if (!drawNow[h]) continue;
      const int index = looks.Heads[h].Index;
      TSVItem& item = *items[static_cast<std::size_t>(index)];
      canvas.BeginItem(item.TypeCode, index);
      DrawItem(item, ctx, false);
      canvas.EndItem();
    }
    canvas.EndLayer();
    ctx.Canvas = shown;
    std::map<int, std::string> drawn;
    for (TGroup& g : ItemGroups(canvas.Document())) drawn[g.Index] = std::move(g.Inner);
    for (std::size_t h = 0; h < looks.Heads.size(); ++h) {
      if (!drawNow[h]) continue;
      THeadLook& head = looks.Heads[h];
      std::vector<int> combo;
      for (int s : head.Slots) combo.push_back(HeadLookValue(head, plan, s, s == 0 ? 0 : states[static_cast<std::size_t>(s - 1)]));
      pending[h].erase(combo);
      const auto [it, added] = drawingIds.emplace(drawn[head.Index], static_cast<int>(looks.Drawings.size()));
      if (added) looks.Drawings.push_back(it->first);
      head.Looks[HeadLookKey(head, plan, states)] = it->second;
    }
  }
  scheme.CopyTimingToDirections();
  return looks;
}
