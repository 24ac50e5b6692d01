#include "TStolb.h"

#include "items/Stick.h"
#include "items/STOLB.h"
#include "model/Geometry.h"
#include "platform/TextFile.h"

namespace {
constexpr TColor kHandleGrey = 0x707070;
constexpr TColor kRubber = 0x10FFFF;

// The cross bar at the foot b, square to the arm towards a, 12 symbol units long.
void DrawStand(TDrawContext& ctx, TPoint b, TPoint a) {
  double vx = 0, vy = 0;
  DirectionVector(b.x, b.y, a.x, a.y, 6 * ctx.SignScale, vx, vy);
  ctx.Canvas->Line(Round(b.x - vy), Round(b.y + vx), Round(b.x + vy), Round(b.y - vx));
  ctx.Canvas->Line(b.x, b.y, a.x, a.y);
}
}  // namespace

TRect TTStolb::GetBounds(TDrawContext& ctx) {
  const TPoint b = FootPoint(ctx), a = ArmEnd(ctx);
  return RectFromPoints(b.x, b.y, a.x, a.y);
}

void TTStolb::SaveToText(TTextWriter& f) {
  WriteRealPair(f, X, Y);
  WriteRealPair(f, DX, DY);
}

void TTStolb::LoadFromText(TTextReader& f) {
  ReadRealPair(f, X, Y);
  ReadRealPair(f, DX, DY);
}

bool TTStolb::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const TPoint b = FootPoint(ctx), a = ArmEnd(ctx);
  Selected = SegmentMeetsRect(r, b.x, b.y, a.x, a.y);
  return Selected;
}

bool TTStolb::FindAnchorEx(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& AX, double& AY, double& X2,
                           double& Y2) {
  if (!HangsOnCarrier(typeCode) || !NearScreenPoint(ArmEnd(ctx), x, y, ctx.HitTolerance)) return false;
  AX = X;
  AY = Y;
  X2 = DX;
  Y2 = DY;
  return true;
}

void TTStolb::PlaceAt(TDrawContext& ctx, const TScreenPoints& pts, const TSnapRecord& /*snap*/, int /*count*/) {
  ctx.ScreenToWorld(pts[0].x, pts[0].y, X, Y);
  const TRealPoint w = ctx.ScreenToWorld(pts[1].x, pts[1].y);
  DX = (w.x - X) * ctx.Zoom / ctx.SignScale;
  DY = (w.y - Y) * ctx.Zoom / ctx.SignScale;
}

void TTStolb::DrawActive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawStand(ctx, FootPoint(ctx), ArmEnd(ctx));
  DrawHandleSquare(ctx, ArmEnd(ctx), kHandleGrey);
}

void TTStolb::DrawInactive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawStand(ctx, FootPoint(ctx), ArmEnd(ctx));
}

void TTStolb::DrawSelected(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clBlue, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawStand(ctx, FootPoint(ctx), ArmEnd(ctx));
  DrawHandleSquare(ctx, ArmEnd(ctx), kHandleGrey);
}

void TTStolb::DrawPrint(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clBlack, TPenMode::Copy, MaxInt(1, Round(ctx.LineFactor / 6)), TPenStyle::Solid);
  DrawStand(ctx, FootPoint(ctx), ArmEnd(ctx));
}

void TTStolb::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int /*mode*/) {
  TPen& pen = ctx.Canvas->Pen;
  pen.Color = kRubber;
  pen.Style = TPenStyle::Solid;
  pen.Mode = TPenMode::Xor;
  DrawStand(ctx, pts[0], pts[1]);
}
