#pragma once
// A stay: a wire strung between two poles or buildings. Sticks can hang
// anywhere along it.
#include "model/LineSVItem.h"

class TTros : public TLineSVItem {
 public:
  using TLineSVItem::TLineSVItem;

  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  void DrawDotted(TDrawContext& ctx, TColor color);
  // The segment as consecutive straight pieces, one per `pieceLength` pixels
  // (rounded); a stay shorter than half a piece is not drawn.
  void DrawPieces(TDrawContext& ctx, double pieceLength);
};
