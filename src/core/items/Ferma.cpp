#include "Ferma.h"

#include <cstdlib>
#include <vector>

#include "StopLine.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"
#include "platform/TextFile.h"

namespace {

constexpr TColor kOutline = 0xFFFFFF;
constexpr TColor kSelectedPen = 0xFF0000;
constexpr TColor kBackground = 0x404040;
constexpr std::uint32_t kStickCode = SnapRequest::Stick;

TPoint At(double x, double y) { return TPoint{Round(x), Round(y)}; }

}  // namespace

void TFerma::SaveToText(TTextWriter& f) {
  TLineSVItem::SaveToText(f);
  f.WriteIntLine(Cantilever);
}

void TFerma::LoadFromText(TTextReader& f) {
  TLineSVItem::LoadFromText(f);
  Cantilever = static_cast<int>(f.ReadInt());
  f.SkipLine();
}

bool TFerma::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  if (typeCode != kStickCode) return false;
  const TRealPoint mouse = ctx.ScreenToWorld(x, y);
  const TRealPoint f = NearestPointOnSegment(mouse.x, mouse.y, X1, Y1, X2, Y2);
  const TPoint s = ctx.WorldToScreen(f.x, f.y);
  if (std::abs(s.x - x) > ctx.HitTolerance || std::abs(s.y - y) > ctx.HitTolerance) return false;
  X = f.x;
  Y = f.y;
  return true;
}

double TFerma::HalfWidth(const TDrawContext& ctx) const {
  return Cantilever != 0 ? 4.0 * ctx.SignScale / 3.0 : 2.0 * ctx.SignScale;
}

TRect TFerma::GetBounds(TDrawContext& ctx) {
  // The band and its truss, with half of the printed outline outside it.
  const int pen = MaxInt(1, Round(ctx.LineFactor / 7.0));
  return BandBounds(ctx, TLineSVItem::GetBounds(ctx), HalfWidth(ctx) + 0.5 * pen);
}

void TFerma::DrawTruss(TDrawContext& ctx, TColor pen, int width, TColor fill) {
  TCanvas& c = *ctx.Canvas;
  SetPen(c, pen, TPenMode::Copy, width, TPenStyle::Solid);
  c.SetBrushColor(fill);
  const TPoint p1 = ctx.WorldToScreen(X1, Y1), p2 = ctx.WorldToScreen(X2, Y2);
  const double h = HalfWidth(ctx);
  double ux = 0, uy = 0;
  DirectionVector(p1.x, p1.y, p2.x, p2.y, 1.0, ux, uy);
  const double wx = -uy * h, wy = ux * h;
  c.Polygon(std::vector<TPoint>{At(p1.x + wx, p1.y + wy), At(p1.x - wx, p1.y - wy), At(p2.x - wx, p2.y - wy),
                                At(p2.x + wx, p2.y + wy)});
  if (h <= 0) return;
  // Capped like the markings' patterns, for a gantry from a damaged scheme.
  const int n = RoundedPieces(PointDistance(p1, p2) / (6.0 * h));
  const double dx = p2.x - p1.x, dy = p2.y - p1.y;
  // One V of the truss per panel, its point on the far edge of the band.
  for (int d = 1; d <= n; ++d) {
    const double sx = p1.x + dx * (d - 1) / n, sy = p1.y + dy * (d - 1) / n;
    const double ex = p1.x + dx * d / n, ey = p1.y + dy * d / n;
    const double mx = (sx + ex) / 2, my = (sy + ey) / 2;
    c.Polyline(std::vector<TPoint>{At(sx + wx, sy + wy), At(mx - wx, my - wy), At(ex + wx, ey + wy)});
  }
}

void TFerma::DrawActive(TDrawContext& ctx) { DrawTruss(ctx, kOutline, 1, kBackground); }

void TFerma::DrawInactive(TDrawContext& ctx) { DrawTruss(ctx, kOutline, 1, kBackground); }

void TFerma::DrawSelected(TDrawContext& ctx) { DrawTruss(ctx, kSelectedPen, 1, kBackground); }

void TFerma::DrawPrint(TDrawContext& ctx) {
  DrawTruss(ctx, clBlack, MaxInt(1, Round(ctx.LineFactor / 7.0)), clWhite);
}
