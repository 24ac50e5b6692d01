#pragma once
// A thin lane line: solid, long dashes, short dashes or double, painted at real size.
#include <cstdint>

#include "model/LineSVItem.h"

class TSingleLine : public TLineSVItem {
 public:
  using TLineSVItem::TLineSVItem;

  // 0 solid, 1 long dashes, 2 short dashes, 3 double; any other kind is kept
  // as read and draws nothing.
  std::uint8_t LineKind = 0;

  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  // Stop lines and lane lines join end to end.
  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  TRect GetBounds(TDrawContext& ctx) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  void DrawLine(TDrawContext& ctx);
};
