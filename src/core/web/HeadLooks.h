#pragma once
// The signal heads of a published scheme at every moment of the plan: each
// head drawn once for every combination of its directions' states that the
// plan reaches, so that the page swaps drawings instead of painting heads
// itself. Which directions a head shows is asked of the head classes here,
// beside the drawing, so that no item has to know about pages.
#include <map>
#include <string>
#include <vector>

#include "svg/SvgCanvas.h"

class TSVItem;
class TSVObject;
class TDrawContext;
struct TSignalPlan;

// The direction slots (1-based) a signal head shows, 0 for a reference
// that is missing or no longer in the passport's table: one for a vehicle
// or pedestrian head, left, straight and right for a tram head, none for
// any other item.
std::vector<int> HeadDirectionSlots(const TSVObject& scheme, const TSVItem& item);

// The tags of the elements of item `index` of `layer`: a vehicle or
// pedestrian head of a direction carries data-direction (the direction's
// number) and data-state (its colour now, as "dump" writes it).
TSvgCanvas::TItemTags HeadTags(const TSVObject& scheme, int layer, int index);

struct THeadLook {
  // The item's place in the heads' layer, as the canvas numbers it.
  int Index = 0;
  std::vector<int> Slots;
  // Key: what the head reads of each slot's state, comma-separated ("-" for
  // none); the value an index into THeadLooks::Drawings.
  std::map<std::string, int> Looks;
  // What it reads: the state's index, or (a tram head) only whether the
  // direction is green now, 1 or 0.
  bool GreenOnly = false;
};

struct THeadLooks {
  std::vector<THeadLook> Heads;
  // The inner SVG of a head's group, each distinct drawing once.
  std::vector<std::string> Drawings;
};

// What a head reads of direction slot `slot` in state `state` (-1 for no slot).
int HeadLookValue(const THeadLook& head, const TSignalPlan& plan, int slot, int state);
// The key of a head's look at one step of the plan.
std::string HeadLookKey(const THeadLook& head, const TSignalPlan& plan, const std::vector<int>& states);

// Draws the heads' layer with `ctx`'s view (its canvas is put back) as
// often as the combinations need: a round puts every direction in one of
// its states, and each head keeps the drawings of the combinations it saw.
THeadLooks DrawHeadLooks(TSVObject& scheme, TDrawContext& ctx, const TSignalPlan& plan, TTextMeasure& measure,
                         int width, int height, TColor background);
