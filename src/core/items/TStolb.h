#pragma once
// A stand: a free-standing sign post drawn as a short cross bar at its foot
// and an arm whose end (in symbol units from the foot) carries sticks,
// heads and signs.
#include "model/SVItem.h"

class TTStolb : public TSVItem {
 public:
  using TSVItem::TSVItem;

  double X = 0, Y = 0;
  double DX = 0, DY = 0;

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  bool FindAnchorEx(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& AX, double& AY, double& X2,
                    double& Y2) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  TPoint FootPoint(const TDrawContext& ctx) const { return ctx.WorldToScreen(X, Y); }
  TPoint ArmEnd(const TDrawContext& ctx) const { return ctx.WorldOffsetToScreen(X, Y, DX, DY); }
};
