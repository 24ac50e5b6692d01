#include "Contr.h"

#include "items/LabelIO.h"
#include "items/STOLB.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"
#include "platform/TextFile.h"

namespace {
constexpr TColor kCabinetYellow = 0x10FFFF;
constexpr TColor kHandle = 0x00F0F0;
constexpr TColor kDarkGrey = 0x404040;
}  // namespace

TRect TContr::GetBounds(TDrawContext& ctx) {
  const TPoint b = ctx.WorldToScreen(X, Y);
  const int h = Round(9 * ctx.SignScale);
  TRect r{b.x - h, b.y - h, b.x + h, b.y + h};
  if (Label) r = UnionRects(r, Label->GetBounds(ctx));
  return r;
}

void TContr::SaveToText(TTextWriter& f) {
  WriteRealPair(f, X, Y);
  WriteRealPair(f, DirX, DirY);
  f.WriteIntLine(Kind);
  SaveLabel(f, Label.get());
}

void TContr::LoadFromText(TTextReader& f) {
  ReadRealPair(f, X, Y);
  ReadRealPair(f, DirX, DirY);
  Kind = static_cast<std::uint8_t>(f.ReadInt());
  f.SkipLine();
  Label = LoadTextLabel(f, this, static_cast<std::uint32_t>(-1), TextColor(),
                        "Нарушение целостности базы. Ошибка в указании текстадля ДК (ШР, КР).");
}

bool TContr::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const TPoint b = ctx.WorldToScreen(X, Y);
  Selected = PointInRect(b.x, b.y, r);
  return Selected;
}

bool TContr::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& AX, double& AY) {
  if (typeCode != SnapRequest::Cable || !NearScreenPoint(ctx.WorldToScreen(X, Y), x, y, ctx.HitTolerance)) return false;
  AX = X;
  AY = Y;
  return true;
}

void TContr::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int /*count*/) {
  if (snap[0].Found) {
    X = snap[0].X;
    Y = snap[0].Y;
  } else {
    ctx.ScreenToWorld(pts[0].x, pts[0].y, X, Y);
  }
  // The orientation point is never snapped.
  ctx.ScreenToWorld(pts[1].x, pts[1].y, DirX, DirY);
}

void TContr::DrawSymbol(TDrawContext& ctx, TPoint b, TPoint a) const {
  const double s = 9 * ctx.SignScale;
  double ux = 0, uy = 0;
  DirectionVector(b.x, b.y, a.x, a.y, s, ux, uy);
  // (along, across) in the frame of u and u turned towards +y.
  auto at = [&](double along, double across) { return LocalToScreen(b.x, b.y, ux, uy, across, along); };
  auto line = [&](TPoint p, TPoint q) { ctx.Canvas->Line(p.x, p.y, q.x, q.y); };
  TCanvas& c = *ctx.Canvas;
  switch (Kind) {
    case kCabinetController:
    case kCabinetPowerBoard:
      c.Polygon({at(-1, 0.5), at(1, 0.5), at(1, -0.5), at(-1, -0.5)});
      if (Kind == kCabinetPowerBoard) {
        line(at(-1, 0), at(1, 0));
      } else {
        line(at(-1, 0.5), at(1, -0.5));
        line(at(-1.0 / 3, 0.5), at(1, -1.0 / 6));
        line(at(1.0 / 3, 0.5), at(1, 1.0 / 6));
      }
      break;
    case kCabinetTelephone: {
      const TPoint start = at(3, 0), end = at(-3, 0);
      c.Pie(Round(b.x - s), Round(b.y - s), Round(b.x + s), Round(b.y + s), start.x, start.y, end.x, end.y);
      c.Polygon({at(0.5, 0.5), at(0.5, 0), at(-0.5, 0), at(-0.5, 0.5)});
      break;
    }
    default: break;
  }
}

void TContr::DrawOnScreen(TDrawContext& ctx, bool clearFill, TColor fill, bool handle) {
  SetPen(*ctx.Canvas, kCabinetYellow, TPenMode::Copy, 1, TPenStyle::Solid);
  ctx.Canvas->SetBrushColor(fill);
  if (clearFill) ctx.Canvas->SetBrushStyle(TBrushStyle::Clear);
  const TPoint b = ctx.WorldToScreen(X, Y);
  DrawSymbol(ctx, b, ctx.WorldToScreen(DirX, DirY));
  if (handle) DrawHandleSquare(ctx, b, kHandle);
}

void TContr::DrawActive(TDrawContext& ctx) {
  DrawOnScreen(ctx, true, kDarkGrey, true);
  if (Label) Label->DrawActive(ctx);
}

void TContr::DrawInactive(TDrawContext& ctx) {
  DrawOnScreen(ctx, false, kDarkGrey, false);
  if (Label) Label->DrawInactive(ctx);
}

void TContr::DrawSelected(TDrawContext& ctx) {
  DrawOnScreen(ctx, false, clBlue, true);
  if (Label) Label->DrawSelected(ctx);
}

void TContr::DrawPrint(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clBlack, TPenMode::Copy, MaxInt(1, Round(ctx.LineFactor * 0.15)), TPenStyle::Solid);
  ctx.Canvas->SetBrushColor(clWhite);
  DrawSymbol(ctx, ctx.WorldToScreen(X, Y), ctx.WorldToScreen(DirX, DirY));
  if (Label) Label->DrawPrint(ctx);
}

void TContr::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int /*mode*/) {
  SetPen(*ctx.Canvas, kCabinetYellow, TPenMode::Xor, 1, TPenStyle::Solid);
  ctx.Canvas->SetBrushStyle(TBrushStyle::Clear);
  DrawSymbol(ctx, pts[0], pts[1]);
}
