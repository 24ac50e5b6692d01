#include "RoundSVItem.h"

#include <cmath>
#include <utility>

#include "Geometry.h"
#include "platform/TextFile.h"

namespace {

constexpr TColor kRubberColor = 0x10FFFF;
// The screen coordinates a device context can address (27 bits).
constexpr double kDeviceRange = 134217727.0;

TRealPoint PlacedPoint(const TDrawContext& ctx, const TPoint& p, const TSnapEntry& snap) {
  return snap.Found ? TRealPoint{snap.X, snap.Y} : ctx.ScreenToWorld(p.x, p.y);
}

// The clicks are stored in single precision before the circle is fitted,
// so the centre does not depend on noise below what the file keeps.
double Single(double v) { return static_cast<double>(static_cast<float>(v)); }

// Does Q lie on the arc that runs clockwise on the screen (increasing
// angle, y pointing down) from P0 to P1 around C?
bool OnClockwiseArc(TPoint c, TPoint p0, TPoint p1, TPoint q) {
  const double ax = p0.x - c.x, ay = p0.y - c.y;
  const double bx = p1.x - c.x, by = p1.y - c.y;
  const double qx = q.x - c.x, qy = q.y - c.y;
  const double c1 = Cross(ax, ay, qx, qy);  // > 0: Q clockwise of P0
  const double c2 = Cross(ax, ay, bx, by);  // > 0: P1 clockwise of P0
  const double c3 = Cross(bx, by, qx, qy);  // > 0: Q clockwise of P1
  if (c2 > 0) return c1 > 0 && c3 < 0;
  if (c2 < 0) return !(c3 > 0 && c1 < 0);
  return c1 > 0;
}

}  // namespace

double TRoundSVItem::Radius() const { return Distance(CX, CY, RX, RY); }

TRect TRoundSVItem::GetBounds(TDrawContext& ctx) {
  const TPoint c = ctx.WorldToScreen(CX, CY);
  const TPoint rp = ctx.WorldToScreen(RX, RY);
  const TPoint e1 = ctx.WorldToScreen(X1, Y1), e2 = ctx.WorldToScreen(X2, Y2);
  const int r = Round(PointDistance(c, rp));
  const double a = VectorAngle(c.x, c.y, e2.x, e2.y);
  double b = VectorAngle(c.x, c.y, e1.x, e1.y);
  if (a > b) b += 2 * kPi;
  TRect bounds = RectFromPoints(e1.x, e1.y, e2.x, e2.y);
  // The extreme points of the circle the arc passes. A span that wraps past
  // direction 0 reaches up to 4*pi, so each direction is also tried one turn on.
  const struct {
    double angle;
    int dx, dy;
  } extremes[] = {{2 * kPi, r, 0}, {kPi / 2, 0, r}, {kPi, -r, 0}, {3 * kPi / 2, 0, -r}};
  for (const auto& e : extremes) {
    if (AngleWithin(e.angle, a, b) || AngleWithin(e.angle + 2 * kPi, a, b)) {
      const int x = Round(0.0 + c.x + e.dx), y = Round(0.0 + c.y + e.dy);
      bounds = UnionRects(bounds, TRect{x, y, x, y});
    }
  }
  return bounds;
}

void TRoundSVItem::SaveToText(TTextWriter& f) {
  WriteRealPair(f, CX, CY);
  WriteRealPair(f, RX, RY);
  WriteRealPair(f, X1, Y1);
  WriteRealPair(f, X2, Y2);
}

void TRoundSVItem::LoadFromText(TTextReader& f) {
  ReadRealPair(f, CX, CY);
  ReadRealPair(f, RX, RY);
  ReadRealPair(f, X1, Y1);
  ReadRealPair(f, X2, Y2);
}

bool TRoundSVItem::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const TPoint a = ctx.WorldToScreen(X1, Y1), b = ctx.WorldToScreen(X2, Y2);
  Selected = SegmentMeetsRect(r, a.x, a.y, b.x, b.y);
  return Selected;
}

