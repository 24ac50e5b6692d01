#include "PedHead.h"

#include "model/Geometry.h"
#include "plan/SVNapr.h"
#include "platform/TextFile.h"

namespace {
constexpr TColor kDarkGrey = 0x404040;
}  // namespace

void TPedHead::SaveToText(TTextWriter& f) {
  TAirSVItem::SaveToText(f);
  f.WriteLine(NaprLine(Napr));
  SaveHeadLabel(f);
}

void TPedHead::LoadFromText(TTextReader& f) {
  TAirSVItem::LoadFromText(f);
  Napr = ResolveNapr(f.ReadLine());
  LoadHeadLabel(f);
}

void TPedHead::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int /*count*/) {
  PlaceHanging(ctx, pts, snap, "Ошибка. stick не прицепился, но создался");
}

TColor TPedHead::PedestrianColor() const {
  const TColor c = SignalColorOf(LiveNapr(Napr));
  return c == kSignalYellow ? kSignalRed : c;
}

void TPedHead::DrawBody(TDrawContext& ctx, TColor fill) {
  const THeadFrame f = Frame(ctx, 0.8 * SymbolSize(ctx));
  ctx.Canvas->SetBrushColor(fill);
  ctx.Canvas->Polygon({f.At(0, 1), f.At(1, 1), f.At(1, -1), f.At(0, -1)});
}

void TPedHead::DrawActive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawBody(ctx, kDarkGrey);
  DrawLabelActive(ctx);
}

void TPedHead::DrawInactive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawBody(ctx, PedestrianColor());
  DrawLabelInactive(ctx);
}

void TPedHead::DrawSelected(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawBody(ctx, clBlue);
  DrawLabelSelected(ctx);
}

void TPedHead::DrawPrint(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clBlack, TPenMode::Copy, MaxInt(1, Round(ctx.LineFactor / 6)), TPenStyle::Solid);
  DrawBody(ctx, LiveNapr(Napr) && ctx.ColorPrint ? PedestrianColor() : clWhite);
  DrawLabelPrint(ctx);
}
