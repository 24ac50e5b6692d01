#include "MainSign.h"

#include "SignCatalog.h"
#include "model/Geometry.h"

namespace {

constexpr double kUnit = 1.41;

struct TMainPaint {
  TColor Outline;
  int Width;
  TColor OuterFill;
  TColor InnerPen;
  TColor InnerFill;
  TColor Strokes;
  int StrokeWidth;
};

TMainPaint MainPaint(const TDrawContext& ctx, TSignLook look) {
  switch (look) {
    case TSignLook::Active:
      return {clWhite, 1, kSchemeBackground, clWhite, kSchemeBackground, clWhite, 1};
    case TSignLook::Inactive:
      return {clBlack, 1, clWhite, clBlack, kSignYellow, clBlack, 1};
    case TSignLook::Selected:
      return {clWhite, 1, kSelectedFill, clWhite, kSelectedFill, clWhite, 1};
    case TSignLook::Print:
      break;
  }
  return {clBlack, TSign::PrintPenWidth(ctx), clWhite, clBlack, ctx.ColorPrint ? kSignYellow : clSilver,
          clBlack, MaxInt(1, Round(ctx.LineFactor / 6))};
}

}  // namespace

double TMainSign::Reach() const { return kUnit; }

void TMainSign::DrawSymbol(TDrawContext& ctx, TSignLook look) {
  if (Kind != 4 && Kind != 8) return;
  TCanvas& canvas = *ctx.Canvas;
  const TMainPaint p = MainPaint(ctx, look);
  const TSignFrame f = Frame(ctx, Radius(ctx) * kUnit);
  Pen(canvas, p.Outline, p.Width);
  canvas.SetBrushColor(p.OuterFill);
  Poly(canvas, f, {{0, 0}, {1, 1}, {2, 0}, {1, -1}});
  Pen(canvas, p.InnerPen, p.Width);
  canvas.SetBrushColor(p.InnerFill);
  Poly(canvas, f, {{1.0 / 3, 0}, {1, 2.0 / 3}, {5.0 / 3, 0}, {1, -2.0 / 3}});
  if (Kind != 8) return;
  Pen(canvas, p.Strokes, p.StrokeWidth);
  Segment(canvas, f, {1.5, 0.5}, {0.5, -0.5});
  Segment(canvas, f, {1.6, 0.4}, {0.6, -0.6});
  Segment(canvas, f, {1.4, 0.6}, {0.4, -0.4});
}
