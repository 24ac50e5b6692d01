#pragma once
// The look of a comparison: the later passport's scheme as the viewer shows
// it, the items removed since the earlier one drawn over it, and every
// difference outlined: added green, removed red, changed orange (solid where
// the item is now, dotted where it was).
#include "history/SchemeMatch.h"
#include "model/DrawContext.h"
#include "platform/Types.h"

class TSVObject;

// Colours as the canvas takes them (0x00BBGGRR).
constexpr TColor kDiffAddedColor = 0x00D000;    // green
constexpr TColor kDiffRemovedColor = 0x2020FF;  // red
constexpr TColor kDiffChangedColor = 0x00A0FF;  // orange

// Fits both schemes, shown items of either side, into the paint box.
void FitDiff(TSVObject& before, TSVObject& after, TDrawContext& ctx, int width, int height);
// Paints the whole comparison on ctx's canvas: the later scheme and the
// matched items of both sides (removed and earlier items are the earlier
// scheme's own). The later scheme's layer switches decide for both sides.
void PaintDiff(TSVObject& after, const TSchemeMatch& match, TDrawContext& ctx);
