#include "Tros.h"

#include "StopLine.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"

bool TTros::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  if (typeCode != SnapRequest::Stick) return false;
  const TRealPoint w = ctx.ScreenToWorld(x, y);
  const TRealPoint q = NearestPointOnSegment(w.x, w.y, X1, Y1, X2, Y2);
  if (!NearScreenPoint(ctx.WorldToScreen(q.x, q.y), x, y, ctx.HitTolerance)) return false;
  X = q.x;
  Y = q.y;
  return true;
}

void TTros::DrawDotted(TDrawContext& ctx, TColor color) {
  SetPen(*ctx.Canvas, color, TPenMode::Copy, 1, TPenStyle::Dot);
  const TPoint p1 = ctx.WorldToScreen(X1, Y1), p2 = ctx.WorldToScreen(X2, Y2);
  ctx.Canvas->Line(p1.x, p1.y, p2.x, p2.y);
}

void TTros::DrawPieces(TDrawContext& ctx, double pieceLength) {
  const TPoint p1 = ctx.WorldToScreen(X1, Y1), p2 = ctx.WorldToScreen(X2, Y2);
  // Capped like the markings' patterns, for a stay from a damaged scheme.
  const int n = RoundedPieces(PointDistance(p1, p2) / pieceLength);
  if (n <= 0) return;
  const double dx = static_cast<double>(p2.x - p1.x) / n, dy = static_cast<double>(p2.y - p1.y) / n;
  for (int i = 0; i < n; ++i) {
    ctx.Canvas->Line(Round(p1.x + i * dx), Round(p1.y + i * dy), Round(p1.x + (i + 1) * dx),
                     Round(p1.y + (i + 1) * dy));
  }
}

void TTros::DrawActive(TDrawContext& ctx) { DrawDotted(ctx, clWhite); }

void TTros::DrawSelected(TDrawContext& ctx) { DrawDotted(ctx, clBlue); }

void TTros::DrawInactive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawPieces(ctx, 14);
}

void TTros::DrawPrint(TDrawContext& ctx) {
  // A print context always carries a line factor; a missing one would ask
  // for pieces of no length.
  const double factor = ctx.LineFactor > 0 ? ctx.LineFactor : 1.0;
  SetPen(*ctx.Canvas, clBlack, TPenMode::Copy, MaxInt(1, Round(factor * 0.1)), TPenStyle::Solid);
  DrawPieces(ctx, 6 * factor);
}
