#pragma once
// A cable run between two end points, drawn as a chain of equal pieces whose
// symbol and colour tell the cable type. Wells, poles and controllers are set
// on cables, and cables start from the ends or points of other cables.
#include <cstdint>
#include <memory>

#include "LinedText.h"
#include "model/LineSVItem.h"

// The drawing and label colour of a cable type; grey for a type without a symbol.
TColor CableColor(std::uint8_t cableType);

class TECable : public TLineSVItem {
 public:
  using TLineSVItem::TLineSVItem;

  // 0 power, 1 control, 2 communication line; 3, 4, 5 the same on overhead
  // wires. Other values are kept as read and drawn grey.
  std::uint8_t CableType = 0;
  std::unique_ptr<TLinedText> Label;

  TRect GetBounds(TDrawContext& ctx) override;
  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;
  TColor TextColor() override;

 private:
  struct TLook {
    double SymbolSize;
    double PieceLength;
    TColor Pen;
    int PenWidth;
    TColor Fill;
  };
  void DrawRun(TDrawContext& ctx, const TLook& look);
  void DrawHandles(TDrawContext& ctx, TColor fill);
};
