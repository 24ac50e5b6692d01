#include "MarkArrow.h"

#include <vector>

#include "StopLine.h"
#include "model/Geometry.h"
#include "platform/TextFile.h"

namespace {
// Outline vertices in arrow lengths: along the arrow from the base, and
// across it, negative towards the left of the traffic.
struct TArrowVertex {
  double Along;
  double Across;
};

constexpr TArrowVertex kStraight[] = {{0, -0.02}, {0.65, -0.02}, {0.65, -0.12}, {1, 0},
                                      {0.65, 0.12}, {0.65, 0.02}, {0, 0.02}};
constexpr TArrowVertex kLeft[] = {{0, -0.02},  {0.58, -0.02}, {0.7, -0.25}, {0.6, -0.25}, {0.8, -0.35},
                                  {1, -0.25}, {0.9, -0.25},  {0.75, 0.02}, {0, 0.02}};
constexpr TArrowVertex kStraightLeft[] = {{0, 0.02},     {0.65, 0.02},  {0.65, 0.12}, {1, 0},
                                          {0.65, -0.12}, {0.65, -0.02}, {0.3, -0.02}, {0.4, -0.25},
                                          {0.5, -0.25},  {0.3, -0.35},  {0.1, -0.25}, {0.2, -0.25},
                                          {0.1, -0.02},  {0, -0.02}};

struct TArrowShape {
  const TArrowVertex* Vertices;
  int Count;
  // Right-hand arrows are the left-hand ones mirrored across the arrow's axis.
  double Side;
};

template <int N>
constexpr TArrowShape Shape(const TArrowVertex (&v)[N], double side) {
  return TArrowShape{v, N, side};
}

constexpr TArrowShape kShapes[] = {Shape(kStraight, 1), Shape(kLeft, 1), Shape(kLeft, -1), Shape(kStraightLeft, 1),
                                   Shape(kStraightLeft, -1)};
constexpr int kShapeCount = static_cast<int>(sizeof kShapes / sizeof kShapes[0]);
}  // namespace

TRect TMarkArrow::GetBounds(TDrawContext& ctx) {
  const TPoint p = ctx.WorldToScreen(BaseX, BaseY);
  const int h = PixelLength(64 * RealPixels(ctx, *this));
  return TRect{p.x - h, p.y - h, p.x + h, p.y + h};
}

void TMarkArrow::SaveToText(TTextWriter& f) {
  WriteRealPair(f, BaseX, BaseY);
  WriteRealPair(f, AimX, AimY);
  f.WriteIntLine(ArrowKind);
}

void TMarkArrow::LoadFromText(TTextReader& f) {
  ReadRealPair(f, BaseX, BaseY);
  ReadRealPair(f, AimX, AimY);
  ArrowKind = static_cast<std::int32_t>(f.ReadInt());
  f.SkipLine();
}

bool TMarkArrow::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const TPoint p = ctx.WorldToScreen(BaseX, BaseY);
  Selected = PointInRect(p.x, p.y, r);
  return Selected;
}

void TMarkArrow::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int) {
  if (snap[0].Found) {
    BaseX = snap[0].X;
    BaseY = snap[0].Y;
  } else {
    ctx.ScreenToWorld(pts[0].x, pts[0].y, BaseX, BaseY);
  }
  ctx.ScreenToWorld(pts[1].x, pts[1].y, AimX, AimY);
}

void TMarkArrow::DrawArrow(TDrawContext& ctx) {
  if (ArrowKind < 0 || ArrowKind >= kShapeCount) return;
  const TArrowShape& shape = kShapes[ArrowKind];
  const TLineFrame f = LineFrame(ctx.WorldToScreen(BaseX, BaseY), ctx.WorldToScreen(AimX, AimY));
  const double x = 64 * RealPixels(ctx, *this);
  std::vector<TPoint> pts;
  pts.reserve(static_cast<std::size_t>(shape.Count));
  for (int i = 0; i < shape.Count; ++i)
    pts.push_back(f.At(shape.Vertices[i].Along * x, shape.Side * shape.Vertices[i].Across * x));
  ctx.Canvas->Polygon(pts);
}

void TMarkArrow::DrawActive(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Active);
  DrawArrow(ctx);
}

void TMarkArrow::DrawInactive(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Inactive);
  DrawArrow(ctx);
}

void TMarkArrow::DrawSelected(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Selected);
  DrawArrow(ctx);
}

void TMarkArrow::DrawPrint(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Print);
  DrawArrow(ctx);
}

void TMarkArrow::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int) {
  // A plain arrow outline of the lane arrow's length while the direction is chosen.
  const TPoint p = pts[0];
  double ux = 0, uy = 0;
  DirectionVector(p.x, p.y, pts[1].x, pts[1].y, 64 * ctx.Zoom * ctx.ObjectScale, ux, uy);
  const double wx = -uy, wy = ux;
  auto at = [&](double a, double c) { return TPoint{Round(p.x + a * ux + c * wx), Round(p.y + a * uy + c * wy)}; };
  SetPen(*ctx.Canvas, 0x10FFFF, TPenMode::Xor, 1, TPenStyle::Solid);
  ctx.Canvas->Polyline(std::vector<TPoint>{at(0, 0), at(1, 0), at(0.8, 0.2), at(0.8, -0.2), at(1, 0)});
}
