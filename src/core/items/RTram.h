#pragma once
// A curved piece of tram track: rails along two arcs, sleepers along the radius.
#include <cstdint>

#include "model/RoundSVItem.h"

class TRTram : public TRoundSVItem {
 public:
  using TRoundSVItem::TRoundSVItem;

  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  TRect GetBounds(TDrawContext& ctx) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  void DrawNormal(TDrawContext& ctx, TColor color);
  void DrawBanded(TDrawContext& ctx);
};
