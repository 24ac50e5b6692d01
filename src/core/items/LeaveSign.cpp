#include "LeaveSign.h"

#include "SignCatalog.h"

namespace {

constexpr double kUnit = 9.0 / 7.0;

struct TLeavePaint {
  TColor Outline;
  int Width;
  TColor OuterFill;
  TColor InnerPen;
  TColor InnerFill;
};

TLeavePaint LeavePaint(const TDrawContext& ctx, TSignLook look) {
  switch (look) {
    case TSignLook::Active:
      return {clWhite, 1, kSchemeBackground, clWhite, kSchemeBackground};
    case TSignLook::Inactive:
      return {kSignRed, 1, kSignRed, kSignRed, clWhite};
    case TSignLook::Selected:
      return {clWhite, 1, kSelectedFill, clWhite, kSelectedFill};
    case TSignLook::Print:
      break;
  }
  const int pw = TSign::PrintPenWidth(ctx);
  if (ctx.ColorPrint) return {clBlack, pw, kSignRed, clWhite, clWhite};
  return {clBlack, pw, clSilver, clBlack, clWhite};
}

}  // namespace

double TLeaveSign::Reach() const { return kUnit; }

void TLeaveSign::DrawSymbol(TDrawContext& ctx, TSignLook look) {
  if (Kind != 6) return;
  TCanvas& canvas = *ctx.Canvas;
  const TLeavePaint p = LeavePaint(ctx, look);
  const TSignFrame f = Frame(ctx, Radius(ctx) * kUnit);
  Pen(canvas, p.Outline, p.Width);
  canvas.SetBrushColor(p.OuterFill);
  Poly(canvas, f, {{0, 0}, {1.73, 1}, {1.73, -1}});
  Pen(canvas, p.InnerPen, p.Width);
  canvas.SetBrushColor(p.InnerFill);
  Poly(canvas, f, {{0.384444, 0}, {1.537778, 2.0 / 3}, {1.537778, -2.0 / 3}});
}
