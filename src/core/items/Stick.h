#pragma once
// A stick: the straight connecting line that hangs on a pole, stay, gantry,
// building, stand or another stick, and that heads and signs hang on. Both
// ends are offsets in symbol units from the carrier's point, so the stick
// keeps its length on screen whatever the zoom.
#include "model/AirSVItem.h"

class TStick : public TAirSVItem {
 public:
  using TAirSVItem::TAirSVItem;

  TRect GetBounds(TDrawContext& ctx) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  bool FindAnchorEx(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y, double& X2,
                    double& Y2) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;
  void DrawPrint(TDrawContext& ctx) override;

 private:
  void DrawSegment(TDrawContext& ctx);
  void DrawWithHandles(TDrawContext& ctx, TColor pen);
};

// Whether a hanging item of this type code may hang on a stick or a stand:
// another stick, a signal head or a road sign.
bool HangsOnCarrier(std::uint32_t typeCode);
