#include "SLB.h"

#include "StopLine.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"

bool IsCurbCode(std::uint32_t typeCode) {
  return typeCode == SnapRequest::StraightCurb || typeCode == SnapRequest::RoundCurb;
}

void SetCurbPen(TCanvas& canvas, TColor color, int width) {
  SetPen(canvas, color, TPenMode::Copy, width, TPenStyle::Solid);
}

TCurbPrint CurbPrintForm(const TDrawContext& ctx) {
  const double pf = ctx.LineFactor;
  TCurbPrint form;
  form.PenWidth = MaxInt(1, Round(0.6 * pf));
  if (ctx.ColorPrint) {
    form.PenColor = ctx.GrayBorder ? kPrintGrey : clBlack;
  } else if (ctx.GrayBorder && form.PenWidth > 1) {
    form.Band = true;
    form.PenWidth = 1;
    form.HalfWidth = 0.3 * pf;
  }
  return form;
}

void SetCurbPrintLook(TCanvas& canvas, const TCurbPrint& form) {
  SetCurbPen(canvas, form.PenColor, form.PenWidth);
  if (form.Band) SetBrush(canvas, kPrintGrey, TBrushStyle::Solid);
}

bool TSLB::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y) {
  return IsCurbCode(typeCode) && FindLineEnd(x, y, ctx, X, Y);
}

void TSLB::DrawLine(TDrawContext& ctx) {
  DrawSegment(*ctx.Canvas, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TSLB::DrawActive(TDrawContext& ctx) {
  SetCurbPen(*ctx.Canvas, kCurbGrey, 1);
  DrawLine(ctx);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TSLB::DrawInactive(TDrawContext& ctx) {
  SetCurbPen(*ctx.Canvas, kCurbGrey, 2);
  DrawLine(ctx);
}

void TSLB::DrawSelected(TDrawContext& ctx) {
  SetCurbPen(*ctx.Canvas, clBlue, 1);
  DrawLine(ctx);
  DrawEndHandles(ctx, ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
}

void TSLB::DrawPrint(TDrawContext& ctx) {
  const TCurbPrint form = CurbPrintForm(ctx);
  SetCurbPrintLook(*ctx.Canvas, form);
  if (!form.Band) {
    DrawLine(ctx);
    return;
  }
  const TLineFrame f = LineFrame(ctx.WorldToScreen(X1, Y1), ctx.WorldToScreen(X2, Y2));
  const TLineFrame e = f.AtEnd();
  const double h = form.HalfWidth;
  DrawQuad(*ctx.Canvas, f.At(0, -h), e.At(0, -h), e.At(0, h), f.At(0, h));
}