bool TRoundSVItem::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t, double& X, double& Y) {
  return FindLineEnd(x, y, ctx, X, Y);
}

bool TRoundSVItem::FindLineEnd(int x, int y, TDrawContext& ctx, double& X, double& Y) {
  bool found = false;
  const double ends[2][2] = {{X1, Y1}, {X2, Y2}};
  for (const auto& e : ends) {
    if (NearScreenPoint(ctx.WorldToScreen(e[0], e[1]), x, y, ctx.HitTolerance)) {
      X = e[0];
      Y = e[1];
      found = true;
    }
  }
  return found;
}

void TRoundSVItem::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int) {
  const TRealPoint p1 = PlacedPoint(ctx, pts[0], snap[0]);
  const TRealPoint p2 = PlacedPoint(ctx, pts[1], snap[1]);
  const TRealPoint q = ctx.ScreenToWorld(pts[2].x, pts[2].y);
  X1 = p1.x;
  Y1 = p1.y;
  X2 = p2.x;
  Y2 = p2.y;
  double cx = 0, cy = 0, r = 0;
  CircleThrough(Single(q.x), Single(q.y), Single(X1), Single(Y1), Single(X2), Single(Y2), cx, cy, r);
  CX = cx;
  CY = cy;
  RX = cx + r;
  RY = cy;
  // The stored arc runs from end 2 with increasing angle to end 1; swap the
  // ends when that arc would miss the third click.
  const TPoint c = ctx.WorldToScreen(CX, CY);
  const double a1 = VectorAngle(c.x, c.y, pts[0].x, pts[0].y);
  const double a2 = VectorAngle(c.x, c.y, pts[1].x, pts[1].y);
  const double aq = VectorAngle(c.x, c.y, pts[2].x, pts[2].y);
  if ((a2 > a1 && AngleWithin(aq, a1, a2)) || (a2 < a1 && !AngleWithin(aq, a2, a1))) {
    SwapReal(X1, X2);
    SwapReal(Y1, Y2);
  }
}

void TRoundSVItem::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int mode) {
  TCanvas& cv = *ctx.Canvas;
  SetPen(cv, kRubberColor, TPenMode::Xor, 1, TPenStyle::Solid);
  if (mode == 1) {
    cv.Line(pts[0].x, pts[0].y, pts[1].x, pts[1].y);
    return;
  }
  if (mode != 2 || pts[2] == pts[0] || pts[2] == pts[1]) return;
  double fx = 0, fy = 0, fr = 0;
  CircleThrough(pts[0].x, pts[0].y, pts[1].x, pts[1].y, pts[2].x, pts[2].y, fx, fy, fr);
  // Three clicks all but on one line give a circle far beyond what a device
  // context addresses; its centre mark and box would overflow the screen
  // coordinates, and the arc would show as the chord anyway.
  if (std::fabs(fx) + fr > kDeviceRange || std::fabs(fy) + fr > kDeviceRange) return;
  const TPoint c{Round(fx), Round(fy)};
  const int r = Round(fr);
  const TPoint square[] = {{c.x - 2, c.y - 2}, {c.x + 2, c.y - 2}, {c.x + 2, c.y + 2}, {c.x - 2, c.y + 2},
                           {c.x - 2, c.y - 2}};
  cv.Polyline(square, 5);
  if (r <= 0) return;
  // The canvas draws arcs counter-clockwise; from P1 back to P0 that passes
  // Q exactly when Q lies on the clockwise arc from P0 to P1.
  TPoint start = pts[1], end = pts[0];
  if (!OnClockwiseArc(c, pts[0], pts[1], pts[2])) std::swap(start, end);
  cv.Arc(c.x - r, c.y - r, c.x + r, c.y + r, start.x, start.y, end.x, end.y);
}
