#include "STOLB.h"

#include "items/LabelIO.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"
#include "platform/TextFile.h"

namespace {
constexpr TColor kOwnFill = 0xCCCCCC;
constexpr TColor kDarkGrey = 0x404040;
}  // namespace

void DrawHandleSquare(TDrawContext& ctx, TPoint p, TColor color) {
  const int h = ctx.HitTolerance;
  ctx.Canvas->SetBrushColor(color);
  ctx.Canvas->FillRect(TRect{p.x - h, p.y - h, p.x + h, p.y + h});
}

TRect TSTOLB::GetBounds(TDrawContext& ctx) {
  // The label stays out: a pole off the window is not drawn, label and all.
  const TPoint c = ctx.WorldToScreen(X, Y);
  const int r = Round(2.5 * ctx.SignScale);
  return TRect{c.x - r, c.y - r, c.x + r, c.y + r};
}

void TSTOLB::SaveToText(TTextWriter& f) {
  WriteRealPair(f, X, Y);
  f.WriteLine(Own ? "own" : "other");
  SaveLabel(f, Label.get());
}

void TSTOLB::LoadFromText(TTextReader& f) {
  ReadRealPair(f, X, Y);
  Own = f.ReadLine() == "own";
  Label = LoadLinedLabel(f, this, 4, TextColor(), "Нарушение целостности базы. Ошибка в указании текстадля стойки.");
}

bool TSTOLB::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const TPoint c = ctx.WorldToScreen(X, Y);
  Selected = PointInRect(c.x, c.y, r);
  return Selected;
}

bool TSTOLB::FindAnchor(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& AX, double& AY) {
  // Cables, sticks, gantries and stays attach to poles; signs never do.
  if (typeCode != SnapRequest::Cable && typeCode != SnapRequest::Stick && typeCode != SnapRequest::Gantry &&
      typeCode != SnapRequest::Stay)
    return false;
  if (!NearScreenPoint(ctx.WorldToScreen(X, Y), x, y, ctx.HitTolerance)) return false;
  AX = X;
  AY = Y;
  return true;
}

void TSTOLB::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& snap, int /*count*/) {
  if (snap[0].Found) {
    X = snap[0].X;
    Y = snap[0].Y;
  } else {
    ctx.ScreenToWorld(pts[0].x, pts[0].y, X, Y);
  }
}

void TSTOLB::DrawDisc(TDrawContext& ctx, int radius) {
  const TPoint c = ctx.WorldToScreen(X, Y);
  ctx.Canvas->Ellipse(c.x - radius, c.y - radius, c.x + radius, c.y + radius);
}

void TSTOLB::DrawActive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  ctx.Canvas->SetBrushColor(Own ? kOwnFill : kDarkGrey);
  DrawDisc(ctx, Round(2.5 * ctx.SignScale));
  if (Label) Label->DrawActive(ctx);
}

void TSTOLB::DrawInactive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  ctx.Canvas->SetBrushColor(Own ? clWhite : kDarkGrey);
  DrawDisc(ctx, Round(2.5 * ctx.SignScale));
  if (Label) Label->DrawInactive(ctx);
}

void TSTOLB::DrawSelected(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  ctx.Canvas->SetBrushColor(clBlue);
  DrawDisc(ctx, Round(2.5 * ctx.SignScale));
  if (Label) Label->DrawSelected(ctx);
}

void TSTOLB::DrawPrint(TDrawContext& ctx) {
  // The disc goes over the start of the label's leader.
  if (Label) Label->DrawPrint(ctx);
  SetPen(*ctx.Canvas, Own ? clWhite : clBlack, TPenMode::Copy, MaxInt(1, Round(ctx.LineFactor * 0.15)),
         TPenStyle::Solid);
  ctx.Canvas->SetBrushColor(Own ? clBlack : clWhite);
  DrawDisc(ctx, Round(MaxReal(ctx.LineFactor * 0.55, ctx.SignScale * 2.5)));
}
