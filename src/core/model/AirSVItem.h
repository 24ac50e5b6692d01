#pragma once
// A symbol hanging on a carrier item: an anchor point in the world and two
// offsets from it in symbol units (where the symbol starts, and the point it
// faces), so the symbol keeps its size on screen while the map zooms.
#include <string>

#include "SVItem.h"

class TAirSVItem : public TSVItem {
 public:
  using TSVItem::TSVItem;
  double AnchorX = 0, AnchorY = 0;
  double Anchor2X = 0, Anchor2Y = 0;
  double OffsetX = 0, OffsetY = 0;

  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;

  TPoint AnchorPoint(const TDrawContext& ctx) const { return ctx.WorldToScreen(AnchorX, AnchorY); }
  TPoint BasePoint(const TDrawContext& ctx) const {
    return ctx.WorldOffsetToScreen(AnchorX, AnchorY, Anchor2X, Anchor2Y);
  }
  TPoint AimPoint(const TDrawContext& ctx) const { return ctx.WorldOffsetToScreen(AnchorX, AnchorY, OffsetX, OffsetY); }

 protected:
  // Hangs the symbol on the carrier of the first point's snap and aims it at
  // the second point; without a carrier the symbol is made all the same,
  // after `message`.
  void PlaceHanging(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, const std::string& message);
};
