#pragma once
// The common part of signal heads: a symbol hanging on a stick, facing its
// aim point, with an optional label. Heads refer to the traffic directions
// of the passport and paint themselves in their current signal colour.
#include <memory>
#include <string>

#include "items/SVText.h"
#include "model/AirSVItem.h"

class TSVNapr;

// The frame a head symbol is drawn in: B, the vector u along the head
// (towards the aim point) and u turned a quarter turn towards screen +y.
struct THeadFrame {
  double Bx = 0, By = 0;
  double Ux = 0, Uy = 0;
  // The point B + along*u + across*w.
  TRealPoint Point(double along, double across) const {
    return TRealPoint{Bx + along * Ux - across * Uy, By + along * Uy + across * Ux};
  }
  // The same point rounded to whole pixels.
  TPoint At(double along, double across) const;
  // The box of the circle of radius r around the point (along, across).
  TRect CircleBox(double along, double across, double r) const;
};

class THead : public TAirSVItem {
 public:
  using TAirSVItem::TAirSVItem;

  std::unique_ptr<TSVText> Label;

  TRect GetBounds(TDrawContext& ctx) override;
  bool SelectInRect(TDrawContext& ctx, const TRect& r) override;
  void DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) override;
  TColor TextColor() override { return clWhite; }

  // The width of a head symbol in pixels: 12 symbol units.
  static double SymbolSize(const TDrawContext& ctx) { return 12 * ctx.SignScale; }
  static THeadFrame FrameAt(TPoint b, TPoint a, double length);
  THeadFrame Frame(const TDrawContext& ctx, double length) const {
    return FrameAt(BasePoint(ctx), AimPoint(ctx), length);
  }

 protected:
  // How far the body reaches from B along u, in symbol widths.
  virtual double BodyDepth() const { return 1.0; }

  // The vehicle half-disc: radius s around B + u, its arc through B.
  static void DrawHalfDisc(TDrawContext& ctx, const THeadFrame& f, double s);

  // The direction named in a stored line, from the passport's direction set.
  TSVNapr* ResolveNapr(const std::string& name) const;
  // The reference while its direction is still in the passport; a direction
  // removed from the table since leaves the head without one.
  TSVNapr* LiveNapr(TSVNapr* napr) const;
  // The stored line of a direction reference.
  std::string NaprLine(TSVNapr* napr) const;
  void SaveHeadLabel(TTextWriter& f);
  void LoadHeadLabel(TTextReader& f);
  void DrawLabelActive(TDrawContext& ctx) {
    if (Label) Label->DrawActive(ctx);
  }
  void DrawLabelInactive(TDrawContext& ctx) {
    if (Label) Label->DrawInactive(ctx);
  }
  void DrawLabelSelected(TDrawContext& ctx) {
    if (Label) Label->DrawSelected(ctx);
  }
  void DrawLabelPrint(TDrawContext& ctx) {
    if (Label) Label->DrawPrint(ctx);
  }
};

// The colour of a direction's signal, dark grey when there is no direction.
TColor SignalColorOf(const TSVNapr* napr);
