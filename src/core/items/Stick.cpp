#include "Stick.h"

#include "items/STOLB.h"
#include "model/Geometry.h"
#include "model/TypeCodes.h"

namespace {
constexpr TColor kHandleGrey = 0x707070;
constexpr TColor kRubber = 0x10FFFF;
}  // namespace

bool HangsOnCarrier(std::uint32_t typeCode) {
  return typeCode == SnapRequest::Stick || typeCode == SnapRequest::Head || typeCode == SnapRequest::Sign;
}

TRect TStick::GetBounds(TDrawContext& ctx) {
  const TPoint b = BasePoint(ctx), a = AimPoint(ctx);
  return RectFromPoints(b.x, b.y, a.x, a.y);
}

bool TStick::SelectInRect(TDrawContext& ctx, const TRect& r) {
  const TPoint b = BasePoint(ctx), a = AimPoint(ctx);
  Selected = SegmentMeetsRect(r, b.x, b.y, a.x, a.y);
  return Selected;
}

bool TStick::FindAnchorEx(int x, int y, TDrawContext& ctx, std::uint32_t typeCode, double& X, double& Y, double& X2,
                          double& Y2) {
  if (!HangsOnCarrier(typeCode)) return false;
  bool found = false;
  if (NearScreenPoint(BasePoint(ctx), x, y, ctx.HitTolerance)) {
    X2 = Anchor2X;
    Y2 = Anchor2Y;
    found = true;
  }
  // The aim end wins over the base end when both are under the cursor.
  if (NearScreenPoint(AimPoint(ctx), x, y, ctx.HitTolerance)) {
    X2 = OffsetX;
    Y2 = OffsetY;
    found = true;
  }
  if (!found) {
    // A place along the stick, in symbol units from the stick's anchor.
    const TRealPoint w = ctx.ScreenToWorld(x, y);
    const double k = ctx.Zoom / ctx.SignScale;
    const TRealPoint q =
        NearestPointOnSegment((w.x - AnchorX) * k, (w.y - AnchorY) * k, Anchor2X, Anchor2Y, OffsetX, OffsetY);
    if (!NearScreenPoint(ctx.WorldOffsetToScreen(AnchorX, AnchorY, q.x, q.y), x, y, ctx.HitTolerance)) return false;
    X2 = q.x;
    Y2 = q.y;
  }
  X = AnchorX;
  Y = AnchorY;
  return true;
}

void TStick::DrawSegment(TDrawContext& ctx) {
  const TPoint b = BasePoint(ctx), a = AimPoint(ctx);
  ctx.Canvas->Line(b.x, b.y, a.x, a.y);
}

void TStick::DrawWithHandles(TDrawContext& ctx, TColor pen) {
  SetPen(*ctx.Canvas, pen, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawSegment(ctx);
  DrawHandleSquare(ctx, BasePoint(ctx), kHandleGrey);
  DrawHandleSquare(ctx, AimPoint(ctx), kHandleGrey);
}

void TStick::DrawActive(TDrawContext& ctx) { DrawWithHandles(ctx, clWhite); }

void TStick::DrawSelected(TDrawContext& ctx) { DrawWithHandles(ctx, clBlue); }

void TStick::DrawInactive(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clWhite, TPenMode::Copy, 1, TPenStyle::Solid);
  DrawSegment(ctx);
}

void TStick::DrawPrint(TDrawContext& ctx) {
  SetPen(*ctx.Canvas, clBlack, TPenMode::Copy, MaxInt(1, Round(ctx.LineFactor / 6)), TPenStyle::Solid);
  DrawSegment(ctx);
}

void TStick::DrawRubber(TDrawContext& ctx, const TScreenPoints& pts, int /*mode*/) {
  TPen& pen = ctx.Canvas->Pen;
  pen.Color = kRubber;
  pen.Style = TPenStyle::Solid;
  pen.Mode = TPenMode::Xor;
  ctx.Canvas->Line(pts[0].x, pts[0].y, pts[1].x, pts[1].y);
}
