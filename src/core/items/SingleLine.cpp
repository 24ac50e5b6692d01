#include "SingleLine.h"

#include "StopLine.h"
#include "model/Geometry.h"
#include "platform/TextFile.h"

namespace {
// A band over the whole length, between two offsets across the line.
void DrawBand(TCanvas& canvas, const TLineFrame& f, double lo, double hi) {
  const TLineFrame e = f.AtEnd();
  DrawQuad(canvas, f.At(0, lo), e.At(0, lo), e.At(0, hi), f.At(0, hi));
}

// Dashes every 80 units, each the given share of its step.
void DrawDashes(TCanvas& canvas, const TLineFrame& f, double m, double r, double share) {
  const double step = MaxReal(3, 80 * m);
  const int n = RoundedPieces(f.Length / step);
  if (n <= 0) return;
  const double d = share * f.Length / n;
  for (int i = 0; i < n; ++i) {
    const TLineFrame c = f.MovedTo(i * f.Length / n);
    DrawQuad(canvas, c.At(0, r), c.At(0, -r), c.At(d, -r), c.At(d, r));
  }
}
}  // namespace

void TSingleLine::SaveToText(TTextWriter& f) {
  TLineSVItem::SaveToText(f);
  f.WriteIntLine(LineKind);
}

void TSingleLine::LoadFromText(TTextReader& f) {
  TLineSVItem::LoadFromText(f);
  // An 8-bit field: a larger number keeps its low byte, as type codes do.
  LineKind = static_cast<std::uint8_t>(f.ReadInt() & 0xFF);
  f.SkipLine();
}

bool TSingleLine::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  return JoinsLaneLines(typeCode) && FindLineEnd(x, y, ctx, X, Y);
}

void TSingleLine::DrawLine(TDrawContext& ctx) {
  const TLineFrame f = LineFrame(ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
  const double m = RealPixels(ctx, *this);
  const double r = MaxReal(0.5, m);
  TCanvas& canvas = *ctx.Canvas;
  if (LineKind == 0) {
    DrawBand(canvas, f, -r, r);
  } else if (LineKind == 1) {
    DrawDashes(canvas, f, m, r, 0.75);
  } else if (LineKind == 2) {
    DrawDashes(canvas, f, m, r, 0.25);
  } else if (LineKind == 3) {
    DrawBand(canvas, f, -4 * r, -2 * r);
    DrawBand(canvas, f, 2 * r, 4 * r);
  }
}

void TSingleLine::DrawActive(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Active);
  DrawLine(ctx);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TSingleLine::DrawInactive(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Inactive);
  DrawLine(ctx);
}

void TSingleLine::DrawSelected(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Selected);
  DrawLine(ctx);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TSingleLine::DrawPrint(TDrawContext& ctx) {
  SetMarkLook(*ctx.Canvas, TMarkLook::Print);
  DrawLine(ctx);
}

TRect TSingleLine::GetBounds(TDrawContext& ctx) {
  // The double line reaches four line widths to the side.
  return BandBounds(ctx, TLineSVItem::GetBounds(ctx), 4 * MaxReal(0.5, RealPixels(ctx, *this)));
}
