#pragma once
// A roadside cabinet: a controller, a telephone box or a power board, drawn
// as a symbol oriented by a second point, with an optional plain label.
// Cables attach to it.
#include <cstdint>
#include <memory>

#include "items/SVText.h"
#include "model/SVItem.h"

enum : std::uint8_t { kCabinetController = 0, kCabinetTelephone = 1, kCabinetPowerBoard = 2 };

class TContr : public TSVItem {
 public:
  using TSVItem::TSVItem;

  double X = 0, Y = 0;
  // Only the direction from the position to this point matters.
  double DirX = 0, DirY = 0;
  std::uint8_t Kind = kCabinetController;
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
  TColor TextColor() override { return 0x10FFFF; }

 private:
  // The symbol of the kind at b, oriented towards a, with the canvas's pen and brush.
  void DrawSymbol(TDrawContext& ctx, TPoint b, TPoint a) const;
  void DrawOnScreen(TDrawContext& ctx, bool clearFill, TColor fill, bool handle);
};
