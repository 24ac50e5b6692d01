#pragma once
// A gantry: a steel truss over the carriageway from P1 to P2, either a
// portal resting on two supports or a cantilever arm fixed at one. Sticks
// (and the heads and signs on them) hang on its centre line.
#include <cstdint>

#include "model/LineSVItem.h"

class TFerma : public TLineSVItem {
 public:
  using TLineSVItem::TLineSVItem;

  // 0: portal; 1: cantilever.
  int Cantilever = 0;

  void SaveToText(TTextWriter& f) override;
  void LoadFromText(TTextReader& f) override;
  bool FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) override;
  void DrawActive(TDrawContext& ctx) override;
  void DrawInactive(TDrawContext& ctx) override;
  void DrawSelected(TDrawContext& ctx) override;
  void DrawPrint(TDrawContext& ctx) override;
  TRect GetBounds(TDrawContext& ctx) override;

  // Half the width of the truss band in pixels: a cantilever is two thirds
  // as wide as a portal.
  double HalfWidth(const TDrawContext& ctx) const;

 private:
  void DrawTruss(TDrawContext& ctx, TColor pen, int width, TColor fill);
};
