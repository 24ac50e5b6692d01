#include "StopSign.h"

#include "SignCatalog.h"
#include "model/Geometry.h"

namespace {

struct TStopPaint {
  TColor Outline;
  int Width;
  TColor Fill;
  TColor Letters;
  int LetterWidth;
};

TStopPaint StopPaint(const TDrawContext& ctx, TSignLook look) {
  switch (look) {
    case TSignLook::Active:
      return {clWhite, 1, kSchemeBackground, clWhite, 1};
    case TSignLook::Inactive:
      return {kSignRed, 1, kSignRed, clWhite, MaxInt(1, Round(ctx.SignScale * 12 / 11))};
    case TSignLook::Selected:
      return {clWhite, 1, kSelectedFill, clWhite, 1};
    case TSignLook::Print:
      break;
  }
  const int pw = TSign::PrintPenWidth(ctx), lw = MaxInt(1, Round(ctx.SignScale));
  if (ctx.ColorPrint) return {kSignRed, pw, kSignRed, clWhite, lw};
  return {clBlack, pw, clSilver, clBlack, lw};
}

// The word reads across the sign, the tops of the letters away from the stick.
const TSignPoint kS[] = {{1.3, -0.5}, {1.3, -0.8}, {1, -0.8}, {1, -0.5}, {0.7, -0.5}, {0.7, -0.8}};
const TSignPoint kTStem[] = {{1.3, -0.4}, {1.3, -0.1}};
const TSignPoint kTBar[] = {{1.3, -0.25}, {0.7, -0.25}};
const TSignPoint kO[] = {{1.3, 0}, {1.3, 0.3}, {0.7, 0.3}, {0.7, 0}, {1.3, 0}};
const TSignPoint kP[] = {{0.7, 0.5}, {1.3, 0.5}, {1.3, 0.8}, {1, 0.8}, {1, 0.5}};

template <std::size_t N>
void Letter(TCanvas& canvas, const TSignFrame& f, const TSignPoint (&pts)[N]) {
  TPoint p[N];
  for (std::size_t i = 0; i < N; ++i) p[i] = f.At(pts[i]);
  canvas.Polyline(p, static_cast<int>(N));
}

}  // namespace

void TStopSign::DrawSymbol(TDrawContext& ctx, TSignLook look) {
  if (Kind != 7) return;
  TCanvas& canvas = *ctx.Canvas;
  const TStopPaint p = StopPaint(ctx, look);
  const TSignFrame f = Frame(ctx, Radius(ctx));
  Pen(canvas, p.Outline, p.Width);
  canvas.SetBrushColor(p.Fill);
  Poly(canvas, f, {{0, -0.4}, {0.6, -1}, {1.4, -1}, {2, -0.4}, {2, 0.4}, {1.4, 1}, {0.6, 1}, {0, 0.4}});
  Pen(canvas, p.Letters, p.LetterWidth);
  Letter(canvas, f, kS);
  Letter(canvas, f, kTStem);
  Letter(canvas, f, kTBar);
  Letter(canvas, f, kO);
  Letter(canvas, f, kP);
}
