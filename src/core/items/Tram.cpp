#include "Tram.h"

#include "SLB.h"
#include "StopLine.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"

bool IsTrackCode(std::uint32_t typeCode) {
  return typeCode == SnapRequest::StraightRail || typeCode == SnapRequest::RoundRail;
}

double TrackHalfGauge(const TDrawContext& ctx, const TSVItem& item) { return 10 * RealPixels(ctx, item); }

int RailPenWidth(double a) { return MaxInt(1, Round(a / 8)); }

int SleeperPenWidth(double a) { return MaxInt(1, Round(a / 4)); }

TTrackLook TrackPrintLook(const TDrawContext& ctx) {
  TTrackLook look;
  if (ctx.ColorPrint)
    look.PenColor = ctx.GrayBorder ? kPrintGrey : clBlack;
  else
    look.Banded = ctx.GrayBorder && Round(2.5 * ctx.Zoom) > 1;
  return look;
}

void SetTrackBandLook(TCanvas& canvas) {
  SetPen(canvas, clBlack, TPenMode::Copy, 1, TPenStyle::Solid);
  SetBrush(canvas, kPrintGrey, TBrushStyle::Solid);
}

bool TTram::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  return IsTrackCode(typeCode) && FindLineEnd(x, y, ctx, X, Y);
}

void TTram::DrawNormal(TDrawContext& ctx, TColor color) {
  TCanvas& canvas = *ctx.Canvas;
  const TLineFrame f = LineFrame(ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
  const TLineFrame e = f.AtEnd();
  const double a = TrackHalfGauge(ctx, *this);
  SetPen(canvas, color, TPenMode::Copy, RailPenWidth(a), TPenStyle::Solid);
  DrawSegment(canvas, f.At(0, a), e.At(0, a));
  DrawSegment(canvas, f.At(0, -a), e.At(0, -a));
  // A piece shorter than one sleeper spacing has no sleepers of its own:
  // its neighbours' end sleepers mark the joint.
  const int k = a > 0 ? TruncatedPieces(f.Length / a) : 0;
  if (k <= 0) return;
  SetPen(canvas, color, TPenMode::Copy, SleeperPenWidth(a), TPenStyle::Solid);
  const double s = kSleeperReach * a;
  for (int j = 0; j <= k; ++j) {
    const double t = j * f.Length / k;
    DrawSegment(canvas, f.At(t, -s), f.At(t, s));
  }
}

void TTram::DrawBanded(TDrawContext& ctx) {
  TCanvas& canvas = *ctx.Canvas;
  const TLineFrame f = LineFrame(ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
  const TLineFrame e = f.AtEnd();
  const double a = TrackHalfGauge(ctx, *this);
  SetTrackBandLook(canvas);
  const int k = a > 0 ? TruncatedPieces(f.Length / a) : 0;
  const double s = kSleeperReach * a, half = a / 8;
  for (int j = 0; k > 0 && j <= k; ++j) {
    const double t = j * f.Length / k;
    DrawQuad(canvas, f.At(t - half, -s), f.At(t + half, -s), f.At(t + half, s), f.At(t - half, s));
  }
  // Rails over the sleepers, as they lie.
  for (const double side : {a, -a}) {
    const double lo = side - a / 16, hi = side + a / 16;
    DrawQuad(canvas, f.At(0, lo), e.At(0, lo), e.At(0, hi), f.At(0, hi));
  }
}

void TTram::DrawActive(TDrawContext& ctx) {
  DrawNormal(ctx, kCurbGrey);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TTram::DrawInactive(TDrawContext& ctx) { DrawNormal(ctx, kCurbGrey); }

void TTram::DrawSelected(TDrawContext& ctx) {
  DrawNormal(ctx, clBlue);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TTram::DrawPrint(TDrawContext& ctx) {
  const TTrackLook look = TrackPrintLook(ctx);
  if (look.Banded)
    DrawBanded(ctx);
  else
    DrawNormal(ctx, look.PenColor);
}

TRect TTram::GetBounds(TDrawContext& ctx) {
  return BandBounds(ctx, TLineSVItem::GetBounds(ctx), kSleeperReach * TrackHalfGauge(ctx, *this));
}
