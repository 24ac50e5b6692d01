#pragma once
// A vehicle head: a half-disc facing its aim point, optionally with an
// arrow in its face, showing the signal of one direction.
#include <cstdint>

#include "items/Head.h"

class TCarHead : public THead {
 public:
  using THead::THead;

  TSVNapr* Napr = nullptr;
  // 0 none, 1 straight, 2 left, 3 left and straight, 4 right, 5 right and straight.
  std::uint8_t ArrowKind = 0;

  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  // Body with the canvas's pen, filled with `body`; then the arrow in `arrow`.
  void DrawHead(TDrawContext& ctx, TColor body, TColor arrow, bool arrowPen);
  void DrawArrow(TDrawContext& ctx, const THeadFrame& f);
};
