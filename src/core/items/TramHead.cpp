#include "TramHead.h"

#include "model/Geometry.h"
#include "plan/SVNapr.h"
#include "platform/TextFile.h"

namespace {
constexpr TColor kDarkGrey = 0x404040;
constexpr TColor kLampLit = 0x20FFFF;
}  // namespace

void TTramHead::SaveToText(TTextWriter& f) {
  TAirSVItem::SaveToText(f);
  f.WriteLine(NaprLine(LeftNapr));
  f.WriteLine(NaprLine(StraightNapr));
  f.WriteLine(NaprLine(RightNapr));
  SaveHeadLabel(f);
}

void TTramHead::LoadFromText(TTextReader& f) {
  TAirSVItem::LoadFromText(f);
  LeftNapr = ResolveNapr(f.ReadLine());
  StraightNapr = ResolveNapr(f.ReadLine());
  RightNapr = ResolveNapr(f.ReadLine());
  LoadHeadLabel(f);
}

void TTramHead::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int /*count*/) {
  PlaceHanging(ctx, pts, snap, "Ошибка. tramhead не прицепился, но создался");
}

void TTramHead::UpdateLamps() {
  auto open = [this](TSVNapr* napr) {
    const TSVNapr* live = LiveNapr(napr);
    return live && live->IsGreenNow();
  };
  AnyOpen = RightLamp = LeftLamp = StraightLamp = false;
  if (open(LeftNapr)) AnyOpen = LeftLamp = true;
  if (open(RightNapr)) AnyOpen = RightLamp = true;
  if (open(StraightNapr)) AnyOpen = StraightLamp = true;
  if (!AnyOpen) LeftLamp = RightLamp = StraightLamp = true;
}

void TTramHead::DrawBody(TDrawContext& ctx, TColor fill) {
  const THeadFrame f = Frame(ctx, SymbolSize(ctx));
  ctx.Canvas->SetBrushColor(fill);
  ctx.Canvas->Polygon(
      {f.At(0, 1), f.At(2.0 / 3, 1), f.At(4.0 / 3, 1.0 / 3), f.At(4.0 / 3, -1.0 / 3), f.At(2.0 / 3, -1), f.At(0, -1)});
}

void TTramHead::DrawAllLamps(TDrawContext& ctx, TColor lit, TColor dark, bool anyOpen, bool left, bool right,
                             bool straight) {
  const double s = SymbolSize(ctx);
  const THeadFrame f = Frame(ctx, s);
  const double r = s / 4;
  auto lamp = [&](double along, double across, bool on) {
    const TRect box = f.CircleBox(along, across, r);
    ctx.Canvas->SetBrushColor(on ? lit : dark);
    ctx.Canvas->Ellipse(box.Left, box.Top, box.Right, box.Bottom);
  };
  lamp(1, 0, anyOpen);
  lamp(1.0 / 3, 2.0 / 3, left);
  lamp(1.0 / 3, -2.0 / 3, right);
  lamp(1.0 / 3, 0, straight);
}

void TTramHead::DrawLamps(TDrawContext& ctx, TColor dark) {
  UpdateLamps();
  DrawAllLamps(ctx, kLampLit, dark, AnyOpen, LeftLamp, RightLamp, StraightLamp);
}

void TTramHead::DrawActive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawBody(ctx, kDarkGrey);
  DrawLabelActive(ctx);
}

void TTramHead::DrawInactive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawBody(ctx, kDarkGrey);
  DrawLamps(ctx, kDarkGrey);
  DrawLabelInactive(ctx);
}

void TTramHead::DrawSelected(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawBody(ctx, clBlue);
  DrawLabelSelected(ctx);
}

void TTramHead::DrawPrint(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clBlack, TPenMode::Copy, MaxInt(1, Round(ctx.LineFactor / 6)), TPenStyle::Solid);
  DrawBody(ctx, clWhite);
  if (ctx.ColorPrint) {
    DrawLamps(ctx, clSilver);
  } else {
    DrawAllLamps(ctx, clWhite, clWhite, true, true, true, true);
  }
  DrawLabelPrint(ctx);
}
