#include "DrawContext.h"

#include <cmath>

#include "Geometry.h"

namespace {

// Screen coordinates stay within what a device context can address (27
// bits), however far a damaged or zoomed scheme puts a point: items add
// their symbol sizes to screen points and take differences of two of them,
// and that must not leave the int range.
constexpr double kScreenLimit = 134217727.0;

int ScreenCoord(double v) { return Round(v < -kScreenLimit ? -kScreenLimit : v > kScreenLimit ? kScreenLimit : v); }

}  // namespace

void TDrawContext::WorldToScreen(double x, double y, int& sx, int& sy) const {
  const double k = BaseScale * Zoom;
  sx = ScreenCoord((x * CosAngle - y * SinAngle) * k + OriginX);
  sy = ScreenCoord((x * SinAngle + y * CosAngle) * k + OriginY);
}

TPoint TDrawContext::WorldToScreen(double x, double y) const {
  TPoint p;
  WorldToScreen(x, y, p.x, p.y);
  return p;
}

void TDrawContext::WorldOffsetToScreen(double x, double y, double dx, double dy, int& sx, int& sy) const {
  const double f = SignScale / Zoom;
  WorldToScreen(x + dx * f, y + dy * f, sx, sy);
}

TPoint TDrawContext::WorldOffsetToScreen(double x, double y, double dx, double dy) const {
  TPoint p;
  WorldOffsetToScreen(x, y, dx, dy, p.x, p.y);
  return p;
}

void TDrawContext::ScreenToWorld(int sx, int sy, double& x, double& y) const {
  const double u = (sx - OriginX) / Zoom;
  const double v = (sy - OriginY) / Zoom;
  x = (u * CosAngle + v * SinAngle) / BaseScale;
  y = (-u * SinAngle + v * CosAngle) / BaseScale;
}

TRealPoint TDrawContext::ScreenToWorld(int sx, int sy) const {
  TRealPoint p;
  ScreenToWorld(sx, sy, p.x, p.y);
  return p;
}

void TDrawContext::Normalize() {
  if (Zoom == 0) Zoom = 1.0;
  if (SignScale == 0) SignScale = 1.0;
  if (ObjectScale == 0) ObjectScale = 1.0;
  if (BaseScale == 0) BaseScale = 1.0;
  CosAngle = std::cos(Angle);
  SinAngle = std::sin(Angle);
  LineFactor = 1.0;
}

void TDrawContext::ZoomAtCentre(double z) {
  if (!(z > 0.05 && z < 21)) return;
  const TRect clip = Canvas ? Canvas->ClipRect() : TRect{0, 0, 0, 0};
  const int cx = Round(RectWidth(clip) * 0.5);
  const int cy = Round(RectHeight(clip) * 0.5);
  OriginX = OriginX + (OriginX - cx) * (z / Zoom - 1);
  OriginY = OriginY + (OriginY - cy) * (z / Zoom - 1);
  Zoom = z;
}

void TDrawContext::ZoomAt(double z, double x, double y) {
  if (!(z > 0.05 && z < 21)) return;
  OriginX = x + (OriginX - x) * (z / Zoom);
  OriginY = y + (OriginY - y) * (z / Zoom);
  Zoom = z;
}

void TDrawContext::FitRect(const TRect& source, const TRect& target) {
  if (!IsValidRect(source)) return;
  const int csx = Round((0.0 + source.Left + source.Right) * 0.5);
  const int csy = Round((0.0 + source.Top + source.Bottom) * 0.5);
  const int ctx = Round((0.0 + target.Left + target.Right) * 0.5);
  const int cty = Round((0.0 + target.Top + target.Bottom) * 0.5);
  OriginX -= csx - ctx;
  OriginY -= csy - cty;
  // A target without area takes the scheme at no zoom, and a source without
  // area fits at any: both are only centred.
  const double th = RectHeight(target), tw = RectWidth(target);
  if (th <= 0 || tw <= 0) return;
  const double f = MaxReal(RectHeight(source) / th, RectWidth(source) / tw);
  if (f <= 0) return;
  const double t = Zoom / f;
  if (!(t > 0.05 && t < 21)) return;
  OriginX = ctx + (OriginX - ctx) / f;
  OriginY = cty + (OriginY - cty) / f;
  Zoom = t;
}

void TDrawContext::FitSettled(const std::function<TRect()>& bounds, const TRect& outer, const TRect& inner) {
  FitRect(bounds(), outer);
  // Each pass scales the scheme by the ratio of the free space to the bounds,
  // but the symbols' share of the bounds does not scale with it, so one pass
  // leaves the scheme too small or too large when the zoom changed much.
  for (int pass = 0; pass < 8; ++pass) {
    const double before = Zoom;
    FitRect(bounds(), inner);
    if (std::fabs(Zoom - before) < 0.001 * before) break;
  }
}

void TDrawContext::AlignBySegments(const std::array<TPoint, 100>& points) {
  TRealPoint w[4];
  for (int i = 0; i < 4; ++i) w[i] = ScreenToWorld(points[i].x, points[i].y);
  const double d1 = Distance(w[0].x, w[0].y, w[1].x, w[1].y);
  const double d2 = Distance(w[2].x, w[2].y, w[3].x, w[3].y);
  if (!(d1 > 0 && d2 > 0)) return;
  BaseScale = BaseScale * d2 / d1;
  Angle = Angle + VectorAngle(w[2].x, w[2].y, w[3].x, w[3].y) - VectorAngle(w[0].x, w[0].y, w[1].x, w[1].y);
  Normalize();
}
