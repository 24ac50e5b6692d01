#include "Zebra.h"

#include "StopLine.h"
#include "model/Geometry.h"

void TZebra::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord&, int) {
  ctx.ScreenToWorld(pts[0].x, pts[0].y, X1, Y1);
  ctx.ScreenToWorld(pts[1].x, pts[1].y, X2, Y2);
}

void TZebra::DrawStripes(TDrawContext& ctx) {
  const TLineFrame f = LineFrame(ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
  // Stripes 5 units along the line and 50 across, about 14.7 units apart,
  // the first and the last on the two ends.
  const double x = 25 * RealPixels(ctx, *this);
  const double pitch = x * 10 / 17;
  if (!(pitch > 0)) return;
  // Too short for one gap: the stripe positions would divide by zero.
  const int n = RoundedPieces(f.Length / pitch);
  if (n <= 0) return;
  for (int i = 0; i <= n; ++i) {
    const TLineFrame c = f.MovedTo(i * f.Length / n);
    DrawQuad(*ctx.Canvas, c.At(0.1 * x, -x), c.At(0.1 * x, x), c.At(-0.1 * x, x), c.At(-0.1 * x, -x));
  }
}

void TZebra::DrawActive(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Active);
  DrawStripes(ctx);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TZebra::DrawInactive(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Inactive);
  DrawStripes(ctx);
}

void TZebra::DrawSelected(TDrawContext& ctx) {
  // White outlines on blue: the stripes stay readable as stripes when selected.
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  SetBrush(*ctx.Canvas, clBlue, TBrushStyle::Solid);
  DrawStripes(ctx);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TZebra::DrawPrint(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Print);
  DrawStripes(ctx);
}

TRect TZebra::GetBounds(TDrawContext& ctx) {
  return BandBounds(ctx, TLineSVItem::GetBounds(ctx), 25 * RealPixels(ctx, *this));
}
