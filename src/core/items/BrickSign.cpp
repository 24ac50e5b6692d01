#include "BrickSign.h"

#include "SignCatalog.h"

namespace {

struct TBrickPaint {
  TColor Outline;
  int Width;
  TColor DiscFill;
  TColor BarPen;
  TColor BarFill;
};

TBrickPaint BrickPaint(const TDrawContext& ctx, TSignLook look) {
  switch (look) {
    case TSignLook::Active:
      return {clWhite, 1, kSchemeBackground, clWhite, kSchemeBackground};
    case TSignLook::Inactive:
      return {clWhite, 1, kNoEntryRed, clWhite, clWhite};
    case TSignLook::Selected:
      return {kSelectedFill, 1, kSchemeBackground, kSelectedFill, kSchemeBackground};
    case TSignLook::Print:
      break;
  }
  const int pw = TSign::PrintPenWidth(ctx);
  if (ctx.ColorPrint) return {clBlack, pw, kSignRed, clWhite, clWhite};
  return {clBlack, pw, clSilver, clBlack, clWhite};
}

}  // namespace

void TBrickSign::DrawSymbol(TDrawContext& ctx, TSignLook look) {
  if (Kind != 16) return;
  TCanvas& canvas = *ctx.Canvas;
  const TBrickPaint p = BrickPaint(ctx, look);
  const TSignFrame f = Frame(ctx, Radius(ctx));
  Pen(canvas, p.Outline, p.Width);
  canvas.SetBrushColor(p.DiscFill);
  Disc(canvas, f, 1, 0, Radius(ctx));
  Pen(canvas, p.BarPen, p.Width);
  canvas.SetBrushColor(p.BarFill);
  Poly(canvas, f, {{0.85, -0.7}, {1.15, -0.7}, {1.15, 0.7}, {0.85, 0.7}});
}
