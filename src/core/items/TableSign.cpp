#include "TableSign.h"

#include "SignCatalog.h"

void TTableSign::DrawSymbol(TDrawContext& ctx, TSignLook look) {
  if (Kind != 18) return;
  TCanvas& canvas = *ctx.Canvas;
  switch (look) {
    case TSignLook::Active:
      Pen(canvas, clWhite, 1);
      canvas.SetBrushColor(kSchemeBackground);
      break;
    case TSignLook::Inactive:
      Pen(canvas, clBlack, 1);
      canvas.SetBrushColor(clWhite);
      break;
    case TSignLook::Selected:
      Pen(canvas, clWhite, 1);
      canvas.SetBrushColor(kSelectedFill);
      break;
    case TSignLook::Print:
      Pen(canvas, clBlack, PrintPenWidth(ctx));
      canvas.SetBrushColor(clWhite);
      break;
  }
  Poly(canvas, Frame(ctx, Radius(ctx) * 0.75), {{0, -1}, {1, -1}, {1, 1}, {0, 1}});
}
