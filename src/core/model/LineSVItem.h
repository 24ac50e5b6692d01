#pragma once
// An item that is one straight segment between two world points.
#include "SVItem.h"

class TLineSVItem : public TSVItem {
 public:
  using TSVItem::TSVItem;
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;

  // The end point under the screen point within HitTolerance (the second
  // end wins when both qualify).
  bool FindLineEnd(int x, int y, TDrawContext& ctx, double& X, double& Y);
};
