#pragma once
// A lane arrow painted on the carriageway: the directions allowed from its
// lane, 64 units long at real size, from its base point towards its aim point.
#include <cstdint>

#include "model/SVItem.h"

class TMarkArrow : public TSVItem {
 public:
  using TSVItem::TSVItem;

  double BaseX = 0, BaseY = 0;
  // Only the direction from the base point to the aim point counts.
  double AimX = 0, AimY = 0;
  // 0 straight only, 1 left, 2 right, 3 straight and left, 4 straight and
  // right; any other kind is kept as read and draws nothing.
  std::int32_t ArrowKind = 0;

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  void DrawArrow(TDrawContext& ctx);
};
