#include "DiffLook.h"

#include <algorithm>

#include "SchemeView.h"
#include "model/SVItem.h"
#include "model/SVObject.h"
#include "platform/Canvas.h"

namespace {

// Outlines stand this far off the item, so a thin item is still seen.
constexpr int kOutlineGap = 4;
// The fit keeps the outlines of the outermost items inside the picture.
constexpr int kFitMargin = kOutlineGap + 8;

TRect Unite(const TRect& a, const TRect& b) {
  if (a.Right <= a.Left || a.Bottom <= a.Top) return b;
  if (b.Right <= b.Left || b.Bottom <= b.Top) return a;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

bool LayerShown(const TSVObject& scheme, const TSVItem& item) {
  const int n = TSVObject::LayerOf(item.TypeCode);
  return n >= 1 && n <= kLayerCount && scheme.Layers[static_cast<std::size_t>(n)]->Visible;
}

void Outline(TDrawContext& ctx, TSVItem& item, TColor color, TPenStyle style) {
  TCanvas& canvas = *ctx.Canvas;
  const TRect r = item.GetBounds(ctx);
  canvas.Pen = TPen{color, style == TPenStyle::Solid ? 2 : 1, style, TPenMode::Copy};
  canvas.SetBrushColor(color);
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.Rectangle(r.Left - kOutlineGap, r.Top - kOutlineGap, r.Right + kOutlineGap, r.Bottom + kOutlineGap);
}

}  // namespace

void FitDiff(TSVObject& before, TSVObject& after, TDrawContext& ctx, int width, int height) {
  ctx.FitSettled([&] { return Unite(before.BoundsShown(ctx), after.BoundsShown(ctx)); }, TRect{0, 0, width, height},
                 TRect{kFitMargin, kFitMargin, width - kFitMargin, height - kFitMargin});
}

void PaintDiff(TSVObject& after, const TSchemeMatch& match, TDrawContext& ctx) {
  if (!ctx.Canvas) return;
  PaintScheme(after, ctx, TSchemeLook::View);
  // What is gone is drawn from the earlier scheme, over the later one.
  for (const TMatchedItem& m : match.Removed)
    if (LayerShown(after, *m.Item)) DrawItem(*m.Item, ctx, false);
  for (const auto& [was, now] : match.Changed)
    if (LayerShown(after, *now.Item)) {
      Outline(ctx, *was.Item, kDiffChangedColor, TPenStyle::Dot);
      Outline(ctx, *now.Item, kDiffChangedColor, TPenStyle::Solid);
    }
  for (const TMatchedItem& m : match.Removed)
    if (LayerShown(after, *m.Item)) Outline(ctx, *m.Item, kDiffRemovedColor, TPenStyle::Solid);
  for (const TMatchedItem& m : match.Added)
    if (LayerShown(after, *m.Item)) Outline(ctx, *m.Item, kDiffAddedColor, TPenStyle::Solid);
}
