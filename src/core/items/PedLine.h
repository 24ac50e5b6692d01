#pragma once
// The dashed border line of a pedestrian crossing, painted at real size.
#include "model/LineSVItem.h"

class TPedLine : public TLineSVItem {
 public:
  using TLineSVItem::TLineSVItem;

  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;
  TRect GetBounds(TDrawContext& ctx) override;

 private:
  void DrawDashes(TDrawContext& ctx);
};
