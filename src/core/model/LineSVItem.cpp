#include "LineSVItem.h"

#include "Geometry.h"
#include "platform/TextFile.h"

namespace {

// The colour of placement feedback; drawn with an XOR pen so that drawing
// it twice leaves the picture as it was.
constexpr TColor kRubberColor = 0x10FFFF;

// The world point a placement click stands for: the snapped point if the
// click snapped, otherwise the point under the cursor.
TRealPoint PlacedPoint(const TDrawContext& ctx, const TPoint& p, const TSnapEntry& snap) {
  return snap.Found ? TRealPoint{snap.X, snap.Y} : ctx.ScreenToWorld(p.x, p.y);
}

}  // namespace

TRect TLineSVItem::GetBounds(TDrawContext& ctx) {
  const TPoint a = ctx.WorldToScreen(X1, Y1), b = ctx.WorldToScreen(X2, Y2);
  return RectFromPoints(a.x, a.y, b.x, b.y);
}

void TLineSVItem::SaveToText(TTextWriter& f) {
  WriteRealPair(f, X1, Y1);
  WriteRealPair(f, X2, Y2);
}

void TLineSVItem::LoadFromText(TTextReader& f) {
  ReadRealPair(f, X1, Y1);
  ReadRealPair(f, X2, Y2);
}

bool TLineSVItem::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const TPoint a = ctx.WorldToScreen(X1, Y1), b = ctx.WorldToScreen(X2, Y2);
  Selected = SegmentMeetsRect(r, a.x, a.y, b.x, b.y);
  return Selected;
}

void TLineSVItem::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int) {
  const TRealPoint a = PlacedPoint(ctx, pts[0], snap[0]);
  const TRealPoint b = PlacedPoint(ctx, pts[1], snap[1]);
  X1 = a.x;
  Y1 = a.y;
  X2 = b.x;
  Y2 = b.y;
}

void TLineSVItem::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int) {
  TCanvas& c = *ctx.Canvas;
  SetPen(c, kRubberColor, TPenMode::Xor, 1, TPenStyle::Solid);
  c.Line(pts[0].x, pts[0].y, pts[1].x, pts[1].y);
}

bool TLineSVItem::FindLineEnd(int x, int y, TDrawContext& ctx, double& X, double& Y) {
  bool found = false;
  const double ends[2][2] = {{X1, Y1}, {X2, Y2}};
  for (const auto& e : ends) {
    const TPoint s = ctx.WorldToScreen(e[0], e[1]);
    if (NearScreenPoint(s, x, y, ctx.HitTolerance)) {
      X = e[0];
      Y = e[1];
      found = true;
    }
  }
  return found;
}
