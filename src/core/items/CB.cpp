#include "CB.h"

#include <cmath>

#include "SLB.h"
#include "StopLine.h"
#include "model/Geometry.h"

TPoint TArcFrame::At(double radius, double theta, double along) const {
  const double c = std::cos(theta), s = std::sin(theta);
  return TPoint{Round(C.x + radius * c - along * s), Round(C.y + radius * s + along * c)};
}

TArcFrame ArcFrame(TDrawContext& ctx, const TRoundSVItem& item) {
  TArcFrame arc;
  arc.C = ctx.WorldToScreen(item.CX, item.CY);
  arc.E1 = ctx.WorldToScreen(item.X1, item.Y1);
  arc.E2 = ctx.WorldToScreen(item.X2, item.Y2);
  arc.Radius = PointDistance(arc.C, ctx.WorldToScreen(item.RX, item.RY));
  arc.Theta1 = VectorAngle(arc.C.x, arc.C.y, arc.E1.x, arc.E1.y);
  const double theta2 = VectorAngle(arc.C.x, arc.C.y, arc.E2.x, arc.E2.y);
  if (theta2 > arc.Theta1) arc.Theta1 += 2 * kPi;
  arc.Delta = theta2 - arc.Theta1;
  return arc;
}

void DrawArcOf(TCanvas& canvas, const TArcFrame& arc, double radius) {
  const int r = PixelLength(radius);
  if (r <= 0) return;
  canvas.Arc(arc.C.x - r, arc.C.y - r, arc.C.x + r, arc.C.y + r, arc.E1.x, arc.E1.y, arc.E2.x, arc.E2.y);
}

std::vector<TPoint> ArcBand(const TArcFrame& arc, double outer, double inner) {
  std::vector<TPoint> pts;
  const int n = Round(std::fabs(arc.Delta) * 100 / (2 * kPi));
  if (n <= 0) return pts;
  // An inner edge past the centre would fold the band over itself.
  inner = MaxReal(0, inner);
  pts.reserve(2 * static_cast<std::size_t>(n + 1));
  for (int i = 0; i <= n; ++i) pts.push_back(arc.At(outer, arc.Theta1 + i * arc.Delta / n));
  for (int i = n; i >= 0; --i) pts.push_back(arc.At(inner, arc.Theta1 + i * arc.Delta / n));
  return pts;
}

bool TCB::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  return IsCurbCode(typeCode) && TRoundSVItem::FindAnchor(x, y, ctx, typeCode, X, Y);
}

void TCB::DrawActive(TDrawContext& ctx) {
  const TArcFrame arc = ArcFrame(ctx, *this);
  SetCurbPen(*ctx.Canvas, kCurbGrey, 1);
  DrawArcOf(*ctx.Canvas, arc, arc.Radius);
  DrawEndHandles(ctx, arc.E1, arc.E2);
}

void TCB::DrawInactive(TDrawContext& ctx) {
  const TArcFrame arc = ArcFrame(ctx, *this);
  SetCurbPen(*ctx.Canvas, kCurbGrey, 2);
  DrawArcOf(*ctx.Canvas, arc, arc.Radius);
}

void TCB::DrawSelected(TDrawContext& ctx) {
  const TArcFrame arc = ArcFrame(ctx, *this);
  SetCurbPen(*ctx.Canvas, clBlue, 1);
  DrawArcOf(*ctx.Canvas, arc, arc.Radius);
  DrawEndHandles(ctx, arc.E1, arc.E2);
}

void TCB::DrawPrint(TDrawContext& ctx) {
  const TArcFrame arc = ArcFrame(ctx, *this);
  const TCurbPrint form = CurbPrintForm(ctx);
  SetCurbPrintLook(*ctx.Canvas, form);
  if (!form.Band) {
    DrawArcOf(*ctx.Canvas, arc, arc.Radius);
    return;
  }
  const std::vector<TPoint> band = ArcBand(arc, arc.Radius + form.HalfWidth, arc.Radius - form.HalfWidth);
  if (!band.empty()) ctx.Canvas->Polygon(band);
}
