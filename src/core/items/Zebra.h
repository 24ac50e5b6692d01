#pragma once
// A zebra crossing: a row of stripes across its centre line, painted at real size.
#include "model/LineSVItem.h"

class TZebra : public TLineSVItem {
 public:
  using TLineSVItem::TLineSVItem;

  // A zebra is laid across the road where the user clicks, never snapped.
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  TRect GetBounds(TDrawContext& ctx) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  void DrawStripes(TDrawContext& ctx);
};
