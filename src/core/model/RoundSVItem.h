#pragma once
// An item that is a circular arc: from the direction of the second end point
// clockwise on the screen to the direction of the first.
#include "SVItem.h"

class TRoundSVItem : public TSVItem {
 public:
  using TSVItem::TSVItem;
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  double CX = 0, CY = 0;
  // The point of the circle in direction 0 from the centre: records the radius.
  double RX = 0, RY = 0;

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;

  bool FindLineEnd(int x, int y, TDrawContext& ctx, double& X, double& Y);
  double Radius() const;
};
