#include "Geometry.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

int Round(double v) {
  if (!(v == v)) return 0;
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(std::nearbyint(v));
}

bool IsValidRect(const TRect& r) { return r.Bottom >= r.Top && r.Right >= r.Left; }

TRect UnionRects(const TRect& a, const TRect& b) {
  const bool va = IsValidRect(a), vb = IsValidRect(b);
  if (va && vb)
    return TRect{MinInt(a.Left, b.Left), MinInt(a.Top, b.Top), MaxInt(a.Right, b.Right),
                 MaxInt(a.Bottom, b.Bottom)};
  if (va) return a;
  if (vb) return b;
  return kEmptyRect;
}

TRect IntersectRects(const TRect& a, const TRect& b) {
  const bool va = IsValidRect(a), vb = IsValidRect(b);
  if (va && vb)
    return TRect{MaxInt(a.Left, b.Left), MaxInt(a.Top, b.Top), MinInt(a.Right, b.Right),
                 MinInt(a.Bottom, b.Bottom)};
  if (va) return a;
  if (vb) return b;
  return kEmptyRect;
}

bool RectsMeet(const TRect& a, const TRect& b) {
  return IsValidRect(a) && IsValidRect(b) && a.Top <= b.Bottom && b.Top <= a.Bottom && a.Left <= b.Right &&
         b.Left <= a.Right;
}

namespace {
// Bounds of items with absurd coordinates reach the ends of the int range;
// their sizes saturate instead of wrapping.
int SaturatedDifference(int a, int b) {
  const long long d = static_cast<long long>(a) - b;
  return d > INT_MAX ? INT_MAX : d < INT_MIN ? INT_MIN : static_cast<int>(d);
}
}  // namespace

int RectWidth(const TRect& r) { return SaturatedDifference(r.Right, r.Left); }
int RectHeight(const TRect& r) { return SaturatedDifference(r.Bottom, r.Top); }

TRect RectFromPoints(int x1, int y1, int x2, int y2) {
  return TRect{MinInt(x1, x2), MinInt(y1, y2), MaxInt(x1, x2), MaxInt(y1, y2)};
}

void SplitRect(const TRect& r, TRect& first, TRect& second) {
  first = r;
  second = r;
  const int w = RectWidth(r), h = RectHeight(r);
  if (h < w) {
    const int x = r.Left + Round(w * 0.5);
    first.Right = x;
    second.Left = x;
  } else {
    const int y = r.Top + Round(h * 0.5);
    first.Bottom = y;
    second.Top = y;
  }
}

int MinInt(int a, int b) { return a < b ? a : b; }
int MaxInt(int a, int b) { return a > b ? a : b; }
double MaxReal(double a, double b) { return a > b ? a : b; }

double PointDistance(TPoint p, TPoint q) {
  const double dx = static_cast<double>(p.x) - q.x, dy = static_cast<double>(p.y) - q.y;
  return std::sqrt(dx * dx + dy * dy);
}

