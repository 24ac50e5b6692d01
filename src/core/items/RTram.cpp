#include "RTram.h"

#include <cmath>
#include <vector>

#include "CB.h"
#include "SLB.h"
#include "StopLine.h"
#include "Tram.h"
#include "model/Geometry.h"

namespace {
// Sleepers about one gauge-half apart along the centre arc, one at each end.
int SleeperCount(const TArcFrame& arc, double a) {
  return a > 0 ? TruncatedPieces(std::fabs(arc.Radius * arc.Delta) / a) : 0;
}
}  // namespace

bool TRTram::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  return IsTrackCode(typeCode) && TRoundSVItem::FindAnchor(x, y, ctx, typeCode, X, Y);
}

void TRTram::DrawNormal(TDrawContext& ctx, TColor color) {
  TCanvas& canvas = *ctx.Canvas;
  const TArcFrame arc = ArcFrame(ctx, *this);
  const double a = TrackHalfGauge(ctx, *this);
  SetPen(canvas, color, TPenMode::Copy, RailPenWidth(a), TPenStyle::Solid);
  DrawArcOf(canvas, arc, arc.Radius + a);
  DrawArcOf(canvas, arc, arc.Radius - a);
  const int k = SleeperCount(arc, a);
  if (k <= 0) return;
  SetPen(canvas, color, TPenMode::Copy, SleeperPenWidth(a), TPenStyle::Solid);
  const double s = kSleeperReach * a;
  for (int j = 0; j <= k; ++j) {
    const double theta = arc.Theta1 + j * arc.Delta / k;
    DrawSegment(canvas, arc.At(arc.Radius + s, theta), arc.At(arc.Radius - s, theta));
  }
}

void TRTram::DrawBanded(TDrawContext& ctx) {
  TCanvas& canvas = *ctx.Canvas;
  const TArcFrame arc = ArcFrame(ctx, *this);
  const double a = TrackHalfGauge(ctx, *this);
  SetTrackBandLook(canvas);
  const int k = SleeperCount(arc, a);
  const double s = kSleeperReach * a, half = a / 8, r = arc.Radius;
  for (int j = 0; k > 0 && j <= k; ++j) {
    const double theta = arc.Theta1 + j * arc.Delta / k;
    DrawQuad(canvas, arc.At(r - s, theta, -half), arc.At(r - s, theta, half), arc.At(r + s, theta, half),
             arc.At(r + s, theta, -half));
  }
  for (const double side : {a, -a}) {
    const std::vector<TPoint> band = ArcBand(arc, r + side + a / 16, r + side - a / 16);
    if (!band.empty()) canvas.Polygon(band);
  }
}

void TRTram::DrawActive(TDrawContext& ctx) {
  DrawNormal(ctx, kCurbGrey);
  const TArcFrame arc = ArcFrame(ctx, *this);
  DrawEndHandles(ctx, arc.E1, arc.E2);
}

void TRTram::DrawInactive(TDrawContext& ctx) { DrawNormal(ctx, kCurbGrey); }

void TRTram::DrawSelected(TDrawContext& ctx) {
  DrawNormal(ctx, clBlue);
  const TArcFrame arc = ArcFrame(ctx, *this);
  DrawEndHandles(ctx, arc.E1, arc.E2);
}

void TRTram::DrawPrint(TDrawContext& ctx) {
  const TTrackLook look = TrackPrintLook(ctx);
  if (look.Banded)
    DrawBanded(ctx);
  else
    DrawNormal(ctx, look.PenColor);
}

TRect TRTram::GetBounds(TDrawContext& ctx) {
  return BandBounds(ctx, TRoundSVItem::GetBounds(ctx), kSleeperReach * TrackHalfGauge(ctx, *this));
}
