#include "PedLine.h"

#include "StopLine.h"
#include "model/Geometry.h"

void TPedLine::DrawDashes(TDrawContext& ctx) {
  const TLineFrame f = LineFrame(ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
  // Dashes 12 units long and 4 wide, every 20 units, each ending on a
  // division point of the line; the first division is one step from P1.
  const double x = 4 * RealPixels(ctx, *this);
  const double step = MaxReal(3, 5 * x);
  const int n = RoundedPieces(f.Length / step);
  for (int i = 1; i <= n; ++i) {
    const TLineFrame c = f.MovedTo(i * f.Length / n);
    DrawQuad(*ctx.Canvas, c.At(0, -0.5 * x), c.At(0, 0.5 * x), c.At(-3 * x, 0.5 * x), c.At(-3 * x, -0.5 * x));
  }
}

TRect TPedLine::GetBounds(TDrawContext& ctx) {
  const TPoint p1 = ctx.WorldToScreen(X1, Y1), p2 = ctx.WorldToScreen(X2, Y2);
  const double x = 4 * RealPixels(ctx, *this);
  const double length = PointDistance(p1, p2);
  const int n = RoundedPieces(length / MaxReal(3, 5 * x));
  // Half a dash's width on either side; on a line shorter than a dash the
  // first dash also reaches back past the line's start.
  double reach = 0.5 * x;
  if (n > 0) reach += MaxReal(0, 3 * x - length / n);
  return BandBounds(ctx, TLineSVItem::GetBounds(ctx), reach);
}

void TPedLine::DrawActive(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Active);
  DrawDashes(ctx);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TPedLine::DrawInactive(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Inactive);
  DrawDashes(ctx);
}

void TPedLine::DrawSelected(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Selected);
  DrawDashes(ctx);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TPedLine::DrawPrint(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Print);
  DrawDashes(ctx);
}