double Distance(double x1, double y1, double x2, double y2) {
  return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

bool InRange(double a, double b, double x) { return a <= b ? (a <= x && x <= b) : (b <= x && x <= a); }

bool RangesOverlap(double a, double b, double c, double d) {
  return InRange(a, b, c) || InRange(a, b, d) || InRange(c, d, a) || InRange(c, d, b);
}

bool PointInRect(int x, int y, const TRect& r) { return InRange(r.Left, r.Right, x) && InRange(r.Top, r.Bottom, y); }

bool NearScreenPoint(TPoint s, int x, int y, int tolerance) {
  return std::llabs(static_cast<long long>(s.x) - x) <= tolerance &&
         std::llabs(static_cast<long long>(s.y) - y) <= tolerance;
}

bool SegmentMeetsRect(const TRect& r, int x1, int y1, int x2, int y2) {
  if (x1 == x2) {
    if (RangesOverlap(y1, y2, r.Top, r.Bottom) && InRange(r.Left, r.Right, x1)) return true;
  } else {
    for (const int ex : {r.Right, r.Left}) {
      if (!InRange(x1, x2, ex)) continue;
      const double y = y1 + (0.0 + y2 - y1) * (0.0 + ex - x1) / (0.0 + x2 - x1);
      if (InRange(r.Top, r.Bottom, y)) return true;
    }
  }
  if (y1 == y2) {
    if (RangesOverlap(x1, x2, r.Left, r.Right) && InRange(r.Top, r.Bottom, y1)) return true;
  } else {
    for (const int ey : {r.Top, r.Bottom}) {
      if (!InRange(y1, y2, ey)) continue;
      const double x = x1 + (0.0 + x2 - x1) * (0.0 + ey - y1) / (0.0 + y2 - y1);
      if (InRange(r.Left, r.Right, x)) return true;
    }
  }
  return PointInRect(x1, y1, r);
}

TRealPoint NearestPointOnSegment(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double len2 = dx * dx + dy * dy;
  TRealPoint f{ax, ay};
  if (len2 > 0) {
    const double t = ((px - ax) * dx + (py - ay) * dy) / len2;
    f = TRealPoint{ax + t * dx, ay + t * dy};
    if ((f.x - bx) * (ax - bx) + (f.y - by) * (ay - by) >= 0 && (f.x - ax) * (bx - ax) + (f.y - ay) * (by - ay) >= 0)
      return f;
  }
  return Distance(px, py, ax, ay) <= Distance(px, py, bx, by) ? TRealPoint{ax, ay} : TRealPoint{bx, by};
}

void DirectionVector(double x1, double y1, double x2, double y2, double length, double& dx, double& dy) {
  const double d = Distance(x1, y1, x2, y2);
  if (d == 0) {
    dx = length;
    dy = 0;
    return;
  }
  dx = length * (x2 - x1) / d;
  dy = length * (y2 - y1) / d;
}

TPoint LocalToScreen(double ox, double oy, double dx, double dy, double across, double along) {
  return TPoint{Round(ox + dx * along - dy * across), Round(oy + dx * across + dy * along)};
}

double VectorAngle(double x1, double y1, double x2, double y2) {
  const double dX = x2 - x1, dY = y2 - y1;
  const double r = dX != 0 ? std::fabs(std::atan(dY / dX)) : kPi / 2;
  if (dX > 0 && dY >= 0) return r;
  if (dX <= 0 && dY >= 0) return dX == 0 && dY == 0 ? kPi / 2 : kPi - r;
  if (dX <= 0 && dY < 0) return kPi + r;
  return 2 * kPi - r;
}

bool AngleWithin(double a, double lo, double hi) { return lo <= a && a <= hi; }

double Cross(double a, double b, double c, double d) { return a * d - b * c; }

void CircleThrough(double x1, double y1, double x2, double y2, double x3, double y3, double& cx, double& cy,
                   double& r) {
  const double t = x1 * (y2 - y3) + x2 * (y3 - y1) + x3 * (y1 - y2);
  double D = 0, E = 0, F = 0;
  if (t != 0) {
    const double s1 = x1 * x1 + y1 * y1, s2 = x2 * x2 + y2 * y2, s3 = x3 * x3 + y3 * y3;
    D = -(s1 * (y2 - y3) + s2 * (y3 - y1) + s3 * (y1 - y2)) / t;
    E = -(x1 * (s2 - s3) + x2 * (s3 - s1) + x3 * (s1 - s2)) / t;
    F = -(x1 * (y2 * s3 - y3 * s2) + x2 * (y3 * s1 - y1 * s3) + x3 * (y1 * s2 - y2 * s1)) / t;
  }
  cx = -D / 2;
  cy = -E / 2;
  const double q = D * D + E * E - 4 * F;
  r = q > 0 ? std::sqrt(q) / 2 : 0.0;
}

void SwapReal(double& a, double& b) {
  const double t = a;
  a = b;
  b = t;
}

void SwapInt(int& a, int& b) {
  const int t = a;
  a = b;
  b = t;
}

void SetBrush(TCanvas& canvas, TColor color, TBrushStyle style) {
  canvas.SetBrushStyle(style);
  canvas.SetBrushColor(color);
}

void SetPen(TCanvas& canvas, TColor color, TPenMode mode, int width, TPenStyle style) {
  canvas.Pen.Style = style;
  canvas.Pen.Color = color;
  canvas.Pen.Width = width;
  canvas.Pen.Mode = mode;
}

std::string FormatCoord(double x) {
  // The map reader takes only numbers: a value that overflowed is written as
  // the largest one and a NaN as 0, so that the entry and every entry after
  // it still read back.
  if (std::isnan(x)) x = 0;
  if (std::isinf(x)) x = x > 0 ? DBL_MAX : -DBL_MAX;
  // Wide enough for the largest double in fixed notation. to_chars gives the
  // digits of "%.5f" without a locale and without the cost of printf, which
  // a save pays for every number of the map.
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 5);
  std::string s(buf, res.ptr);
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s.empty() || s == "-") s = "0";
  return s;
}
