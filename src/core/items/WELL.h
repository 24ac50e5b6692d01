#pragma once
// A cable well: a small circle at its centre, drawn at its real size or at
// symbol size, whichever is larger. Cables run from well to well.
#include <cstdint>
#include <memory>

#include "SVText.h"
#include "model/SVItem.h"

class TWELL : public TSVItem {
 public:
  using TSVItem::TSVItem;

  // World coordinates of the centre.
  double X = 0, Y = 0;
  std::unique_ptr<TSVText> Label;

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& AX, double& AY) override;
  void PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int count) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;
  void DrawPrint(TDrawContext& ctx) override;
  TColor TextColor() override;

  // The radius of the circle in pixels. `printExtra` is the print line
  // factor (0 on screen), which keeps a printed well visible at any scale.
  int Radius(const TDrawContext& ctx, double printExtra) const;

 private:
  void DrawCircle(TDrawContext& ctx, TColor pen, int width, TColor fill, double printExtra);
};
