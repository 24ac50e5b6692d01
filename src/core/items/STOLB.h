#pragma once
// A pole: a round symbol at one world point, the object's own or a foreign
// one, with an optional two-line label. Cables, sticks, gantries and stays
// attach to it.
#include <memory>

#include "items/LinedText.h"
#include "model/SVItem.h"

class TSTOLB : public TSVItem {
 public:
  using TSVItem::TSVItem;

  double X = 0, Y = 0;
  bool Own = false;
  std::unique_ptr<TLinedText> Label;

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;
  TColor TextColor() override { return clWhite; }

 private:
  void DrawDisc(TDrawContext& ctx, int radius);
};

// A filled square of half side HitTolerance around p: the handles of the editor.
void DrawHandleSquare(TDrawContext& ctx, TPoint p, TColor color);
